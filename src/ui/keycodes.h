#pragma once

class QKeyEvent;

// The platform key codes the masked-entry routines know. They were defined
// by the Windows virtual-key codes, and stored behaviour depends on them.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKeyDigit0 = 48; // main keyboard, 48 to 57
inline constexpr int kKeyNumpad0 = 96; // keypad, 96 to 105

inline bool IsMainDigitKey(int key) { return key >= kKeyDigit0 && key <= kKeyDigit0 + 9; }
inline bool IsNumpadDigitKey(int key) { return key >= kKeyNumpad0 && key <= kKeyNumpad0 + 9; }
inline bool IsDigitKey(int key) { return IsMainDigitKey(key) || IsNumpadDigitKey(key); }
// The ASCII digit a digit key writes, whatever the keyboard layout.
inline char DigitOfKey(int key) { return char('0' + (IsNumpadDigitKey(key) ? key - kKeyNumpad0 : key - kKeyDigit0)); }

// The platform key code of a Qt key event. The digit keys of a Persian or
// Arabic layout (Persian and Arabic-Indic digits) count as the main
// keyboard's digits; keys outside the four known groups get codes outside them.
int PlatformKeyCode(const QKeyEvent &event);
