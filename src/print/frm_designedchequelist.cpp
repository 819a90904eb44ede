#include "print/frm_designedchequelist.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_DesignedChequeList::Tfrm_DesignedChequeList(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frm_DesignedChequeList"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    resize(907, 426);
}
