#pragma once

#include "app/apperror.h"

#include <QString>

// Replaces `file` with a SQLite database holding a `checkk` table of `count`
// cheques: the same cheques for the same count, every time. Among the first
// rows are a few awkward ones (a date of another shape, a NULL description,
// a quote in a name, an amount with a fraction). Throws AppError.
void WriteSampleDatabase(const QString &file, int count);

// The statement that creates the accounting package's cheque table in SQLite.
QString CreateCheckkTableStatement();
