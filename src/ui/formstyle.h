#pragma once

#include <QFont>
#include <QString>

class QWidget;

// A font of the given family and character height in pixels, as the forms
// give their fonts.
QFont PixelFont(const QString &family, int pixels, bool bold = false);

// What every window of the program shares: its instance name, right-to-left
// reading and Tahoma 11 pixels high.
void SetUpForm(QWidget *form, const QString &instanceName);

// Moves a window so that its outer box is centred over another's.
void CentreOver(QWidget *window, const QWidget *over);
