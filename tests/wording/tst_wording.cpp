#include "app/apperror.h"
#include "wording/amounts.h"
#include "wording/conversions.h"
#include "wording/dates.h"
#include "wording/numberwords.h"
#include "wording/persianorder.h"

#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kAmountRefused = u"مبلغ چک باید عددی صحیح و نامنفی باشد"_s;
const QString kBadForm = u"تاریخ به فرم صحیح نمی باشد"_s;
const QString kBadDay = u"روز اشتباه است"_s;
const QString kBadMonth = u"ماه اشتباه است"_s;

// What a call threw: "" when it returned, the message of an AppError, or
// "convert:" and the message of a ConvertError.
QString failure(const std::function<void()> &call)
{
    try {
        call();
    } catch (const ConvertError &e) {
        return u"convert:"_s + e.message();
    } catch (const AppError &e) {
        return e.message();
    }
    return QString();
}

QString persianDigits(QString text)
{
    for (QChar &c : text) {
        if (c >= u'0' && c <= u'9')
            c = QChar(0x06F0 + (c.unicode() - u'0'));
    }
    return text;
}

} // namespace

class TestWording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberToWords_data();
    void numberToWords();
    void numberToWordsRefusesNonDigits_data();
    void numberToWordsRefusesNonDigits();
    void wordTablesOutsideTheirKeys();
    void intToWords();

    void strToInt_data();
    void strToInt();
    void floatToText_data();
    void floatToText();
    void textToFloat_data();
    void textToFloat();

    void stripGroupSeparators_data();
    void stripGroupSeparators();
    void groupDigitsText_data();
    void groupDigitsText();
    void amountWords_data();
    void amountWords();
    void amountsRefused_data();
    void amountsRefused();

    void dateToWords_data();
    void dateToWords();
    void dateShapeOnly();
    void dayOfMonthRules();

    void persianOrder_data();
    void persianOrder();
    void persianKeysOfManyTexts();
};

void TestWording::numberToWords_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("words");
    const QString rows[][2] = {
        {u""_s, u""_s},
        {u"0"_s, u""_s},
        {u"7"_s, u"هفت "_s},
        {u"20"_s, u"بیست "_s},
        {u"21"_s, u"بیست و یک "_s},
        {u"30"_s, u"سی "_s},
        {u"100"_s, u"یکصد "_s},
        {u"101"_s, u"یکصد و یک "_s},
        {u"115"_s, u"یکصد و پانزده "_s},
        {u"999"_s, u"نهصد و نود و نه "_s},
        {u"1000"_s, u"یک هزار"_s},
        {u"1001"_s, u"یک هزار و یک "_s},
        {u"1010"_s, u"یک هزار و ده "_s},
        {u"1100"_s, u"یک هزار و یکصد "_s},
        {u"12500"_s, u"دوازده هزار و پانصد "_s},
        {u"100000"_s, u"یکصد هزار"_s},
        {u"1000000"_s, u"یک میلیون"_s},
        {u"1000001"_s, u"یک میلیون و یک "_s},
        {u"2000020000"_s, u"دو میلیارد و بیست هزار"_s},
        {u"1000000000000"_s, u"یک تریلیارد"_s},
        {u"007"_s, u"هفت "_s},
        {u"123456789012345"_s, u"یکصد و بیست و سه تریلیارد و چهارصد و پنجاه و شش میلیارد و هفتصد و هشتاد و نه میلیون و دوازده هزار و سیصد و چهل و پنج "_s},
        // Zeros in front of the highest group add nothing, however many.
        {u"0000000000000000007"_s, u"هفت "_s},
        {u"000001000"_s, u"یک هزار"_s},
    };
    for (const auto &row : rows)
        QTest::newRow(qPrintable(row[0].isEmpty() ? u"empty"_s : row[0])) << row[0] << row[1];
}

void TestWording::numberToWords()
{
    QFETCH(QString, digits);
    QFETCH(QString, words);
    QCOMPARE(NumberToWords(digits), words);
}

void TestWording::numberToWordsRefusesNonDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("conversion");
    QTest::newRow("letter") << u"12a"_s << true;
    QTest::newRow("decimal separator") << u"1.5"_s << true;
    QTest::newRow("exponent form") << u"1E15"_s << true;
    QTest::newRow("Persian digits") << persianDigits(u"12"_s) << true;
    // Past the last scale word a group could only be worded wrongly.
    QTest::newRow("sixteen digits") << u"1000000000000000"_s << false;
}

void TestWording::numberToWordsRefusesNonDigits()
{
    QFETCH(QString, text);
    QFETCH(bool, conversion);
    const QString error = failure([&] { NumberToWords(text); });
    QVERIFY2(!error.isEmpty(), "no error raised");
    QCOMPARE(error.startsWith(u"convert:"_s), conversion);
}

void TestWording::wordTablesOutsideTheirKeys()
{
    for (qint64 n : {0, -1, 21, 99, 101, 1000})
        QCOMPARE(NumberWord(n), QString());
    QCOMPARE(NumberWord(100), u"یکصد"_s);
    for (int e : {0, 1, 15, -3})
        QCOMPARE(ScaleWord(e), QString());
    QCOMPARE(ReverseText(u"1,234"_s), u"432,1"_s);
    QCOMPARE(ReverseText(QString()), QString());
}

void TestWording::intToWords()
{
    QCOMPARE(IntToWords(1399), u"یک هزار و سیصد و نود و نه "_s);
    QCOMPARE(IntToWords(2000), u"دو هزار"_s);
    QCOMPARE(IntToWords(0), QString());
}

void TestWording::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << u"1399"_s << qint64(1399) << true;
    QTest::newRow("leading zeros") << u"007"_s << qint64(7) << true;
    QTest::newRow("plus") << u"+5"_s << qint64(5) << true;
    QTest::newRow("minus") << u"-12"_s << qint64(-12) << true;
    QTest::newRow("lowest") << u"-9223372036854775808"_s << std::numeric_limits<qint64>::min() << true;
    QTest::newRow("highest") << u"9223372036854775807"_s << std::numeric_limits<qint64>::max() << true;
    QTest::newRow("empty") << QString() << qint64(0) << false;
    QTest::newRow("sign alone") << u"-"_s << qint64(0) << false;
    QTest::newRow("leading blank") << u" 5"_s << qint64(0) << false;
    QTest::newRow("trailing blank") << u"5 "_s << qint64(0) << false;
    QTest::newRow("fraction") << u"1.0"_s << qint64(0) << false;
    QTest::newRow("hexadecimal") << u"0x10"_s << qint64(0) << false;
    QTest::newRow("Delphi hexadecimal") << u"$10"_s << qint64(0) << false;
    QTest::newRow("Persian digit") << persianDigits(u"5"_s) << qint64(0) << false;
    QTest::newRow("overflow") << u"9223372036854775808"_s << qint64(0) << false;
    QTest::newRow("underflow") << u"-9223372036854775809"_s << qint64(0) << false;
}

void TestWording::strToInt()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QFETCH(bool, valid);
    if (valid) {
        QCOMPARE(StrToInt(text), value);
    } else {
        const QString error = failure([&] { StrToInt(text); });
        QVERIFY2(error.startsWith(u"convert:"_s), qPrintable(error));
        QVERIFY2(error.contains(u"«"_s + text + u"»"_s), qPrintable(error));
    }
}

void TestWording::floatToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("whole") << 1234567.0 << u"1234567"_s;
    QTest::newRow("fraction") << 123.5 << u"123.5"_s;
    QTest::newRow("negative") << -1.25 << u"-1.25"_s;
    QTest::newRow("fifteen digits") << 999999999999999.0 << u"999999999999999"_s;
    QTest::newRow("sixteen digits") << 1e15 << u"1E15"_s;
    QTest::newRow("rounds up to sixteen") << 999999999999999.9 << u"1E15"_s;
    QTest::newRow("large with mantissa") << 1.5e16 << u"1.5E16"_s;
    QTest::newRow("negative large") << -2e20 << u"-2E20"_s;
    QTest::newRow("fifteen significant") << 1.0 / 3 << u"0.333333333333333"_s;
    QTest::newRow("noise dropped") << 1234567.0000000002 << u"1234567"_s;
    QTest::newRow("smallest fixed") << 0.00001 << u"0.00001"_s;
    QTest::newRow("below fixed") << 0.000001 << u"1E-6"_s;
    QTest::newRow("small with mantissa") << 1.5e-6 << u"1.5E-6"_s;
    QTest::newRow("trailing zeros") << 2.50 << u"2.5"_s;
}

void TestWording::floatToText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FloatToText(value), text);
    // What is written reads back as the value it stands for.
    QCOMPARE(FloatToText(TextToFloat(text)), text);
}

void TestWording::textToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("whole") << u"12500"_s << 12500.0 << true;
    QTest::newRow("signed fraction") << u"-1.5"_s << -1.5 << true;
    QTest::newRow("plus") << u"+3"_s << 3.0 << true;
    QTest::newRow("exponent") << u"1E15"_s << 1e15 << true;
    QTest::newRow("negative exponent") << u"1.5E-6"_s << 1.5e-6 << true;
    QTest::newRow("leading zeros") << u"0012500"_s << 12500.0 << true;
    QTest::newRow("empty") << QString() << 0.0 << false;
    QTest::newRow("thousands separator") << u"1,234"_s << 0.0 << false;
    QTest::newRow("letters") << u"abc"_s << 0.0 << false;
    QTest::newRow("leading blank") << u" 1"_s << 0.0 << false;
    QTest::newRow("trailing blank") << u"1 "_s << 0.0 << false;
    QTest::newRow("two separators") << u"1.2.3"_s << 0.0 << false;
    QTest::newRow("exponent alone") << u"E5"_s << 0.0 << false;
    QTest::newRow("exponent without digits") << u"1E"_s << 0.0 << false;
    QTest::newRow("Persian digits") << persianDigits(u"12"_s) << 0.0 << false;
    QTest::newRow("infinity") << u"INF"_s << 0.0 << false;
    QTest::newRow("not a number") << u"NAN"_s << 0.0 << false;
    QTest::newRow("hexadecimal") << u"0x1A"_s << 0.0 << false;
    QTest::newRow("out of range") << u"1E400"_s << 0.0 << false;
}

void TestWording::textToFloat()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, valid);
    if (valid) {
        QCOMPARE(TextToFloat(text), value);
    } else {
        const QString error = failure([&] { TextToFloat(text); });
        QVERIFY2(error.startsWith(u"convert:"_s), qPrintable(error));
        QVERIFY2(error.contains(u"«"_s + text + u"»"_s), qPrintable(error));
    }
}

void TestWording::stripGroupSeparators_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("grouped") << u"1,234,567"_s << u"1234567"_s;
    QTest::newRow("leading zeros") << u"007"_s << u"7"_s;
    QTest::newRow("adjacent separators") << u"1,,,234"_s << u"1234"_s;
    QTest::newRow("leading separator") << u",5"_s << u"5"_s;
    QTest::newRow("not a number") << u"1,2a"_s << QString();
    QTest::newRow("trailing separator stays") << u"1,"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestWording::stripGroupSeparators()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    if (plain.isEmpty())
        QVERIFY(failure([&] { StripGroupSeparators(text, u','); }).startsWith(u"convert:"_s));
    else
        QCOMPARE(StripGroupSeparators(text, u','), plain);
}

void TestWording::groupDigitsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("zero") << u"0"_s << u"0"_s;
    QTest::newRow("one group") << u"123"_s << u"123"_s;
    QTest::newRow("two groups") << u"1234"_s << u"1,234"_s;
    QTest::newRow("three groups") << u"1234567"_s << u"1,234,567"_s;
    QTest::newRow("leading zeros") << u"0012500"_s << u"12,500"_s;
    QTest::newRow("largest") << u"999999999999999"_s << u"999,999,999,999,999"_s;
    QTest::newRow("whole in exponent form") << u"1.2345E4"_s << u"12,345"_s;
}

void TestWording::groupDigitsText()
{
    QFETCH(QString, text);
    QFETCH(QString, grouped);
    QCOMPARE(GroupDigitsText(text, u','), grouped);
    QCOMPARE(GroupDigits(TextToFloat(text), u'/'), QString(grouped).replace(u',', u'/'));
}

void TestWording::amountWords_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rials");
    QTest::addColumn<QString>("tomans");
    const QString rows[][3] = {
        {u""_s, u""_s, u""_s},
        {u"0"_s, u"× ریال×"_s, u"× ریال×"_s},
        {u"5"_s, u"×پنج  ریال×"_s, u"×پنج  ریال×"_s},
        {u"10"_s, u"×ده  ریال×"_s, u"×یک  تومان×"_s},
        {u"15"_s, u"×پانزده  ریال×"_s, u"×یک  تومان و پنج  ریال×"_s},
        {u"100"_s, u"×یکصد  ریال×"_s, u"×ده  تومان×"_s},
        {u"1,000"_s, u"×یک هزار ریال×"_s, u"×یکصد  تومان×"_s},
        {u"1,250"_s, u"×یک هزار و دویست و پنجاه  ریال×"_s, u"×یکصد و بیست و پنج  تومان×"_s},
        {u"12,500"_s, u"×دوازده هزار و پانصد  ریال×"_s, u"×یک هزار و دویست و پنجاه  تومان×"_s},
        {u"12,345"_s, u"×دوازده هزار و سیصد و چهل و پنج  ریال×"_s, u"×یک هزار و دویست و سی و چهار  تومان و پنج  ریال×"_s},
        {u"1,000,000"_s, u"×یک میلیون ریال×"_s, u"×یکصد هزار تومان×"_s},
        {u"2,000,020,000"_s, u"×دو میلیارد و بیست هزار ریال×"_s, u"×دویست میلیون و دو هزار تومان×"_s},
        // Read by value: leading zeros and missing separators change nothing.
        {u"0012500"_s, u"×دوازده هزار و پانصد  ریال×"_s, u"×یک هزار و دویست و پنجاه  تومان×"_s},
        {u"12500"_s, u"×دوازده هزار و پانصد  ریال×"_s, u"×یک هزار و دویست و پنجاه  تومان×"_s},
        {u"999,999,999,999,999"_s,
         u"×نهصد و نود و نه تریلیارد و نهصد و نود و نه میلیارد و نهصد و نود و نه میلیون و نهصد و نود و نه هزار و نهصد و نود و نه  ریال×"_s,
         u"×نود و نه تریلیارد و نهصد و نود و نه میلیارد و نهصد و نود و نه میلیون و نهصد و نود و نه هزار و نهصد و نود و نه  تومان و نه  ریال×"_s},
    };
    for (const auto &row : rows)
        QTest::newRow(qPrintable(row[0].isEmpty() ? u"empty"_s : row[0])) << row[0] << row[1] << row[2];
}

void TestWording::amountWords()
{
    QFETCH(QString, amount);
    QFETCH(QString, rials);
    QFETCH(QString, tomans);
    QCOMPARE(AmountToRialWords(amount), rials);
    QCOMPARE(AmountToTomanWords(amount), tomans);
}

void TestWording::amountsRefused_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("message");
    // A wrong amount in words would be worse than none: these are refused.
    QTest::newRow("negative") << u"-1,500"_s << kAmountRefused;
    QTest::newRow("fraction") << u"12.5"_s << kAmountRefused;
    QTest::newRow("negative fraction") << u"-0.5"_s << kAmountRefused;
    QTest::newRow("tiny fraction") << u"0.000001"_s << kAmountRefused;
    QTest::newRow("not a number") << u"12a"_s << u"convert:"_s;
    QTest::newRow("separator at the end") << u"1,"_s << u"convert:"_s;
    // Whole, but too long: said so, not that it is not whole.
    QTest::newRow("sixteen digits") << u"1,000,000,000,000,000"_s << u"مبلغ چک بیش از پانزده رقم است"_s;
    QTest::newRow("twenty digits") << u"12345678901234567890"_s << u"مبلغ چک بیش از پانزده رقم است"_s;
}

void TestWording::amountsRefused()
{
    QFETCH(QString, amount);
    QFETCH(QString, message);
    const auto check = [&](const QString &error) {
        if (message == u"convert:"_s)
            QVERIFY2(error.startsWith(message), qPrintable(error));
        else
            QCOMPARE(error, message);
    };
    check(failure([&] { AmountToRialWords(amount); }));
    check(failure([&] { AmountToTomanWords(amount); }));
    // GroupDigitsText takes plain text: leave the separators out for it.
    const QString plain = QString(amount).remove(u',');
    if (message != u"convert:"_s)
        check(failure([&] { GroupDigitsText(plain, u','); }));
}

void TestWording::dateToWords_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("error");
    const QString good[] = {
        u"1399/07/15"_s, u"1400/01/01"_s, u"1399/06/31"_s, u"1399/12/30"_s,
        u"1399/03/23"_s, u"1402/11/05"_s, u"2000/01/21"_s,
    };
    const QString words[] = {
        u"پانزدهم مهر یک هزار و سیصد و نود و نه "_s, u"یکم فروردین یک هزار و چهارصد "_s, u"سی و یکم شهریور یک هزار و سیصد و نود و نه "_s,
        u"سی ام اسفند یک هزار و سیصد و نود و نه "_s, u"بیست و سوم خرداد یک هزار و سیصد و نود و نه "_s, u"پنجم بهمن یک هزار و چهارصد و دو "_s,
        u"بیست و یکم فروردین دو هزار"_s,
    };
    for (int i = 0; i < 7; ++i)
        QTest::newRow(qPrintable(good[i])) << good[i] << words[i] << QString();
    QTest::newRow("year 0000") << u"0000/01/01"_s << u"یکم فروردین "_s << QString();

    QTest::newRow("31 in autumn") << u"1399/07/31"_s << QString() << kBadDay;
    QTest::newRow("day 0") << u"1399/01/00"_s << QString() << kBadDay;
    QTest::newRow("day before month") << u"1399/00/00"_s << QString() << kBadDay;
    QTest::newRow("month 0") << u"1399/00/10"_s << QString() << kBadMonth;
    QTest::newRow("month 13, day 31") << u"1399/13/31"_s << QString() << kBadMonth;
    QTest::newRow("short month") << u"1399/7/15"_s << QString() << kBadForm;
    QTest::newRow("dashes") << u"1399-07-15"_s << QString() << kBadForm;
    QTest::newRow("eleven characters") << u"1399/07/15 "_s << QString() << kBadForm;
    QTest::newRow("Persian digits") << persianDigits(u"1399/07/15"_s) << QString() << kBadForm;
    QTest::newRow("empty") << QString() << QString() << kBadForm;
}

void TestWording::dateToWords()
{
    QFETCH(QString, date);
    QFETCH(QString, words);
    QFETCH(QString, error);
    if (error.isEmpty())
        QCOMPARE(DateToWords(date), words);
    else
        QCOMPARE(failure([&] { DateToWords(date); }), error);
}

void TestWording::dateShapeOnly()
{
    QVERIFY(IsValidDateText(u"1399/13/00"_s));
    QVERIFY(!IsValidDateText(u"1399/1a/00"_s));
    QVERIFY(IsDigitChar(u'0') && IsDigitChar(u'9'));
    QVERIFY(!IsDigitChar(QChar(0x06F5)) && !IsDigitChar(QChar(0x0665)) && !IsDigitChar(u'/'));
}

void TestWording::dayOfMonthRules()
{
    QCOMPARE(DayToWords(31, 6), u"سی و یکم"_s);
    QCOMPARE(DayToWords(30, 12), u"سی ام"_s);
    QCOMPARE(failure([] { DayToWords(31, 12); }), kBadDay);
    QCOMPARE(failure([] { DayToWords(32, 1); }), kBadDay);
    // An out-of-range month is MonthName's to refuse, not DayToWords'.
    QCOMPARE(DayToWords(31, 13), u"سی و یکم"_s);
    QCOMPARE(failure([] { MonthName(13); }), kBadMonth);
    QCOMPARE(MonthName(12), u"اسفند"_s);
}

void TestWording::persianOrder_data()
{
    // Letters as code points; -1: a before b, 0: equal, 1: a after b.
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("beh, peh") << u"\u0628"_s << u"\u067E"_s << -1;
    QTest::newRow("peh before yeh") << u"\u067E"_s << u"\u06CC"_s << -1;
    QTest::newRow("jeem, cheh, heh") << u"\u062C"_s << u"\u0686"_s << -1;
    QTest::newRow("cheh before hah") << u"\u0686"_s << u"\u062D"_s << -1;
    QTest::newRow("zain, zheh, seen") << u"\u0698"_s << u"\u0633"_s << -1;
    QTest::newRow("keheh, gaf, lam") << u"\u06AF"_s << u"\u0644"_s << -1;
    QTest::newRow("kaf before gaf") << u"\u06A9"_s << u"\u06AF"_s << -1;
    QTest::newRow("alef madda before alef") << u"\u0622"_s << u"\u0627"_s << -1;
    QTest::newRow("Arabic kaf is kaf") << u"\u0643\u062A"_s << u"\u06A9\u062A"_s << 0;
    QTest::newRow("Arabic yeh is yeh") << u"\u0639\u0644\u064A"_s << u"\u0639\u0644\u06CC"_s << 0;
    QTest::newRow("marks and joiners do not count")
        << u"\u0645\u064E\u0640\u200C\u0646"_s << u"\u0645\u0646"_s << 0;
    QTest::newRow("shaped forms are their letters") << u"\uFEB3\uFEE0\uFE8E\uFEE1"_s << u"\u0633\u0644\u0627\u0645"_s << 0;
    QTest::newRow("shorter first") << u"\u0628"_s << u"\u0628\u0627"_s << -1;
    QTest::newRow("blank before letters") << u"\u0628 \u0627"_s << u"\u0628\u0627"_s << -1;
    QTest::newRow("digits of any script alike") << u"\u06F1\u06F2"_s << u"12"_s << 0;
    QTest::newRow("digits before letters") << u"9"_s << u"a"_s << -1;
    QTest::newRow("Latin before Persian") << u"z"_s << u"\u0622"_s << -1;
    QTest::newRow("Latin without case") << u"Ab"_s << u"aB"_s << 0;
    QTest::newRow("digits by digit, not by number") << u"100"_s << u"99"_s << -1;
    QTest::newRow("unknown letters last, by code point") << u"\u4E00"_s << u"\u4E01"_s << -1;
    QTest::newRow("after the alphabet") << u"\u06CC"_s << u"\u4E00"_s << -1;
    QTest::newRow("empty first") << QString() << u" "_s << -1;
}

void TestWording::persianOrder()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(PersianLess(a, b), order < 0);
    QCOMPARE(PersianLess(b, a), order > 0);
}

void TestWording::persianKeysOfManyTexts()
{
    // A key made from UTF-8 directly is the key of the text; a broken
    // sequence still gives a key.
    const QString text = u"\u0634\u0631\u06A9\u062A \u0627\u0644\u0628\u0631\u0632 12"_s;
    const QByteArray utf8 = text.toUtf8();
    std::string key;
    AppendPersianSortKey(std::string_view(utf8.constData(), size_t(utf8.size())), key);
    QVERIFY(key == PersianSortKey(text));
    std::string broken;
    AppendPersianSortKey(std::string_view("\xD8", 1), broken);
    QVERIFY(!broken.empty());
}

QTEST_APPLESS_MAIN(TestWording)
#include "tst_wording.moc"
