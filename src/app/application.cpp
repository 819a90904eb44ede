#include "app/application.h"

#include "app/apperror.h"
#include "ui/buttonstyle.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

namespace {

ErrorReporter &reporter()
{
    static ErrorReporter current;
    return current;
}

} // namespace

void RegisterTahoma(const QString &programDir)
{
    // The templates were measured in Tahoma. Where the system has none, the
    // free Tahoma that Wine ships (Debian's fonts-wine, in a folder fontconfig
    // does not read), or one put beside the program.
    if (QFontDatabase::hasFamily(u"Tahoma"_s))
        return;
    const QStringList folders{programDir + u"/fonts"_s, u"/usr/share/wine/fonts"_s};
    for (const QString &folder : folders) {
        for (const QString &file : {u"tahoma.ttf"_s, u"tahomabd.ttf"_s}) {
            if (QFile::exists(folder + u'/' + file))
                QFontDatabase::addApplicationFont(folder + u'/' + file);
        }
        if (QFontDatabase::hasFamily(u"Tahoma"_s))
            return;
    }
}

ChequeApplication::ChequeApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setLayoutDirection(Qt::RightToLeft);
    setStyle(new ButtonStyle); // the platform's, but for buttons with pictures
    RegisterTahoma(applicationDirPath());
    // Where the other Windows fonts of the forms are missing, and Tahoma
    // too, stand in with fonts that carry well-drawn Persian letters.
    for (const QString &family : {u"Tahoma"_s, u"B Mitra"_s, u"Arial"_s}) {
        if (!QFontDatabase::hasFamily(family))
            QFont::insertSubstitutions(family, {u"Noto Sans Arabic"_s, u"Noto Sans"_s, u"DejaVu Sans"_s});
    }
    // Qt's own texts (standard buttons, the font, colour and file dialogs)
    // in Persian.
    auto *qtTexts = new QTranslator(this);
    if (qtTexts->load(u"qtbase_fa"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexts);
}

bool ChequeApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError &e) {
        ReportError(e.message());
    } catch (const std::exception &e) {
        ReportError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportError(u"Unknown error"_s);
    }
    return true;
}

void ReportError(const QString &message)
{
    if (reporter()) {
        reporter()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

ErrorReporter SetErrorReporter(ErrorReporter replacement)
{
    ErrorReporter previous = std::move(reporter());
    reporter() = std::move(replacement);
    return previous;
}
