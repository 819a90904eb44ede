#include "templates/frm_chequedesign.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeDesign::Tfrm_ChequeDesign(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frm_ChequeDesign"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    resize(839, 602);
}
