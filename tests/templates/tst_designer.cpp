// Working in the designer: selecting an item, nudging it, typing its place
// in millimetres, choosing its colour; nothing changes that the user did not
// change; closing with changes asks.

#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "report/pagescroller.h"
#include "report/picturebox.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "templates/frm_chequetitle.h"
#include "templates/itemselection.h"
#include "ui/frm_dlg.h"

#include "designerfixture.h"
#include "../common/runningprogram.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every stored column of a template's items but their row ids, which a save
// makes anew.
const QString kItemRows = u"select ItemName || '|' || ItemLeft || '|' || ItemRight || '|' || ItemTop || '|' || "
                          u"ItemVisibility || '|' || ItemAlignment || '|' || ItemBidiMode || '|' || ItemFontName || "
                          u"'|' || ItemFontStyle || '|' || ItemFontSize || '|' || ItemFontColor || '|' || ItemCaption "
                          u"from ChequeItems where ChID = %1 order by ItemName"_s;

} // namespace

class TestDesigner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void keepUnchangedTakesTheStoredValues();
    void clickSelectsAndTabWalksTheItems();
    void arrowsNudgeTheSelectedItem_data();
    void arrowsNudgeTheSelectedItem();
    void typedMillimetresAreStored();
    void untouchedTemplatesSaveAsTheyWere_data();
    void untouchedTemplatesSaveAsTheyWere();
    void chosenColourIsStored();
    void closingWithChangesAsks_data();
    void closingWithChangesAsks();
    void itemOffThePageIsMarked();
    void farAwayPlacesLoadAndSaveAsStored();
    void sameNewTitleFromTwoUsers();
    void lockedDatabaseSaysWhatWasNotSaved();
    void unreadablePictureLeavesTheItems_data();
    void unreadablePictureLeavesTheItems();
    void hugePageDrawsWhatShows_data();
    void hugePageDrawsWhatShows();

private:
    QString db() const { return m_program.folder->fallbackDatabase(); }
    QVariantList column(const QString &statement) const { return sqliteColumn(db(), statement); }
    Tfrm_ChequeDesign *shown(qint64 chequeId);

    RunningProgram m_program;
};

void TestDesigner::init()
{
    m_program.start(5);
}

void TestDesigner::cleanup()
{
    m_program.stop();
}

Tfrm_ChequeDesign *TestDesigner::shown(qint64 chequeId)
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(chequeId);
    d->show();
    return d;
}

void TestDesigner::keepUnchangedTakesTheStoredValues()
{
    TemplateItem stored;
    stored.left = 164;
    stored.right = 464;
    stored.top = 129;
    stored.fontName = u"Tahoma"_s;
    stored.fontSize = 12;
    stored.fontStyle = 16;
    TemplateItem now = stored;
    now.left = 178; // measured in a stand-in font
    now.fontName = u"DejaVu Sans"_s;
    now.fontStyle = 0;
    now.caption = u"new"_s;
    const TemplateItem untouched = KeepUnchanged(now, stored, {});
    QCOMPARE(untouched.left, 164);
    QCOMPARE(untouched.fontName, u"Tahoma"_s);
    QCOMPARE(untouched.fontStyle, 16);
    QCOMPARE(untouched.caption, u"new"_s); // the text is the sample's, always
    const TemplateItem moved = KeepUnchanged(now, stored, {false, true});
    QCOMPARE(moved.left, 178);
    QCOMPARE(moved.fontName, u"Tahoma"_s);
    const TemplateItem restyled = KeepUnchanged(now, stored, {true, false});
    QCOMPARE(restyled.fontName, u"DejaVu Sans"_s);
    QCOMPARE(restyled.left, 164);
}

void TestDesigner::clickSelectsAndTabWalksTheItems()
{
    Tfrm_ChequeDesign *d = shown(2);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QTest::mouseClick(d->lbl_AlphaAmount, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(d->selection->selectedLabel(), d->lbl_AlphaAmount);
    QWidget *frame = d->DQR->findChild<QWidget *>(u"SelectionFrame"_s);
    QVERIFY(frame && frame->isVisible());
    QVERIFY(frame->geometry().contains(d->lbl_AlphaAmount->geometry()));
    QVERIFY(d->selection->lbl_Item->text().contains(u"ریال"_s));
    // Tab: the next items in their order, round to the first.
    QStringList walked;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(d->scb, Qt::Key_Tab);
        walked << d->selection->selectedLabel()->objectName();
    }
    QCOMPARE(walked, (QStringList{u"lbl_AlphaAmountToman"_s, u"lbl_Payment"_s, u"lbl_DigitDate"_s,
                                  u"lbl_AlphaDate"_s, u"lbl_DigitAmount"_s, u"lbl_AlphaAmount"_s}));
    QTest::keyClick(d->scb, Qt::Key_Backtab);
    QCOMPARE(d->selection->selectedLabel(), d->lbl_DigitAmount);
    // A hidden item is passed over.
    d->chk_Payment->setChecked(false);
    d->selection->select(4);
    QTest::keyClick(d->scb, Qt::Key_Tab);
    QCOMPARE(d->selection->selectedLabel(), d->lbl_DigitDate);
    // A click on the page clears it.
    QTest::mouseClick(d->Img_Cheque, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(d->selection->selectedLabel(), nullptr);
    QVERIFY(!frame->isVisible());
    QVERIFY(!d->selection->edt_ItemX->isEnabled());
}

void TestDesigner::arrowsNudgeTheSelectedItem_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("by");
    QTest::newRow("left") << int(Qt::Key_Left) << false << QPoint(-1, 0);
    QTest::newRow("right") << int(Qt::Key_Right) << false << QPoint(1, 0);
    QTest::newRow("up") << int(Qt::Key_Up) << false << QPoint(0, -1);
    QTest::newRow("down") << int(Qt::Key_Down) << false << QPoint(0, 1);
    QTest::newRow("Shift+left") << int(Qt::Key_Left) << true << QPoint(-10, 0);
    QTest::newRow("Shift+down") << int(Qt::Key_Down) << true << QPoint(0, 10);
}

void TestDesigner::arrowsNudgeTheSelectedItem()
{
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QPoint, by);
    Tfrm_ChequeDesign *d = shown(3);
    QTest::mouseClick(d->lbl_DigitAmount, Qt::LeftButton, {}, QPoint(3, 3));
    const QPoint before = d->lbl_DigitAmount->pos();
    const QPoint other = d->lbl_Payment->pos();
    QTest::keyClick(d->scb, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(d->lbl_DigitAmount->pos(), before + by);
    QCOMPARE(d->lbl_Payment->pos(), other);
    QVERIFY(d->hasChanges());
    const double mm = d->DQR->millimetresPerPixel();
    QVERIFY(std::abs(d->selection->edt_ItemX->value() - (before.x() + by.x()) * mm) < 0.051);
    // Without a selection the arrows move nothing.
    d->selection->select(-1);
    QTest::keyClick(d->scb, Qt::Key(key));
    QCOMPARE(d->lbl_DigitAmount->pos(), before + by);
}

void TestDesigner::typedMillimetresAreStored()
{
    Tfrm_ChequeDesign *d = shown(2);
    const double mm = d->DQR->millimetresPerPixel();
    // A digit item by its left edge, a word item by its right edge.
    d->selection->select(0);
    d->selection->edt_ItemX->setValue(30.0);
    d->selection->edt_ItemY->setValue(12.5);
    d->selection->select(3);
    d->selection->edt_ItemX->setValue(120.3);
    d->selection->edt_ItemY->setValue(33.0);
    const int left = int(std::lround(30.0 / mm)), top = int(std::lround(12.5 / mm));
    const int right = int(std::lround(120.3 / mm)), wordsTop = int(std::lround(33.0 / mm));
    QCOMPARE(d->lbl_DigitDate->pos(), QPoint(left, top));
    QCOMPARE(d->lbl_AlphaAmount->x() + d->lbl_AlphaAmount->width(), right);
    answerTitle(u"ملت 1"_s);
    d->SaveCheque();
    QCOMPARE(column(u"select ItemLeft || ',' || ItemTop from ChequeItems where ChID=2 and ItemName='DigitDate'"_s),
             QVariantList{u"%1,%2"_s.arg(left).arg(top)});
    QCOMPARE(column(u"select ItemRight || ',' || ItemTop from ChequeItems where ChID=2 and ItemName='AlphaAmount'"_s),
             QVariantList{u"%1,%2"_s.arg(right).arg(wordsTop)});
    // And they load back where they were typed.
    d->LoadCheque(1);
    d->LoadCheque(2);
    d->selection->select(3);
    QVERIFY(std::abs(d->selection->edt_ItemX->value() - 120.3) < 0.15);
}

void TestDesigner::untouchedTemplatesSaveAsTheyWere_data()
{
    QTest::addColumn<qint64>("chequeId");
    QTest::addColumn<bool>("fontDialogs"); // OK pressed in every font dialog, nothing changed
    for (qint64 id = 1; id <= 4; ++id) {
        QTest::addRow("template %lld", id) << id << false;
        QTest::addRow("template %lld, font dialogs", id) << id << true;
    }
}

void TestDesigner::untouchedTemplatesSaveAsTheyWere()
{
    QFETCH(qint64, chequeId);
    QFETCH(bool, fontDialogs);
    const QVariantList before = column(kItemRows.arg(chequeId));
    const QVariantList header = column(u"select * from Cheque where ChID=%1"_s.arg(chequeId));
    QCOMPARE(before.size(), 6);
    const QString title = column(u"select Title from Cheque where ChID=%1"_s.arg(chequeId)).value(0).toString();
    Tfrm_ChequeDesign *d = shown(chequeId);
    if (fontDialogs) {
        for (QPushButton *button : {d->BitBtn2, d->BitBtn4, d->BitBtn3, d->BitBtn5, d->BitBtn8, d->BitBtn6}) {
            onNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->accept(); });
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(!d->hasChanges());
    }
    answerTitle(title);
    d->SaveCheque();
    QCOMPARE(column(kItemRows.arg(chequeId)), before);
    QCOMPARE(column(u"select * from Cheque where ChID=%1"_s.arg(chequeId)), header);
}

void TestDesigner::chosenColourIsStored()
{
    Tfrm_ChequeDesign *d = shown(2);
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        QVERIFY(dialog);
        dialog->setCurrentColor(QColor(0, 0, 200));
        dialog->accept();
    });
    QTest::mouseClick(d->btn_Colors[5], Qt::LeftButton); // Payment
    QCOMPARE(d->lbl_Payment->color(), QColor(0, 0, 200));
    QVERIFY(d->hasChanges());
    answerTitle(u"ملت 1"_s);
    d->SaveCheque();
    // 0x00BBGGRR; the items whose colour was never chosen keep the system
    // colour they were stored with.
    QCOMPARE(column(u"select ItemFontColor from ChequeItems where ChID=2 and ItemName='Payment'"_s),
             QVariantList{0xC80000});
    QCOMPARE(column(u"select distinct ItemFontColor from ChequeItems where ChID=2 and ItemName<>'Payment'"_s),
             QVariantList{-16777208});
    d->LoadCheque(2);
    QCOMPARE(d->lbl_Payment->color(), QColor(0, 0, 200));
    // A cancelled colour dialog changes nothing.
    onNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
    QTest::mouseClick(d->btn_Colors[0], Qt::LeftButton);
    QVERIFY(!d->hasChanges());
}

void TestDesigner::closingWithChangesAsks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("back, close box") << u"بازگشت به طراحی"_s << false;
    QTest::newRow("discard, Escape") << u"بستن بدون ذخیره"_s << true;
    QTest::newRow("save, close box") << u"ذخیره"_s << false;
    QTest::newRow("back, Escape") << u"بازگشت به طراحی"_s << true;
}

void TestDesigner::closingWithChangesAsks()
{
    QFETCH(QString, answer);
    QFETCH(bool, byEscape);
    const QString row = u"select ItemTop from ChequeItems where ChID=3 and ItemName='Payment'"_s;
    const int top = column(row).value(0).toInt();
    Tfrm_ChequeDesign *d = shown(3);
    // No change: closing asks nothing.
    d->close();
    QVERIFY(!d->isVisible());
    d->show();
    d->selection->select(5);
    d->selection->nudge(0, 7);
    QString asked;
    onNextModal([&asked, answer](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        asked = box->text();
        if (answer == u"ذخیره"_s)
            answerTitle(u"ملت 2"_s);
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                QTest::mouseClick(button, Qt::LeftButton);
        }
    }, u"UnsavedChanges"_s);
    if (byEscape)
        QTest::keyClick(d, Qt::Key_Escape);
    else
        d->close();
    QVERIFY2(asked.contains(u"ذخیره نشده"_s), qPrintable(asked));
    const bool back = answer == u"بازگشت به طراحی"_s;
    QCOMPARE(d->isVisible(), back);
    QCOMPARE(d->hasChanges(), back);
    QCOMPARE(column(row).value(0).toInt(), answer == u"ذخیره"_s ? top + 7 : top);
    if (back) {
        onNextModal([](QWidget *modal) {
            for (QAbstractButton *button : static_cast<QMessageBox *>(modal)->buttons()) {
                if (button->text() == u"بستن بدون ذخیره"_s)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        }, u"UnsavedChanges"_s);
        d->close();
        QVERIFY(!d->isVisible());
    }
}

void TestDesigner::itemOffThePageIsMarked()
{
    Tfrm_ChequeDesign *d = shown(2);
    QVERIFY(d->itemsOffThePage().isEmpty());
    QVERIFY(!d->lbl_DigitDate->background().isValid());
    d->selection->select(0);
    d->selection->nudge(-600, 0);
    QCOMPARE(d->itemsOffThePage(), QStringList{u"تاریخ به عدد"_s});
    QVERIFY(d->lbl_DigitDate->background().isValid());
    // The designer's test print warns once, and prints all the same.
    QString warned;
    onNextModal([&warned](QWidget *modal) {
        warned = modal->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
        QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
    }, u"frm_Dlg"_s);
    frm_PrintCheque->setOutputFile(m_program.folder->exeDir + u"test.pdf"_s);
    QTest::mouseClick(d->BitBtn9, Qt::LeftButton);
    QVERIFY2(warned.startsWith(u"هشدار|"_s) && warned.contains(u"تاریخ به عدد"_s), qPrintable(warned));
    QVERIFY(QFile::exists(m_program.folder->exeDir + u"test.pdf"_s));
}

void TestDesigner::farAwayPlacesLoadAndSaveAsStored()
{
    sqliteExec(db(), {u"update ChequeItems set ItemLeft=2147483647, ItemRight=-2147483648, ItemTop=2147483647 "
                      u"where ChID=3 and ItemName in ('DigitDate', 'Payment')"_s});
    const QVariantList before = column(kItemRows.arg(3));
    Tfrm_ChequeDesign *d = shown(3);
    QVERIFY(d->lbl_DigitDate->x() > 100000);
    QVERIFY(d->lbl_Payment->x() < -100000);
    // They lie off the page: the warning first, then the save.
    onNextModal([](QWidget *) {
        answerTitle(u"ملت 2"_s);
        QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
    }, u"frm_Dlg"_s);
    d->SaveCheque();
    QCOMPARE(column(kItemRows.arg(3)), before);
}


void TestDesigner::sameNewTitleFromTwoUsers()
{
    const QString title = u"چک مشترک"_s;
    Tfrm_ChequeDesign *d = shown(1);
    // The other user's save lands after the title was found free, before
    // this save takes the database.
    frm_main->Con.setStatementLog([this, title](const QString &text) {
        if (text != u"BEGIN IMMEDIATE"_s)
            return;
        sqliteExec(db(), {u"insert into Cheque(Title,ImagePath,ImageWidth,ImageHeight,Orientation,ShowOrder) "
                          u"values('%1','',100,50,0,9)"_s.arg(title),
                          u"insert into ChequeItems(ChID,ItemName,ItemLeft,ItemRight,ItemTop) "
                          u"select ChID,'Payment',1,2,3 from Cheque where Title='%1'"_s.arg(title)});
    });
    const auto said = answerTitle(title);
    d->SaveCheque();
    frm_main->Con.setStatementLog({});
    QVERIFY2(said->startsWith(u"خطا|"_s) && said->contains(title), qPrintable(*said));
    QVERIFY(d->isVisible());
    QCOMPARE(column(u"select count(*) from Cheque where Title='%1'"_s.arg(title)), QVariantList{1});
    QCOMPARE(column(u"select ItemName || ItemLeft from ChequeItems where ChID=(select ChID from Cheque where "
                    u"Title='%1')"_s.arg(title)),
             QVariantList{u"Payment1"_s});
}

void TestDesigner::lockedDatabaseSaysWhatWasNotSaved()
{
    const QVariantList before = column(kItemRows.arg(2));
    Tfrm_ChequeDesign *d = shown(2);
    d->selection->select(0);
    d->selection->nudge(5, 0);
    // Another program holds the write lock all along.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        other.setDatabaseName(db());
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY(lock.exec(u"BEGIN IMMEDIATE"_s));
        const auto said = answerTitle(u"ملت 1"_s);
        d->SaveCheque();
        QVERIFY2(said->startsWith(u"خطا|"_s) && said->contains(u"ذخیره نشد"_s) && said->contains(u"ملت 1"_s),
                 qPrintable(*said));
        QVERIFY(d->isVisible() && d->hasChanges());
        QVERIFY(lock.exec(u"ROLLBACK"_s));
        other.close();
    }
    QSqlDatabase::removeDatabase(u"other"_s);
    QCOMPARE(column(kItemRows.arg(2)), before);
    // Once it is free, the same save goes through.
    answerTitle(u"ملت 1"_s);
    d->SaveCheque();
    QVERIFY(!d->hasChanges());
}

void TestDesigner::unreadablePictureLeavesTheItems_data()
{
    QTest::addColumn<QByteArray>("content");
    QFile real(u":/cheques/Mellat1.jpg"_s);
    QVERIFY(real.open(QIODevice::ReadOnly));
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("a text") << QByteArray("not a picture\n");
    QTest::newRow("cut short") << real.read(600);
}

void TestDesigner::unreadablePictureLeavesTheItems()
{
    QFETCH(QByteArray, content);
    const QString picture = column(u"select ImagePath from Cheque where ChID=2"_s).value(0).toString();
    {
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    const QVariantList before = column(kItemRows.arg(2));
    Tfrm_ChequeDesign *d = shown(2);
    // The items are the template's, not the designer's defaults.
    QCOMPARE(d->lbl_DigitDate->pos(), QPoint(490, 31));
    QVERIFY2(d->Img_Cheque->notice().contains(QDir::toNativeSeparators(picture)), qPrintable(d->Img_Cheque->notice()));
    answerTitle(u"ملت 1"_s);
    d->SaveCheque();
    QCOMPARE(column(kItemRows.arg(2)), before);
    // The template list's preview says so too.
    frm_DesignedChequeList->RefreshTemplates();
    QString previewNotice;
    onNextModal([&previewNotice](QWidget *) {
        previewNotice = frm_DesignedChequeList->Img_Cheque->notice();
        frm_DesignedChequeList->close();
    }, u"frm_DesignedChequeList"_s);
    ShowTemplateList(1);
    QVERIFY2(previewNotice.contains(QDir::toNativeSeparators(picture)), qPrintable(previewNotice));
}

void TestDesigner::hugePageDrawsWhatShows_data()
{
    QTest::addColumn<bool>("picture");
    QTest::newRow("with its picture") << true;
    QTest::newRow("picture missing") << false;
}

// A stored size of 20000 x 20000 mm, a page of some 75000 pixels a side: it
// opens, scrolls and draws in the designer and the preview without a bitmap
// of the page's size, which Qt would refuse with a warning (or the machine
// would run out of memory).
void TestDesigner::hugePageDrawsWhatShows()
{
    QFETCH(bool, picture);
    sqliteExec(db(), {u"update Cheque set ImageWidth=20000, ImageHeight=20000 where ChID=2"_s});
    if (!picture)
        sqliteExec(db(), {u"update Cheque set ImagePath='/nonexistent/cheque.jpg' where ChID=2"_s});
    QTest::failOnWarning(QRegularExpression(u"out of memory|too large|[Aa]lloc"_s));
    Tfrm_ChequeDesign *d = shown(2);
    d->resize(900, 600);
    QApplication::processEvents();
    QVERIFY(d->DQR->width() > 70000 && d->DQR->height() > 70000);
    const QSize bounded(4096, 4096);
    QVERIFY(d->Img_Cheque->image().width() <= bounded.width() || picture);
    QVERIFY(!d->grab().isNull());
    for (QScrollBar *bar : d->findChildren<QScrollBar *>())
        bar->setValue(bar->maximum());
    QApplication::processEvents();
    QVERIFY(!d->grab().isNull());
    d->close();

    bool previewed = false;
    onNextModal([&previewed](QWidget *) {
        auto *list = frm_DesignedChequeList;
        list->DBGrid1->setCurrentIndex(list->DBGrid1->model()->index(0, 0));
        previewed = !list->grab().isNull() && list->DQR->width() > 70000;
        list->close();
    }, u"frm_DesignedChequeList"_s);
    ShowTemplateList(1);
    QVERIFY(previewed);
}

int main(int argc, char *argv[])
{
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/cups.sock"));
    ChequeApplication app(argc, argv);
    TestDesigner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_designer.moc"
