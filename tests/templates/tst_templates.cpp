#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"
#include "report/picturebox.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "templates/frm_chequeimage.h"
#include "templates/frm_chequetitle.h"
#include "templates/templateitem.h"
#include "ui/frm_dlg.h"
#include "ui/maskededit.h"
#include "ui/spinedit.h"
#include "wording/amounts.h"
#include "wording/dates.h"

#include "designerfixture.h"
#include "../common/testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include "report/pagescroller.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBlank = u"جدید"_s;
const QString kMellat1 = u"ملت 1"_s;
const QString kMellat2 = u"ملت 2"_s;

// Answers the warning that items lie off the page, then the title dialog
// and the message after the save as answerTitle does.
struct WarnedSave
{
    std::shared_ptr<QString> warning;
    std::shared_ptr<std::shared_ptr<QString>> said;
    QString saidText() const { return *said ? **said : QString(); }
};

WarnedSave answerWarningThenTitle(const QString &title)
{
    WarnedSave answers{std::make_shared<QString>(), std::make_shared<std::shared_ptr<QString>>()};
    onNextModal([answers, title](QWidget *modal) {
        *answers.warning = modal->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
        *answers.said = answerTitle(title); // armed before the warning goes
        QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton);
    }, u"frm_Dlg"_s);
    return answers;
}

// Types into a widget with the keyboard, one key per character.
void type(QWidget *widget, const QString &keys)
{
    for (QChar c : keys)
        QTest::keyClick(widget, c.toLatin1());
}

} // namespace

class TestTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void statementsInTsql();
    void loadSendsItsTwoStatements();
    void loadPlacesTheItems();
    void storedEncodingsRoundTrip();
    void missingPictureGivesABlankOne();
    void newTemplateListPosition_data();
    void newTemplateListPosition();
    void savingUnderAnotherTitleOverwritesIt();
    void newTitleMakesACopy();
    void placesOffThePageSurvive();
    void itemOfASwitchedOffGroupIsStoredHidden();
    void failedSaveLeavesTheTemplateAsItWas();
    void unknownOrientationSavesBackAsIs();

    void titleDialog_data();
    void titleDialog();
    void emptyTitleIsRefused();
    void pictureDialogWithoutPicture();
    void pictureDialogChoosesAFile();

    void surfaceCentresThePage_data();
    void surfaceCentresThePage();
    void orientationSwapsOnlyThePictures();
    void visibilityGroups();
    void typedDateFillsWordsOnlyWhenValid();
    void typedAmountFillsBothWordings();
    void emptyPayee();
    void refusedAmountKeepsTheWords();
    void dragMovesOnlyTheDraggedItem();
    void pressOnThePictureMovesNothing();
    void fontButtonKeepsTheAnchor();
    void newTemplateRoundTrip();

private:
    QString db() const { return m_folder->fallbackDatabase(); }
    QVariantList column(const QString &statement) const { return sqliteColumn(db(), statement); }

    QStringList m_reports;
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestTemplates::init()
{
    m_reports.clear();
    SetErrorReporter([this](const QString &message) { m_reports << message; });
    m_folder = std::make_unique<ProgramFolder>();
    WriteSampleDatabase(db(), 5);
    CreateForms({m_folder->exeDir, m_folder->parentDir});
    QVERIFY(frm_main->Con.isOpen());
}

void TestTemplates::cleanup()
{
    DestroyForms();
    SetErrorReporter({});
    m_folder.reset();
}

void TestTemplates::statementsInTsql()
{
    const Dialect d(Dialect::SqlServer);
    QCOMPARE(LoadChequeStatement(7), u"Select * from [Cheque] where [ChID]=7"_s);
    QCOMPARE(LoadChequeItemsStatement(7), u"Select * from [ChequeItems] where ChID=7"_s);
    QCOMPARE(MaxShowOrderStatement(), u"Select Max([ShowOrder]) from [Cheque]"_s);
    QCOMPARE(InsertChequeStatement(d, u"O'Neil"_s, u"C:\\a.jpg"_s, 170, 85, 1, 4),
             (QStringList{u"Insert into [Cheque]([Title],[ImagePath],[ImageWidth],[ImageHeight],[Orientation],[ShowOrder])"_s, u"values(N'O''Neil',N'C:\\a.jpg',170,85,1,4)"_s}));
    QCOMPARE(ChequeByTitleStatement(d, u"O'Neil"_s), u"Select * from [Cheque] where [Title]=N'O''Neil'"_s);
    QCOMPARE(UpdateChequeStatement(d, QString(), 120, 60, -1, 5),
             (QStringList{u"Update [Cheque]"_s, u"Set [ImagePath]=N'' , "_s, u"    [ImageWidth]=120 , "_s,
                          u"    [ImageHeight]=60 , "_s, u"    [Orientation]=-1"_s, u"where [ChID]=5"_s}));
    QCOMPARE(DeleteChequeItemsStatement(5), u"Delete from [ChequeItems] where [ChID]=5"_s);
    TemplateItem item;
    item.chequeId = 7;
    item.name = u"DigitDate"_s;
    item.left = 336;
    item.right = 374;
    item.top = 18;
    item.fontName = u"Tahoma"_s;
    item.fontStyle = 1;
    item.fontSize = 12;
    item.fontColor = -16777208;
    item.caption = u"**/**/**"_s;
    QCOMPARE(InsertChequeItemStatement(d, item),
             (QStringList{u"insert into [ChequeItems](ChID,ItemName,ItemLeft,ItemRight,ItemTop,ItemVisibility,ItemAlignment,ItemBidiMode,ItemFontName,ItemFontStyle,ItemFontSize,ItemFontColor,ItemCaption)"_s, u"Values(7,N'DigitDate',336,374,18,0,0,0,N'Tahoma',1,12,-16777208,N'**/**/**')"_s}));
}

void TestTemplates::loadSendsItsTwoStatements()
{
    QStringList log;
    frm_main->Con.setStatementLog([&log](const QString &text) { log << text; });
    frm_ChequeDesign->LoadCheque(3);
    frm_main->Con.setStatementLog({});
    QCOMPARE(log, (QStringList{LoadChequeStatement(3), LoadChequeItemsStatement(3)}));
}

void TestTemplates::loadPlacesTheItems()
{
    frm_ChequeDesign->LoadCheque(2);
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    QCOMPARE(d->chequeTitle(), kMellat1);
    QCOMPARE(d->imagePath(), m_folder->exeDir + u"Mellat1.jpg"_s);
    QCOMPARE(d->edt_Width->currentValue(), 170);
    QCOMPARE(d->edt_Length->currentValue(), 85);
    QCOMPARE(d->DQR->size(), QSize(643, 321));
    QCOMPARE(d->Img_Cheque->geometry(), QRect(0, 0, 643, 321));
    QCOMPARE(d->Img_Cheque->image().size(), QSize(1944, 954));
    QCOMPARE(d->cmb_page->currentIndex(), 0);
    // Left-to-right items by their left edge, right-to-left ones by their right.
    QCOMPARE(d->lbl_DigitDate->pos(), QPoint(490, 31));
    QCOMPARE(d->lbl_DigitAmount->pos(), QPoint(43, 85));
    QCOMPARE(d->lbl_Payment->geometry().right() + 1, 561);
    QCOMPARE(d->lbl_Payment->y(), 175);
    QCOMPARE(d->lbl_AlphaAmountToman->geometry().right() + 1, 585);
    QCOMPARE(d->lbl_AlphaDate->text(), u"********تاریخ به حروف"_s);
    QCOMPARE(d->lbl_AlphaDate->bidiMode(), BidiMode::RightToLeft);
    QCOMPARE(d->lbl_DigitDate->labelFont().family(), u"Tahoma"_s);
    QCOMPARE(d->lbl_DigitDate->labelFont().pointSize(), 12);
    QCOMPARE(d->lbl_DigitDate->color(), QGuiApplication::palette().color(QPalette::WindowText));
}

void TestTemplates::storedEncodingsRoundTrip()
{
    // A template of our own with every encoding the columns allow.
    sqliteExec(db(), {
        u"insert into Cheque(Title, ImagePath, ImageWidth, ImageHeight, Orientation, ShowOrder) values('enc', '', 150, 70, 1, 9)"_s,
        u"insert into ChequeItems(ChID,ItemName,ItemLeft,ItemRight,ItemTop,ItemVisibility,ItemAlignment,ItemBidiMode,ItemFontName,ItemFontStyle,ItemFontSize,ItemFontColor,ItemCaption) values "
        u"(5,'DigitDate',10,60,5,1,1,0,'B Nazanin',5,14,255,'a'),"
        u"(5,'AlphaDate',20,300,25,0,0,1,'Tahoma',16,10,-16777208,'b'),"
        u"(5,'DigitAmount',30,90,45,1,2,2,'Tahoma',15,11,3355443,'c'),"
        u"(5,'AlphaAmount',40,400,65,null,7,3,'Tahoma',2,9,0,'d'),"
        u"(5,'AlphaAmountToman',-50,200,1000,1,0,9,'Tahoma',8,12,-16777208,'e'),"
        u"(5,'Payment',60,500,85,1,0,1,'Tahoma',0,12,-16777208,'f'),"
        u"(5,'Other',0,0,0,1,0,0,'Tahoma',0,12,0,'skipped')"_s,
    });
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(5);
    QFont date = d->lbl_DigitDate->labelFont();
    QCOMPARE(date.family(), u"B Nazanin"_s); // as stored, installed or not
    QVERIFY(date.bold() && date.underline() && !date.italic() && !date.strikeOut());
    QCOMPARE(d->lbl_DigitDate->color(), QColor(255, 0, 0));
    QCOMPARE(d->lbl_DigitDate->textAlignment(), TextAlignment::Right);
    QFont words = d->lbl_AlphaDate->labelFont();
    QVERIFY(!words.bold() && !words.italic() && !words.underline() && !words.strikeOut()); // style 16
    QVERIFY(!d->chk_AlphaDate->isChecked());
    QVERIFY(!d->chk_AlphaAmount->isChecked()); // NULL visibility loads as hidden
    QCOMPARE(d->lbl_AlphaAmount->textAlignment(), TextAlignment::Left); // 7 reads as 0
    QCOMPARE(d->lbl_AlphaAmountToman->bidiMode(), BidiMode::LeftToRight); // 9 reads as 0
    QCOMPARE(d->lbl_DigitAmount->bidiMode(), BidiMode::RightToLeftNoAlign);
    QCOMPARE(d->lbl_AlphaAmountToman->pos(), QPoint(-50, 1000));

    const QString rows = u"select ItemName || ',' || ItemTop || ',' || coalesce(ItemVisibility, 0) || ',' || ItemAlignment "
                         u"|| ',' || ItemBidiMode || ',' || ItemFontName || ',' || ItemFontStyle || ',' || "
                         u"ItemFontSize || ',' || ItemFontColor || ',' || ItemCaption from ChequeItems "
                         u"where ChID = 5 and ItemName <> 'Other' order by ItemName"_s;
    QVariantList before = column(rows);
    const WarnedSave answers = answerWarningThenTitle(u"enc"_s); // the toman item lies at 1000
    d->SaveCheque();
    QVERIFY2(answers.warning->startsWith(u"هشدار|"_s), qPrintable(*answers.warning));
    QCOMPARE(answers.saidText(), u"اطلاعات|ثبت انجام شد"_s);
    QVariantList after = column(rows);
    // What was stored comes back as it was, the unread style bit 16 of an
    // untouched font included, but for the visibility a NULL stood for.
    QStringList expected;
    for (const QVariant &row : before)
        expected << row.toString();
    QStringList got;
    for (const QVariant &row : after)
        got << row.toString();
    // Out-of-range codes were read as 0, and are saved so.
    expected.replaceInStrings(u"AlphaAmount,65,0,7,"_s, u"AlphaAmount,65,0,0,"_s);
    expected.replaceInStrings(u"AlphaAmountToman,1000,1,0,9,"_s, u"AlphaAmountToman,1000,1,0,0,"_s);
    QCOMPARE(got, expected);
    // Each item keeps the edge it is anchored by.
    QCOMPARE(column(u"select ItemLeft from ChequeItems where ChID = 5 and ItemName = 'DigitAmount'"_s).value(0).toInt(), 30);
    QCOMPARE(column(u"select ItemRight from ChequeItems where ChID = 5 and ItemName = 'Payment'"_s).value(0).toInt(), 500);
    QCOMPARE(column(u"select count(*) from ChequeItems where ChID = 5"_s).value(0).toInt(), 6);
}

void TestTemplates::missingPictureGivesABlankOne()
{
    sqliteExec(db(), {u"update Cheque set ImagePath = '/nowhere/x.jpg', ImageWidth = 150, ImageHeight = 70 where ChID = 3"_s});
    frm_ChequeDesign->LoadCheque(3);
    QCOMPARE(frm_ChequeDesign->LoadChequePicture(u"/nowhere/x.jpg"_s), false);
    const QImage blank = frm_ChequeDesign->Img_Cheque->image();
    QCOMPARE(blank.size(), QSize(150, 70));
    QCOMPARE(blank.pixelColor(75, 35), QColor(Qt::white));
    QCOMPARE(frm_ChequeDesign->Img_Cheque->size(), frm_ChequeDesign->DQR->size());
    // The items were loaded all the same.
    QCOMPARE(frm_ChequeDesign->lbl_DigitDate->pos(), QPoint(485, 33));
}

void TestTemplates::newTemplateListPosition_data()
{
    QTest::addColumn<bool>("onlyBuiltIn");
    QTest::addColumn<int>("position");
    QTest::newRow("only the blank template") << true << 1;
    QTest::newRow("after the largest") << false << 4;
}

void TestTemplates::newTemplateListPosition()
{
    QFETCH(bool, onlyBuiltIn);
    QFETCH(int, position);
    if (onlyBuiltIn)
        sqliteExec(db(), {u"delete from Cheque where ChID > 1"_s, u"delete from ChequeItems where ChID > 1"_s});
    frm_ChequeDesign->LoadCheque(1);
    answerTitle(u"new one"_s);
    frm_ChequeDesign->SaveCheque();
    QCOMPARE(column(u"select ShowOrder from Cheque where Title = 'new one'"_s), QVariantList{position});
    QCOMPARE(column(u"select count(*) from ChequeItems where ChID = (select ChID from Cheque where Title = 'new one')"_s),
             QVariantList{6});
}

void TestTemplates::savingUnderAnotherTitleOverwritesIt()
{
    const QVariantList mellat1 = column(u"select * from ChequeItems where ChID = 2 order by ItemID"_s);
    frm_ChequeDesign->LoadCheque(2);
    frm_ChequeDesign->lbl_DigitDate->move(100, 10);
    answerTitle(kMellat2);
    frm_ChequeDesign->SaveCheque();
    QCOMPARE(column(u"select count(*) from Cheque"_s), QVariantList{4});
    QCOMPARE(column(u"select ImagePath || ',' || ShowOrder || ',' || Title from Cheque where ChID = 3"_s),
             QVariantList{m_folder->exeDir + u"Mellat1.jpg,2,"_s + kMellat2});
    QCOMPARE(column(u"select ItemLeft || ',' || ItemTop from ChequeItems where ChID = 3 and ItemName = 'DigitDate'"_s),
             QVariantList{u"100,10"_s});
    QCOMPARE(column(u"select * from ChequeItems where ChID = 2 order by ItemID"_s), mellat1);
    QCOMPARE(frm_ChequeDesign->chequeTitle(), kMellat2);
}

void TestTemplates::newTitleMakesACopy()
{
    frm_ChequeDesign->LoadCheque(2);
    frm_ChequeDesign->edt_payment->setText(u"O'Neil"_s);
    answerTitle(u"copy 'of' it"_s);
    frm_ChequeDesign->SaveCheque();
    QCOMPARE(column(u"select ChID || ',' || ShowOrder from Cheque where Title = 'copy ''of'' it'"_s),
             QVariantList{u"5,4"_s});
    QCOMPARE(column(u"select ItemCaption from ChequeItems where ChID = 5 and ItemName = 'Payment'"_s),
             QVariantList{u"O'Neil"_s});
    QCOMPARE(column(u"select count(*) from ChequeItems where ChID = 2"_s), QVariantList{6});
    QCOMPARE(column(u"select Title from Cheque where ChID = 2"_s), QVariantList{kMellat1});
}

void TestTemplates::placesOffThePageSurvive()
{
    frm_ChequeDesign->LoadCheque(4);
    frm_ChequeDesign->lbl_DigitAmount->move(-40, 900);
    frm_ChequeDesign->lbl_Payment->move(2000, -7);
    const int paymentWidth = frm_ChequeDesign->lbl_Payment->width();
    const WarnedSave answers = answerWarningThenTitle(u"پاسارگاد"_s);
    frm_ChequeDesign->SaveCheque();
    QVERIFY(answers.warning->contains(u"مبلغ به عدد"_s) && answers.warning->contains(u"در وجه"_s));
    frm_ChequeDesign->LoadCheque(1);
    frm_ChequeDesign->LoadCheque(4);
    QCOMPARE(frm_ChequeDesign->lbl_DigitAmount->pos(), QPoint(-40, 900));
    QCOMPARE(frm_ChequeDesign->lbl_Payment->pos(), QPoint(2000, -7));
    QCOMPARE(column(u"select ItemRight from ChequeItems where ChID = 4 and ItemName = 'Payment'"_s),
             QVariantList{2000 + paymentWidth});
}

void TestTemplates::itemOfASwitchedOffGroupIsStoredHidden()
{
    frm_ChequeDesign->LoadCheque(2);
    frm_ChequeDesign->chk_Amount->setChecked(false);
    QVERIFY(frm_ChequeDesign->chk_DigitAmount->isChecked());
    answerTitle(kMellat1);
    frm_ChequeDesign->SaveCheque();
    QCOMPARE(column(u"select ItemName from ChequeItems where ChID = 2 and ItemVisibility = 0 order by ItemName"_s),
             (QVariantList{u"AlphaAmount"_s, u"AlphaAmountToman"_s, u"DigitAmount"_s}));
    frm_ChequeDesign->chk_Amount->setChecked(true);
}

void TestTemplates::failedSaveLeavesTheTemplateAsItWas()
{
    // The last item insert fails, after the header was updated and the
    // old items deleted.
    sqliteExec(db(), {u"create trigger refuse before insert on ChequeItems when new.ItemName = 'Payment' "
                      u"begin select raise(abort, 'disk full'); end"_s});
    const QVariantList header = column(u"select * from Cheque order by ChID"_s);
    const QVariantList items = column(u"select ItemID || ItemLeft || ItemCaption from ChequeItems order by ItemID"_s);
    frm_ChequeDesign->LoadCheque(2);
    frm_ChequeDesign->show();
    frm_ChequeDesign->edt_Width->setCurrentValue(171);
    frm_ChequeDesign->lbl_DigitDate->move(1, 1);

    onNextModal([](QWidget *) {
        frm_ChequeTitle->edt_Title->setText(kMellat1);
        QTest::mouseClick(frm_ChequeTitle->BitBtn1, Qt::LeftButton);
    }, u"frm_ChequeTitle"_s);
    QString said;
    onNextModal([&said](QWidget *modal) {
        said = modal->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
        QTest::keyClick(frm_Dlg->btn_ok, Qt::Key_Return);
    }, u"frm_Dlg"_s);
    frm_ChequeDesign->SaveCheque();

    QVERIFY2(said.startsWith(u"خطا|"_s) && said.contains(u"disk full"_s), qPrintable(said));
    QVERIFY(frm_ChequeDesign->isVisible());
    QCOMPARE(column(u"select * from Cheque order by ChID"_s), header);
    QCOMPARE(column(u"select ItemID || ItemLeft || ItemCaption from ChequeItems order by ItemID"_s), items);
    // The connection is usable again afterwards.
    sqliteExec(db(), {u"drop trigger refuse"_s});
    answerTitle(kMellat1);
    frm_ChequeDesign->SaveCheque();
    QCOMPARE(column(u"select ImageWidth from Cheque where ChID = 2"_s), QVariantList{171});
}

void TestTemplates::unknownOrientationSavesBackAsIs()
{
    sqliteExec(db(), {u"update Cheque set Orientation = 2 where ChID = 3"_s});
    frm_ChequeDesign->LoadCheque(3);
    QCOMPARE(frm_ChequeDesign->cmb_page->currentIndex(), -1);
    answerTitle(kMellat2);
    frm_ChequeDesign->SaveCheque();
    QCOMPARE(column(u"select Orientation from Cheque where ChID = 3"_s), QVariantList{-1});
}

void TestTemplates::titleDialog_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("id");
    QTest::newRow("the blank template shows nothing") << kBlank << QString() << kMellat2 << qint64(3);
    QTest::newRow("another shows its title") << kMellat1 << kMellat1 << u"fresh"_s << qint64(0);
    QTest::newRow("the blank template's title") << kMellat1 << kMellat1 << kBlank << qint64(1);
    QTest::newRow("a quote in the title") << u"x"_s << u"x"_s << u"it's"_s << qint64(5);
    QTest::newRow("blanks are a title") << u"x"_s << u"x"_s << u"  "_s << qint64(0);
}

void TestTemplates::titleDialog()
{
    QFETCH(QString, current);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(qint64, id);
    sqliteExec(db(), {u"insert into Cheque(Title) values('it''s')"_s});
    QString offered;
    int offCentre = -1;
    onNextModal([&](QWidget *) {
        offCentre = (frm_ChequeTitle->frameGeometry().center() - frm_main->frameGeometry().center()).manhattanLength();
        offered = frm_ChequeTitle->edt_Title->text();
        frm_ChequeTitle->edt_Title->setText(typed);
        QTest::mouseClick(frm_ChequeTitle->BitBtn1, Qt::LeftButton);
    });
    TChequeTitle answer;
    AskChequeTitle(current, answer);
    QCOMPARE(offered, shown);
    QVERIFY(offCentre >= 0 && offCentre <= 2); // centred over the main window
    QVERIFY(answer.Selected);
    QCOMPARE(answer.Title, typed);
    QCOMPARE(answer.ID, id);

    onNextModal([](QWidget *) { QTest::mouseClick(frm_ChequeTitle->BitBtn2, Qt::LeftButton); });
    AskChequeTitle(u"kept"_s, answer);
    QVERIFY(!answer.Selected);
    QCOMPARE(answer.Title, u"kept"_s);
    QCOMPARE(answer.ID, 0);
}

void TestTemplates::emptyTitleIsRefused()
{
    QString said;
    bool stillOpen = false;
    onNextModal([&](QWidget *) {
        frm_ChequeTitle->edt_Title->clear();
        onNextModal([&](QWidget *modal) {
            said = modal->windowTitle() + u'|' + frm_Dlg->mem_message->toPlainText();
            QTest::keyClick(frm_Dlg->btn_ok, Qt::Key_Return);
        }, u"frm_Dlg"_s);
        QTest::mouseClick(frm_ChequeTitle->BitBtn1, Qt::LeftButton);
        stillOpen = frm_ChequeTitle->isVisible();
        QTest::mouseClick(frm_ChequeTitle->BitBtn2, Qt::LeftButton);
    });
    TChequeTitle answer;
    AskChequeTitle(kMellat1, answer);
    QCOMPARE(said, u"خطا|عنوان مشخص نشده است"_s);
    QVERIFY(stillOpen);
    QVERIFY(!answer.Selected);
}

void TestTemplates::pictureDialogWithoutPicture()
{
    QString path = u"old"_s;
    int width = 1, height = 2;
    onNextModal([](QWidget *) {
        frm_ChequeImage->edt_Width->setCurrentValue(175);
        frm_ChequeImage->edt_Length->setCurrentValue(80);
        onNextModal([](QWidget *) { QTest::mouseClick(frm_Dlg->btn_cansel, Qt::LeftButton); }, u"frm_Dlg"_s);
        QTest::mouseClick(frm_ChequeImage->BitBtn1, Qt::LeftButton);
    }, u"frm_ChequeImage"_s);
    QVERIFY(AskChequeImage(path, width, height));
    QCOMPARE(path, QString());
    QCOMPARE(width, 175);
    QCOMPARE(height, 80);

    // Cancelled: nothing is given back, and the size is offered again.
    QSize offered;
    onNextModal([&](QWidget *) {
        offered = {frm_ChequeImage->edt_Width->currentValue(), frm_ChequeImage->edt_Length->currentValue()};
        QTest::mouseClick(frm_ChequeImage->BitBtn2, Qt::LeftButton);
    }, u"frm_ChequeImage"_s);
    path = u"old"_s;
    QVERIFY(!AskChequeImage(path, width, height));
    QCOMPARE(path, u"old"_s);
    QCOMPARE(offered, QSize(175, 80));
}

void TestTemplates::pictureDialogChoosesAFile()
{
    const QString picture = m_folder->exeDir + u"Mellat2.jpg"_s;
    bool backInTheDialog = false;
    onNextModal([&](QWidget *) {
        // First the chooser is cancelled: back to the dialog.
        onNextModal([](QWidget *) { QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton); }, u"frm_Dlg"_s);
        onNextModal([](QWidget *chooser) { static_cast<QDialog *>(chooser)->reject(); }, u"PictureChooser"_s);
        QTest::mouseClick(frm_ChequeImage->BitBtn1, Qt::LeftButton);
        backInTheDialog = frm_ChequeImage->isVisible();
        onNextModal([](QWidget *) { QTest::mouseClick(frm_Dlg->btn_ok, Qt::LeftButton); }, u"frm_Dlg"_s);
        onNextModal([picture](QWidget *chooser) {
            auto *files = static_cast<QFileDialog *>(chooser);
            QVERIFY(files->nameFilters().join(u' ').contains(u"*.jpg"_s));
            QVERIFY(files->nameFilters().join(u' ').contains(u"*.png"_s));
            QVERIFY(files->nameFilters().join(u' ').contains(u"*.bmp"_s));
            QVERIFY(files->findChild<QLabel *>(u"preview"_s));
            // Typed into the name field, as a user would.
            files->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(picture);
            QTRY_COMPARE(QFileInfo(files->selectedFiles().value(0)), QFileInfo(picture));
            static_cast<QDialog *>(files)->done(QDialog::Accepted);
        }, u"PictureChooser"_s);
        QTest::mouseClick(frm_ChequeImage->BitBtn1, Qt::LeftButton);
    }, u"frm_ChequeImage"_s);
    QString path;
    int width = 0, height = 0;
    QVERIFY(AskChequeImage(path, width, height));
    QVERIFY(backInTheDialog);
    QCOMPARE(QFileInfo(path), QFileInfo(picture));
}

void TestTemplates::surfaceCentresThePage_data()
{
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<int>("left");
    QTest::newRow("wide box") << 800 << 173;
    QTest::newRow("narrow box") << 400 << 0;
}

void TestTemplates::surfaceCentresThePage()
{
    QFETCH(int, boxWidth);
    QFETCH(int, left);
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->show(); // a hidden scroll box hears of its size only when shown
    QVERIFY(QTest::qWaitForWindowExposed(d));
    d->edt_Width->setCurrentValue(120);
    d->edt_Length->setCurrentValue(60);
    QCOMPARE(d->DQR->size(), QSize(454, 227));
    d->scb->resize(boxWidth, 329);
    QCOMPARE(d->DQR->x(), left);
    QCOMPARE(d->DQR->y(), 329 / 2 - 227 / 2);
    // A cleared size is a size of 0, and the picture follows it.
    d->edt_Width->findChild<QLineEdit *>()->clear();
    QCOMPARE(d->DQR->width(), 0);
    QCOMPARE(d->Img_Cheque->width(), 0);
}

void TestTemplates::orientationSwapsOnlyThePictures()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    const QSize page = d->DQR->size();
    d->cmb_page->setCurrentIndex(1);
    QVERIFY(!d->img0->isVisibleTo(d) && d->img1->isVisibleTo(d));
    d->cmb_page->setCurrentIndex(0);
    QVERIFY(d->img0->isVisibleTo(d) && !d->img1->isVisibleTo(d));
    QCOMPARE(d->DQR->size(), page);
    QCOMPARE(d->Img_Cheque->geometry(), QRect(QPoint(0, 0), page));
}

void TestTemplates::visibilityGroups()
{
    // In the right-to-left panel a check box's indicator is at its right end.
    const auto click = [](QCheckBox *box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 8, box->height() / 2)); };
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    click(d->chk_AlphaDate);
    QVERIFY(!d->lbl_AlphaDate->isVisible());
    click(d->chk_Date);
    QVERIFY(!d->chk_DigitDate->isEnabled() && !d->chk_AlphaDate->isEnabled());
    QVERIFY(!d->lbl_DigitDate->isVisible() && !d->lbl_AlphaDate->isVisible());
    click(d->chk_Date);
    // Exactly those whose own box is still on come back.
    QVERIFY(d->lbl_DigitDate->isVisible());
    QVERIFY(!d->lbl_AlphaDate->isVisible());
    click(d->chk_Amount);
    for (auto *l : {d->lbl_DigitAmount, d->lbl_AlphaAmount, d->lbl_AlphaAmountToman})
        QVERIFY(!l->isVisible());
    QVERIFY(d->lbl_Payment->isVisible());
    click(d->chk_Payment);
    QVERIFY(!d->lbl_Payment->isVisible());
}

void TestTemplates::typedDateFillsWordsOnlyWhenValid()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    d->show();
    QCOMPARE(d->edt_Date->text(), u"____/__/__"_s);
    const QString stored = d->lbl_AlphaDate->text();
    const int right = d->lbl_AlphaDate->geometry().right();
    d->edt_Date->setFocus();
    d->edt_Date->selectAll();
    type(d->edt_Date, u"0511"_s); // day and month only
    QCOMPARE(d->lbl_DigitDate->text(), u"____/11/05"_s);
    QCOMPARE(d->lbl_AlphaDate->text(), stored);
    type(d->edt_Date, u"1402"_s);
    QCOMPARE(d->lbl_DigitDate->text(), u"1402/11/05"_s);
    QCOMPARE(d->lbl_AlphaDate->text(), u"پنجم بهمن یک هزار و چهارصد و دو "_s);
    QCOMPARE(d->lbl_AlphaDate->geometry().right(), right); // grew to the left
    QCOMPARE(d->lbl_DigitDate->x(), 490);

    // A date of the right shape but a wrong day: reported, words kept.
    d->edt_Date->selectAll();
    type(d->edt_Date, u"3107"_s);
    type(d->edt_Date, u"1402"_s);
    QCOMPARE(d->lbl_DigitDate->text(), u"1402/07/31"_s);
    QCOMPARE(d->lbl_AlphaDate->text(), u"پنجم بهمن یک هزار و چهارصد و دو "_s);
    QVERIFY(m_reports.contains(u"روز اشتباه است"_s));
}

void TestTemplates::typedAmountFillsBothWordings()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    d->show();
    d->edt_Money->setFocus();
    type(d->edt_Money, u"1250000"_s);
    QCOMPARE(d->edt_Money->text(), u"1,250,000"_s);
    QCOMPARE(d->lbl_DigitAmount->text(), u"×1,250,000/ــــ"_s);
    QCOMPARE(d->lbl_AlphaAmount->text(), AmountToRialWords(u"1,250,000"_s));
    QCOMPARE(d->lbl_AlphaAmountToman->text(), AmountToTomanWords(u"1,250,000"_s));
    QCOMPARE(d->lbl_DigitAmount->x(), 43);
    QCOMPARE(d->lbl_AlphaAmount->geometry().right() + 1, 478);
    // Emptied: the frame alone; the words stay.
    d->edt_Money->selectAll();
    QTest::keyClick(d->edt_Money, Qt::Key_Backspace);
    QCOMPARE(d->lbl_DigitAmount->text(), u"×/ــــ"_s);
    QCOMPARE(d->lbl_AlphaAmount->text(), AmountToRialWords(u"1,250,000"_s));
}

void TestTemplates::emptyPayee()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    d->edt_payment->setText(u"x"_s);
    d->edt_payment->clear();
    QCOMPARE(d->lbl_Payment->text(), QString());
    QCOMPARE(d->lbl_Payment->size(), ReportLabel::TextExtent(u" "_s, d->lbl_Payment->labelFont(), d->lbl_Payment));
    QCOMPARE(d->lbl_Payment->geometry().right() + 1, 561);
}

void TestTemplates::refusedAmountKeepsTheWords()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    const QString rial = d->lbl_AlphaAmount->text();
    const QString toman = d->lbl_AlphaAmountToman->text();
    d->show();
    d->edt_Money->setFocus();
    // Sixteen digits: beyond what the wording writes.
    type(d->edt_Money, u"1000000000000000"_s);
    QCOMPARE(d->lbl_AlphaAmount->text(), AmountToRialWords(u"100,000,000,000,000"_s));
    QVERIFY(!m_reports.isEmpty());
    QVERIFY(d->lbl_DigitAmount->text().contains(u"1,000,000,000,000,000"_s));
    QVERIFY(d->lbl_AlphaAmount->text() != rial);
    QVERIFY(d->lbl_AlphaAmountToman->text() != toman);
}

void TestTemplates::dragMovesOnlyTheDraggedItem()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QList<QPoint> before;
    for (const QString &name : ItemNames())
        before << d->itemLabel(name)->pos();
    ReportLabel *dragged = d->lbl_DigitAmount;
    const QPoint grip(5, 5);
    QTest::mousePress(dragged, Qt::LeftButton, {}, grip);
    // Moves are reported in the label's coordinates as it stands.
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(30, 12)), dragged->mapToGlobal(QPointF(grip + QPoint(30, 12))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dragged, &move);
    QMouseEvent again(QEvent::MouseMove, QPointF(grip + QPoint(-10, 0)), dragged->mapToGlobal(QPointF(grip + QPoint(-10, 0))),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dragged, &again);
    QTest::mouseRelease(dragged, Qt::LeftButton, {}, grip);
    QCOMPARE(dragged->pos(), before[2] + QPoint(20, 12));
    for (int i = 0; i < ItemNames().size(); ++i) {
        if (i != 2)
            QCOMPARE(d->itemLabel(ItemNames()[i])->pos(), before[i]);
    }
    QCOMPARE(d->Img_Cheque->pos(), QPoint(0, 0));
    // After the release a move does nothing.
    QMouseEvent after(QEvent::MouseMove, QPointF(50, 50), dragged->mapToGlobal(QPointF(50, 50)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dragged, &after);
    QCOMPARE(dragged->pos(), before[2] + QPoint(20, 12));
}

void TestTemplates::pressOnThePictureMovesNothing()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QPoint label = d->lbl_Payment->pos();
    QTest::mousePress(d->Img_Cheque, Qt::LeftButton, {}, QPoint(20, 300));
    QTest::mouseMove(d->Img_Cheque, QPoint(200, 200));
    QTest::mouseRelease(d->Img_Cheque, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(d->Img_Cheque->geometry(), QRect(QPoint(0, 0), d->DQR->size()));
    QCOMPARE(d->lbl_Payment->pos(), label);
}

void TestTemplates::fontButtonKeepsTheAnchor()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(2);
    d->show();
    const int right = d->lbl_Payment->geometry().right();
    onNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        QVERIFY(dialog);
        QFont font(u"DejaVu Sans"_s, 20);
        font.setBold(true);
        font.setStyleName(u"Bold"_s); // the dialog picks its style by name
        dialog->setCurrentFont(font);
        dialog->accept();
    });
    QTest::mouseClick(d->BitBtn6, Qt::LeftButton);
    QVERIFY(d->lbl_Payment->labelFont().bold());
    QCOMPARE(d->lbl_Payment->geometry().right(), right);
    QCOMPARE(d->itemAsSaved(u"Payment"_s, 2).fontStyle, 1);
    QCOMPARE(d->itemAsSaved(u"Payment"_s, 2).fontSize, 20);
    // Cancelled: nothing changes.
    const QFont now = d->lbl_Payment->labelFont();
    onNextModal([](QWidget *modal) { static_cast<QDialog *>(modal)->reject(); });
    QTest::mouseClick(d->BitBtn6, Qt::LeftButton);
    QCOMPARE(d->lbl_Payment->labelFont(), now);
}

void TestTemplates::newTemplateRoundTrip()
{
    Tfrm_ChequeDesign *d = frm_ChequeDesign;
    d->LoadCheque(1);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    // A size from the picture dialog, no picture.
    onNextModal([](QWidget *) {
        frm_ChequeImage->edt_Width->setCurrentValue(160);
        frm_ChequeImage->edt_Length->setCurrentValue(75);
        onNextModal([](QWidget *) { QTest::keyClick(frm_Dlg->btn_cansel, Qt::Key_Escape); }, u"frm_Dlg"_s);
        QTest::mouseClick(frm_ChequeImage->BitBtn1, Qt::LeftButton);
    }, u"frm_ChequeImage"_s);
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    QCOMPARE(d->DQR->size(), QSize(ReportPage::PixelsFor(160, 96, 100), ReportPage::PixelsFor(75, 96, 100)));
    QCOMPARE(d->imagePath(), QString());
    d->edt_payment->setText(u"در وجه*************************"_s.section(u'*', 0, 0));
    QTest::mouseClick(d->chk_AlphaAmountToman, Qt::LeftButton, {},
                      QPoint(d->chk_AlphaAmountToman->width() - 8, d->chk_AlphaAmountToman->height() / 2));
    d->lbl_DigitDate->move(400, 20);

    auto said = answerTitle(u"Tejarat"_s);
    QTest::mouseClick(d->BitBtn7, Qt::LeftButton);
    QCOMPARE(*said, u"اطلاعات|ثبت انجام شد"_s);
    QVERIFY(!d->isVisible()); // closed after the save
    QCOMPARE(d->chequeTitle(), u"Tejarat"_s);
    QCOMPARE(column(u"select ChID || ',' || ImageWidth || ',' || ImageHeight || ',' || ShowOrder || ',' || ImagePath from Cheque where Title = 'Tejarat'"_s),
             QVariantList{u"5,160,75,4,"_s});

    // Loading it again into a designer that shows something else.
    d->LoadCheque(2);
    d->LoadCheque(5);
    QCOMPARE(d->lbl_DigitDate->pos(), QPoint(400, 20));
    QCOMPARE(d->lbl_Payment->text(), u"در وجه*************************"_s.section(u'*', 0, 0));
    QVERIFY(!d->chk_AlphaAmountToman->isChecked());
    QCOMPARE(d->edt_Width->currentValue(), 160);
    QCOMPARE(d->Img_Cheque->image().size(), QSize(160, 75));
}

int main(int argc, char *argv[])
{
    ChequeApplication app(argc, argv);
    TestTemplates test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_templates.moc"
