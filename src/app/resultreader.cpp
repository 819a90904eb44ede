#include "app/resultreader.h"

#include "app/database.h"

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

QVariant ResultReader::value(int column) const
{
    if (isNull(column))
        return {};
    switch (readKind(column)) {
    case Kind::Skip:
        return {};
    case Kind::Integer:
        return QVariant(integer(column));
    case Kind::Real:
        return QVariant(real(column));
    case Kind::Blob:
        return QVariant(blob(column));
    case Kind::Text:
        break;
    }
    const std::string_view text = utf8(column);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

namespace {

ResultReader::Kind KindOfDeclaredType(const char *declared)
{
    const QByteArray type = QByteArray(declared).toUpper();
    if (type.contains("INT") || type == "BIT")
        return ResultReader::Kind::Integer;
    for (const char *number : {"DEC", "NUM", "REAL", "FLOA", "DOUB", "MONEY"}) {
        if (type.contains(number))
            return ResultReader::Kind::Real;
    }
    if (type.contains("BLOB") || type.contains("BINARY"))
        return ResultReader::Kind::Blob;
    return ResultReader::Kind::Text;
}

class SqliteFileReader final : public ResultReader
{
public:
    SqliteFileReader(const QString &file, const QString &statement)
    {
        const int opened = sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr);
        if (opened != SQLITE_OK)
            fail(m_db ? QString() : u"Cannot open "_s + file);
        sqlite3_busy_timeout(m_db, 3000);
        const QByteArray sql = statement.toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK)
            fail();
        const int count = sqlite3_column_count(m_statement);
        for (int i = 0; i < count; ++i) {
            addColumn(QString::fromUtf8(sqlite3_column_name(m_statement, i)),
                      KindOfDeclaredType(sqlite3_column_decltype(m_statement, i)));
        }
    }
    ~SqliteFileReader() override { release(); }
    SqliteFileReader(const SqliteFileReader &) = delete;
    SqliteFileReader &operator=(const SqliteFileReader &) = delete;

    bool next() override
    {
        const int step = sqlite3_step(m_statement);
        if (step == SQLITE_ROW)
            return true;
        if (step != SQLITE_DONE)
            throw DatabaseError(error_());
        return false;
    }
    bool isNull(int column) const override
    {
        return readKind(column) == Kind::Skip || sqlite3_column_type(m_statement, column) == SQLITE_NULL;
    }
    qint64 integer(int column) const override { return sqlite3_column_int64(m_statement, column); }
    double real(int column) const override { return sqlite3_column_double(m_statement, column); }
    std::string_view utf8(int column) const override
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return text ? std::string_view(text, std::size_t(sqlite3_column_bytes(m_statement, column)))
                    : std::string_view();
    }
    QByteArray blob(int column) const override
    {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QByteArray(data, sqlite3_column_bytes(m_statement, column));
    }

private:
    QString error_() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }
    void release()
    {
        sqlite3_finalize(m_statement);
        sqlite3_close_v2(m_db);
        m_statement = nullptr;
        m_db = nullptr;
    }
    // A constructor that throws runs no destructor: let go first.
    [[noreturn]] void fail(const QString &why = {})
    {
        const QString error = why.isEmpty() ? error_() : why;
        release();
        throw DatabaseError(error);
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace

std::unique_ptr<ResultReader> ReadSqliteFile(const QString &file, const QString &statement)
{
    return std::make_unique<SqliteFileReader>(file, statement);
}
