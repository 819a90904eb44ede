#include "print/frm_printeroffset.h"

#include "print/printerchoice.h"
#include "ui/formstyle.h"
#include "ui/frm_dlg.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QDoubleSpinBox *millimetres(QWidget *parent, const QString &name)
{
    auto *edit = new QDoubleSpinBox(parent);
    edit->setObjectName(name);
    edit->setRange(-50, 50);
    edit->setDecimals(1);
    edit->setSingleStep(0.1);
    edit->setLayoutDirection(Qt::LeftToRight); // a signed number reads left to right
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

} // namespace

Tfrm_PrinterOffset::Tfrm_PrinterOffset(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    SetUpForm(this, u"frm_PrinterOffset"_s);
    setWindowTitle(u"جابجایی چاپگر"_s);

    lbl_Printer = new QLabel(this);
    lbl_Printer->setObjectName(u"lbl_Printer"_s);
    lbl_Printer->setTextFormat(Qt::PlainText);
    lbl_Printer->setWordWrap(true);
    edt_OffsetX = millimetres(this, u"edt_OffsetX"_s);
    edt_OffsetY = millimetres(this, u"edt_OffsetY"_s);
    auto *hint = new QLabel(u"اگر متن ها روی چک جلوتر از جای خود چاپ می شوند، جابجایی را به همان اندازه "
                            u"با علامت منفی وارد کنید. راست و پایین مثبت است."_s, this);
    hint->setWordWrap(true);
    btn_Calibrate = new QPushButton(u"چاپ صفحه اندازه گیری"_s, this);
    btn_Calibrate->setObjectName(u"btn_Calibrate"_s);
    btn_Ok = new QPushButton(u"تائید"_s, this);
    btn_Ok->setObjectName(u"btn_Ok"_s);
    btn_Ok->setDefault(true);
    btn_Cancel = new QPushButton(u"انصراف"_s, this);
    btn_Cancel->setObjectName(u"btn_Cancel"_s);
    connect(btn_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(u"افقی، میلی متر (به راست):"_s, edt_OffsetX);
    form->addRow(u"عمودی، میلی متر (به پایین):"_s, edt_OffsetY);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btn_Calibrate);
    buttons->addStretch();
    buttons->addWidget(btn_Ok);
    buttons->addWidget(btn_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbl_Printer);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

QPointF Tfrm_PrinterOffset::typed() const
{
    return {edt_OffsetX->value(), edt_OffsetY->value()};
}

bool Tfrm_PrinterOffset::edit(const QString &printer, const std::function<bool()> &calibrate)
{
    const QPointF before = PrinterChoice::offset(printer);
    lbl_Printer->setText(u"چاپگر: "_s + printer);
    edt_OffsetX->setValue(before.x());
    edt_OffsetY->setValue(before.y());
    const QMetaObject::Connection printing = connect(btn_Calibrate, &QPushButton::clicked, this, [&] {
        // The page shows, and is moved by, the offset as it is typed now.
        PrinterChoice::setOffset(printer, typed());
        if (!calibrate())
            ShowDlg(0, u"خطا"_s, u"صفحه اندازه گیری چاپ نشد: چاپگر «%1» آن را نپذیرفت."_s.arg(printer));
    });
    const bool kept = exec() == QDialog::Accepted;
    disconnect(printing);
    PrinterChoice::setOffset(printer, kept ? typed() : before);
    return kept;
}
