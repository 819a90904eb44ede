#pragma once

#include <QString>

class Tfrm_main;
class Tfrm_Dlg;
class Tfrm_ChequeDesign;
class Tfrm_PrintCheque;
class Tfrm_ChequeImage;
class Tfrm_ChequeTitle;
class Tfrm_DesignedChequeList;
class Tfrm_Splash;

// The program's windows, one of each, created once at start-up in this order
// and kept until the end.
extern Tfrm_main *frm_main;
extern Tfrm_Dlg *frm_Dlg;
extern Tfrm_ChequeDesign *frm_ChequeDesign;
extern Tfrm_PrintCheque *frm_PrintCheque;
extern Tfrm_ChequeImage *frm_ChequeImage;
extern Tfrm_ChequeTitle *frm_ChequeTitle;
extern Tfrm_DesignedChequeList *frm_DesignedChequeList;
extern Tfrm_Splash *frm_Splash;

// Where the program looks for its files: its own folder and the one above,
// each ending in the path separator.
struct ProgramFolders
{
    QString exeDir;
    QString parentDir;
};

ProgramFolders RunningProgramFolders();

// Creates the eight windows; the main window's creation runs start-up.
void CreateForms(const ProgramFolders &folders);
void DestroyForms();
