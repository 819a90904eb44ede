#include "templates/itemselection.h"

#include "report/reportlabel.h"
#include "report/reportpage.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPainter>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// A dashed frame with eight handles, drawn around the selected label; the
// mouse goes through it to the label.
class SelectionFrame : public QWidget
{
public:
    static constexpr int kMargin = 4;

    explicit SelectionFrame(QWidget *parent) : QWidget(parent)
    {
        setObjectName(u"SelectionFrame"_s);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRectF box = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
        p.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
        p.drawRect(box);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 90, 200));
        const QPointF centre = box.center();
        for (const QPointF &at : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight(),
                                  QPointF(centre.x(), box.top()), QPointF(centre.x(), box.bottom()),
                                  QPointF(box.left(), centre.y()), QPointF(box.right(), centre.y())}) {
            p.drawRect(QRectF(at - QPointF(2, 2), QSizeF(4, 4)));
        }
    }
};

QDoubleSpinBox *millimetres(QWidget *parent, const QString &name)
{
    auto *edit = new QDoubleSpinBox(parent);
    edit->setObjectName(name);
    edit->setRange(-1000, 10000);
    edit->setDecimals(1);
    edit->setSingleStep(0.1);
    edit->setLayoutDirection(Qt::LeftToRight);
    edit->setEnabled(false);
    edit->setKeyboardTracking(false); // a place is taken once typed, not at every digit
    return edit;
}

} // namespace

ItemSelection::ItemSelection(ReportPage *page, QWidget *panel, const QRect &at)
    : QObject(page), m_page(page), m_frame(new SelectionFrame(page))
{
    // Right to left: the item's name, then across and down.
    const int w = at.width();
    lbl_Item = new QLabel(panel);
    lbl_Item->setObjectName(u"lbl_Item"_s);
    lbl_Item->setGeometry(at.x() + w - 250, at.y(), 250, at.height());
    lbl_Item->setText(u"قلمی انتخاب نشده است"_s);
    auto *across = new QLabel(u"از چپ:"_s, panel);
    across->setGeometry(at.x() + w - 320, at.y(), 65, at.height());
    edt_ItemX = millimetres(panel, u"edt_ItemX"_s);
    edt_ItemX->setGeometry(at.x() + w - 410, at.y(), 85, at.height());
    auto *down = new QLabel(u"از بالا:"_s, panel);
    down->setGeometry(at.x() + w - 480, at.y(), 65, at.height());
    edt_ItemY = millimetres(panel, u"edt_ItemY"_s);
    edt_ItemY->setGeometry(at.x() + w - 570, at.y(), 85, at.height());
    auto *unit = new QLabel(u"میلیمتر"_s, panel);
    unit->setGeometry(at.x() + w - 630, at.y(), 55, at.height());
    connect(edt_ItemX, &QDoubleSpinBox::valueChanged, this, &ItemSelection::typed);
    connect(edt_ItemY, &QDoubleSpinBox::valueChanged, this, &ItemSelection::typed);
}

ReportLabel *ItemSelection::selectedLabel() const
{
    return m_selected < 0 ? nullptr : m_items[m_selected].label;
}

void ItemSelection::select(int index)
{
    m_selected = index >= 0 && index < m_items.size() ? index : -1;
    follow();
}

void ItemSelection::selectNext(bool backwards)
{
    const int n = int(m_items.size());
    for (int step = 1; step <= n; ++step) {
        const int start = m_selected < 0 ? (backwards ? n : -1) : m_selected;
        const int i = ((start + (backwards ? -step : step)) % n + n) % n;
        if (!m_items[i].label->isHidden()) {
            select(i);
            return;
        }
    }
}

void ItemSelection::nudge(int dx, int dy)
{
    ReportLabel *label = selectedLabel();
    if (!label)
        return;
    label->move(label->x() + dx, label->y() + dy);
    follow();
    Q_EMIT moved(m_selected);
}

QPointF ItemSelection::anchorMm(int index) const
{
    const Item &item = m_items[index];
    const double mm = m_page->millimetresPerPixel();
    const int x = item.leftAnchored ? item.label->x() : item.label->x() + item.label->width();
    return {x * mm, item.label->y() * mm};
}

void ItemSelection::moveAnchorTo(int index, QPointF millimetres)
{
    const Item &item = m_items[index];
    const double mm = m_page->millimetresPerPixel();
    const int x = int(std::lround(millimetres.x() / mm));
    const int y = int(std::lround(millimetres.y() / mm));
    item.label->move(item.leftAnchored ? x : x - item.label->width(), y);
}

void ItemSelection::follow()
{
    m_following = true;
    ReportLabel *label = selectedLabel();
    m_frame->setVisible(label && !label->isHidden());
    edt_ItemX->setEnabled(label);
    edt_ItemY->setEnabled(label);
    if (label) {
        const int margin = SelectionFrame::kMargin;
        m_frame->setGeometry(label->geometry().adjusted(-margin, -margin, margin, margin));
        m_frame->raise();
        const QPointF at = anchorMm(m_selected);
        edt_ItemX->setValue(at.x());
        edt_ItemY->setValue(at.y());
        lbl_Item->setText(u"قلم انتخاب شده: "_s + m_items[m_selected].caption);
    } else {
        lbl_Item->setText(u"قلمی انتخاب نشده است"_s);
    }
    m_following = false;
}

void ItemSelection::typed()
{
    if (m_following || m_selected < 0)
        return;
    const QPointF wanted(edt_ItemX->value(), edt_ItemY->value());
    if ((wanted - anchorMm(m_selected)).manhattanLength() < 0.05)
        return;
    moveAnchorTo(m_selected, wanted);
    follow();
    Q_EMIT moved(m_selected);
}
