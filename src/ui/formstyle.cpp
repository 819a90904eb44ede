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
