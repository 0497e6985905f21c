#include "ui/targetmodel.h"

#include <algorithm>

void TTargetModel::Reset(std::vector<TActorTarget> targets)
{
    beginResetModel();
    Targets = std::move(targets);
    endResetModel();
}

int TTargetModel::RowOf(const void* item) const
{
    const auto found = std::find_if(Targets.begin(), Targets.end(), [item](const TActorTarget& t) { return t.Item == item; });
    return found == Targets.end() || !item ? -1 : int(found - Targets.begin());
}

void* TTargetModel::ItemAt(int row) const { return row >= 0 && row < int(Targets.size()) ? Targets[size_t(row)].Item : nullptr; }

int TTargetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(Targets.size()); }

QVariant TTargetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(Targets.size()))
        return QVariant();
    const TActorTarget& target = Targets[size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return target.Text;
    if (role == Qt::UserRole)
        return QVariant::fromValue(target.Item);
    return QVariant();
}
