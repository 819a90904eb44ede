#include "ui/frm_splash.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_Splash::Tfrm_Splash(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(u"frm_Splash"_s);
    setLayoutDirection(Qt::RightToLeft);
    QFont windowFont(u"Tahoma"_s);
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(500, 375);
}
