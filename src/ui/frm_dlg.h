#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The program's own message dialog: a picture on the right, the message to
// its left, one or two buttons below. Moved by dragging its background or
// its picture.
class Tfrm_Dlg : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Dlg(QWidget *parent = nullptr);

    QLabel *img_logo;
    QLabel *Image_info;
    QLabel *Image_error;
    QLabel *Image_alert;
    QLabel *Image_question;
    QPlainTextEdit *mem_message;
    QPushButton *btn_ok;
    QPushButton *btn_cansel;

    // Configures the dialog for one message; ShowDlg shows it. With
    // `cancelFirst` the focus and Enter go to the cancel button.
    void prepare(int kind, const QString &caption, const QString &message, bool cancelFirst = false);
    bool dragging() const { return m_dragging; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void FormActivate();
    void FormMouseDown(const QPointF &globalPos);
    void FormMouseMove(const QPointF &globalPos);
    void FormMouseUp();

    int xcc = 0;
    int ycc = 0;
    bool m_dragging = false;
    bool m_cancelFirst = false;
};

// The message dialog, created on first use when start-up has not created it
// yet. Answers "ok" when the user pressed the OK button, "cancel" otherwise.
// Kinds: 0 error, 1 information, 2 question, 3 alert, 4 yes-or-no question.
// A question whose safe answer is no (print a cheque again?) opens with the
// focus on " خير", so that Enter answers "cancel".
enum class DefaultAnswer { Ok, No };
QString ShowDlg(int kind, const QString &caption, const QString &message,
                DefaultAnswer answer = DefaultAnswer::Ok);
