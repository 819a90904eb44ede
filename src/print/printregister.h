#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Dialect;
class Query;

// The register of printed cheques, the table PrintLog in the accounting
// database: one row for every page handed to a printer.
struct PrintRecord
{
    qint64 code = 0; // the cheque
    QString chequeNumber; // its shoomarehch
    double amount = 0;
    qint64 chequeId = 0; // the template
    QString title;
    QString printer;
    QDateTime time;
    QString machine;
    QString user;
};

QStringList InsertPrintRecordStatement(const Dialect &dialect, const PrintRecord &record);
// Every print of the cheque, the latest first.
QString PrintsOfChequeStatement(qint64 code);

// A print of the cheque `code` with the template `chequeId` now, by the
// machine and user this program runs as.
PrintRecord NewPrintRecord(qint64 code, const QString &chequeNumber, double amount, qint64 chequeId,
                           const QString &title, const QString &printer);

struct PastPrints
{
    int count = 0;
    QDateTime last;
    QString lastPrinter;
};
// Throws DatabaseError when the register cannot be read.
PastPrints FindPastPrints(Query &q, qint64 code);
// Throws DatabaseError when the row cannot be written.
void RegisterPrint(Query &q, const PrintRecord &record);

// "1405/09/19 ساعت 14:05": the day in the solar calendar the users keep.
QString SolarDateTimeText(const QDateTime &time);
