#pragma once

#include <QString>
#include <QVariant>

class Query;
class Tfrm_ChequeDesign;
class Tfrm_PrintCheque;

// The statement that reads one cheque of the accounting package by its code.
QString ChequeByCodeStatement(qint64 code);

// A field of the query's current row, NULL when there is none: a code that
// matches no cheque reads as an empty cheque.
QVariant FieldOrNull(const Query &query, const QString &field);

// Fills the template `chequeId` with the cheque `code` on the designer and
// prints its six texts on a page of the template's size. A cheque that must
// not be printed (its amount or its date cannot be written out) is refused
// with AppError before anything changes. False when no printer took the page.
bool PrintChequeWithTemplate(qint64 chequeId, qint64 code);

// The two halves of the job. Loads the template on the designer and fills
// its six labels from the cheque; refuses a cheque that must not be printed
// with AppError before anything changes.
void FillDesignerWithCheque(qint64 chequeId, qint64 code);
// Sets the print page to the designer's size and orientation and its six
// labels to the designer's, as they stand.
void TransferToPrintPage(const Tfrm_ChequeDesign &design, Tfrm_PrintCheque &print);

// Prints the designer's six labels as they stand, on a page of the designer's
// size and orientation. False when nothing was printed (no printer).
bool PrintDesignedPage(const Tfrm_ChequeDesign &design, Tfrm_PrintCheque &print);
