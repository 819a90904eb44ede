#include "print/printerchoice.h"

#include <QPrinterInfo>
#include <QSettings>
#include <QUrl>

#include <cmath>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// This machine's settings of the program, for this user.
std::unique_ptr<QSettings> machineSettings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, u"chequeprint"_s, u"chequeprint"_s);
}

const QString kPrinterKey = u"printer/name"_s;

// A printer's name may hold the settings' group separator.
QString offsetKey(const QString &printer)
{
    return u"offsets/"_s + QString::fromLatin1(QUrl::toPercentEncoding(printer));
}

double tenths(double millimetres)
{
    return std::round(millimetres * 10) / 10;
}

} // namespace

namespace PrinterChoice {

QStringList installedPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}

QString systemDefault()
{
    return QPrinterInfo::defaultPrinterName();
}

QString chosen()
{
    return machineSettings()->value(kPrinterKey).toString();
}

void setChosen(const QString &printer)
{
    const auto settings = machineSettings();
    if (printer.isEmpty())
        settings->remove(kPrinterKey);
    else
        settings->setValue(kPrinterKey, printer);
}

QString effective()
{
    const QString picked = chosen();
    if (!picked.isEmpty() && installedPrinters().contains(picked))
        return picked;
    return systemDefault();
}

QPointF offset(const QString &printer)
{
    const QPointF stored = machineSettings()->value(offsetKey(printer)).toPointF();
    return {tenths(stored.x()), tenths(stored.y())};
}

void setOffset(const QString &printer, QPointF millimetres)
{
    const auto settings = machineSettings();
    const QPointF rounded(tenths(millimetres.x()), tenths(millimetres.y()));
    if (rounded.isNull())
        settings->remove(offsetKey(printer));
    else
        settings->setValue(offsetKey(printer), rounded);
}

QString OffsetText(QPointF millimetres)
{
    const auto signedMm = [](double v) { return (v > 0 ? u"+"_s : QString()) + QString::number(v, 'f', 1); };
    return u"%1 افقی، %2 عمودی میلی متر"_s.arg(signedMm(millimetres.x()), signedMm(millimetres.y()));
}

QString NothingPrintedMessage(const QString &destination)
{
    return destination.isEmpty() ? u"هیچ چاپگری روی این رایانه نصب نیست؛ چیزی چاپ نشد."_s
                                 : u"چاپگر «%1» صفحه را نپذیرفت؛ چیزی چاپ نشد."_s.arg(destination);
}

} // namespace PrinterChoice
