#pragma once

#include <QDialog>

// Asks the title a template is saved under.
class Tfrm_ChequeTitle : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_ChequeTitle(QWidget *parent = nullptr);
};
