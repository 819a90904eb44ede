#include "templates/frm_chequetitle.h"

#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeTitle::Tfrm_ChequeTitle(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    SetUpForm(this, u"frm_ChequeTitle"_s);
    setFixedSize(455, 94);
}
