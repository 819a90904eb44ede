#include "print/printregister.h"

#include "app/database.h"
#include "wording/conversions.h"

#include <QCalendar>
#include <QSysInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

// ISO 8601 with the T: SQL Server reads it alike whatever its date format
// setting, and SQLite keeps it as written.
const QString kTimeFormat = u"yyyy-MM-ddTHH:mm:ss"_s;

QDateTime readTime(const QVariant &stored)
{
    QString text = stored.toString().trimmed();
    text.replace(u' ', u'T');
    for (const QString &format : {kTimeFormat, u"yyyy-MM-ddTHH:mm:ss.zzz"_s, u"yyyy-MM-ddTHH:mm"_s}) {
        const QDateTime time = QDateTime::fromString(text, format);
        if (time.isValid())
            return time;
    }
    return stored.toDateTime();
}

} // namespace

QStringList InsertPrintRecordStatement(const Dialect &dialect, const PrintRecord &r)
{
    return {
        u"Insert into [PrintLog]([code],[shoomarehch],[mablaghch],[ChID],[Title],[PrinterName],[PrintTime],"
        u"[MachineName],[UserName])"_s,
        u"values("_s + QString::number(r.code) + u","_s + dialect.text(r.chequeNumber) + u","_s
            + FloatToText(r.amount) + u","_s + QString::number(r.chequeId) + u","_s + dialect.text(r.title)
            + u","_s + dialect.text(r.printer) + u","_s + Quoted(r.time.toString(kTimeFormat)) + u","_s
            + dialect.text(r.machine) + u","_s + dialect.text(r.user) + u")"_s,
    };
}

QString PrintsOfChequeStatement(qint64 code)
{
    return u"Select * from [PrintLog] where [code]="_s + QString::number(code) + u" order by [LogID] desc"_s;
}

PrintRecord NewPrintRecord(qint64 code, const QString &chequeNumber, double amount, qint64 chequeId,
                           const QString &title, const QString &printer)
{
    PrintRecord record;
    record.code = code;
    record.chequeNumber = chequeNumber;
    record.amount = amount;
    record.chequeId = chequeId;
    record.title = title;
    record.printer = printer;
    record.time = QDateTime::currentDateTime();
    record.machine = QSysInfo::machineHostName();
    record.user = qEnvironmentVariable("USERNAME", qEnvironmentVariable("USER"));
    return record;
}

PastPrints FindPastPrints(Query &q, qint64 code)
{
    q.close();
    q.clear();
    q.add(PrintsOfChequeStatement(code));
    q.open();
    PastPrints past;
    past.count = q.recordCount();
    if (past.count > 0) {
        q.first();
        past.last = readTime(q.value(u"PrintTime"_s));
        past.lastPrinter = q.asString(u"PrinterName"_s);
    }
    return past;
}

void RegisterPrint(Query &q, const PrintRecord &record)
{
    q.close();
    q.setText(InsertPrintRecordStatement(q.connection().dialect(), record));
    q.execSQL();
}

QString SolarDateTimeText(const QDateTime &time)
{
    if (!time.isValid())
        return u"؟"_s;
    const QCalendar solar(QCalendar::System::Jalali);
    const QCalendar::YearMonthDay day = solar.partsFromDate(time.date());
    return u"%1/%2/%3 ساعت %4"_s.arg(day.year, 4, 10, QChar(u'0'))
        .arg(day.month, 2, 10, QChar(u'0'))
        .arg(day.day, 2, 10, QChar(u'0'))
        .arg(time.toString(u"HH:mm"_s));
}
