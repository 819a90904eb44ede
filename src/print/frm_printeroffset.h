#pragma once

#include <QDialog>
#include <QPointF>

#include <functional>

class QDoubleSpinBox;
class QLabel;
class QPushButton;

// A printer's offset, typed in tenths of a millimetre, and the page to
// measure it with.
class Tfrm_PrinterOffset : public QDialog
{
    Q_OBJECT

public:
    explicit Tfrm_PrinterOffset(QWidget *parent = nullptr);

    QLabel *lbl_Printer;
    QDoubleSpinBox *edt_OffsetX;
    QDoubleSpinBox *edt_OffsetY;
    QPushButton *btn_Calibrate;
    QPushButton *btn_Ok;
    QPushButton *btn_Cancel;

    // Shows the printer's offset; kept when the user presses OK, as it was
    // otherwise. `calibrate` prints the measuring page with the offset as
    // typed; it returns false when nothing was printed.
    bool edit(const QString &printer, const std::function<bool()> &calibrate);

private:
    QPointF typed() const;
};
