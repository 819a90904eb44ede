#pragma once

#include <QChar>
#include <QString>

// Solar Hijri dates as ten-character date text, year first ("1399/07/15"),
// and the date in words as it is written on a cheque: day, month, year.

bool IsDigitChar(QChar c); // ASCII digits only
bool IsValidDateText(const QString &text); // the shape only, not the values
QString DayToWords(int day, int month); // throws AppError
QString MonthName(int month); // throws AppError
QString DateToWords(const QString &text); // throws AppError
