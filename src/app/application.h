#pragma once

#include <QApplication>

#include <functional>

// The application object. Whatever an event handler throws ends here, is
// shown with its own text, and the program goes on.
class ChequeApplication : public QApplication
{
public:
    ChequeApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Makes Tahoma available where the system lacks it: from `fonts/` in
// `programDir`, else from Wine's fonts.
void RegisterTahoma(const QString &programDir);

// The program's general error report: a message box with the error's text.
void ReportError(const QString &message);

// Replaces the message box, for callers that watch the reports (tests).
// Returns the reporter that was in place.
using ErrorReporter = std::function<void(const QString &)>;
ErrorReporter SetErrorReporter(ErrorReporter reporter);
