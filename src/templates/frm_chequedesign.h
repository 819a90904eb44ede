#pragma once

#include <QDialog>

// The template designer: picture, size, fonts, sample values and the place of every item. It also serves the print job as its working model.
class Tfrm_ChequeDesign : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_ChequeDesign(QWidget *parent = nullptr);
};
