#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The picture that fades in when the program starts: its opacity rises by
// 5 of 255 every 10 ms, it holds for two seconds at full opacity and then
// closes, or closes at once on a character key or a click.
class Tfrm_Splash : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Splash(QWidget *parent = nullptr);

    QLabel *Image1;
    QTimer *Timer1; // the fade, 10 ms
    QTimer *Timer2; // the hold, 2000 ms

    // Shows the window modally, once per run; returns when it has closed.
    void ShowSplash();
    bool hasBeenShown() const { return m_shown; }
    int alpha() const { return m_alpha; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Timer1Timer();
    void Timer2Timer();
    void FormKeyPress();
    void Image1Click();

    quint8 m_alpha = 0;
    bool m_shown = false;
};
