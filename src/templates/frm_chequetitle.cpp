#include "templates/frm_chequetitle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeTitle::Tfrm_ChequeTitle(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(u"frm_ChequeTitle"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(455, 94);
}
