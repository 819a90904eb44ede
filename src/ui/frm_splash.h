#pragma once

#include <QDialog>

// The picture that fades in when the program starts.
class Tfrm_Splash : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_Splash(QWidget *parent = nullptr);
};
