#pragma once

#include <QPointF>
#include <QString>
#include <QVector>

class Tfrm_ChequeDesign;

// Pages printed to check a printer and a template before a cheque is
// wasted. None of them is a cheque: none is registered.

// Where an item's text is anchored on the page, in millimetres from the top
// left corner: the left edge for the two digit items, the right edge for the
// four word items, at the text's top.
struct ItemAnchor
{
    QString name;
    QPointF at;
};
QVector<ItemAnchor> ItemAnchors(const Tfrm_ChequeDesign &design);

// On the designer's page size and orientation: a millimetre scale along the
// top and the right edge, a cross at each shown item's anchor, and the
// printer's name and offset; everything moved by the printer's offset. Goes
// to the printer chosen on this machine. False when nothing was printed.
bool PrintCalibrationPage(const Tfrm_ChequeDesign &design);

// The cheque `code` filled into the template `chequeId` with the cheque's
// picture under its texts, on the chosen printer and with its offset, to be
// held against a real blank cheque. Throws AppError for a cheque that must
// not be printed. False when nothing was printed.
bool PrintProof(qint64 chequeId, qint64 code);

// The filled cheque as a PDF file of the template's size, its texts where
// the template puts them (no printer's offset), with or without the picture.
// Throws AppError for a cheque that must not be printed. False when the file
// could not be written.
bool ExportChequePdf(qint64 chequeId, qint64 code, const QString &file, bool withPicture);
