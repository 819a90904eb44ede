#include "browse/frm_main.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_main::Tfrm_main(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"frm_main"_s);
    setWindowTitle(u"چاپ چک: ویرایش 7"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(735, 430);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
}
