#include "ui/filechooser.h"

#include <QComboBox>
#include <QFileDialog>
#include <QIdentityProxyModel>

namespace {

class LeftToRightDetails : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        QVariant value = QIdentityProxyModel::data(index, role);
        // Column 0 is the name, which reads in its own direction.
        if (role == Qt::DisplayRole && index.column() > 0 && value.typeId() == QMetaType::QString)
            return QString(QChar(0x202A) + value.toString() + QChar(0x202C)); // LRE ... PDF
        return value;
    }
};

} // namespace

void MakeReadableRightToLeft(QFileDialog &chooser)
{
    chooser.setProxyModel(new LeftToRightDetails(&chooser));
    if (auto *path = chooser.findChild<QComboBox *>(QStringLiteral("lookInCombo")))
        path->setLayoutDirection(Qt::LeftToRight);
}
