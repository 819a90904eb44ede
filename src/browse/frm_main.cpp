#include "browse/frm_main.h"

#include "app/application.h"
#include "app/paths.h"
#include "app/preparation.h"
#include "browse/chequelistmodel.h"
#include "browse/search.h"
#include "print/frm_designedchequelist.h"
#include "ui/keycodes.h"
#include "ui/formstyle.h"
#include "ui/frm_dlg.h"
#include "ui/frm_splash.h"
#include "ui/maskededit.h"
#include "ui/maskedentry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename T>
T *place(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *widget = new T(parent);
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, QRect at)
{
    auto *box = place<QCheckBox>(parent, name, at.x(), at.y(), at.width(), at.height());
    box->setText(caption);
    return box;
}

} // namespace

Tfrm_main::Tfrm_main(const ProgramFolders &folders, QWidget *parent)
    : QWidget(parent), m_folders(folders)
{
    buildControls();
    FormCreate();
}

Tfrm_main::~Tfrm_main() = default;

void Tfrm_main::buildControls()
{
    SetUpForm(this, u"frm_main"_s);
    setWindowTitle(u"چاپ چک: ویرایش 7"_s);
    setFixedSize(735, 430);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    GroupBox1 = place<QGroupBox>(this, u"GroupBox1"_s, 8, 8, 719, 414);
    GroupBox1->setTitle(u"لیست چک ها"_s);
    QWidget *box = GroupBox1;

    // Each check box lies under the entry field of its row, which covers the
    // left part of it: created first, so the field stays on top.
    chk_shoomarehch = checkBox(box, u"chk_shoomarehch"_s, u"شماره چک"_s, {497, 21, 194, 17});
    chk_bank = checkBox(box, u"chk_bank"_s, u"بانک"_s, {497, 48, 163, 17});
    chk_shhesab = checkBox(box, u"chk_shhesab"_s, u"شماره حساب"_s, {497, 75, 208, 17});
    chk_esmcode = checkBox(box, u"chk_esmcode"_s, u"نام شخص"_s, {232, 21, 191, 17});
    chk_status = checkBox(box, u"chk_status"_s, u"وضعیت"_s, {232, 48, 179, 17});
    chk_mablaghch = checkBox(box, u"chk_mablaghch"_s, u"مبلغ"_s, {232, 75, 233, 17});
    chk_sharh = checkBox(box, u"chk_sharh"_s, u"شرح"_s, {252, 102, 413, 17});

    edt_shoomarehch = place<QLineEdit>(box, u"edt_shoomarehch"_s, 497, 21, 121, 21);
    cmb_bank = place<QComboBox>(box, u"cmb_bank"_s, 497, 48, 121, 21);
    cmb_shhesab = place<QComboBox>(box, u"cmb_shhesab"_s, 497, 75, 121, 21);
    cmb_esmcode = place<QComboBox>(box, u"cmb_esmcode"_s, 232, 21, 121, 21);
    for (QComboBox *combo : {cmb_bank, cmb_shhesab, cmb_esmcode}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }

    cmb_status = place<QComboBox>(box, u"cmb_status"_s, 232, 48, 121, 21);
    cmb_status->addItems({u"حواله"_s, u"خرج شده"_s, u"پاس نشده"_s, u"به حساب گذاشته شده"_s,
                          u"پاس نقدی"_s, u"پاس شده"_s, u"باطل شده"_s});
    cmb_status->setCurrentIndex(2);

    edt_mablaghch = place<MaskedEdit>(box, u"edt_mablaghch"_s, 232, 75, 121, 21);
    // Amounts read from left to right, whatever the window's direction.
    edt_mablaghch->setLayoutDirection(Qt::LeftToRight);
    edt_mablaghch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(edt_mablaghch, &MaskedEdit::keyDown, this, [this](int key) {
        LineEditBox edit(edt_mablaghch);
        HandleAmountKey(edit, key, u',');
    });
    cmb_relation = place<QComboBox>(box, u"cmb_relation"_s, 353, 75, 70, 21);
    cmb_relation->addItems({u"برابر"_s, u"بیشتر از"_s, u"کمتر از"_s});
    cmb_relation->setCurrentIndex(0);

    edt_sharh = place<QLineEdit>(box, u"edt_sharh"_s, 232, 102, 386, 21);

    for (QWidget *field : std::initializer_list<QWidget *>{
             edt_shoomarehch, cmb_bank, cmb_shhesab, cmb_esmcode, cmb_status, edt_mablaghch,
             cmb_relation, edt_sharh}) {
        field->setEnabled(false);
    }
    wireFilter(chk_shoomarehch, {edt_shoomarehch});
    wireFilter(chk_bank, {cmb_bank});
    wireFilter(chk_shhesab, {cmb_shhesab});
    wireFilter(chk_sharh, {edt_sharh});
    wireFilter(chk_esmcode, {cmb_esmcode});
    wireFilter(chk_status, {cmb_status});
    wireFilter(chk_mablaghch, {edt_mablaghch, cmb_relation});

    btn_Print = place<QPushButton>(box, u"btn_Print"_s, 12, 82, 104, 41);
    btn_Print->setText(u"چاپ"_s);
    btn_Print->setIcon(QIcon(u":/buttons/print.png"_s));
    btn_Print->setIconSize({24, 24});
    BitBtn2 = place<QPushButton>(box, u"BitBtn2"_s, 122, 81, 104, 41);
    BitBtn2->setText(u"جستجو"_s);
    BitBtn2->setIcon(QIcon(u":/buttons/search.png"_s));
    BitBtn2->setIconSize({24, 24});

    Label1 = place<QLabel>(box, u"Label1"_s, 252, 131, 257, 16);
    Label1->setText(u"برای مرتب سازی بر روی عنواین کلیک کنید"_s);
    Label1->setFont(PixelFont(u"Tahoma"_s, 13, true));
    QPalette purple = Label1->palette();
    purple.setColor(QPalette::WindowText, QColor(128, 0, 128));
    Label1->setPalette(purple);
    // Sized to its text and anchored at its right edge, where it is read from.
    const int labelRight = Label1->geometry().right();
    Label1->adjustSize();
    Label1->move(labelRight - Label1->width() + 1, Label1->y());

    DBGrid1 = place<QTableView>(box, u"DBGrid1"_s, 12, 153, 695, 248);
    DBGrid1->setFont(PixelFont(u"Tahoma"_s, 13));
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several cheques, with Ctrl and Shift, are printed together.
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->setWordWrap(false);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setMinimumSectionSize(8);
    // As tall as the text itself, not the font's room for stacked marks.
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->font().pixelSize() * 3 / 2 + 1);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->horizontalHeader()->setMinimumSectionSize(8);
    DBGrid1->horizontalHeader()->setSectionsMovable(true);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_model = new ChequeListModel(Checkk, this);
    DBGrid1->setModel(m_model);
    Checkk.setRequiredFields(CheckkColumns());
    setGridColumns(DefaultGridColumns());

    DBGrid1->installEventFilter(this);
    lbl_NotConnected = new QLabel(DBGrid1->viewport());
    lbl_NotConnected->setObjectName(u"lbl_NotConnected"_s);
    lbl_NotConnected->setTextFormat(Qt::PlainText);
    lbl_NotConnected->setAlignment(Qt::AlignCenter);
    lbl_NotConnected->setWordWrap(true);
    lbl_NotConnected->setStyleSheet(u"color: #a00000;"_s);
    lbl_NotConnected->hide();
    // Enter on a focused button presses it, as Space does.
    btn_Print->setAutoDefault(true);
    BitBtn2->setAutoDefault(true);
    connect(btn_Print, &QPushButton::clicked, this, &Tfrm_main::btn_PrintClick);
    connect(BitBtn2, &QPushButton::clicked, this, &Tfrm_main::BitBtn2Click);
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, &Tfrm_main::DBGrid1TitleClick);

    // The print button is first in the tab order, so it starts with the focus.
    setTabOrder(btn_Print, BitBtn2);
    btn_Print->setFocus();
}

void Tfrm_main::wireFilter(QCheckBox *box, std::initializer_list<QWidget *> fields)
{
    const QList<QWidget *> targets(fields);
    connect(box, &QCheckBox::toggled, this, [targets](bool ticked) {
        // Nothing is cleared: a text left in an unticked field is used again.
        for (QWidget *field : targets)
            field->setEnabled(ticked);
        if (ticked)
            targets.first()->setFocus();
    });
}

QList<GridColumn> Tfrm_main::gridColumns() const
{
    const QHeaderView *header = DBGrid1->horizontalHeader();
    const QList<GridColumn> &logical = m_model->columns();
    QList<GridColumn> shown;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int index = header->logicalIndex(visual);
        GridColumn column = logical[index];
        column.visible = !header->isSectionHidden(index);
        if (column.visible)
            column.width = header->sectionSize(index);
        shown.append(column);
    }
    return shown;
}

void Tfrm_main::setGridColumns(const QList<GridColumn> &columns)
{
    // The list keeps what the grid shows, and the code the print needs.
    QStringList kept{u"code"_s};
    for (const GridColumn &column : columns)
        kept << (column.field.compare(u"Amount"_s, Qt::CaseInsensitive) == 0 ? u"mablaghch"_s : column.field);
    Checkk.setKeptFields(kept, {u"mablaghch"_s});
    QHeaderView *header = DBGrid1->horizontalHeader();
    m_model->setColumns(columns);
    // The model's order is the display order: undo any earlier moves.
    for (int logical = 0; logical < header->count(); ++logical)
        header->moveSection(header->visualIndex(logical), logical);
    for (int i = 0; i < columns.size(); ++i) {
        header->resizeSection(i, columns[i].width);
        header->setSectionHidden(i, !columns[i].visible);
    }
}

void Tfrm_main::FormCreate()
{
    // 1. The column layout; any failure leaves the columns as designed.
    QList<GridColumn> columns = DefaultGridColumns();
    if (LoadColumnLayout(m_folders.exeDir, columns))
        setGridColumns(columns);

    // 2. The connection settings.
    QString connectionString;
    try {
        connectionString = ReadFirstLine(m_folders.parentDir + u"Database.txt"_s).value_or(QString());
    } catch (const AppError &e) {
        ReportError(e.message());
        showNotConnected(e.message());
        return; // not connected for this run
    }

    // 3. and 4. Connect and prepare; failures here are silent.
    Con.close();
    Con.setConnectionString(connectionString.isEmpty() ? FallbackConnectionString(m_folders.exeDir)
                                                       : connectionString);
    try {
        Con.open();
        PrepareDatabase();
        if (m_ended)
            return;
    } catch (const AppError &e) {
        // No message box here, but an empty list must not pass for a
        // database without cheques.
        if (!Con.isOpen())
            showNotConnected(e.message());
    }

    // 5. The list and the filter lists.
    if (Con.isOpen())
        openListAndFilters();
}

QStringList Tfrm_main::CheckkColumns()
{
    return {u"code"_s, u"fakcode"_s, u"faknum"_s, u"esmcode"_s, u"kind"_s, u"shoomarehch"_s,
            u"bank"_s, u"tarikh"_s, u"sharh"_s, u"shhesab"_s, u"mablaghch"_s, u"tarikhvoorod"_s,
            u"bankhesab"_s, u"status"_s, u"ashkhas_table"_s, u"f_ashkhas_table"_s, u"kfakcode"_s};
}

void Tfrm_main::PrepareDatabase()
{
    if (::PrepareDatabase(q, m_folders.exeDir) == PrepareOutcome::ForeignDatabase) {
        ShowDlg(0, u"خطا"_s, u"پایگاه داده مربوط به نرم افزار حسابداری شرکت زرول نمی باشد"_s);
        m_ended = true;
    }
}

void Tfrm_main::openListAndFilters()
{
    try {
        Checkk.close();
        Checkk.setText({ListStatement()});
        Checkk.open();
        m_model->reload();
        selectFirstRow();
        const std::pair<QComboBox *, QString> lists[] = {
            {cmb_bank, u"Select Distinct([Bank]) from [Checkk]"_s},
            {cmb_shhesab, u"Select Distinct([shhesab]) from [Checkk]"_s},
            {cmb_esmcode, u"Select Distinct([esmcode]) from [Checkk]"_s},
        };
        for (const auto &[combo, statement] : lists) {
            FillComboFromQuery(q, statement, 0, combo);
            combo->setCurrentIndex(-1);
        }
    } catch (const AppError &e) {
        m_model->reload();
        // What failed first, in Persian; the driver's own words after it.
        ReportError(u"فهرست چک ها یا فهرست های جستجو باز نشد.\n"_s + e.message());
    }
}

void Tfrm_main::selectFirstRow()
{
    if (m_model->rowCount() > 0)
        DBGrid1->setCurrentIndex(m_model->index(0, DBGrid1->horizontalHeader()->logicalIndex(0)));
}

bool Tfrm_main::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) { // DBGrid1KeyDown
        const int key = PlatformKeyCode(*static_cast<QKeyEvent *>(event));
        if (key == 13 || key == 32) {
            btn_PrintClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrm_main::BitBtn2Click()
{
    ChequeSearch search;
    if (chk_shoomarehch->isChecked())
        search.number = edt_shoomarehch->text();
    if (chk_bank->isChecked())
        search.bank = cmb_bank->currentText();
    if (chk_shhesab->isChecked())
        search.account = cmb_shhesab->currentText();
    if (chk_sharh->isChecked())
        search.description = edt_sharh->text();
    if (chk_esmcode->isChecked())
        search.person = cmb_esmcode->currentText();
    if (chk_status->isChecked())
        search.status = cmb_status->currentText();
    if (chk_mablaghch->isChecked())
        search.amount = {cmb_relation->currentIndex(), edt_mablaghch->text()};
    // An amount that is no number fails here, and the list stays as it is.
    const QStringList statement = SearchStatement(SearchCondition(Con.dialect(), search));

    try {
        Checkk.close();
        Checkk.setText(statement);
        Checkk.open();
    } catch (const AppError &) {
        Checkk.close();
        m_model->reload();
        ShowDlg(0, u"خطا"_s, u"ارتباط با پایگاه داده با شکست مواجه گردید"_s);
        return;
    }
    m_model->reload();
    selectFirstRow();
    lbl_NotConnected->hide(); // connected again
}

void Tfrm_main::showNotConnected(const QString &why)
{
    lbl_NotConnected->setText(u"پایگاه داده وصل نیست؛ فهرست چک ها خالی است.\n"_s + why);
    lbl_NotConnected->setGeometry(DBGrid1->viewport()->rect().adjusted(16, 16, -16, -16));
    lbl_NotConnected->show();
}

void Tfrm_main::DBGrid1TitleClick(int column)
{
    const QString field = m_model->columns().value(column).field;
    // Amounts sort as the numbers they are, not as their grouped text.
    Checkk.sort(field.compare(u"Amount"_s, Qt::CaseInsensitive) == 0 ? u"mablaghch"_s : field);
    m_model->reload();
    selectFirstRow();
}

void Tfrm_main::btn_PrintClick()
{
    if (!Con.isOpen()) {
        ShowDlg(0, u"خطا"_s, u"ارتباط با پایگاه داده برقرار نمی باشد"_s);
        return;
    }
    // A closed list (a failed search) throws here, and the list does not open.
    qint64 code = 0;
    if (Checkk.recordCount() > 0) {
        const QModelIndex current = DBGrid1->currentIndex();
        Checkk.setRecNo(current.isValid() ? current.row() : 0);
        code = Checkk.asInteger(u"code"_s);
    }
    const QList<qint64> codes = selectedCodes();
    if (codes.size() > 1)
        frm_DesignedChequeList->showForBatch(codes);
    else
        ShowTemplateList(code);
}

QList<qint64> Tfrm_main::selectedCodes() const
{
    QList<int> rows;
    for (const QModelIndex &index : DBGrid1->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end()); // the list's order, not the order of the clicks
    QList<qint64> codes;
    const int code = Checkk.fieldIndex(u"code"_s);
    for (int row : rows)
        codes << Checkk.valueAt(row, code).toLongLong();
    return codes;
}

void Tfrm_main::setVisible(bool visible)
{
    if (visible && !m_shownBefore) {
        m_shownBefore = true;
        FormShow();
    }
    QWidget::setVisible(visible);
}

void Tfrm_main::FormShow()
{
    // The window appears once the splash screen has closed.
    if (m_splashOnFirstShow && frm_Splash)
        frm_Splash->ShowSplash();
}

void Tfrm_main::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
}

void Tfrm_main::FormClose()
{
    // The window closes even when the layout cannot be saved: the user is
    // told, and nothing else is lost.
    try {
        SaveColumnLayout(m_folders.exeDir, gridColumns());
    } catch (const AppError &e) {
        ReportError(u"چیدمان ستون های فهرست ذخیره نشد.\n"_s + e.message());
    }
}
