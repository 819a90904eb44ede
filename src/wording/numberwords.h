#pragma once

#include <QString>

// Whole numbers in Persian words, the way an amount or a year is written on a
// cheque: groups of three digits worded on their own, each followed by its
// scale word, joined with " و ". The worded number ends in one blank unless
// its last three digits are all zero ("هفت " but "یک هزار"); callers append
// their own texts after it and rely on that.

// The words of 1 to 20, the tens and the hundreds; the empty text otherwise.
QString NumberWord(qint64 n);
// The scale word of a group whose lowest digit has this power of ten.
QString ScaleWord(int exponent);
QString ReverseText(const QString &text);
// A group of one to three digit characters; empty when its value is 0.
QString ThreeDigitsToWords(const QString &group);
// A string of digit characters; empty for "" and for the value 0. A group
// holding anything but digits throws ConvertError.
QString NumberToWords(const QString &digits);
QString IntToWords(qint64 n);
