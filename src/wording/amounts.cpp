#include "wording/amounts.h"

#include "app/apperror.h"
#include "wording/conversions.h"
#include "wording/numberwords.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kFrame = u"×"_s;
const QString kRial = u" ریال"_s;
const QString kToman = u" تومان"_s;
const QString kJoiner = u" و "_s;
constexpr QChar kSeparator = u',';

// The plain text of a whole, non-negative amount. Decided on the text, not on
// the double, so that a value such as 1234567.0000000002 that reads back as
// "1234567" still counts as whole.
QString wholeAmountText(double value)
{
    // Sixteen digits and more: whole (a double that large has no fraction),
    // but too long to be worded; its text would be "1E15" or "1.2E19".
    if (std::isfinite(value) && value >= 1e15)
        throw AppError(u"مبلغ چک بیش از پانزده رقم است"_s);
    const QString text = FloatToText(value);
    if (!std::isfinite(value) || text.startsWith(u'-') || text.contains(kDecimalSeparator)
        || text.contains(u"E-"_s)) {
        throw AppError(u"مبلغ چک باید عددی صحیح و نامنفی باشد"_s);
    }
    return text;
}

} // namespace

QString RemoveCharButLast(QString text, QChar c, int *removed)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size() - 1;) {
        if (text[i] == c) {
            text.remove(i, 1);
            ++count;
        } else {
            ++i;
        }
    }
    if (removed)
        *removed = count;
    return text;
}

QString GroupInThrees(const QString &text, QChar c, int *inserted)
{
    QString grouped;
    int count = 0;
    for (qsizetype end = text.size(); end > 0; end -= 3) {
        const qsizetype start = std::max<qsizetype>(0, end - 3);
        if (!grouped.isEmpty()) {
            grouped.prepend(c);
            ++count;
        }
        grouped.prepend(text.mid(start, end - start));
    }
    if (inserted)
        *inserted = count;
    return grouped;
}

double StripCharToFloat(const QString &text, QChar c)
{
    return TextToFloat(RemoveCharButLast(text, c));
}

QString StripGroupSeparators(const QString &text, QChar c)
{
    return FloatToText(StripCharToFloat(text, c));
}

QString GroupDigits(double value, QChar c)
{
    return GroupInThrees(wholeAmountText(value), c);
}

QString GroupDigitsText(const QString &text, QChar c)
{
    return GroupDigits(TextToFloat(text), c);
}

QString AmountToRialWords(const QString &groupedAmount)
{
    if (groupedAmount.isEmpty())
        return QString();
    const QString plain = wholeAmountText(StripCharToFloat(groupedAmount, kSeparator));
    return kFrame + NumberToWords(plain) + kRial + kFrame;
}

QString AmountToTomanWords(const QString &groupedAmount)
{
    if (groupedAmount.isEmpty())
        return QString();
    const QString plain = wholeAmountText(StripCharToFloat(groupedAmount, kSeparator));
    QString body;
    if (plain.size() == 1) {
        body = NumberToWords(plain) + kRial;
    } else {
        const QChar rials = plain.back();
        body = NumberToWords(plain.chopped(1)) + kToman;
        if (rials != u'0')
            body += kJoiner + NumberToWords(QString(rials)) + kRial;
    }
    return kFrame + body + kFrame;
}
