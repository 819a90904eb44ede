#pragma once

#include "app/database.h"

#include <QDialog>

class PageScroller;
class PictureBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class ReportLabel;
class ReportPage;
class TemplateTitleModel;

// The template list's statements, built where they can be compared.
QStringList TemplateListStatement();
// The template next in the list order after (down) or before (up) `showOrder`.
QStringList NeighbourTemplateStatement(bool down, qint64 showOrder);
QStringList SetShowOrderStatement(qint64 showOrder, qint64 chequeId);
QString DeleteTemplateItemsStatement(qint64 chequeId);
QString DeleteTemplateStatement(qint64 chequeId);

// The template list: choose a template for a cheque, see it filled in, print;
// create, edit, reorder and delete templates.
class Tfrm_DesignedChequeList : public QDialog
{
    Q_OBJECT

public:
    Tfrm_DesignedChequeList(Connection &connection, QWidget *parent = nullptr);

    Query Cheque;
    Query q;

    QGroupBox *GroupBox1;
    QWidget *Panel1;
    QTableView *DBGrid1;
    QPushButton *btn_GoUp;
    QPushButton *btn_goDown;
    QPushButton *btn_Print;
    QPushButton *btn_New;
    QPushButton *btn_Edit;
    QPushButton *btn_Del;
    QPushButton *btn_Cancel;
    QWidget *Panel2;
    PageScroller *scb;
    ReportPage *DQR;
    QWidget *Father;
    PictureBox *Img_Cheque;
    ReportLabel *lbl_DigitDate;
    ReportLabel *lbl_AlphaDate;
    ReportLabel *lbl_DigitAmount;
    ReportLabel *lbl_AlphaAmount;
    ReportLabel *lbl_Payment;
    ReportLabel *lbl_AlphaAmountToman;
    QWidget *DetailBand1;
    // Over the preview: why this cheque will not print, or that it was
    // printed before. Under it: the printer, and what the last print did.
    QLabel *lbl_PrintState;
    QLabel *lbl_Printer;
    QComboBox *cmb_Printer;
    QPushButton *btn_Offset; // the chosen printer's offset; opens its dialog
    QPushButton *btn_Proof; // the cheque on plain paper, picture and all
    QPushButton *btn_Pdf;
    QCheckBox *chk_PdfPicture;
    QLabel *lbl_Feedback;

    // Prepares the window for the cheque `code` (0: none) and shows it modally.
    void showFor(qint64 code);
    // The same for several cheques, printed together; the preview shows the
    // first.
    void showForBatch(const QList<qint64> &codes);
    QList<qint64> batch() const { return m_batch; }
    // Reads the templates again, keeping the current row.
    void RefreshTemplates();

    qint64 checkkCode() const { return CheckkCode; }
    QString chequeTitle() const { return ChequeTitle; }
    QString imagePath() const { return ImagePath; }

    void btn_PrintClick();
    void btn_NewClick();
    void btn_EditClick();
    void btn_DelClick();
    void btn_GoUpClick();
    void btn_goDownClick();
    void btn_CancelClick();
    void btn_OffsetClick();
    void btn_ProofClick();
    void btn_PdfClick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void FormActivate();
    void FormResize();
    void scbResize();
    void ds_ChequeDataChange();
    void LoadPreviewCheque(qint64 chequeId);
    bool LoadPreviewPicture(const QString &path);
    void FillPreview();
    void CenterPreviewPage();
    void fillPrinters();
    void showOffset();
    void enablePrinting(bool templates);

    void moveTemplate(bool down);
    // Closes and opens the list, then makes current the template `chequeId`
    // when given and listed, or else `row`, clamped to the list.
    void reopenCheque(int row, qint64 chequeId = 0);
    void goToRow(int row);
    qint64 currentChequeId() const;

    TemplateTitleModel *m_model = nullptr;
    bool m_moving = false; // the current row is being set from here
    qint64 CheckkCode = 0;
    QString ImagePath;
    QString ChequeTitle;
    QString m_refusal; // why the previewed cheque will not print
    QList<qint64> m_batch; // several cheques to print at once, or none
};

// Shows the template list for the cheque `code`; returns when it closes.
void ShowTemplateList(qint64 code);
