#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// Persian alphabetical order for sorting lists: blanks, then punctuation,
// digits (Latin, Persian and Arabic-Indic alike), Latin letters without case,
// then the Persian alphabet, آ ا ب پ ت ... ک گ ل م ن و ه ی, with the Arabic
// forms of kaf, yeh, heh and alef and the letters with hamza taking their
// letter's place. Vowel marks, tatweel and the zero-width joiners do not
// count. Texts that differ only in what does not count are equal.
//
// A sort key is a byte string whose plain byte order is that order, so a
// list is sorted by comparing prepared keys, not by looking at every letter
// at every step.
void AppendPersianSortKey(std::string_view utf8, std::string &key);
std::string PersianSortKey(QStringView text);

// Less in Persian order.
bool PersianLess(QStringView a, QStringView b);
