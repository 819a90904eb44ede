// Writes a SQLite database with a `checkk` table of realistic, deterministic
// cheques, for the demo, the tests and the benchmarks.
//
//   chequeprint-sampledb [--force] FILE COUNT

#include "tools/sampledata.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    bool countOk = false;
    const int count = args.size() == 2 ? args[1].toInt(&countOk) : 0;
    if (args.size() != 2 || !countOk || count < 0) {
        std::fprintf(stderr, "usage: chequeprint-sampledb [--force] FILE COUNT\n");
        return 2;
    }
    const QString file = args[0];
    if (QFileInfo::exists(file) && !force) {
        std::fprintf(stderr, "%s exists; --force replaces it\n", qPrintable(file));
        return 1;
    }
    try {
        WriteSampleDatabase(file, count);
    } catch (const AppError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("%s: %d cheques\n", qPrintable(file), count);
    return 0;
}
