#include "browse/search.h"

#include "wording/amounts.h"

using namespace Qt::Literals::StringLiterals;

QString RelationOperator(int index)
{
    switch (index) {
    case 1: return u">="_s;
    case 2: return u"<="_s;
    default: return u"="_s;
    }
}

QString SearchCondition(const Dialect &dialect, const ChequeSearch &search)
{
    QString condition;
    QString joiner;
    const auto append = [&](const QString &clause) {
        condition += joiner + clause;
        joiner = u" and "_s;
    };
    const auto like = [&](const QString &column, const std::optional<QString> &text) {
        if (text)
            append(u"["_s + column + u"] like "_s + dialect.text(u"%"_s + *text + u"%"_s));
    };
    like(u"shoomarehch"_s, search.number);
    like(u"bank"_s, search.bank);
    like(u"shhesab"_s, search.account);
    like(u"sharh"_s, search.description);
    like(u"esmcode"_s, search.person);
    if (search.status)
        append(u"[status] = "_s + dialect.text(*search.status));
    if (search.amount)
        append(u"[mablaghch]"_s + RelationOperator(search.amount->first)
               + StripGroupSeparators(search.amount->second, u','));
    return condition;
}

QStringList SearchStatement(const QString &condition)
{
    QStringList lines{u"Select * from [checkk]"_s};
    if (!condition.isEmpty())
        lines << u"Where "_s + condition;
    return lines;
}
