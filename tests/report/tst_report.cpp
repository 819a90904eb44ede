#include "app/application.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "report/reportprinter.h"
#include "ui/formstyle.h"

#include "../print/printfixture.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageBox_data();
    void pageBox();
    void pageValuesByIndex();
    void labelKeepsItsAnchor_data();
    void labelKeepsItsAnchor();
    void emptyTextIsOneBlank();
    void paperKeepsTheAnchorEdge_data();
    void paperKeepsTheAnchorEdge();
    void pixelFontsPrintAtTheirScreenSize();
    void hiddenLabelsAndPicturesStayOffPaper();
    void fallbackGlyphsKeepTheLine();
};

void TestReport::pageBox_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("box");
    QTest::newRow("seed template") << 170.0 << 85.0 << 100 << QSize(643, 321);
    QTest::newRow("first page") << 120.0 << 60.0 << 100 << QSize(454, 227);
    QTest::newRow("empty") << 0.0 << 0.0 << 100 << QSize(0, 0);
    QTest::newRow("half zoom") << 170.0 << 85.0 << 50 << QSize(321, 161);
}

void TestReport::pageBox()
{
    QFETCH(double, width);
    QFETCH(double, length);
    QFETCH(int, zoom);
    QFETCH(QSize, box);
    ReportPage page;
    QCOMPARE(page.ppi(), 96.0);
    page.setZoom(zoom);
    page.setPageValue(ReportPage::Width, width);
    QCOMPARE(page.width(), box.width());
    page.setPageValue(ReportPage::Length, length);
    QCOMPARE(page.size(), box);
    QCOMPARE(ReportPage::PixelsFor(width, 96, zoom), box.width());
}

void TestReport::pageValuesByIndex()
{
    ReportPage page;
    page.setPageValue(ReportPage::Width, 170);
    page.setPageValue(ReportPage::Length, 85);
    const QSize box = page.size();
    // Margins and column space are kept, and do not change the box.
    for (int index : {0, 2, 4, 5, 6})
        page.setPageValue(index, 7);
    QCOMPARE(page.size(), box);
    QCOMPARE(page.pageValue(3), 170.0);
    QCOMPARE(page.pageValue(1), 85.0);
    QCOMPARE(page.pageValue(6), 7.0);
    QCOMPARE(page.clientRect(), QRect(1, 1, box.width() - 2, box.height() - 2));
    QVERIFY(qAbs(page.millimetresPerPixel() - 0.2646) < 0.0001);
}

void TestReport::labelKeepsItsAnchor_data()
{
    QTest::addColumn<int>("bidi");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("rightEdge");
    QTest::newRow("left to right") << 0 << 0 << false;
    QTest::newRow("right to left") << 1 << 0 << true;
    QTest::newRow("right to left, right-justified") << 1 << 1 << false;
    QTest::newRow("left to right, right-justified") << 0 << 1 << true;
    QTest::newRow("reading order only, right-justified") << 3 << 1 << true;
    QTest::newRow("reading order only") << 3 << 0 << false;
    QTest::newRow("centred") << 1 << 2 << false;
}

void TestReport::labelKeepsItsAnchor()
{
    QFETCH(int, bidi);
    QFETCH(int, alignment);
    QFETCH(bool, rightEdge);
    QWidget page;
    ReportLabel label(&page);
    label.setBidiMode(BidiMode(bidi));
    label.setTextAlignment(TextAlignment(alignment));
    label.setText(u"در وجه*********************************************"_s);
    label.move(300, 40);
    const QRect before = label.geometry();

    label.setText(u"جستجو"_s); // shorter
    QVERIFY(label.width() < before.width());
    QCOMPARE(label.y(), 40);
    if (rightEdge)
        QCOMPARE(label.geometry().right(), before.right());
    else
        QCOMPARE(label.x(), before.x());

    QFont bigger = label.labelFont();
    bigger.setPointSize(30);
    const QRect small = label.geometry();
    label.setLabelFont(bigger);
    QVERIFY(label.width() > small.width());
    QVERIFY(label.height() > small.height());
    if (rightEdge)
        QCOMPARE(label.geometry().right(), small.right());
    else
        QCOMPARE(label.x(), small.x());
    QCOMPARE(label.size(), ReportLabel::TextExtent(label.text(), bigger, &label));
}

void TestReport::emptyTextIsOneBlank()
{
    QWidget page;
    ReportLabel label(&page);
    label.setText(QString());
    QCOMPARE(label.size(), ReportLabel::TextExtent(u" "_s, label.labelFont(), &label));
    QVERIFY(label.width() > 0);
}

void TestReport::paperKeepsTheAnchorEdge_data()
{
    QTest::addColumn<int>("bidi");
    QTest::addColumn<bool>("fromRight");
    QTest::newRow("left to right, left edge") << int(BidiMode::LeftToRight) << false;
    QTest::newRow("right to left, right edge") << int(BidiMode::RightToLeft) << true;
}

void TestReport::paperKeepsTheAnchorEdge()
{
    QFETCH(int, bidi);
    QFETCH(bool, fromRight);
    QTemporaryDir dir;
    ReportPage page;
    page.setPageValue(ReportPage::Width, 120);
    page.setPageValue(ReportPage::Length, 60);
    ReportLabel label(&page);
    label.setBidiMode(BidiMode(bidi));
    label.setLabelFont(QFont(u"DejaVu Sans"_s, 12));
    label.setText(u"Anchor"_s);
    // A box much wider than its text, as a printer's wider or narrower
    // glyphs would make it: the text must still hold the anchor edge.
    label.setGeometry(100, 40, label.width() + 150, label.height());
    const QString file = dir.filePath(u"page.pdf"_s);
    QVERIFY(PrintReportToPdf(page, file));
    const QList<PdfPage> pages = ReadPdf(file);
    QCOMPARE(pages.size(), 1);
    const QList<PdfWord> line = WordsAt(pages.first(), 40 * page.millimetresPerPixel());
    QCOMPARE(LineText(line, false), u"Anchor"_s);
    const double edge = fromRight ? RightMm(line) : LeftMm(line);
    const double expected = (fromRight ? label.x() + label.width() : label.x()) * page.millimetresPerPixel();
    QVERIFY2(std::abs(edge - expected) < 0.3, qPrintable(QString::number(edge - expected)));
}

void TestReport::pixelFontsPrintAtTheirScreenSize()
{
    QTemporaryDir dir;
    ReportPage page;
    page.setPageValue(ReportPage::Width, 120);
    page.setPageValue(ReportPage::Length, 60);
    ReportLabel points(&page);
    points.setLabelFont(QFont(u"DejaVu Sans"_s, 12));
    points.setText(u"Size"_s);
    points.move(10, 10);
    ReportLabel pixels(&page);
    pixels.setLabelFont(PixelFont(u"DejaVu Sans"_s, 16)); // 12 points at 96 pixels an inch
    pixels.setText(u"Size"_s);
    pixels.move(10, 100);
    const QString file = dir.filePath(u"page.pdf"_s);
    QVERIFY(PrintReportToPdf(page, file));
    const PdfPage printed = ReadPdf(file).value(0);
    const QList<PdfWord> a = WordsAt(printed, 10 * page.millimetresPerPixel());
    const QList<PdfWord> b = WordsAt(printed, 100 * page.millimetresPerPixel());
    QCOMPARE(a.size(), 1);
    QCOMPARE(b.size(), 1);
    QVERIFY(a.first().box.width() > 20); // points: a real 12-point word
    QVERIFY(std::abs(a.first().box.width() - b.first().box.width()) < 0.5);
    QVERIFY(std::abs(a.first().box.height() - b.first().box.height()) < 0.5);
}

void TestReport::hiddenLabelsAndPicturesStayOffPaper()
{
    QTemporaryDir dir;
    ReportPage page;
    page.setPageValue(ReportPage::Width, 120);
    page.setPageValue(ReportPage::Length, 60);
    auto *picture = new QLabel(&page);
    picture->setText(u"picture"_s);
    picture->setGeometry(0, 0, 200, 40);
    ReportLabel shown(&page);
    shown.setText(u"shown"_s);
    shown.move(10, 60);
    ReportLabel hidden(&page);
    hidden.setText(u"hidden"_s);
    hidden.move(10, 120);
    hidden.hide();
    const QString file = dir.filePath(u"page.pdf"_s);
    QVERIFY(PrintReportToPdf(page, file));
    const PdfPage printed = ReadPdf(file).value(0);
    QCOMPARE(printed.words.size(), 1);
    QCOMPARE(printed.words.first().text, u"shown"_s);
}

// The lowest and highest rows with ink in a part of an image.
static std::pair<int, int> InkRows(const QImage &image, const QRect &part)
{
    int top = -1, bottom = -1;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return {top, bottom};
}

// A name with a zero-width non-joiner: Wine's Tahoma has no glyph for it, and
// the taller fallback font's line must not move the text down, on screen or
// on paper.
void TestReport::fallbackGlyphsKeepTheLine()
{
    RegisterTahoma(QString());
    ReportPage page;
    page.setPageValue(ReportPage::Width, 170);
    page.setPageValue(ReportPage::Length, 85);
    QFont tahoma(u"Tahoma"_s);
    tahoma.setPointSize(12);
    ReportLabel joined(&page), spaced(&page);
    for (ReportLabel *label : {&joined, &spaced}) {
        label->setBidiMode(BidiMode::RightToLeft);
        label->setLabelFont(tahoma);
    }
    joined.setText(u"نوین\u200cاندیشان"_s);
    spaced.setText(u"نوین اندیشان"_s);
    joined.move(300, 100);
    spaced.move(100, 100);
    QCOMPARE(joined.height(), spaced.height());

    const auto screen = [](ReportLabel &label) {
        QImage shot(label.size(), QImage::Format_RGB32);
        shot.fill(Qt::white);
        label.render(&shot);
        return InkRows(shot, shot.rect());
    };
    QCOMPARE(screen(joined), screen(spaced));

    const double units = 4;
    QImage paper(QSize(page.width(), page.height()) * units, QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        PaintReportLabels(painter, page, units);
    }
    const auto band = [&](const ReportLabel &label) {
        return InkRows(paper, QRect(QPoint(label.x(), label.y() - 20) * units,
                                    QSize(label.width(), label.height() + 40) * units));
    };
    QCOMPARE(band(joined), band(spaced));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
