#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"
#include "ui/frm_splash.h"

#include "../common/testsupport.h"

#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

class TestSplash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void picture();
    void fadesInThenHoldsTwoSeconds();
    void characterKeysCloseAtOnce_data();
    void characterKeysCloseAtOnce();
    void clickClosesAtOnce();
    void comesBeforeTheMainWindowOnce();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestSplash::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    WriteSampleDatabase(m_folder->fallbackDatabase(), 3);
    CreateForms({m_folder->exeDir, m_folder->parentDir});
}

void TestSplash::cleanup()
{
    DestroyForms();
    m_folder.reset();
}

void TestSplash::picture()
{
    QCOMPARE(frm_Splash->size(), QSize(500, 375));
    QVERIFY(frm_Splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(frm_Splash->windowOpacity(), 0.0);
    QCOMPARE(frm_Splash->Image1->geometry(), QRect(0, 0, 500, 375));
    QCOMPARE(frm_Splash->Image1->pixmap().size(), QSize(500, 375));
    QImageReader reader(u":/splash/splash.jpg"_s);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
}

void TestSplash::fadesInThenHoldsTwoSeconds()
{
    // Every opacity the window takes, and when full opacity came.
    QList<int> seen;
    qint64 fullAt = -1;
    QElapsedTimer clock;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!frm_Splash->isVisible())
            return;
        const int alpha = frm_Splash->alpha();
        if (seen.isEmpty() || seen.last() != alpha)
            seen << alpha;
        QCOMPARE(frm_Splash->windowOpacity(), alpha / 255.0);
        if (alpha == 255 && fullAt < 0)
            fullAt = clock.elapsed();
    });
    watch.start(1);
    clock.start();
    frm_Splash->ShowSplash();
    const qint64 shown = clock.elapsed();
    watch.stop();

    QVERIFY(!frm_Splash->isVisible());
    QCOMPARE(seen.last(), 255);
    for (int i = 1; i < seen.size(); ++i) {
        QVERIFY(seen[i] > seen[i - 1]);
        QCOMPARE(seen[i] % 5, 0);
    }
    QVERIFY2(fullAt >= 500, qPrintable(QString::number(fullAt))); // 51 steps of 10 ms
    // Half a second of fading and two seconds held; the watcher may see
    // full opacity late on a busy machine, never early.
    QVERIFY2(shown >= 2500, qPrintable(QString::number(shown)));
    QVERIFY2(shown - fullAt >= 1800, qPrintable(QString::number(shown - fullAt)));
    QVERIFY(!frm_Splash->Timer1->isActive());
    QVERIFY(!frm_Splash->Timer2->isActive());
}

void TestSplash::characterKeysCloseAtOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << u"\x1b"_s << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << u"\r"_s << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << u" "_s << true;
    QTest::newRow("a letter") << int(Qt::Key_A) << u"a"_s << true;
    QTest::newRow("a digit") << int(Qt::Key_5) << u"5"_s << true;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << QString() << false;
    QTest::newRow("down arrow") << int(Qt::Key_Down) << QString() << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << QString() << false;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << QString() << false;
}

void TestSplash::characterKeysCloseAtOnce()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(bool, closes);
    int alphaAtKey = -1;
    bool stillOpen = false;
    QTimer::singleShot(30, [&] {
        alphaAtKey = frm_Splash->alpha();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(frm_Splash, &press);
        QApplication::processEvents();
        stillOpen = frm_Splash->isVisible();
        if (stillOpen) // end the test without the two seconds
            QTest::keyClick(frm_Splash, Qt::Key_Escape);
    });
    QElapsedTimer clock;
    clock.start();
    frm_Splash->ShowSplash();
    QVERIFY(alphaAtKey >= 0 && alphaAtKey < 255); // still almost transparent
    QCOMPARE(stillOpen, !closes);
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(!frm_Splash->Timer1->isActive());
}

void TestSplash::clickClosesAtOnce()
{
    QTimer::singleShot(50, [] { QTest::mouseClick(frm_Splash->Image1, Qt::LeftButton); });
    QElapsedTimer clock;
    clock.start();
    frm_Splash->ShowSplash();
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(frm_Splash->alpha() < 255);
}

void TestSplash::comesBeforeTheMainWindowOnce()
{
    frm_main->setSplashOnFirstShow(true);
    bool mainVisible = true;
    const auto splashSeen = onNextModal([&mainVisible](QWidget *) {
        mainVisible = frm_main->isVisible();
        QTest::keyClick(frm_Splash, Qt::Key_Space);
    }, u"frm_Splash"_s);
    frm_main->show();
    QVERIFY(*splashSeen);
    QVERIFY(!mainVisible);
    QVERIFY(frm_main->isVisible());
    QVERIFY(frm_Splash->hasBeenShown());

    // Never again in the same run.
    frm_main->hide();
    QElapsedTimer clock;
    clock.start();
    frm_main->show();
    QVERIFY(!frm_Splash->isVisible());
    QVERIFY(clock.elapsed() < 500);
}

int main(int argc, char *argv[])
{
    // Without a screen there is no opacity to set; the splash keeps its own.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.contains(u"does not support setting window opacity"_s))
            qt_message_output(type, context, message);
    });
    ChequeApplication app(argc, argv);
    TestSplash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_splash.moc"
