#include "report/reportprinter.h"

#include "report/reportlabel.h"
#include "report/reportpage.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextOption>

QPageLayout ReportPageLayout(const ReportPage &page)
{
    const double width = page.pageValue(ReportPage::Width);
    const double length = page.pageValue(ReportPage::Length);
    const bool landscape = page.orientation() == QPageLayout::Landscape;
    // ExactMatch: a cheque a millimetre off a standard paper stays a cheque.
    const QPageSize medium(landscape ? QSizeF(length, width) : QSizeF(width, length), QPageSize::Millimeter,
                           QString(), QPageSize::ExactMatch);
    QPageLayout layout(medium, page.orientation(), QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

QFont PaperFont(const QFont &font, double ppi)
{
    QFont paper = font;
    if (font.pixelSize() > 0)
        paper.setPointSizeF(font.pixelSize() * 72.0 / ppi);
    return paper;
}

void PaintReportLabels(QPainter &painter, const ReportPage &page, double unitsPerPixel)
{
    QList<const ReportLabel *> shown;
    for (const ReportLabel *label : page.findChildren<ReportLabel *>(Qt::FindDirectChildrenOnly)) {
        if (!label->isHidden())
            shown.append(label);
    }
    const auto boxOf = [unitsPerPixel](const ReportLabel *label) {
        return QRectF(label->x() * unitsPerPixel, label->y() * unitsPerPixel, label->width() * unitsPerPixel,
                      label->height() * unitsPerPixel);
    };
    // Every background before any text: where boxes overlap, a label's
    // background must not wipe out a neighbour's text.
    for (const ReportLabel *label : shown) {
        if (label->background().isValid())
            painter.fillRect(boxOf(label), label->background());
    }
    // Room enough that no text is clipped by its box.
    const double room = 2.0 * (page.width() + page.height()) * unitsPerPixel;
    for (const ReportLabel *label : shown) {
        if (label->text().isEmpty())
            continue;
        const QRectF box = boxOf(label);
        const bool fromRight = label->keepsRightEdge();
        const QRectF textBox = fromRight ? QRectF(box.right() - room, box.top(), room, room)
                                         : QRectF(box.left(), box.top(), room, room);
        // Absolute: for right-to-left text Qt would otherwise read "right" as the start.
        QTextOption option(Qt::AlignTop | Qt::AlignAbsolute | (fromRight ? Qt::AlignRight : Qt::AlignLeft));
        option.setTextDirection(label->readsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        option.setWrapMode(QTextOption::NoWrap);
        painter.setFont(PaperFont(label->labelFont(), page.ppi()));
        painter.setPen(label->color());
        painter.drawText(textBox, label->text(), option);
    }
}

bool PrintReport(const ReportPage &page, QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setCopyCount(1);
    if (!printer.setPageLayout(ReportPageLayout(page)))
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintReportLabels(painter, page, printer.resolution() / page.ppi());
    return painter.end();
}

bool PrintReportToPrinter(const ReportPage &page, const QString &printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return false;
    return PrintReport(page, printer);
}

bool PrintReportToPdf(const ReportPage &page, const QString &file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return PrintReport(page, printer);
}
