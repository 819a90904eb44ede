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

void PaintReportLabels(QPainter &painter, const ReportPage &page, double unitsPerPixel, bool backgrounds)
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
        if (backgrounds && label->background().isValid())
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
        DrawTextLine(painter, textBox, label->text(), option);
    }
}

ReportPrintJob::ReportPrintJob(std::unique_ptr<QPrinter> printer, QPointF offset)
    : m_printer(std::move(printer)), m_offset(offset)
{
}

ReportPrintJob::~ReportPrintJob()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

double ReportPrintJob::unitsPerMillimetre() const
{
    return m_printer->resolution() / 25.4;
}

bool ReportPrintJob::startPage(const ReportPage &page)
{
    if (m_failed || !m_printer)
        return false;
    if (!m_painter) {
        m_printer->setFullPage(true);
        m_printer->setCopyCount(1);
        m_painter = std::make_unique<QPainter>();
        if (!m_printer->setPageLayout(ReportPageLayout(page)) || !m_painter->begin(m_printer.get())) {
            m_failed = true;
            return false;
        }
    } else if (!m_printer->newPage()) {
        m_failed = true;
        return false;
    }
    m_painter->resetTransform();
    ++m_pages;
    return true;
}

bool ReportPrintJob::addPage(const ReportPage &page, const QImage &picture)
{
    if (!startPage(page))
        return false;
    QPainter &painter = *m_painter;
    const double perMm = unitsPerMillimetre();
    if (!picture.isNull()) {
        painter.drawImage(QRectF(0, 0, page.pageValue(ReportPage::Width) * perMm,
                                 page.pageValue(ReportPage::Length) * perMm),
                          picture);
    }
    painter.translate(m_offset * perMm);
    PaintReportLabels(painter, page, m_printer->resolution() / page.ppi(), picture.isNull());
    return true;
}

QPainter *ReportPrintJob::beginPage(const ReportPage &page)
{
    if (!startPage(page))
        return nullptr;
    m_painter->translate(m_offset * unitsPerMillimetre());
    return m_painter.get();
}

bool ReportPrintJob::finish()
{
    if (m_failed || !m_painter)
        return false;
    return m_painter->end();
}

bool PrintReport(const ReportPage &page, std::unique_ptr<QPrinter> printer, QPointF offset, const QImage &picture)
{
    ReportPrintJob job(std::move(printer), offset);
    return job.addPage(page, picture) && job.finish();
}

bool PrintReportToPdf(const ReportPage &page, const QString &file, const QImage &picture)
{
    return PrintReport(page, PdfPrinter(file), {}, picture);
}

std::unique_ptr<QPrinter> PrinterNamed(const QString &printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    return printer;
}

std::unique_ptr<QPrinter> PdfPrinter(const QString &file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}
