#include "print/frm_printcheque.h"

#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_PrintCheque::Tfrm_PrintCheque(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    SetUpForm(this, u"frm_PrintCheque"_s);
    resize(794, 561);
}
