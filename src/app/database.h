#pragma once

#include "app/apperror.h"
#include "app/resultreader.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <vector>

// A statement the database refused, or a connection that could not be made.
class DatabaseError : public AppError
{
public:
    using AppError::AppError;
};

// The few things SQL Server and SQLite spell differently. Every statement is
// built once, for the database it goes to; no text is rewritten after that.
class Dialect
{
public:
    enum Kind { SqlServer, Sqlite };

    explicit Dialect(Kind kind = SqlServer) : m_kind(kind) {}
    Kind kind() const { return m_kind; }

    // A text value: N'...' for SQL Server, '...' for SQLite, inner quotes doubled.
    QString text(const QString &value) const;
    // Lists the tables of the database in a column `name`.
    QString catalogQuery() const;
    QStringList createChequeTable() const;
    QStringList createChequeItemsTable() const;
    // The register of printed cheques.
    QStringList createPrintLogTable() const;
    // Begins a transaction that takes the write lock at once, waiting a
    // bounded time for it; empty where an ordinary transaction does.
    QString beginWriteStatement() const;
    // Run first in such a transaction, where the database has no such lock:
    // one lock that writers of this program take in turn; empty elsewhere.
    QString writeLockStatement() const;

private:
    Kind m_kind;
};

// The value in single quotes, every inner single quote doubled.
QString Quoted(const QString &value);

// How a connection string reaches a database through Qt SQL.
struct ConnectionTarget
{
    enum Kind { Unsupported, Odbc, SqliteFile };

    Kind kind = Unsupported;
    QString databaseName; // the ODBC connection string, or the SQLite file
    Dialect dialect;
};

// Turns the first line of Database.txt into a target: an OLE DB string for
// SQL Server (turned into ODBC for the platform's SQL Server driver), an ODBC
// string (used as it is), or "Provider=SQLite;Data Source=PATH".
ConnectionTarget ResolveConnectionString(const QString &connectionString);

// The ODBC driver that serves SQL Server on this platform.
QString DefaultSqlServerDriver();

// The one database connection of the program.
class Connection
{
public:
    using StatementLog = std::function<void(const QString &)>;

    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    void setConnectionString(const QString &connectionString);
    QString connectionString() const { return m_connectionString; }

    // Throws DatabaseError when the database cannot be reached.
    void open();
    void close();
    bool isOpen() const;

    void beginTrans();
    // A transaction that writes what it first reads: no other program may
    // write between its look-up and its writes.
    void beginWriteTrans();
    void commitTrans();
    void rollbackTrans();

    Dialect dialect() const { return m_target.dialect; }
    // The database file when the connection goes to a SQLite file, else empty.
    QString sqliteFile() const
    {
        return m_target.kind == ConnectionTarget::SqliteFile ? m_target.databaseName : QString();
    }

    bool isOdbc() const { return m_target.kind == ConnectionTarget::Odbc; }

    // Receives every statement, in order, exactly as it is sent.
    void setStatementLog(StatementLog log) { m_log = std::move(log); }

    // Opens the connection again when it is closed, logs the statement and
    // sends it to a reader of our own: ODBC on this very connection (so it
    // sees its transaction), a SQLite file on a read-only connection of the
    // reader's own.
    std::unique_ptr<ResultReader> read(const QString &statement);

    // Opens the connection again when it is closed, then sends the text.
    QSqlDatabase &database();
    void logStatement(const QString &text) const;

private:
    QString m_connectionString;
    ConnectionTarget m_target;
    QString m_name;
    QSqlDatabase m_db;
    StatementLog m_log;
};

// A statement over the connection and, once opened, all of its rows, fetched
// at once and kept here: move, count, look up, sort without asking again.
class Query
{
public:
    explicit Query(Connection &connection) : m_connection(&connection) {}

    Connection &connection() const { return *m_connection; }

    // The statement is built line by line; lines are sent joined with CR LF.
    void close();
    void clear() { m_lines.clear(); }
    void add(const QString &line) { m_lines.append(line); }
    void setText(const QStringList &lines) { m_lines = lines; }
    QString text() const;

    void open(); // a select: every row is fetched
    void execSQL(); // a command

    bool isOpen() const { return m_open; }
    // Throws when the query is closed, as asking a closed list does.
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    void first();
    void last();
    void next();
    bool eof() const;
    int recNo() const { return m_current; } // 0-based; -1 without rows
    void setRecNo(int row);

    QStringList fieldNames() const { return m_fields; }
    int fieldIndex(const QString &name) const; // -1 when absent; names match without case
    QVariant value(const QString &field) const;
    QVariant valueAt(int row, int field) const { return m_rows[row][field]; }
    qint64 asInteger(const QString &field) const; // NULL reads as 0
    QString asString(const QString &field) const; // NULL reads as empty
    double asFloat(const QString &field) const; // NULL reads as 0

    bool locate(const QString &field, const QVariant &value);
    // Stable, ascending, on the fetched rows.
    void sort(const QString &field);

private:
    QSqlQuery send();
    void requireOpen() const;
    int requireField(const QString &name) const;

    Connection *m_connection;
    QStringList m_lines;
    bool m_open = false;
    QStringList m_fields;
    std::vector<std::vector<QVariant>> m_rows;
    int m_current = -1;
};
