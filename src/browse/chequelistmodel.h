#pragma once

#include "browse/columnlayout.h"

#include <QAbstractTableModel>

class ChequeList;

// The grid's view of the cheque list: one row per fetched cheque, the
// columns of the layout, and the computed amount in groups of three.
class ChequeListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ChequeListModel(ChequeList &list, QObject *parent = nullptr);

    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    // Call after the list was opened, closed or sorted.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ChequeList &m_list;
    QList<GridColumn> m_columns;
    QList<int> m_fieldIndex; // per column, the list's field, -1 for none
};

// The amount column's text: the amount in groups of three, or its plain
// number when it cannot be grouped (negative, fractional), rather than no list.
QString AmountCellText(const QVariant &mablaghch);
