// Values read back through ODBC, over unixODBC's SQLite driver: whatever the
// column declares and however the driver cuts a long text into parts, every
// letter comes back, NULL stays NULL and the empty text stays empty.

#include "app/database.h"
#include "app/odbcreader.h"

#include "../common/testsupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestOdbcReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void textsComeBackWhole_data();
    void textsComeBackWhole();
    void numbersStayNumbers();
    void aChequeByCodeMatchesTheFile();
    void errorsNameTheStatementsFault();

private:
    // Persian letters only, as many as asked for.
    static QString letters(int count)
    {
        const QString alphabet = u"ابپتثجچحخدذرزژسشصضطظعغفقکگلمنوهی"_s;
        QString text;
        for (int i = 0; i < count; ++i)
            text += alphabet[i % alphabet.size()];
        return text;
    }
    Connection &odbc() { return m_odbc; }

    QTemporaryDir m_dir;
    QString m_file;
    Connection m_odbc;
    bool m_haveDriver = false;
};

void TestOdbcReader::initTestCase()
{
    m_file = m_dir.filePath(u"values.db"_s);
    sqliteExec(m_file, {u"create table t(id integer, c5 nvarchar(5), c20 nvarchar(20), c255 nvarchar(255),"
                        u" c4000 nvarchar(4000))"_s});
    m_odbc.setConnectionString(u"Driver=SQLite3;Database="_s + m_file);
    try {
        m_odbc.open();
        m_haveDriver = true;
    } catch (const DatabaseError &e) {
        qWarning("no SQLite ODBC driver here: %s", qPrintable(e.message()));
    }
}

void TestOdbcReader::textsComeBackWhole_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("stored");

    const QChar zwnj(0x200C);
    const QString smile = QString::fromUcs4(U"\U0001F600");
    QTest::newRow("nvarchar(5), full") << u"c5"_s << QVariant(u"سلامت"_s);
    QTest::newRow("nvarchar(20), full") << u"c20"_s << QVariant(letters(20));
    QTest::newRow("nvarchar(255), full") << u"c255"_s << QVariant(letters(255));
    QTest::newRow("status word") << u"c20"_s << QVariant(u"به حساب گذاشته شده"_s);
    QTest::newRow("zero-width non-joiner") << u"c20"_s << QVariant(u"می"_s + zwnj + u"خواهم"_s + zwnj + u"ها"_s);
    QTest::newRow("four-byte character") << u"c5"_s << QVariant(u"چک"_s + smile + u"ها"_s);
    // 511 UTF-16 units fit one part: here the pair falls across the cut.
    QTest::newRow("pair across a part") << u"c4000"_s << QVariant(letters(510) + smile + letters(600));
    QTest::newRow("4000 letters") << u"c4000"_s << QVariant(letters(4000));
    QTest::newRow("4000 letters with marks")
        << u"c4000"_s << QVariant(QString(letters(1000) + zwnj + smile + u"ٔ"_s).repeated(4));
    QTest::newRow("empty text") << u"c20"_s << QVariant(u""_s);
    QTest::newRow("NULL") << u"c20"_s << QVariant(QMetaType::fromType<QString>());
}

void TestOdbcReader::textsComeBackWhole()
{
    if (!m_haveDriver)
        QSKIP("no SQLite ODBC driver here");
    QFETCH(QString, column);
    QFETCH(QVariant, stored);
    static int id = 0;
    ++id;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"writer"_s);
        db.setDatabaseName(m_file);
        QVERIFY(db.open());
        QSqlQuery insert(db);
        insert.prepare(u"insert into t(id, %1) values(?, ?)"_s.arg(column));
        insert.addBindValue(id);
        insert.addBindValue(stored);
        QVERIFY(insert.exec());
        db.close();
    }
    QSqlDatabase::removeDatabase(u"writer"_s);

    Query q(odbc());
    q.add(u"select * from t where id = "_s + QString::number(id));
    q.open();
    QCOMPARE(q.recordCount(), 1);
    const QVariant read = q.value(column);
    QCOMPARE(read.isNull(), stored.isNull());
    if (!stored.isNull()) {
        QCOMPARE(read.typeId(), QMetaType::QString);
        QCOMPARE(read.toString().size(), stored.toString().size());
        QCOMPARE(read.toString(), stored.toString());
    }
    QCOMPARE(q.value(u"id"_s).typeId(), QMetaType::LongLong);
}

void TestOdbcReader::numbersStayNumbers()
{
    if (!m_haveDriver)
        QSKIP("no SQLite ODBC driver here");
    QTemporaryDir dir;
    const QString file = dir.filePath(u"cheques.db"_s);
    WriteSampleDatabase(file, 3);
    sqliteExec(file, {u"update checkk set mablaghch = 1500000.5 where code = 2"_s});
    Connection con;
    con.setConnectionString(u"Driver=SQLite3;Database="_s + file);
    con.open();
    Query q(con);
    q.add(u"Select * from [checkk] where [checkk].[code]=2"_s);
    q.open();
    QCOMPARE(q.value(u"code"_s).typeId(), QMetaType::LongLong);
    QCOMPARE(q.value(u"fakcode"_s).typeId(), QMetaType::LongLong);
    // SQLite's ODBC driver declares a decimal as text (SQL Server as a
    // decimal, which is read as a number); either way it reads as the amount.
    QCOMPARE(q.asFloat(u"mablaghch"_s), 1500000.5);
}

void TestOdbcReader::aChequeByCodeMatchesTheFile()
{
    if (!m_haveDriver)
        QSKIP("no SQLite ODBC driver here");
    // Every cheque of the sample, awkward rows included, read by its code
    // as the preview and the print read it: through ODBC and from the file.
    QTemporaryDir dir;
    const QString file = dir.filePath(u"cheques.db"_s);
    WriteSampleDatabase(file, 40);
    Connection viaOdbc, viaFile;
    viaOdbc.setConnectionString(u"Driver=SQLite3;Database="_s + file);
    viaFile.setConnectionString(u"Provider=SQLite;Data Source="_s + file);
    for (int code = 1; code <= 41; ++code) { // 41 is no cheque
        Query a(viaOdbc), b(viaFile);
        const QString statement = u"Select * from [checkk] where [checkk].[code]="_s + QString::number(code);
        a.add(statement);
        b.add(statement);
        a.open();
        b.open();
        QCOMPARE(a.fieldNames(), b.fieldNames());
        QCOMPARE(a.recordCount(), b.recordCount());
        if (a.isEmpty())
            continue;
        for (const QString &field : a.fieldNames()) {
            const QVariant x = a.value(field), y = b.value(field);
            QVERIFY2(x.isNull() == y.isNull() && x.toString() == y.toString(),
                     qPrintable(u"code %1, %2: %3 / %4"_s.arg(code).arg(field, x.toString(), y.toString())));
        }
    }
}

void TestOdbcReader::errorsNameTheStatementsFault()
{
    if (!m_haveDriver)
        QSKIP("no SQLite ODBC driver here");
    Query q(odbc());
    q.add(u"select v from nowhere"_s);
    try {
        q.open();
        QFAIL("a select of a missing table opened");
    } catch (const DatabaseError &e) {
        QVERIFY2(e.message().contains(u"nowhere"_s), qPrintable(e.message()));
    }
    QVERIFY(!q.isOpen());
    // The connection is still good for the next statement.
    q.close();
    q.clear();
    q.add(u"select count(*) as n from t"_s);
    q.open();
    QVERIFY(q.asInteger(u"n"_s) >= 0);
}

QTEST_MAIN(TestOdbcReader)
#include "tst_odbcreader.moc"
