#include "app/preparation.h"

#include "templates/templateitem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

using namespace Qt::Literals::StringLiterals;

const QList<BuiltInTemplate> &BuiltInTemplates()
{
    static const QString digitDate = u"**/**/**"_s;
    static const QString alphaDate = u"********تاریخ به حروف"_s;
    static const QString digitAmount = u"***,***,*** مبلغ به عدد"_s;
    static const QString alphaAmount = u"مبلغ حروفی ***************************"_s;
    static const QString alphaAmountToman = u"مبلغ حروفی ************************(تومان)"_s;
    static const QString payment = u"در وجه*************************"_s;
    const auto items = [&](std::array<std::array<int, 3>, 6> at) {
        return QList<SeedItem>{
            {u"DigitDate"_s, at[0][0], at[0][1], at[0][2], 0, digitDate},
            {u"AlphaDate"_s, at[1][0], at[1][1], at[1][2], 1, alphaDate},
            {u"DigitAmount"_s, at[2][0], at[2][1], at[2][2], 0, digitAmount},
            {u"AlphaAmount"_s, at[3][0], at[3][1], at[3][2], 1, alphaAmount},
            {u"AlphaAmountToman"_s, at[4][0], at[4][1], at[4][2], 1, alphaAmountToman},
            {u"Payment"_s, at[5][0], at[5][1], at[5][2], 1, payment},
        };
    };
    // ItemLeft, ItemRight, ItemTop of each item, in design-page pixels.
    static const QList<BuiltInTemplate> templates{
        {u"جدید"_s, QString(),
         items({{{485, 549, 33}, {414, 553, 51}, {47, 202, 85}, {168, 464, 129}, {146, 448, 271},
                 {307, 543, 177}}})},
        {u"ملت 1"_s, u"Mellat1.jpg"_s,
         items({{{490, 556, 31}, {409, 573, 54}, {43, 216, 85}, {148, 478, 128}, {235, 585, 273},
                 {291, 561, 175}}})},
        {u"ملت 2"_s, u"Mellat2.jpg"_s,
         items({{{485, 551, 33}, {392, 556, 57}, {61, 234, 105}, {164, 494, 133}, {98, 448, 271},
                 {296, 566, 182}}})},
        {u"پاسارگاد"_s, u"pasargad.jpg"_s,
         items({{{475, 541, 53}, {357, 521, 77}, {83, 256, 250}, {152, 482, 130}, {197, 547, 278},
                 {276, 546, 169}}})},
    };
    return templates;
}

QString CatalogStatement(const Dialect &dialect)
{
    return dialect.catalogQuery();
}

QStringList InsertBlankTemplateStatement(const Dialect &dialect)
{
    return {
        u"Insert into [Cheque]([Title],[ImagePath],[ImageWidth],[ImageHeight],[Orientation])"_s,
        u"values("_s + dialect.text(BuiltInTemplates().first().title) + u","_s
            + dialect.text(QString()) + u",170,85,0)"_s,
    };
}

QStringList InsertBankTemplateStatement(const Dialect &dialect, const QString &title,
                                        const QString &picturePath, int showOrder)
{
    return {
        u"Insert into [Cheque]([Title],[ImagePath],[ImageWidth],[ImageHeight],[Orientation],[ShowOrder])"_s,
        u"values("_s + dialect.text(title) + u","_s + dialect.text(picturePath) + u",170,85,0,"_s
            + QString::number(showOrder) + u")"_s,
    };
}

QString ChequeIdByTitleStatement(const Dialect &dialect, const QString &title)
{
    return u"Select ChID from [Cheque] where [Title]="_s + dialect.text(title);
}

QStringList InsertSeedItemStatement(const Dialect &dialect, qint64 chequeId, const SeedItem &item)
{
    TemplateItem row;
    row.chequeId = chequeId;
    row.name = item.name;
    row.left = item.left;
    row.right = item.right;
    row.top = item.top;
    row.visibility = 1;
    row.bidiMode = item.bidiMode;
    row.fontName = u"Tahoma"_s;
    row.fontSize = 12;
    row.fontColor = -16777208; // the system's window-text colour
    row.caption = item.caption;
    return InsertChequeItemStatement(dialect, row);
}

namespace {

void run(Query &q, const QStringList &lines)
{
    q.close();
    q.setText(lines);
    q.execSQL();
}

void seedItems(Query &q, const BuiltInTemplate &cheque)
{
    const Dialect dialect = q.connection().dialect();
    q.close();
    q.setText({ChequeIdByTitleStatement(dialect, cheque.title)});
    q.open();
    const qint64 id = q.isEmpty() ? 0 : q.asInteger(u"ChID"_s);
    for (const SeedItem &item : cheque.items)
        run(q, InsertSeedItemStatement(dialect, id, item));
}

} // namespace

PrepareOutcome PrepareDatabase(Query &q, const QString &exeDir)
{
    const Dialect dialect = q.connection().dialect();
    bool cheque = false, chequeItems = false, checkk = false, printLog = false;
    try {
        q.close();
        q.setText({CatalogStatement(dialect)});
        q.open();
        for (q.first(); !q.eof(); q.next()) {
            const QString name = q.asString(u"name"_s);
            cheque = cheque || name == u"Cheque"_s;
            chequeItems = chequeItems || name == u"ChequeItems"_s;
            checkk = checkk || name == u"checkk"_s;
            printLog = printLog || name == u"PrintLog"_s;
        }
    } catch (const AppError &) {
        return PrepareOutcome::Done; // no catalogue: nothing is checked or made
    }
    if (!checkk)
        return PrepareOutcome::ForeignDatabase;

    // All or nothing: a start cut short (a kill, a full disk) leaves either
    // no template tables, so that the next start makes them whole, or
    // everything. SQL Server and SQLite both take DDL in a transaction.
    Connection &con = q.connection();
    try {
        const QList<BuiltInTemplate> &templates = BuiltInTemplates();
        if (!cheque || !chequeItems)
            con.beginTrans();
        if (!cheque) {
            run(q, dialect.createChequeTable());
            run(q, InsertBlankTemplateStatement(dialect));
        }
        if (!chequeItems) {
            run(q, dialect.createChequeItemsTable());
            seedItems(q, templates[0]);
            ExtractBankImages(exeDir);
            for (int i = 1; i < templates.size(); ++i) {
                run(q, InsertBankTemplateStatement(dialect, templates[i].title,
                                                   exeDir + templates[i].pictureFile, i));
                seedItems(q, templates[i]);
            }
        }
        if (!cheque || !chequeItems)
            con.commitTrans();
    } catch (const AppError &) {
        // Nothing of it stays; start-up goes on without a word.
        q.close();
        try {
            con.rollbackTrans();
        } catch (const AppError &) {
        }
    }
    // The print register is ours alone: made whether or not the templates
    // could be, and its failure is as silent.
    try {
        if (!printLog)
            run(q, dialect.createPrintLogTable());
    } catch (const AppError &) {
    }
    return PrepareOutcome::Done;
}

void ExtractBankImages(const QString &exeDir)
{
    for (const BuiltInTemplate &cheque : BuiltInTemplates()) {
        if (cheque.pictureFile.isEmpty())
            continue;
        const QString target = exeDir + cheque.pictureFile;
        if (QFileInfo::exists(target))
            continue;
        QFile source(u":/cheques/"_s + cheque.pictureFile);
        if (!source.open(QIODevice::ReadOnly))
            throw AppError(u"Built-in picture missing: "_s + cheque.pictureFile);
        const QByteArray bytes = source.readAll();
        // Written beside it and renamed into place when whole: a kill leaves
        // no picture rather than a part of one.
        QSaveFile file(target);
        file.setDirectWriteFallback(false);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
            || !file.commit()) {
            const QString error = file.errorString();
            file.cancelWriting();
            throw AppError(u"Cannot write \"%1\". %2"_s.arg(target, error));
        }
    }
}
