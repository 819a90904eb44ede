#include "browse/columnlayout.h"

#include "app/apperror.h"
#include "ui/formstyle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kFormat = u"chequeprint-columns"_s;
constexpr int kVersion = 1;

// A title font as Qt writes it, of a size a header can show. A font that
// reads back otherwise than it was read (a spacing of some millions) is no
// font anyone chose.
bool readTitleFont(const QString &text, QFont &font)
{
    QFont read, again;
    if (!read.fromString(text) || !again.fromString(read.toString()) || again != read)
        return false;
    const double size = read.pixelSize() > 0 ? read.pixelSize() : read.pointSizeF();
    if (!(size > 0 && size <= 200) || std::abs(read.letterSpacing()) > 100 || std::abs(read.wordSpacing()) > 100)
        return false;
    font = read;
    return true;
}

} // namespace

QList<GridColumn> DefaultGridColumns()
{
    const QFont titleFont = PixelFont(u"Tahoma"_s, 13, true);
    return {
        {u"shoomarehch"_s, u"شماره چک"_s, titleFont, 64, true},
        {u"bank"_s, u"بانک"_s, titleFont, 85, true},
        {u"shhesab"_s, u"شماره حساب"_s, titleFont, 91, true},
        {u"sharh"_s, u"شرح"_s, titleFont, 156, true},
        {u"esmcode"_s, u"نام شخص"_s, titleFont, 85, true},
        {u"status"_s, u"وضعیت"_s, titleFont, 70, true},
        {u"Amount"_s, u"مبلغ"_s, titleFont, 120, true},
    };
}

bool LoadGridColumns(const QString &path, QList<GridColumn> &columns)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return ParseGridColumns(bytes, columns);
}

bool ParseGridColumns(const QByteArray &bytes, QList<GridColumn> &columns)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject root = document.object();
    if (root.value(u"format"_s).toString() != kFormat || root.value(u"version"_s).toInt() != kVersion
        || !root.value(u"columns"_s).isArray()) {
        return false;
    }
    QList<GridColumn> read;
    for (const QJsonValue &value : root.value(u"columns"_s).toArray()) {
        const QJsonObject o = value.toObject();
        if (!o.value(u"field"_s).isString() || !o.value(u"title"_s).isString()
            || !o.value(u"font"_s).isString() || !o.value(u"width"_s).isDouble()
            || !o.value(u"visible"_s).isBool()) {
            return false;
        }
        GridColumn column;
        column.field = o.value(u"field"_s).toString();
        column.title = o.value(u"title"_s).toString();
        if (column.field.isEmpty() || !readTitleFont(o.value(u"font"_s).toString(), column.titleFont))
            return false;
        column.width = o.value(u"width"_s).toInt(-1);
        // A shown column too narrow to see or wider than any screen is no
        // layout anyone made: the file is left unapplied.
        constexpr int kWidest = 4000;
        if (column.width < 0 || column.width > kWidest)
            return false;
        column.visible = o.value(u"visible"_s).toBool();
        if (column.visible && column.width < 4)
            return false;
        read.append(column);
    }
    if (read.isEmpty())
        return false;
    columns = read;
    return true;
}

QByteArray GridColumnsText(const QList<GridColumn> &columns)
{
    QJsonArray list;
    for (const GridColumn &column : columns) {
        list.append(QJsonObject{
            {u"field"_s, column.field},
            {u"title"_s, column.title},
            {u"font"_s, column.titleFont.toString()},
            {u"width"_s, column.width},
            {u"visible"_s, column.visible},
        });
    }
    const QJsonObject root{{u"format"_s, kFormat}, {u"version"_s, kVersion}, {u"columns"_s, list}};
    return QJsonDocument(root).toJson();
}

void SaveGridColumns(const QString &path, const QList<GridColumn> &columns)
{
    // Written aside and renamed, so that a failed write leaves the old file.
    // Every byte written and flushed before the old file is replaced: a
    // buffered write that failed (a full disk) would otherwise be committed
    // as an empty file.
    QSaveFile file(path);
    const QByteArray bytes = GridColumnsText(columns);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        throw AppError(u"Cannot write \"%1\". %2"_s.arg(path, error));
    }
}

QString UserColumnLayoutFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + u"/Columns.dbg"_s;
}

bool LoadColumnLayout(const QString &exeDir, QList<GridColumn> &columns)
{
    const QFileInfo beside(exeDir + u"Columns.dbg"_s);
    const QString own = UserColumnLayoutFile();
    if (!own.isEmpty()) {
        const QFileInfo ownFile(own);
        if (ownFile.isFile() && (!beside.isFile() || ownFile.lastModified() >= beside.lastModified())
            && LoadGridColumns(own, columns)) {
            return true;
        }
    }
    return LoadGridColumns(beside.filePath(), columns);
}

void SaveColumnLayout(const QString &exeDir, const QList<GridColumn> &columns)
{
    const QString own = UserColumnLayoutFile();
    try {
        SaveGridColumns(exeDir + u"Columns.dbg"_s, columns);
    } catch (const AppError &besideError) {
        if (own.isEmpty())
            throw;
        try {
            if (!QDir().mkpath(QFileInfo(own).path()))
                throw AppError(u"Cannot make the folder \"%1\"."_s.arg(QDir::toNativeSeparators(QFileInfo(own).path())));
            SaveGridColumns(own, columns);
        } catch (const AppError &ownError) {
            throw AppError(besideError.message() + u'\n' + ownError.message());
        }
        return;
    }
    // Written where it belongs: an older copy of the user's own must not be
    // read in its place.
    if (!own.isEmpty() && QFileInfo::exists(own))
        QFile::remove(own);
}
