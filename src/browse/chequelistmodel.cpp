#include "browse/chequelistmodel.h"

#include "app/apperror.h"
#include "browse/chequelist.h"
#include "wording/amounts.h"
#include "wording/conversions.h"

using namespace Qt::Literals::StringLiterals;

QString AmountCellText(const QVariant &mablaghch)
{
    if (mablaghch.isNull())
        return QString();
    const QString plain = FloatToText(mablaghch.toDouble());
    try {
        return GroupDigitsText(plain, u',');
    } catch (const AppError &) {
        return plain;
    }
}

ChequeListModel::ChequeListModel(ChequeList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void ChequeListModel::setColumns(const QList<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_fieldIndex.clear();
    for (const GridColumn &column : m_columns) {
        const QString field = column.field.compare(u"Amount"_s, Qt::CaseInsensitive) == 0
            ? u"mablaghch"_s
            : column.field;
        m_fieldIndex.append(m_list.isOpen() ? m_list.fieldIndex(field) : -1);
    }
    endResetModel();
}

void ChequeListModel::reload()
{
    setColumns(m_columns);
}

int ChequeListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_list.isOpen() ? 0 : m_list.recordCount();
}

int ChequeListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ChequeListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || !m_list.isOpen())
        return {};
    const int field = m_fieldIndex.value(index.column(), -1);
    if (field < 0)
        return {};
    const QVariant value = m_list.valueAt(index.row(), field);
    if (m_columns[index.column()].field.compare(u"Amount"_s, Qt::CaseInsensitive) == 0)
        return AmountCellText(value);
    return value.isNull() ? QString() : value.toString();
}

QVariant ChequeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].title;
    if (role == Qt::FontRole)
        return m_columns[section].titleFont;
    return {};
}
