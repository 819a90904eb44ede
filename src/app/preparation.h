#pragma once

#include "app/database.h"

#include <QString>
#include <QStringList>

// One item of a built-in template, as it is seeded.
struct SeedItem
{
    QString name;
    int left;
    int right;
    int top;
    int bidiMode;
    QString caption;
};

struct BuiltInTemplate
{
    QString title;
    QString pictureFile; // empty for the blank template
    QList<SeedItem> items;
};

// The blank template and the three bank templates, in the order inserted.
const QList<BuiltInTemplate> &BuiltInTemplates();

// Every statement of the preparation, built for the dialect it goes to.
QString CatalogStatement(const Dialect &dialect);
QStringList InsertBlankTemplateStatement(const Dialect &dialect);
QStringList InsertBankTemplateStatement(const Dialect &dialect, const QString &title,
                                        const QString &picturePath, int showOrder);
QString ChequeIdByTitleStatement(const Dialect &dialect, const QString &title);
QStringList InsertSeedItemStatement(const Dialect &dialect, qint64 chequeId, const SeedItem &item);

enum class PrepareOutcome {
    Done, // as much was done as could be; any failure ends it silently
    ForeignDatabase, // no table named exactly "checkk": the program must end
};

// Checks that the database is the accounting package's, then creates and
// seeds the template tables that are missing. All statements go through `q`.
// The message for a foreign database is the caller's to show.
PrepareOutcome PrepareDatabase(Query &q, const QString &exeDir);

// Writes the built-in cheque pictures into `exeDir`, never over a file that
// is already there. Throws AppError when one cannot be written.
void ExtractBankImages(const QString &exeDir);
