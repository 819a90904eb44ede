#include "app/database.h"

#include "app/odbcreader.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <atomic>

using namespace Qt::Literals::StringLiterals;

QString Quoted(const QString &value)
{
    return u'\'' + QString(value).replace(u"'"_s, u"''"_s) + u'\'';
}

QString Dialect::text(const QString &value) const
{
    return m_kind == SqlServer ? u'N' + Quoted(value) : Quoted(value);
}

QString Dialect::catalogQuery() const
{
    if (m_kind == SqlServer)
        return u"Select [name] from sys.Tables"_s;
    return u"Select [name] from sqlite_master where [type]='table'"_s;
}

QStringList Dialect::createChequeTable() const
{
    if (m_kind == SqlServer) {
        return {
        u"CREATE TABLE [dbo].[Cheque]("_s,
        u" [ChID] [int] IDENTITY(1,1) NOT NULL ,"_s,
        u" [Title] [nvarchar] (50) COLLATE Arabic_CI_AS NOT NULL ,"_s,
        u" [ImagePath] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [ImageHeight] [int] NULL ,"_s,
        u" [ImageWidth] [int] NULL ,"_s,
        u" [Orientation] [int] NULL ,"_s,
        u" [ShowOrder] [int] NULL"_s,
        u") ON [PRIMARY]"_s,
        };
    }
    return {
        u"CREATE TABLE [Cheque]("_s,
        u" [ChID] INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL ,"_s,
        u" [Title] nvarchar(50) COLLATE NOCASE NOT NULL ,"_s,
        u" [ImagePath] nvarchar(255) COLLATE NOCASE NULL ,"_s,
        u" [ImageHeight] int NULL ,"_s,
        u" [ImageWidth] int NULL ,"_s,
        u" [Orientation] int NULL ,"_s,
        u" [ShowOrder] int NULL"_s,
        u")"_s,
    };
}

QStringList Dialect::createChequeItemsTable() const
{
    if (m_kind == SqlServer) {
        return {
        u"CREATE TABLE [dbo].[ChequeItems]("_s,
        u" [ItemID] [int] IDENTITY(1,1) NOT NULL ,"_s,
        u" [ChID] [int] NOT NULL ,"_s,
        u" [ItemName] [nvarchar] (50) COLLATE Arabic_CI_AS NOT NULL ,"_s,
        u" [ItemVisibility] [bit] NULL ,"_s,
        u" [ItemBidiMode] [int] NULL ,"_s,
        u" [ItemAlignment] [int] NULL ,"_s,
        u" [ItemCaption] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [ItemLeft] [int] NULL ,"_s,
        u" [ItemTop] [int] NULL ,"_s,
        u" [ItemRight] [int] NULL ,"_s,
        u" [ItemFontName] [nvarchar] (50) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [ItemFontStyle] [int] NULL ,"_s,
        u" [ItemFontSize] [int] NULL ,"_s,
        u" [ItemFontColor] [int] NULL"_s,
        u") ON [PRIMARY]"_s,
        };
    }
    return {
        u"CREATE TABLE [ChequeItems]("_s,
        u" [ItemID] INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL ,"_s,
        u" [ChID] int NOT NULL ,"_s,
        u" [ItemName] nvarchar(50) COLLATE NOCASE NOT NULL ,"_s,
        u" [ItemVisibility] bit NULL ,"_s,
        u" [ItemBidiMode] int NULL ,"_s,
        u" [ItemAlignment] int NULL ,"_s,
        u" [ItemCaption] nvarchar(255) COLLATE NOCASE NULL ,"_s,
        u" [ItemLeft] int NULL ,"_s,
        u" [ItemTop] int NULL ,"_s,
        u" [ItemRight] int NULL ,"_s,
        u" [ItemFontName] nvarchar(50) COLLATE NOCASE NULL ,"_s,
        u" [ItemFontStyle] int NULL ,"_s,
        u" [ItemFontSize] int NULL ,"_s,
        u" [ItemFontColor] int NULL"_s,
        u")"_s,
    };
}

QString Dialect::beginWriteStatement() const
{
    // SQLite's plain BEGIN takes the write lock only at the first write, and
    // a reader that waited for it then fails at once instead of waiting.
    return m_kind == Sqlite ? u"BEGIN IMMEDIATE"_s : QString();
}

QString Dialect::writeLockStatement() const
{
    if (m_kind != SqlServer)
        return QString();
    // Two program instances saving at once would each find a new title free
    // and both store it: their saves take one lock of the program's own, in
    // turn, for the transaction's length. An implicit transaction (what
    // ODBC's manual commit uses) does not start with EXEC, so one is begun.
    return u"IF @@TRANCOUNT = 0 BEGIN TRANSACTION\n"
           u"DECLARE @granted int\n"
           u"EXEC @granted = sp_getapplock @Resource = 'chequeprint', @LockMode = 'Exclusive',"
           u" @LockOwner = 'Transaction', @LockTimeout = 3000\n"
           u"IF @granted < 0 RAISERROR('The templates are being saved by another user; the wait ended.', 16, 1)"_s;
}

QStringList Dialect::createPrintLogTable() const
{
    if (m_kind == SqlServer) {
        return {
        u"CREATE TABLE [dbo].[PrintLog]("_s,
        u" [LogID] [int] IDENTITY(1,1) NOT NULL ,"_s,
        u" [code] [int] NOT NULL ,"_s,
        u" [shoomarehch] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [mablaghch] [decimal] (18, 3) NULL ,"_s,
        u" [ChID] [int] NULL ,"_s,
        u" [Title] [nvarchar] (50) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [PrinterName] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [PrintTime] [datetime] NULL ,"_s,
        u" [MachineName] [nvarchar] (255) COLLATE Arabic_CI_AS NULL ,"_s,
        u" [UserName] [nvarchar] (255) COLLATE Arabic_CI_AS NULL"_s,
        u") ON [PRIMARY]"_s,
        };
    }
    return {
        u"CREATE TABLE [PrintLog]("_s,
        u" [LogID] INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL ,"_s,
        u" [code] int NOT NULL ,"_s,
        u" [shoomarehch] nvarchar(255) COLLATE NOCASE NULL ,"_s,
        u" [mablaghch] decimal(18,3) NULL ,"_s,
        u" [ChID] int NULL ,"_s,
        u" [Title] nvarchar(50) COLLATE NOCASE NULL ,"_s,
        u" [PrinterName] nvarchar(255) COLLATE NOCASE NULL ,"_s,
        u" [PrintTime] datetime NULL ,"_s,
        u" [MachineName] nvarchar(255) COLLATE NOCASE NULL ,"_s,
        u" [UserName] nvarchar(255) COLLATE NOCASE NULL"_s,
        u")"_s,
    };
}

// ---------------------------------------------------------------------------
// Connection strings

namespace {

struct KeyValue
{
    QString key;
    QString value;
};

// "key=value;key=value", values optionally in double or single quotes (OLE
// DB) or in braces (ODBC), so that they may hold semicolons.
QList<KeyValue> splitConnectionString(const QString &text)
{
    QList<KeyValue> pairs;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        // Empty segments (";;") and blanks between pairs are nothing.
        while (i < n && (text[i] == u';' || text[i] == u' '))
            ++i;
        if (i >= n)
            break;
        const qsizetype eq = text.indexOf(u'=', i);
        if (eq < 0)
            break;
        KeyValue pair;
        pair.key = text.mid(i, eq - i).trimmed();
        i = eq + 1;
        while (i < n && text[i] == u' ')
            ++i;
        if (i < n && (text[i] == u'"' || text[i] == u'\'' || text[i] == u'{')) {
            const QChar close = text[i] == u'{' ? u'}' : text[i];
            ++i;
            while (i < n) {
                if (text[i] == close) {
                    if (i + 1 < n && text[i + 1] == close) { // doubled: one literal
                        pair.value += close;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                pair.value += text[i++];
            }
            const qsizetype semi = text.indexOf(u';', i);
            i = semi < 0 ? n : semi + 1;
        } else {
            const qsizetype semi = text.indexOf(u';', i);
            const qsizetype end = semi < 0 ? n : semi;
            pair.value = text.mid(i, end - i).trimmed();
            i = end + 1;
        }
        if (!pair.key.isEmpty())
            pairs.append(pair);
    }
    return pairs;
}

QString valueOf(const QList<KeyValue> &pairs, std::initializer_list<QStringView> keys)
{
    for (const KeyValue &pair : pairs) {
        for (QStringView key : keys) {
            if (pair.key.compare(key, Qt::CaseInsensitive) == 0)
                return pair.value;
        }
    }
    return QString();
}

bool hasKey(const QList<KeyValue> &pairs, QStringView key)
{
    return std::any_of(pairs.cbegin(), pairs.cend(), [key](const KeyValue &pair) {
        return pair.key.compare(key, Qt::CaseInsensitive) == 0;
    });
}

QString odbcValue(const QString &value)
{
    if (value.contains(u';') || value.contains(u'{') || value.contains(u'}')
        || value != value.trimmed()) {
        return u'{' + QString(value).replace(u"}"_s, u"}}"_s) + u'}';
    }
    return value;
}

bool isTrue(const QString &value)
{
    for (const char16_t *word : {u"sspi", u"true", u"yes"}) {
        if (value.compare(QStringView(word), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// An OLE DB connection string for SQL Server, said again for an ODBC driver.
QString sqlServerOdbcString(const QList<KeyValue> &pairs)
{
    QString driver = valueOf(pairs, {u"Driver"});
    if (driver.isEmpty())
        driver = DefaultSqlServerDriver();
    const bool freeTds = driver.contains(u"tds"_s, Qt::CaseInsensitive);

    QString source = valueOf(pairs, {u"Data Source", u"Server", u"Address", u"Addr",
                                     u"Network Address"});
    if (source.startsWith(u"tcp:"_s, Qt::CaseInsensitive))
        source = source.mid(4);

    QStringList parts{u"Driver="_s + odbcValue(driver)};
    if (freeTds) {
        // FreeTDS knows neither "." nor "(local)", and wants the port apart.
        QString host = source;
        QString port;
        if (const qsizetype comma = host.indexOf(u','); comma >= 0) {
            port = host.mid(comma + 1).trimmed();
            host = host.left(comma).trimmed();
        }
        QString instance;
        if (const qsizetype slash = host.indexOf(u'\\'); slash >= 0) {
            instance = host.mid(slash);
            host = host.left(slash);
        }
        if (host.isEmpty() || host == u"."_s || host.compare(u"(local)"_s, Qt::CaseInsensitive) == 0)
            host = u"localhost"_s;
        parts << u"Server="_s + odbcValue(host + instance);
        // Without a port FreeTDS takes the one of its configuration, which
        // Debian's stock freetds.conf leaves unset: it then reaches nothing.
        // An instance is found through the SQL Server Browser instead.
        if (port.isEmpty() && instance.isEmpty())
            port = u"1433"_s;
        if (!port.isEmpty())
            parts << u"Port="_s + odbcValue(port);
        parts << u"TDS_Version=7.4"_s << u"ClientCharset=UTF-8"_s;
    } else if (!source.isEmpty()) {
        parts << u"Server="_s + odbcValue(source);
    }

    const QString database = valueOf(pairs, {u"Initial Catalog", u"Database"});
    if (!database.isEmpty())
        parts << u"Database="_s + odbcValue(database);
    if (isTrue(valueOf(pairs, {u"Integrated Security", u"Trusted_Connection"}))) {
        parts << u"Trusted_Connection=Yes"_s;
    } else {
        if (hasKey(pairs, u"User ID") || hasKey(pairs, u"UID") || hasKey(pairs, u"User"))
            parts << u"UID="_s + odbcValue(valueOf(pairs, {u"User ID", u"UID", u"User"}));
        if (hasKey(pairs, u"Password") || hasKey(pairs, u"PWD"))
            parts << u"PWD="_s + odbcValue(valueOf(pairs, {u"Password", u"PWD"}));
    }
    return parts.join(u';') + u';';
}

bool isSqlServerProvider(const QString &provider)
{
    for (const char16_t *prefix : {u"SQLOLEDB", u"SQLNCLI", u"MSOLEDBSQL"}) {
        if (provider.startsWith(QStringView(prefix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

QString DefaultSqlServerDriver()
{
#ifdef Q_OS_WIN
    return u"SQL Server"_s; // present on every Windows
#else
    return u"FreeTDS"_s;
#endif
}

ConnectionTarget ResolveConnectionString(const QString &connectionString)
{
    const QList<KeyValue> pairs = splitConnectionString(connectionString);
    const QString provider = valueOf(pairs, {u"Provider"});
    ConnectionTarget target;
    if (provider.isEmpty() && (hasKey(pairs, u"Driver") || hasKey(pairs, u"DSN"))) {
        target.kind = ConnectionTarget::Odbc;
        // The driver manager is handed the text with its terminating NUL,
        // which FreeTDS keeps in a last value left open (the password).
        target.databaseName = connectionString.endsWith(u';') ? connectionString : connectionString + u';';
        const bool sqlite = valueOf(pairs, {u"Driver"}).contains(u"sqlite"_s, Qt::CaseInsensitive);
        target.dialect = Dialect(sqlite ? Dialect::Sqlite : Dialect::SqlServer);
    } else if (isSqlServerProvider(provider)) {
        target.kind = ConnectionTarget::Odbc;
        target.databaseName = sqlServerOdbcString(pairs);
        target.dialect = Dialect(Dialect::SqlServer);
    } else if (provider.compare(u"SQLite"_s, Qt::CaseInsensitive) == 0) {
        target.kind = ConnectionTarget::SqliteFile;
        target.databaseName = valueOf(pairs, {u"Data Source"});
        target.dialect = Dialect(Dialect::Sqlite);
    }
    // Anything else (the Jet provider of an Access file among them) cannot be
    // opened here.
    return target;
}

// ---------------------------------------------------------------------------
// Connection

namespace {

// Qt's ODBC driver takes a text without DRIVER= or SERVER= for a data source
// name and writes "DSN=" before it: give it the name first, without its key.
QString odbcDatabaseName(const QString &connectionString)
{
    for (const char16_t *key : {u"driver=", u"server=", u".dsn"}) {
        if (connectionString.contains(QStringView(key), Qt::CaseInsensitive))
            return connectionString;
    }
    QStringList parts = connectionString.split(u';');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString key = parts[i].section(u'=', 0, 0).trimmed();
        if (key.compare(u"DSN"_s, Qt::CaseInsensitive) == 0) {
            const QString name = parts[i].section(u'=', 1).trimmed();
            parts.removeAt(i);
            parts.prepend(name);
            break;
        }
    }
    return parts.join(u';');
}

} // namespace

Connection::Connection()
{
    static std::atomic<int> counter{0};
    m_name = u"chequeprint-"_s + QString::number(++counter);
}

Connection::~Connection()
{
    close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

void Connection::setConnectionString(const QString &connectionString)
{
    m_connectionString = connectionString;
    m_target = ResolveConnectionString(connectionString);
}

void Connection::open()
{
    if (isOpen())
        return;
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);

    switch (m_target.kind) {
    case ConnectionTarget::Unsupported:
        throw DatabaseError(u"Cannot open a database with the connection string: "_s
                            + m_connectionString);
    case ConnectionTarget::SqliteFile:
        // Never make a new, empty database in place of a missing file.
        if (!QFileInfo(m_target.databaseName).isFile())
            throw DatabaseError(u"Database file not found: "_s + m_target.databaseName);
        m_db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        // Another program writing: wait a little for it, not ten seconds.
        m_db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=3000"_s);
        break;
    case ConnectionTarget::Odbc:
        m_db = QSqlDatabase::addDatabase(u"QODBC"_s, m_name);
        // A server that takes the connection and never answers must not
        // hold the start for ever.
        m_db.setConnectOptions(u"SQL_ATTR_LOGIN_TIMEOUT=15;SQL_ATTR_CONNECTION_TIMEOUT=30"_s);
        break;
    }
    m_db.setDatabaseName(m_target.kind == ConnectionTarget::Odbc ? odbcDatabaseName(m_target.databaseName)
                                                                 : m_target.databaseName);
    if (!m_db.open()) {
        const QString error = m_db.lastError().text();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw DatabaseError(error);
    }
}

void Connection::close()
{
    if (m_db.isValid() && m_db.isOpen())
        m_db.close();
}

bool Connection::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

void Connection::beginTrans()
{
    if (!database().transaction())
        throw DatabaseError(m_db.lastError().text());
}

void Connection::beginWriteTrans()
{
    const QString begin = dialect().beginWriteStatement();
    if (begin.isEmpty()) {
        beginTrans();
    } else {
        QSqlQuery query(database());
        logStatement(begin);
        if (!query.exec(begin))
            throw DatabaseError(query.lastError().text());
    }
    if (const QString lock = dialect().writeLockStatement(); !lock.isEmpty()) {
        QSqlQuery query(database());
        logStatement(lock);
        if (!query.exec(lock)) {
            const QString error = query.lastError().text();
            database().rollback();
            throw DatabaseError(error);
        }
    }
}

void Connection::commitTrans()
{
    if (!database().commit())
        throw DatabaseError(m_db.lastError().text());
}

void Connection::rollbackTrans()
{
    if (!database().rollback())
        throw DatabaseError(m_db.lastError().text());
}

QSqlDatabase &Connection::database()
{
    if (!isOpen())
        open();
    return m_db;
}

std::unique_ptr<ResultReader> Connection::read(const QString &statement)
{
    QSqlDatabase &db = database();
    logStatement(statement);
    if (m_target.kind == ConnectionTarget::SqliteFile)
        return ReadSqliteFile(m_target.databaseName, statement);
    const QVariant handle = db.driver()->handle();
    if (m_target.kind != ConnectionTarget::Odbc || handle.typeId() != QMetaType::VoidStar)
        throw DatabaseError(u"No reader for this connection: "_s + m_connectionString);
    return ReadOdbc(*static_cast<void *const *>(handle.constData()), statement);
}

void Connection::logStatement(const QString &text) const
{
    if (m_log)
        m_log(text);
}

// ---------------------------------------------------------------------------
// Query

void Query::close()
{
    m_open = false;
    m_fields.clear();
    m_rows.clear();
    m_current = -1;
}

QString Query::text() const
{
    return m_lines.join(u"\r\n"_s);
}

QSqlQuery Query::send()
{
    close();
    const QString statement = text();
    QSqlQuery query(m_connection->database());
    // A forward-only cursor: ODBC would otherwise ask for a server-side cursor.
    query.setForwardOnly(true);
    m_connection->logStatement(statement);
    if (!query.exec(statement))
        throw DatabaseError(query.lastError().text());
    return query;
}

void Query::open()
{
    if (m_connection->isOdbc()) {
        // Qt's ODBC driver reads text narrowly and loses Persian letters.
        close();
        const std::unique_ptr<ResultReader> reader = m_connection->read(text());
        for (int i = 0; i < reader->columnCount(); ++i)
            m_fields.append(reader->columnName(i));
        while (reader->next()) {
            std::vector<QVariant> row(m_fields.size());
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i] = reader->value(int(i));
            m_rows.push_back(std::move(row));
        }
    } else {
        QSqlQuery query = send();
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            m_fields.append(record.fieldName(i));
        while (query.next()) {
            std::vector<QVariant> row(m_fields.size());
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i] = query.value(int(i));
            m_rows.push_back(std::move(row));
        }
        if (query.lastError().isValid())
            throw DatabaseError(query.lastError().text());
    }
    m_open = true;
    m_current = m_rows.empty() ? -1 : 0;
}

void Query::execSQL()
{
    send();
}

void Query::requireOpen() const
{
    if (!m_open)
        throw DatabaseError(u"Operation not allowed on a closed dataset"_s);
}

int Query::recordCount() const
{
    requireOpen();
    return int(m_rows.size());
}

void Query::first()
{
    requireOpen();
    m_current = m_rows.empty() ? -1 : 0;
}

void Query::last()
{
    requireOpen();
    m_current = int(m_rows.size()) - 1;
}

void Query::next()
{
    requireOpen();
    if (m_current >= 0 && m_current < int(m_rows.size()))
        ++m_current;
}

bool Query::eof() const
{
    return !m_open || m_current < 0 || m_current >= int(m_rows.size());
}

void Query::setRecNo(int row)
{
    requireOpen();
    if (row < 0 || row >= int(m_rows.size()))
        throw DatabaseError(u"Row out of range: "_s + QString::number(row));
    m_current = row;
}

int Query::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Query::requireField(const QString &name) const
{
    requireOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw DatabaseError(u"Field not found: "_s + name);
    return index;
}

QVariant Query::value(const QString &field) const
{
    const int index = requireField(field);
    if (eof())
        throw DatabaseError(u"No current row"_s);
    return m_rows[m_current][index];
}

qint64 Query::asInteger(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? 0 : v.toLongLong();
}

QString Query::asString(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

double Query::asFloat(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool Query::locate(const QString &field, const QVariant &value)
{
    const int index = requireField(field);
    for (int row = 0; row < int(m_rows.size()); ++row) {
        if (m_rows[row][index] == value) {
            m_current = row;
            return true;
        }
    }
    return false;
}

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong:
    case QMetaType::ULongLong: case QMetaType::Double: case QMetaType::Float:
    case QMetaType::Short: case QMetaType::UShort: case QMetaType::Long: case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool lessValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && !b.isNull(); // NULL first
    if (isNumber(a) && isNumber(b))
        return a.toDouble() < b.toDouble();
    return a.toString() < b.toString();
}

} // namespace

void Query::sort(const QString &field)
{
    const int index = requireField(field);
    std::stable_sort(m_rows.begin(), m_rows.end(), [index](const auto &a, const auto &b) {
        return lessValue(a[index], b[index]);
    });
    m_current = m_rows.empty() ? -1 : 0;
}
