#include "print/proofs.h"

#include "app/forms.h"
#include "print/frm_printcheque.h"
#include "print/printerchoice.h"
#include "print/printjob.h"
#include "report/picturebox.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "report/reportprinter.h"
#include "templates/frm_chequedesign.h"
#include "ui/formstyle.h"

#include <QPainter>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace {

// The colours the scale and the crosses are drawn in: pure, so that a page
// read back can tell them apart.
const QColor kScale(0, 0, 255);
const QColor kCross(255, 0, 0);

// Millimetres to the page's device units.
struct Millimetres
{
    double perMm;
    QPointF operator()(double x, double y) const { return {x * perMm, y * perMm}; }
    QPointF operator()(QPointF p) const { return p * perMm; }
    QRectF box(double x, double y, double w, double h) const { return {x * perMm, y * perMm, w * perMm, h * perMm}; }
    QPen pen(const QColor &colour, double width) const { return QPen(colour, width * perMm, Qt::SolidLine, Qt::FlatCap); }
};

QFont smallFont(double points)
{
    QFont font = PixelFont(u"DejaVu Sans"_s, 10);
    font.setPointSizeF(points);
    return font;
}

void drawScale(QPainter &p, const Millimetres &mm, double width, double length)
{
    p.setPen(mm.pen(kScale, 0.15));
    p.setFont(smallFont(5));
    const auto tick = [](int at) { return at % 10 == 0 ? 4.0 : at % 5 == 0 ? 2.5 : 1.5; };
    // Along the top edge, from the left; along the right edge, from the top.
    for (int at = 1; at < width; ++at) {
        p.drawLine(mm(at, 0), mm(at, tick(at)));
        if (at % 10 == 0)
            p.drawText(mm.box(at - 5, 4.3, 10, 3), Qt::AlignHCenter | Qt::AlignTop, QString::number(at / 10));
    }
    for (int at = 1; at < length; ++at) {
        p.drawLine(mm(width, at), mm(width - tick(at), at));
        if (at % 10 == 0)
            p.drawText(mm.box(width - 10.5, at - 1.5, 6, 3), Qt::AlignRight | Qt::AlignVCenter, QString::number(at / 10));
    }
}

void drawCross(QPainter &p, const Millimetres &mm, const ItemAnchor &anchor)
{
    constexpr double arm = 3;
    p.setPen(mm.pen(kCross, 0.2));
    p.drawLine(mm(anchor.at - QPointF(arm, 0)), mm(anchor.at + QPointF(arm, 0)));
    p.drawLine(mm(anchor.at - QPointF(0, arm)), mm(anchor.at + QPointF(0, arm)));
    p.setFont(smallFont(5));
    p.setPen(Qt::black);
    p.drawText(mm.box(anchor.at.x() + 0.8, anchor.at.y() + 0.6, 30, 3), Qt::AlignLeft | Qt::AlignTop, anchor.name);
}

} // namespace

QVector<ItemAnchor> ItemAnchors(const Tfrm_ChequeDesign &design)
{
    const double mm = design.DQR->millimetresPerPixel();
    const std::pair<QString, const ReportLabel *> items[] = {
        {u"DigitDate"_s, design.lbl_DigitDate},     {u"AlphaDate"_s, design.lbl_AlphaDate},
        {u"DigitAmount"_s, design.lbl_DigitAmount}, {u"AlphaAmount"_s, design.lbl_AlphaAmount},
        {u"AlphaAmountToman"_s, design.lbl_AlphaAmountToman}, {u"Payment"_s, design.lbl_Payment},
    };
    QVector<ItemAnchor> anchors;
    for (const auto &[name, label] : items) {
        if (label->isHidden())
            continue;
        const bool leftEdge = label == design.lbl_DigitDate || label == design.lbl_DigitAmount;
        const int x = leftEdge ? label->x() : label->x() + label->width();
        anchors.append({name, QPointF(x * mm, label->y() * mm)});
    }
    return anchors;
}

bool PrintCalibrationPage(const Tfrm_ChequeDesign &design)
{
    Tfrm_PrintCheque &print = *frm_PrintCheque;
    TransferToPrintPage(design, print); // the page's size and orientation
    const std::unique_ptr<ReportPrintJob> job = print.openJob();
    QPainter *p = job->beginPage(*print.QR);
    if (!p)
        return false;
    const Millimetres mm{job->unitsPerMillimetre()};
    const double width = print.QR->pageValue(ReportPage::Width);
    const double length = print.QR->pageValue(ReportPage::Length);
    p->setRenderHint(QPainter::Antialiasing);
    drawScale(*p, mm, width, length);
    for (const ItemAnchor &anchor : ItemAnchors(design))
        drawCross(*p, mm, anchor);

    const QString destination = print.lastDestination();
    QFont font = PixelFont(u"Tahoma"_s, 10);
    font.setPointSizeF(8);
    p->setFont(font);
    p->setPen(Qt::black);
    QTextOption centred(Qt::AlignCenter);
    centred.setTextDirection(Qt::RightToLeft);
    centred.setWrapMode(QTextOption::WordWrap);
    p->drawText(mm.box(10, length / 2 - 6, width - 20, 12),
                u"صفحه اندازه گیری — چاپگر «%1»، جابجایی %2"_s.arg(
                    destination, PrinterChoice::OffsetText(PrinterChoice::offset(destination))),
                centred);
    return job->finish();
}

namespace {

// Fills the template with the cheque and makes the print page of it.
void preparePage(qint64 chequeId, qint64 code)
{
    FillDesignerWithCheque(chequeId, code);
    TransferToPrintPage(*frm_ChequeDesign, *frm_PrintCheque);
}

} // namespace

bool PrintProof(qint64 chequeId, qint64 code)
{
    preparePage(chequeId, code);
    const std::unique_ptr<ReportPrintJob> job = frm_PrintCheque->openJob();
    return job->addPage(*frm_PrintCheque->QR, frm_ChequeDesign->Img_Cheque->image()) && job->finish();
}

bool ExportChequePdf(qint64 chequeId, qint64 code, const QString &file, bool withPicture)
{
    preparePage(chequeId, code);
    return PrintReportToPdf(*frm_PrintCheque->QR, file, withPicture ? frm_ChequeDesign->Img_Cheque->image() : QImage());
}
