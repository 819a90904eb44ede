#pragma once

#include <QDialog>

class ReportLabel;
class ReportPage;

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

    // Sends the page, once, to the system's default printer, or to the PDF
    // file given here instead. False when nothing was printed.
    bool Print();
    void setOutputFile(const QString &pdfFile) { m_outputFile = pdfFile; }
    QString outputFile() const { return m_outputFile; }
    // Pages handed over since start-up.
    int pagesPrinted() const { return m_printed; }

private:
    QString m_outputFile;
    int m_printed = 0;
};
