#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>

class QDoubleSpinBox;
class QLabel;
class QWidget;
class ReportLabel;
class ReportPage;

// The designer's selected item: a frame with handles around it on the page,
// moved by the arrow keys, and a panel with its place in millimetres from
// the page's top-left corner (its anchored edge: left for the digit items,
// right for the word items), where a place can be typed.
class ItemSelection : public QObject
{
    Q_OBJECT

public:
    struct Item
    {
        ReportLabel *label;
        QString caption; // shown in the panel
        bool leftAnchored;
    };

    // The panel's controls are made in `panel` at `at`.
    ItemSelection(ReportPage *page, QWidget *panel, const QRect &at);

    void setItems(const QVector<Item> &items) { m_items = items; }
    int selected() const { return m_selected; }
    ReportLabel *selectedLabel() const;
    // -1 clears the selection.
    void select(int index);
    // Tab and Shift+Tab: the next or the previous shown item, in their order.
    void selectNext(bool backwards);
    // Moves the selected item by whole design-page pixels.
    void nudge(int dx, int dy);
    // The frame and the panel follow the selected label.
    void follow();

    // The anchored edge of an item in millimetres, and back.
    QPointF anchorMm(int index) const;
    void moveAnchorTo(int index, QPointF millimetres);

    QLabel *lbl_Item;
    QDoubleSpinBox *edt_ItemX;
    QDoubleSpinBox *edt_ItemY;

Q_SIGNALS:
    // The user moved the item: nudged or typed.
    void moved(int index);

private:
    void typed();

    ReportPage *m_page;
    QWidget *m_frame;
    QVector<Item> m_items;
    int m_selected = -1;
    bool m_following = false;
};
