#pragma once

// What the print tests share: a template of known places and fonts, cheques
// of known values, and the words of a printed PDF read back with pdftotext.

#include "../common/testsupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

constexpr double kPointsPerMm = 72.0 / 25.4;

// One stored item of a test template, in design-page pixels.
struct FixtureItem
{
    QString name;
    int left;
    int right;
    int top;
    int bidiMode; // 0 left to right, 1 right to left
    int visibility = 1;
    QString caption;
};

// Items far enough apart that no two lines of print share a height. One font
// with both Latin and Persian letters, so that every glyph's box starts at
// its label's top.
inline QList<FixtureItem> FixtureItems()
{
    return {
        {QStringLiteral("DigitDate"), 330, 0, 10, 0, 1, QStringLiteral("date")},
        {QStringLiteral("AlphaDate"), 200, 440, 45, 1, 1, QStringLiteral("alpha-date")},
        {QStringLiteral("DigitAmount"), 20, 0, 80, 0, 1, QStringLiteral("amount")},
        {QStringLiteral("AlphaAmount"), 100, 440, 115, 1, 1, QStringLiteral("rials")},
        {QStringLiteral("Payment"), 150, 430, 150, 1, 1, QStringLiteral("payee")},
        {QStringLiteral("AlphaAmountToman"), 100, 420, 185, 1, 1, QStringLiteral("tomans")},
    };
}

// Adds a template and returns its ChID.
inline qint64 AddFixtureTemplate(const QString &db, const QString &title, int width, int length, int orientation,
                                 const QList<FixtureItem> &items = FixtureItems())
{
    const QString order = sqliteColumn(db, QStringLiteral("select coalesce(max(ShowOrder),0)+1 from Cheque")).value(0).toString();
    sqliteExec(db, {QStringLiteral("insert into Cheque(Title,ImagePath,ImageWidth,ImageHeight,Orientation,ShowOrder) "
                                   "values('%1','',%2,%3,%4,%5)")
                        .arg(title).arg(width).arg(length).arg(orientation).arg(order)});
    const qint64 id = sqliteColumn(db, QStringLiteral("select ChID from Cheque where Title='%1'").arg(title)).value(0).toLongLong();
    QStringList inserts;
    for (const FixtureItem &item : items) {
        inserts << QStringLiteral("insert into ChequeItems(ChID,ItemName,ItemVisibility,ItemBidiMode,ItemAlignment,"
                                  "ItemCaption,ItemLeft,ItemTop,ItemRight,ItemFontName,ItemFontStyle,ItemFontSize,"
                                  "ItemFontColor) values(%1,'%2',%3,%4,0,'%5',%6,%7,%8,'DejaVu Sans',0,12,0)")
                       .arg(id).arg(item.name).arg(item.visibility).arg(item.bidiMode).arg(item.caption)
                       .arg(item.left).arg(item.top).arg(item.right);
    }
    sqliteExec(db, inserts);
    return id;
}

// Adds a cheque of the accounting package and returns its code.
inline qint64 AddCheque(const QString &db, const QVariant &tarikh, const QVariant &mablaghch, const QVariant &sharh)
{
    const auto literal = [](const QVariant &v) {
        if (v.isNull())
            return QStringLiteral("NULL");
        if (v.typeId() == QMetaType::QString)
            return QStringLiteral("'%1'").arg(v.toString().replace(u'\'', QStringLiteral("''")));
        return v.toString();
    };
    sqliteExec(db, {QStringLiteral("insert into checkk(tarikh,mablaghch,sharh,status) values(%1,%2,%3,'x')")
                        .arg(literal(tarikh), literal(mablaghch), literal(sharh))});
    return sqliteColumn(db, QStringLiteral("select max(code) from checkk")).value(0).toLongLong();
}

struct PdfWord
{
    QRectF box; // points, from the page's top-left corner
    QString text;
};

struct PdfPage
{
    QSizeF size; // points
    QList<PdfWord> words;
};

inline QList<PdfPage> ReadPdf(const QString &file)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    QList<PdfPage> pages;
    QXmlStreamReader xml(run.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto number = [&a](const char *name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF box(QPointF(number("xMin"), number("yMin")), QPointF(number("xMax"), number("yMax")));
            pages.last().words.append({box, xml.readElementText()});
        }
    }
    return pages;
}

// The words whose boxes start within half a millimetre of a height.
inline QList<PdfWord> WordsAt(const PdfPage &page, double topMm)
{
    QList<PdfWord> line;
    for (const PdfWord &word : page.words) {
        if (std::abs(word.box.top() / kPointsPerMm - topMm) < 0.5)
            line.append(word);
    }
    return line;
}

// A line's text in reading order, blanks left out: Persian letters come back
// one glyph at a time in their shaped forms, which compatibility
// normalisation turns back into letters.
inline QString LineText(QList<PdfWord> line, bool rightToLeft)
{
    std::sort(line.begin(), line.end(), [rightToLeft](const PdfWord &a, const PdfWord &b) {
        return rightToLeft ? a.box.left() > b.box.left() : a.box.left() < b.box.left();
    });
    QString text;
    for (const PdfWord &word : line)
        text += word.text;
    return text.normalized(QString::NormalizationForm_KC);
}

inline QString WithoutBlanks(QString text)
{
    return text.remove(u' ').normalized(QString::NormalizationForm_KC);
}

inline double LeftMm(const QList<PdfWord> &line)
{
    double left = 1e9;
    for (const PdfWord &word : line)
        left = std::min(left, word.box.left());
    return left / kPointsPerMm;
}

inline double RightMm(const QList<PdfWord> &line)
{
    double right = -1e9;
    for (const PdfWord &word : line)
        right = std::max(right, word.box.right());
    return right / kPointsPerMm;
}
