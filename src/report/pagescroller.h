#pragma once

#include <QScrollArea>

class ReportPage;

// A report page in a scroll box: centred while it fits, at the top-left
// corner with room to scroll when it does not.
class PageScroller : public QScrollArea
{
public:
    explicit PageScroller(QWidget *parent = nullptr);

    ReportPage *page() const { return m_page; }

    // left = (box width div 2) - (page width div 2), top likewise; never
    // below 0.
    void centerPage();

private:
    QWidget *m_canvas;
    ReportPage *m_page;
};

// A blank white area over the page's client area, kept there as the page
// changes size: what an item is dragged over where there is no picture.
QWidget *AddPageBlank(ReportPage *page, const QString &objectName);
