#include "app/application.h"
#include "app/forms.h"
#include "browse/frm_main.h"

#include <QScreen>
#include <QStyle>

int main(int argc, char *argv[])
{
    ChequeApplication app(argc, argv);

    CreateForms(RunningProgramFolders());
    if (frm_main->endedAtStartup()) {
        DestroyForms();
        return 1;
    }
    frm_main->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frm_main->size(),
                                              frm_main->screen()->availableGeometry()));
    frm_main->setSplashOnFirstShow(true);
    frm_main->show();
    const int result = app.exec();
    DestroyForms();
    return result;
}
