#pragma once

#include "app/database.h"

#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <string>
#include <vector>

// The main window's list of cheques: every row of its statement fetched at
// once and kept on the client, to be shown, sorted and picked from.
//
// Only the columns asked for are kept (what the grid shows and the print
// needs), numbers as numbers and texts in one UTF-8 block per column, so that
// a million cheques take little memory and little time. Rows come through the
// connection's own reader, never through Qt SQL: Qt's SQLite driver makes a
// QVariant of every cell, which alone takes longer than the whole list may,
// and its ODBC driver loses Persian letters.
class ChequeList
{
public:
    explicit ChequeList(Connection &connection) : m_connection(&connection) {}

    Connection &connection() const { return *m_connection; }

    // The columns to keep, by name, without case; the others are read past.
    // Those named in `numbers` are kept as numbers whatever type the driver
    // reports (an ODBC driver may hand a decimal over as text).
    void setKeptFields(const QStringList &fields, const QStringList &numbers = {})
    {
        m_kept = fields;
        m_numbers = numbers;
    }
    QStringList keptFields() const { return m_kept; }
    // Columns the result must have, kept or not: without one the list does
    // not open.
    void setRequiredFields(const QStringList &fields) { m_required = fields; }
    QStringList numberFields() const { return m_numbers; }

    void close();
    void clear() { m_lines.clear(); }
    void add(const QString &line) { m_lines.append(line); }
    void setText(const QStringList &lines) { m_lines = lines; }
    QString text() const { return m_lines.join(u"\r\n"); }

    // Sends the statement and fetches every row; throws DatabaseError.
    void open();
    bool isOpen() const { return m_open; }

    // Throws when closed, as asking a closed list does.
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recNo() const { return m_current; } // 0-based; -1 without rows
    void setRecNo(int row);

    // The kept columns the statement returned, in the result's order.
    QStringList fieldNames() const;
    int fieldIndex(const QString &name) const; // -1 when not kept or absent
    // The value in display order; NULL as an invalid QVariant.
    QVariant valueAt(int row, int field) const;
    QVariant value(const QString &field) const; // of the current row
    qint64 asInteger(const QString &field) const; // NULL reads as 0

    // Stable and ascending on the fetched rows: NULL first, numbers as
    // numbers, texts in Persian alphabetical order. The first row becomes
    // current.
    void sort(const QString &field);

private:
    struct Column
    {
        enum Kind { Integer, Real, Text };
        QString name;
        Kind kind = Text;
        std::vector<qint64> integers;
        std::vector<double> reals;
        std::string text; // every row's text, one after the other
        std::vector<std::uint32_t> ends; // where each row's text ends
        std::vector<bool> nulls;

        bool isNull(std::size_t row) const { return nulls[row]; }
        std::string_view textOf(std::size_t row) const;
        void appendNull();
        void appendInteger(qint64 v);
        void appendReal(double v);
        void appendText(const char *utf8, std::size_t size);
        void reserve(std::size_t rows);
    };

    void requireOpen() const;
    int requireField(const QString &name) const;
    void fetch(ResultReader &reader);
    void sortByNumber(const Column &column);
    void sortByText(const Column &column);

    Connection *m_connection;
    QStringList m_kept;
    QStringList m_numbers;
    QStringList m_required;
    QStringList m_lines;
    bool m_open = false;
    std::vector<Column> m_columns;
    std::size_t m_rows = 0;
    std::vector<std::uint32_t> m_order; // display row -> fetched row
    int m_current = -1;
};
