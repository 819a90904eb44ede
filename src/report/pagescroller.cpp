#include "report/pagescroller.h"

#include "report/reportpage.h"

PageScroller::PageScroller(QWidget *parent)
    : QScrollArea(parent)
{
    setLayoutDirection(Qt::LeftToRight); // the page is laid out from its top-left corner
    setWidgetResizable(false);
    m_canvas = new QWidget;
    setWidget(m_canvas);
    m_page = new ReportPage(m_canvas);
}

void PageScroller::centerPage()
{
    const int left = std::max(0, width() / 2 - m_page->width() / 2);
    const int top = std::max(0, height() / 2 - m_page->height() / 2);
    m_page->move(left, top);
    // Room to scroll to a page larger than the box.
    const QSize view = viewport()->size();
    m_canvas->resize(std::max(view.width(), left + m_page->width()), std::max(view.height(), top + m_page->height()));
}

QWidget *AddPageBlank(ReportPage *page, const QString &objectName)
{
    auto *blank = new QWidget(page);
    blank->setObjectName(objectName);
    blank->setAutoFillBackground(true);
    QPalette white = blank->palette();
    white.setColor(QPalette::Window, Qt::white);
    blank->setPalette(white);
    blank->setGeometry(page->clientRect());
    QObject::connect(page, &ReportPage::boxResized, blank, [page, blank] { blank->setGeometry(page->clientRect()); });
    return blank;
}
