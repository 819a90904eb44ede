#include "report/reportpage.h"

#include <QPainter>

#include <cmath>

ReportPage::ReportPage(QWidget *parent)
    : QWidget(parent)
{
    m_ppi = logicalDpiX();
    setAutoFillBackground(false);
    resizeBox();
}

int ReportPage::PixelsFor(double millimetres, double ppi, int zoom)
{
    return int(std::lround(millimetres * ppi / 25.4 * zoom / 100.0));
}

void ReportPage::setPageValue(int index, double millimetres)
{
    m_values.at(index) = millimetres;
    if (index == Width || index == Length)
        resizeBox();
}

void ReportPage::setZoom(int percent)
{
    m_zoom = percent;
    resizeBox();
}

void ReportPage::resizeBox()
{
    resize(std::max(0, PixelsFor(m_values[Width], m_ppi, m_zoom)),
           std::max(0, PixelsFor(m_values[Length], m_ppi, m_zoom)));
    Q_EMIT boxResized();
}

void ReportPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
