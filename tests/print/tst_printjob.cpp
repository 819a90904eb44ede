#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"
#include "print/frm_printcheque.h"
#include "print/printjob.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "report/reportprinter.h"
#include "templates/frm_chequedesign.h"
#include "ui/spinedit.h"
#include "wording/amounts.h"
#include "wording/dates.h"

#include "printfixture.h"
#include "printingprogram.h"
#include "../common/runningprogram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

// The place a fixture item's text must take on paper, in millimetres.
struct Expected
{
    FixtureItem item;
    QString text;
};

class TestPrintJob : public QObject, protected PrintingProgram
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void printsTheSixTextsAtTheirPlaces_data();
    void printsTheSixTextsAtTheirPlaces();
    void edgesHoldWhateverTheTextsLength();
    void hiddenItemPrintsNothing();
    void secondPrintKeepsNothingOfTheFirst();
    void datesAsThePackageWritesThem_data();
    void datesAsThePackageWritesThem();
    void refusedChequePrintsNothing_data();
    void refusedChequePrintsNothing();
    void codeWithoutChequeIsRefused();
    void designerPrintsWhatItShows();
    void withoutPrinterNothingIsPrinted();

private:
    // Prints and reads the one page back.
    PdfPage print(qint64 chequeId, qint64 code);
    void compareLine(const PdfPage &page, const FixtureItem &item, const QString &text);

    QStringList &m_reports = m_program.reports;
    QStringList &m_statements = m_program.statements;
};

void TestPrintJob::init()
{
    startPrinting();
}

void TestPrintJob::cleanup()
{
    m_program.stop();
}

PdfPage TestPrintJob::print(qint64 chequeId, qint64 code)
{
    QFile::remove(pdf());
    const int before = frm_PrintCheque->pagesPrinted();
    PrintChequeWithTemplate(chequeId, code);
    if (frm_PrintCheque->pagesPrinted() != before + 1)
        return {};
    const QList<PdfPage> pages = ReadPdf(pdf());
    return pages.size() == 1 ? pages.first() : PdfPage{};
}

void TestPrintJob::compareLine(const PdfPage &page, const FixtureItem &item, const QString &text)
{
    const QList<PdfWord> line = WordsAt(page, item.top * mmPerPixel());
    const bool rightToLeft = item.bidiMode == 1;
    QCOMPARE(LineText(line, rightToLeft), WithoutBlanks(text));
    if (text.isEmpty())
        return;
    // Left-to-right items keep their left edge, right-to-left ones their right.
    if (rightToLeft)
        QVERIFY2(std::abs(RightMm(line) - item.right * mmPerPixel()) < 0.3, qPrintable(item.name));
    else
        QVERIFY2(std::abs(LeftMm(line) - item.left * mmPerPixel()) < 0.3, qPrintable(item.name));
}

void TestPrintJob::printsTheSixTextsAtTheirPlaces_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("length");
    QTest::addColumn<QPageLayout::Orientation>("expected");
    QTest::newRow("fed horizontally") << 0 << 120 << 60 << QPageLayout::Portrait;
    QTest::newRow("fed vertically") << 1 << 120 << 60 << QPageLayout::Landscape;
    QTest::newRow("no entry") << 5 << 130 << 65 << QPageLayout::Portrait;
}

void TestPrintJob::printsTheSixTextsAtTheirPlaces()
{
    QFETCH(int, orientation);
    QFETCH(int, width);
    QFETCH(int, length);
    QFETCH(QPageLayout::Orientation, expected);
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, width, length, orientation);
    sqliteExec(db(), {u"update checkk set tarikh='1402/01/15', mablaghch=1500000 where code=1"_s});
    const QString payee = sqliteColumn(db(), u"select sharh from checkk where code=1"_s).value(0).toString();
    QVERIFY(!payee.isEmpty());

    const PdfPage page = print(id, 1);
    QVERIFY(!page.size.isEmpty());
    // Exactly the template's width across and length down, never swapped.
    QVERIFY(std::abs(page.size.width() / kPointsPerMm - width) < 0.5);
    QVERIFY(std::abs(page.size.height() / kPointsPerMm - length) < 0.5);
    QCOMPARE(frm_PrintCheque->QR->orientation(), expected);
    const QPageLayout layout = ReportPageLayout(*frm_PrintCheque->QR);
    QCOMPARE(layout.orientation(), expected);
    QCOMPARE(layout.fullRect(QPageLayout::Millimeter).size(), QSizeF(width, length));
    QCOMPARE(layout.margins(), QMarginsF());

    const QString grouped = u"1,500,000"_s;
    const QList<FixtureItem> items = FixtureItems();
    const QStringList texts = {u"1402/01/15"_s, DateToWords(u"1402/01/15"_s), DigitAmountCaption(grouped),
                               AmountToRialWords(grouped), payee, AmountToTomanWords(grouped)};
    for (int i = 0; i < items.size(); ++i)
        compareLine(page, items[i], texts[i]);
    // The picture is never printed: nothing but the six lines.
    int onLines = 0;
    for (const FixtureItem &item : items)
        onLines += int(WordsAt(page, item.top * mmPerPixel()).size());
    QCOMPARE(int(page.words.size()), onLines);
    QVERIFY(m_reports.isEmpty());
}

void TestPrintJob::edgesHoldWhateverTheTextsLength()
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const QString payee = sqliteColumn(db(), u"select sharh from checkk where code=1"_s).value(0).toString();
    sqliteExec(db(), {u"update checkk set tarikh='1402/01/15', mablaghch=1000, sharh='%1' where code=1"_s.arg(payee),
                      u"update checkk set tarikh='1399/12/29', mablaghch=987654321000, sharh='%1' where code=2"_s
                          .arg(payee + u' ' + payee + u' ' + payee)});
    const PdfPage shortPage = print(id, 1);
    const PdfPage longPage = print(id, 2);
    for (const FixtureItem &item : FixtureItems()) {
        const QList<PdfWord> a = WordsAt(shortPage, item.top * mmPerPixel());
        const QList<PdfWord> b = WordsAt(longPage, item.top * mmPerPixel());
        QVERIFY2(!a.isEmpty() && !b.isEmpty(), qPrintable(item.name));
        if (item.bidiMode == 1) {
            QVERIFY2(std::abs(RightMm(a) - RightMm(b)) < 0.3, qPrintable(item.name));
            QVERIFY2(std::abs(RightMm(a) - item.right * mmPerPixel()) < 0.3, qPrintable(item.name));
        } else {
            QVERIFY2(std::abs(LeftMm(a) - LeftMm(b)) < 0.3, qPrintable(item.name));
        }
    }
    // The longer texts really are longer, grown to the left.
    const double payeeTop = FixtureItems()[4].top * mmPerPixel();
    QVERIFY(LeftMm(WordsAt(longPage, payeeTop)) < LeftMm(WordsAt(shortPage, payeeTop)) - 10);
}

void TestPrintJob::hiddenItemPrintsNothing()
{
    QList<FixtureItem> items = FixtureItems();
    items[3].visibility = 0; // AlphaAmount
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0, items);
    const PdfPage page = print(id, 1);
    QVERIFY(!page.size.isEmpty());
    for (int i = 0; i < items.size(); ++i) {
        const QList<PdfWord> line = WordsAt(page, items[i].top * mmPerPixel());
        QCOMPARE(line.isEmpty(), i == 3);
    }
}

void TestPrintJob::secondPrintKeepsNothingOfTheFirst()
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const auto words = [](const PdfPage &page) {
        QStringList list;
        for (const PdfWord &w : page.words)
            list << u"%1 %2 %3 %4 %5"_s.arg(w.text).arg(w.box.left(), 0, 'f', 1).arg(w.box.top(), 0, 'f', 1)
                        .arg(w.box.right(), 0, 'f', 1).arg(w.box.bottom(), 0, 'f', 1);
        return list;
    };
    const PdfPage first = print(id, 3);
    // The built-in template 2 is larger, with other places and fonts; then
    // an upright one of another size.
    const PdfPage other = print(2, 4);
    QVERIFY(!other.size.isEmpty());
    QVERIFY(other.size != first.size);
    sqliteExec(db(), {u"update Cheque set Orientation=1 where ChID=3"_s});
    QCOMPARE(print(3, 4).words.isEmpty(), false);
    QCOMPARE(frm_PrintCheque->QR->orientation(), QPageLayout::Landscape);

    const PdfPage again = print(id, 3);
    QCOMPARE(again.size, first.size);
    QCOMPARE(words(again), words(first));
    QCOMPARE(frm_PrintCheque->QR->orientation(), QPageLayout::Portrait);
}

void TestPrintJob::datesAsThePackageWritesThem_data()
{
    QTest::addColumn<QString>("tarikh");
    QTest::addColumn<QString>("readAs");
    QTest::newRow("one-digit month and day") << u"1403/7/5"_s << u"1403/07/05"_s;
    QTest::newRow("one-digit month") << u"1403/7/15"_s << u"1403/07/15"_s;
    QTest::newRow("one-digit day") << u"1403/07/5"_s << u"1403/07/05"_s;
    QTest::newRow("date text") << u"1402/12/29"_s << u"1402/12/29"_s;
}

void TestPrintJob::datesAsThePackageWritesThem()
{
    QFETCH(QString, tarikh);
    QFETCH(QString, readAs);
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const qint64 code = AddCheque(db(), tarikh, 2500000, u"payee"_s);
    const PdfPage page = print(id, code);
    QVERIFY(!page.size.isEmpty());
    const QList<FixtureItem> items = FixtureItems();
    compareLine(page, items[0], tarikh); // the digits as stored
    compareLine(page, items[1], DateToWords(readAs)); // never the template's placeholder
    compareLine(page, items[2], DigitAmountCaption(u"2,500,000"_s));
    compareLine(page, items[3], AmountToRialWords(u"2,500,000"_s));
    compareLine(page, items[4], u"payee"_s);
}

void TestPrintJob::refusedChequePrintsNothing_data()
{
    QTest::addColumn<QVariant>("tarikh");
    QTest::addColumn<QVariant>("mablaghch");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("why");
    const QString notWhole = u"مبلغ چک باید عددی صحیح و نامنفی باشد"_s;
    const QString form = u"تاریخ به فرم صحیح نمی باشد"_s;
    const QVariant date(u"1402/01/15"_s);
    QTest::newRow("negative") << date << QVariant(-5000) << u"مبلغ"_s << notWhole;
    QTest::newRow("fraction") << date << QVariant(1500.5) << u"مبلغ"_s << notWhole;
    QTest::newRow("sixteen digits") << date << QVariant(1e15) << u"مبلغ"_s << u"پانزده"_s;
    QTest::newRow("amount that is text") << date << QVariant(u"abc"_s) << u"مبلغ"_s << notWhole;
    QTest::newRow("empty date") << QVariant(u""_s) << QVariant(1000) << u"تاریخ"_s << form;
    QTest::newRow("NULL date") << QVariant() << QVariant(1000) << u"تاریخ"_s << form;
    QTest::newRow("month 13") << QVariant(u"1403/13/01"_s) << QVariant(1000) << u"تاریخ"_s
                              << u"ماه اشتباه است"_s;
    QTest::newRow("day 31 of Mehr") << QVariant(u"1403/7/31"_s) << QVariant(1000) << u"تاریخ"_s
                                    << u"روز اشتباه است"_s;
    QTest::newRow("not a date") << QVariant(u"abc"_s) << QVariant(1000) << u"تاریخ"_s << form;
    QTest::newRow("Persian digits") << QVariant(u"۱۴۰۳/۰۷/۱۵"_s) << QVariant(1000) << u"تاریخ"_s << form;
}

void TestPrintJob::refusedChequePrintsNothing()
{
    QFETCH(QVariant, tarikh);
    QFETCH(QVariant, mablaghch);
    QFETCH(QString, field);
    QFETCH(QString, why);
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const qint64 code = AddCheque(db(), tarikh, mablaghch, u"payee"_s);
    frm_ChequeDesign->edt_payment->setText(u"before"_s);
    QFile::remove(pdf());
    QString message;
    try {
        PrintChequeWithTemplate(id, code);
    } catch (const AppError &e) {
        message = e.message();
    }
    QVERIFY2(message.contains(field) && message.contains(why), qPrintable(message));
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 0);
    QVERIFY(!QFile::exists(pdf()));
    // Refused before the designer's fields change.
    QCOMPARE(frm_ChequeDesign->edt_payment->text(), u"before"_s);
}

void TestPrintJob::codeWithoutChequeIsRefused()
{
    // No row: an empty date, which cannot be printed.
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    QVERIFY_THROWS_EXCEPTION(AppError, PrintChequeWithTemplate(id, 99999));
    QVERIFY(m_statements.contains(u"Select * from [checkk] where [checkk].[code]=99999"_s));
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 0);
}

void TestPrintJob::designerPrintsWhatItShows()
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 1);
    frm_ChequeDesign->LoadCheque(id);
    frm_ChequeDesign->edt_Width->setCurrentValue(125);
    frm_ChequeDesign->edt_Length->setCurrentValue(70);
    frm_ChequeDesign->cmb_page->setCurrentIndex(0);
    frm_ChequeDesign->chk_Payment->setChecked(false);
    m_statements.clear();
    QFile::remove(pdf());
    QTest::mouseClick(frm_ChequeDesign->BitBtn9, Qt::LeftButton);

    const QList<PdfPage> pages = ReadPdf(pdf());
    QCOMPARE(pages.size(), 1);
    const PdfPage &page = pages.first();
    QVERIFY(std::abs(page.size.width() / kPointsPerMm - 125) < 0.5);
    QVERIFY(std::abs(page.size.height() / kPointsPerMm - 70) < 0.5);
    QCOMPARE(frm_PrintCheque->QR->orientation(), QPageLayout::Portrait);
    const QList<FixtureItem> items = FixtureItems();
    const QStringList captions = {u"date"_s, u"alpha-date"_s, u"amount"_s, u"rials"_s, QString(), u"tomans"_s};
    for (int i = 0; i < items.size(); ++i)
        compareLine(page, items[i], captions[i]);
    QVERIFY(m_statements.isEmpty()); // nothing read
}

void TestPrintJob::withoutPrinterNothingIsPrinted()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer; the test runs where there is none");
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    frm_PrintCheque->setOutputFile(QString());
    QVERIFY(!PrintChequeWithTemplate(id, 1));
    QCOMPARE(frm_PrintCheque->pagesPrinted(), 0);
    QVERIFY(m_reports.isEmpty());
    // The job ran: the designer holds the cheque.
    QVERIFY(!frm_ChequeDesign->lbl_Payment->text().isEmpty());
}

int main(int argc, char *argv[])
{
    // No real printer, whatever this machine has: the tests print to PDF.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    ChequeApplication app(argc, argv);
    TestPrintJob test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printjob.moc"
