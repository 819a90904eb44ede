#include "print/printerchoice.h"

#include <QPrinterInfo>
#include <QSettings>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// This machine's settings of the program, for this user.
std::unique_ptr<QSettings> machineSettings()
{
    return std::make_unique<QSettings>(QSettings::UserScope, u"chequeprint"_s, u"chequeprint"_s);
}

const QString kPrinterKey = u"printer/name"_s;

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

} // namespace PrinterChoice
