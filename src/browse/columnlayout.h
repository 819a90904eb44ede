#pragma once

#include <QFont>
#include <QList>
#include <QString>

// One column of the cheque grid, in display order.
struct GridColumn
{
    QString field; // a column of checkk, or the computed "Amount"
    QString title;
    QFont titleFont;
    int width = 64;
    bool visible = true;

    bool operator==(const GridColumn &other) const
    {
        return field == other.field && title == other.title && titleFont == other.titleFont
            && width == other.width && visible == other.visible;
    }
};

// The seven columns as designed.
QList<GridColumn> DefaultGridColumns();

// Reads a layout written by SaveGridColumns. Returns false, leaving `columns`
// alone, unless the whole file was read and understood.
bool LoadGridColumns(const QString &path, QList<GridColumn> &columns);
// The same from the file's bytes.
bool ParseGridColumns(const QByteArray &bytes, QList<GridColumn> &columns);
// What SaveGridColumns writes.
QByteArray GridColumnsText(const QList<GridColumn> &columns);
// Replaces any earlier file. Throws AppError with the reason on failure.
void SaveGridColumns(const QString &path, const QList<GridColumn> &columns);

// The layout file is Columns.dbg in the program's folder. Where that cannot
// be written (an installed copy the user may not write to), the layout goes
// to the user's own settings folder instead, and is read from there while it
// is the newer of the two.
QString UserColumnLayoutFile();
bool LoadColumnLayout(const QString &exeDir, QList<GridColumn> &columns);
// Throws AppError, with the reasons for both places, when neither can be
// written.
void SaveColumnLayout(const QString &exeDir, const QList<GridColumn> &columns);
