#include "report/reportlabel.h"
#include "report/reportpage.h"

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

QTEST_MAIN(TestReport)
#include "tst_report.moc"
