#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

// The printer cheques go to, chosen on this machine (printers belong to
// machines; templates to the shared database): the system's default unless
// the user picked another installed printer.
namespace PrinterChoice {

QStringList installedPrinters();
QString systemDefault(); // empty when the system has none

// The name the user picked; empty for the system's default.
QString chosen();
void setChosen(const QString &printer);

// Where a page goes now: the chosen printer while it is installed, else the
// system's default; empty when there is no printer at all.
QString effective();

// How far this printer's pages must be moved, in millimetres (right and
// down), so that the texts land where the template puts them; 0.1 mm steps.
QPointF offset(const QString &printer);
void setOffset(const QString &printer, QPointF millimetres);
// "+2.0 افقی، -1.5 عمودی میلی متر"
QString OffsetText(QPointF millimetres);

// Why nothing was printed, to be told: no printer at all (an empty
// destination), or the printer that did not take the page.
QString NothingPrintedMessage(const QString &destination);

} // namespace PrinterChoice
