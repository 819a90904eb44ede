#include "templates/frm_chequedesign.h"

#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeDesign::Tfrm_ChequeDesign(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    SetUpForm(this, u"frm_ChequeDesign"_s);
    resize(839, 602);
}
