#pragma once

#include <QDialog>

class QPushButton;
class SpinEdit;

// Asks the cheque's size and, optionally, a picture of the blank cheque.
class Tfrm_ChequeImage : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_ChequeImage(QWidget *parent = nullptr);

    SpinEdit *edt_Length; // the height
    SpinEdit *edt_Width; // the width across
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    QString fileName() const { return FName; }
    int currentWidth() const { return m_width; }
    int currentHeight() const { return m_height; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BitBtn1Click();
    void BitBtn2Click();

    QString FName;
    int m_width = 0;
    int m_height = 0;
};

// A file chooser for pictures, with a preview of the picture under the cursor.
// Returns the chosen path, or an empty text when the user cancelled.
QString ChoosePictureFile(QWidget *parent);

bool AskChequeImage(QString &path, int &width, int &height);
