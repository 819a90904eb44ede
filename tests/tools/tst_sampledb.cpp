#include "../common/testsupport.h"

#include <QProcess>

using namespace Qt::Literals::StringLiterals;

class TestSampleDb : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameCheques_everyTime();
    void awkwardRowsAreThere();
    void refusesToOverwrite();

private:
    static QVariantList dump(const QString &file)
    {
        return sqliteColumn(file, u"select code || '|' || coalesce(esmcode,'') || '|' || bank || '|' "
                                  u"|| tarikh || '|' || coalesce(sharh,'NULL') || '|' || mablaghch || '|' "
                                  u"|| status from checkk order by code"_s);
    }
};

void TestSampleDb::sameCheques_everyTime()
{
    QTemporaryDir dir;
    WriteSampleDatabase(dir.filePath(u"a.db"_s), 200);
    WriteSampleDatabase(dir.filePath(u"b.db"_s), 200);
    const QVariantList a = dump(dir.filePath(u"a.db"_s));
    QCOMPARE(a.size(), 200);
    QCOMPARE(dump(dir.filePath(u"b.db"_s)), a);
    // Every column the cheque list binds is there.
    const QVariantList columns = sqliteColumn(dir.filePath(u"a.db"_s), u"select name from pragma_table_info('checkk')"_s);
    QStringList names;
    for (const QVariant &v : columns)
        names << v.toString();
    QCOMPARE(names, (QStringList{u"code"_s, u"fakcode"_s, u"faknum"_s, u"esmcode"_s, u"kind"_s,
                                 u"shoomarehch"_s, u"bank"_s, u"tarikh"_s, u"sharh"_s, u"shhesab"_s,
                                 u"mablaghch"_s, u"tarikhvoorod"_s, u"bankhesab"_s, u"status"_s,
                                 u"ashkhas_table"_s, u"f_ashkhas_table"_s, u"kfakcode"_s}));
}

void TestSampleDb::awkwardRowsAreThere()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"a.db"_s);
    WriteSampleDatabase(file, 500);
    QCOMPARE(sqliteColumn(file, u"select count(*) from checkk where sharh is null"_s).value(0).toInt(), 1);
    QCOMPARE(sqliteColumn(file, u"select count(*) from checkk where esmcode like '%''%'"_s).value(0).toInt(), 1);
    QCOMPARE(sqliteColumn(file, u"select count(*) from checkk where length(tarikh) <> 10"_s).value(0).toInt(), 1);
    QCOMPARE(sqliteColumn(file, u"select count(*) from checkk where mablaghch <> round(mablaghch)"_s).value(0).toInt(), 1);
    QVERIFY(sqliteColumn(file, u"select max(mablaghch) from checkk"_s).value(0).toDouble() >= 1e11);
    QVERIFY(sqliteColumn(file, u"select count(distinct status) from checkk"_s).value(0).toInt() == 7);
    QVERIFY(sqliteColumn(file, u"select count(distinct bank) from checkk"_s).value(0).toInt() >= 5);
    const QVariantList years = sqliteColumn(file, u"select distinct substr(tarikh, 1, 4) from checkk order by 1"_s);
    QCOMPARE(years.first().toString(), u"1399"_s);
    QCOMPARE(years.last().toString(), u"1403"_s);
}

void TestSampleDb::refusesToOverwrite()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"a.db"_s);
    QFile existing(file);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    QProcess tool;
    tool.start(QStringLiteral(SAMPLEDB_TOOL), {file, u"10"_s});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 1);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("keep me"));
    existing.close();
    tool.start(QStringLiteral(SAMPLEDB_TOOL), {u"--force"_s, file, u"10"_s});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(dump(file).size(), 10);
}

QTEST_GUILESS_MAIN(TestSampleDb)
#include "tst_sampledb.moc"
