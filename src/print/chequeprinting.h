#pragma once

#include <QString>

class Query;

// One press of the print button as the user meets it, around the print job:
// a cheque that must not be printed is refused before any paper, a cheque the
// register already holds is printed again only when the user says so, the
// page goes to the printer chosen on this machine, and each page handed over
// is registered once.
struct PrintAttempt
{
    enum Outcome {
        Printed,
        Refused, // the amount or the date cannot be written out
        Declined, // printed before, and the user said no
        NoPrinter,
        NotTaken, // the printer did not take the page
    };
    Outcome outcome = Refused;
    QString destination; // the printer (or PDF file) the page went to
    QString chequeNumber;
};

// Says every outcome but Printed and Declined to the user itself. `title` is
// the template's, for the register.
PrintAttempt PrintChequeOnce(qint64 chequeId, const QString &title, qint64 code, Query &q);

// The one line the template list shows after a print.
QString PrintedLine(const PrintAttempt &attempt);
