#include "ui/frm_dlg.h"

#include "app/forms.h"
#include "browse/frm_main.h"
#include "ui/bevel.h"
#include "ui/formstyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel *picture(QWidget *parent, const QString &name, const QString &resource, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setPixmap(QPixmap(resource));
    return label;
}

} // namespace

Tfrm_Dlg::Tfrm_Dlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    SetUpForm(this, u"frm_Dlg"_s);
    setFixedSize(381, 166);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(226, 242, 254));
    setPalette(background);

    img_logo = picture(this, u"img_logo"_s, u":/dialog/info.png"_s, {280, 16, 89, 89});
    Image_info = picture(this, u"Image_info"_s, u":/dialog/info.png"_s, {282, 17, 89, 89});
    Image_error = picture(this, u"Image_error"_s, u":/dialog/error.png"_s, {282, 17, 89, 89});
    Image_alert = picture(this, u"Image_alert"_s, u":/dialog/alert.png"_s, {282, 17, 89, 89});
    Image_question = picture(this, u"Image_question"_s, u":/dialog/question.png"_s, {282, 17, 89, 89});
    for (QLabel *store : {Image_info, Image_error, Image_alert, Image_question})
        store->hide();
    for (QLabel *image : {img_logo, Image_info, Image_error, Image_alert, Image_question})
        image->installEventFilter(this);

    mem_message = new QPlainTextEdit(this);
    mem_message->setObjectName(u"mem_message"_s);
    mem_message->setGeometry(16, 16, 249, 89);
    mem_message->setReadOnly(true);
    mem_message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mem_message->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mem_message->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mem_message->setFont(PixelFont(u"B Mitra"_s, 19));

    btn_ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), u" تائيد"_s, this);
    btn_ok->setObjectName(u"btn_ok"_s);
    btn_ok->setGeometry(96, 112, 89, 41);
    btn_ok->setFont(PixelFont(u"Tahoma"_s, 16, true));
    btn_ok->setDefault(true);
    btn_ok->setAutoDefault(true);
    connect(btn_ok, &QPushButton::clicked, this, [this] { done(1); });

    btn_cansel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), u" خير"_s, this);
    btn_cansel->setObjectName(u"btn_cansel"_s);
    btn_cansel->setGeometry(192, 112, 89, 41);
    btn_cansel->setFont(btn_ok->font());
    connect(btn_cansel, &QPushButton::clicked, this, [this] { done(2); });

    setTabOrder(btn_ok, btn_cansel);
    setTabOrder(btn_cansel, mem_message);

    (new Bevel(Bevel::LeftLine, this))->setGeometry(2, 4, 4, 157);
    (new Bevel(Bevel::LeftLine, this))->setGeometry(377, 5, 4, 157);
    (new Bevel(Bevel::TopLine, this))->setGeometry(3, 4, 375, 3);
    (new Bevel(Bevel::TopLine, this))->setGeometry(3, 160, 375, 2);
}

void Tfrm_Dlg::prepare(int kind, const QString &caption, const QString &message, bool cancelFirst)
{
    mem_message->setPlainText(message);
    setWindowTitle(caption);
    const bool twoButtons = kind == 2 || kind == 4;
    if (twoButtons) {
        btn_ok->setText(u" بله"_s);
        btn_ok->move(96, btn_ok->y());
    } else {
        btn_ok->setText(u" تائيد"_s);
        btn_ok->move(width() / 2 - btn_ok->width() / 2, btn_ok->y());
    }
    btn_cansel->setVisible(twoButtons);
    m_cancelFirst = twoButtons && cancelFirst;
    btn_ok->setDefault(!m_cancelFirst);
    btn_cansel->setDefault(m_cancelFirst);
    QLabel *store = kind == 0 ? Image_error : kind == 1 ? Image_info : kind == 2 ? Image_question : Image_alert;
    img_logo->setPixmap(store->pixmap());
}

void Tfrm_Dlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
    (m_cancelFirst ? btn_cansel : btn_ok)->setFocus();
}

void Tfrm_Dlg::keyPressEvent(QKeyEvent *event)
{
    // Escape presses the cancel button, and only where there is one to see.
    if (event->key() == Qt::Key_Escape && !btn_cansel->isVisible()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tfrm_Dlg::FormShow()
{
    // Centred over the main window at every showing, wherever it was dragged.
    QWidget *main = frm_main ? static_cast<QWidget *>(frm_main) : parentWidget();
    if (main)
        CentreOver(this, main);
}

bool Tfrm_Dlg::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void Tfrm_Dlg::FormActivate()
{
    m_dragging = false;
}

void Tfrm_Dlg::FormMouseDown(const QPointF &globalPos)
{
    xcc = int(globalPos.x()) - x();
    ycc = int(globalPos.y()) - y();
    m_dragging = true;
}

void Tfrm_Dlg::FormMouseMove(const QPointF &globalPos)
{
    if (m_dragging)
        move(int(globalPos.x()) - xcc, int(globalPos.y()) - ycc);
}

void Tfrm_Dlg::FormMouseUp()
{
    m_dragging = false;
}

void Tfrm_Dlg::mousePressEvent(QMouseEvent *event)
{
    FormMouseDown(event->globalPosition());
}

void Tfrm_Dlg::mouseMoveEvent(QMouseEvent *event)
{
    FormMouseMove(event->globalPosition());
}

void Tfrm_Dlg::mouseReleaseEvent(QMouseEvent *)
{
    FormMouseUp();
}

bool Tfrm_Dlg::eventFilter(QObject *watched, QEvent *event)
{
    // The pictures drag the window like its background does.
    if (qobject_cast<QLabel *>(watched)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            FormMouseDown(static_cast<QMouseEvent *>(event)->globalPosition());
            return true;
        case QEvent::MouseMove:
            FormMouseMove(static_cast<QMouseEvent *>(event)->globalPosition());
            return true;
        case QEvent::MouseButtonRelease:
            FormMouseUp();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString ShowDlg(int kind, const QString &caption, const QString &message, DefaultAnswer answer)
{
    if (!frm_Dlg)
        frm_Dlg = new Tfrm_Dlg(frm_main);
    frm_Dlg->prepare(kind, caption, message, answer == DefaultAnswer::No);
    return frm_Dlg->exec() == 1 ? u"ok"_s : u"cancel"_s;
}
