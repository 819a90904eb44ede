#include "ui/keycodes.h"

#include <QKeyEvent>

namespace {

// The digit value of one typed character, or -1: ASCII, Arabic-Indic
// (U+0660..) and Persian (U+06F0..) digits alike.
int digitValue(const QString &text)
{
    if (text.size() != 1)
        return -1;
    const char16_t c = text[0].unicode();
    for (char16_t zero : {u'0', u'\u0660', u'\u06F0'}) {
        if (c >= zero && c <= zero + 9)
            return c - zero;
    }
    return -1;
}

// The digit of the digit-row key that was pressed, whatever the layout or
// Shift made of its character; -1 for any other key, or where the platform
// says nothing of the key itself.
int digitRowKey(const QKeyEvent &event)
{
#ifdef Q_OS_WIN
    const quint32 virtualKey = event.nativeVirtualKey(); // VK_0..VK_9, unshifted
    if (virtualKey >= 0x30 && virtualKey <= 0x39)
        return int(virtualKey - 0x30);
#else
    // X11 and Wayland key codes: evdev's 2..11 ("1".."9", "0") plus 8.
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= 10 && scanCode <= 19)
        return scanCode == 19 ? 0 : int(scanCode - 9);
#endif
    return -1;
}

} // namespace

int PlatformKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    int digit = digitValue(event.text());
    if (digit < 0 && key >= Qt::Key_0 && key <= Qt::Key_9 && event.text().isEmpty())
        digit = key - Qt::Key_0;
    // A character that is no digit (Shift+4 is "$") says nothing: the key does.
    if (digit < 0 && !(event.modifiers() & Qt::KeypadModifier))
        digit = digitRowKey(event);
    if (digit >= 0)
        return (event.modifiers() & Qt::KeypadModifier) ? kKeyNumpad0 + digit : kKeyDigit0 + digit;

    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // the same values as the virtual-key codes of the letters
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);

    switch (key) {
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Meta: return 91;
    default: return 0; // any other key: outside every group the routines know
    }
}
