#include "print/frm_printcheque.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_PrintCheque::Tfrm_PrintCheque(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(u"frm_PrintCheque"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    resize(794, 561);
}
