// Printing as the user meets it in the template list: the preview is the
// paper, a cheque that cannot be written out is refused before any paper,
// every page handed over is registered, and a second print asks first.

#include "app/application.h"
#include "app/forms.h"
#include "print/chequetexts.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "print/printerchoice.h"
#include "print/printregister.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "wording/dates.h"

#include "listfixture.h"
#include "printfixture.h"
#include "printingprogram.h"
#include "../common/runningprogram.h"

#include <QComboBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

class TestPrinting : public QObject, protected PrintingProgram
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readableDates_data();
    void readableDates();
    void registerStatementsInTsql();
    void previewIsThePaper_data();
    void previewIsThePaper();
    void refusedChequeNeverReachesPaper_data();
    void refusedChequeNeverReachesPaper();
    void printingTwiceAsksFirst();
    void failedRegisterIsReportedAfterThePage();
    void withoutAnyPrinterPrintingSaysSo();
    void designerTestPrintIsNotACheque();
    void itemOffThePageIsWarnedOfOnce();
    void chosenPrinterIsRemembered();

private:
    // Opens the template list for `code` on the template `title` and runs `act`.
    void onTemplate(qint64 code, const QString &title, const std::function<void()> &act);
    static QList<ReportLabel *> previewLabels(); // in the order of FixtureItems()
};

void TestPrinting::init()
{
    startPrinting();
}

void TestPrinting::cleanup()
{
    m_program.stop();
}

void TestPrinting::onTemplate(qint64 code, const QString &title, const std::function<void()> &act)
{
    frm_DesignedChequeList->RefreshTemplates();
    WithTemplateList(code, [&] {
        Tfrm_DesignedChequeList *list = frm_DesignedChequeList;
        const QAbstractItemModel *model = list->DBGrid1->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == title)
                list->DBGrid1->setCurrentIndex(model->index(row, 0));
        }
        act();
    });
}

QList<ReportLabel *> TestPrinting::previewLabels()
{
    const Tfrm_DesignedChequeList *l = frm_DesignedChequeList;
    return {l->lbl_DigitDate, l->lbl_AlphaDate, l->lbl_DigitAmount, l->lbl_AlphaAmount, l->lbl_Payment,
            l->lbl_AlphaAmountToman};
}

void TestPrinting::readableDates_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");
    QTest::newRow("one digit each") << u"1403/7/5"_s << u"1403/07/05"_s;
    QTest::newRow("one-digit month") << u"1403/7/15"_s << u"1403/07/15"_s;
    QTest::newRow("one-digit day") << u"1403/07/5"_s << u"1403/07/05"_s;
    QTest::newRow("date text") << u"1403/07/05"_s << u"1403/07/05"_s;
    QTest::newRow("three-digit day") << u"1403/7/155"_s << u"1403/7/155"_s;
    QTest::newRow("five-digit year") << u"14030/7/5"_s << u"14030/7/5"_s;
    QTest::newRow("trailing blank") << u"1403/7/5 "_s << u"1403/7/5 "_s;
    QTest::newRow("Persian digits") << u"۱۴۰۳/۷/۵"_s << u"۱۴۰۳/۷/۵"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestPrinting::readableDates()
{
    QFETCH(QString, stored);
    QFETCH(QString, read);
    QCOMPARE(ReadableChequeDate(stored), read);
}

void TestPrinting::registerStatementsInTsql()
{
    PrintRecord r;
    r.code = 12;
    r.chequeNumber = u"556'7"_s;
    r.amount = 1500000;
    r.chequeId = 3;
    r.title = u"ملت 2"_s;
    r.printer = u"HP LaserJet"_s;
    r.time = QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7));
    r.machine = u"ACC-PC"_s;
    r.user = u"sara"_s;
    QCOMPARE(InsertPrintRecordStatement(Dialect(Dialect::SqlServer), r),
             (QStringList{u"Insert into [PrintLog]([code],[shoomarehch],[mablaghch],[ChID],[Title],[PrinterName],"
                          u"[PrintTime],[MachineName],[UserName])"_s,
                          u"values(12,N'556''7',1500000,3,N'ملت 2',N'HP LaserJet','2026-12-10T09:05:07',N'ACC-PC',"
                          u"N'sara')"_s}));
    QCOMPARE(PrintsOfChequeStatement(12), u"Select * from [PrintLog] where [code]=12 order by [LogID] desc"_s);
    QCOMPARE(SolarDateTimeText(r.time), u"1405/09/19 ساعت 09:05"_s);
}

void TestPrinting::previewIsThePaper_data()
{
    QTest::addColumn<QVariant>("tarikh");
    QTest::addColumn<int>("hidden"); // the index of a hidden item, or -1
    QTest::newRow("a cheque") << QVariant(u"1402/01/15"_s) << -1;
    QTest::newRow("a date as the package writes it") << QVariant(u"1403/7/5"_s) << -1;
    QTest::newRow("a hidden item") << QVariant(u"1402/01/15"_s) << 3;
}

void TestPrinting::previewIsThePaper()
{
    QFETCH(QVariant, tarikh);
    QFETCH(int, hidden);
    QList<FixtureItem> items = FixtureItems();
    if (hidden >= 0)
        items[hidden].visibility = 0;
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0, items);
    const qint64 code = AddCheque(db(), tarikh, 1500000, u"آقای رضایی"_s);
    sqliteExec(db(), {u"update checkk set shoomarehch='778899' where code=%1"_s.arg(code)});

    QStringList previewed;
    QString state, feedback;
    onTemplate(code, u"fixture"_s, [&] {
        for (ReportLabel *label : previewLabels())
            previewed << (label->isHidden() ? QString() : label->text());
        QTest::mouseClick(frm_DesignedChequeList->btn_Print, Qt::LeftButton);
        feedback = frm_DesignedChequeList->lbl_Feedback->text();
        state = frm_DesignedChequeList->lbl_PrintState->text();
    });
    const QList<PdfPage> pages = ReadPdf(pdf());
    QCOMPARE(pages.size(), 1);
    for (int i = 0; i < items.size(); ++i) {
        const QList<PdfWord> line = WordsAt(pages.first(), items[i].top * mmPerPixel());
        QCOMPARE(LineText(line, items[i].bidiMode == 1), WithoutBlanks(previewed[i]));
        // Never one of the template's placeholders.
        QVERIFY(previewed[i] != items[i].caption);
    }
    QCOMPARE(previewed[0], tarikh.toString());
    QCOMPARE(previewed[1], DateToWords(ReadableChequeDate(tarikh.toString())));

    // Registered once, and said so in the list.
    QCOMPARE(registered(), 1);
    QCOMPARE(sqliteColumn(db(), u"select code || '|' || shoomarehch || '|' || ChID || '|' || Title || '|' || "
                                u"PrinterName || '|' || mablaghch from PrintLog"_s).value(0).toString(),
             u"%1|778899|%2|fixture|%3|1500000"_s.arg(code).arg(id).arg(pdf()));
    QVERIFY(!sqliteColumn(db(), u"select PrintTime from PrintLog"_s).value(0).toString().isEmpty());
    QVERIFY2(feedback.contains(u"778899"_s) && feedback.contains(pdf()), qPrintable(feedback));
    QVERIFY2(state.contains(u"پیش از این چاپ شده است"_s), qPrintable(state));
    QVERIFY(m_program.reports.isEmpty());
}

void TestPrinting::refusedChequeNeverReachesPaper_data()
{
    QTest::addColumn<QVariant>("tarikh");
    QTest::addColumn<QVariant>("mablaghch");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("emptied"); // the first item left empty
    const QVariant date(u"1402/01/15"_s);
    QTest::newRow("fraction") << date << QVariant(1500.5) << u"مبلغ «1500.5»"_s << 2;
    QTest::newRow("negative") << date << QVariant(-200) << u"مبلغ «-200»"_s << 2;
    QTest::newRow("sixteen digits") << date << QVariant(1e15) << u"مبلغ"_s << 2;
    QTest::newRow("empty date") << QVariant(u""_s) << QVariant(1000) << u"تاریخ:"_s << 1;
    QTest::newRow("month 13") << QVariant(u"1403/13/01"_s) << QVariant(1000) << u"تاریخ «1403/13/01»"_s << 1;
    QTest::newRow("not a date") << QVariant(u"abc"_s) << QVariant(1000) << u"تاریخ «abc»"_s << 1;
}

void TestPrinting::refusedChequeNeverReachesPaper()
{
    QFETCH(QVariant, tarikh);
    QFETCH(QVariant, mablaghch);
    QFETCH(QString, field);
    QFETCH(int, emptied);
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const qint64 code = AddCheque(db(), tarikh, mablaghch, u"payee"_s);
    DialogAnswers answers(DialogAnswers::Yes);
    QString state, tip, emptiedText;
    bool stateShown = false, printEnabled = true;
    onTemplate(code, u"fixture"_s, [&] {
        Tfrm_DesignedChequeList *list = frm_DesignedChequeList;
        state = list->lbl_PrintState->text();
        stateShown = list->lbl_PrintState->isVisible();
        printEnabled = list->btn_Print->isEnabled();
        tip = list->btn_Print->toolTip();
        emptiedText = previewLabels()[emptied]->text();
        QTest::keyClick(list->btn_Print, Qt::Key_Space);
        list->btn_PrintClick();
    });
    QVERIFY(stateShown);
    QVERIFY2(state.startsWith(u"چاپ نمی شود"_s) && state.contains(field), qPrintable(state));
    QCOMPARE(tip, state);
    QVERIFY(!printEnabled);
    QCOMPARE(emptiedText, QString()); // no placeholder stands in for it
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 0);
    QVERIFY(!QFile::exists(pdf()));
    QCOMPARE(registered(), 0);
    QVERIFY(answers.seen().isEmpty());
}

void TestPrinting::printingTwiceAsksFirst()
{
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    DialogAnswers answers(DialogAnswers::Enter);
    QList<int> pages;
    QString beforeFirst;
    onTemplate(1, u"fixture"_s, [&] {
        auto *print = frm_DesignedChequeList->btn_Print;
        beforeFirst = frm_DesignedChequeList->lbl_PrintState->text();
        QTest::mouseClick(print, Qt::LeftButton); // the first print asks nothing
        pages << frm_PrintCheque->pagesPrinted();
        QTest::mouseClick(print, Qt::LeftButton); // Enter: the default, No
        pages << frm_PrintCheque->pagesPrinted();
        answers.setAnswer(DialogAnswers::No);
        QTest::mouseClick(print, Qt::LeftButton);
        pages << frm_PrintCheque->pagesPrinted();
        answers.setAnswer(DialogAnswers::Yes);
        QTest::mouseClick(print, Qt::LeftButton);
        pages << frm_PrintCheque->pagesPrinted();
    });
    QCOMPARE(beforeFirst, QString());
    QCOMPARE(pages, (QList<int>{1, 1, 1, 2}));
    QCOMPARE(registered(), 2);
    QCOMPARE(answers.seen().size(), 3);
    for (const DialogAnswers::Seen &asked : answers.seen()) {
        QCOMPARE(asked.kind, 4);
        QCOMPARE(asked.caption, u"سؤال"_s);
        QVERIFY(asked.noIsDefault);
        QVERIFY2(asked.message.contains(pdf()), qPrintable(asked.message)); // where it went
    }
    const QString when = SolarDateTimeText(QDateTime::currentDateTime()).left(10);
    QVERIFY2(answers.seen().first().message.contains(when), qPrintable(answers.seen().first().message));
}

void TestPrinting::failedRegisterIsReportedAfterThePage()
{
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    sqliteExec(db(), {u"create trigger full before insert on PrintLog begin select raise(abort, 'register is full'); end"_s});
    DialogAnswers answers(DialogAnswers::Yes);
    onTemplate(1, u"fixture"_s, [&] { QTest::mouseClick(frm_DesignedChequeList->btn_Print, Qt::LeftButton); });
    QCOMPARE(ReadPdf(pdf()).size(), 1); // the cheque is on paper
    QCOMPARE(registered(), 0);
    QCOMPARE(answers.seen().size(), 1);
    const DialogAnswers::Seen &said = answers.seen().first();
    QCOMPARE(said.caption, u"خطا"_s);
    QVERIFY2(said.message.contains(u"ثبت نشد"_s) && said.message.contains(u"register is full"_s),
             qPrintable(said.message));
}

void TestPrinting::withoutAnyPrinterPrintingSaysSo()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty() || !QPrinterInfo::defaultPrinterName().isEmpty())
        QSKIP("this machine has a printer; the test runs where there is none");
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    frm_PrintCheque->setOutputFile(QString());
    DialogAnswers answers(DialogAnswers::Yes);
    QString printer;
    bool choosable = true;
    onTemplate(1, u"fixture"_s, [&] {
        printer = frm_DesignedChequeList->cmb_Printer->currentText();
        choosable = frm_DesignedChequeList->cmb_Printer->isEnabled();
        QTest::mouseClick(frm_DesignedChequeList->btn_Print, Qt::LeftButton);
    });
    QCOMPARE(printer, u"هیچ چاپگری نصب نیست"_s);
    QVERIFY(!choosable);
    QCOMPARE(answers.seen().size(), 1);
    QVERIFY2(answers.seen().first().message.contains(u"هیچ چاپگری"_s), qPrintable(answers.seen().first().message));
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 0);
    QCOMPARE(registered(), 0);
}

void TestPrinting::designerTestPrintIsNotACheque()
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    frm_ChequeDesign->LoadCheque(id);
    DialogAnswers answers(DialogAnswers::Yes);
    QTest::mouseClick(frm_ChequeDesign->BitBtn9, Qt::LeftButton);
    QTest::mouseClick(frm_ChequeDesign->BitBtn9, Qt::LeftButton);
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 2);
    QCOMPARE(registered(), 0);
    QVERIFY(answers.seen().isEmpty());
}

void TestPrinting::itemOffThePageIsWarnedOfOnce()
{
    QList<FixtureItem> items = FixtureItems();
    items[0].left = 2000; // the date in digits, far to the right of a 120 mm page
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0, items);
    DialogAnswers answers(DialogAnswers::Yes);
    onTemplate(1, u"fixture"_s, [&] { QTest::mouseClick(frm_DesignedChequeList->btn_Print, Qt::LeftButton); });
    QCOMPARE(answers.seen().size(), 1);
    QCOMPARE(answers.seen().first().caption, u"هشدار"_s);
    QVERIFY(answers.seen().first().message.contains(u"تاریخ به عدد"_s));
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 1); // printed all the same
}

void TestPrinting::chosenPrinterIsRemembered()
{
    QCOMPARE(PrinterChoice::chosen(), QString());
    PrinterChoice::setChosen(u"Office"_s);
    QCOMPARE(PrinterChoice::chosen(), u"Office"_s);
    // Not installed here: the page goes to the system's default instead.
    if (!QPrinterInfo::availablePrinterNames().contains(u"Office"_s))
        QCOMPARE(PrinterChoice::effective(), PrinterChoice::systemDefault());
    PrinterChoice::setChosen(QString());
    QCOMPARE(PrinterChoice::chosen(), QString());
}

int main(int argc, char *argv[])
{
    // No real printer, whatever this machine has: the tests print to PDF.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    ChequeApplication app(argc, argv);
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printing.moc"
