#pragma once

#include <QPageLayout>
#include <QWidget>

#include <array>

// A report page in millimetres, shown on screen as a box of pixels. Its seven
// page values are addressed by index; writing the width or the length resizes
// the box at once: pixels = round(mm x PPI / 25.4 x zoom / 100), PPI being
// the screen's logical dots per inch when the page was made. Children are
// laid out in design-page pixels, the unit every item position is stored in.
class ReportPage : public QWidget
{
    Q_OBJECT

public:
    enum PageValue {
        BottomMargin = 0,
        Length = 1,
        TopMargin = 2,
        Width = 3,
        LeftMargin = 4,
        RightMargin = 5,
        ColumnSpace = 6,
    };

    explicit ReportPage(QWidget *parent = nullptr);

    double pageValue(int index) const { return m_values.at(index); }
    void setPageValue(int index, double millimetres);
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    double ppi() const { return m_ppi; }
    // How the page is handed to the printer; the width and length stay as set.
    QPageLayout::Orientation orientation() const { return m_orientation; }
    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }

    // The box less its one-pixel frame.
    QRect clientRect() const { return rect().adjusted(1, 1, -1, -1); }

    // One design-page pixel in millimetres.
    double millimetresPerPixel() const { return 25.4 / m_ppi; }
    static int PixelsFor(double millimetres, double ppi, int zoom);

Q_SIGNALS:
    void boxResized();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void resizeBox();

    std::array<double, 7> m_values{};
    int m_zoom = 100;
    double m_ppi = 96;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
};
