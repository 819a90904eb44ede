#include "templates/frm_chequeimage.h"

#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeImage::Tfrm_ChequeImage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    SetUpForm(this, u"frm_ChequeImage"_s);
    setFixedSize(266, 136);
}
