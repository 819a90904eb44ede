#include "browse/chequelist.h"

#include "wording/persianorder.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

// --- a column ---------------------------------------------------------------

std::string_view ChequeList::Column::textOf(std::size_t row) const
{
    const std::uint32_t begin = row == 0 ? 0 : ends[row - 1];
    return std::string_view(text.data() + begin, ends[row] - begin);
}

void ChequeList::Column::appendNull()
{
    nulls.push_back(true);
    if (kind == Integer)
        integers.push_back(0);
    else if (kind == Real)
        reals.push_back(0);
    else
        ends.push_back(std::uint32_t(text.size()));
}

void ChequeList::Column::appendInteger(qint64 v)
{
    nulls.push_back(false);
    integers.push_back(v);
}

void ChequeList::Column::appendReal(double v)
{
    nulls.push_back(false);
    reals.push_back(v);
}

void ChequeList::Column::appendText(const char *utf8, std::size_t size)
{
    nulls.push_back(false);
    text.append(utf8, size);
    ends.push_back(std::uint32_t(text.size()));
}

void ChequeList::Column::reserve(std::size_t rows)
{
    nulls.reserve(rows);
    if (kind == Integer)
        integers.reserve(rows);
    else if (kind == Real)
        reals.reserve(rows);
    else
        ends.reserve(rows);
}

// --- opening ----------------------------------------------------------------

void ChequeList::close()
{
    m_open = false;
    m_columns.clear();
    m_rows = 0;
    m_order.clear();
    m_order.shrink_to_fit();
    m_current = -1;
}

void ChequeList::open()
{
    close();
    const QString statement = text();
    // Opens the connection again when it was closed, as every query does.
    QSqlDatabase &db = m_connection->database();
    m_connection->logStatement(statement);
    const QString file = m_connection->sqliteFile();
    if (!file.isEmpty()) {
        fetchFromSqlite(file, statement);
    } else {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!query.exec(statement))
            throw DatabaseError(query.lastError().text());
        fetchFromQuery(query);
    }
    m_order.resize(m_rows);
    std::iota(m_order.begin(), m_order.end(), std::uint32_t(0));
    m_open = true;
    m_current = m_rows == 0 ? -1 : 0;
}

namespace {

struct SqliteCloser
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct StatementFinalizer
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};

QString sqliteError(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace

void ChequeList::fetchFromSqlite(const QString &file, const QString &statement)
{
    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(file.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, SqliteCloser> db(raw);
    if (opened != SQLITE_OK)
        throw DatabaseError(raw ? sqliteError(raw) : u"Cannot open "_s + file);
    sqlite3_busy_timeout(raw, 5000);

    sqlite3_stmt *rawStatement = nullptr;
    const QByteArray sql = statement.toUtf8();
    if (sqlite3_prepare_v2(raw, sql.constData(), int(sql.size()), &rawStatement, nullptr) != SQLITE_OK)
        throw DatabaseError(sqliteError(raw));
    const std::unique_ptr<sqlite3_stmt, StatementFinalizer> query(rawStatement);

    // Which result columns are kept, and as what.
    std::vector<int> source;
    const int count = sqlite3_column_count(rawStatement);
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(rawStatement, i));
        if (!m_kept.contains(name, Qt::CaseInsensitive))
            continue;
        Column column;
        column.name = name;
        const QByteArray declared = QByteArray(sqlite3_column_decltype(rawStatement, i)).toUpper();
        if (declared.contains("INT"))
            column.kind = Column::Integer;
        else if (declared.contains("DEC") || declared.contains("NUM") || declared.contains("REAL")
                 || declared.contains("FLOA") || declared.contains("DOUB") || declared.contains("MONEY"))
            column.kind = Column::Real;
        if (column.kind == Column::Text && m_numbers.contains(name, Qt::CaseInsensitive))
            column.kind = Column::Real;
        m_columns.push_back(std::move(column));
        source.push_back(i);
    }

    int step;
    while ((step = sqlite3_step(rawStatement)) == SQLITE_ROW) {
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            Column &column = m_columns[c];
            const int i = source[c];
            if (sqlite3_column_type(rawStatement, i) == SQLITE_NULL) {
                column.appendNull();
            } else if (column.kind == Column::Integer) {
                column.appendInteger(sqlite3_column_int64(rawStatement, i));
            } else if (column.kind == Column::Real) {
                column.appendReal(sqlite3_column_double(rawStatement, i));
            } else {
                const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(rawStatement, i));
                column.appendText(text, std::size_t(sqlite3_column_bytes(rawStatement, i)));
            }
        }
        ++m_rows;
    }
    if (step != SQLITE_DONE)
        throw DatabaseError(sqliteError(raw));
}

void ChequeList::fetchFromQuery(QSqlQuery &query)
{
    std::vector<int> source;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        if (!m_kept.contains(record.fieldName(i), Qt::CaseInsensitive))
            continue;
        Column column;
        column.name = record.fieldName(i);
        switch (record.field(i).metaType().id()) {
        case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
        case QMetaType::Short: case QMetaType::UShort: case QMetaType::Bool:
            column.kind = Column::Integer;
            break;
        case QMetaType::Double: case QMetaType::Float:
            column.kind = Column::Real;
            break;
        default:
            column.kind = m_numbers.contains(column.name, Qt::CaseInsensitive) ? Column::Real : Column::Text;
        }
        m_columns.push_back(std::move(column));
        source.push_back(i);
    }
    while (query.next()) {
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            Column &column = m_columns[c];
            const QVariant v = query.value(source[c]);
            if (v.isNull()) {
                column.appendNull();
            } else if (column.kind == Column::Integer) {
                column.appendInteger(v.toLongLong());
            } else if (column.kind == Column::Real) {
                column.appendReal(v.toDouble());
            } else {
                const QByteArray utf8 = v.toString().toUtf8();
                column.appendText(utf8.constData(), std::size_t(utf8.size()));
            }
        }
        ++m_rows;
    }
    if (query.lastError().isValid())
        throw DatabaseError(query.lastError().text());
}

// --- reading ----------------------------------------------------------------

void ChequeList::requireOpen() const
{
    if (!m_open)
        throw DatabaseError(u"Operation not allowed on a closed dataset"_s);
}

int ChequeList::recordCount() const
{
    requireOpen();
    return int(m_rows);
}

void ChequeList::setRecNo(int row)
{
    requireOpen();
    if (row < 0 || row >= int(m_rows))
        throw DatabaseError(u"Row out of range: "_s + QString::number(row));
    m_current = row;
}

QStringList ChequeList::fieldNames() const
{
    QStringList names;
    for (const Column &column : m_columns)
        names << column.name;
    return names;
}

int ChequeList::fieldIndex(const QString &name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int ChequeList::requireField(const QString &name) const
{
    requireOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw DatabaseError(u"Field not found: "_s + name);
    return index;
}

QVariant ChequeList::valueAt(int row, int field) const
{
    const Column &column = m_columns[std::size_t(field)];
    const std::size_t stored = m_order[std::size_t(row)];
    if (column.isNull(stored))
        return {};
    switch (column.kind) {
    case Column::Integer:
        return QVariant(column.integers[stored]);
    case Column::Real:
        return QVariant(column.reals[stored]);
    case Column::Text:
        break;
    }
    const std::string_view text = column.textOf(stored);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QVariant ChequeList::value(const QString &field) const
{
    const int index = requireField(field);
    if (m_current < 0)
        throw DatabaseError(u"No current row"_s);
    return valueAt(m_current, index);
}

qint64 ChequeList::asInteger(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? 0 : v.toLongLong();
}

// --- sorting ----------------------------------------------------------------

void ChequeList::sort(const QString &field)
{
    const Column &column = m_columns[std::size_t(requireField(field))];
    if (column.kind == Column::Text)
        sortByText(column);
    else
        sortByNumber(column);
    m_current = m_rows == 0 ? -1 : 0;
}

void ChequeList::sortByNumber(const Column &column)
{
    // Keys next to their rows, so that the sort walks memory in order.
    struct Keyed
    {
        double key;
        std::uint32_t row;
    };
    std::vector<Keyed> keyed(m_rows);
    const double nullKey = -std::numeric_limits<double>::infinity(); // NULL first
    for (std::size_t i = 0; i < m_rows; ++i) {
        const std::uint32_t row = m_order[i];
        const double key = column.isNull(row) ? nullKey
            : column.kind == Column::Integer ? double(column.integers[row])
                                             : column.reals[row];
        keyed[i] = {key, row};
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    for (std::size_t i = 0; i < m_rows; ++i)
        m_order[i] = keyed[i].row;
}

void ChequeList::sortByText(const Column &column)
{
    // Every row's key once, then plain byte comparisons; the first eight
    // bytes travel with the row and settle most comparisons on their own.
    std::string keys;
    keys.reserve(column.text.size() * 2);
    std::vector<std::uint32_t> keyEnds(m_rows);
    for (std::size_t row = 0; row < m_rows; ++row) {
        if (!column.isNull(row))
            AppendPersianSortKey(column.textOf(row), keys);
        keyEnds[row] = std::uint32_t(keys.size());
    }
    struct Keyed
    {
        std::uint64_t prefix; // NULL below every text, the empty text included
        std::uint32_t row;
    };
    std::vector<Keyed> keyed(m_rows);
    for (std::size_t i = 0; i < m_rows; ++i) {
        const std::uint32_t row = m_order[i];
        std::uint64_t prefix = 0;
        if (!column.isNull(row)) {
            const std::uint32_t begin = row == 0 ? 0 : keyEnds[row - 1];
            const std::uint32_t size = keyEnds[row] - begin;
            for (std::uint32_t b = 0; b < 7; ++b)
                prefix = (prefix << 8) | (b < size ? std::uint8_t(keys[begin + b]) : 0);
            // The last byte: the length so far, so "a" stays before "a\0...".
            prefix = (prefix << 8) | std::min<std::uint32_t>(size, 7) + 1;
        }
        keyed[i] = {prefix, row};
    }
    const auto rest = [&](std::uint32_t row) {
        const std::uint32_t begin = row == 0 ? 0 : keyEnds[row - 1];
        const std::uint32_t size = keyEnds[row] - begin;
        return size <= 7 ? std::string_view() : std::string_view(keys.data() + begin + 7, size - 7);
    };
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed &a, const Keyed &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (a.prefix == 0 || (a.prefix & 0xFF) <= 7)
            return false; // NULLs, or keys shorter than the prefix: equal
        return rest(a.row) < rest(b.row);
    });
    for (std::size_t i = 0; i < m_rows; ++i)
        m_order[i] = keyed[i].row;
}
