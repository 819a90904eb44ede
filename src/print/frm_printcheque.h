#pragma once

#include <QDialog>

// The printed page and its six labels. Never shown.
class Tfrm_PrintCheque : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_PrintCheque(QWidget *parent = nullptr);
};
