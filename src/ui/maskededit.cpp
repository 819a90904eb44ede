#include "ui/maskededit.h"

#include "ui/keycodes.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

// Keys that a read-only edit still acts on: they move the caret, select or
// copy, or they belong to the window (Enter, Escape).
bool passesThrough(const QKeyEvent &event)
{
    static const QKeySequence::StandardKey keys[] = {
        QKeySequence::MoveToNextChar, QKeySequence::MoveToPreviousChar,
        QKeySequence::MoveToNextWord, QKeySequence::MoveToPreviousWord,
        QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine,
        QKeySequence::MoveToStartOfBlock, QKeySequence::MoveToEndOfBlock,
        QKeySequence::MoveToStartOfDocument, QKeySequence::MoveToEndOfDocument,
        QKeySequence::SelectNextChar, QKeySequence::SelectPreviousChar,
        QKeySequence::SelectNextWord, QKeySequence::SelectPreviousWord,
        QKeySequence::SelectStartOfLine, QKeySequence::SelectEndOfLine,
        QKeySequence::SelectStartOfBlock, QKeySequence::SelectEndOfBlock,
        QKeySequence::SelectStartOfDocument, QKeySequence::SelectEndOfDocument,
        QKeySequence::SelectAll, QKeySequence::Deselect, QKeySequence::Copy,
    };
    for (QKeySequence::StandardKey key : keys) {
        if (event.matches(key))
            return true;
    }
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

// Keys that would write into the text if the edit got them.
bool writes(const QKeyEvent &event)
{
    static const QKeySequence::StandardKey keys[] = {
        QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
        QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };
    for (QKeySequence::StandardKey key : keys) {
        if (event.matches(key))
            return true;
    }
    return !event.text().isEmpty() || event.key() == Qt::Key_Backspace
        || event.key() == Qt::Key_Delete || event.key() == Qt::Key_Insert;
}

int digitOfChar(QChar c)
{
    for (char16_t zero : {u'0', u'\u0660', u'\u06F0'}) {
        if (c.unicode() >= zero && c.unicode() <= zero + 9)
            return c.unicode() - zero;
    }
    return -1;
}

} // namespace

MaskedEdit::MaskedEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAcceptDrops(false);
    setDragEnabled(false);
    // Keys then arrive as key events, each with its own key code.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void MaskedEdit::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT keyDown(PlatformKeyCode(*event));
    if (passesThrough(*event))
        QLineEdit::keyPressEvent(event);
    else if (writes(*event))
        event->accept();
    else
        event->ignore();
}

void MaskedEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // An input method that still reaches us only gets its digits through,
    // each as the digit key it stands for.
    for (QChar c : event->commitString()) {
        const int digit = digitOfChar(c);
        if (digit >= 0)
            Q_EMIT keyDown(kKeyDigit0 + digit);
    }
    event->accept();
}

void MaskedEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button would paste the selection clipboard.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void MaskedEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        const QString name = action->objectName();
        if (name == u"edit-undo"_s || name == u"edit-redo"_s || name == u"edit-cut"_s
            || name == u"edit-paste"_s || name == u"edit-delete"_s) {
            action->setEnabled(false);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void MaskedEdit::dragEnterEvent(QDragEnterEvent *event)
{
    event->ignore();
}

void MaskedEdit::dragMoveEvent(QDragMoveEvent *event)
{
    event->ignore();
}

void MaskedEdit::dropEvent(QDropEvent *event)
{
    event->ignore();
}
