#include "app/forms.h"

#include "app/paths.h"
#include "browse/frm_main.h"
#include "print/frm_designedchequelist.h"
#include "print/frm_printcheque.h"
#include "templates/frm_chequedesign.h"
#include "templates/frm_chequeimage.h"
#include "templates/frm_chequetitle.h"
#include "ui/frm_dlg.h"
#include "ui/frm_splash.h"

Tfrm_main *frm_main = nullptr;
Tfrm_Dlg *frm_Dlg = nullptr;
Tfrm_ChequeDesign *frm_ChequeDesign = nullptr;
Tfrm_PrintCheque *frm_PrintCheque = nullptr;
Tfrm_ChequeImage *frm_ChequeImage = nullptr;
Tfrm_ChequeTitle *frm_ChequeTitle = nullptr;
Tfrm_DesignedChequeList *frm_DesignedChequeList = nullptr;
Tfrm_Splash *frm_Splash = nullptr;

ProgramFolders RunningProgramFolders()
{
    return {ExeDir(), ParentDir()};
}

void CreateForms(const ProgramFolders &folders)
{
    frm_main = new Tfrm_main(folders);
    // A message shown during start-up may already have made the dialog.
    if (!frm_Dlg)
        frm_Dlg = new Tfrm_Dlg(frm_main);
    else
        frm_Dlg->setParent(frm_main, frm_Dlg->windowFlags());
    frm_ChequeDesign = new Tfrm_ChequeDesign(frm_main->Con, frm_main);
    frm_PrintCheque = new Tfrm_PrintCheque(frm_main);
    frm_ChequeImage = new Tfrm_ChequeImage(frm_main);
    frm_ChequeTitle = new Tfrm_ChequeTitle(frm_main->Con, frm_main);
    frm_DesignedChequeList = new Tfrm_DesignedChequeList(frm_main->Con, frm_main);
    frm_Splash = new Tfrm_Splash(frm_main);
}

void DestroyForms()
{
    // The main window owns the others.
    delete frm_main;
    frm_main = nullptr;
    frm_Dlg = nullptr;
    frm_ChequeDesign = nullptr;
    frm_PrintCheque = nullptr;
    frm_ChequeImage = nullptr;
    frm_ChequeTitle = nullptr;
    frm_DesignedChequeList = nullptr;
    frm_Splash = nullptr;
}
