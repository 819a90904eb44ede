#pragma once

#include <QString>
#include <QVariant>

// The six texts one cheque puts on paper, made once from its stored values,
// so that the preview, the print button and the print job agree on them
// and on whether the cheque may be printed at all.
struct ChequeTexts
{
    QString digitDate; // the date as stored
    QString alphaDate;
    QString groupedAmount; // "1,500,000"
    QString digitAmount;
    QString rialWords;
    QString tomanWords;
    QString payee;
    // Why the cheque must not be printed, in Persian, naming the field; empty
    // when it may be. A refused cheque has no texts for the refused field.
    QString refusal;

    bool printable() const { return refusal.isEmpty(); }
};

// A stored date as the words are made from it: year/month/day with a month
// and a day of one or two digits ("1403/7/5") becomes date text
// ("1403/07/05"); anything else is returned as it is.
QString ReadableChequeDate(const QString &stored);

ChequeTexts MakeChequeTexts(const QVariant &tarikh, const QVariant &mablaghch, const QVariant &sharh);
