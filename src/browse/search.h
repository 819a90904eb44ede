#pragma once

#include "app/database.h"

#include <QString>
#include <QStringList>

#include <optional>

// The ticked filters of a search and their texts, taken as typed.
struct ChequeSearch
{
    std::optional<QString> number;
    std::optional<QString> bank;
    std::optional<QString> account;
    std::optional<QString> description;
    std::optional<QString> person;
    std::optional<QString> status;
    // The relation's item index and the amount as shown, in groups of three.
    std::optional<std::pair<int, QString>> amount;
};

// "=", ">=" or "<=" for the relation's item index; "=" for any other.
QString RelationOperator(int index);

// The condition of a search: the ticked filters' clauses in their fixed
// order, joined with " and "; empty when none is ticked. Texts go in as
// quoted literals, patterns kept. Throws AppError when the amount filter
// holds no number, before anything is sent.
QString SearchCondition(const Dialect &dialect, const ChequeSearch &search);

// "Select * from [checkk]", and "Where " with the condition when there is one.
QStringList SearchStatement(const QString &condition);
