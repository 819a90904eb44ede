#pragma once

#include <QList>
#include <QString>

#include <functional>

class Query;

// Several cheques printed with one template, one page each, in the order
// given, as one job on the printer chosen on this machine. Cheques that
// cannot be printed, or were printed before, are listed to the user first;
// those printed before go again only when the user agrees. Every page handed
// over is registered as one print.
struct BatchResult
{
    QList<qint64> printed; // in the order printed
    bool cancelled = false;
    QString destination;
};

// `beforePage(done, total, chequeNumber)` runs before each page; false stops
// the batch there, the pages before it still printed.
using BatchProgress = std::function<bool(int done, int total, const QString &chequeNumber)>;

BatchResult PrintChequeBatch(qint64 chequeId, const QString &title, const QList<qint64> &codes, Query &q,
                             const BatchProgress &beforePage);
