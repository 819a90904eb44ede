#include "app/application.h"
#include "app/forms.h"
#include "browse/chequelistmodel.h"
#include "browse/frm_main.h"
#include "browse/search.h"
#include "print/frm_designedchequelist.h"
#include "ui/frm_dlg.h"
#include "ui/maskededit.h"
#include "wording/amounts.h"
#include "wording/persianorder.h"

#include "../common/runningprogram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTableView>

#include <numeric>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kMellat = u"ملت"_s;
const QString kNotPassed = u"پاس نشده"_s;

// Rows of a text column where `pattern` matches, counted by SQLite itself
// with the pattern bound, not written into the statement.
int CountLike(const QString &db, const QString &column, const QString &pattern)
{
    int count = -1;
    {
        QSqlDatabase con = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"count-like"_s);
        con.setDatabaseName(db);
        if (con.open()) {
            QSqlQuery query(con);
            query.prepare(u"select count(*) from checkk where [%1] like ?"_s.arg(column));
            query.addBindValue(pattern);
            if (query.exec() && query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(u"count-like"_s);
    return count;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void conditionInTsql_data();
    void conditionInTsql();
    void searchSendsItsStatement_data();
    void searchSendsItsStatement();
    void hostileTextsMatchAsPatterns_data();
    void hostileTextsMatchAsPatterns();
    void untickedFilterIsIgnored();
    void amountTypedThroughTheMask();
    void emptyAmountLeavesTheList();
    void failedSearchEmptiesTheGrid_data();
    void failedSearchEmptiesTheGrid();
    void sortByAmountAsNumbers();
    void sortByNameInPersianOrder();
    void sortKeepsTheOrderOfEqualKeys();
    void textSortAgreesWithTheKeys();
    void titleClickOnAClosedList();
    void searchOpensTheConnectionAgain();
    void odbcGivesTheSameList();

private:
    QString db() const { return m_program.folder->fallbackDatabase(); }
    QString lastListStatement() const;
    QList<QVariant> column(const QString &field) const;

    RunningProgram m_program;
    QStringList &m_reports = m_program.reports;
    QStringList &m_statements = m_program.statements;
};

void TestSearch::init()
{
    m_program.start(60);
}

void TestSearch::cleanup()
{
    m_program.stop();
}

QString TestSearch::lastListStatement() const
{
    for (auto it = m_statements.crbegin(); it != m_statements.crend(); ++it) {
        if (it->startsWith(u"Select * from [checkk]"_s))
            return *it;
    }
    return {};
}

QList<QVariant> TestSearch::column(const QString &field) const
{
    QList<QVariant> values;
    const ChequeList &list = frm_main->Checkk;
    const int index = list.fieldIndex(field);
    for (int row = 0; row < list.recordCount(); ++row)
        values << list.valueAt(row, index);
    return values;
}

void TestSearch::conditionInTsql_data()
{
    QTest::addColumn<ChequeSearch>("search");
    QTest::addColumn<QString>("condition");
    ChequeSearch none;
    QTest::newRow("nothing ticked") << none << QString();
    ChequeSearch example;
    example.bank = kMellat;
    example.amount = {1, u"1,500,000"_s};
    QTest::newRow("bank and amount")
        << example << u"Where [bank] like N'%ملت%' and [mablaghch]>=1500000"_s.mid(6);
    ChequeSearch all;
    all.number = u"12"_s;
    all.bank = u"b"_s;
    all.account = u"a"_s;
    all.description = u"d"_s;
    all.person = u"p"_s;
    all.status = kNotPassed;
    all.amount = {2, u"7,000"_s};
    QTest::newRow("all seven, in their order")
        << all
        << u"[shoomarehch] like N'%12%' and [bank] like N'%b%' and [shhesab] like N'%a%' and [sharh] like N'%d%' and [esmcode] like N'%p%' and [status] = N'"_s
               + kNotPassed + u"' and [mablaghch]<=7000"_s;
    ChequeSearch quoted;
    quoted.description = u"O'Neil"_s;
    quoted.amount = {7, u"5"_s}; // an unknown relation compares for equality
    QTest::newRow("quotes doubled") << quoted << u"[sharh] like N'%O''Neil%' and [mablaghch]=5"_s;
    ChequeSearch blank;
    blank.person = QString();
    blank.number = u" 7 "_s; // not trimmed
    QTest::newRow("empty and blank texts") << blank
                                           << u"[shoomarehch] like N'% 7 %' and [esmcode] like N'%%'"_s;
}

void TestSearch::conditionInTsql()
{
    QFETCH(ChequeSearch, search);
    QFETCH(QString, condition);
    QCOMPARE(SearchCondition(Dialect(Dialect::SqlServer), search), condition);
    const QStringList statement = SearchStatement(condition);
    QCOMPARE(statement.first(), u"Select * from [checkk]"_s);
    QCOMPARE(statement.size(), condition.isEmpty() ? 1 : 2);
    if (!condition.isEmpty())
        QCOMPARE(statement.last(), u"Where "_s + condition);
}

void TestSearch::searchSendsItsStatement_data()
{
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<QString>("statement");
    QTest::newRow("none") << QString() << u"Select * from [checkk]"_s;
    QTest::newRow("bank and amount")
        << u"bank amount"_s << u"Select * from [checkk]\r\nWhere [bank] like '%"_s + kMellat + u"%' and [mablaghch]>=1500000"_s;
    QTest::newRow("status untouched")
        << u"status"_s << u"Select * from [checkk]\r\nWhere [status] = '"_s + kNotPassed + u"'"_s;
}

void TestSearch::searchSendsItsStatement()
{
    QFETCH(QString, ticks);
    QFETCH(QString, statement);
    Tfrm_main *w = frm_main;
    if (ticks.contains(u"bank"_s)) {
        w->chk_bank->setChecked(true);
        w->cmb_bank->setEditText(kMellat);
    }
    if (ticks.contains(u"amount"_s)) {
        w->chk_mablaghch->setChecked(true);
        w->cmb_relation->setCurrentIndex(1);
        for (char digit : QByteArray("1500000"))
            QTest::keyClick(w->edt_mablaghch, digit);
        QCOMPARE(w->edt_mablaghch->text(), u"1,500,000"_s);
    }
    if (ticks.contains(u"status"_s))
        w->chk_status->setChecked(true);
    QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
    QCOMPARE(lastListStatement(), statement);
    QVERIFY(m_reports.isEmpty());
    // What the grid shows is what the database finds.
    const QString where = statement.contains(u"Where "_s) ? statement.section(u"Where "_s, 1) : u"1=1"_s;
    QCOMPARE(w->listModel()->rowCount(),
             sqliteColumn(db(), u"select count(*) from checkk where "_s + where).value(0).toInt());
}

void TestSearch::hostileTextsMatchAsPatterns_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quote") << u"'"_s;
    QTest::newRow("statement breaking out") << u"x'; drop table checkk; --"_s;
    QTest::newRow("brackets") << u"[a]"_s;
    QTest::newRow("comment") << u"/* -- */"_s;
    QTest::newRow("percent") << u"%"_s;
    QTest::newRow("underscore") << u"_"_s;
    QTest::newRow("pattern inside") << u"a_c"_s;
}

void TestSearch::hostileTextsMatchAsPatterns()
{
    QFETCH(QString, text);
    const auto add = [this](const QString &sharh) {
        sqliteExec(db(), {u"insert into checkk(sharh,status) values('%1','x')"_s.arg(QString(sharh).replace(u"'"_s, u"''"_s))});
    };
    add(text);
    add(u"abc"_s);
    add(u"a'b"_s);
    add(QString());
    Tfrm_main *w = frm_main;
    w->chk_sharh->setChecked(true);
    w->edt_sharh->setText(text);
    QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
    QVERIFY2(m_reports.isEmpty(), qPrintable(m_reports.join(u'\n')));
    QVERIFY(w->Checkk.isOpen());
    QCOMPARE(w->listModel()->rowCount(), CountLike(db(), u"sharh"_s, u"%"_s + text + u"%"_s));
    QVERIFY(w->listModel()->rowCount() >= 1);
    // Nothing but the one select was run.
    QCOMPARE(sqliteColumn(db(), u"select count(*) from sqlite_master where name='checkk'"_s).value(0).toInt(), 1);
}

void TestSearch::untickedFilterIsIgnored()
{
    Tfrm_main *w = frm_main;
    w->chk_sharh->setChecked(true);
    w->edt_sharh->setText(u"nothing like this"_s);
    w->chk_sharh->setChecked(false);
    QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
    QCOMPARE(lastListStatement(), u"Select * from [checkk]"_s);
    QCOMPARE(w->listModel()->rowCount(), 60);
    QCOMPARE(w->edt_sharh->text(), u"nothing like this"_s);
}

void TestSearch::amountTypedThroughTheMask()
{
    MaskedEdit *edit = frm_main->edt_mablaghch;
    frm_main->chk_mablaghch->setChecked(true);
    QTest::keyClicks(edit, u"12a34-5.6"_s);
    QCOMPARE(edit->text(), u"123,456"_s);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), u"12,345"_s);
}

void TestSearch::emptyAmountLeavesTheList()
{
    Tfrm_main *w = frm_main;
    w->DBGrid1TitleClick(6); // sorted by amount: the order must survive
    const QList<QVariant> before = column(u"code"_s);
    m_statements.clear();
    w->chk_mablaghch->setChecked(true);
    QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(m_statements.isEmpty());
    QVERIFY(w->Checkk.isOpen());
    QCOMPARE(column(u"code"_s), before);
}

void TestSearch::failedSearchEmptiesTheGrid_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("no cheque table") << u"alter table checkk rename to gone"_s;
    // The search must not succeed with an empty bank column.
    QTest::newRow("no bank column") << u"alter table checkk drop column bank"_s;
    QTest::newRow("no column the grid leaves out") << u"alter table checkk drop column kfakcode"_s;
}

void TestSearch::failedSearchEmptiesTheGrid()
{
    QFETCH(QString, damage);
    Tfrm_main *w = frm_main;
    sqliteExec(db(), {damage});
    QString said;
    onNextModal([&said](QWidget *dialog) {
        said = dialog->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
        QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
    }, u"frm_Dlg"_s);
    QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
    QCOMPARE(said, u"خطا|ارتباط با پایگاه داده با شکست مواجه گردید"_s);
    QVERIFY(!w->Checkk.isOpen());
    QCOMPARE(w->listModel()->rowCount(), 0);

    // Printing now fails on the closed list and opens nothing.
    QTest::mouseClick(w->btn_Print, Qt::LeftButton);
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(!frm_DesignedChequeList->isVisible());

    // Without the connection, printing says so instead.
    w->Con.close();
    QString told;
    onNextModal([&told](QWidget *) {
        told = frm_Dlg->mem_message->toPlainText();
        QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
    }, u"frm_Dlg"_s);
    QTest::mouseClick(w->btn_Print, Qt::LeftButton);
    QCOMPARE(told, u"ارتباط با پایگاه داده برقرار نمی باشد"_s);
    QCOMPARE(m_reports.size(), 1);
}

void TestSearch::sortByAmountAsNumbers()
{
    Tfrm_main *w = frm_main;
    sqliteExec(db(), {u"insert into checkk(mablaghch,status) values(NULL,'x')"_s,
                      u"insert into checkk(mablaghch,status) values(99,'x')"_s,
                      u"insert into checkk(mablaghch,status) values(100,'x')"_s});
    QTest::mouseClick(w->BitBtn2, Qt::LeftButton);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QHeaderView *header = w->DBGrid1->horizontalHeader();
    const int amount = 6;
    QCOMPARE(w->listModel()->columns()[amount].field, u"Amount"_s);
    const QPoint title(header->sectionViewportPosition(amount) + header->sectionSize(amount) / 2, header->height() / 2);
    for (int click = 0; click < 3; ++click) {
        if (click < 2)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, title);
        else // and a double click: ascending still
            QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, title);
        const QList<QVariant> amounts = column(u"mablaghch"_s);
        QVERIFY(amounts.first().isNull()); // NULL first
        for (int i = 2; i < amounts.size(); ++i)
            QVERIFY2(amounts[i - 1].toDouble() <= amounts[i].toDouble(), qPrintable(QString::number(i)));
        QVERIFY(amounts.indexOf(QVariant(99.0)) < amounts.indexOf(QVariant(100.0)));
    }
    QCOMPARE(w->DBGrid1->currentIndex().row(), 0);
    QVERIFY(m_reports.isEmpty());
}

void TestSearch::sortByNameInPersianOrder()
{
    // Letters as their code points: kaf and Arabic kaf, yeh and Arabic yeh
    // take the same place and keep their order.
    const QStringList names = {
        u"\u06AF"_s, u"\u06A9"_s, u"\u06CC"_s, u"\u0628"_s, u"\u067E"_s, u"\u0698"_s, u"\u0632"_s,
        u"\u0686"_s, u"\u062C"_s, u"\u0627"_s, u"\u0622"_s, u"\u0643"_s, u"\u064A"_s, u"z"_s, u"1"_s,
    };
    QStringList inserts{u"delete from checkk"_s};
    for (const QString &name : names)
        inserts << u"insert into checkk(esmcode,status) values('%1','x')"_s.arg(name);
    inserts << u"insert into checkk(esmcode,status) values(NULL,'x')"_s;
    sqliteExec(db(), inserts);
    QTest::mouseClick(frm_main->BitBtn2, Qt::LeftButton);
    frm_main->DBGrid1TitleClick(4);
    QStringList sorted;
    for (const QVariant &v : column(u"esmcode"_s))
        sorted << (v.isNull() ? u"NULL"_s : v.toString());
    QCOMPARE(sorted, (QStringList{u"NULL"_s, u"1"_s, u"z"_s, u"\u0622"_s, u"\u0627"_s, u"\u0628"_s, u"\u067E"_s,
                                  u"\u062C"_s, u"\u0686"_s, u"\u0632"_s, u"\u0698"_s, u"\u06A9"_s, u"\u0643"_s,
                                  u"\u06AF"_s, u"\u06CC"_s, u"\u064A"_s}));
}

void TestSearch::sortKeepsTheOrderOfEqualKeys()
{
    Tfrm_main *w = frm_main;
    w->DBGrid1TitleClick(6); // by amount first
    const QList<QVariant> byAmount = column(u"code"_s);
    w->DBGrid1TitleClick(1); // then by bank: within a bank, still by amount
    const QList<QVariant> banks = column(u"bank"_s);
    const QList<QVariant> codes = column(u"code"_s);
    for (int i = 1; i < codes.size(); ++i) {
        if (banks[i] == banks[i - 1])
            QVERIFY(byAmount.indexOf(codes[i - 1]) < byAmount.indexOf(codes[i]));
    }
    QVERIFY(banks.size() == 60);
}

void TestSearch::textSortAgreesWithTheKeys()
{
    // Many names from few letters, with long shared beginnings, blanks,
    // empty texts and NULLs: the sort must agree with a plain stable sort
    // on the whole keys, whatever the shortcut it takes.
    const QStringList letters = {u"\u0634"_s, u"\u0631"_s, u"\u06A9"_s, u"\u0643"_s, u" "_s, u"\u200C"_s, u"a"_s};
    QRandomGenerator random(20261210);
    QStringList inserts{u"delete from checkk"_s};
    QList<std::optional<QString>> names;
    for (int i = 0; i < 1500; ++i) {
        std::optional<QString> name;
        if (random.bounded(20) != 0) {
            QString text = random.bounded(2) ? u"\u0634\u0631\u06A9\u062A "_s : QString();
            for (int n = random.bounded(12); n > 0; --n)
                text += letters[random.bounded(int(letters.size()))];
            name = text;
        }
        names << name;
        inserts << u"insert into checkk(code,esmcode,status) values(%1,%2,'x')"_s.arg(i + 1).arg(
            name ? u"'"_s + *name + u"'"_s : u"NULL"_s);
    }
    sqliteExec(db(), inserts);
    QTest::mouseClick(frm_main->BitBtn2, Qt::LeftButton);
    frm_main->DBGrid1TitleClick(4);

    QList<int> expected(names.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(), [&names](int a, int b) {
        if (!names[a] || !names[b])
            return !names[a] && names[b];
        return PersianSortKey(*names[a]) < PersianSortKey(*names[b]);
    });
    QList<QVariant> codes = column(u"code"_s);
    QCOMPARE(codes.size(), expected.size());
    for (int i = 0; i < codes.size(); ++i)
        QCOMPARE(codes[i].toInt(), expected[i] + 1);
}

void TestSearch::titleClickOnAClosedList()
{
    frm_main->Checkk.close();
    frm_main->listModel()->reload();
    frm_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_main));
    QHeaderView *header = frm_main->DBGrid1->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 5, 5));
    QCOMPARE(m_reports.size(), 1);
    QVERIFY(!frm_main->Checkk.isOpen());
}

void TestSearch::searchOpensTheConnectionAgain()
{
    frm_main->Con.close();
    QTest::mouseClick(frm_main->BitBtn2, Qt::LeftButton);
    QVERIFY(frm_main->Con.isOpen());
    QCOMPARE(frm_main->listModel()->rowCount(), 60);
    QVERIFY(m_reports.isEmpty());
}

void TestSearch::odbcGivesTheSameList()
{
    // The same file through ODBC, where the list is read through Qt SQL.
    Connection odbc;
    odbc.setConnectionString(u"Driver=SQLite3;Database="_s + db());
    try {
        odbc.open();
    } catch (const DatabaseError &e) {
        QSKIP(qPrintable(u"no SQLite ODBC driver here: "_s + e.message()));
    }
    QVERIFY(odbc.sqliteFile().isEmpty());
    ChequeList list(odbc);
    list.setKeptFields(frm_main->Checkk.keptFields(), frm_main->Checkk.numberFields());
    list.setText({u"Select * from [checkk]"_s});
    list.open();
    ChequeList &direct = frm_main->Checkk;
    QCOMPARE(list.fieldNames(), direct.fieldNames());
    QCOMPARE(list.recordCount(), direct.recordCount());
    for (const QString &field : {u"mablaghch"_s, u"esmcode"_s}) {
        list.sort(field);
        direct.sort(field);
        for (int row = 0; row < list.recordCount(); ++row) {
            for (const QString &name : list.fieldNames()) {
                const QVariant a = list.valueAt(row, list.fieldIndex(name));
                const QVariant b = direct.valueAt(row, direct.fieldIndex(name));
                QVERIFY2(a.isNull() == b.isNull() && a.toString() == b.toString(),
                         qPrintable(u"%1 %2: %3 / %4"_s.arg(row).arg(name, a.toString(), b.toString())));
            }
        }
    }
}

int main(int argc, char *argv[])
{
    ChequeApplication app(argc, argv);
    TestSearch test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_search.moc"
