#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>

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
void PaintReportLabels(QPainter &painter, const ReportPage &page, double unitsPerPixel);

// One page, one copy, no dialog. False when the printer cannot take the page.
bool PrintReport(const ReportPage &page, QPrinter &printer);
// The installed printer of that name; false, with nothing printed, when there
// is none.
bool PrintReportToPrinter(const ReportPage &page, const QString &printerName);
// The same page written to a PDF file.
bool PrintReportToPdf(const ReportPage &page, const QString &file);
