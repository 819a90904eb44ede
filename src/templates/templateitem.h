#pragma once

#include "app/database.h"
#include "report/reportlabel.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

// One positioned text item of a template: one ChequeItems row, its fields in
// the column order of every insert.
struct TemplateItem
{
    qint64 chequeId = 0;
    QString name;
    int left = 0;
    int right = 0;
    int top = 0;
    int visibility = 0;
    int alignment = 0;
    int bidiMode = 0;
    QString fontName;
    int fontStyle = 0;
    int fontSize = 0;
    int fontColor = 0;
    QString caption;
};

// The six item names, in the order they are saved.
const QStringList &ItemNames();

// Stored encodings. An alignment or reading direction outside its range
// reads as 0; of the style only the four known bits are read.
BidiMode DecodeBidiMode(int stored);
TextAlignment DecodeAlignment(int stored);
void ApplyFontStyle(QFont &font, int stored);
int EncodeFontStyle(const QFont &font);
// 0x00BBGGRR, or 0xFF0000nn for the system colour nn.
QColor DecodeColor(int stored);
int EncodeColor(const QColor &color);
// Points, whether the font was given in points or in pixels.
int FontPoints(const QFont &font, double ppi);

// The statements of template storage, built for the dialect they go to.
QString LoadChequeStatement(qint64 chequeId);
QString LoadChequeItemsStatement(qint64 chequeId);
QString MaxShowOrderStatement();
QStringList InsertChequeStatement(const Dialect &dialect, const QString &title, const QString &imagePath,
                                  int width, int height, int orientation, int showOrder);
QString ChequeByTitleStatement(const Dialect &dialect, const QString &title);
QStringList UpdateChequeStatement(const Dialect &dialect, const QString &imagePath, int width, int height,
                                  int orientation, qint64 chequeId);
QString DeleteChequeItemsStatement(qint64 chequeId);
QStringList InsertChequeItemStatement(const Dialect &dialect, const TemplateItem &item);

// What the user changed of an item since it was loaded.
struct ItemChanges
{
    bool font = false; // family, size or style
    bool place = false; // dragged, nudged or typed
};

// The item to save: as it stands now, except that what the user did not
// change keeps its stored value exactly. Fonts that are not installed here
// would otherwise come back as their stand-in, and places measured in a
// stand-in font would shift.
TemplateItem KeepUnchanged(TemplateItem now, const TemplateItem &loaded, const ItemChanges &changes);
