#include "wording/numberwords.h"

#include "app/apperror.h"
#include "wording/conversions.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kJoiner = u" و "_s;

// The words of two digit characters, tens first.
QString tensAndUnits(QChar tens, QChar units)
{
    const qint64 value = StrToInt(QString(tens) + units);
    if (value <= 20)
        return NumberWord(value);
    const QString tensWord = NumberWord(StrToInt(QString(tens) + u'0'));
    const QString unitsWord = NumberWord(StrToInt(QString(units)));
    if (unitsWord.isEmpty())
        return tensWord;
    return tensWord + kJoiner + unitsWord;
}

} // namespace

QString NumberWord(qint64 n)
{
    switch (n) {
    case 1: return u"یک"_s;
    case 2: return u"دو"_s;
    case 3: return u"سه"_s;
    case 4: return u"چهار"_s;
    case 5: return u"پنج"_s;
    case 6: return u"شش"_s;
    case 7: return u"هفت"_s;
    case 8: return u"هشت"_s;
    case 9: return u"نه"_s;
    case 10: return u"ده"_s;
    case 11: return u"یازده"_s;
    case 12: return u"دوازده"_s;
    case 13: return u"سیزده"_s;
    case 14: return u"چهارده"_s;
    case 15: return u"پانزده"_s;
    case 16: return u"شانزده"_s;
    case 17: return u"هفده"_s;
    case 18: return u"هجده"_s;
    case 19: return u"نوزده"_s;
    case 20: return u"بیست"_s;
    case 30: return u"سی"_s;
    case 40: return u"چهل"_s;
    case 50: return u"پنجاه"_s;
    case 60: return u"شصت"_s;
    case 70: return u"هفتاد"_s;
    case 80: return u"هشتاد"_s;
    case 90: return u"نود"_s;
    case 100: return u"یکصد"_s;
    case 200: return u"دویست"_s;
    case 300: return u"سیصد"_s;
    case 400: return u"چهارصد"_s;
    case 500: return u"پانصد"_s;
    case 600: return u"ششصد"_s;
    case 700: return u"هفتصد"_s;
    case 800: return u"هشتصد"_s;
    case 900: return u"نهصد"_s;
    default: return QString();
    }
}

QString ScaleWord(int exponent)
{
    switch (exponent) {
    case 3: return u"هزار"_s;
    case 6: return u"میلیون"_s;
    case 9: return u"میلیارد"_s;
    case 12: return u"تریلیارد"_s;
    default: return QString();
    }
}

QString ReverseText(const QString &text)
{
    QString reversed = text;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QString ThreeDigitsToWords(const QString &group)
{
    switch (group.size()) {
    case 1:
        return NumberWord(StrToInt(group));
    case 2:
        return tensAndUnits(group[0], group[1]);
    case 3: {
        const QString rest = tensAndUnits(group[1], group[2]);
        const QString hundreds = NumberWord(StrToInt(QString(group[0]) + u"00"_s));
        if (hundreds.isEmpty())
            return rest;
        if (rest.isEmpty())
            return hundreds;
        return hundreds + kJoiner + rest;
    }
    default:
        return QString();
    }
}

QString NumberToWords(const QString &digits)
{
    QString result;
    int exponent = 0;
    for (qsizetype end = digits.size() - 1; end >= 0; exponent += 3) {
        QString gathered;
        for (int k = 0; k < 3 && end >= 0; ++k, --end)
            gathered += digits[end];
        QString words = ThreeDigitsToWords(ReverseText(gathered));
        // The scale words end at 10^12; a higher group would lose its scale
        // and read as a much smaller number.
        if (!words.isEmpty() && exponent > 12)
            throw AppError(u"عدد برای نوشتن به حروف بیش از حد بزرگ است"_s);
        if (!words.isEmpty())
            words += u' ' + ScaleWord(exponent);
        if (result.isEmpty())
            result = words;
        else if (!words.isEmpty())
            result = words + kJoiner + result;
    }
    return result;
}

QString IntToWords(qint64 n)
{
    return NumberToWords(QString::number(n));
}
