#include "browse/chequelist.h"

#include "wording/persianorder.h"

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
    // Opens the connection again when it was closed, as every query does.
    const std::unique_ptr<ResultReader> reader = m_connection->read(text());
    QStringList names;
    for (int i = 0; i < reader->columnCount(); ++i)
        names << reader->columnName(i);
    for (const QString &required : m_required) {
        if (!names.contains(required, Qt::CaseInsensitive))
            throw DatabaseError(u"Field not found: "_s + required);
    }
    fetch(*reader);
    m_order.resize(m_rows);
    std::iota(m_order.begin(), m_order.end(), std::uint32_t(0));
    m_open = true;
    m_current = m_rows == 0 ? -1 : 0;
}

void ChequeList::fetch(ResultReader &reader)
{
    using Kind = ResultReader::Kind;
    // Which result columns are kept, and as what; the others are not read.
    std::vector<int> source;
    for (int i = 0; i < reader.columnCount(); ++i) {
        const QString name = reader.columnName(i);
        if (!m_kept.contains(name, Qt::CaseInsensitive)) {
            reader.readAs(i, Kind::Skip);
            continue;
        }
        Column column;
        column.name = name;
        switch (reader.declaredKind(i)) {
        case Kind::Integer:
            column.kind = Column::Integer;
            break;
        case Kind::Real:
            column.kind = Column::Real;
            break;
        default:
            column.kind = m_numbers.contains(name, Qt::CaseInsensitive) ? Column::Real : Column::Text;
        }
        reader.readAs(i, column.kind == Column::Integer ? Kind::Integer
                         : column.kind == Column::Real  ? Kind::Real
                                                        : Kind::Text);
        m_columns.push_back(std::move(column));
        source.push_back(i);
    }

    while (reader.next()) {
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            Column &column = m_columns[c];
            const int i = source[c];
            if (reader.isNull(i)) {
                column.appendNull();
            } else if (column.kind == Column::Integer) {
                column.appendInteger(reader.integer(i));
            } else if (column.kind == Column::Real) {
                column.appendReal(reader.real(i));
            } else {
                const std::string_view text = reader.utf8(i);
                column.appendText(text.data(), text.size());
            }
        }
        ++m_rows;
    }
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
            prefix = (prefix << 8) | (std::min<std::uint32_t>(size, 7) + 1);
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
