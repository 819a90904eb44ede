#pragma once

#include <QChar>
#include <QString>

class QLineEdit;

// What the masked-entry routines need of an edit: its text, its caret and its
// selection. Positions count characters before the caret, from 0.
class EditBox
{
public:
    virtual ~EditBox() = default;

    virtual QString text() const = 0;
    // Writing the text moves the caret to 0.
    virtual void setText(const QString &text) = 0;
    // The caret, or the start of the selection when there is one.
    virtual int selStart() const = 0;
    // Moves the caret there and clears the selection.
    virtual void setSelStart(int position) = 0;
    virtual int selLength() const = 0;
    virtual QString selText() const = 0;
    // Replaces the selection; the caret goes after the new text.
    virtual void setSelText(const QString &text) = 0;
};

// An edit that is only a value, for callers without a window.
class TextEditState : public EditBox
{
public:
    explicit TextEditState(QString text = QString(), int caret = 0, int selLength = 0);

    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    int selStart() const override { return m_start; }
    void setSelStart(int position) override;
    int selLength() const override { return m_length; }
    QString selText() const override { return m_text.mid(m_start, m_length); }
    void setSelText(const QString &text) override;
    // Selects `length` characters from `start`.
    void select(int start, int length);

private:
    QString m_text;
    int m_start = 0;
    int m_length = 0;
};

// The same operations on a Qt line edit.
class LineEditBox : public EditBox
{
public:
    explicit LineEditBox(QLineEdit *edit) : m_edit(edit) {}

    QString text() const override;
    void setText(const QString &text) override;
    int selStart() const override;
    void setSelStart(int position) override;
    int selLength() const override;
    QString selText() const override;
    void setSelText(const QString &text) override;

private:
    QLineEdit *m_edit;
};

// The empty date: "_" in every digit place not yet filled.
extern const QString kDateMask;

// Keeps a date edit in the shape of date text with holes ("1399/__/15").
void HandleDateKey(EditBox &edit, int key);
// Keeps an amount edit in grouped amount text, regrouped after every key.
void HandleAmountKey(EditBox &edit, int key, QChar separator);
