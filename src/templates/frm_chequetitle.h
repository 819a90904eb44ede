#pragma once

#include "app/database.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The answer of the title dialog.
struct TChequeTitle
{
    qint64 ID = 0; // the template that has the chosen title, 0 for none
    QString Title;
    bool Selected = false;
};

// Asks the title a template is saved under, and whether a template has it.
class Tfrm_ChequeTitle : public QDialog
{
    Q_OBJECT

public:
    Tfrm_ChequeTitle(Connection &connection, QWidget *parent = nullptr);

    QLineEdit *edt_Title;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    Query q;

    qint64 foundId() const { return ID; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BitBtn1Click();
    qint64 ID = 0;
};

void AskChequeTitle(const QString &currentTitle, TChequeTitle &answer);
