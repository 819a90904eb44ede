#include "templates/templateitem.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

const QStringList &ItemNames()
{
    static const QStringList names{u"DigitDate"_s, u"AlphaDate"_s, u"DigitAmount"_s,
                                   u"AlphaAmount"_s, u"AlphaAmountToman"_s, u"Payment"_s};
    return names;
}

BidiMode DecodeBidiMode(int stored)
{
    return stored >= 0 && stored <= 3 ? BidiMode(stored) : BidiMode::LeftToRight;
}

TextAlignment DecodeAlignment(int stored)
{
    return stored >= 0 && stored <= 2 ? TextAlignment(stored) : TextAlignment::Left;
}

void ApplyFontStyle(QFont &font, int stored)
{
    font.setBold(stored & 1);
    font.setItalic(stored & 2);
    font.setUnderline(stored & 4);
    font.setStrikeOut(stored & 8);
}

int EncodeFontStyle(const QFont &font)
{
    return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
        | (font.strikeOut() ? 8 : 0);
}

QColor DecodeColor(int stored)
{
    const quint32 value = quint32(stored);
    if ((value >> 24) == 0xFF) {
        // The system colours the templates use; anything else reads as text.
        const QPalette palette = QGuiApplication::palette();
        switch (value & 0xFF) {
        case 5: return palette.color(QPalette::Base); // window background
        case 15: return palette.color(QPalette::Button);
        case 18: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

int EncodeColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

int FontPoints(const QFont &font, double ppi)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return int(std::lround(font.pixelSize() * 72.0 / ppi));
}

QString LoadChequeStatement(qint64 chequeId)
{
    return u"Select * from [Cheque] where [ChID]="_s + QString::number(chequeId);
}

QString LoadChequeItemsStatement(qint64 chequeId)
{
    return u"Select * from [ChequeItems] where ChID="_s + QString::number(chequeId);
}

QString MaxShowOrderStatement()
{
    return u"Select Max([ShowOrder]) from [Cheque]"_s;
}

QStringList InsertChequeStatement(const Dialect &dialect, const QString &title, const QString &imagePath,
                                  int width, int height, int orientation, int showOrder)
{
    return {
        u"Insert into [Cheque]([Title],[ImagePath],[ImageWidth],[ImageHeight],[Orientation],[ShowOrder])"_s,
        u"values("_s + dialect.text(title) + u","_s + dialect.text(imagePath) + u","_s
            + QString::number(width) + u","_s + QString::number(height) + u","_s
            + QString::number(orientation) + u","_s + QString::number(showOrder) + u")"_s,
    };
}

QString ChequeByTitleStatement(const Dialect &dialect, const QString &title)
{
    return u"Select * from [Cheque] where [Title]="_s + dialect.text(title);
}

QStringList UpdateChequeStatement(const Dialect &dialect, const QString &imagePath, int width, int height,
                                  int orientation, qint64 chequeId)
{
    return {
        u"Update [Cheque]"_s,
        u"Set [ImagePath]="_s + dialect.text(imagePath) + u" , "_s,
        u"    [ImageWidth]="_s + QString::number(width) + u" , "_s,
        u"    [ImageHeight]="_s + QString::number(height) + u" , "_s,
        u"    [Orientation]="_s + QString::number(orientation),
        u"where [ChID]="_s + QString::number(chequeId),
    };
}

QString DeleteChequeItemsStatement(qint64 chequeId)
{
    return u"Delete from [ChequeItems] where [ChID]="_s + QString::number(chequeId);
}

QStringList InsertChequeItemStatement(const Dialect &dialect, const TemplateItem &item)
{
    const auto n = [](qint64 v) { return QString::number(v); };
    return {
        u"insert into [ChequeItems](ChID,ItemName,ItemLeft,ItemRight,ItemTop,ItemVisibility,ItemAlignment,ItemBidiMode,ItemFontName,ItemFontStyle,ItemFontSize,ItemFontColor,ItemCaption)"_s,
        u"Values("_s + n(item.chequeId) + u","_s + dialect.text(item.name) + u","_s + n(item.left)
            + u","_s + n(item.right) + u","_s + n(item.top) + u","_s + n(item.visibility) + u","_s
            + n(item.alignment) + u","_s + n(item.bidiMode) + u","_s + dialect.text(item.fontName)
            + u","_s + n(item.fontStyle) + u","_s + n(item.fontSize) + u","_s + n(item.fontColor)
            + u","_s + dialect.text(item.caption) + u")"_s,
    };
}

TemplateItem KeepUnchanged(TemplateItem now, const TemplateItem &loaded, const ItemChanges &changes)
{
    if (!changes.font) {
        now.fontName = loaded.fontName;
        now.fontSize = loaded.fontSize;
        now.fontStyle = loaded.fontStyle;
    }
    if (!changes.place) {
        now.left = loaded.left;
        now.top = loaded.top;
        now.right = loaded.right;
    }
    return now;
}
