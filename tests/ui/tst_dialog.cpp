#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"
#include "ui/frm_dlg.h"

#include "../common/testsupport.h"

#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QTemporaryDir>
#include "ui/filechooser.h"
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kOk = u" تائيد"_s;
const QString kYes = u" بله"_s;
const QString kNo = u" خير"_s;

QImage imageOf(const QLabel *label)
{
    return label->pixmap().toImage();
}

} // namespace

class TestDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileChooserDetailsReadLeftToRight();
    void tahomaAndQtsOwnTextsInPersian();
    void initTestCase();
    void cleanupTestCase();

    void createdOnFirstUse();
    void kinds_data();
    void kinds();
    void answers_data();
    void answers();
    void centredOverTheMainWindowEveryTime();
    void dragsByBackgroundAndPictureOnly();
    void longMessageScrollsInsideTheBox();

private:
    ProgramFolder m_folder;
};

void TestDialog::initTestCase()
{
    SetErrorReporter([](const QString &) {});
    // Only the main window: the dialog must make itself on first use.
    frm_main = new Tfrm_main({m_folder.exeDir, m_folder.parentDir});
    frm_main->move(200, 150);
    frm_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_main));
}

void TestDialog::cleanupTestCase()
{
    DestroyForms();
}

void TestDialog::createdOnFirstUse()
{
    QVERIFY(!frm_Dlg);
    auto seen = onNextModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Return); });
    QCOMPARE(ShowDlg(1, u"اطلاعات"_s, u"x"_s), u"ok"_s);
    QVERIFY(*seen);
    QVERIFY(frm_Dlg);
    QCOMPARE(frm_Dlg->parentWidget(), frm_main);
    QCOMPARE(frm_Dlg->size(), QSize(381, 166));
    QCOMPARE(frm_Dlg->layoutDirection(), Qt::RightToLeft);
    QVERIFY(frm_Dlg->isHidden());
}

void TestDialog::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("okCaption");
    QTest::addColumn<int>("okLeft");
    QTest::addColumn<bool>("cancelShown");
    QTest::addColumn<QString>("picture");
    // One button: centred, (381 div 2) - (89 div 2) = 146.
    QTest::newRow("error") << 0 << kOk << 146 << false << u"Image_error"_s;
    QTest::newRow("information") << 1 << kOk << 146 << false << u"Image_info"_s;
    QTest::newRow("question") << 2 << kYes << 96 << true << u"Image_question"_s;
    QTest::newRow("alert") << 3 << kOk << 146 << false << u"Image_alert"_s;
    QTest::newRow("yes or no") << 4 << kYes << 96 << true << u"Image_alert"_s;
}

void TestDialog::kinds()
{
    QFETCH(int, kind);
    QFETCH(QString, okCaption);
    QFETCH(int, okLeft);
    QFETCH(bool, cancelShown);
    QFETCH(QString, picture);

    // Show a two-button kind first, so nothing of it may show through.
    {
        auto seen = onNextModal([](QWidget *modal) { modal->close(); });
        ShowDlg(4, u"a"_s, u"b"_s);
    }
    bool focusOnOk = false;
    bool cancelVisible = !cancelShown;
    auto seen = onNextModal([&](QWidget *) {
        focusOnOk = QApplication::focusWidget() == frm_Dlg->btn_ok;
        cancelVisible = frm_Dlg->btn_cansel->isVisible();
        frm_Dlg->close();
    });
    QCOMPARE(ShowDlg(kind, u"caption"_s, u"message"_s), u"cancel"_s); // the close box
    QVERIFY(*seen);
    QVERIFY(focusOnOk);
    QCOMPARE(cancelVisible, cancelShown);
    QCOMPARE(frm_Dlg->windowTitle(), u"caption"_s);
    QCOMPARE(frm_Dlg->mem_message->toPlainText(), u"message"_s);
    QCOMPARE(frm_Dlg->btn_ok->text(), okCaption);
    QCOMPARE(frm_Dlg->btn_ok->x(), okLeft);
    QCOMPARE(frm_Dlg->btn_cansel->text(), kNo);
    QCOMPARE(frm_Dlg->btn_cansel->x(), 192);
    QCOMPARE(imageOf(frm_Dlg->img_logo), imageOf(frm_Dlg->findChild<QLabel *>(picture)));
    QCOMPARE(frm_Dlg->img_logo->size(), QSize(89, 89));
}

void TestDialog::tahomaAndQtsOwnTextsInPersian()
{
    // The templates were measured in Tahoma: the program has it, here too.
    QCOMPARE(QFontInfo(QFont(u"Tahoma"_s)).family(), u"Tahoma"_s);
    QFont bold(u"Tahoma"_s);
    bold.setBold(true);
    QVERIFY(QFontInfo(bold).bold());
    // Qt's standard buttons and dialogs speak Persian.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != u"Cancel"_s);
    QVERIFY(QCoreApplication::translate("QFontDialog", "Select Font") != u"Select Font"_s);
}

void TestDialog::fileChooserDetailsReadLeftToRight()
{
    QTemporaryDir folder;
    QFile file(folder.filePath(u"چک ملت.jpg"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1234, 'x'));
    file.close();
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    MakeReadableRightToLeft(chooser);
    chooser.setDirectory(folder.path());
    QAbstractProxyModel *model = chooser.proxyModel();
    QVERIFY(model);
    const auto cell = [&](int column) -> QString {
        const auto *files = static_cast<QFileSystemModel *>(model->sourceModel());
        const QModelIndex inFolder = model->mapFromSource(files->index(folder.path()));
        return model->index(0, column, inFolder).data().toString();
    };
    QTRY_VERIFY(!cell(0).isEmpty());
    QCOMPARE(cell(0), u"چک ملت.jpg"_s); // the name as it is
    QVERIFY2(cell(1).startsWith(QChar(0x202A)) && cell(1).contains(u"KiB"_s), qPrintable(cell(1)));
}

void TestDialog::answers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes") << 4 << u"ok"_s << u"ok"_s;
    QTest::newRow("no") << 4 << u"no"_s << u"cancel"_s;
    QTest::newRow("escape") << 4 << u"escape"_s << u"cancel"_s;
    QTest::newRow("enter on a question") << 4 << u"enter"_s << u"ok"_s;
    QTest::newRow("enter on an error") << 0 << u"enter"_s << u"ok"_s;
    QTest::newRow("close box") << 0 << u"close"_s << u"cancel"_s;
    QTest::newRow("tab then enter") << 4 << u"tab enter"_s << u"cancel"_s;
    // One button: Escape does nothing; the button or Enter answers.
    QTest::newRow("escape on an error, then enter") << 0 << u"escape enter"_s << u"ok"_s;
    QTest::newRow("escape on a result, then enter") << 1 << u"escape enter"_s << u"ok"_s;
}

void TestDialog::answers()
{
    QFETCH(int, kind);
    QFETCH(QString, action);
    QFETCH(QString, answer);
    auto seen = onNextModal([action](QWidget *modal) {
        if (action == u"ok"_s)
            QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
        else if (action == u"no"_s)
            QTest::mouseClick(frm_Dlg->btn_cansel, Qt::LeftButton);
        else if (action == u"escape"_s)
            QTest::keyClick(modal, Qt::Key_Escape);
        else if (action == u"enter"_s)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (action == u"escape enter"_s) {
            QTest::keyClick(modal, Qt::Key_Escape);
            QVERIFY(modal->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else if (action == u"tab enter"_s) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        } else
            modal->close();
    });
    QCOMPARE(ShowDlg(kind, u"سؤال"_s, u"?"_s), answer);
    QVERIFY(*seen);
}

void TestDialog::centredOverTheMainWindowEveryTime()
{
    for (int round = 0; round < 2; ++round) {
        QPoint centre;
        auto seen = onNextModal([&](QWidget *modal) {
            centre = modal->frameGeometry().center();
            modal->move(modal->pos() + QPoint(120, 80)); // dragged away
            modal->close();
        });
        ShowDlg(1, u"i"_s, u"m"_s);
        QVERIFY(*seen);
        QVERIFY2((centre - frm_main->frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(u"%1,%2"_s.arg(centre.x()).arg(centre.y())));
    }
}

void TestDialog::dragsByBackgroundAndPictureOnly()
{
    frm_Dlg->prepare(0, u"e"_s, u"m"_s);
    frm_Dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_Dlg));
    const auto drag = [](QWidget *on, QPoint from, QPoint by) {
        QTest::mousePress(on, Qt::LeftButton, {}, from);
        QTest::mouseMove(on, from + by);
        QTest::mouseRelease(on, Qt::LeftButton, {}, from + by);
    };

    QPoint start = frm_Dlg->pos();
    drag(frm_Dlg, QPoint(8, 140), QPoint(30, 20)); // the background
    QCOMPARE(frm_Dlg->pos(), start + QPoint(30, 20));
    QVERIFY(!frm_Dlg->dragging());

    start = frm_Dlg->pos();
    drag(frm_Dlg->img_logo, QPoint(40, 40), QPoint(-15, 10)); // the picture
    QCOMPARE(frm_Dlg->pos(), start + QPoint(-15, 10));

    start = frm_Dlg->pos();
    drag(frm_Dlg->mem_message->viewport(), QPoint(20, 20), QPoint(40, 40)); // the text
    drag(frm_Dlg->btn_ok, QPoint(10, 10), QPoint(40, 40)); // a button
    QCOMPARE(frm_Dlg->pos(), start);
    frm_Dlg->hide();
}

void TestDialog::longMessageScrollsInsideTheBox()
{
    QString message;
    for (int i = 0; i < 40; ++i)
        message += u"ارتباط با پایگاه داده با شکست مواجه گردید "_s;
    frm_Dlg->prepare(0, u"خطا"_s, message);
    frm_Dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_Dlg));
    QCOMPARE(frm_Dlg->size(), QSize(381, 166));
    QCOMPARE(frm_Dlg->mem_message->geometry(), QRect(16, 16, 249, 89));
    QVERIFY(frm_Dlg->mem_message->verticalScrollBar()->maximum() > 0);
    QCOMPARE(frm_Dlg->mem_message->horizontalScrollBar()->maximum(), 0);
    frm_Dlg->hide();
}

int main(int argc, char *argv[])
{
    ChequeApplication app(argc, argv);
    TestDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialog.moc"
