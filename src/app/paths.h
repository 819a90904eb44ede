#pragma once

#include <QChar>
#include <QDir>
#include <QString>

#include <optional>

class QComboBox;
class Query;

// The 1-based position of the last `c` in `text`, found from the end; 0 when
// it does not occur.
int LastCharPos(QChar c, const QString &text);

// The folder of a program file, ending in the separator ("" without one).
QString ExeDirOf(const QString &programPath, QChar separator = QDir::separator());
// The folder above, again ending in the separator; a root stays itself.
QString ParentDirOf(const QString &exeDir, QChar separator = QDir::separator());

// The running program's folder and the folder above it.
QString ExeDir();
QString ParentDir();

// The first line of a text file in the system's code page, up to its line
// break and unchanged otherwise; nullopt when there is no such file. Throws
// AppError when the file is there but cannot be read.
std::optional<QString> ReadFirstLine(const QString &path);

// The embedded database next to the program, used without Database.txt.
QString FallbackConnectionString(const QString &exeDir);

// Fills the combo box with one column of the statement's rows, in the order
// the database returns them, and selects the first item. Errors of the
// query are not caught here.
void FillComboFromQuery(Query &query, const QString &statement, int column, QComboBox *combo);
