#include "app/database.h"

#include "../common/testsupport.h"

using namespace Qt::Literals::StringLiterals;

class TestDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialectTexts();
    void resolve_data();
    void resolve();
    void sqliteFileIsNeverCreated();
    void queryReadsAllRowsWithNullRules();
    void closedConnectionOpensAgain();
    void statementLogSeesExactText();
    void sortIsStableAndNumeric();
    void closedQueryRefusesToCount();
    void transactionRollsBack();
    void odbcDriverOfSqlite();
    void odbcDataSourceName();

private:
    QString makeDatabase(QTemporaryDir &dir);
};

QString TestDatabase::makeDatabase(QTemporaryDir &dir)
{
    const QString file = dir.filePath(u"t.db"_s);
    sqliteExec(file, {
        u"create table t(id int, name text, amount decimal(18,3))"_s,
        u"insert into t values(3, 'c', 30)"_s,
        u"insert into t values(1, null, 100)"_s,
        u"insert into t values(2, 'b', 9)"_s,
        u"insert into t values(null, 'b', null)"_s,
    });
    return file;
}

void TestDatabase::dialectTexts()
{
    const Dialect server(Dialect::SqlServer);
    const Dialect sqlite(Dialect::Sqlite);
    QCOMPARE(server.text(u"O'Neil"_s), u"N'O''Neil'"_s);
    QCOMPARE(sqlite.text(u"O'Neil"_s), u"'O''Neil'"_s);
    QCOMPARE(server.text(QString()), u"N''"_s);
    QCOMPARE(Quoted(u"''"_s), u"''''''"_s);
    QCOMPARE(server.catalogQuery(), u"Select [name] from sys.Tables"_s);
    QCOMPARE(server.createChequeTable().size(), 9);
    QCOMPARE(server.createChequeItemsTable().size(), 16);
    QCOMPARE(server.createChequeTable().first(), u"CREATE TABLE [dbo].[Cheque]("_s);
    QCOMPARE(server.createChequeItemsTable().last(), u") ON [PRIMARY]"_s);
    // The SQLite tables have the same columns in the same order.
    const auto columns = [](const QStringList &lines) {
        QStringList names;
        for (const QString &line : lines.mid(1, lines.size() - 2))
            names << line.section(u']', 0, 0).section(u'[', 1);
        return names;
    };
    QCOMPARE(columns(sqlite.createChequeTable()), columns(server.createChequeTable()));
    QCOMPARE(columns(sqlite.createChequeItemsTable()), columns(server.createChequeItemsTable()));
    QCOMPARE(columns(sqlite.createPrintLogTable()), columns(server.createPrintLogTable()));
    // A save's transaction: SQLite's write lock up front; on SQL Server one
    // lock of the program's own, in a transaction begun if none is.
    QCOMPARE(sqlite.beginWriteStatement(), u"BEGIN IMMEDIATE"_s);
    QCOMPARE(sqlite.writeLockStatement(), QString());
    QCOMPARE(server.beginWriteStatement(), QString());
    QCOMPARE(server.writeLockStatement(),
             u"IF @@TRANCOUNT = 0 BEGIN TRANSACTION\n"
             u"DECLARE @granted int\n"
             u"EXEC @granted = sp_getapplock @Resource = 'chequeprint', @LockMode = 'Exclusive',"
             u" @LockOwner = 'Transaction', @LockTimeout = 3000\n"
             u"IF @granted < 0 RAISERROR('The templates are being saved by another user; the wait ended.', 16, 1)"_s);
}

void TestDatabase::resolve_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("dialect");

    const int odbc = ConnectionTarget::Odbc;
    const int none = ConnectionTarget::Unsupported;
    const int file = ConnectionTarget::SqliteFile;
    const int server = Dialect::SqlServer;
    const int sqlite = Dialect::Sqlite;
#ifdef Q_OS_WIN
    QSKIP("the expected strings are FreeTDS's");
#endif
    const QString tds = u"TDS_Version=7.4;ClientCharset=UTF-8;"_s;
    QTest::newRow("OLE DB with login")
        << u"Provider=SQLOLEDB.1;Password=secret;Persist Security Info=True;User ID=sa;Initial Catalog=Zarvel;Data Source=acc-server"_s
        << odbc << u"Driver=FreeTDS;Server=acc-server;Port=1433;"_s + tds + u"Database=Zarvel;UID=sa;PWD=secret;"_s << server;
    QTest::newRow("host and port")
        << u"Provider=SQLOLEDB;Data Source=10.0.0.5,1433;Initial Catalog=Zarvel;User ID=sa;Password=x"_s
        << odbc << u"Driver=FreeTDS;Server=10.0.0.5;Port=1433;"_s + tds + u"Database=Zarvel;UID=sa;PWD=x;"_s << server;
    QTest::newRow("local express instance")
        << u"Provider=SQLNCLI11;Data Source=.\\SQLEXPRESS;Integrated Security=SSPI;Initial Catalog=Zarvel"_s
        << odbc << u"Driver=FreeTDS;Server=localhost\\SQLEXPRESS;"_s + tds + u"Database=Zarvel;Trusted_Connection=Yes;"_s << server;
    QTest::newRow("(local) and a password with a semicolon")
        << u"Provider=MSOLEDBSQL19;Data Source=(local);User ID=sa;Password=\"a;b\""_s
        << odbc << u"Driver=FreeTDS;Server=localhost;Port=1433;"_s + tds + u"UID=sa;PWD={a;b};"_s << server;
    QTest::newRow("this machine, no port")
        << u"Provider=SQLOLEDB.1;Data Source=.;Initial Catalog=Zarvel;User ID=sa;Password=x"_s
        << odbc << u"Driver=FreeTDS;Server=localhost;Port=1433;"_s + tds + u"Database=Zarvel;UID=sa;PWD=x;"_s << server;
    QTest::newRow("host and instance, no port")
        << u"Provider=SQLOLEDB.1;Data Source=acc-server\\ACC;User ID=sa;Password=x"_s
        << odbc << u"Driver=FreeTDS;Server=acc-server\\ACC;"_s + tds + u"UID=sa;PWD=x;"_s << server;
    QTest::newRow("driver chosen in the line")
        << u"Provider=SQLOLEDB.1;Driver={ODBC Driver 18 for SQL Server};Data Source=srv\\INST;User ID=u;Password=p"_s
        << odbc << u"Driver=ODBC Driver 18 for SQL Server;Server=srv\\INST;UID=u;PWD=p;"_s << server;
    QTest::newRow("ODBC as it is")
        << u"Driver={FreeTDS};Server=srv;Port=1433;Database=Zarvel;UID=sa;PWD=x;TDS_Version=7.4"_s
        << odbc << u"Driver={FreeTDS};Server=srv;Port=1433;Database=Zarvel;UID=sa;PWD=x;TDS_Version=7.4;"_s << server;
    QTest::newRow("ODBC whose password ends the line")
        << u"Driver={FreeTDS};Server=srv;Port=1433;UID=u;PWD=secret"_s
        << odbc << u"Driver={FreeTDS};Server=srv;Port=1433;UID=u;PWD=secret;"_s << server;
    QTest::newRow("ODBC ending in a semicolon")
        << u"Driver={FreeTDS};Server=srv;PWD={a;b};"_s << odbc << u"Driver={FreeTDS};Server=srv;PWD={a;b};"_s << server;
    QTest::newRow("ODBC to SQLite") << u"Driver=SQLite3;Database=/tmp/x.db"_s << odbc
                                    << u"Driver=SQLite3;Database=/tmp/x.db;"_s << sqlite;
    QTest::newRow("DSN") << u"DSN=zarvel;UID=sa"_s << odbc << u"DSN=zarvel;UID=sa;"_s << server;
    QTest::newRow("SQLite file") << u"Provider=SQLite;Data Source=/data/cheques.db"_s << file
                                 << u"/data/cheques.db"_s << sqlite;
    QTest::newRow("doubled semicolon") << u"Provider=SQLite;;Data Source=/data/cheques.db;"_s << file
                                       << u"/data/cheques.db"_s << sqlite;
    QTest::newRow("OLE DB with doubled semicolons")
        << u"Provider=SQLOLEDB.1;;Data Source=acc-server;;User ID=sa;Password=x"_s
        << odbc << u"Driver=FreeTDS;Server=acc-server;Port=1433;"_s + tds + u"UID=sa;PWD=x;"_s << server;
    QTest::newRow("Jet") << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\a.mdb;Persist Security Info=False"_s
                         << none << QString() << server;
    QTest::newRow("nonsense") << u"hello"_s << none << QString() << server;
}

void TestDatabase::resolve()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QString, target);
    QFETCH(int, dialect);
    const ConnectionTarget resolved = ResolveConnectionString(line);
    QCOMPARE(int(resolved.kind), kind);
    QCOMPARE(resolved.databaseName, target);
    QCOMPARE(int(resolved.dialect.kind()), dialect);
}

void TestDatabase::sqliteFileIsNeverCreated()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"missing.db"_s);
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + file);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, con.open());
    QVERIFY(!con.isOpen());
    QVERIFY(!QFile::exists(file));
}

void TestDatabase::queryReadsAllRowsWithNullRules()
{
    QTemporaryDir dir;
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + makeDatabase(dir));
    Query q(con);
    q.add(u"select * from t"_s);
    q.open();
    QCOMPARE(q.recordCount(), 4);
    QCOMPARE(q.fieldNames(), (QStringList{u"id"_s, u"name"_s, u"amount"_s}));
    QVERIFY(q.locate(u"ID"_s, 1)); // field names match without case
    QCOMPARE(q.asString(u"name"_s), QString());
    QCOMPARE(q.asFloat(u"amount"_s), 100.0);
    q.last();
    QCOMPARE(q.asInteger(u"id"_s), 0);
    QCOMPARE(q.asFloat(u"amount"_s), 0.0);
    q.next();
    QVERIFY(q.eof());
    QVERIFY(!q.locate(u"id"_s, 42));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, q.value(u"nope"_s));
}

void TestDatabase::closedConnectionOpensAgain()
{
    QTemporaryDir dir;
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + makeDatabase(dir));
    QVERIFY(!con.isOpen());
    Query q(con);
    q.add(u"select count(*) as n from t"_s);
    q.open();
    QVERIFY(con.isOpen());
    con.close();
    q.execSQL();
    QVERIFY(con.isOpen());
}

void TestDatabase::statementLogSeesExactText()
{
    QTemporaryDir dir;
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + makeDatabase(dir));
    QStringList log;
    con.setStatementLog([&log](const QString &text) { log << text; });
    Query q(con);
    q.add(u"select *"_s);
    q.add(u"from t"_s);
    q.open();
    q.close();
    q.clear();
    q.add(u"delete from t where id = 3"_s);
    q.execSQL();
    QCOMPARE(log, (QStringList{u"select *\r\nfrom t"_s, u"delete from t where id = 3"_s}));
}

void TestDatabase::sortIsStableAndNumeric()
{
    QTemporaryDir dir;
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + makeDatabase(dir));
    Query q(con);
    q.add(u"select * from t"_s);
    q.open();
    q.sort(u"amount"_s);
    QStringList ids;
    const auto read = [&] {
        ids.clear();
        for (q.first(); !q.eof(); q.next())
            ids << (q.value(u"id"_s).isNull() ? u"NULL"_s : q.value(u"id"_s).toString());
    };
    read();
    // NULL first, then 9 before 30 before 100: numbers, not text.
    QCOMPARE(ids, (QStringList{u"NULL"_s, u"2"_s, u"3"_s, u"1"_s}));
    q.sort(u"name"_s);
    read();
    // The two "b" rows keep the order they had.
    QCOMPARE(ids, (QStringList{u"1"_s, u"NULL"_s, u"2"_s, u"3"_s}));
}

void TestDatabase::closedQueryRefusesToCount()
{
    Connection con;
    Query q(con);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, q.recordCount());
    QVERIFY(q.eof());
}

void TestDatabase::transactionRollsBack()
{
    QTemporaryDir dir;
    const QString file = makeDatabase(dir);
    Connection con;
    con.setConnectionString(u"Provider=SQLite;Data Source="_s + file);
    Query q(con);
    con.beginTrans();
    q.add(u"delete from t"_s);
    q.execSQL();
    con.rollbackTrans();
    QCOMPARE(sqliteColumn(file, u"select count(*) from t"_s).value(0).toInt(), 4);
}

void TestDatabase::odbcDriverOfSqlite()
{
    // The ODBC road, driven for real through unixODBC's SQLite driver.
    QTemporaryDir dir;
    const QString file = makeDatabase(dir);
    Connection con;
    con.setConnectionString(u"Driver=SQLite3;Database="_s + file);
    QCOMPARE(con.dialect().kind(), Dialect::Sqlite);
    try {
        con.open();
    } catch (const DatabaseError &e) {
        QSKIP(qPrintable(u"no SQLite ODBC driver here: "_s + e.message()));
    }
    Query q(con);
    q.add(u"select name from t where name = "_s + con.dialect().text(u"b"_s));
    q.open();
    QCOMPARE(q.recordCount(), 2);
    QCOMPARE(q.asString(u"name"_s), u"b"_s);
}

void TestDatabase::odbcDataSourceName()
{
    // A data source of our own, in an odbc.ini that only this test reads.
    QTemporaryDir dir;
    const QString file = makeDatabase(dir);
    const QString ini = dir.filePath(u"odbc.ini"_s);
    QFile settings(ini);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[chequetest]\nDriver=SQLite3\nDatabase=" + file.toUtf8() + "\n");
    settings.close();
    qputenv("ODBCINI", ini.toUtf8());
    Connection con;
    con.setConnectionString(u"Timeout=5;DSN=chequetest"_s);
    try {
        con.open();
    } catch (const DatabaseError &e) {
        qunsetenv("ODBCINI");
        QSKIP(qPrintable(u"no SQLite ODBC driver here: "_s + e.message()));
    }
    Query q(con);
    q.add(u"select count(*) as n from t"_s);
    q.open();
    QCOMPARE(q.asInteger(u"n"_s), 4);
    qunsetenv("ODBCINI");
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
