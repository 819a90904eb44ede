#pragma once

#include <QDialog>

// The template list: choose a template for a cheque, see it filled in, print; create, edit, reorder and delete templates.
class Tfrm_DesignedChequeList : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_DesignedChequeList(QWidget *parent = nullptr);

    // Reads the templates again, keeping the current row.
    void RefreshTemplates() {}
};
