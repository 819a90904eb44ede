#pragma once

#include <QChar>
#include <QString>

// Conversions between numbers and their texts. Every other routine of the
// wording reads and writes numbers through these, so that a number always
// looks the same on screen, in the database text and on paper.

// The one decimal separator, for writing and reading alike.
inline constexpr QChar kDecimalSeparator = u'.';

// An optional sign and ASCII digits, nothing else ("05" is 5). Throws
// ConvertError, naming the text, for anything else or a value out of range.
qint64 StrToInt(const QString &text);

// The shortest text of the value with at most fifteen significant digits, no
// thousands separators; exponent form ("1E15", "1.5E-6") when the integer part
// has more than fifteen digits or the magnitude is below 0.00001.
QString FloatToText(double value);

// Reads what FloatToText writes: optional sign, digits, the decimal separator,
// an exponent. Throws ConvertError for any other text, the empty one included.
double TextToFloat(const QString &text);
