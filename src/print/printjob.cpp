#include "print/printjob.h"

#include "app/apperror.h"
#include "app/database.h"
#include "app/forms.h"
#include "print/chequetexts.h"
#include "print/frm_printcheque.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"
#include "ui/maskededit.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

QString ChequeByCodeStatement(qint64 code)
{
    return u"Select * from [checkk] where [checkk].[code]="_s + QString::number(code);
}

QVariant FieldOrNull(const Query &query, const QString &field)
{
    return query.eof() ? QVariant() : query.value(field);
}

namespace {

// A left-edge label takes the design label's left; a right-edge one ends
// where the design label ends, after sizing itself to the text.
void transfer(const ReportLabel *design, ReportLabel *print, bool rightEdge)
{
    if (!rightEdge)
        print->move(design->x(), design->y());
    else
        print->move(print->x(), design->y());
    print->setText(design->text());
    print->setLabelFont(design->labelFont());
    print->setColor(design->color());
    if (rightEdge)
        print->move(design->x() + design->width() - print->width(), print->y());
    if (design->isHidden())
        print->setText(QString());
}

} // namespace

void TransferToPrintPage(const Tfrm_ChequeDesign &design, Tfrm_PrintCheque &print)
{
    ReportPage &page = *print.QR;
    page.setOrientation(design.cmb_page->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    page.setPageValue(ReportPage::Width, design.DQR->pageValue(ReportPage::Width));
    page.setPageValue(ReportPage::Length, design.DQR->pageValue(ReportPage::Length));

    transfer(design.lbl_DigitDate, print.qlbl_DigitDate, false);
    transfer(design.lbl_Payment, print.qlbl_payment, true);
    transfer(design.lbl_AlphaDate, print.qlbl_AlphaDate, true);
    transfer(design.lbl_DigitAmount, print.qlbl_DigitAmount, false);
    transfer(design.lbl_AlphaAmount, print.qlbl_AlphaAmount, true);
    transfer(design.lbl_AlphaAmountToman, print.qlbl_AlphaAmountToman, true);
}

bool PrintDesignedPage(const Tfrm_ChequeDesign &design, Tfrm_PrintCheque &print)
{
    TransferToPrintPage(design, print);
    return print.Print();
}

void FillDesignerWithCheque(qint64 chequeId, qint64 code)
{
    Tfrm_ChequeDesign &design = *frm_ChequeDesign;
    design.LoadCheque(chequeId);

    Query &q = design.q;
    q.close();
    q.clear();
    q.add(ChequeByCodeStatement(code));
    q.open();
    // Refused before any field changes: a wrong amount or an unreadable
    // date never reaches the page, nor does a template's placeholder.
    const ChequeTexts texts = MakeChequeTexts(FieldOrNull(q, u"tarikh"_s), FieldOrNull(q, u"mablaghch"_s),
                                              FieldOrNull(q, u"sharh"_s));
    if (!texts.printable())
        throw AppError(texts.refusal);

    // Each handler runs again by hand: a field that already held the text
    // would not tell it.
    design.edt_Date->setText(texts.digitDate);
    design.edt_DateChange();
    // A date stored as the accounting package writes it ("1403/7/15") is
    // worded too, though it is not date text.
    design.lbl_AlphaDate->setText(texts.alphaDate);
    design.edt_Money->setText(texts.groupedAmount);
    design.edt_MoneyChange();
    design.edt_payment->setText(texts.payee);
    design.edt_paymentChange();
}

bool PrintChequeWithTemplate(qint64 chequeId, qint64 code)
{
    FillDesignerWithCheque(chequeId, code);
    return PrintDesignedPage(*frm_ChequeDesign, *frm_PrintCheque);
}
