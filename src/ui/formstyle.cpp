#include "ui/formstyle.h"

#include <QWidget>

using namespace Qt::Literals::StringLiterals;

QFont PixelFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetUpForm(QWidget *form, const QString &instanceName)
{
    form->setObjectName(instanceName);
    form->setLayoutDirection(Qt::RightToLeft);
    form->setFont(PixelFont(u"Tahoma"_s, 11));
}

void CentreOver(QWidget *window, const QWidget *over)
{
    const QRect outer = over->frameGeometry();
    const QSize own = window->frameGeometry().size();
    window->move(outer.left() + (outer.width() / 2 - own.width() / 2),
                 outer.top() + (outer.height() / 2 - own.height() / 2));
}
