#include "app/paths.h"
#include "app/preparation.h"

#include "../common/testsupport.h"

#include <QComboBox>
#include <QProcess>

#include <csignal>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

// How the child that stands for a killed program ends where no signal kills it.
constexpr int kKilled = 86;

// A database of the accounting package: a checkk table and the given others.
QString accountingDatabase(const QString &dir, const QStringList &extra = {})
{
    const QString file = dir + u"acc.db"_s;
    QStringList statements{CreateCheckkTableStatement()};
    statements << extra;
    sqliteExec(file, statements);
    return file;
}

struct Prepared
{
    Connection con;
    Query q{con};
    QStringList log;

    explicit Prepared(const QString &file)
    {
        con.setConnectionString(u"Provider=SQLite;Data Source="_s + file);
        con.setStatementLog([this](const QString &text) { log << text; });
    }
};

} // namespace

class TestPreparation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lastCharPos_data();
    void lastCharPos();
    void folders_data();
    void folders();
    void firstLine();
    void fillComboFromQuery();

    void sqlServerStatements();
    void firstStartCreatesAndSeeds();
    void printRegisterMadeWhereMissing();
    void secondStartOnlyAsksTheCatalogue();
    void foreignDatabaseWritesNothing();
    void oneTableMissing_data();
    void oneTableMissing();
    void existingPictureIsKept();
    void unwritablePictureLeavesNothingHalfMade();
    void startCutShortLeavesAllOrNothing_data();
    void startCutShortLeavesAllOrNothing();
    void startKilledLeavesAllOrNothing_data();
    void startKilledLeavesAllOrNothing();
    void quoteInThePathIsDoubled();
};

void TestPreparation::lastCharPos_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::newRow("last of several") << u"C:\\Apps\\Cheque\\"_s << 15;
    QTest::newRow("first character only") << u"\\abc"_s << 1;
    QTest::newRow("absent") << u"abc"_s << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestPreparation::lastCharPos()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QCOMPARE(LastCharPos(u'\\', text), position);
}

void TestPreparation::folders_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<QString>("parentDir");
    QTest::newRow("C:\\Apps\\Cheque") << u"C:\\Apps\\Cheque\\prog.exe"_s << QChar(u'\\')
                                      << u"C:\\Apps\\Cheque\\"_s << u"C:\\Apps\\"_s;
    QTest::newRow("drive root") << u"D:\\prog.exe"_s << QChar(u'\\') << u"D:\\"_s << u"D:\\"_s;
    QTest::newRow("no folder") << u"prog.exe"_s << QChar(u'\\') << QString() << QString();
    QTest::newRow("Unix") << u"/opt/cheque/bin/chequeprint"_s << QChar(u'/') << u"/opt/cheque/bin/"_s
                          << u"/opt/cheque/"_s;
    QTest::newRow("Unix root") << u"/chequeprint"_s << QChar(u'/') << u"/"_s << u"/"_s;
}

void TestPreparation::folders()
{
    QFETCH(QString, program);
    QFETCH(QChar, separator);
    QFETCH(QString, exeDir);
    QFETCH(QString, parentDir);
    QCOMPARE(ExeDirOf(program, separator), exeDir);
    QCOMPARE(ParentDirOf(exeDir, separator), parentDir);
    // The files the program looks for follow from the two folders.
    if (program.startsWith(u"C:"_s)) {
        QCOMPARE(ParentDirOf(exeDir, separator) + u"Database.txt"_s, u"C:\\Apps\\Database.txt"_s);
        QCOMPARE(exeDir + u"Columns.dbg"_s, u"C:\\Apps\\Cheque\\Columns.dbg"_s);
    }
}

void TestPreparation::firstLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Database.txt"_s);
    QVERIFY(!ReadFirstLine(path).has_value());

    const auto write = [&](const QByteArray &bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    write("  Provider=SQLite;Data Source=x.db  \r\nsecond line\r\n");
    QCOMPARE(ReadFirstLine(path).value(), u"  Provider=SQLite;Data Source=x.db  "_s);
    write("\nProvider=SQLite;Data Source=x.db\n");
    QCOMPARE(ReadFirstLine(path).value(), QString());
    write("\xEF\xBB\xBFline");
    QCOMPARE(ReadFirstLine(path).value(), QString(QChar(0xFEFF)) + u"line"_s);
    write("");
    QCOMPARE(ReadFirstLine(path).value(), QString());

    // A folder in place of the file: there, but not readable.
    QDir(dir.path()).mkdir(u"Locked.txt"_s);
    QVERIFY_THROWS_EXCEPTION(AppError, ReadFirstLine(dir.filePath(u"Locked.txt"_s)));
}

void TestPreparation::fillComboFromQuery()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"c.db"_s);
    sqliteExec(file, {u"create table t(a text)"_s, u"insert into t values('x')"_s,
                      u"insert into t values(null)"_s, u"insert into t values('x')"_s});
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + file);
    Query q(con);
    QComboBox combo;
    combo.addItem(u"old"_s);
    FillComboFromQuery(q, u"select a from t"_s, 0, &combo);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(1), QString());
    QCOMPARE(combo.currentIndex(), 0);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, FillComboFromQuery(q, u"select nope from t"_s, 0, &combo));
}

void TestPreparation::sqlServerStatements()
{
    const Dialect d(Dialect::SqlServer);
    QCOMPARE(CatalogStatement(d), u"Select [name] from sys.Tables"_s);
    QCOMPARE(InsertBlankTemplateStatement(d),
             (QStringList{u"Insert into [Cheque]([Title],[ImagePath],[ImageWidth],[ImageHeight],[Orientation])"_s, u"values(N'جدید',N'',170,85,0)"_s}));
    QCOMPARE(InsertBankTemplateStatement(d, u"ملت 1"_s, u"C:\\Apps\\Cheque\\Mellat1.jpg"_s, 1),
             (QStringList{u"Insert into [Cheque]([Title],[ImagePath],[ImageWidth],[ImageHeight],[Orientation],[ShowOrder])"_s,
                          u"values(N'ملت 1',N'C:\\Apps\\Cheque\\Mellat1.jpg',170,85,0,1)"_s}));
    QCOMPARE(ChequeIdByTitleStatement(d, u"پاسارگاد"_s),
             u"Select ChID from [Cheque] where [Title]=N'پاسارگاد'"_s);
    const SeedItem &first = BuiltInTemplates().first().items.first();
    QCOMPARE(InsertSeedItemStatement(d, 1, first), (QStringList{u"insert into [ChequeItems](ChID,ItemName,ItemLeft,ItemRight,ItemTop,ItemVisibility,ItemAlignment,ItemBidiMode,ItemFontName,ItemFontStyle,ItemFontSize,ItemFontColor,ItemCaption)"_s, u"Values(1,N'DigitDate',485,549,33,1,0,0,N'Tahoma',0,12,-16777208,N'**/**/**')"_s}));
    const SeedItem &payment = BuiltInTemplates()[3].items.last();
    QCOMPARE(InsertSeedItemStatement(d, 4, payment)[1],
             u"Values(4,N'Payment',276,546,169,1,0,1,N'Tahoma',0,12,-16777208,N'در وجه*************************')"_s);
    QCOMPARE(d.createPrintLogTable(), (QStringList{
        u"CREATE TABLE [dbo].[PrintLog]("_s,
        u" [LogID] [int] IDENTITY(1,1) NOT NULL ,"_s,
        u" [code] [int] NOT NULL ,"_s,
        u" [shoomarehch] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [mablaghch] [decimal] (18, 3) NULL ,"_s,
        u" [ChID] [int] NULL ,"_s,
        u" [Title] [nvarchar] (50) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [PrinterName] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [PrintTime] [datetime] NULL ,"_s,
        u" [MachineName] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [UserName] [nvarchar] (255) COLLATE Arabic_CI_AS NULL"_s,
        u") ON [PRIMARY]"_s}));
}

void TestPreparation::firstStartCreatesAndSeeds()
{
    ProgramFolder folder;
    Prepared db(accountingDatabase(folder.exeDir));
    QCOMPARE(PrepareDatabase(db.q, folder.exeDir), PrepareOutcome::Done);

    const QString file = folder.exeDir + u"acc.db"_s;
    QCOMPARE(sqliteColumn(file, u"select ChID from Cheque order by ChID"_s), (QVariantList{1, 2, 3, 4}));
    QCOMPARE(sqliteColumn(file, u"select Title from Cheque order by ChID"_s),
             (QVariantList{u"جدید"_s, u"ملت 1"_s, u"ملت 2"_s, u"پاسارگاد"_s}));
    QCOMPARE(sqliteColumn(file, u"select coalesce(ShowOrder, 'NULL') from Cheque order by ChID"_s),
             (QVariantList{u"NULL"_s, 1, 2, 3}));
    QCOMPARE(sqliteColumn(file, u"select ImagePath from Cheque where ChID = 2"_s),
             QVariantList{folder.exeDir + u"Mellat1.jpg"_s});
    QCOMPARE(sqliteColumn(file, u"select count(*) from ChequeItems"_s), QVariantList{24});
    // Every seed position landed on its own template.
    for (int id = 1; id <= 4; ++id) {
        const BuiltInTemplate &cheque = BuiltInTemplates()[id - 1];
        for (const SeedItem &item : cheque.items) {
            const QVariantList row = sqliteColumn(
                file, u"select ItemLeft || ',' || ItemRight || ',' || ItemTop || ',' || ItemBidiMode "
                      u"|| ',' || ItemCaption from ChequeItems where ChID = %1 and ItemName = '%2'"_s
                          .arg(id).arg(item.name));
            QCOMPARE(row, QVariantList{u"%1,%2,%3,%4,%5"_s.arg(item.left).arg(item.right).arg(item.top)
                                           .arg(item.bidiMode).arg(item.caption)});
        }
    }
    for (const QString &picture : {u"Mellat1.jpg"_s, u"Mellat2.jpg"_s, u"pasargad.jpg"_s}) {
        QFile written(folder.exeDir + picture);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QFile builtIn(u":/cheques/"_s + picture);
        QVERIFY(builtIn.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), builtIn.readAll());
    }
    const QSize sizes[] = {{1944, 954}, {1971, 1000}, {1992, 960}};
    QCOMPARE(QImage(folder.exeDir + u"Mellat1.jpg"_s).size(), sizes[0]);
    QCOMPARE(QImage(folder.exeDir + u"Mellat2.jpg"_s).size(), sizes[1]);
    QCOMPARE(QImage(folder.exeDir + u"pasargad.jpg"_s).size(), sizes[2]);

    // The statements in the order sent: catalogue, two tables, the blank
    // template's items, then each bank template and its items, and last the
    // print register.
    QCOMPARE(db.log.size(), 1 + 2 + 1 + 7 + 3 * 8 + 1);
    QCOMPARE(db.log[0], CatalogStatement(Dialect(Dialect::Sqlite)));
    QCOMPARE(db.log[4], ChequeIdByTitleStatement(Dialect(Dialect::Sqlite), u"جدید"_s));
    QCOMPARE(db.log.last(), Dialect(Dialect::Sqlite).createPrintLogTable().join(u"\r\n"_s));
    QCOMPARE(sqliteColumn(file, u"select count(*) from PrintLog"_s), QVariantList{0});
}

void TestPreparation::printRegisterMadeWhereMissing()
{
    // A database prepared before there was a register gets it, and nothing else.
    ProgramFolder folder;
    const QString file = accountingDatabase(folder.exeDir);
    {
        Prepared first(file);
        PrepareDatabase(first.q, folder.exeDir);
    }
    sqliteExec(file, {u"drop table PrintLog"_s});
    Prepared again(file);
    QCOMPARE(PrepareDatabase(again.q, folder.exeDir), PrepareOutcome::Done);
    QCOMPARE(again.log, (QStringList{CatalogStatement(Dialect(Dialect::Sqlite)),
                                     Dialect(Dialect::Sqlite).createPrintLogTable().join(u"\r\n"_s)}));
    QCOMPARE(sqliteColumn(file, u"select count(*) from Cheque"_s), QVariantList{4});
    sqliteExec(file, {u"insert into PrintLog(code, PrinterName, PrintTime) values(7, 'p', '2026-12-10T10:00:00')"_s});
    QCOMPARE(sqliteColumn(file, u"select LogID from PrintLog"_s), QVariantList{1});
}

void TestPreparation::secondStartOnlyAsksTheCatalogue()
{
    ProgramFolder folder;
    const QString file = accountingDatabase(folder.exeDir);
    {
        Prepared first(file);
        PrepareDatabase(first.q, folder.exeDir);
    }
    Prepared second(file);
    QCOMPARE(PrepareDatabase(second.q, folder.exeDir), PrepareOutcome::Done);
    QCOMPARE(second.log, QStringList{CatalogStatement(Dialect(Dialect::Sqlite))});
}

void TestPreparation::foreignDatabaseWritesNothing()
{
    ProgramFolder folder;
    const QString file = folder.exeDir + u"foreign.db"_s;
    sqliteExec(file, {u"create table Checkk(code int)"_s});
    Prepared db(file);
    QCOMPARE(PrepareDatabase(db.q, folder.exeDir), PrepareOutcome::ForeignDatabase);
    QCOMPARE(db.log.size(), 1);
    QCOMPARE(sqliteColumn(file, u"select count(*) from sqlite_master"_s), QVariantList{1});
    QVERIFY(!QFile::exists(folder.exeDir + u"Mellat1.jpg"_s));
}

void TestPreparation::oneTableMissing_data()
{
    QTest::addColumn<bool>("keepCheque");
    QTest::addColumn<int>("cheques");
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("pictures");
    // Cheque missing, ChequeItems present: only the blank template is made.
    QTest::newRow("Cheque missing") << false << 1 << 24 << false; // the old items stay
    // ChequeItems missing: the bank templates are inserted again, and the
    // items go to the first row of each title.
    QTest::newRow("ChequeItems missing") << true << 7 << 24 << true;
}

void TestPreparation::oneTableMissing()
{
    QFETCH(bool, keepCheque);
    QFETCH(int, cheques);
    QFETCH(int, items);
    QFETCH(bool, pictures);

    ProgramFolder folder;
    const QString file = accountingDatabase(folder.exeDir);
    {
        Prepared first(file);
        PrepareDatabase(first.q, folder.exeDir);
    }
    for (const QString &picture : {u"Mellat1.jpg"_s, u"Mellat2.jpg"_s, u"pasargad.jpg"_s})
        QFile::remove(folder.exeDir + picture);
    sqliteExec(file, {keepCheque ? u"drop table ChequeItems"_s : u"drop table Cheque"_s});

    Prepared again(file);
    PrepareDatabase(again.q, folder.exeDir);
    QCOMPARE(sqliteColumn(file, u"select count(*) from Cheque"_s), QVariantList{cheques});
    QCOMPARE(sqliteColumn(file, u"select count(*) from ChequeItems"_s), QVariantList{items});
    QCOMPARE(QFile::exists(folder.exeDir + u"Mellat1.jpg"_s), pictures);
    if (keepCheque) {
        QCOMPARE(sqliteColumn(file, u"select distinct ChID from ChequeItems order by ChID"_s),
                 (QVariantList{1, 2, 3, 4}));
    }
}

void TestPreparation::existingPictureIsKept()
{
    ProgramFolder folder;
    {
        QFile mine(folder.exeDir + u"Mellat2.jpg"_s);
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("my own picture");
    }
    Prepared db(accountingDatabase(folder.exeDir));
    PrepareDatabase(db.q, folder.exeDir);
    QFile kept(folder.exeDir + u"Mellat2.jpg"_s);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("my own picture"));
    QVERIFY(QFile::exists(folder.exeDir + u"Mellat1.jpg"_s));
}

void TestPreparation::unwritablePictureLeavesNothingHalfMade()
{
    ProgramFolder folder;
    const QString file = accountingDatabase(folder.exeDir);
    {
        Prepared db(file);
        // A folder that does not exist cannot take the pictures.
        QCOMPARE(PrepareDatabase(db.q, folder.exeDir + u"missing/"_s), PrepareOutcome::Done);
    }
    const QString tables = u"select name from sqlite_master where type='table' and name like 'Cheque%'"_s;
    QCOMPARE(sqliteColumn(file, tables), QVariantList());
    // The next start, where the pictures can go, makes everything.
    Prepared again(file);
    PrepareDatabase(again.q, folder.exeDir);
    QCOMPARE(sqliteColumn(file, u"select ChID from Cheque order by ChID"_s), (QVariantList{1, 2, 3, 4}));
    QCOMPARE(sqliteColumn(file, u"select count(*) from ChequeItems"_s), QVariantList{24});
}

void TestPreparation::startCutShortLeavesAllOrNothing_data()
{
    QTest::addColumn<int>("cutAt"); // the statement that never reaches the database, counted from 1
    QTest::newRow("creating Cheque") << 2;
    QTest::newRow("inserting the blank template") << 3;
    QTest::newRow("looking up the blank template") << 5;
    QTest::newRow("first item of Mellat 1") << 14;
    QTest::newRow("last item of all") << 35;
}

void TestPreparation::startCutShortLeavesAllOrNothing()
{
    QFETCH(int, cutAt);
    ProgramFolder folder;
    const QString file = accountingDatabase(folder.exeDir);
    {
        Prepared db(file);
        int sent = 0;
        db.con.setStatementLog([&sent, cutAt](const QString &) {
            if (++sent == cutAt)
                throw DatabaseError(u"the program was ended here"_s);
        });
        PrepareDatabase(db.q, folder.exeDir);
    }
    QCOMPARE(sqliteColumn(file, u"select count(*) from sqlite_master where name in ('Cheque', 'ChequeItems')"_s),
             QVariantList{0});
    Prepared again(file);
    PrepareDatabase(again.q, folder.exeDir);
    QCOMPARE(sqliteColumn(file, u"select Title from Cheque where ChID = 2"_s), QVariantList{u"ملت 1"_s});
    QCOMPARE(sqliteColumn(file, u"select count(*) from ChequeItems where ChID = 2"_s), QVariantList{6});
    QCOMPARE(sqliteColumn(file, u"select count(*) from ChequeItems"_s), QVariantList{24});
}

void TestPreparation::startKilledLeavesAllOrNothing_data()
{
    startCutShortLeavesAllOrNothing_data();
}

// The program killed between two statements of its first start, in a child
// process: no rollback of ours runs, only the database's own recovery.
void TestPreparation::startKilledLeavesAllOrNothing()
{
    QFETCH(int, cutAt);
    ProgramFolder folder;
    const QString file = accountingDatabase(folder.exeDir);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {u"--prepare-and-die"_s, file, folder.exeDir, QString::number(cutAt)});
    QVERIFY(child.waitForFinished(60000));
    QVERIFY2(child.exitStatus() == QProcess::CrashExit || child.exitCode() == kKilled,
             child.readAllStandardError().constData());
    QCOMPARE(sqliteColumn(file, u"select count(*) from sqlite_master where name in ('Cheque', 'ChequeItems')"_s),
             QVariantList{0});
    Prepared again(file);
    PrepareDatabase(again.q, folder.exeDir);
    QCOMPARE(sqliteColumn(file, u"select count(*) from Cheque"_s), QVariantList{4});
    QCOMPARE(sqliteColumn(file, u"select count(*) from ChequeItems"_s), QVariantList{24});
}

void TestPreparation::quoteInThePathIsDoubled()
{
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(u"O'Neil"_s));
    const QString exeDir = QDir::toNativeSeparators(root.path() + u"/O'Neil/"_s);
    const QString file = accountingDatabase(exeDir);
    Prepared db(file);
    PrepareDatabase(db.q, exeDir);
    QCOMPARE(sqliteColumn(file, u"select ImagePath from Cheque where ChID = 4"_s),
             QVariantList{exeDir + u"pasargad.jpg"_s});
    QVERIFY(db.log.join(u'\n').contains(u"O''Neil"_s));
}

// The child of startKilledLeavesAllOrNothing: prepares the database and
// dies as it is about to send statement `cutAt`.
static int PrepareAndDie(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString file = QString::fromLocal8Bit(argv[2]);
    const QString exeDir = QString::fromLocal8Bit(argv[3]);
    const int cutAt = std::atoi(argv[4]);
    Prepared db(file);
    int sent = 0;
    db.con.setStatementLog([&sent, cutAt](const QString &) {
        if (++sent == cutAt) {
#ifdef Q_OS_UNIX
            std::raise(SIGKILL);
#endif
            std::_Exit(kKilled);
        }
    });
    PrepareDatabase(db.q, exeDir);
    return 0; // never reached: the test fails on it
}

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--prepare-and-die") == 0)
        return PrepareAndDie(argc, argv);
    QApplication app(argc, argv);
    TestPreparation test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_preparation.moc"
