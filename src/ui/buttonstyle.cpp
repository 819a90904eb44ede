#include "ui/buttonstyle.h"

#include <QPainter>
#include <QStyleOptionButton>

void ButtonStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButtonLabel || !button || button->icon.isNull() || button->text.isEmpty()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    constexpr int gap = 6;
    const QRect r = button->rect;
    const QSize icon = button->iconSize;
    const int textWidth = button->fontMetrics.horizontalAdvance(button->text);
    const int total = icon.width() + gap + textWidth;
    const int left = r.x() + std::max(0, (r.width() - total) / 2);
    const bool rightToLeft = button->direction == Qt::RightToLeft;
    const QRect iconRect(rightToLeft ? left + textWidth + gap : left, r.y() + (r.height() - icon.height()) / 2,
                         icon.width(), icon.height());
    const QRect textRect(rightToLeft ? left : left + icon.width() + gap, r.y(), textWidth, r.height());
    const bool enabled = button->state & State_Enabled;
    const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
    painter->drawPixmap(iconRect, button->icon.pixmap(icon, painter->device()->devicePixelRatio(), mode));
    proxy()->drawItemText(painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, button->palette, enabled,
                          button->text, QPalette::ButtonText);
}
