#include "ui/keycodes.h"
#include "ui/maskededit.h"
#include "ui/maskedentry.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kBack = kKeyBackspace;
constexpr int kDel = kKeyDelete;
constexpr int kShift = 16;
constexpr int kLeft = 37;
constexpr int kLetterA = 65;

int digit(int d) { return kKeyDigit0 + d; }

// A row of a key table: the edit before, the key, the edit after.
void addKeyColumns()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caretAfter");
}
int keypad(int d) { return kKeyNumpad0 + d; }

// A date or amount edit on screen, wired as the windows wire theirs.
struct Field
{
    enum Kind { Date, Amount };

    explicit Field(Kind kind)
    {
        edit.setLayoutDirection(Qt::LeftToRight);
        QObject::connect(&edit, &MaskedEdit::keyDown, &edit, [this, kind](int key) {
            LineEditBox box(&edit);
            if (kind == Date)
                HandleDateKey(box, key);
            else
                HandleAmountKey(box, key, u',');
        });
        if (kind == Date)
            edit.setText(kDateMask);
        edit.show();
        edit.setFocus();
    }

    MaskedEdit edit;
};

} // namespace

class TestMaskedEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateKey_data();
    void dateKey();
    void amountKey_data();
    void amountKey();
    void keyCode_data();
    void keyCode();

    void digitRowByTheKeyItself_data();
    void digitRowByTheKeyItself();
    void typingADateFillsDayMonthYear();
    void typingAnAmountRegroups();
    void persianAndKeypadDigitsType();
    void cursorKeysMoveTheCaretOnly();
    void editingShortcutsWriteNothing();
    void mouseSelectsAndTheRoutineSeesIt();
    void dropWritesNothing();
    void inputMethodDigitsGoThroughTheRoutine();
    void lineEditBoxMatchesTheValueEdit();
};

void TestMaskedEntry::dateKey_data()
{
    addKeyColumns();

    QTest::newRow("all selected, digit") << u"1399/07/15"_s << 0 << 10 << digit(2) << u"____/__/2_"_s << 9;
    QTest::newRow("second day digit") << u"____/__/2_"_s << 9 << 0 << digit(5) << u"____/__/25"_s << 10;
    QTest::newRow("from the end to the month") << u"____/__/25"_s << 10 << 0 << digit(1) << u"____/1_/25"_s << 6;
    QTest::newRow("second month digit") << u"____/1_/25"_s << 6 << 0 << digit(1) << u"____/11/25"_s << 7;
    QTest::newRow("from the month to the year") << u"____/11/25"_s << 7 << 0 << digit(1) << u"1___/11/25"_s << 1;
    QTest::newRow("after the year") << u"1400/11/25"_s << 4 << 0 << digit(9) << u"1400/11/25"_s << 4;
    QTest::newRow("no hole to the right") << u"1400/11/25"_s << 3 << 0 << digit(5) << u"1400/11/25"_s << 3;
    QTest::newRow("insert shifts right") << u"1399/07/__"_s << 7 << 0 << digit(1) << u"1139/90/7_"_s << 1;
    QTest::newRow("backspace at the end") << u"1400/11/25"_s << 10 << 0 << kBack << u"1400/11/2_"_s << 9;
    QTest::newRow("backspace after a slash") << u"1400/11/__"_s << 8 << 0 << kBack << u"1400/1_/__"_s << 6;
    QTest::newRow("backspace closes up") << u"1400/11/25"_s << 5 << 0 << kBack << u"1401/12/5_"_s << 3;
    QTest::newRow("delete at the start") << u"1400/11/25"_s << 0 << 0 << kDel << u"4001/12/5_"_s << 0;
    QTest::newRow("delete before a slash") << u"1400/11/25"_s << 4 << 0 << kDel << u"1400/12/5_"_s << 5;
    QTest::newRow("all selected, backspace") << u"1400/11/25"_s << 0 << 10 << kBack << u"____/__/__"_s << 8;
    QTest::newRow("all selected, delete") << u"1400/11/25"_s << 0 << 10 << kDel << u"____/__/__"_s << 8;
    QTest::newRow("selection blanked") << u"1400/11/25"_s << 2 << 4 << kBack << u"14__/_1/25"_s << 2;
    QTest::newRow("selection blanked, digit") << u"1400/11/25"_s << 2 << 4 << digit(7) << u"147_/_1/25"_s << 3;
    QTest::newRow("keypad zero") << u"____/__/__"_s << 8 << 0 << keypad(0) << u"____/__/0_"_s << 9;
    QTest::newRow("backspace at the start") << u"1400/11/25"_s << 0 << 0 << kBack << u"1400/11/25"_s << 0;
    QTest::newRow("delete at the end") << u"1400/11/25"_s << 10 << 0 << kDel << u"1400/11/25"_s << 10;
    QTest::newRow("cursor key") << u"1400/11/25"_s << 3 << 2 << kLeft << u"1400/11/25"_s << 3;
    QTest::newRow("letter") << u"1400/11/__"_s << 8 << 0 << kLetterA << u"1400/11/__"_s << 8;
    // A date of another shape, as the print job may write it, gives way to
    // the mask instead of being read past its end.
    QTest::newRow("other shape, digit") << u"1399/7/15"_s << 9 << 0 << digit(5) << u"____/__/5_"_s << 9;
    QTest::newRow("other shape, backspace") << u"1399/7/15"_s << 9 << 0 << kBack << u"____/__/__"_s << 8;
    QTest::newRow("empty, digit") << QString() << 0 << 0 << digit(3) << u"____/__/3_"_s << 9;
}

void TestMaskedEntry::dateKey()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(int, selected);
    QFETCH(int, key);
    QFETCH(QString, after);
    QFETCH(int, caretAfter);

    TextEditState edit(before, caret, selected);
    HandleDateKey(edit, key);
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.selStart(), caretAfter);
    QCOMPARE(edit.selLength(), key == kLeft ? selected : 0);
}

void TestMaskedEntry::amountKey_data()
{
    addKeyColumns();

    QTest::newRow("digit at the end") << u"123"_s << 3 << 0 << digit(4) << u"1,234"_s << 5;
    QTest::newRow("keypad digit") << u"1,234"_s << 5 << 0 << keypad(5) << u"12,345"_s << 6;
    QTest::newRow("digit at the start") << u"123"_s << 0 << 0 << digit(4) << u"4,123"_s << 2;
    QTest::newRow("backspace at the end") << u"1,234"_s << 5 << 0 << kBack << u"123"_s << 3;
    QTest::newRow("backspace after a separator") << u"1,234"_s << 2 << 0 << kBack << u"1,234"_s << 2;
    QTest::newRow("delete regroups") << u"12,345,678"_s << 3 << 0 << kDel << u"1,245,678"_s << 3;
    QTest::newRow("delete drops a group") << u"1,245,678"_s << 3 << 0 << kDel << u"125,678"_s << 2;
    QTest::newRow("delete a separator") << u"1,234"_s << 1 << 0 << kDel << u"1,234"_s << 2;
    QTest::newRow("backspace at the start") << u"1,234"_s << 0 << 0 << kBack << u"1,234"_s << 0;
    QTest::newRow("backspace with selection") << u"1,234"_s << 2 << 1 << kBack << u"134"_s << 1;
    QTest::newRow("digit over selection") << u"1,234"_s << 2 << 3 << digit(9) << u"19"_s << 2;
    QTest::newRow("delete with selection at the end") << u"1,234"_s << 2 << 3 << kDel << u"1,"_s << 2;
    QTest::newRow("leading zero stays") << u"1,234"_s << 0 << 0 << digit(0) << u"01,234"_s << 1;
    QTest::newRow("shift takes the selection") << u"1,234"_s << 2 << 1 << kShift << u"134"_s << 1;
    QTest::newRow("cursor key takes the selection") << u"1,234"_s << 2 << 3 << kLeft << u"1"_s << 1;
    QTest::newRow("trailing separator goes") << u"1,"_s << 2 << 0 << digit(5) << u"15"_s << 2;
    QTest::newRow("trailing separator, backspace") << u"1,"_s << 2 << 0 << kBack << u"1"_s << 1;
    QTest::newRow("delete at the end") << u"1,234"_s << 5 << 0 << kDel << u"1,234"_s << 5;
    QTest::newRow("digit before a trailing separator") << u"500,000,"_s << 2 << 0 << digit(9)
                                                       << u"5,090,000"_s << 4;
    QTest::newRow("cursor key leaving two separators") << u"8,888,"_s << 2 << 3 << kLeft << u"8"_s << 1;
    QTest::newRow("shift after cutting the last groups") << u"1,000,000"_s << 5 << 4 << kShift << u"1,000"_s << 5;
    QTest::newRow("backspace at the start with selection regroups")
        << u"1,234,567"_s << 0 << 3 << kBack << u"34,567"_s << 0;
    QTest::newRow("sixteen digits") << u"100,000,000,000,000"_s << 19 << 0 << digit(0)
                                    << u"1,000,000,000,000,000"_s << 21;
}

void TestMaskedEntry::amountKey()
{
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(int, selected);
    QFETCH(int, key);
    QFETCH(QString, after);
    QFETCH(int, caretAfter);

    TextEditState edit(before, caret, selected);
    HandleAmountKey(edit, key, u',');
    QCOMPARE(edit.text(), after);
    QCOMPARE(edit.selStart(), caretAfter);
    QCOMPARE(edit.selLength(), 0);
}

void TestMaskedEntry::keyCode_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    const int none = Qt::NoModifier;
    const int pad = Qt::KeypadModifier;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << u"\b"_s << 8;
    QTest::newRow("delete") << int(Qt::Key_Delete) << none << QString() << 46;
    QTest::newRow("digit 0") << int(Qt::Key_0) << none << u"0"_s << 48;
    QTest::newRow("digit 9") << int(Qt::Key_9) << none << u"9"_s << 57;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << pad << u"0"_s << 96;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << pad << u"9"_s << 105;
    QTest::newRow("Persian 5") << 0x06F5 << none << QString(QChar(0x06F5)) << 53;
    QTest::newRow("Arabic-Indic 3") << 0x0663 << none << QString(QChar(0x0663)) << 51;
    QTest::newRow("control digit") << int(Qt::Key_7) << int(Qt::ControlModifier) << QString() << 55;
    // Qt's codes of these keys fall into the groups; the platform's do not.
    QTest::newRow("period") << int(Qt::Key_Period) << none << u"."_s << -1;
    QTest::newRow("grave") << int(Qt::Key_QuoteLeft) << none << u"`"_s << -1;
    QTest::newRow("parenthesis") << int(Qt::Key_ParenLeft) << none << u"("_s << -1;
    QTest::newRow("keypad insert") << int(Qt::Key_Insert) << pad << QString() << -1;
    QTest::newRow("keypad period") << int(Qt::Key_Period) << pad << u"."_s << -1;
    QTest::newRow("exclamation") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << u"!"_s << -1;
    QTest::newRow("Persian letter") << 0x06A9 << none << QString(QChar(0x06A9)) << -1;
    QTest::newRow("letter") << int(Qt::Key_A) << none << u"a"_s << 65;
    QTest::newRow("left") << int(Qt::Key_Left) << none << QString() << 37;
    QTest::newRow("shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << QString() << 16;
}

void TestMaskedEntry::keyCode()
{
    QFETCH(int, qtKey);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);

    const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::KeyboardModifiers(modifiers), text);
    const int got = PlatformKeyCode(event);
    if (code >= 0) {
        QCOMPARE(got, code);
    } else {
        QVERIFY2(!IsDigitKey(got) && got != kKeyBackspace && got != kKeyDelete,
                 qPrintable(QString::number(got)));
    }
}

void TestMaskedEntry::digitRowByTheKeyItself_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digit"); // of the key in the digit row
    QTest::newRow("Shift+4") << int(Qt::Key_Dollar) << u"$"_s << 4;
    QTest::newRow("Shift+0") << int(Qt::Key_ParenRight) << u")"_s << 0;
    QTest::newRow("AZERTY 1") << int(Qt::Key_Ampersand) << u"&"_s << 1;
}

void TestMaskedEntry::digitRowByTheKeyItself()
{
    QFETCH(int, qtKey);
    QFETCH(QString, text);
    QFETCH(int, digit);
#ifdef Q_OS_WIN
    const quint32 scanCode = 0, virtualKey = 0x30 + quint32(digit);
#else
    const quint32 scanCode = digit == 0 ? 19 : 9 + quint32(digit), virtualKey = text[0].unicode();
#endif
    const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::ShiftModifier, scanCode, virtualKey, 0, text);
    QCOMPARE(PlatformKeyCode(event), kKeyDigit0 + digit);
    // Shift+4 in the amount field is the digit 4.
    Field field(Field::Amount);
    field.edit.setText(u"12"_s);
    field.edit.setCursorPosition(2);
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::ShiftModifier, scanCode, virtualKey, 0, text);
    QApplication::sendEvent(&field.edit, &press);
    QCOMPARE(field.edit.text(), u"12"_s + QString::number(digit));
}

void TestMaskedEntry::typingADateFillsDayMonthYear()
{
    Field field(Field::Date);
    field.edit.selectAll();
    QTest::keyClicks(&field.edit, u"25111400"_s);
    QCOMPARE(field.edit.text(), u"1400/11/25"_s);
    QCOMPARE(field.edit.cursorPosition(), 4);
    // Further digits have no place to go.
    QTest::keyClick(&field.edit, Qt::Key_3);
    QCOMPARE(field.edit.text(), u"1400/11/25"_s);
    QTest::keyClick(&field.edit, Qt::Key_End);
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(field.edit.text(), u"1400/11/2_"_s);
}

void TestMaskedEntry::typingAnAmountRegroups()
{
    Field field(Field::Amount);
    QTest::keyClicks(&field.edit, u"1234567"_s);
    QCOMPARE(field.edit.text(), u"1,234,567"_s);
    QCOMPARE(field.edit.cursorPosition(), 9);
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(field.edit.text(), u"123,456"_s);
    QTest::keyClick(&field.edit, Qt::Key_Home);
    QTest::keyClick(&field.edit, Qt::Key_Delete);
    QCOMPARE(field.edit.text(), u"23,456"_s);
    // Letters and signs are not amounts.
    QTest::keyClicks(&field.edit, u"a-.,"_s);
    QCOMPARE(field.edit.text(), u"23,456"_s);
}

void TestMaskedEntry::persianAndKeypadDigitsType()
{
    Field field(Field::Amount);
    for (char16_t c : {u'\u06F1', u'\u06F2', u'\u0663'}) {
        QTest::sendKeyEvent(QTest::Click, &field.edit, Qt::Key(c), QString(QChar(c)), Qt::NoModifier);
    }
    QTest::keyClick(&field.edit, Qt::Key_4, Qt::KeypadModifier);
    QCOMPARE(field.edit.text(), u"1,234"_s);
}

void TestMaskedEntry::cursorKeysMoveTheCaretOnly()
{
    Field field(Field::Date);
    field.edit.setText(u"1400/11/25"_s);
    QTest::keyClick(&field.edit, Qt::Key_End);
    QCOMPARE(field.edit.cursorPosition(), 10);
    QTest::keyClick(&field.edit, Qt::Key_Left);
    QCOMPARE(field.edit.cursorPosition(), 9);
    QTest::keyClick(&field.edit, Qt::Key_Home);
    QCOMPARE(field.edit.cursorPosition(), 0);
    QTest::keyClick(&field.edit, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(field.edit.selectedText(), u"1"_s);
    QCOMPARE(field.edit.text(), u"1400/11/25"_s);
}

void TestMaskedEntry::editingShortcutsWriteNothing()
{
    Field field(Field::Date);
    field.edit.setText(u"1400/11/25"_s);
    QApplication::clipboard()->setText(u"1399/01/01"_s);

    QTest::keyClick(&field.edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field.edit.selectedText(), u"1400/11/25"_s);
    QTest::keyClick(&field.edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), u"1400/11/25"_s);
    QApplication::clipboard()->setText(u"1399/01/01"_s);
    QTest::keyClick(&field.edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(&field.edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&field.edit, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(field.edit.text(), u"1400/11/25"_s);

    // Undo would bring back a text the routine never wrote.
    QTest::keyClick(&field.edit, Qt::Key_End);
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(field.edit.text(), u"1400/11/2_"_s);
    QTest::keyClick(&field.edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(field.edit.text(), u"1400/11/2_"_s);
}

void TestMaskedEntry::mouseSelectsAndTheRoutineSeesIt()
{
    Field field(Field::Amount);
    field.edit.setText(u"1,234"_s);
    field.edit.setCursorPosition(5);
    QTest::mouseDClick(&field.edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, field.edit.height() / 2));
    QVERIFY(field.edit.hasSelectedText());
    TextEditState expected(field.edit.text(), field.edit.selectionStart(),
                           int(field.edit.selectedText().size()));
    HandleAmountKey(expected, kBack, u',');
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(field.edit.text(), expected.text());
    QCOMPARE(field.edit.cursorPosition(), expected.selStart());
}

void TestMaskedEntry::dropWritesNothing()
{
    Field field(Field::Amount);
    field.edit.setText(u"1,234"_s);
    QMimeData mime;
    mime.setText(u"999"_s);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field.edit, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field.edit, &drop);
    QCOMPARE(field.edit.text(), u"1,234"_s);
}

void TestMaskedEntry::inputMethodDigitsGoThroughTheRoutine()
{
    Field field(Field::Amount);
    field.edit.setText(u"1,234"_s);
    field.edit.setCursorPosition(5);
    QInputMethodEvent event(QString(), {});
    event.setCommitString(QString(QChar(0x06F5)) + u"x"_s);
    QApplication::sendEvent(&field.edit, &event);
    QCOMPARE(field.edit.text(), u"12,345"_s);
}

void TestMaskedEntry::lineEditBoxMatchesTheValueEdit()
{
    // The adapter must report and take selections as the value edit does,
    // whichever way the selection was made.
    QLineEdit edit;
    LineEditBox box(&edit);
    edit.setText(u"1400/11/25"_s);
    edit.setSelection(6, -4); // made from right to left
    QCOMPARE(box.selStart(), 2);
    QCOMPARE(box.selLength(), 4);
    QCOMPARE(box.selText(), u"00/1"_s);
    box.setSelText(u"__/_"_s);
    QCOMPARE(edit.text(), u"14__/_1/25"_s);
    QCOMPARE(box.selStart(), 6);
    QCOMPARE(box.selLength(), 0);
    box.setText(u"123"_s);
    QCOMPARE(box.selStart(), 0);
    edit.selectAll();
    box.setSelStart(2);
    QCOMPARE(box.selLength(), 0);
    QCOMPARE(box.selStart(), 2);
}

QTEST_MAIN(TestMaskedEntry)
#include "tst_maskedentry.moc"
