#pragma once

#include "ui/actorpositions.h"

#include <QAbstractListModel>
#include <vector>

/// The entries of the actor window's target chooser. A list model rather than
/// combo box items, since the options of a large case run into the tens of
/// thousands and are refilled at every change.
class TTargetModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Reset(std::vector<TActorTarget> targets);
    /// The row of `item`, or -1.
    int RowOf(const void* item) const;
    void* ItemAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<TActorTarget> Targets;
};
