#include "app/application.h"
#include "app/forms.h"
#include "app/preparation.h"
#include "browse/chequelistmodel.h"
#include "browse/frm_main.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "report/reportlabel.h"
#include "report/picturebox.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "ui/frm_dlg.h"
#include "wording/amounts.h"
#include "wording/dates.h"

#include "listfixture.h"
#include "printfixture.h"
#include "../common/runningprogram.h"

#include <QCursor>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include "report/pagescroller.h"
#include <QTableView>

using namespace Qt::Literals::StringLiterals;


class TestTemplateList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void statementsInTsql();
    void withoutChequeNoPrintingAndNoPreview();
    void onlyTheBuiltInTemplate();
    void previewFollowsTheCurrentRow();
    void movesReturnTheOrder();
    void templateWithoutListPositionNeverMoves();
    void failedMoveKeepsTheOrderAndSaysSo();
    void deleteAsksAndNoKeepsIt();
    void failedDeleteChangesNothing();
    void newStartsFromTheBuiltInTemplate();
    void spaceOnThePrintButtonPrintsOnce();
    void activationMovesThePointerOntoPrint();
    void resizingFollowsTheAnchors();
    void builtInPicturesHoldTheirTexts_data();
    void builtInPicturesHoldTheirTexts();

    void mainPrintWithoutConnection();
    void mainPrintPassesTheSelectedCheque_data();
    void mainPrintPassesTheSelectedCheque();
    void mainPrintWithAnEmptyList();
    void mainPrintWithAClosedList();

private:
    QString db() const { return m_program.folder->fallbackDatabase(); }
    QStringList titles() const;
    QString currentTitle() const;

    RunningProgram m_program;
    QStringList &m_reports = m_program.reports;
    QStringList &m_statements = m_program.statements;
};

void TestTemplateList::init()
{
    m_program.start(5);
    frm_PrintCheque->setOutputFile(m_program.folder->exeDir + u"out.pdf"_s);
}

void TestTemplateList::cleanup()
{
    m_program.stop();
}

QStringList TestTemplateList::titles() const
{
    QStringList list;
    const QAbstractItemModel *model = frm_DesignedChequeList->DBGrid1->model();
    for (int row = 0; row < model->rowCount(); ++row)
        list << model->index(row, 0).data().toString();
    return list;
}

QString TestTemplateList::currentTitle() const
{
    return frm_DesignedChequeList->DBGrid1->currentIndex().data().toString();
}

void TestTemplateList::statementsInTsql()
{
    QCOMPARE(TemplateListStatement(),
             (QStringList{u"Select * from [Cheque]"_s, u"where [ChID]<>1"_s, u"order by [ShowOrder]"_s}));
    QCOMPARE(NeighbourTemplateStatement(true, 4),
             (QStringList{u"Select * from Cheque where [ShowOrder]="_s,
                          u" (Select Min([ShowOrder]) from [Cheque] where [ShowOrder]>4)"_s}));
    QCOMPARE(NeighbourTemplateStatement(false, 4),
             (QStringList{u"Select * from Cheque where [ShowOrder]="_s,
                          u" (Select Max([ShowOrder]) from [Cheque] where [ShowOrder]<4)"_s}));
    QCOMPARE(SetShowOrderStatement(3, 7), (QStringList{u"Update [Cheque] Set [ShowOrder]=3"_s, u"where [ChID]=7"_s}));
    QCOMPARE(DeleteTemplateItemsStatement(7), u"Delete from [ChequeItems] where ChID=7"_s);
    QCOMPARE(DeleteTemplateStatement(7), u"Delete from [Cheque] where ChID=7"_s);
}

void TestTemplateList::withoutChequeNoPrintingAndNoPreview()
{
    const QString placeholder = frm_DesignedChequeList->lbl_DigitDate->text();
    bool print = true, edit = false, del = false, moves = false, fresh = false;
    WithTemplateList(0, [&] {
        auto *list = frm_DesignedChequeList;
        print = list->btn_Print->isEnabled();
        edit = list->btn_Edit->isEnabled();
        del = list->btn_Del->isEnabled();
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(2, 0));
        moves = list->btn_GoUp->isEnabled() && list->btn_goDown->isEnabled();
        fresh = list->btn_New->isEnabled();
    });
    QVERIFY(!print);
    QVERIFY(edit && del && moves && fresh);
    QCOMPARE(frm_DesignedChequeList->lbl_DigitDate->text(), placeholder);
    for (const QString &statement : std::as_const(m_statements)) {
        QVERIFY2(!statement.contains(u"[checkk]"_s), qPrintable(statement));
        QVERIFY2(!statement.startsWith(u"Select * from [Cheque] where [ChID]="_s), qPrintable(statement));
    }
}

void TestTemplateList::onlyTheBuiltInTemplate()
{
    sqliteExec(db(), {u"delete from ChequeItems where ChID<>1"_s, u"delete from Cheque where ChID<>1"_s});
    frm_DesignedChequeList->RefreshTemplates();
    int rows = -1;
    QList<bool> enabled;
    WithTemplateList(1, [&] {
        auto *list = frm_DesignedChequeList;
        rows = list->DBGrid1->model()->rowCount();
        for (QPushButton *b : {list->btn_Edit, list->btn_Del, list->btn_Print, list->btn_GoUp, list->btn_goDown, list->btn_New})
            enabled << b->isEnabled();
    });
    QCOMPARE(rows, 0);
    QCOMPARE(enabled, (QList<bool>{false, false, false, false, false, true}));
}

void TestTemplateList::previewFollowsTheCurrentRow()
{
    const QVariantList ids = sqliteColumn(db(), u"select ChID from Cheque where ChID<>1 order by ShowOrder"_s);
    QCOMPARE(ids.size(), 3);
    sqliteExec(db(), {u"update checkk set tarikh='1402/01/15', mablaghch=1500000 where code=2"_s});
    QStringList seen;
    WithTemplateList(2, [&] {
        auto *list = frm_DesignedChequeList;
        for (int row : {2, 0, 1}) {
            list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(row, 0));
            seen << u"%1 %2x%3 %4"_s.arg(list->chequeTitle())
                        .arg(list->DQR->pageValue(ReportPage::Width))
                        .arg(list->DQR->pageValue(ReportPage::Length))
                        .arg(list->lbl_AlphaAmount->text());
        }
    });
    QStringList expected;
    for (int row : {2, 0, 1}) {
        const QString where = u" from Cheque where ChID=%1"_s.arg(ids[row].toLongLong());
        expected << u"%1 %2x%3 %4"_s.arg(sqliteColumn(db(), u"select Title"_s + where).value(0).toString())
                        .arg(sqliteColumn(db(), u"select ImageWidth"_s + where).value(0).toInt())
                        .arg(sqliteColumn(db(), u"select ImageHeight"_s + where).value(0).toInt())
                        .arg(AmountToRialWords(u"1,500,000"_s));
    }
    QCOMPARE(seen, expected);
    QVERIFY(m_reports.isEmpty());
}

void TestTemplateList::movesReturnTheOrder()
{
    const QStringList start = titles();
    QCOMPARE(start.size(), 3);
    const QString a = start[0], b = start[1], c = start[2];
    QStringList steps;
    WithTemplateList(1, [&] {
        auto *list = frm_DesignedChequeList;
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(0, 0));
        for (QPushButton *button : {list->btn_goDown, list->btn_goDown, list->btn_goDown, list->btn_GoUp,
                                    list->btn_GoUp, list->btn_GoUp}) {
            QTest::mouseClick(button, Qt::LeftButton);
            steps << titles().join(u',') + u'|' + currentTitle();
        }
    });
    const auto at = [](const QStringList &order, const QString &current) { return order.join(u',') + u'|' + current; };
    QCOMPARE(steps, (QStringList{at({b, a, c}, a), at({b, c, a}, a), at({b, c, a}, a), at({b, a, c}, a),
                                 at({a, b, c}, a), at({a, b, c}, a)}));
    QCOMPARE(sqliteColumn(db(), u"select ShowOrder from Cheque where ChID<>1 order by ShowOrder"_s),
             (QVariantList{1, 2, 3}));
    QVERIFY(m_statements.contains(u"Select * from Cheque where [ShowOrder]=\r\n (Select Min([ShowOrder]) from [Cheque] where [ShowOrder]>1)"_s));
    QVERIFY(m_reports.isEmpty());
}

void TestTemplateList::failedMoveKeepsTheOrderAndSaysSo()
{
    // The second of the two updates fails: the first is rolled back.
    sqliteExec(db(), {u"create trigger keep before update on Cheque when new.ShowOrder = 2"
                      u" begin select raise(abort, 'order kept'); end"_s});
    const QStringList start = titles();
    WithTemplateList(1, [&] {
        auto *list = frm_DesignedChequeList;
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(0, 0));
        QTest::mouseClick(list->btn_goDown, Qt::LeftButton);
    });
    QCOMPARE(titles(), start);
    QCOMPARE(sqliteColumn(db(), u"select ShowOrder from Cheque where ChID<>1 order by ChID"_s),
             (QVariantList{1, 2, 3}));
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports[0].startsWith(u"ترتیب فرم های چک تغییر نکرد.\n"_s), qPrintable(m_reports[0]));
    QVERIFY2(m_reports[0].contains(u"order kept"_s), qPrintable(m_reports[0]));
}

void TestTemplateList::templateWithoutListPositionNeverMoves()
{
    const QStringList start = titles();
    sqliteExec(db(), {u"update Cheque set ShowOrder=NULL where Title='%1'"_s.arg(start[1])});
    frm_DesignedChequeList->RefreshTemplates();
    const QStringList order = titles(); // the one without a place comes first
    QCOMPARE(order, (QStringList{start[1], start[0], start[2]}));
    QStringList steps;
    WithTemplateList(1, [&] {
        auto *list = frm_DesignedChequeList;
        const auto select = [list](int row) { list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(row, 0)); };
        select(0);
        QTest::mouseClick(list->btn_goDown, Qt::LeftButton);
        QTest::mouseClick(list->btn_GoUp, Qt::LeftButton);
        steps << titles().join(u',') + u'|' + currentTitle();
        select(1); // the first with a place: nothing above it to exchange with
        QTest::mouseClick(list->btn_GoUp, Qt::LeftButton);
        steps << titles().join(u',') + u'|' + currentTitle();
    });
    QCOMPARE(steps, (QStringList{order.join(u',') + u'|' + start[1], order.join(u',') + u'|' + start[0]}));
    QCOMPARE(sqliteColumn(db(), u"select ShowOrder is null from Cheque where Title='%1'"_s.arg(start[1])).value(0).toInt(), 1);
}

void TestTemplateList::deleteAsksAndNoKeepsIt()
{
    const QStringList start = titles();
    const qint64 id = sqliteColumn(db(), u"select ChID from Cheque where Title='%1'"_s.arg(start[1])).value(0).toLongLong();
    QString asked;
    QStringList afterNo, afterYes;
    QString currentAfterYes;
    WithTemplateList(1, [&] {
        auto *list = frm_DesignedChequeList;
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(1, 0));
        onNextModal([&](QWidget *dialog) {
            asked = dialog->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
            QTest::mouseClick(frm_Dlg->btn_cansel, Qt::LeftButton);
        }, u"frm_Dlg"_s);
        QTest::mouseClick(list->btn_Del, Qt::LeftButton);
        afterNo = titles();
        onNextModal([](QWidget *) { QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton); }, u"frm_Dlg"_s);
        QTest::mouseClick(list->btn_Del, Qt::LeftButton);
        afterYes = titles();
        currentAfterYes = currentTitle();
    });
    QCOMPARE(asked, u"سؤال|آیا مایل به حذف هستید؟"_s);
    QCOMPARE(afterNo, start);
    QCOMPARE(afterYes, (QStringList{start[0], start[2]}));
    QCOMPARE(currentAfterYes, start[0]);
    QCOMPARE(sqliteColumn(db(), u"select count(*) from ChequeItems where ChID=%1"_s.arg(id)).value(0).toInt(), 0);
    QCOMPARE(sqliteColumn(db(), u"select count(*) from Cheque where ChID=%1"_s.arg(id)).value(0).toInt(), 0);
}

void TestTemplateList::failedDeleteChangesNothing()
{
    sqliteExec(db(), {u"create trigger keep before delete on Cheque begin select raise(abort, 'kept'); end"_s});
    const QStringList start = titles();
    const QString items = u"select count(*) from ChequeItems"_s;
    const int before = sqliteColumn(db(), items).value(0).toInt();
    WithTemplateList(1, [&] {
        onNextModal([](QWidget *) { QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton); }, u"frm_Dlg"_s);
        QTest::mouseClick(frm_DesignedChequeList->btn_Del, Qt::LeftButton);
    });
    // The items' delete went through before the template's failed: rolled back.
    QCOMPARE(sqliteColumn(db(), items).value(0).toInt(), before);
    QCOMPARE(titles(), start);
    QVERIFY(m_reports.isEmpty());
}

void TestTemplateList::newStartsFromTheBuiltInTemplate()
{
    const QString builtIn = sqliteColumn(db(), u"select Title from Cheque where ChID=1"_s).value(0).toString();
    const QString added = u"added"_s;
    QString designerTitle;
    QStringList after;
    QString current;
    WithTemplateList(1, [&] {
        onNextModal([&](QWidget *) {
            designerTitle = frm_ChequeDesign->chequeTitle();
            // Saved behind the designer's back, as another user might.
            AddFixtureTemplate(db(), added, 120, 60, 0);
            frm_ChequeDesign->close();
        }, u"frm_ChequeDesign"_s);
        QTest::mouseClick(frm_DesignedChequeList->btn_New, Qt::LeftButton);
        after = titles();
        current = currentTitle();
    });
    QCOMPARE(designerTitle, builtIn);
    QCOMPARE(after.size(), 4);
    QCOMPARE(after.last(), added);
    QCOMPARE(current, added);
}

void TestTemplateList::spaceOnThePrintButtonPrintsOnce()
{
    int bySpace = -1, byClick = -1, byEnter = -1;
    bool focused = false;
    DialogAnswers answers(DialogAnswers::Yes); // "print it again?"
    WithTemplateList(3, [&] {
        auto *button = frm_DesignedChequeList->btn_Print;
        QTRY_VERIFY(button->hasFocus());
        focused = true;
        int before = frm_PrintCheque->pagesPrinted();
        QTest::keyClick(button, Qt::Key_Space);
        bySpace = frm_PrintCheque->pagesPrinted() - before;
        before = frm_PrintCheque->pagesPrinted();
        QTest::mouseClick(button, Qt::LeftButton);
        byClick = frm_PrintCheque->pagesPrinted() - before;
        before = frm_PrintCheque->pagesPrinted();
        QTest::keyClick(button, Qt::Key_Return);
        byEnter = frm_PrintCheque->pagesPrinted() - before;
    });
    QVERIFY(focused);
    QCOMPARE(bySpace, 1);
    QCOMPARE(byClick, 1);
    QCOMPARE(byEnter, 1);
    QCOMPARE(answers.seen().size(), 2);
    QVERIFY(m_reports.isEmpty());
}

void TestTemplateList::activationMovesThePointerOntoPrint()
{
    QPoint expected, pointer;
    WithTemplateList(3, [&] {
        auto *l = frm_DesignedChequeList;
        expected = QPoint(l->x() + l->GroupBox1->x() + l->Panel1->x() + l->btn_Print->x() + 40,
                          l->y() + l->GroupBox1->y() + l->Panel1->y() + l->btn_Print->y() + 40);
        QTRY_COMPARE(QCursor::pos(), expected);
        pointer = QCursor::pos();
    });
    QCOMPARE(pointer, expected);
}

void TestTemplateList::resizingFollowsTheAnchors()
{
    QList<QRect> boxes;
    QPoint page;
    QSize scroll, pageSize;
    WithTemplateList(3, [&] {
        auto *l = frm_DesignedChequeList;
        l->resize(1107, 626);
        QApplication::processEvents();
        boxes << l->GroupBox1->geometry() << l->Panel1->geometry() << l->Panel2->geometry()
              << l->btn_Print->geometry();
        page = l->DQR->pos();
        scroll = l->scb->size();
        pageSize = l->DQR->size();
        l->resize(907, 426);
    });
    QCOMPARE(boxes[0], QRect(8, 8, 1091, 610));
    QCOMPARE(boxes[1].width(), 215);
    QCOMPARE(boxes[2], QRect(223, 15, 852, 582));
    QCOMPARE(boxes[3], QRect(16, 239, 184, 42));
    QCOMPARE(page, QPoint(std::max(0, scroll.width() / 2 - pageSize.width() / 2),
                          std::max(0, scroll.height() / 2 - pageSize.height() / 2)));
}

void TestTemplateList::builtInPicturesHoldTheirTexts_data()
{
    QTest::addColumn<QString>("title");
    for (const BuiltInTemplate &cheque : BuiltInTemplates()) {
        if (!cheque.pictureFile.isEmpty())
            QTest::newRow(qPrintable(cheque.pictureFile)) << cheque.title;
    }
}

// Each text of a long cheque, in the preview, lies clear of the picture's
// ink; the word items have their dotted line just under them, the digit
// items a box close round them.
void TestTemplateList::builtInPicturesHoldTheirTexts()
{
    QFETCH(QString, title);
    // The longest date in words, a ten-digit amount, a name with a
    // zero-width non-joiner (a fallback font's glyph on Wine's Tahoma).
    sqliteExec(db(), {u"update checkk set tarikh='1408/12/28', mablaghch=1250000000,"
                      u" sharh='شرکت بازرگانی نوین\u200cاندیشان پارس' where code=3"_s});
    QStringList faults;
    WithTemplateList(3, [&] {
        auto *list = frm_DesignedChequeList;
        const QAbstractItemModel *model = list->DBGrid1->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == title)
                list->DBGrid1->setCurrentIndex(model->index(row, 0));
        }
        QCOMPARE(currentTitle(), title);
        const QImage picture = list->Img_Cheque->image().convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!picture.isNull());
        // As on paper: the picture covers the page, the texts at their places on it.
        const double sx = double(picture.width()) / list->DQR->width();
        const double sy = double(picture.height()) / list->DQR->height();
        // The share of the columns (or rows) of a strip, in design pixels, that
        // hold ink.
        const auto inked = [&](QRectF strip, bool alongRows) {
            const QRect at = QRectF(strip.x() * sx, strip.y() * sy, strip.width() * sx, strip.height() * sy)
                                 .toAlignedRect() & picture.rect();
            int hits = 0;
            const int length = alongRows ? at.height() : at.width();
            for (int i = 0; i < length; ++i) {
                bool ink = false;
                for (int j = 0; j < (alongRows ? at.width() : at.height()) && !ink; ++j) {
                    const int x = alongRows ? at.left() + j : at.left() + i;
                    const int y = alongRows ? at.top() + i : at.top() + j;
                    ink = qGray(picture.pixel(x, y)) < 140;
                }
                hits += ink;
            }
            return length ? double(hits) / length : 0.0;
        };
        const std::pair<QString, ReportLabel *> items[] = {
            {u"DigitDate"_s, list->lbl_DigitDate},     {u"AlphaDate"_s, list->lbl_AlphaDate},
            {u"DigitAmount"_s, list->lbl_DigitAmount}, {u"AlphaAmount"_s, list->lbl_AlphaAmount},
            {u"AlphaAmountToman"_s, list->lbl_AlphaAmountToman}, {u"Payment"_s, list->lbl_Payment},
        };
        for (const auto &[name, label] : items) {
            QVERIFY2(!label->isHidden() && !label->text().isEmpty(), qPrintable(name));
            QVERIFY(label->parentWidget() == list->DQR);
            const QRectF text = label->geometry();
            if (inked(text, false) > 0)
                faults << name + u": ink under the text"_s;
            if (name.startsWith(u"Digit"_s)) {
                const bool boxed = inked({text.left(), text.top() - 6, text.width(), 6}, false) > 0.6
                    && inked({text.left(), text.bottom(), text.width(), 6}, false) > 0.6
                    && inked({text.left() - 8, text.top(), 8, text.height()}, true) > 0.6
                    // the amount's box holds fifteen digits
                    && inked({text.right(), text.top(), name == u"DigitAmount"_s ? 90.0 : 8.0, text.height()}, true) > 0.6;
                if (!boxed)
                    faults << name + u": no box close round the text"_s;
            } else if (inked({text.left(), text.bottom(), text.width(), 4}, false) < 0.3) {
                faults << name + u": no line under the text"_s;
            }
        }
    });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
}

void TestTemplateList::mainPrintWithoutConnection()
{
    frm_main->Con.close();
    WindowWatch list(u"frm_DesignedChequeList"_s);
    QString said;
    onNextModal([&said](QWidget *dialog) {
        said = dialog->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
        QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
    }, u"frm_Dlg"_s);
    QTest::mouseClick(frm_main->btn_Print, Qt::LeftButton);
    QCOMPARE(said, u"خطا|ارتباط با پایگاه داده برقرار نمی باشد"_s);
    QCOMPARE(list.opened(), 0);
}

void TestTemplateList::mainPrintPassesTheSelectedCheque_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key"); // 0: a click on the print button; below 0: a key on it
    QTest::newRow("button, first row") << 0 << 0;
    QTest::newRow("button, fourth row") << 3 << 0;
    QTest::newRow("Enter in the grid") << 2 << int(Qt::Key_Return);
    QTest::newRow("Space in the grid") << 4 << int(Qt::Key_Space);
    QTest::newRow("Enter on the print button") << 1 << -int(Qt::Key_Return);
}

void TestTemplateList::mainPrintPassesTheSelectedCheque()
{
    QFETCH(int, row);
    QFETCH(int, key);
    QTableView *grid = frm_main->DBGrid1;
    grid->setCurrentIndex(grid->model()->index(row, 0));
    qint64 code = -1;
    onNextModal([&code](QWidget *) {
        code = frm_DesignedChequeList->checkkCode();
        QTest::mouseClick(frm_DesignedChequeList->btn_Cancel, Qt::LeftButton);
    }, u"frm_DesignedChequeList"_s);
    if (key == 0)
        QTest::mouseClick(frm_main->btn_Print, Qt::LeftButton);
    else if (key < 0)
        QTest::keyClick(frm_main->btn_Print, Qt::Key(-key));
    else
        QTest::keyClick(grid, Qt::Key(key));
    QCOMPARE(code, frm_main->Checkk.valueAt(row, frm_main->Checkk.fieldIndex(u"code"_s)).toLongLong());
}

void TestTemplateList::mainPrintWithAnEmptyList()
{
    sqliteExec(db(), {u"delete from checkk"_s});
    frm_main->Checkk.close();
    frm_main->Checkk.open();
    frm_main->listModel()->reload();
    qint64 code = -1;
    bool printing = true;
    onNextModal([&](QWidget *) {
        code = frm_DesignedChequeList->checkkCode();
        printing = frm_DesignedChequeList->btn_Print->isEnabled();
        QTest::mouseClick(frm_DesignedChequeList->btn_Cancel, Qt::LeftButton);
    }, u"frm_DesignedChequeList"_s);
    QTest::keyClick(frm_main->DBGrid1, Qt::Key_Return);
    QCOMPARE(code, 0);
    QVERIFY(!printing);
}

void TestTemplateList::mainPrintWithAClosedList()
{
    frm_main->Checkk.close();
    frm_main->listModel()->reload();
    WindowWatch list(u"frm_DesignedChequeList"_s);
    QTest::mouseClick(frm_main->btn_Print, Qt::LeftButton);
    QCOMPARE(m_reports.size(), 1);
    QCOMPARE(list.opened(), 0);
}

int main(int argc, char *argv[])
{
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    ChequeApplication app(argc, argv);
    TestTemplateList test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_templatelist.moc"
