#include "templates/frm_chequedesign.h"

#include "app/forms.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "print/printerchoice.h"
#include "print/printjob.h"
#include "report/pagescroller.h"
#include "report/picturebox.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequeimage.h"
#include "templates/frm_chequetitle.h"
#include "templates/itemselection.h"
#include "ui/formstyle.h"
#include "ui/frm_dlg.h"
#include "ui/maskededit.h"
#include "ui/maskedentry.h"
#include "ui/spinedit.h"
#include "wording/amounts.h"
#include "wording/dates.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTransform>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kWindowText = -16777208; // 0xFF000008, the system's window-text colour

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect at)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(at);
    b->setAutoDefault(false);
    return b;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, QRect at)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(at);
    box->setChecked(true);
    return box;
}

QLabel *label(QWidget *parent, const QString &caption, QRect at)
{
    auto *l = new QLabel(caption, parent);
    l->setGeometry(at);
    return l;
}

} // namespace

ItemLabels CreateItemLabels(ReportPage *page)
{
    const QFont pageFont = PixelFont(u"Arial"_s, 13);
    const auto item = [&](const QString &name, int left, int top, const QString &text, BidiMode bidi) {
        auto *l = new ReportLabel(page);
        l->setObjectName(name);
        l->setLabelFont(pageFont);
        l->setBidiMode(bidi);
        l->setText(text);
        l->move(left, top);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    };
    // In their layer order, the last on top.
    ItemLabels labels;
    labels.DigitDate = item(u"lbl_DigitDate"_s, 336, 18, u"**/**/**"_s, BidiMode::LeftToRight);
    labels.AlphaDate = item(u"lbl_AlphaDate"_s, 286, 37, u"********تاریخ به حروف"_s, BidiMode::RightToLeft);
    labels.DigitAmount = item(u"lbl_DigitAmount"_s, 43, 70, u"***,***,*** مبلغ به عدد"_s, BidiMode::LeftToRight);
    labels.AlphaAmount = item(u"lbl_AlphaAmount"_s, 81, 95, u"مبلغ حروفی ******************************************"_s, BidiMode::RightToLeft);
    labels.Payment = item(u"lbl_Payment"_s, 145, 131, u"در وجه*********************************************"_s, BidiMode::RightToLeft);
    labels.AlphaAmountToman = item(u"lbl_AlphaAmountToman"_s, 30, 175, u"مبلغ حروفی *******************************************(تومان)"_s, BidiMode::RightToLeft);
    return labels;
}

Tfrm_ChequeDesign::Tfrm_ChequeDesign(Connection &connection, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      q(connection)
{
    SetUpForm(this, u"frm_ChequeDesign"_s);
    resize(839, 602);
    buildSettings();
    buildSurface();
    FormCreate();
}

void Tfrm_ChequeDesign::buildSettings()
{
    // The panel reads from the right: size and orientation, the item
    // switches, the font buttons, then the sample cheque and the actions.
    pnl_Settings = new QWidget(this);
    pnl_Settings->setObjectName(u"pnl_Settings"_s);
    pnl_Settings->setGeometry(0, 0, 839, 273);
    QWidget *p = pnl_Settings;

    // A size: its caption, the spin edit, the unit.
    const auto size = [p](const QString &caption, int top, int initial, const QString &name) {
        label(p, caption, {745, top, 85, 22});
        auto *spin = new SpinEdit(p);
        spin->setObjectName(name);
        spin->setGeometry(650, top, 90, 22);
        spin->setCurrentValue(initial);
        label(p, u"میلیمتر"_s, {596, top, 50, 22});
        return spin;
    };
    edt_Length = size(u"ارتفاع چک"_s, 14, 60, u"edt_Length"_s);
    edt_Width = size(u"طول چک"_s, 44, 120, u"edt_Width"_s);

    label(p, u"نحوه قرار دادن چک در چاپگر"_s, {596, 80, 234, 22});
    cmb_page = new QComboBox(p);
    cmb_page->setObjectName(u"cmb_page"_s);
    cmb_page->setGeometry(700, 106, 130, 24);
    cmb_page->addItems({u"افقی"_s, u"عمودی"_s});
    cmb_page->setCurrentIndex(1);
    const QImage cheque(u":/cheques/Mellat1.jpg"_s);
    img0 = new QLabel(p);
    img0->setObjectName(u"img0"_s);
    img0->setGeometry(596, 140, 100, 50);
    img0->setScaledContents(true);
    img0->setPixmap(QPixmap::fromImage(cheque.scaled(200, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    img0->hide();
    img1 = new QLabel(p);
    img1->setObjectName(u"img1"_s);
    img1->setGeometry(621, 140, 50, 100);
    img1->setScaledContents(true);
    img1->setPixmap(img0->pixmap().transformed(QTransform().rotate(90)));

    chk_Date = checkBox(p, u"chk_Date"_s, u"تاریخ"_s, {420, 12, 170, 20});
    chk_DigitDate = checkBox(p, u"chk_DigitDate"_s, u"تاریخ به عدد"_s, {420, 36, 150, 20});
    chk_AlphaDate = checkBox(p, u"chk_AlphaDate"_s, u"تاریخ به حروف"_s, {420, 60, 150, 20});
    chk_Amount = checkBox(p, u"chk_Amount"_s, u"مبلغ"_s, {420, 94, 170, 20});
    chk_DigitAmount = checkBox(p, u"chk_DigitAmount"_s, u"مبلغ به عدد"_s, {420, 118, 150, 20});
    chk_AlphaAmount = checkBox(p, u"chk_AlphaAmount"_s, u"مبلغ به حروف(ریال)"_s, {420, 142, 150, 20});
    chk_AlphaAmountToman = checkBox(p, u"chk_AlphaAmountToman"_s, u"مبلغ به حروف(تومان)"_s, {420, 166, 150, 20});
    chk_Payment = checkBox(p, u"chk_Payment"_s, u"در وجه"_s, {420, 200, 170, 20});

    BitBtn2 = button(p, u"BitBtn2"_s, u"فونت تاریخ به عدد"_s, {262, 12, 146, 28});
    BitBtn4 = button(p, u"BitBtn4"_s, u"فونت تاریخ به حروف"_s, {262, 46, 146, 28});
    BitBtn3 = button(p, u"BitBtn3"_s, u"فونت مبلغ به عدد"_s, {262, 80, 146, 28});
    BitBtn5 = button(p, u"BitBtn5"_s, u"فونت مبلغ به حروف(ریال)"_s, {262, 114, 146, 28});
    BitBtn8 = button(p, u"BitBtn8"_s, u"فونت مبلغ به حروف(تومان)"_s, {262, 148, 146, 28});
    BitBtn6 = button(p, u"BitBtn6"_s, u"فونت در وجه"_s, {262, 182, 146, 28});
    // In the order of ItemNames(), each beside its font button.
    const int colorTops[] = {12, 46, 80, 114, 148, 182};
    for (int i = 0; i < 6; ++i) {
        btn_Colors[i] = button(p, u"btn_Color"_s + ItemNames()[i], QString(), {230, colorTops[i], 28, 28});
        btn_Colors[i]->setToolTip(u"رنگ"_s);
    }

    auto *sample = new QGroupBox(u"چک"_s, p);
    sample->setGeometry(10, 6, 210, 118);
    label(sample, u"تاریخ"_s, {150, 24, 52, 22});
    edt_Date = new MaskedEdit(sample);
    edt_Date->setObjectName(u"edt_Date"_s);
    edt_Date->setGeometry(10, 24, 136, 22);
    edt_Date->setLayoutDirection(Qt::LeftToRight);
    edt_Date->setText(kDateMask);
    label(sample, u"مبلغ"_s, {150, 54, 52, 22});
    edt_Money = new MaskedEdit(sample);
    edt_Money->setObjectName(u"edt_Money"_s);
    edt_Money->setGeometry(10, 54, 136, 22);
    edt_Money->setLayoutDirection(Qt::LeftToRight);
    edt_Money->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(sample, u"در وجه"_s, {150, 84, 52, 22});
    edt_payment = new QLineEdit(sample);
    edt_payment->setObjectName(u"edt_payment"_s);
    edt_payment->setGeometry(10, 84, 136, 22);

    BitBtn1 = button(p, u"BitBtn1"_s, u"انتخاب تصویر چک"_s, {10, 134, 210, 32});
    BitBtn9 = button(p, u"BitBtn9"_s, u"چاپ"_s, {10, 172, 210, 32});
    BitBtn9->setIcon(QIcon(u":/buttons/print.png"_s));
    BitBtn7 = button(p, u"BitBtn7"_s, u"ذخیره فرم چک"_s, {10, 210, 210, 32});

    connect(edt_Length, &SpinEdit::changed, this, &Tfrm_ChequeDesign::edt_LengthChange);
    connect(edt_Width, &SpinEdit::changed, this, &Tfrm_ChequeDesign::edt_LengthChange);
    connect(cmb_page, &QComboBox::currentIndexChanged, this, &Tfrm_ChequeDesign::cmb_pageChange);
    for (QCheckBox *box : {chk_Date, chk_DigitDate, chk_AlphaDate})
        connect(box, &QCheckBox::toggled, this, &Tfrm_ChequeDesign::chk_DateClick);
    for (QCheckBox *box : {chk_Amount, chk_DigitAmount, chk_AlphaAmount, chk_AlphaAmountToman})
        connect(box, &QCheckBox::toggled, this, &Tfrm_ChequeDesign::chk_AmountClick);
    connect(chk_Payment, &QCheckBox::toggled, this, &Tfrm_ChequeDesign::chk_PaymentClick);
    connect(BitBtn1, &QPushButton::clicked, this, &Tfrm_ChequeDesign::BitBtn1Click);
    connect(BitBtn7, &QPushButton::clicked, this, &Tfrm_ChequeDesign::SaveCheque);
    connect(BitBtn9, &QPushButton::clicked, this, &Tfrm_ChequeDesign::BitBtn9Click);
    connect(edt_Date, &MaskedEdit::keyDown, this, [this](int key) {
        LineEditBox edit(edt_Date);
        HandleDateKey(edit, key);
    });
    connect(edt_Money, &MaskedEdit::keyDown, this, [this](int key) {
        LineEditBox edit(edt_Money);
        HandleAmountKey(edit, key, u',');
    });
    connect(edt_Date, &QLineEdit::textChanged, this, &Tfrm_ChequeDesign::edt_DateChange);
    connect(edt_Money, &QLineEdit::textChanged, this, &Tfrm_ChequeDesign::edt_MoneyChange);
    connect(edt_payment, &QLineEdit::textChanged, this, &Tfrm_ChequeDesign::edt_paymentChange);

    // Anything the user changes here is saved, and so asked about on closing.
    for (QLineEdit *edit : {static_cast<QLineEdit *>(edt_Date), static_cast<QLineEdit *>(edt_Money), edt_payment})
        connect(edit, &QLineEdit::textChanged, this, &Tfrm_ChequeDesign::changed);
    for (QCheckBox *box : {chk_Date, chk_DigitDate, chk_AlphaDate, chk_Amount, chk_DigitAmount, chk_AlphaAmount,
                           chk_AlphaAmountToman, chk_Payment})
        connect(box, &QCheckBox::toggled, this, &Tfrm_ChequeDesign::changed);
    connect(edt_Length, &SpinEdit::changed, this, &Tfrm_ChequeDesign::changed);
    connect(edt_Width, &SpinEdit::changed, this, &Tfrm_ChequeDesign::changed);
    connect(cmb_page, &QComboBox::currentIndexChanged, this, &Tfrm_ChequeDesign::changed);
}

void Tfrm_ChequeDesign::buildSurface()
{
    scb = new PageScroller(this);
    scb->setObjectName(u"scb"_s);
    scb->setGeometry(0, 273, 839, 329);
    scb->installEventFilter(this);
    DQR = scb->page();
    DQR->setObjectName(u"DQR"_s);
    DQR->setPageValue(ReportPage::Width, 120);
    DQR->setPageValue(ReportPage::Length, 60);
    Father = AddPageBlank(DQR, u"Father"_s);
    Img_Cheque = new PictureBox(DQR);
    Img_Cheque->setObjectName(u"Img_Cheque"_s);
    Img_Cheque->setGeometry(0, 0, DQR->width(), DQR->height());
    Img_Cheque->installEventFilter(this);

    const ItemLabels labels = CreateItemLabels(DQR);
    lbl_DigitDate = labels.DigitDate;
    lbl_AlphaDate = labels.AlphaDate;
    lbl_DigitAmount = labels.DigitAmount;
    lbl_AlphaAmount = labels.AlphaAmount;
    lbl_Payment = labels.Payment;
    lbl_AlphaAmountToman = labels.AlphaAmountToman;
    for (ReportLabel *l : {lbl_DigitDate, lbl_AlphaDate, lbl_DigitAmount, lbl_AlphaAmount, lbl_Payment, lbl_AlphaAmountToman})
        l->installEventFilter(this);
    m_items = {{
        {lbl_DigitDate, chk_DigitDate, kWindowText},
        {lbl_AlphaDate, chk_AlphaDate, kWindowText},
        {lbl_DigitAmount, chk_DigitAmount, kWindowText},
        {lbl_AlphaAmount, chk_AlphaAmount, kWindowText},
        {lbl_AlphaAmountToman, chk_AlphaAmountToman, kWindowText},
        {lbl_Payment, chk_Payment, kWindowText},
    }};
    const std::pair<QPushButton *, ReportLabel *> fonts[] = {
        {BitBtn2, lbl_DigitDate}, {BitBtn4, lbl_AlphaDate}, {BitBtn3, lbl_DigitAmount},
        {BitBtn5, lbl_AlphaAmount}, {BitBtn8, lbl_AlphaAmountToman}, {BitBtn6, lbl_Payment},
    };
    for (const auto &[b, l] : fonts)
        connect(b, &QPushButton::clicked, this, [this, l = l] { fontButtonClick(l); });
    for (int i = 0; i < 6; ++i)
        connect(btn_Colors[i], &QPushButton::clicked, this, [this, i] { colorButtonClick(i); });

    // The surface takes the keyboard: Tab through the items, arrows move one.
    scb->setFocusPolicy(Qt::StrongFocus);
    selection = new ItemSelection(DQR, pnl_Settings, {10, 246, 820, 24});
    QVector<ItemSelection::Item> selectable;
    const QStringList captions = {u"تاریخ به عدد"_s, u"تاریخ به حروف"_s, u"مبلغ به عدد"_s,
                                  u"مبلغ به حروف(ریال)"_s, u"مبلغ به حروف(تومان)"_s, u"در وجه"_s};
    for (int i = 0; i < 6; ++i) {
        const bool digits = m_items[i].label == lbl_DigitDate || m_items[i].label == lbl_DigitAmount;
        selectable.append({m_items[i].label, captions[i], digits});
    }
    selection->setItems(selectable);
    connect(selection, &ItemSelection::moved, this, &Tfrm_ChequeDesign::changed);
    CenterChequePage();
}

void Tfrm_ChequeDesign::FormCreate()
{
    MouseDown = false;
    WE_Resize = false;
    NS_Resize = false;
    NESW_Resize = false;
    ChequeTitle.clear();
    ImagePath.clear();
}

int Tfrm_ChequeDesign::itemIndex(const QString &itemName) const
{
    return int(ItemNames().indexOf(itemName));
}

ReportLabel *Tfrm_ChequeDesign::itemLabel(const QString &itemName) const
{
    const int i = itemIndex(itemName);
    return i < 0 ? nullptr : m_items[i].label;
}

QCheckBox *Tfrm_ChequeDesign::itemCheckBox(const QString &itemName) const
{
    const int i = itemIndex(itemName);
    return i < 0 ? nullptr : m_items[i].check;
}

// --- the design surface ----------------------------------------------------

void Tfrm_ChequeDesign::edt_LengthChange()
{
    DQR->setPageValue(ReportPage::Width, edt_Width->currentValue());
    DQR->setPageValue(ReportPage::Length, edt_Length->currentValue());
    Img_Cheque->setGeometry(0, 0, DQR->width(), DQR->height());
    CenterChequePage();
}

void Tfrm_ChequeDesign::cmb_pageChange()
{
    const bool lying = cmb_page->currentIndex() == 0;
    img0->setVisible(lying);
    img1->setVisible(!lying);
}

void Tfrm_ChequeDesign::CenterChequePage()
{
    scb->centerPage();
}

void Tfrm_ChequeDesign::scbResize()
{
    CenterChequePage();
}

// --- switches, fonts, picture ----------------------------------------------

void Tfrm_ChequeDesign::chk_DateClick()
{
    chk_DigitDate->setEnabled(chk_Date->isChecked());
    chk_AlphaDate->setEnabled(chk_Date->isChecked());
    lbl_DigitDate->setVisible(chk_DigitDate->isEnabled() && chk_DigitDate->isChecked());
    lbl_AlphaDate->setVisible(chk_AlphaDate->isEnabled() && chk_AlphaDate->isChecked());
}

void Tfrm_ChequeDesign::chk_AmountClick()
{
    for (QCheckBox *box : {chk_DigitAmount, chk_AlphaAmount, chk_AlphaAmountToman})
        box->setEnabled(chk_Amount->isChecked());
    lbl_DigitAmount->setVisible(chk_DigitAmount->isEnabled() && chk_DigitAmount->isChecked());
    lbl_AlphaAmount->setVisible(chk_AlphaAmount->isEnabled() && chk_AlphaAmount->isChecked());
    lbl_AlphaAmountToman->setVisible(chk_AlphaAmountToman->isEnabled() && chk_AlphaAmountToman->isChecked());
}

void Tfrm_ChequeDesign::chk_PaymentClick()
{
    lbl_Payment->setVisible(chk_Payment->isChecked());
}

void Tfrm_ChequeDesign::fontButtonClick(ReportLabel *label)
{
    QFontDialog dialog(label->labelFont(), this);
    // A family that is not installed shows as another: what the dialog
    // shows at first is what OK without a change gives back, and that must
    // not replace the stored font.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    const bool same = chosen.family() == shown.family() && chosen.pointSize() == shown.pointSize()
        && chosen.bold() == shown.bold() && chosen.italic() == shown.italic()
        && chosen.underline() == shown.underline() && chosen.strikeOut() == shown.strikeOut();
    if (same)
        return;
    label->setLabelFont(chosen);
    changed();
}

void Tfrm_ChequeDesign::colorButtonClick(int index)
{
    ReportLabel *label = m_items[index].label;
    const QColor chosen = QColorDialog::getColor(label->color(), this, u"رنگ قلم"_s);
    if (!chosen.isValid() || chosen == label->color())
        return;
    label->setColor(chosen);
    changed();
}

void Tfrm_ChequeDesign::changed()
{
    m_dirty = true;
    for (int i = 0; i < 6; ++i) {
        QPixmap face(16, 16);
        face.fill(m_items[i].label->color());
        btn_Colors[i]->setIcon(QIcon(face));
    }
    markOffThePage();
}

QStringList Tfrm_ChequeDesign::itemsOffThePage() const
{
    QStringList names;
    const QStringList captions = {u"تاریخ به عدد"_s, u"تاریخ به حروف"_s, u"مبلغ به عدد"_s,
                                  u"مبلغ به حروف(ریال)"_s, u"مبلغ به حروف(تومان)"_s, u"در وجه"_s};
    for (int i = 0; i < 6; ++i) {
        const ReportLabel *label = m_items[i].label;
        if (!label->isHidden() && !DQR->rect().contains(label->geometry()))
            names << captions[i];
    }
    return names;
}

void Tfrm_ChequeDesign::markOffThePage()
{
    for (const Item &item : m_items) {
        const bool off = !DQR->rect().contains(item.label->geometry());
        item.label->setBackground(off ? QColor(255, 0, 0, 70) : QColor());
        item.label->setToolTip(off ? u"این قلم بیرون از چک است"_s : QString());
    }
}

bool Tfrm_ChequeDesign::warnOffThePage()
{
    const QStringList off = itemsOffThePage();
    if (off.isEmpty())
        return false;
    ShowDlg(3, u"هشدار"_s,
            u"این قلم ها بیرون از چک هستند و روی کاغذ چاپ نمی شوند یا بریده می شوند: "_s + off.join(u"، "_s));
    return true;
}

void Tfrm_ChequeDesign::BitBtn1Click()
{
    QString path;
    int width = 0;
    int height = 0;
    // Cancelled: sizes, picture and path all stay as they were.
    if (!AskChequeImage(path, width, height))
        return;
    edt_Length->setCurrentValue(height);
    edt_Width->setCurrentValue(width);
    LoadChequePicture(path);
    ImagePath = path;
    changed();
}

// --- sample values ---------------------------------------------------------

QString DigitAmountCaption(const QString &groupedAmount)
{
    return u"×"_s + groupedAmount + u"/"_s + u"ــــ"_s;
}

void Tfrm_ChequeDesign::edt_DateChange()
{
    const QString text = edt_Date->text();
    lbl_DigitDate->setText(text);
    if (IsValidDateText(text))
        lbl_AlphaDate->setText(DateToWords(text));
}

void Tfrm_ChequeDesign::edt_MoneyChange()
{
    const QString text = edt_Money->text();
    lbl_DigitAmount->setText(DigitAmountCaption(text));
    if (!text.isEmpty()) {
        lbl_AlphaAmount->setText(AmountToRialWords(text));
        lbl_AlphaAmountToman->setText(AmountToTomanWords(text));
    }
}

void Tfrm_ChequeDesign::edt_paymentChange()
{
    lbl_Payment->setText(edt_payment->text());
}

void Tfrm_ChequeDesign::BitBtn9Click()
{
    // A test page, not a cheque: not registered, and nothing is asked.
    warnOffThePage();
    if (!PrintDesignedPage(*this, *frm_PrintCheque)) {
        ShowDlg(0, u"خطا"_s, PrinterChoice::NothingPrintedMessage(frm_PrintCheque->lastDestination()));
    }
}

// --- the mouse -------------------------------------------------------------

bool Tfrm_ChequeDesign::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scb && event->type() == QEvent::Resize) {
        scbResize();
        return false;
    }
    if (watched == scb && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const int step = key->modifiers() & Qt::ShiftModifier ? 10 : 1;
        switch (key->key()) {
        case Qt::Key_Tab:
            selection->selectNext(false);
            return true;
        case Qt::Key_Backtab:
            selection->selectNext(true);
            return true;
        case Qt::Key_Left:
            selection->nudge(-step, 0);
            return true;
        case Qt::Key_Right:
            selection->nudge(step, 0);
            return true;
        case Qt::Key_Up:
            selection->nudge(0, -step);
            return true;
        case Qt::Key_Down:
            selection->nudge(0, step);
            return true;
        default:
            break;
        }
    }
    if (qobject_cast<ReportLabel *>(watched)
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Hide
            || event->type() == QEvent::Show)) {
        if (watched == selection->selectedLabel())
            selection->follow();
        markOffThePage();
        return false;
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool move = event->type() == QEvent::MouseMove;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!press && !move && !release)
        return QDialog::eventFilter(watched, event);
    const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();

    if (watched == Img_Cheque) {
        // The picture covers the page; a press on it moves nothing.
        if (press) {
            CX = at.x();
            CY = at.y();
            selection->select(-1);
            scb->setFocus();
        } else if (release) {
            MouseDown = false;
        }
        return true;
    }
    if (auto *l = qobject_cast<ReportLabel *>(watched)) {
        if (press) { // FatherMouseDown
            MouseDown = true;
            CX = at.x();
            CY = at.y();
            for (int i = 0; i < 6; ++i) {
                if (m_items[i].label == l)
                    selection->select(i);
            }
            scb->setFocus();
        } else if (move) { // lbl_DigitDateMouseMove: the press point stays under the pointer
            if (MouseDown && (at.x() != CX || at.y() != CY)) {
                l->move(l->x() + at.x() - CX, l->y() + at.y() - CY);
                m_dragged = true;
            }
        } else { // FatherMouseUp
            MouseDown = false;
            if (m_dragged)
                changed();
            m_dragged = false;
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- storage ---------------------------------------------------------------

int LoadItemIntoLabel(ReportLabel *label, const Query &q)
{
    const BidiMode bidi = DecodeBidiMode(int(q.asInteger(u"ItemBidiMode"_s)));
    label->setBidiMode(bidi);
    label->setTextAlignment(DecodeAlignment(int(q.asInteger(u"ItemAlignment"_s))));
    label->setText(q.asString(u"ItemCaption"_s));
    // A stored place far beyond any page (a bad row) is shown at the edge
    // of the possible; an item left untouched is saved back as stored.
    static constexpr qint64 kFar = 1000000;
    const auto place = [](qint64 v) { return int(std::clamp(v, -kFar, kFar)); };
    label->move(place(q.asInteger(u"ItemLeft"_s)), place(q.asInteger(u"ItemTop"_s)));
    QFont font(q.asString(u"ItemFontName"_s));
    ApplyFontStyle(font, int(q.asInteger(u"ItemFontStyle"_s)));
    if (const int size = int(q.asInteger(u"ItemFontSize"_s)); size > 0)
        font.setPointSize(size);
    label->setLabelFont(font);
    const int colorCode = int(q.asInteger(u"ItemFontColor"_s));
    label->setColor(DecodeColor(colorCode));
    // A right-to-left item ends with its right edge where it was saved.
    if (bidi == BidiMode::RightToLeft)
        label->move(place(q.asInteger(u"ItemRight"_s) - label->width()), label->y());
    return colorCode;
}

void Tfrm_ChequeDesign::LoadCheque(qint64 chequeId)
{
    for (Item &item : m_items)
        item.loaded = false;
    selection->select(-1);
    try {
        q.close();
        q.clear();
        q.add(LoadChequeStatement(chequeId));
        q.open();
        const bool found = !q.isEmpty();
        const auto integer = [&](const QString &field) { return found ? int(q.asInteger(field)) : 0; };
        ChequeTitle = found ? q.asString(u"Title"_s) : QString();
        ImagePath = found ? q.asString(u"ImagePath"_s) : QString();
        const int height = integer(u"ImageHeight"_s);
        const int width = integer(u"ImageWidth"_s);
        const int orientation = integer(u"Orientation"_s);
        edt_Length->setCurrentValue(height);
        edt_LengthChange();
        edt_Width->setCurrentValue(width);
        edt_LengthChange();
        cmb_page->setCurrentIndex(orientation >= 0 && orientation < cmb_page->count() ? orientation : -1);
        cmb_pageChange();
        LoadChequePicture(ImagePath);

        q.close();
        q.clear();
        q.add(LoadChequeItemsStatement(chequeId));
        q.open();
        for (q.first(); !q.eof(); q.next()) {
            const int i = itemIndex(q.asString(u"ItemName"_s));
            if (i < 0)
                continue;
            Item &item = m_items[i];
            item.check->setChecked(q.asInteger(u"ItemVisibility"_s) == 1);
            item.colorCode = LoadItemIntoLabel(item.label, q);
            item.loaded = true;
            item.stored.left = int(q.asInteger(u"ItemLeft"_s));
            item.stored.right = int(q.asInteger(u"ItemRight"_s));
            item.stored.top = int(q.asInteger(u"ItemTop"_s));
            item.stored.fontName = q.asString(u"ItemFontName"_s);
            item.stored.fontSize = int(q.asInteger(u"ItemFontSize"_s));
            item.stored.fontStyle = int(q.asInteger(u"ItemFontStyle"_s));
        }
    } catch (const AppError &) {
        // What was set stays; the load ends here without a word.
    }
    for (Item &item : m_items)
        rememberAsLoaded(item);
    changed();
    m_dirty = false; // what was loaded is no change
}

void Tfrm_ChequeDesign::rememberAsLoaded(Item &item)
{
    const ReportLabel *l = item.label;
    item.loadedFont = l->labelFont();
    item.loadedEdge = QPoint(l->keepsRightEdge() ? l->x() + l->width() : l->x(), l->y());
}

ItemChanges Tfrm_ChequeDesign::changesOf(const Item &item) const
{
    const ReportLabel *l = item.label;
    ItemChanges changes;
    changes.font = l->labelFont() != item.loadedFont;
    changes.place = QPoint(l->keepsRightEdge() ? l->x() + l->width() : l->x(), l->y()) != item.loadedEdge;
    return changes;
}

bool Tfrm_ChequeDesign::LoadChequePicture(const QString &path)
{
    // The millimetre numbers as pixel counts, as the blank stands in.
    const bool loaded = Img_Cheque->loadOrBlank(path, {edt_Width->currentValue(), edt_Length->currentValue()});
    Img_Cheque->move(0, 0);
    return loaded;
}

TemplateItem Tfrm_ChequeDesign::itemAsSaved(const QString &itemName, qint64 chequeId) const
{
    const Item &item = m_items[itemIndex(itemName)];
    const ReportLabel *l = item.label;
    TemplateItem row;
    row.chequeId = chequeId;
    row.name = itemName;
    row.left = l->x();
    row.right = l->x() + l->width();
    row.top = l->y();
    row.visibility = item.check->isEnabled() && item.check->isChecked() ? 1 : 0;
    row.alignment = int(l->textAlignment());
    row.bidiMode = int(l->bidiMode());
    row.fontName = l->labelFont().family();
    row.fontStyle = EncodeFontStyle(l->labelFont());
    row.fontSize = FontPoints(l->labelFont(), DQR->ppi());
    row.fontColor = l->color() == DecodeColor(item.colorCode) ? item.colorCode : EncodeColor(l->color());
    row.caption = l->text();
    return item.loaded ? KeepUnchanged(row, item.stored, changesOf(item)) : row;
}

void Tfrm_ChequeDesign::InsertChequeItem(const TemplateItem &item)
{
    q.close();
    q.clear();
    q.setText(InsertChequeItemStatement(q.connection().dialect(), item));
    q.execSQL();
}

void Tfrm_ChequeDesign::SaveCheque()
{
    warnOffThePage(); // stored all the same
    TChequeTitle answer;
    AskChequeTitle(ChequeTitle, answer);
    if (!answer.Selected)
        return;

    Connection &con = q.connection();
    const Dialect dialect = con.dialect();
    const int width = edt_Width->currentValue();
    const int height = edt_Length->currentValue();
    const int orientation = cmb_page->currentIndex();
    // All of a save or nothing: a failure half way would leave a template
    // with fewer items, or a header without them.
    bool titleTaken = false;
    try {
        con.beginWriteTrans();
        if (answer.ID == 0) {
            // The title was free when it was asked for; another user may
            // have saved it since. Looked up again under the write lock.
            q.close();
            q.clear();
            q.add(ChequeByTitleStatement(dialect, answer.Title));
            q.open();
            titleTaken = !q.isEmpty();
            if (titleTaken)
                throw AppError(u"الگویی با عنوان «%1» همین حالا از جای دیگری ذخیره شد؛ چیزی از آن بازنویسی "
                               u"نشد. فرم را با عنوان دیگری ذخیره کنید."_s.arg(answer.Title));
            q.close();
            q.clear();
            q.add(MaxShowOrderStatement());
            q.open();
            const QVariant highest = q.isEmpty() ? QVariant() : q.valueAt(0, 0);
            const int showOrder = highest.toString().isEmpty() ? 1 : highest.toInt() + 1;
            q.close();
            q.clear();
            q.setText(InsertChequeStatement(dialect, answer.Title, ImagePath, width, height, orientation, showOrder));
            q.execSQL();
            q.close();
            q.clear();
            q.add(ChequeByTitleStatement(dialect, answer.Title));
            q.open();
            answer.ID = q.asInteger(u"ChID"_s);
        }
        q.close();
        q.clear();
        q.setText(UpdateChequeStatement(dialect, ImagePath, width, height, orientation, answer.ID));
        q.execSQL();
        q.close();
        q.clear();
        q.add(DeleteChequeItemsStatement(answer.ID));
        q.execSQL();
        for (const QString &name : ItemNames())
            InsertChequeItem(itemAsSaved(name, answer.ID));
        con.commitTrans();
    } catch (const AppError &e) {
        q.close();
        try {
            con.rollbackTrans();
        } catch (const AppError &) {
        }
        ShowDlg(0, u"خطا"_s, titleTaken ? e.message()
                                         : u"فرم چک «%1» ذخیره نشد؛ الگوی ذخیره شده همان است که بود.\n"_s.arg(answer.Title)
                                             + e.message());
        return;
    }

    ChequeTitle = answer.Title;
    // What is saved is what was loaded now.
    for (const QString &name : ItemNames()) {
        Item &item = m_items[itemIndex(name)];
        item.stored = itemAsSaved(name, answer.ID);
        item.loaded = true;
        rememberAsLoaded(item);
    }
    m_dirty = false;
    ShowDlg(1, u"اطلاعات"_s, u"ثبت انجام شد"_s);
    if (frm_DesignedChequeList)
        frm_DesignedChequeList->RefreshTemplates();
    close();
}

// --- closing and resizing --------------------------------------------------

bool Tfrm_ChequeDesign::mayClose()
{
    if (!m_dirty || !isVisible())
        return true;
    QMessageBox ask(QMessageBox::Question, u"سؤال"_s, u"تغییرات این فرم چک ذخیره نشده است. چه کنم؟"_s,
                    QMessageBox::NoButton, this);
    ask.setObjectName(u"UnsavedChanges"_s);
    ask.setLayoutDirection(Qt::RightToLeft);
    QPushButton *save = ask.addButton(u"ذخیره"_s, QMessageBox::AcceptRole);
    QPushButton *discard = ask.addButton(u"بستن بدون ذخیره"_s, QMessageBox::DestructiveRole);
    QPushButton *back = ask.addButton(u"بازگشت به طراحی"_s, QMessageBox::RejectRole);
    ask.setDefaultButton(back);
    ask.setEscapeButton(back);
    ask.exec();
    if (ask.clickedButton() == discard) {
        m_dirty = false;
        return true;
    }
    if (ask.clickedButton() == save) {
        SaveCheque();
        return !m_dirty; // saved: close; cancelled or failed: stay
    }
    return false;
}

void Tfrm_ChequeDesign::closeEvent(QCloseEvent *event)
{
    if (mayClose())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void Tfrm_ChequeDesign::reject()
{
    if (mayClose())
        QDialog::reject();
}

void Tfrm_ChequeDesign::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // The settings keep their place; the surface fills the rest.
    pnl_Settings->setGeometry(std::max(0, width() - 839), 0, 839, 273);
    scb->setGeometry(0, 273, width(), std::max(0, height() - 273));
    CenterChequePage();
}
