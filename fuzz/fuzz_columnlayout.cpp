// Columns.dbg, whatever it holds: a layout is either refused, leaving the
// columns as they were, or taken whole, with widths a grid can show, and
// written back it reads the same again.

#include "browse/columnlayout.h"

#include "fuzzsupport.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The title fonts are QFonts, which want the application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<GridColumn> defaults = DefaultGridColumns();
    QList<GridColumn> columns = defaults;
    if (!ParseGridColumns(bytes, columns)) {
        FUZZ_CHECK(columns == defaults, QString::fromUtf8(bytes));
        return 0;
    }
    FUZZ_CHECK(!columns.isEmpty(), QString::fromUtf8(bytes));
    for (const GridColumn &column : std::as_const(columns)) {
        FUZZ_CHECK(!column.field.isEmpty(), QString::fromUtf8(bytes));
        FUZZ_CHECK(column.width >= 0 && column.width <= 4000, QString::number(column.width));
        FUZZ_CHECK(!column.visible || column.width >= 4, QString::number(column.width));
    }
    QList<GridColumn> again;
    FUZZ_CHECK(ParseGridColumns(GridColumnsText(columns), again), QString::fromUtf8(GridColumnsText(columns)));
    FUZZ_CHECK(again == columns, QString::fromUtf8(GridColumnsText(columns)));
    return 0;
}
