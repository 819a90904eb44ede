#include "wording/conversions.h"

#include "app/apperror.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

[[noreturn]] void throwNotInteger(const QString &text)
{
    throw ConvertError(u"«%1» عدد صحیح معتبری نیست"_s.arg(text));
}

[[noreturn]] void throwNotNumber(const QString &text)
{
    throw ConvertError(u"«%1» عدد معتبری نیست"_s.arg(text));
}

} // namespace

qint64 StrToInt(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        throwNotInteger(text);

    // Accumulate towards the negative side, which holds one more value.
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (!isAsciiDigit(text[i]))
            throwNotInteger(text);
        const int digit = text[i].unicode() - u'0';
        if (value < (lowest + digit) / 10)
            throwNotInteger(text);
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == lowest)
            throwNotInteger(text);
        value = -value;
    }
    return value;
}

QString FloatToText(double value)
{
    if (std::isnan(value))
        return u"NAN"_s;
    if (std::isinf(value))
        return value > 0 ? u"INF"_s : u"-INF"_s;
    if (value == 0)
        return u"0"_s;

    // Round to fifteen significant digits once; every decision below is taken
    // on the rounded digits, so 999999999999999.9 becomes "1E15".
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    const QString printed = QString::fromLatin1(buffer);
    const qsizetype ePos = printed.indexOf(u'e');
    QString digits = printed.left(ePos).remove(u'.');
    const int exponent = printed.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text = value < 0 ? u"-"_s : QString();
    if (exponent >= 15 || exponent < -5) {
        text += digits[0];
        if (digits.size() > 1)
            text += kDecimalSeparator + digits.mid(1);
        text += u'E' + QString::number(exponent);
    } else if (exponent >= 0) {
        const qsizetype integerDigits = exponent + 1;
        if (digits.size() <= integerDigits) {
            text += digits + QString(integerDigits - digits.size(), u'0');
        } else {
            text += digits.left(integerDigits) + kDecimalSeparator + digits.mid(integerDigits);
        }
    } else {
        text += u'0' + QString(kDecimalSeparator) + QString(-exponent - 1, u'0') + digits;
    }
    return text;
}

double TextToFloat(const QString &text)
{
    // Check the shape first, so that nothing the number parser would tolerate
    // (blanks, "inf", hexadecimal, other digits) slips through.
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype mantissaStart = i;
    int mantissaDigits = 0;
    while (i < n && isAsciiDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == kDecimalSeparator) {
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        throwNotNumber(text);
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        const qsizetype exponentStart = i;
        while (i < n && isAsciiDigit(text[i]))
            ++i;
        if (i == exponentStart)
            throwNotNumber(text);
    }
    if (i != n)
        throwNotNumber(text);

    // The text is plain ASCII now; from_chars reads it without any locale.
    QByteArray ascii = text.mid(mantissaStart).toLatin1();
    ascii.replace(char(kDecimalSeparator.unicode()), '.');
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.cbegin(), ascii.cend(), value);
    if (error != std::errc() || end != ascii.cend())
        throwNotNumber(text);
    return text.startsWith(u'-') ? -value : value;
}
