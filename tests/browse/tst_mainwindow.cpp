#include "app/application.h"
#include "app/forms.h"
#include "browse/chequelistmodel.h"
#include "browse/frm_main.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "templates/frm_chequedesign.h"
#include "templates/frm_chequeimage.h"
#include "templates/frm_chequetitle.h"
#include "ui/frm_dlg.h"
#include "ui/frm_splash.h"
#include "ui/maskededit.h"
#include "wording/amounts.h"
#include "wording/conversions.h"

#include "../common/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTcpServer>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::Literals::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void connectedAndPrepared();
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void unreachableDatabaseIsSilent_data();
    void unreachableDatabaseIsSilent();
    void emptyFirstLineMeansTheFallback();
    void unreadableSettingsAreReported();
    void foreignDatabaseEndsTheProgram();
    void checkkWithoutAColumnIsReported();
    void columnLayoutRoundTrip();
    void malformedLayoutIsIgnored_data();
    void malformedLayoutIsIgnored();
    void layoutThatCannotBeWrittenBesideGoesToTheUser();
    void layoutThatCannotBeWrittenAnywhereIsReported();
    void layoutOnAFullDiskKeepsTheOldFile();
    void lockedFileAtTheStartIsSaidInPersian();
    void filterTicksEnableTheirFields();
    void errorsInHandlersAreReported();

private:
    void start();
    QStringList m_reports;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestMainWindow::init()
{
    m_reports.clear();
    SetErrorReporter([this](const QString &message) { m_reports << message; });
    m_folder = std::make_unique<ProgramFolder>();
}

void TestMainWindow::cleanup()
{
    DestroyForms();
    SetErrorReporter({});
    m_folder.reset();
}

void TestMainWindow::start()
{
    CreateForms({m_folder->exeDir, m_folder->parentDir});
}

void TestMainWindow::connectedAndPrepared()
{
    WriteSampleDatabase(m_folder->fallbackDatabase(), 40);
    start();

    QVERIFY(frm_main->Con.isOpen());
    QVERIFY(m_reports.isEmpty());
    // All eight windows, each of its class, under its instance name.
    const QList<QPair<QWidget *, QString>> windows{
        {frm_main, u"frm_main"_s}, {frm_Dlg, u"frm_Dlg"_s},
        {frm_ChequeDesign, u"frm_ChequeDesign"_s}, {frm_PrintCheque, u"frm_PrintCheque"_s},
        {frm_ChequeImage, u"frm_ChequeImage"_s}, {frm_ChequeTitle, u"frm_ChequeTitle"_s},
        {frm_DesignedChequeList, u"frm_DesignedChequeList"_s}, {frm_Splash, u"frm_Splash"_s},
    };
    for (const auto &[window, name] : windows) {
        QVERIFY2(window, qPrintable(name));
        QCOMPARE(window->objectName(), name);
        QVERIFY(window->isWindow());
    }
    QCOMPARE(frm_ChequeDesign->size(), QSize(839, 602));
    QCOMPARE(frm_DesignedChequeList->size(), QSize(907, 426));
    QCOMPARE(frm_Splash->size(), QSize(500, 375));

    // The list of all cheques, with the computed amount.
    ChequeListModel *model = frm_main->listModel();
    QCOMPARE(model->rowCount(), 40);
    QCOMPARE(frm_main->Checkk.text(), u"Select * from [Checkk]"_s);
    const QStringList titles{u"شماره چک"_s, u"بانک"_s, u"شماره حساب"_s, u"شرح"_s,
                             u"نام شخص"_s, u"وضعیت"_s, u"مبلغ"_s};
    const QList<int> widths{64, 85, 91, 156, 85, 70, 120};
    QCOMPARE(model->columnCount(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(model->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString(), titles[i]);
        QCOMPARE(frm_main->DBGrid1->horizontalHeader()->sectionSize(i), widths[i]);
        QVERIFY(model->headerData(i, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    }
    ChequeList &list = frm_main->Checkk;
    for (int row : {0, 4, 5}) {
        const double amount = list.valueAt(row, list.fieldIndex(u"mablaghch"_s)).toDouble();
        const QString shown = model->index(row, 6).data().toString();
        if (row == 4) // the sample's amount with a fraction: shown, not grouped
            QCOMPARE(shown, u"1500.5"_s);
        else
            QCOMPARE(shown, GroupDigitsText(FloatToText(amount), u','));
    }
    QCOMPARE(model->index(0, 1).data().toString(), list.valueAt(0, list.fieldIndex(u"bank"_s)).toString());

    // The three filter lists hold the distinct values and show nothing.
    const QString db = m_folder->fallbackDatabase();
    const QList<QPair<QComboBox *, QString>> lists{
        {frm_main->cmb_bank, u"bank"_s}, {frm_main->cmb_shhesab, u"shhesab"_s},
        {frm_main->cmb_esmcode, u"esmcode"_s}};
    for (const auto &[combo, column] : lists) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QStringList distinct;
        for (const QVariant &v : sqliteColumn(db, u"select distinct [%1] from checkk"_s.arg(column)))
            distinct << v.toString();
        QCOMPARE(items, distinct);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
    }
    // The preparation ran: the four built-in templates are there.
    QCOMPARE(sqliteColumn(db, u"select count(*) from Cheque"_s), QVariantList{4});
}

void TestMainWindow::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("chk_shoomarehch") << u"chk_shoomarehch"_s << QRect(497, 21, 194, 17) << u"شماره چک"_s << true;
    QTest::newRow("edt_shoomarehch") << u"edt_shoomarehch"_s << QRect(497, 21, 121, 21) << QString() << false;
    QTest::newRow("chk_bank") << u"chk_bank"_s << QRect(497, 48, 163, 17) << u"بانک"_s << true;
    QTest::newRow("cmb_bank") << u"cmb_bank"_s << QRect(497, 48, 121, 21) << QString() << false;
    QTest::newRow("chk_shhesab") << u"chk_shhesab"_s << QRect(497, 75, 208, 17) << u"شماره حساب"_s << true;
    QTest::newRow("cmb_shhesab") << u"cmb_shhesab"_s << QRect(497, 75, 121, 21) << QString() << false;
    QTest::newRow("chk_esmcode") << u"chk_esmcode"_s << QRect(232, 21, 191, 17) << u"نام شخص"_s << true;
    QTest::newRow("cmb_esmcode") << u"cmb_esmcode"_s << QRect(232, 21, 121, 21) << QString() << false;
    QTest::newRow("chk_status") << u"chk_status"_s << QRect(232, 48, 179, 17) << u"وضعیت"_s << true;
    QTest::newRow("cmb_status") << u"cmb_status"_s << QRect(232, 48, 121, 21) << u"پاس نشده"_s << false;
    QTest::newRow("chk_mablaghch") << u"chk_mablaghch"_s << QRect(232, 75, 233, 17) << u"مبلغ"_s << true;
    QTest::newRow("edt_mablaghch") << u"edt_mablaghch"_s << QRect(232, 75, 121, 21) << QString() << false;
    QTest::newRow("cmb_relation") << u"cmb_relation"_s << QRect(353, 75, 70, 21) << u"برابر"_s << false;
    QTest::newRow("chk_sharh") << u"chk_sharh"_s << QRect(252, 102, 413, 17) << u"شرح"_s << true;
    QTest::newRow("edt_sharh") << u"edt_sharh"_s << QRect(232, 102, 386, 21) << QString() << false;
    QTest::newRow("btn_Print") << u"btn_Print"_s << QRect(12, 82, 104, 41) << u"چاپ"_s << true;
    QTest::newRow("BitBtn2") << u"BitBtn2"_s << QRect(122, 81, 104, 41) << u"جستجو"_s << true;
    QTest::newRow("DBGrid1") << u"DBGrid1"_s << QRect(12, 153, 695, 248) << QString() << true;
}

void TestMainWindow::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);

    start();
    QCOMPARE(frm_main->windowTitle(), u"چاپ چک: ویرایش 7"_s);
    QCOMPARE(frm_main->size(), QSize(735, 430));
    QCOMPARE(frm_main->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(frm_main->GroupBox1->geometry(), QRect(8, 8, 719, 414));
    QCOMPARE(frm_main->GroupBox1->title(), u"لیست چک ها"_s);

    auto *widget = frm_main->GroupBox1->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isEnabled(), enabled);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !caption.isEmpty())
        QCOMPARE(combo->currentText(), caption);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(edit->text(), QString());
    // Each entry field lies above the check box it shares its place with.
    if (name.startsWith(u"edt_"_s) || name.startsWith(u"cmb_"_s)) {
        QWidget *top = frm_main->GroupBox1->childAt(widget->geometry().center());
        while (top && top->parentWidget() != frm_main->GroupBox1)
            top = top->parentWidget();
        QCOMPARE(top, widget);
    }
}

void TestMainWindow::unreachableDatabaseIsSilent_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("no settings, no fallback") << QByteArray();
    QTest::newRow("missing SQLite file") << QByteArray("Provider=SQLite;Data Source=/nonexistent/x.db\r\n");
    QTest::newRow("Access file") << QByteArray("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\a.mdb");
    QTest::newRow("SQL Server nobody answers")
        << QByteArray("Provider=SQLOLEDB.1;Data Source=127.0.0.1,1;Initial Catalog=x;User ID=sa;Password=x");
    // A socket that takes the connection and never says a word: the login
    // timeout must end the wait.
    QTest::newRow("SQL Server that never replies")
        << QByteArray("Provider=SQLOLEDB.1;Data Source=127.0.0.1,SILENT;Initial Catalog=x;User ID=sa;Password=x");
}

void TestMainWindow::unreachableDatabaseIsSilent()
{
    QFETCH(QByteArray, settings);
    QTcpServer silent;
    if (settings.contains("SILENT")) {
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        settings.replace("SILENT", QByteArray::number(silent.serverPort()));
    }
    if (!settings.isEmpty())
        m_folder->writeDatabaseTxt(settings);
    start();
    QVERIFY(!frm_main->Con.isOpen());
    QVERIFY(m_reports.isEmpty());
    QVERIFY(!frm_main->endedAtStartup());
    QCOMPARE(frm_main->listModel()->rowCount(), 0);
    QCOMPARE(frm_main->cmb_bank->count(), 0);
    QVERIFY(!frm_main->Checkk.isOpen());
    QVERIFY(!QFile::exists(m_folder->fallbackDatabase()));
    // No message box, but the empty list says why it is empty.
    QVERIFY(!frm_main->lbl_NotConnected->isHidden());
    QVERIFY2(frm_main->lbl_NotConnected->text().startsWith(u"پایگاه داده وصل نیست"_s),
             qPrintable(frm_main->lbl_NotConnected->text()));
    QVERIFY(frm_main->lbl_NotConnected->text().count(u'\n') >= 1); // the driver's reason follows
}

void TestMainWindow::emptyFirstLineMeansTheFallback()
{
    WriteSampleDatabase(m_folder->fallbackDatabase(), 12);
    const QString other = m_folder->exeDir + u"other.db"_s;
    WriteSampleDatabase(other, 3);
    m_folder->writeDatabaseTxt("\r\nProvider=SQLite;Data Source=" + other.toUtf8() + "\r\n");
    start();
    QCOMPARE(frm_main->listModel()->rowCount(), 12);
}

void TestMainWindow::unreadableSettingsAreReported()
{
    WriteSampleDatabase(m_folder->fallbackDatabase(), 5);
    QVERIFY(QDir(m_folder->parentDir).mkdir(u"Database.txt"_s));
    start();
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports[0].contains(u"Database.txt"_s), qPrintable(m_reports[0]));
    // Not even the fallback is tried in this run.
    QVERIFY(!frm_main->Con.isOpen());
    QCOMPARE(frm_main->listModel()->rowCount(), 0);
}

void TestMainWindow::foreignDatabaseEndsTheProgram()
{
    const QString file = m_folder->fallbackDatabase();
    sqliteExec(file, {u"create table Checkk(code int)"_s});
    QString caption, message;
    auto seen = onNextModal([&](QWidget *modal) {
        caption = modal->windowTitle();
        message = modal->findChild<QPlainTextEdit *>(u"mem_message"_s)->toPlainText();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    start();
    QVERIFY(*seen);
    QCOMPARE(caption, u"خطا"_s);
    QCOMPARE(message, u"پایگاه داده مربوط به نرم افزار حسابداری شرکت زرول نمی باشد"_s);
    QVERIFY(frm_main->endedAtStartup());
    QVERIFY(!frm_main->Checkk.isOpen());
    QCOMPARE(sqliteColumn(file, u"select count(*) from sqlite_master"_s), QVariantList{1});
}

void TestMainWindow::checkkWithoutAColumnIsReported()
{
    // A checkk without the account column: the list does not open (its
    // error names the column), and no filter list is filled.
    sqliteExec(m_folder->fallbackDatabase(),
               {u"create table checkk(code integer, bank text, esmcode text, mablaghch real)"_s,
                u"insert into checkk values(1, 'b1', 'p1', 1000)"_s});
    start();
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports[0].contains(u"fakcode"_s), qPrintable(m_reports[0]));
    QVERIFY(!frm_main->Checkk.isOpen());
    QCOMPARE(frm_main->listModel()->rowCount(), 0);
    QCOMPARE(frm_main->cmb_bank->count(), 0);
    QCOMPARE(frm_main->cmb_esmcode->count(), 0);
    QVERIFY(frm_main->isVisible() || !frm_main->endedAtStartup());
}

void TestMainWindow::columnLayoutRoundTrip()
{
    WriteSampleDatabase(m_folder->fallbackDatabase(), 5);
    start();
    QHeaderView *header = frm_main->DBGrid1->horizontalHeader();
    header->moveSection(6, 0); // the amount first
    header->resizeSection(3, 200);
    header->setSectionHidden(5, true);
    const QList<GridColumn> changed = frm_main->gridColumns();
    QCOMPARE(changed.first().field, u"Amount"_s);
    frm_main->close();
    QVERIFY(m_reports.isEmpty());
    QVERIFY(QFile::exists(m_folder->exeDir + u"Columns.dbg"_s));
    DestroyForms();

    start();
    QCOMPARE(frm_main->gridColumns(), changed);
    QCOMPARE(frm_main->listModel()->index(0, 0).data().toString(),
             AmountCellText(frm_main->Checkk.valueAt(0, frm_main->Checkk.fieldIndex(u"mablaghch"_s))));
}

void TestMainWindow::malformedLayoutIsIgnored_data()
{
    // A part of the written file, and what replaces it; nothing: cut short.
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<QByteArray>("damage");
    QTest::newRow("cut short") << QByteArray() << QByteArray();
    QTest::newRow("a shown column of width 0") << QByteArray("\"width\": 300") << QByteArray("\"width\": 0");
    QTest::newRow("a column wider than any screen")
        << QByteArray("\"width\": 300") << QByteArray("\"width\": 30000000");
    // Qt reads the spacing, and writes it back as another number.
    QTest::newRow("a title font spaced by millions")
        << QByteArray("700,0,0,0,0,0,0,0,0,0,0,1\"") << QByteArray("700,0,0,0,0,0,0,0,04444444444444444444,0,0,1\"");
    QTest::newRow("a title font of a thousand points")
        << QByteArray("Tahoma,-1,13,") << QByteArray("Tahoma,1000,-1,");
}

void TestMainWindow::malformedLayoutIsIgnored()
{
    QFETCH(QByteArray, part);
    QFETCH(QByteArray, damage);
    start();
    frm_main->DBGrid1->horizontalHeader()->resizeSection(0, 300);
    frm_main->close();
    DestroyForms();
    QFile file(m_folder->exeDir + u"Columns.dbg"_s);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray whole = file.readAll();
    if (part.isEmpty()) {
        file.resize(whole.size() / 2);
    } else {
        const qsizetype at = whole.indexOf(part);
        QVERIFY2(at >= 0, whole.constData());
        whole.replace(at, part.size(), damage);
        file.resize(0);
        file.write(whole);
    }
    file.close();
    start();
    QCOMPARE(frm_main->gridColumns(), DefaultGridColumns());
    QVERIFY(m_reports.isEmpty());
}

void TestMainWindow::layoutThatCannotBeWrittenBesideGoesToTheUser()
{
    // The program's folder may not be written (a folder in the file's way
    // stands for it, since root may write anywhere).
    QVERIFY(QDir(m_folder->exeDir).mkdir(u"Columns.dbg"_s));
    WriteSampleDatabase(m_folder->fallbackDatabase(), 5);
    start();
    frm_main->show();
    frm_main->DBGrid1->horizontalHeader()->resizeSection(0, 300);
    const QList<GridColumn> changed = frm_main->gridColumns();
    frm_main->close();
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'\n')));
    QVERIFY(UserColumnLayoutFile().startsWith(m_folder->root.path()));
    QVERIFY(QFileInfo(UserColumnLayoutFile()).isFile());
    DestroyForms();
    start();
    QCOMPARE(frm_main->gridColumns(), changed);
    DestroyForms();

    // Once the program's folder takes it again, the user's copy goes.
    QVERIFY(QDir(m_folder->exeDir).rmdir(u"Columns.dbg"_s));
    start();
    frm_main->show();
    frm_main->close();
    QVERIFY(m_reports.isEmpty());
    QVERIFY(QFileInfo(m_folder->exeDir + u"Columns.dbg"_s).isFile());
    QVERIFY(!QFileInfo::exists(UserColumnLayoutFile()));
}

void TestMainWindow::layoutThatCannotBeWrittenAnywhereIsReported()
{
    QVERIFY(QDir(m_folder->exeDir).mkdir(u"Columns.dbg"_s));
    // A file where the user's settings folder would be made.
    const QString folder = QFileInfo(UserColumnLayoutFile()).path();
    QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    start();
    frm_main->show();
    frm_main->close();
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(m_reports[0].startsWith(u"چیدمان ستون های فهرست ذخیره نشد.\n"_s));
    QVERIFY2(m_reports[0].contains(u"Columns.dbg"_s) && m_reports[0].contains(QDir::toNativeSeparators(folder)),
             qPrintable(m_reports[0]));
    QVERIFY(!frm_main->isVisible());
}

// A full disk, as a file-size limit makes it: every write past a few bytes
// fails. The layout written before stays as it was, and the failure is said.
void TestMainWindow::layoutOnAFullDiskKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    WriteSampleDatabase(m_folder->fallbackDatabase(), 5);
    start();
    frm_main->show();
    frm_main->close();
    DestroyForms();
    QFile file(m_folder->exeDir + u"Columns.dbg"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(before.size() > 200);

    start();
    frm_main->show();
    frm_main->DBGrid1->horizontalHeader()->resizeSection(0, 300);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit full{100, limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed program
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
    frm_main->close();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports[0].contains(u"Columns.dbg"_s), qPrintable(m_reports[0]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    // Nothing half written is left beside it.
    QCOMPARE(QDir(m_folder->exeDir).entryList({u"Columns.dbg*"_s}, QDir::Files), QStringList{u"Columns.dbg"_s});
#else
    QSKIP("a file-size limit is set only on Unix");
#endif
}

// Another program holds the file locked all through the start: the start
// waits a bounded time, goes on, and says in Persian what could not be read.
void TestMainWindow::lockedFileAtTheStartIsSaidInPersian()
{
    WriteSampleDatabase(m_folder->fallbackDatabase(), 5);
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(m_folder->fallbackDatabase());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(u"BEGIN EXCLUSIVE"_s));
        start();
        QVERIFY(lock.exec(u"ROLLBACK"_s));
        other.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    QVERIFY(!frm_main->endedAtStartup());
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports[0].startsWith(u"فهرست چک ها یا فهرست های جستجو باز نشد.\n"_s), qPrintable(m_reports[0]));
    QVERIFY2(m_reports[0].contains(u"locked"_s), qPrintable(m_reports[0]));
    QCOMPARE(frm_main->listModel()->rowCount(), 0);
}

void TestMainWindow::filterTicksEnableTheirFields()
{
    start();
    frm_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_main));
    frm_main->edt_sharh->setText(u"kept"_s);
    frm_main->chk_mablaghch->click();
    QVERIFY(frm_main->edt_mablaghch->isEnabled());
    QVERIFY(frm_main->cmb_relation->isEnabled());
    QCOMPARE(QApplication::focusWidget(), frm_main->edt_mablaghch);
    QTest::keyClicks(frm_main->edt_mablaghch, u"1500000"_s);
    QCOMPARE(frm_main->edt_mablaghch->text(), u"1,500,000"_s);
    frm_main->chk_mablaghch->click();
    QVERIFY(!frm_main->edt_mablaghch->isEnabled());
    QCOMPARE(frm_main->edt_mablaghch->text(), u"1,500,000"_s);
    frm_main->chk_sharh->click();
    QCOMPARE(frm_main->edt_sharh->text(), u"kept"_s);
    QCOMPARE(QApplication::focusWidget(), frm_main->edt_sharh);
}

void TestMainWindow::errorsInHandlersAreReported()
{
    start();
    frm_main->show();
    QPushButton button(u"x"_s, frm_main);
    button.show();
    connect(&button, &QPushButton::clicked, this, [] { throw AppError(u"مبلغ چک باید عددی صحیح و نامنفی باشد"_s); });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(m_reports, QStringList{u"مبلغ چک باید عددی صحیح و نامنفی باشد"_s});
    // The program goes on: the next click is reported again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(m_reports.size(), 2);
}

int main(int argc, char *argv[])
{
    ChequeApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
