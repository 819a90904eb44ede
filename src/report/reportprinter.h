#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPageLayout>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;
class ReportPage;

// The printing half of the report engine. A report page goes to paper as one
// page of exactly its width across and its length down, margins 0, with only
// its labels on it: the pictures on the page are there for the screen.

// The layout handed to the printer. A landscape page is the same page turned
// onto a medium of length x width, so what is painted is still width x length.
QPageLayout ReportPageLayout(const ReportPage &page);

// A label's screen font as it is set on paper: a font sized in screen pixels
// becomes the same height in points, so a text is as large on paper as on the
// page shown at 100 %.
QFont PaperFont(const QFont &font, double ppi);

// Paints the page's shown labels, `unitsPerPixel` device units to one
// design-page pixel. A label's text starts at its box's left edge, or ends at
// its right edge when it is right-anchored, whatever the device's font metrics.
// Without `backgrounds` the labels' backgrounds are left out, as over a
// picture of the paper, where white is no ink.
void PaintReportLabels(QPainter &painter, const ReportPage &page, double unitsPerPixel, bool backgrounds = true);

// Pages of one size and orientation handed to a printer as one job, one
// copy, no dialog. `offset` (millimetres, right and down) moves every text
// and nothing else: it makes up for where a printer feeds the paper.
class ReportPrintJob
{
public:
    explicit ReportPrintJob(std::unique_ptr<QPrinter> printer, QPointF offset = {});
    ~ReportPrintJob();
    ReportPrintJob(const ReportPrintJob &) = delete;
    ReportPrintJob &operator=(const ReportPrintJob &) = delete;

    // The page's labels; with a picture, the picture first, stretched over
    // the whole page (where it is not moved by the offset: the picture is
    // the paper). False when the printer cannot take the page.
    bool addPage(const ReportPage &page, const QImage &picture = {});
    // A new page of the report page's size and orientation to draw on
    // freely, in device units (unitsPerMillimetre() to the millimetre) from
    // its top left corner, the offset applied; null when the printer cannot
    // take it. Valid until the next page. Not scaled to millimetres, so that
    // fonts keep their sizes in points.
    QPainter *beginPage(const ReportPage &page);
    // Hands the pages over. False when the printer did not take them.
    bool finish();
    int pages() const { return m_pages; }
    double unitsPerMillimetre() const;

private:
    bool startPage(const ReportPage &page);

    std::unique_ptr<QPrinter> m_printer;
    QPointF m_offset;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    bool m_failed = false;
};

// One page, one copy, no dialog. False when the printer cannot take the page.
bool PrintReport(const ReportPage &page, std::unique_ptr<QPrinter> printer, QPointF offset = {},
                 const QImage &picture = {});
// The page written to a PDF file, with the picture under it when given.
bool PrintReportToPdf(const ReportPage &page, const QString &file, const QImage &picture = {});
// A printer for the installed printer of that name, or for a PDF file; null
// when there is no such printer.
std::unique_ptr<QPrinter> PrinterNamed(const QString &printerName);
std::unique_ptr<QPrinter> PdfPrinter(const QString &file);
