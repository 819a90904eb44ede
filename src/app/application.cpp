#include "app/application.h"

#include "app/apperror.h"

#include <QFont>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace {

ErrorReporter &reporter()
{
    static ErrorReporter current;
    return current;
}

} // namespace

ChequeApplication::ChequeApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setLayoutDirection(Qt::RightToLeft);
    // Where the Windows fonts of the forms are missing, stand in with fonts
    // that carry well-drawn Persian letters.
    for (const QString &family : {u"Tahoma"_s, u"B Mitra"_s, u"Arial"_s})
        QFont::insertSubstitutions(family, {u"Noto Sans Arabic"_s, u"Noto Sans"_s, u"DejaVu Sans"_s});
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
