#include "print/frm_printcheque.h"

#include "print/printerchoice.h"
#include "report/reportlabel.h"
#include "report/reportpage.h"
#include "report/reportprinter.h"

#include <QPrinter>
#include "ui/formstyle.h"

using namespace Qt::Literals::StringLiterals;

Tfrm_PrintCheque::Tfrm_PrintCheque(QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    SetUpForm(this, u"frm_PrintCheque"_s);
    resize(794, 561);

    QR = new ReportPage(this);
    QR->setObjectName(u"QR"_s);
    QR->setOrientation(QPageLayout::Landscape);
    QR->setPageValue(ReportPage::Width, 297.0);
    QR->setPageValue(ReportPage::Length, 210.0);
    QR->setFont(PixelFont(u"Arial"_s, 13));
    DetailBand1 = new QWidget(QR);
    DetailBand1->setObjectName(u"DetailBand1"_s);
    DetailBand1->setGeometry(0, 0, QR->width(), 0);

    const auto label = [this](const QString &name, BidiMode bidi, int top) {
        auto *l = new ReportLabel(QR);
        l->setObjectName(name);
        l->setBidiMode(bidi);
        l->setTextAlignment(TextAlignment::Left);
        l->setBackground(Qt::white);
        l->setLabelFont(QR->font());
        l->move(16, top);
        l->setText(name);
        return l;
    };
    qlbl_DigitDate = label(u"qlbl_DigitDate"_s, BidiMode::LeftToRight, 16);
    qlbl_payment = label(u"qlbl_payment"_s, BidiMode::RightToLeft, 40);
    qlbl_AlphaDate = label(u"qlbl_AlphaDate"_s, BidiMode::RightToLeft, 64);
    qlbl_DigitAmount = label(u"qlbl_DigitAmount"_s, BidiMode::LeftToRight, 88);
    qlbl_AlphaAmount = label(u"qlbl_AlphaAmount"_s, BidiMode::RightToLeft, 112);
    qlbl_AlphaAmountToman = label(u"qlbl_AlphaAmountToman"_s, BidiMode::RightToLeft, 136);
}

QString Tfrm_PrintCheque::destination() const
{
    return m_outputFile.isEmpty() ? PrinterChoice::effective() : m_outputFile;
}

std::unique_ptr<ReportPrintJob> Tfrm_PrintCheque::openJob()
{
    m_lastDestination = destination();
    std::unique_ptr<QPrinter> printer = !m_outputFile.isEmpty() ? PdfPrinter(m_outputFile)
                                      : m_lastDestination.isEmpty() ? nullptr
                                                                    : PrinterNamed(m_lastDestination);
    return std::make_unique<ReportPrintJob>(std::move(printer), PrinterChoice::offset(m_lastDestination));
}

bool Tfrm_PrintCheque::Print()
{
    const std::unique_ptr<ReportPrintJob> job = openJob();
    const bool printed = job->addPage(*QR) && job->finish();
    if (printed)
        ++m_printed;
    return printed;
}
