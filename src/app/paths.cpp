#include "app/paths.h"

#include "app/apperror.h"
#include "app/database.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

int LastCharPos(QChar c, const QString &text)
{
    for (qsizetype i = text.size(); i >= 1; --i) {
        if (text[i - 1] == c)
            return int(i);
    }
    return 0;
}

QString ExeDirOf(const QString &programPath, QChar separator)
{
    return programPath.left(LastCharPos(separator, programPath));
}

QString ParentDirOf(const QString &exeDir, QChar separator)
{
    // Scan back from the character before the final separator.
    const QString head = exeDir.left(exeDir.size() - 1);
    const int previous = LastCharPos(separator, head);
    if (previous == 0)
        return exeDir; // a drive's root, or no folder at all
    return exeDir.left(previous - 1) + exeDir.mid(exeDir.size() - 1);
}

QString ExeDir()
{
    return ExeDirOf(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
}

QString ParentDir()
{
    return ParentDirOf(ExeDir());
}

std::optional<QString> ReadFirstLine(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(u"Cannot open file \"%1\". %2"_s.arg(path, file.errorString()));
    QByteArray line;
    char c;
    while (file.getChar(&c) && c != '\n' && c != '\r')
        line.append(c);
    if (file.error() != QFileDevice::NoError)
        throw AppError(u"Cannot read file \"%1\". %2"_s.arg(path, file.errorString()));
    // A byte-order mark is not recognised: it stays part of the text.
    QStringDecoder decode(QStringDecoder::System,
                          QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return QString(decode(line));
}

QString FallbackConnectionString(const QString &exeDir)
{
    return u"Provider=SQLite;Data Source="_s + exeDir + u"ZarvelCheque.db"_s;
}

void FillComboFromQuery(Query &query, const QString &statement, int column, QComboBox *combo)
{
    combo->clear();
    query.close();
    query.clear();
    query.add(statement);
    query.open();
    const QString field = query.fieldNames().value(column);
    for (query.first(); !query.eof(); query.next())
        combo->addItem(query.asString(field));
    combo->setCurrentIndex(0);
}
