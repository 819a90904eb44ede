#include "browse/frm_main.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);

    Tfrm_main frm_main;
    frm_main.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frm_main.size(),
                                             frm_main.screen()->availableGeometry()));
    frm_main.show();
    return app.exec();
}
