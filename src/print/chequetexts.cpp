#include "print/chequetexts.h"

#include "app/apperror.h"
#include "templates/frm_chequedesign.h"
#include "wording/amounts.h"
#include "wording/conversions.h"
#include "wording/dates.h"

#include <QRegularExpression>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kRefused = u"چاپ نمی شود — "_s;

QString refusal(const QString &field, const QString &value, const QString &why)
{
    return kRefused + field + (value.isEmpty() ? QString() : u" «"_s + value + u'»') + u": "_s + why;
}

} // namespace

QString ReadableChequeDate(const QString &stored)
{
    // ASCII digits only, as in date text: other digits are not read.
    static const QRegularExpression shape(u"^([0-9]{4})/([0-9]{1,2})/([0-9]{1,2})$"_s);
    const QRegularExpressionMatch match = shape.match(stored);
    if (!match.hasMatch())
        return stored;
    return match.captured(1) + u'/' + match.captured(2).rightJustified(2, u'0') + u'/'
        + match.captured(3).rightJustified(2, u'0');
}

ChequeTexts MakeChequeTexts(const QVariant &tarikh, const QVariant &mablaghch, const QVariant &sharh)
{
    ChequeTexts texts;
    texts.digitDate = tarikh.toString();
    texts.payee = sharh.toString();

    const QString date = ReadableChequeDate(texts.digitDate);
    try {
        texts.alphaDate = DateToWords(date); // says which part is wrong
    } catch (const AppError &e) {
        texts.refusal = refusal(u"تاریخ"_s, texts.digitDate, e.message());
    }

    // A stored amount that is no number is refused like a fraction, never
    // printed as 0.
    bool isNumber = true;
    const double amount = mablaghch.isNull() ? 0.0 : mablaghch.toDouble(&isNumber);
    const QString shown = isNumber ? FloatToText(amount) : mablaghch.toString();
    QString amountRefusal;
    if (!isNumber || !std::isfinite(amount)) {
        amountRefusal = u"مبلغ چک باید عددی صحیح و نامنفی باشد"_s;
    } else {
        try {
            texts.groupedAmount = GroupDigitsText(shown, u',');
            texts.digitAmount = DigitAmountCaption(texts.groupedAmount);
            texts.rialWords = AmountToRialWords(texts.groupedAmount);
            texts.tomanWords = AmountToTomanWords(texts.groupedAmount);
        } catch (const AppError &e) {
            texts.groupedAmount.clear();
            texts.digitAmount.clear();
            texts.rialWords.clear();
            texts.tomanWords.clear();
            amountRefusal = e.message();
        }
    }
    if (!amountRefusal.isEmpty() && texts.refusal.isEmpty())
        texts.refusal = refusal(u"مبلغ"_s, shown, amountRefusal);
    return texts;
}
