#pragma once

#include <QWidget>

// The main window: the accounting package's cheques, their filters and the
// way into printing. Closing it ends the program.
class Tfrm_main : public QWidget
{
    Q_OBJECT

public:
    explicit Tfrm_main(QWidget *parent = nullptr);
};
