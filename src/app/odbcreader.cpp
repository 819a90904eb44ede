#include "app/odbcreader.h"

#include "app/database.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <array>

using namespace Qt::Literals::StringLiterals;

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC's wide characters must be UTF-16");

namespace {

// Every diagnostic record of a handle, as "[state] message" lines.
QString Diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    QStringList lines;
    for (SQLSMALLINT record = 1;; ++record) {
        std::array<SQLWCHAR, 6> state{};
        std::array<SQLWCHAR, 1024> message{};
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecW(type, handle, record, state.data(), &native, message.data(),
                                            SQLSMALLINT(message.size()), &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        const auto *text = reinterpret_cast<const char16_t *>(message.data());
        lines << u'[' + QString::fromUtf16(reinterpret_cast<const char16_t *>(state.data()), 5) + u"] "_s
                + QString::fromUtf16(text, std::min<qsizetype>(length, qsizetype(message.size()) - 1));
    }
    return lines.isEmpty() ? u"ODBC call failed"_s : lines.join(u'\n');
}

ResultReader::Kind KindOfSqlType(SQLSMALLINT type)
{
    switch (type) {
    case SQL_BIT: case SQL_TINYINT: case SQL_SMALLINT: case SQL_INTEGER: case SQL_BIGINT:
        return ResultReader::Kind::Integer;
    case SQL_DECIMAL: case SQL_NUMERIC: case SQL_REAL: case SQL_FLOAT: case SQL_DOUBLE:
        return ResultReader::Kind::Real;
    case SQL_BINARY: case SQL_VARBINARY: case SQL_LONGVARBINARY:
        return ResultReader::Kind::Blob;
    default:
        return ResultReader::Kind::Text; // characters, dates, GUIDs: as the server writes them
    }
}

class OdbcReader final : public ResultReader
{
public:
    OdbcReader(SQLHDBC connection, const QString &statement)
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &m_statement)))
            throw DatabaseError(Diagnostics(SQL_HANDLE_DBC, connection));
        // A select that gets no answer ends, with the driver's error, rather
        // than hang the window; not every driver takes it.
        SQLSetStmtAttr(m_statement, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(30)), 0);
        try {
            execute(statement);
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, m_statement);
            throw;
        }
    }
    ~OdbcReader() override
    {
        SQLCloseCursor(m_statement);
        SQLFreeHandle(SQL_HANDLE_STMT, m_statement);
    }
    OdbcReader(const OdbcReader &) = delete;
    OdbcReader &operator=(const OdbcReader &) = delete;

    bool next() override
    {
        if (m_cells.empty())
            return false; // a statement without a result
        const SQLRETURN rc = SQLFetch(m_statement);
        if (rc == SQL_NO_DATA)
            return false;
        check(rc);
        // SQLGetData goes through the columns in order, once each.
        for (int column = 0; column < columnCount(); ++column)
            fetchCell(column);
        return true;
    }
    bool isNull(int column) const override { return m_cells[std::size_t(column)].null; }
    qint64 integer(int column) const override { return m_cells[std::size_t(column)].integer; }
    double real(int column) const override { return m_cells[std::size_t(column)].real; }
    std::string_view utf8(int column) const override
    {
        const QByteArray &text = m_cells[std::size_t(column)].bytes;
        return std::string_view(text.constData(), std::size_t(text.size()));
    }
    QByteArray blob(int column) const override { return m_cells[std::size_t(column)].bytes; }

private:
    struct Cell
    {
        bool null = true;
        qint64 integer = 0;
        double real = 0;
        QByteArray bytes; // UTF-8 text, or the blob
    };

    // Small enough that long texts come in several parts, as they do from
    // FreeTDS: the joining is then the ordinary road, not a rare one.
    static constexpr std::size_t PartUnits = 512;

    void check(SQLRETURN rc) const
    {
        if (!SQL_SUCCEEDED(rc))
            throw DatabaseError(Diagnostics(SQL_HANDLE_STMT, m_statement));
    }

    void execute(const QString &statement)
    {
        const SQLRETURN rc = SQLExecDirectW(
            m_statement, const_cast<SQLWCHAR *>(reinterpret_cast<const SQLWCHAR *>(statement.utf16())),
            SQLINTEGER(statement.size()));
        if (rc == SQL_NO_DATA)
            return;
        check(rc);
        SQLSMALLINT columns = 0;
        check(SQLNumResultCols(m_statement, &columns));
        // Row counts of earlier statements of a batch come first.
        while (columns == 0) {
            const SQLRETURN more = SQLMoreResults(m_statement);
            if (more == SQL_NO_DATA)
                return;
            check(more);
            check(SQLNumResultCols(m_statement, &columns));
        }
        for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(columns); ++i) {
            std::array<SQLWCHAR, 256> name{};
            SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
            SQLULEN size = 0;
            check(SQLDescribeColW(m_statement, i, name.data(), SQLSMALLINT(name.size()), &nameLength, &type,
                                  &size, &digits, &nullable));
            addColumn(QString::fromUtf16(reinterpret_cast<const char16_t *>(name.data()),
                                         std::min<qsizetype>(nameLength, qsizetype(name.size()) - 1)),
                      KindOfSqlType(type));
        }
        m_cells.resize(std::size_t(columns));
    }

    void fetchCell(int column)
    {
        Cell &cell = m_cells[std::size_t(column)];
        cell.null = true;
        cell.integer = 0;
        cell.real = 0;
        cell.bytes.resize(0); // keeps its room for the next row
        const auto number = SQLUSMALLINT(column + 1);
        SQLLEN indicator = 0;
        switch (readKind(column)) {
        case Kind::Skip:
            return;
        case Kind::Integer: {
            SQLBIGINT v = 0;
            check(SQLGetData(m_statement, number, SQL_C_SBIGINT, &v, 0, &indicator));
            cell.null = indicator == SQL_NULL_DATA;
            cell.integer = v;
            return;
        }
        case Kind::Real: {
            SQLDOUBLE v = 0;
            check(SQLGetData(m_statement, number, SQL_C_DOUBLE, &v, 0, &indicator));
            cell.null = indicator == SQL_NULL_DATA;
            cell.real = v;
            return;
        }
        case Kind::Text:
            fetchText(number, cell);
            return;
        case Kind::Blob:
            fetchBlob(number, cell);
            return;
        }
    }

    void fetchText(SQLUSMALLINT number, Cell &cell)
    {
        m_units.clear();
        std::array<SQLWCHAR, PartUnits> part{};
        constexpr auto partBytes = SQLLEN(sizeof part);
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(m_statement, number, SQL_C_WCHAR, part.data(), partBytes, &indicator);
            if (rc == SQL_NO_DATA)
                break; // every part has been read
            check(rc);
            if (indicator == SQL_NULL_DATA)
                return;
            const bool more = indicator == SQL_NO_TOTAL || indicator >= partBytes;
            std::size_t units = more ? PartUnits - 1 : std::size_t(indicator) / sizeof(SQLWCHAR);
            if (more) {
                // A driver may stop short of a letter it will not split.
                for (std::size_t i = 0; i < units; ++i) {
                    if (part[i] == 0) {
                        units = i;
                        break;
                    }
                }
            }
            m_units.append(reinterpret_cast<const char16_t *>(part.data()), units);
            if (!more)
                break;
        }
        cell.null = false;
        // Decoded once, whole: a pair of surrogates split between two parts
        // is joined again here.
        cell.bytes = QStringView(m_units.data(), qsizetype(m_units.size())).toUtf8();
    }

    void fetchBlob(SQLUSMALLINT number, Cell &cell)
    {
        std::array<char, 4096> part{};
        constexpr auto partBytes = SQLLEN(sizeof part);
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(m_statement, number, SQL_C_BINARY, part.data(), partBytes, &indicator);
            if (rc == SQL_NO_DATA)
                break;
            check(rc);
            if (indicator == SQL_NULL_DATA)
                return;
            const bool more = indicator == SQL_NO_TOTAL || indicator > partBytes;
            cell.bytes.append(part.data(), more ? partBytes : indicator);
            if (!more)
                break;
        }
        cell.null = false;
    }

    SQLHSTMT m_statement = SQL_NULL_HSTMT;
    std::vector<Cell> m_cells;
    std::u16string m_units;
};

} // namespace

std::unique_ptr<ResultReader> ReadOdbc(void *connectionHandle, const QString &statement)
{
    if (!connectionHandle)
        throw DatabaseError(u"The ODBC connection is not open"_s);
    return std::make_unique<OdbcReader>(static_cast<SQLHDBC>(connectionHandle), statement);
}
