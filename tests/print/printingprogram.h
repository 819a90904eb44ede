#pragma once

// What the print tests share: the program started over five sample
// cheques, printing to a PDF file in its folder, and where to look after.

#include "app/forms.h"
#include "print/frm_printcheque.h"
#include "report/reportpage.h"
#include "templates/frm_chequedesign.h"

#include "../common/runningprogram.h"

class PrintingProgram
{
protected:
    void startPrinting()
    {
        m_program.start(5);
        frm_PrintCheque->setOutputFile(pdf());
        QFile::remove(pdf());
    }

    QString db() const { return m_program.folder->fallbackDatabase(); }
    QString pdf() const { return m_program.folder->exeDir + QStringLiteral("out.pdf"); }
    double mmPerPixel() const { return 25.4 / frm_ChequeDesign->DQR->ppi(); }
    // The cheques the print register holds.
    int registered() const
    {
        return sqliteColumn(db(), QStringLiteral("select count(*) from PrintLog")).value(0).toInt();
    }

    RunningProgram m_program;
};
