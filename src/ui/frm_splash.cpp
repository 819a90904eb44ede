#include "ui/frm_splash.h"

#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_Splash::Tfrm_Splash(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    SetUpForm(this, u"frm_Splash"_s);
    setFixedSize(500, 375);
}
