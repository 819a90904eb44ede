#pragma once

#include <QChar>
#include <QString>

// Cheque amounts: whole, non-negative numbers of rials, shown as grouped
// text ("1,234,567") and written out in words in rials and in tomans.

// The text with every `c` removed except at the last position (which in
// grouped text is always a digit); adjacent separators all go. `removed`, when
// given, receives the number of characters taken out.
QString RemoveCharButLast(QString text, QChar c, int *removed = nullptr);
// The text cut into groups of three from the right, joined with `c`.
// `inserted`, when given, receives the number of separators put in.
QString GroupInThrees(const QString &text, QChar c, int *inserted = nullptr);

double StripCharToFloat(const QString &text, QChar c);
QString StripGroupSeparators(const QString &text, QChar c);
// GroupDigits and GroupDigitsText refuse a negative amount or one with a
// fraction with AppError, as do the two wordings: a cheque is never grouped
// or worded with a wrong amount.
QString GroupDigits(double value, QChar c);
QString GroupDigitsText(const QString &text, QChar c);
QString AmountToRialWords(const QString &groupedAmount);
QString AmountToTomanWords(const QString &groupedAmount);
