#pragma once

#include <QLineEdit>

// A line edit whose text only its key-down handler changes, as a read-only
// edit would behave on the platform the program was first written for:
// typing, Backspace, Delete, paste, cut, undo, drag and drop and input methods
// write nothing by themselves, while the caret keeps moving with the cursor
// keys, Home, End and the mouse, and the mouse still selects.
//
// Every key press is first reported through keyDown() with its platform key
// code; the window's handler hands it to a masked-entry routine. Afterwards
// the key reaches the edit as usual, and only movement, selection and copying
// take effect.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MaskedEdit(QWidget *parent = nullptr);

Q_SIGNALS:
    void keyDown(int keyCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
