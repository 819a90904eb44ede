#pragma once

#include <QDialog>

// Chooses a cheque picture and the cheque's size.
class Tfrm_ChequeImage : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_ChequeImage(QWidget *parent = nullptr);
};
