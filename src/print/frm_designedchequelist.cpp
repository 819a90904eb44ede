#include "print/frm_designedchequelist.h"

#include "app/forms.h"
#include "print/batchprint.h"
#include "print/chequeprinting.h"
#include "print/chequetexts.h"
#include "print/printerchoice.h"
#include "print/printjob.h"
#include "print/frm_printcheque.h"
#include "print/frm_printeroffset.h"
#include "print/printregister.h"
#include "print/proofs.h"
#include "report/pagescroller.h"
#include "report/picturebox.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "templates/templateitem.h"
#include "ui/filechooser.h"
#include "ui/formstyle.h"
#include "ui/frm_dlg.h"
#include "wording/amounts.h"
#include "wording/conversions.h"
#include "wording/dates.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QTableView>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

QStringList TemplateListStatement()
{
    return {u"Select * from [Cheque]"_s, u"where [ChID]<>1"_s, u"order by [ShowOrder]"_s};
}

QStringList NeighbourTemplateStatement(bool down, qint64 showOrder)
{
    const QString order = QString::number(showOrder);
    return {u"Select * from Cheque where [ShowOrder]="_s,
            down ? u" (Select Min([ShowOrder]) from [Cheque] where [ShowOrder]>"_s + order + u")"_s
                 : u" (Select Max([ShowOrder]) from [Cheque] where [ShowOrder]<"_s + order + u")"_s};
}

QStringList SetShowOrderStatement(qint64 showOrder, qint64 chequeId)
{
    return {u"Update [Cheque] Set [ShowOrder]="_s + QString::number(showOrder),
            u"where [ChID]="_s + QString::number(chequeId)};
}

QString DeleteTemplateItemsStatement(qint64 chequeId)
{
    return u"Delete from [ChequeItems] where ChID="_s + QString::number(chequeId);
}

QString DeleteTemplateStatement(qint64 chequeId)
{
    return u"Delete from [Cheque] where ChID="_s + QString::number(chequeId);
}

// The grid's one column: the templates' titles.
class TemplateTitleModel : public QAbstractTableModel
{
public:
    TemplateTitleModel(Query &list, QObject *parent) : QAbstractTableModel(parent), m_list(list) {}

    void reload()
    {
        beginResetModel();
        m_title = m_list.isOpen() ? m_list.fieldIndex(u"Title"_s) : -1;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_list.isOpen() ? 0 : m_list.recordCount();
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 1; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || m_title < 0 || index.row() >= rowCount())
            return {};
        return m_list.valueAt(index.row(), m_title);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section != 0)
            return {};
        if (role == Qt::DisplayRole)
            return u"عنوان گروه چک"_s;
        if (role == Qt::FontRole) {
            QFont bold = PixelFont(u"Tahoma"_s, 11, true);
            return bold;
        }
        return {};
    }

private:
    Query &m_list;
    int m_title = -1;
};

namespace {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect at)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(at);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

// A round button face with an arrow pointing up or down.
QIcon ArrowIcon(bool up)
{
    QPixmap face(28, 28);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 160), 1.5));
    p.setBrush(QColor(70, 130, 200));
    p.drawEllipse(QRectF(1, 1, 26, 26));
    QPainterPath arrow;
    if (up) {
        arrow.moveTo(14, 6);
        arrow.lineTo(22, 15);
        arrow.lineTo(17, 15);
        arrow.lineTo(17, 22);
        arrow.lineTo(11, 22);
        arrow.lineTo(11, 15);
        arrow.lineTo(6, 15);
    } else {
        arrow.moveTo(14, 22);
        arrow.lineTo(22, 13);
        arrow.lineTo(17, 13);
        arrow.lineTo(17, 6);
        arrow.lineTo(11, 6);
        arrow.lineTo(11, 13);
        arrow.lineTo(6, 13);
    }
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return QIcon(face);
}

} // namespace

Tfrm_DesignedChequeList::Tfrm_DesignedChequeList(Connection &connection, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), Cheque(connection),
      q(connection)
{
    SetUpForm(this, u"frm_DesignedChequeList"_s);
    setWindowTitle(QString());
    resize(907, 426);
    setSizeGripEnabled(true);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(u"GroupBox1"_s);
    GroupBox1->setGeometry(8, 8, 891, 410);

    Panel1 = new QWidget(GroupBox1);
    Panel1->setObjectName(u"Panel1"_s);
    DBGrid1 = new QTableView(Panel1);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setGeometry(16, 0, 143, 233);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->font().pixelSize() * 2);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    m_model = new TemplateTitleModel(Cheque, this);
    DBGrid1->setModel(m_model);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (m_moving || !current.isValid() || !Cheque.isOpen())
                    return;
                Cheque.setRecNo(current.row());
                ds_ChequeDataChange();
            });

    btn_GoUp = button(Panel1, u"btn_GoUp"_s, QString(), {165, 43, 35, 34});
    btn_GoUp->setIcon(ArrowIcon(true));
    btn_GoUp->setIconSize({26, 26});
    btn_GoUp->setFlat(true);
    btn_goDown = button(Panel1, u"btn_goDown"_s, QString(), {165, 83, 35, 34});
    btn_goDown->setIcon(ArrowIcon(false));
    btn_goDown->setIconSize({26, 26});
    btn_goDown->setFlat(true);
    btn_Print = button(Panel1, u"btn_Print"_s, u"چاپ"_s, {16, 239, 184, 42});
    btn_Print->setIcon(QIcon(u":/buttons/print.png"_s));
    btn_Print->setIconSize({24, 24});
    btn_Print->installEventFilter(this);
    btn_New = button(Panel1, u"btn_New"_s, u"جدید"_s, {111, 287, 89, 42});
    btn_Edit = button(Panel1, u"btn_Edit"_s, u"ویرایش"_s, {16, 287, 89, 42});
    btn_Del = button(Panel1, u"btn_Del"_s, u"حذف"_s, {111, 334, 89, 42});
    btn_Cancel = button(Panel1, u"btn_Cancel"_s, u"انصراف"_s, {16, 334, 89, 42});
    connect(btn_Print, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_PrintClick);
    connect(btn_New, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_NewClick);
    connect(btn_Edit, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_EditClick);
    connect(btn_Del, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_DelClick);
    connect(btn_GoUp, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_GoUpClick);
    connect(btn_goDown, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_goDownClick);
    connect(btn_Cancel, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_CancelClick);

    Panel2 = new QWidget(GroupBox1);
    Panel2->setObjectName(u"Panel2"_s);
    scb = new PageScroller(Panel2);
    scb->setObjectName(u"scb"_s);
    scb->installEventFilter(this);
    DQR = scb->page();
    DQR->setObjectName(u"DQR"_s);
    DQR->setPageValue(ReportPage::Width, 457 * 25.4 / DQR->ppi());
    DQR->setPageValue(ReportPage::Length, 233 * 25.4 / DQR->ppi());
    DQR->move(16, 16);
    Father = AddPageBlank(DQR, u"Father"_s);
    Img_Cheque = new PictureBox(DQR);
    Img_Cheque->setObjectName(u"Img_Cheque"_s);
    // Unlike the designer's, this picture is tied to the page: a new page
    // size stretches it.
    Img_Cheque->setGeometry(DQR->clientRect());
    connect(DQR, &ReportPage::boxResized, this, [this] { Img_Cheque->setGeometry(DQR->clientRect()); });
    const ItemLabels labels = CreateItemLabels(DQR);
    lbl_DigitDate = labels.DigitDate;
    lbl_AlphaDate = labels.AlphaDate;
    lbl_DigitAmount = labels.DigitAmount;
    lbl_AlphaAmount = labels.AlphaAmount;
    lbl_Payment = labels.Payment;
    lbl_AlphaAmountToman = labels.AlphaAmountToman;
    DetailBand1 = new QWidget(DQR);
    DetailBand1->setObjectName(u"DetailBand1"_s);
    DetailBand1->setGeometry(0, 0, DQR->width(), 0);

    lbl_PrintState = new QLabel(Panel2);
    lbl_PrintState->setObjectName(u"lbl_PrintState"_s);
    lbl_PrintState->setFont(PixelFont(u"Tahoma"_s, 13, true));
    lbl_PrintState->setTextFormat(Qt::PlainText);
    lbl_PrintState->hide();
    lbl_Printer = new QLabel(u"چاپگر:"_s, Panel2);
    lbl_Printer->setObjectName(u"lbl_Printer"_s);
    cmb_Printer = new QComboBox(Panel2);
    cmb_Printer->setObjectName(u"cmb_Printer"_s);
    lbl_Printer->setBuddy(cmb_Printer);
    connect(cmb_Printer, &QComboBox::activated, this, [this](int index) {
        PrinterChoice::setChosen(cmb_Printer->itemData(index).toString());
        showOffset();
    });
    btn_Offset = new QPushButton(Panel2);
    btn_Offset->setObjectName(u"btn_Offset"_s);
    btn_Offset->setAutoDefault(true);
    connect(btn_Offset, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_OffsetClick);
    btn_Proof = new QPushButton(u"آزمایش روی کاغذ ساده"_s, Panel2);
    btn_Proof->setObjectName(u"btn_Proof"_s);
    btn_Proof->setAutoDefault(true);
    btn_Proof->setToolTip(u"چک با تصویرش روی کاغذ ساده، برای مقایسه با یک چک سفید؛ در دفتر چاپ ثبت نمی شود"_s);
    connect(btn_Proof, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_ProofClick);
    btn_Pdf = new QPushButton(u"ذخیره PDF"_s, Panel2);
    btn_Pdf->setObjectName(u"btn_Pdf"_s);
    btn_Pdf->setAutoDefault(true);
    connect(btn_Pdf, &QPushButton::clicked, this, &Tfrm_DesignedChequeList::btn_PdfClick);
    chk_PdfPicture = new QCheckBox(u"با تصویر چک"_s, Panel2);
    chk_PdfPicture->setObjectName(u"chk_PdfPicture"_s);
    lbl_Feedback = new QLabel(Panel2);
    lbl_Feedback->setObjectName(u"lbl_Feedback"_s);
    lbl_Feedback->setTextFormat(Qt::PlainText);

    FormResize();
    // Centred on the desktop.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

void Tfrm_DesignedChequeList::FormCreate()
{
    if (!Cheque.connection().isOpen())
        return;
    try {
        reopenCheque(0);
    } catch (const AppError &) {
        // Not a database of ours (start-up has said so), or it went away:
        // the list opens again when the window is shown.
    }
}

void Tfrm_DesignedChequeList::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void Tfrm_DesignedChequeList::FormResize()
{
    // The group box and the preview panel follow the window on all four
    // sides; the list panel keeps its width on the left.
    GroupBox1->setGeometry(8, 8, std::max(0, width() - 16), std::max(0, height() - 16));
    const QRect inside = GroupBox1->contentsRect();
    Panel1->setGeometry(inside.left(), 15, 215, std::max(0, inside.bottom() - 15));
    Panel2->setGeometry(223, 15, std::max(0, GroupBox1->width() - 239), std::max(0, GroupBox1->height() - 28));
    // The state line over the preview, the printer and the last print's
    // line under it; the preview takes the rest.
    const int w = Panel2->width();
    const int line = lbl_PrintState->fontMetrics().height() + 6;
    const int top = lbl_PrintState->isHidden() ? 0 : line;
    const int row = cmb_Printer->sizeHint().height();
    const int bottom = Panel2->height() - 2 * row - 8 - line;
    lbl_PrintState->setGeometry(0, 0, w, line);
    scb->setGeometry(0, top, w, std::max(0, bottom - top - 4));
    // Right to left: the printer and its offset; then the proof and the PDF.
    const int label = lbl_Printer->sizeHint().width();
    const int printers = std::min(240, std::max(0, w - label - 6 - 250));
    lbl_Printer->setGeometry(w - label, bottom, label, row);
    cmb_Printer->setGeometry(w - label - 6 - printers, bottom, printers, row);
    btn_Offset->setGeometry(0, bottom, std::max(0, w - label - 12 - printers), row);
    const int proof = btn_Proof->sizeHint().width();
    const int pdf = btn_Pdf->sizeHint().width();
    const int picture = chk_PdfPicture->sizeHint().width();
    btn_Proof->setGeometry(w - proof, bottom + row + 4, proof, row);
    btn_Pdf->setGeometry(w - proof - 8 - pdf, bottom + row + 4, pdf, row);
    chk_PdfPicture->setGeometry(w - proof - 12 - pdf - picture, bottom + row + 4, picture, row);
    lbl_Feedback->setGeometry(0, bottom + 2 * row + 8, w, line);
    CenterPreviewPage();
}

void Tfrm_DesignedChequeList::scbResize()
{
    CenterPreviewPage();
}

void Tfrm_DesignedChequeList::CenterPreviewPage()
{
    scb->centerPage();
}

bool Tfrm_DesignedChequeList::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void Tfrm_DesignedChequeList::FormActivate()
{
    if (!btn_Print->isEnabled())
        return;
    btn_Print->setFocus();
    // The window's outer corner, as the user sees it; frame and title are not added.
    QCursor::setPos(x() + GroupBox1->x() + Panel1->x() + btn_Print->x() + 40,
                    y() + GroupBox1->y() + Panel1->y() + btn_Print->y() + 40);
}

bool Tfrm_DesignedChequeList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scb && event->type() == QEvent::Resize) {
        scbResize();
        return false;
    }
    if (watched == btn_Print && event->type() == QEvent::KeyPress) { // btn_PrintKeyDown
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space) {
            // Taken here, so the button's own click on release does not
            // print a second time, and a held key prints once.
            if (!key->isAutoRepeat())
                btn_PrintClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// --- the list --------------------------------------------------------------

void Tfrm_DesignedChequeList::reopenCheque(int row, qint64 chequeId)
{
    Cheque.close();
    Cheque.setText(TemplateListStatement());
    try {
        Cheque.open();
    } catch (const AppError &e) {
        m_model->reload();
        ds_ChequeDataChange();
        throw AppError(u"فهرست فرم های چک باز نشد.\n"_s + e.message());
    }
    m_model->reload();
    if (chequeId != 0 && Cheque.locate(u"ChID"_s, chequeId))
        row = Cheque.recNo();
    goToRow(row);
}

void Tfrm_DesignedChequeList::goToRow(int row)
{
    const int count = Cheque.recordCount();
    if (count > 0) {
        row = std::clamp(row, 0, count - 1);
        Cheque.setRecNo(row);
        m_moving = true;
        DBGrid1->setCurrentIndex(m_model->index(row, 0));
        m_moving = false;
    }
    ds_ChequeDataChange();
}

void Tfrm_DesignedChequeList::RefreshTemplates()
{
    const int bookmark = Cheque.isOpen() ? Cheque.recNo() : 0;
    reopenCheque(bookmark);
}

qint64 Tfrm_DesignedChequeList::currentChequeId() const
{
    return Cheque.asInteger(u"ChID"_s);
}

void Tfrm_DesignedChequeList::ds_ChequeDataChange()
{
    const int n = Cheque.isOpen() ? Cheque.recordCount() : 0;
    btn_Edit->setEnabled(n != 0);
    btn_Del->setEnabled(n != 0);
    btn_GoUp->setEnabled(n > 1);
    btn_goDown->setEnabled(n > 1);
    if (n > 0 && CheckkCode != 0) {
        LoadPreviewCheque(currentChequeId());
        FillPreview();
    }
    enablePrinting(n > 0);
    if (n > 0 && CheckkCode != 0)
        CenterPreviewPage();
}

void Tfrm_DesignedChequeList::enablePrinting(bool templates)
{
    const bool previewed = templates && CheckkCode != 0 && m_refusal.isEmpty();
    // A batch prints what can be printed; what cannot is listed first.
    btn_Print->setEnabled(m_batch.size() > 1 ? templates : previewed);
    btn_Proof->setEnabled(previewed);
    btn_Pdf->setEnabled(previewed);
}

void Tfrm_DesignedChequeList::showFor(qint64 code)
{
    m_batch.clear();
    CheckkCode = code;
    lbl_Feedback->clear();
    fillPrinters();
    if (!Cheque.isOpen())
        reopenCheque(0);
    if (!Cheque.isEmpty() && code != 0) {
        LoadPreviewCheque(currentChequeId());
        FillPreview();
    } else {
        m_refusal.clear();
        lbl_PrintState->hide();
        FormResize();
    }
    enablePrinting(!Cheque.isEmpty() && code != 0);
    exec();
}

void Tfrm_DesignedChequeList::showForBatch(const QList<qint64> &codes)
{
    if (codes.size() < 2) {
        showFor(codes.value(0));
        return;
    }
    // As for one cheque, the first previewed; then the batch is set.
    m_batch = codes;
    CheckkCode = codes.first();
    lbl_Feedback->clear();
    fillPrinters();
    if (!Cheque.isOpen())
        reopenCheque(0);
    if (!Cheque.isEmpty()) {
        LoadPreviewCheque(currentChequeId());
        FillPreview();
    }
    enablePrinting(!Cheque.isEmpty());
    exec();
    m_batch.clear();
}

void ShowTemplateList(qint64 code)
{
    frm_DesignedChequeList->showFor(code);
}

// --- the preview -----------------------------------------------------------

void Tfrm_DesignedChequeList::LoadPreviewCheque(qint64 chequeId)
{
    try {
        q.close();
        q.clear();
        q.add(LoadChequeStatement(chequeId));
        q.open();
        ChequeTitle = q.asString(u"Title"_s);
        ImagePath = q.asString(u"ImagePath"_s);
        // Always upright, at the cheque's own width and height.
        DQR->setPageValue(ReportPage::Width, double(q.asInteger(u"ImageWidth"_s)));
        DQR->setPageValue(ReportPage::Length, double(q.asInteger(u"ImageHeight"_s)));
        LoadPreviewPicture(ImagePath);

        q.close();
        q.clear();
        q.add(LoadChequeItemsStatement(chequeId));
        q.open();
        const std::pair<QString, ReportLabel *> labels[] = {
            {u"DigitDate"_s, lbl_DigitDate},     {u"AlphaDate"_s, lbl_AlphaDate},
            {u"DigitAmount"_s, lbl_DigitAmount}, {u"AlphaAmount"_s, lbl_AlphaAmount},
            {u"Payment"_s, lbl_Payment},         {u"AlphaAmountToman"_s, lbl_AlphaAmountToman},
        };
        for (q.first(); !q.eof(); q.next()) {
            const QString name = q.asString(u"ItemName"_s);
            for (const auto &[itemName, label] : labels) {
                if (itemName != name)
                    continue;
                label->setVisible(q.asInteger(u"ItemVisibility"_s) == 1);
                LoadItemIntoLabel(label, q);
            }
        }
    } catch (const AppError &) {
        // The preview keeps what was set before the error.
    }
}

bool Tfrm_DesignedChequeList::LoadPreviewPicture(const QString &path)
{
    const bool found = Img_Cheque->loadOrBlank(path, Img_Cheque->size().expandedTo({1, 1}));
    Img_Cheque->setGeometry(DQR->clientRect());
    return found;
}

void Tfrm_DesignedChequeList::FillPreview()
{
    // The texts the print job would put on paper, and nothing else: a field
    // that cannot be written out stays empty, and the line says why.
    m_refusal.clear();
    QString printedBefore;
    try {
        q.close();
        q.clear();
        q.add(ChequeByCodeStatement(CheckkCode));
        q.open();
        const ChequeTexts texts = MakeChequeTexts(FieldOrNull(q, u"tarikh"_s), FieldOrNull(q, u"mablaghch"_s),
                                                  FieldOrNull(q, u"sharh"_s));
        lbl_DigitDate->setText(texts.digitDate);
        lbl_AlphaDate->setText(texts.alphaDate);
        lbl_DigitAmount->setText(texts.digitAmount);
        lbl_AlphaAmount->setText(texts.rialWords);
        lbl_AlphaAmountToman->setText(texts.tomanWords);
        lbl_Payment->setText(texts.payee);
        m_refusal = texts.refusal;
        if (texts.printable()) {
            const PastPrints past = FindPastPrints(q, CheckkCode);
            if (past.count > 0) {
                printedBefore = u"این چک پیش از این چاپ شده است: %1 با چاپگر «%2»"_s.arg(
                    SolarDateTimeText(past.last), past.lastPrinter);
            }
        }
    } catch (const AppError &) {
        // The labels not reached keep what they had; the print job reads the
        // cheque again and says what fails.
    }
    QPalette palette = lbl_PrintState->palette();
    palette.setColor(QPalette::WindowText, m_refusal.isEmpty() ? QColor(150, 90, 0) : QColor(190, 0, 0));
    lbl_PrintState->setPalette(palette);
    QString state = m_refusal.isEmpty() ? printedBefore : m_refusal;
    if (m_batch.size() > 1) {
        state = u"%1 چک با هم چاپ می شوند؛ پیش نمایش، چک اول است."_s.arg(m_batch.size())
            + (state.isEmpty() ? QString() : u" "_s + state);
    }
    lbl_PrintState->setText(state);
    lbl_PrintState->setVisible(!lbl_PrintState->text().isEmpty());
    btn_Print->setToolTip(m_batch.size() > 1 ? QString() : m_refusal);
    FormResize();
}

void Tfrm_DesignedChequeList::fillPrinters()
{
    cmb_Printer->clear();
    const QStringList printers = PrinterChoice::installedPrinters();
    const QString systemDefault = PrinterChoice::systemDefault();
    if (printers.isEmpty() && systemDefault.isEmpty()) {
        cmb_Printer->addItem(u"هیچ چاپگری نصب نیست"_s, QString());
        cmb_Printer->setEnabled(false);
        showOffset();
        return;
    }
    cmb_Printer->setEnabled(true);
    cmb_Printer->addItem(systemDefault.isEmpty() ? u"پیش فرض سیستم"_s
                                                 : u"پیش فرض سیستم (%1)"_s.arg(systemDefault),
                         QString());
    for (const QString &printer : printers)
        cmb_Printer->addItem(printer, printer);
    const int chosen = cmb_Printer->findData(PrinterChoice::chosen());
    cmb_Printer->setCurrentIndex(std::max(0, chosen));
    showOffset();
}

void Tfrm_DesignedChequeList::showOffset()
{
    const QString printer = frm_PrintCheque->destination();
    btn_Offset->setEnabled(!printer.isEmpty());
    btn_Offset->setText(u"جابجایی: "_s + PrinterChoice::OffsetText(PrinterChoice::offset(printer)));
}

// --- the buttons -----------------------------------------------------------

void Tfrm_DesignedChequeList::btn_PrintClick()
{
    if (!btn_Print->isEnabled())
        return;
    if (m_batch.size() > 1) {
        QProgressDialog progress(this);
        progress.setObjectName(u"BatchProgress"_s);
        progress.setWindowTitle(u"چاپ چک ها"_s);
        progress.setCancelButtonText(u"توقف"_s);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.setAutoReset(false);
        const BatchResult result = PrintChequeBatch(
            currentChequeId(), Cheque.asString(u"Title"_s), m_batch, q,
            [&progress](int done, int total, const QString &number) {
                progress.setMaximum(total);
                progress.setValue(done);
                progress.setLabelText(u"چاپ چک شماره %1 (%2 از %3)"_s.arg(number).arg(done + 1).arg(total));
                QCoreApplication::processEvents();
                return !progress.wasCanceled();
            });
        progress.close();
        if (!result.printed.isEmpty()) {
            lbl_Feedback->setText(u"%1 چک به چاپگر «%2» داده شد%3."_s.arg(result.printed.size())
                                      .arg(result.destination, result.cancelled ? u"؛ بقیه متوقف شد"_s : QString()));
        }
        FillPreview();
        return;
    }
    const PrintAttempt attempt =
        PrintChequeOnce(currentChequeId(), Cheque.asString(u"Title"_s), CheckkCode, q);
    if (attempt.outcome == PrintAttempt::Printed) {
        lbl_Feedback->setText(PrintedLine(attempt));
        FillPreview(); // now "printed before"
    }
}

void Tfrm_DesignedChequeList::btn_OffsetClick()
{
    const QString printer = frm_PrintCheque->destination();
    if (printer.isEmpty())
        return;
    Tfrm_PrinterOffset dialog(this);
    const qint64 chequeId = Cheque.isOpen() && !Cheque.isEmpty() ? currentChequeId() : 1;
    dialog.edit(printer, [chequeId] {
        // On the selected template's page: its items' anchors.
        frm_ChequeDesign->LoadCheque(chequeId);
        return PrintCalibrationPage(*frm_ChequeDesign);
    });
    showOffset();
}

void Tfrm_DesignedChequeList::btn_ProofClick()
{
    if (!btn_Proof->isEnabled())
        return;
    if (!PrintProof(currentChequeId(), CheckkCode)) {
        ShowDlg(0, u"خطا"_s, PrinterChoice::NothingPrintedMessage(frm_PrintCheque->lastDestination()));
        return;
    }
    lbl_Feedback->setText(u"نمونه چک روی کاغذ ساده به چاپگر «%1» داده شد (ثبت نمی شود)."_s.arg(
        frm_PrintCheque->lastDestination()));
}

void Tfrm_DesignedChequeList::btn_PdfClick()
{
    if (!btn_Pdf->isEnabled())
        return;
    QFileDialog chooser(this);
    chooser.setObjectName(u"PdfChooser"_s);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    MakeReadableRightToLeft(chooser);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setDefaultSuffix(u"pdf"_s);
    chooser.setNameFilter(u"PDF (*.pdf)"_s);
    chooser.setWindowTitle(u"ذخیره چک به صورت PDF"_s);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString file = chooser.selectedFiles().first();
    if (!ExportChequePdf(currentChequeId(), CheckkCode, file, chk_PdfPicture->isChecked())) {
        ShowDlg(0, u"خطا"_s, u"پرونده «%1» نوشته نشد."_s.arg(QDir::toNativeSeparators(file)));
        return;
    }
    lbl_Feedback->setText(u"چک در «%1» ذخیره شد."_s.arg(QDir::toNativeSeparators(file)));
}

void Tfrm_DesignedChequeList::btn_NewClick()
{
    qint64 id = 1;
    try {
        q.close();
        q.clear();
        q.add(ChequeByTitleStatement(q.connection().dialect(), u"جدید"_s));
        q.open();
        if (!q.isEmpty())
            id = q.asInteger(u"ChID"_s);
    } catch (const AppError &) {
        // Start from the built-in template.
    }
    frm_ChequeDesign->LoadCheque(id);
    frm_ChequeDesign->exec();
    // A new template is stored last in the order.
    reopenCheque(std::numeric_limits<int>::max());
}

void Tfrm_DesignedChequeList::btn_EditClick()
{
    if (!Cheque.isOpen() || Cheque.isEmpty())
        return;
    frm_ChequeDesign->LoadCheque(currentChequeId());
    frm_ChequeDesign->exec();
    reopenCheque(Cheque.isOpen() ? Cheque.recNo() : 0);
}

void Tfrm_DesignedChequeList::btn_DelClick()
{
    if (!Cheque.isOpen() || Cheque.isEmpty())
        return;
    if (ShowDlg(4, u"سؤال"_s, u"آیا مایل به حذف هستید؟"_s) == u"cancel"_s)
        return;
    const qint64 id = currentChequeId();
    Connection &con = q.connection();
    try {
        con.beginTrans();
        q.close();
        q.clear();
        q.add(DeleteTemplateItemsStatement(id));
        q.execSQL();
        q.close();
        q.clear();
        q.add(DeleteTemplateStatement(id));
        q.execSQL();
        con.commitTrans();
    } catch (const AppError &) {
        try {
            con.rollbackTrans();
        } catch (const AppError &) {
        }
    }
    reopenCheque(0);
}

void Tfrm_DesignedChequeList::btn_GoUpClick()
{
    moveTemplate(false);
}

void Tfrm_DesignedChequeList::btn_goDownClick()
{
    moveTemplate(true);
}

void Tfrm_DesignedChequeList::moveTemplate(bool down)
{
    if (!Cheque.isOpen() || Cheque.isEmpty())
        return;
    const QVariant order = Cheque.value(u"ShowOrder"_s);
    if (order.isNull() || order.toString().isEmpty())
        return;
    const qint64 c = currentChequeId();
    const qint64 s = order.toLongLong();

    try {
        q.close();
        q.clear();
        q.setText(NeighbourTemplateStatement(down, s));
        q.open();
        if (q.isEmpty() || q.valueAt(0, 0).toString().isEmpty())
            return; // already first, or last
        q.first();
        const qint64 n = q.asInteger(u"ChID"_s);
        const qint64 t = q.asInteger(u"ShowOrder"_s);

        // Both places change, or neither.
        Connection &con = q.connection();
        con.beginTrans();
        try {
            q.close();
            q.clear();
            q.setText(SetShowOrderStatement(s, n));
            q.execSQL();
            q.close();
            q.clear();
            q.setText(SetShowOrderStatement(t, c));
            q.execSQL();
            con.commitTrans();
        } catch (const AppError &) {
            try {
                con.rollbackTrans();
            } catch (const AppError &) {
            }
            throw;
        }
    } catch (const AppError &e) {
        // What failed, in Persian; the driver's own words after it.
        throw AppError(u"ترتیب فرم های چک تغییر نکرد.\n"_s + e.message());
    }

    reopenCheque(0, c);
}

void Tfrm_DesignedChequeList::btn_CancelClick()
{
    close();
}
