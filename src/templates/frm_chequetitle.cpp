#include "templates/frm_chequetitle.h"

#include "app/forms.h"
#include "browse/frm_main.h"
#include "templates/templateitem.h"
#include "ui/formstyle.h"
#include "ui/frm_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeTitle::Tfrm_ChequeTitle(Connection &connection, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint), q(connection)
{
    SetUpForm(this, u"frm_ChequeTitle"_s);
    setFixedSize(455, 94);

    auto *frame = new QGroupBox(u"عنوان چک"_s, this);
    frame->setGeometry(8, 4, 439, 82);
    auto *label = new QLabel(u"عنوان"_s, frame);
    label->setGeometry(384, 30, 45, 21);
    edt_Title = new QLineEdit(frame);
    edt_Title->setObjectName(u"edt_Title"_s);
    edt_Title->setGeometry(180, 30, 200, 23);
    edt_Title->setMaxLength(50);
    BitBtn1 = new QPushButton(u"تائید"_s, frame);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setGeometry(94, 26, 80, 30);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(u"انصراف"_s, frame);
    BitBtn2->setObjectName(u"BitBtn2"_s);
    BitBtn2->setGeometry(8, 26, 80, 30);
    connect(BitBtn1, &QPushButton::clicked, this, &Tfrm_ChequeTitle::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_ChequeTitle::BitBtn1Click()
{
    // The title is not trimmed: a title of blanks is a title.
    if (edt_Title->text().isEmpty()) {
        ShowDlg(0, u"خطا"_s, u"عنوان مشخص نشده است"_s);
        return;
    }
    try {
        q.close();
        q.clear();
        q.add(ChequeByTitleStatement(q.connection().dialect(), edt_Title->text()));
        q.open();
        ID = q.isEmpty() ? 0 : q.asInteger(u"ChID"_s);
        accept();
    } catch (const AppError &) {
        reject(); // as cancelled: nothing is saved
    }
}

void AskChequeTitle(const QString &currentTitle, TChequeTitle &answer)
{
    answer.ID = 0;
    answer.Title = currentTitle;
    answer.Selected = false;
    // The blank template's title is never offered for a new design.
    frm_ChequeTitle->edt_Title->setText(currentTitle == u"جدید"_s ? QString() : currentTitle);
    if (frm_ChequeTitle->exec() == QDialog::Accepted) {
        answer.Title = frm_ChequeTitle->edt_Title->text();
        answer.ID = frm_ChequeTitle->foundId();
        answer.Selected = true;
    }
}

void Tfrm_ChequeTitle::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (frm_main)
        CentreOver(this, frm_main);
}
