#include "report/reportlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

ReportLabel::ReportLabel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    m_font = font();
    fit();
}

QSize ReportLabel::TextExtent(const QString &text, const QFont &font, const QPaintDevice *device)
{
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    const QString measured = text.isEmpty() ? u" "_s : text;
    return QSize(int(std::ceil(metrics.horizontalAdvance(measured))), int(std::ceil(metrics.height())));
}

bool ReportLabel::keepsRightEdge() const
{
    if (m_bidi == BidiMode::RightToLeft)
        return m_alignment == TextAlignment::Left;
    return m_alignment == TextAlignment::Right;
}

void ReportLabel::fit()
{
    const QSize extent = TextExtent(m_text, m_font, this);
    if (keepsRightEdge()) {
        const qint64 right = qint64(x()) + width();
        setGeometry(int(right - extent.width()), y(), extent.width(), extent.height());
    } else {
        resize(extent);
    }
    update();
}

void ReportLabel::setText(const QString &text)
{
    m_text = text;
    fit();
}

void ReportLabel::setLabelFont(const QFont &font)
{
    m_font = font;
    fit();
}

void ReportLabel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void ReportLabel::setBidiMode(BidiMode mode)
{
    m_bidi = mode;
    setLayoutDirection(readsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    update();
}

void ReportLabel::setTextAlignment(TextAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void ReportLabel::setBackground(const QColor &color)
{
    m_background = color;
    setAttribute(Qt::WA_TranslucentBackground, !color.isValid());
    update();
}

void ReportLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    DrawLabelText(painter, rect(), m_text, m_font, m_color, readsRightToLeft());
}

void DrawLabelText(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                   const QColor &color, bool rightToLeft)
{
    painter.setFont(font);
    painter.setPen(color);
    QTextOption option(Qt::AlignTop | Qt::AlignAbsolute | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    DrawTextLine(painter, box, text, option);
}

void DrawTextLine(QPainter &painter, const QRectF &box, const QString &text, const QTextOption &option)
{
    QTextLayout layout(text, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return;
    }
    line.setLineWidth(box.width());
    layout.endLayout();
    const double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
    line.draw(&painter, QPointF(box.left(), box.top() + ascent - line.ascent()));
}
