#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A result set read row by row, forward only, through the database's own
// client library rather than Qt SQL: Qt's ODBC driver reads FreeTDS text
// narrowly and cuts Persian letters apart, and Qt's SQLite driver makes a
// QVariant of every cell, which is too slow for a million cheques.
class ResultReader
{
public:
    enum class Kind { Skip, Integer, Real, Text, Blob };

    virtual ~ResultReader() = default;

    int columnCount() const { return int(m_columns.size()); }
    QString columnName(int column) const { return m_columns[std::size_t(column)].name; }
    // What the column holds, as the database declares it.
    Kind declaredKind(int column) const { return m_columns[std::size_t(column)].declared; }
    // How the column is read from now on: another kind converts, Skip reads
    // nothing. Set before the first row.
    void readAs(int column, Kind kind) { m_columns[std::size_t(column)].read = kind; }
    Kind readKind(int column) const { return m_columns[std::size_t(column)].read; }

    // Moves to the next row; false after the last. Throws DatabaseError.
    virtual bool next() = 0;

    // The current row's cells, valid until the next row; a skipped column
    // reads as NULL.
    virtual bool isNull(int column) const = 0;
    virtual qint64 integer(int column) const = 0;
    virtual double real(int column) const = 0;
    virtual std::string_view utf8(int column) const = 0;
    virtual QByteArray blob(int column) const = 0;

    // The cell as Qt SQL would give it: NULL invalid, numbers as numbers.
    QVariant value(int column) const;

protected:
    struct Column
    {
        QString name;
        Kind declared = Kind::Text;
        Kind read = Kind::Text;
    };
    void addColumn(const QString &name, Kind declared) { m_columns.push_back({name, declared, declared}); }

private:
    std::vector<Column> m_columns;
};

// A statement over a SQLite file, on a read-only connection of the reader's
// own. It sees only what is committed.
std::unique_ptr<ResultReader> ReadSqliteFile(const QString &file, const QString &statement);
