#pragma once

// The program started in a fresh folder over a sample database, its error
// reports and the statements it sends recorded, as most window tests need it.

#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"

#include "testsupport.h"

#include <memory>

struct RunningProgram
{
    QStringList reports;
    QStringList statements;
    std::unique_ptr<ProgramFolder> folder;

    void start(int cheques)
    {
        reports.clear();
        statements.clear();
        SetErrorReporter([this](const QString &message) { reports << message; });
        folder = std::make_unique<ProgramFolder>();
        WriteSampleDatabase(folder->fallbackDatabase(), cheques);
        CreateForms({folder->exeDir, folder->parentDir});
        QVERIFY(frm_main->Con.isOpen());
        frm_main->Con.setStatementLog([this](const QString &text) { statements << text; });
    }

    void stop()
    {
        DestroyForms();
        SetErrorReporter({});
        folder.reset();
    }
};
