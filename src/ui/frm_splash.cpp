#include "ui/frm_splash.h"

#include "ui/formstyle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

Tfrm_Splash::Tfrm_Splash(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    SetUpForm(this, u"frm_Splash"_s);
    setFixedSize(500, 375);
    setWindowOpacity(0.0);
    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(0, 0, 500, 375);
    Image1->setPixmap(QPixmap(u":/splash/splash.jpg"_s));
    Image1->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(10);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire early
    Timer2 = new QTimer(this);
    Timer2->setObjectName(u"Timer2"_s);
    Timer2->setInterval(2000);
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Tfrm_Splash::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &Tfrm_Splash::Timer2Timer);
}

void Tfrm_Splash::ShowSplash()
{
    if (m_shown)
        return;
    m_shown = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

void Tfrm_Splash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The fade begins with the window, not with any earlier event loop.
    if (m_alpha == 0 && !Timer2->isActive())
        Timer1->start();
}

void Tfrm_Splash::Timer1Timer()
{
    m_alpha = quint8(m_alpha + 5);
    setWindowOpacity(m_alpha / 255.0);
    if (m_alpha == 255) {
        Timer1->stop();
        Timer2->start();
    }
}

void Tfrm_Splash::Timer2Timer()
{
    Timer2->stop();
    close();
}

void Tfrm_Splash::FormKeyPress()
{
    Timer1->stop();
    Timer2->stop();
    close();
}

void Tfrm_Splash::Image1Click()
{
    Timer1->stop();
    Timer2->stop();
    close();
}

void Tfrm_Splash::keyPressEvent(QKeyEvent *event)
{
    // Keys that type something (letters, digits, Space, Enter, Escape...)
    // close it; arrows, function keys and modifiers alone do not.
    if (!event->text().isEmpty())
        FormKeyPress();
    else
        event->ignore();
}

bool Tfrm_Splash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        Image1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
