#include "templates/frm_chequeimage.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_ChequeImage::Tfrm_ChequeImage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"frm_ChequeImage"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(266, 136);
}
