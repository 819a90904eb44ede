#pragma once

#include <QDialog>

#include <memory>

class ReportLabel;
class ReportPage;
class ReportPrintJob;

// The printed page and its six labels. Never shown: the print job fills it
// from the designer and sends it to the printer.
class Tfrm_PrintCheque : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_PrintCheque(QWidget *parent = nullptr);

    ReportPage *QR;
    QWidget *DetailBand1;
    ReportLabel *qlbl_DigitDate;
    ReportLabel *qlbl_payment;
    ReportLabel *qlbl_AlphaDate;
    ReportLabel *qlbl_DigitAmount;
    ReportLabel *qlbl_AlphaAmount;
    ReportLabel *qlbl_AlphaAmountToman;

    // Sends the page, once, to the printer chosen on this machine (the
    // system's default unless another was picked), or to the PDF file given
    // here instead. False when nothing was printed.
    bool Print();
    // Where the next page goes: the PDF file when one is set, else the
    // printer chosen on this machine; empty when there is none.
    QString destination() const;
    // Where the last page went: a printer's name, or the PDF file.
    QString lastDestination() const { return m_lastDestination; }
    // A job on the printer Print() would use, with that printer's offset;
    // it prints nothing when there is no printer.
    std::unique_ptr<ReportPrintJob> openJob();
    void setOutputFile(const QString &pdfFile) { m_outputFile = pdfFile; }
    QString outputFile() const { return m_outputFile; }
    // Pages handed over since start-up.
    int pagesPrinted() const { return m_printed; }

private:
    QString m_outputFile;
    QString m_lastDestination;
    int m_printed = 0;
};
