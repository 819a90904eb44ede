#include "ui/maskedentry.h"

#include "ui/keycodes.h"
#include "wording/amounts.h"

#include <QLineEdit>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

const QString kDateMask = u"____/__/__"_s;

TextEditState::TextEditState(QString text, int caret, int selLength)
    : m_text(std::move(text))
{
    select(caret, selLength);
}

void TextEditState::setText(const QString &text)
{
    m_text = text;
    m_start = 0;
    m_length = 0;
}

void TextEditState::setSelStart(int position)
{
    m_start = std::clamp(position, 0, int(m_text.size()));
    m_length = 0;
}

void TextEditState::setSelText(const QString &text)
{
    m_text.replace(m_start, m_length, text);
    m_start += int(text.size());
    m_length = 0;
}

void TextEditState::select(int start, int length)
{
    m_start = std::clamp(start, 0, int(m_text.size()));
    m_length = std::clamp(length, 0, int(m_text.size()) - m_start);
}

QString LineEditBox::text() const
{
    return m_edit->text();
}

void LineEditBox::setText(const QString &text)
{
    m_edit->setText(text);
    m_edit->setCursorPosition(0);
}

int LineEditBox::selStart() const
{
    return m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
}

void LineEditBox::setSelStart(int position)
{
    m_edit->deselect();
    m_edit->setCursorPosition(position);
}

int LineEditBox::selLength() const
{
    return int(m_edit->selectedText().size());
}

QString LineEditBox::selText() const
{
    return m_edit->selectedText();
}

void LineEditBox::setSelText(const QString &text)
{
    const int start = selStart();
    QString whole = m_edit->text();
    whole.replace(start, selLength(), text);
    m_edit->setText(whole);
    m_edit->setCursorPosition(start + int(text.size()));
}

namespace {

// Digit places of date text, counted from 1: 1 to 4, 6, 7, 9, 10.
int nextPlace(int position)
{
    ++position;
    return (position == 5 || position == 8) ? position + 1 : position;
}

int previousPlace(int position)
{
    --position;
    return (position == 5 || position == 8) ? position - 1 : position;
}

QChar &at(QString &text, int position)
{
    return text[position - 1];
}

// Empties the digit place at `position`: every later place's character moves
// one place left and the last place becomes "_".
void closeUp(QString &text, int position)
{
    for (int i = position;; i = nextPlace(i)) {
        const int next = nextPlace(i);
        if (next > 10) {
            at(text, i) = u'_';
            return;
        }
        at(text, i) = at(text, next);
    }
}

bool hasDateShape(const QString &text)
{
    return text.size() == 10 && text[4] == u'/' && text[7] == u'/';
}

} // namespace

void HandleDateKey(EditBox &edit, int key)
{
    const bool digit = IsDigitKey(key);
    if (!digit && key != kKeyBackspace && key != kKeyDelete)
        return;

    QString text = edit.text();
    int caret = edit.selStart();
    int length = edit.selLength();

    // A text of another shape (a date of another form written in by the print
    // job) is treated like a whole selection: it gives way to the empty mask,
    // so that no key ever reads or writes outside the ten places.
    if (length == 10 || !hasDateShape(text)) {
        text = kDateMask;
        caret = key == kKeyBackspace ? 9 : 8;
        length = 0;
    }

    if (length > 0) {
        for (int i = caret; i < caret + length; ++i) {
            if (text[i] != u'/')
                text[i] = u'_';
        }
    }

    if (key == kKeyBackspace) {
        if (length == 0 && caret > 0) {
            int p = caret;
            if (p == 5 || p == 8)
                --p;
            closeUp(text, p);
            caret = p - 1;
        }
    } else if (key == kKeyDelete) {
        if (length == 0 && caret < 10) {
            int p = caret;
            if (p == 4 || p == 7)
                ++p;
            closeUp(text, p + 1);
            caret = p;
        }
    } else if (caret != 4) {
        // The jumps make an empty date fill the day first, then the month,
        // then the year.
        int p = caret;
        if (p == 7)
            p = 0;
        else if (p == 10)
            p = 5;
        int hole = p + 1;
        while (hole <= 10 && at(text, hole) != u'_')
            hole = nextPlace(hole);
        // No hole to the right: a digit never overwrites another.
        if (hole <= 10) {
            for (int i = hole; i != p + 1; i = previousPlace(i))
                at(text, i) = at(text, previousPlace(i));
            at(text, p + 1) = QLatin1Char(DigitOfKey(key));
            caret = p + 1;
        }
    }

    if (text != edit.text())
        edit.setText(text);
    edit.setSelStart(caret);
}

void HandleAmountKey(EditBox &edit, int key, QChar separator)
{
    QString text = edit.text();
    int caret = edit.selStart();
    // Every key, even Shift or a cursor key, takes the selection away.
    const bool cut = edit.selLength() > 0;
    if (cut)
        text.remove(caret, edit.selLength());

    bool regroup = true;
    if (IsDigitKey(key)) {
        text.insert(caret, QLatin1Char(DigitOfKey(key)));
        ++caret;
    } else if (key == kKeyBackspace) {
        // Nothing to take away; what was cut still wants regrouping
        // ("1,234" less its "1," is "234", not ",234").
        if (caret == 0) {
            regroup = cut;
        } else {
            text.remove(caret - 1, 1);
            --caret;
        }
    } else if (key == kKeyDelete) {
        if (caret == text.size())
            regroup = false;
        else
            text.remove(caret, 1);
    }

    if (regroup) {
        int removed = 0;
        int inserted = 0;
        // Separators left at the end (by a cut, or by Delete at the end
        // after one): the last character is the one the stripping spares,
        // and "0,000," would regroup as "00,00,", "8,," as "8,".
        while (text.endsWith(separator))
            text.chop(1);
        caret = std::min(caret, int(text.size()));
        text = GroupInThrees(RemoveCharButLast(text, separator, &removed), separator, &inserted);
        if (removed < inserted)
            ++caret;
        else if (removed > inserted)
            caret = std::max(0, caret - 1);
    }

    if (text != edit.text())
        edit.setText(text);
    edit.setSelStart(caret);
}
