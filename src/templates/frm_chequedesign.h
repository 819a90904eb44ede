#pragma once

#include "app/database.h"
#include "templates/templateitem.h"

#include <QDialog>

#include <array>

class MaskedEdit;
class PictureBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class PageScroller;
class ReportLabel;
class ItemSelection;
class ReportPage;
class SpinEdit;

// The text of the amount in digits, framed so that nothing can be written
// before or after it.
QString DigitAmountCaption(const QString &groupedAmount);

// The six item labels of a template on a page, with their placeholder
// captions, places and reading directions.
struct ItemLabels
{
    ReportLabel *DigitDate;
    ReportLabel *AlphaDate;
    ReportLabel *DigitAmount;
    ReportLabel *AlphaAmount;
    ReportLabel *Payment;
    ReportLabel *AlphaAmountToman;
};
ItemLabels CreateItemLabels(ReportPage *page);

// Sets a label from a stored item row of `q` the way a template loads:
// reading direction, alignment, caption, place, font, colour, and a
// right-to-left item placed by its right edge. Returns the colour's code.
int LoadItemIntoLabel(ReportLabel *label, const Query &q);

// The template designer: the cheque picture and size, the orientation in the
// printer, the six items switched on and off, their fonts, sample values that
// fill them, and their places, dragged over the picture. It also serves the
// print job as its working model, loaded but never shown.
class Tfrm_ChequeDesign : public QDialog
{
    Q_OBJECT

public:
    Tfrm_ChequeDesign(Connection &connection, QWidget *parent = nullptr);

    // The settings panel.
    QWidget *pnl_Settings;
    QPushButton *BitBtn1;
    QPushButton *BitBtn9;
    QPushButton *BitBtn7;
    SpinEdit *edt_Length; // the height
    SpinEdit *edt_Width; // the width across
    QComboBox *cmb_page;
    QLabel *img0;
    QLabel *img1;
    QCheckBox *chk_Date;
    QCheckBox *chk_DigitDate;
    QCheckBox *chk_AlphaDate;
    QCheckBox *chk_Amount;
    QCheckBox *chk_DigitAmount;
    QCheckBox *chk_AlphaAmount;
    QCheckBox *chk_AlphaAmountToman;
    QCheckBox *chk_Payment;
    QPushButton *BitBtn2;
    QPushButton *BitBtn4;
    QPushButton *BitBtn3;
    QPushButton *BitBtn5;
    QPushButton *BitBtn8;
    QPushButton *BitBtn6;
    // A colour button beside each font button, in the order of ItemNames().
    std::array<QPushButton *, 6> btn_Colors{};
    MaskedEdit *edt_Date;
    MaskedEdit *edt_Money;
    QLineEdit *edt_payment;

    // The design surface.
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

    Query q;
    // The selected item, its frame, the arrow keys and the millimetre panel.
    ItemSelection *selection = nullptr;

    // Changes since the last load or save, which closing asks about.
    bool hasChanges() const { return m_dirty; }
    // The shown items that lie partly outside the page, by their captions
    // in the panel.
    QStringList itemsOffThePage() const;
    // Says once which shown items lie off the page; false when none do.
    bool warnOffThePage();

    void LoadCheque(qint64 chequeId);
    bool LoadChequePicture(const QString &path);
    void SaveCheque();
    void InsertChequeItem(const TemplateItem &item);

    void edt_LengthChange();
    void cmb_pageChange();
    void CenterChequePage();
    // The sample fields' handlers; the print job runs them by hand.
    void edt_DateChange();
    void edt_MoneyChange();
    void edt_paymentChange();
    void BitBtn9Click();

    QString chequeTitle() const { return ChequeTitle; }
    QString imagePath() const { return ImagePath; }
    // The label and visibility box of an item, by its stored name.
    ReportLabel *itemLabel(const QString &itemName) const;
    QCheckBox *itemCheckBox(const QString &itemName) const;
    // The item as it would be saved now.
    TemplateItem itemAsSaved(const QString &itemName, qint64 chequeId) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    void buildSettings();
    void buildSurface();
    void BitBtn1Click();
    void fontButtonClick(ReportLabel *label);
    void colorButtonClick(int index);
    void changed();
    void markOffThePage();

    // Asks what to do with the changes; false to stay in the designer.
    bool mayClose();
    void chk_DateClick();
    void chk_AmountClick();
    void chk_PaymentClick();
    void scbResize();
    int itemIndex(const QString &itemName) const;

    struct Item
    {
        ReportLabel *label;
        QCheckBox *check;
        int colorCode; // as loaded, saved back unless the colour changed
        bool loaded = false; // the template has a row for it
        TemplateItem stored{}; // that row, as loaded
        QFont loadedFont{}; // the label's, right after the load
        QPoint loadedEdge{}; // the edge the label keeps, and its top, then
    };
    // What was changed of an item since its load: its font, or its place by
    // the edge it keeps (a new sample text moves the other edge only).
    ItemChanges changesOf(const Item &item) const;
    void rememberAsLoaded(Item &item);
    std::array<Item, 6> m_items{}; // in the order of ItemNames()

    QString ChequeTitle;
    QString ImagePath;
    int CX = 0;
    int CY = 0;
    bool MouseDown = false;
    bool WE_Resize = false;
    bool NS_Resize = false;
    bool NESW_Resize = false;
    bool m_dirty = false;
    bool m_dragged = false;
};
