// Any printer, many cheques: a printer's offset moves the printed texts and
// nothing on screen; the calibration page shows where the items fall; the
// plain-paper proof and the PDF export; several cheques printed together.

#include "app/application.h"
#include "app/forms.h"
#include "browse/chequelistmodel.h"
#include "browse/frm_main.h"
#include "print/batchprint.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "print/printerchoice.h"
#include "print/printjob.h"
#include "print/proofs.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "wording/amounts.h"
#include "wording/dates.h"

#include "listfixture.h"
#include "printfixture.h"
#include "printingprogram.h"
#include "../common/runningprogram.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

namespace {

// The page rendered at 20 pixels to the millimetre.
constexpr int kDpi = 508;
constexpr double kPxPerMm = kDpi / 25.4;

QImage Render(const QString &pdf, const QString &stem)
{
    QProcess run;
    run.start(u"pdftoppm"_s, {u"-r"_s, QString::number(kDpi), u"-png"_s, u"-singlefile"_s, pdf, stem});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    return QImage(stem + u".png"_s);
}

bool IsRed(QRgb c) { return qRed(c) > 180 && qGreen(c) < 110 && qBlue(c) < 110; }
bool IsBlue(QRgb c) { return qBlue(c) > 180 && qRed(c) < 110 && qGreen(c) < 110; }

// The centre, in millimetres, of the pixels of `is` colour along one axis
// within a window, weighted by how many there are across the window.
double CentreOf(const QImage &image, QRect window, bool columns, bool (*is)(QRgb))
{
    window &= image.rect();
    double sum = 0, weight = 0;
    for (int y = window.top(); y <= window.bottom(); ++y) {
        for (int x = window.left(); x <= window.right(); ++x) {
            if (is(image.pixel(x, y))) {
                sum += (columns ? x : y) + 0.5;
                weight += 1;
            }
        }
    }
    return weight == 0 ? -1 : sum / weight / kPxPerMm;
}

int PdfImages(const QString &pdf)
{
    QProcess run;
    run.start(u"pdfimages"_s, {u"-list"_s, pdf});
    if (!run.waitForFinished(30000))
        return -1;
    // Two heading lines, then one line an image.
    return std::max(0, int(run.readAllStandardOutput().trimmed().split('\n').size()) - 2);
}

} // namespace

class TestProofs : public QObject, protected PrintingProgram
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void offsetIsKeptPerPrinter();
    void offsetMovesEveryPrintedText_data();
    void offsetMovesEveryPrintedText();
    void calibrationPageShowsTheAnchors_data();
    void calibrationPageShowsTheAnchors();
    void offsetDialogKeepsOrRestores();
    void proofAndPdfHoldTheirTexts_data();
    void proofAndPdfHoldTheirTexts();
    void pdfExportFromTheTemplateList();
    void batchPrintsInListOrder();
    void batchCancelledAfterTwoPages();
    void batchFromTheMainList();

private:
    // A fixture template with the built-in Mellat picture under it.
    qint64 pictureTemplate(int orientation = 0);
    QList<qint64> fiveCheques(); // payees p1 to p5, the third one refused
};

void TestProofs::init()
{
    startPrinting();
}

void TestProofs::cleanup()
{
    m_program.stop();
}

qint64 TestProofs::pictureTemplate(int orientation)
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, orientation);
    sqliteExec(db(), {u"update Cheque set ImagePath='%1' where ChID=%2"_s.arg(m_program.folder->exeDir + u"Mellat1.jpg"_s).arg(id)});
    return id;
}

QList<qint64> TestProofs::fiveCheques()
{
    QList<qint64> codes;
    for (int i = 1; i <= 5; ++i) {
        codes << AddCheque(db(), u"1402/01/%1"_s.arg(10 + i), i == 3 ? QVariant(1500.5) : QVariant(1000 * i),
                           u"p%1"_s.arg(i));
        sqliteExec(db(), {u"update checkk set shoomarehch='n%1' where code=%2"_s.arg(i).arg(codes.last())});
    }
    return codes;
}

void TestProofs::offsetIsKeptPerPrinter()
{
    PrinterChoice::setOffset(u"HP/LaserJet"_s, {2.04, -1.46});
    PrinterChoice::setOffset(u"Epson"_s, {-0.5, 0});
    QCOMPARE(PrinterChoice::offset(u"HP/LaserJet"_s), QPointF(2.0, -1.5)); // tenths of a millimetre
    QCOMPARE(PrinterChoice::offset(u"Epson"_s), QPointF(-0.5, 0));
    QCOMPARE(PrinterChoice::offset(u"Canon"_s), QPointF());
    QCOMPARE(PrinterChoice::OffsetText({2, -1.5}), u"+2.0 افقی، -1.5 عمودی میلی متر"_s);
}

void TestProofs::offsetMovesEveryPrintedText_data()
{
    QTest::addColumn<int>("orientation");
    QTest::newRow("fed horizontally") << 0;
    QTest::newRow("fed vertically") << 1;
}

void TestProofs::offsetMovesEveryPrintedText()
{
    QFETCH(int, orientation);
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, orientation);
    sqliteExec(db(), {u"update checkk set tarikh='1402/01/15', mablaghch=1500000 where code=1"_s});
    QVERIFY(PrintChequeWithTemplate(id, 1));
    const QList<PdfPage> before = ReadPdf(pdf());
    QList<QRect> onScreen;
    for (const ReportLabel *label : frm_ChequeDesign->DQR->findChildren<ReportLabel *>())
        onScreen << label->geometry();

    const QPointF offset(2.0, -1.5);
    PrinterChoice::setOffset(pdf(), offset);
    QVERIFY(PrintChequeWithTemplate(id, 1));
    const QList<PdfPage> after = ReadPdf(pdf());
    QCOMPARE(before.size(), 1);
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.first().size, before.first().size);
    QCOMPARE(after.first().words.size(), before.first().words.size());
    QVERIFY(before.first().words.size() > 6);
    for (int i = 0; i < before.first().words.size(); ++i) {
        const PdfWord &a = before.first().words[i], &b = after.first().words[i];
        QCOMPARE(b.text, a.text);
        QVERIFY2(std::abs((b.box.left() - a.box.left()) / kPointsPerMm - offset.x()) < 0.05, qPrintable(a.text));
        QVERIFY2(std::abs((b.box.top() - a.box.top()) / kPointsPerMm - offset.y()) < 0.05, qPrintable(a.text));
    }
    // The designer, and so the preview, did not move.
    QList<QRect> still;
    for (const ReportLabel *label : frm_ChequeDesign->DQR->findChildren<ReportLabel *>())
        still << label->geometry();
    QCOMPARE(still, onScreen);
}

void TestProofs::calibrationPageShowsTheAnchors_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPointF>("offset");
    QTest::newRow("no offset") << 0 << QPointF();
    QTest::newRow("moved right and up") << 0 << QPointF(1.2, -0.7);
    QTest::newRow("fed vertically, moved left and down") << 1 << QPointF(-0.8, 1.1);
}

void TestProofs::calibrationPageShowsTheAnchors()
{
    QFETCH(int, orientation);
    QFETCH(QPointF, offset);
    QList<FixtureItem> items = FixtureItems();
    items[4].visibility = 0; // Payment: no cross for a hidden item
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, orientation, items);
    PrinterChoice::setOffset(pdf(), offset);
    frm_ChequeDesign->LoadCheque(id);
    QVERIFY(PrintCalibrationPage(*frm_ChequeDesign));

    const QList<PdfPage> pages = ReadPdf(pdf());
    QCOMPARE(pages.size(), 1);
    QVERIFY(std::abs(pages.first().size.width() / kPointsPerMm - 120) < 0.5);
    QString words;
    for (const PdfWord &word : pages.first().words)
        words += word.text;
    QVERIFY2(words.contains(pdf().section(u'/', -1)), qPrintable(words)); // the printer's name

    const QImage page = Render(pdf(), m_program.folder->exeDir + u"calibration"_s);
    QVERIFY(!page.isNull());
    const QVector<ItemAnchor> anchors = ItemAnchors(*frm_ChequeDesign);
    QCOMPARE(anchors.size(), 5);
    for (const ItemAnchor &anchor : anchors) {
        const QPointF at = anchor.at + offset;
        const int x = int(at.x() * kPxPerMm), y = int(at.y() * kPxPerMm);
        // The vertical arm, away from the horizontal one, gives x; and so on.
        const double crossX = CentreOf(page, QRect(x - 20, y - 55, 41, 30), true, IsRed);
        const double crossY = CentreOf(page, QRect(x - 55, y - 20, 30, 41), false, IsRed);
        QVERIFY2(std::abs(crossX - at.x()) < 0.1, qPrintable(u"%1: x %2, not %3"_s.arg(anchor.name).arg(crossX).arg(at.x())));
        QVERIFY2(std::abs(crossY - at.y()) < 0.1, qPrintable(u"%1: y %2, not %3"_s.arg(anchor.name).arg(crossY).arg(at.y())));
    }
    // A mark every millimetre along the top edge, short of the right
    // edge's own scale.
    const int row = int((offset.y() + 1.0) * kPxPerMm);
    QList<double> marks;
    bool inMark = false;
    int start = 0;
    for (int x = 0; x < int(110 * kPxPerMm); ++x) {
        const bool blue = IsBlue(page.pixel(x, row));
        if (blue && !inMark)
            start = x;
        if (!blue && inMark)
            marks << (start + x) / 2.0 / kPxPerMm;
        inMark = blue;
    }
    QVERIFY2(marks.size() >= 108, qPrintable(QString::number(marks.size())));
    for (int i = 1; i < marks.size(); ++i)
        QVERIFY2(std::abs(marks[i] - marks[i - 1] - 1.0) < 0.1, qPrintable(u"mark %1"_s.arg(i)));
    QVERIFY(std::abs(marks.first() - (1.0 + offset.x())) < 0.1);
}

void TestProofs::offsetDialogKeepsOrRestores()
{
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    frm_DesignedChequeList->RefreshTemplates();
    const QString printer = frm_PrintCheque->destination(); // the PDF printer of these tests
    for (const bool keep : {false, true}) {
        PrinterChoice::setOffset(printer, {});
        QString shown;
        int calibrationPages = 0;
        WithTemplateList(1, [&] {
            onNextModal([&](QWidget *dialog) {
                dialog->findChild<QDoubleSpinBox *>(u"edt_OffsetX"_s)->setValue(1.3);
                dialog->findChild<QDoubleSpinBox *>(u"edt_OffsetY"_s)->setValue(-0.4);
                QFile::remove(pdf());
                QTest::mouseClick(dialog->findChild<QPushButton *>(u"btn_Calibrate"_s), Qt::LeftButton);
                calibrationPages = int(ReadPdf(pdf()).size());
                QTest::mouseClick(dialog->findChild<QPushButton *>(keep ? u"btn_Ok"_s : u"btn_Cancel"_s),
                                  Qt::LeftButton);
            }, u"frm_PrinterOffset"_s);
            QTest::mouseClick(frm_DesignedChequeList->btn_Offset, Qt::LeftButton);
            shown = frm_DesignedChequeList->btn_Offset->text();
        });
        QCOMPARE(calibrationPages, 1); // a page of its own, not a cheque
        QCOMPARE(PrinterChoice::offset(printer), keep ? QPointF(1.3, -0.4) : QPointF());
        QCOMPARE(shown, u"جابجایی: "_s + PrinterChoice::OffsetText(PrinterChoice::offset(printer)));
    }
    QCOMPARE(registered(), 0);
}

void TestProofs::proofAndPdfHoldTheirTexts_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("pictures");
    QTest::newRow("proof") << u"proof"_s << 1;
    QTest::newRow("PDF with the picture") << u"pdf+"_s << 1;
    QTest::newRow("PDF without the picture") << u"pdf"_s << 0;
}

void TestProofs::proofAndPdfHoldTheirTexts()
{
    QFETCH(QString, way);
    QFETCH(int, pictures);
    const qint64 id = pictureTemplate();
    sqliteExec(db(), {u"update checkk set tarikh='1402/01/15', mablaghch=1500000, sharh='payee' where code=1"_s});
    const QString file = m_program.folder->exeDir + u"cheque.pdf"_s;
    if (way == u"proof"_s) {
        PrinterChoice::setOffset(pdf(), {}); // the proof goes where the cheque would
        QVERIFY(PrintProof(id, 1));
        QVERIFY(QFile::copy(pdf(), file));
    } else {
        PrinterChoice::setOffset(file, {3, 3}); // never applied to a PDF export
        QVERIFY(ExportChequePdf(id, 1, file, way == u"pdf+"_s));
    }
    QCOMPARE(PdfImages(file), pictures);
    const QList<PdfPage> pages = ReadPdf(file);
    QCOMPARE(pages.size(), 1);
    const QString grouped = u"1,500,000"_s;
    const QStringList texts = {u"1402/01/15"_s, DateToWords(u"1402/01/15"_s), DigitAmountCaption(grouped),
                               AmountToRialWords(grouped), u"payee"_s, AmountToTomanWords(grouped)};
    const QList<FixtureItem> items = FixtureItems();
    for (int i = 0; i < items.size(); ++i) {
        const QList<PdfWord> line = WordsAt(pages.first(), items[i].top * mmPerPixel());
        QCOMPARE(LineText(line, items[i].bidiMode == 1), WithoutBlanks(texts[i]));
        if (items[i].bidiMode == 1)
            QVERIFY(std::abs(RightMm(line) - items[i].right * mmPerPixel()) < 0.3);
        else
            QVERIFY(std::abs(LeftMm(line) - items[i].left * mmPerPixel()) < 0.3);
    }
    QCOMPARE(registered(), 0); // neither is a cheque
}

void TestProofs::pdfExportFromTheTemplateList()
{
    pictureTemplate();
    const QString file = m_program.folder->exeDir + u"saved"_s; // the suffix is added
    frm_DesignedChequeList->RefreshTemplates();
    QString feedback;
    WithTemplateList(1, [&] {
        Tfrm_DesignedChequeList *list = frm_DesignedChequeList;
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(list->DBGrid1->model()->rowCount() - 1, 0));
        list->chk_PdfPicture->setChecked(true);
        onNextModal([file](QWidget *chooser) {
            auto *files = static_cast<QFileDialog *>(chooser);
            files->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(file);
            QTRY_VERIFY(!files->selectedFiles().isEmpty());
            static_cast<QDialog *>(files)->done(QDialog::Accepted);
        }, u"PdfChooser"_s);
        QTest::mouseClick(list->btn_Pdf, Qt::LeftButton);
        feedback = list->lbl_Feedback->text();
    });
    QVERIFY(QFile::exists(file + u".pdf"_s));
    QCOMPARE(PdfImages(file + u".pdf"_s), 1);
    QVERIFY2(feedback.contains(u"saved.pdf"_s), qPrintable(feedback));
    QCOMPARE(registered(), 0);
}

void TestProofs::batchPrintsInListOrder()
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const QList<qint64> codes = fiveCheques();
    DialogAnswers answers(DialogAnswers::Yes); // "print the other four?"
    const BatchResult result = PrintChequeBatch(id, u"fixture"_s, codes, frm_DesignedChequeList->q, {});
    QCOMPARE(result.printed, (QList<qint64>{codes[0], codes[1], codes[3], codes[4]}));
    QCOMPARE(answers.seen().size(), 1);
    QVERIFY2(answers.seen().first().message.contains(u"n3"_s), qPrintable(answers.seen().first().message));
    const QList<PdfPage> pages = ReadPdf(pdf());
    QCOMPARE(pages.size(), 4);
    const double payeeTop = FixtureItems()[4].top * mmPerPixel();
    QStringList payees;
    for (const PdfPage &page : pages)
        payees << LineText(WordsAt(page, payeeTop), true);
    QCOMPARE(payees, (QStringList{u"p1"_s, u"p2"_s, u"p4"_s, u"p5"_s}));
    QCOMPARE(sqliteColumn(db(), u"select shoomarehch from PrintLog order by LogID"_s),
             (QVariantList{u"n1"_s, u"n2"_s, u"n4"_s, u"n5"_s}));

    // Again: now four were printed before. No prints none of them again.
    answers.setAnswer(DialogAnswers::No);
    const BatchResult again = PrintChequeBatch(id, u"fixture"_s, codes, frm_DesignedChequeList->q, {});
    QVERIFY(again.printed.isEmpty());
    QCOMPARE(registered(), 4);
}

void TestProofs::batchCancelledAfterTwoPages()
{
    const qint64 id = AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    const QList<qint64> codes = fiveCheques();
    DialogAnswers answers(DialogAnswers::Yes);
    QStringList asked;
    const BatchResult result = PrintChequeBatch(id, u"fixture"_s, codes, frm_DesignedChequeList->q,
                                                [&asked](int done, int total, const QString &number) {
                                                    asked << u"%1/%2 %3"_s.arg(done).arg(total).arg(number);
                                                    return done < 2; // the user stops it before the third
                                                });
    QVERIFY(result.cancelled);
    QCOMPARE(asked, (QStringList{u"0/4 n1"_s, u"1/4 n2"_s, u"2/4 n4"_s}));
    QCOMPARE(ReadPdf(pdf()).size(), 2);
    QCOMPARE(registered(), 2);
}

void TestProofs::batchFromTheMainList()
{
    AddFixtureTemplate(db(), u"fixture"_s, 120, 60, 0);
    frm_main->Checkk.close();
    frm_main->Checkk.open();
    frm_main->listModel()->reload();
    frm_DesignedChequeList->RefreshTemplates();
    // Rows 4, 1 and 2 picked with Ctrl: printed in the list's order.
    QTableView *grid = frm_main->DBGrid1;
    const auto click = [grid](int row, Qt::KeyboardModifiers keys) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, keys, cell.center());
    };
    click(3, Qt::NoModifier);
    click(0, Qt::ControlModifier);
    click(1, Qt::ControlModifier);
    const QList<qint64> selected = frm_main->selectedCodes();
    const int code = frm_main->Checkk.fieldIndex(u"code"_s);
    QCOMPARE(selected, (QList<qint64>{frm_main->Checkk.valueAt(0, code).toLongLong(),
                                      frm_main->Checkk.valueAt(1, code).toLongLong(),
                                      frm_main->Checkk.valueAt(3, code).toLongLong()}));
    QList<qint64> batch;
    QString state;
    onNextModal([&](QWidget *) {
        Tfrm_DesignedChequeList *list = frm_DesignedChequeList;
        batch = list->batch();
        state = list->lbl_PrintState->text();
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(list->DBGrid1->model()->rowCount() - 1, 0));
        QTest::mouseClick(list->btn_Print, Qt::LeftButton);
        QTest::mouseClick(list->btn_Cancel, Qt::LeftButton);
    }, u"frm_DesignedChequeList"_s);
    QTest::mouseClick(frm_main->btn_Print, Qt::LeftButton);
    QCOMPARE(batch, selected);
    QVERIFY2(state.contains(u"3 چک"_s), qPrintable(state));
    QCOMPARE(ReadPdf(pdf()).size(), 3);
    QCOMPARE(registered(), 3);
}

int main(int argc, char *argv[])
{
    // No real printer, whatever this machine has: the tests print to PDF.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    ChequeApplication app(argc, argv);
    TestProofs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_proofs.moc"
