#include "print/frm_designedchequelist.h"

#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_DesignedChequeList::Tfrm_DesignedChequeList(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    SetUpForm(this, u"frm_DesignedChequeList"_s);
    resize(907, 426);
}
