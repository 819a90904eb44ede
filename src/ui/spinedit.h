#pragma once

#include <QSpinBox>

// A spin edit without bounds whose value is whatever its text says: a text
// that is not a whole number (an empty one included) reads as 0. Every change
// of the text, each keystroke included, is reported.
class SpinEdit : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinEdit(QWidget *parent = nullptr);

    int currentValue() const;
    void setCurrentValue(int value);

Q_SIGNALS:
    void changed();
};
