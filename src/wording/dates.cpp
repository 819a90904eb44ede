#include "wording/dates.h"

#include "app/apperror.h"
#include "wording/conversions.h"
#include "wording/numberwords.h"

using namespace Qt::Literals::StringLiterals;

bool IsDigitChar(QChar c)
{
    return c.unicode() >= 48 && c.unicode() <= 57;
}

bool IsValidDateText(const QString &text)
{
    if (text.size() != 10 || text[4] != u'/' || text[7] != u'/')
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!IsDigitChar(text[i]))
            return false;
    }
    return true;
}

QString DayToWords(int day, int month)
{
    static const QString words[] = {
        u"یکم"_s, u"دوم"_s, u"سوم"_s, u"چهارم"_s,
        u"پنجم"_s, u"ششم"_s, u"هفتم"_s, u"هشتم"_s,
        u"نهم"_s, u"دهم"_s, u"یازدهم"_s, u"دوازدهم"_s,
        u"سیزدهم"_s, u"چهاردهم"_s, u"پانزدهم"_s, u"شانزدهم"_s,
        u"هفدهم"_s, u"هجدهم"_s, u"نوزدهم"_s, u"بیستم"_s,
        u"بیست و یکم"_s, u"بیست و دوم"_s, u"بیست و سوم"_s, u"بیست و چهارم"_s,
        u"بیست و پنجم"_s, u"بیست و ششم"_s, u"بیست و هفتم"_s, u"بیست و هشتم"_s,
        u"بیست و نهم"_s, u"سی ام"_s, u"سی و یکم"_s,
    };
    // Only the thirty-first of the autumn and winter months is refused; there
    // is no other calendar check.
    if (day < 1 || day > 31 || (day == 31 && month >= 7 && month <= 12))
        throw AppError(u"روز اشتباه است"_s);
    return words[day - 1];
}

QString MonthName(int month)
{
    static const QString names[] = {
        u"فروردین"_s, u"اردیبهشت"_s, u"خرداد"_s, u"تیر"_s,
        u"مرداد"_s, u"شهریور"_s, u"مهر"_s, u"آبان"_s,
        u"آذر"_s, u"دی"_s, u"بهمن"_s, u"اسفند"_s,
    };
    if (month < 1 || month > 12)
        throw AppError(u"ماه اشتباه است"_s);
    return names[month - 1];
}

QString DateToWords(const QString &text)
{
    if (!IsValidDateText(text))
        throw AppError(u"تاریخ به فرم صحیح نمی باشد"_s);
    const int year = int(StrToInt(text.left(4)));
    const int month = int(StrToInt(text.mid(5, 2)));
    const int day = int(StrToInt(text.mid(8, 2)));
    // The day is worded first, so a wrong day is reported before a wrong month.
    const QString dayWords = DayToWords(day, month);
    const QString monthWords = MonthName(month);
    return dayWords + u' ' + monthWords + u' ' + IntToWords(year);
}
