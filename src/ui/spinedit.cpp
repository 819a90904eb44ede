#include "ui/spinedit.h"

#include <QLineEdit>

#include <limits>

SpinEdit::SpinEdit(QWidget *parent)
    : QSpinBox(parent)
{
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    setLayoutDirection(Qt::LeftToRight);
    // The spin box writes its own text with the edit's signals blocked, and
    // says nothing itself when the text is cleared: both are needed.
    connect(this, &QSpinBox::textChanged, this, &SpinEdit::changed);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (lineEdit()->text().isEmpty())
            Q_EMIT changed();
    });
}

int SpinEdit::currentValue() const
{
    bool ok = false;
    const int value = lineEdit()->text().toInt(&ok);
    return ok ? value : 0;
}

void SpinEdit::setCurrentValue(int value)
{
    setValue(value);
    // setValue says nothing when the value stands already, yet a cleared
    // text must show it again.
    if (currentValue() != value || lineEdit()->text().isEmpty())
        lineEdit()->setText(QString::number(value));
}
