#pragma once

#include <QProxyStyle>

// The platform's style, but for the caption of a button with a picture:
// Qt sets a right-to-left caption against the button's border, apart from
// its picture. Here picture and caption are one block, centred, the picture
// on the reading side.
class ButtonStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
