#include "ui/combinationitems.h"

#include "model/decisionarea.h"
#include "model/enumerations.h"
#include "model/option.h"
#include "policy/combination.h"
#include "ui/droptree.h"
#include "ui/uiicons.h"

#include <QTreeWidget>

QString AreaAndOptionText(const TOption& option)
{
    return option.DecisionArea->Name + QStringLiteral(" = ") + option.Name;
}

QString CombinationText(const TCombination& combination)
{
    return QLatin1Char('[') + FeasibilityLevelText(combination.Rating) + QLatin1Char(']');
}

QTreeWidgetItem* AddOptionItem(QTreeWidget* tree, QTreeWidgetItem* parent, const TOption& option)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : tree ? new QTreeWidgetItem(tree) : new QTreeWidgetItem;
    item->setText(0, AreaAndOptionText(option));
    item->setIcon(0, BuiltinIcon(QStringLiteral("option")));
    SetItemObject(item, &option);
    return item;
}

QTreeWidgetItem* AddCombinationItem(QTreeWidget* tree, const TCombination& combination, const TOption* except)
{
    auto* item = tree ? new QTreeWidgetItem(tree) : new QTreeWidgetItem;
    ShowRating(item, combination);
    SetItemObject(item, &combination);
    for (const TOption* option : combination.Options)
        if (option != except)
            AddOptionItem(nullptr, item, *option);
    item->setExpanded(true);
    return item;
}

void ShowRating(QTreeWidgetItem* item, const TCombination& combination)
{
    item->setText(0, CombinationText(combination));
    item->setIcon(0, FaceIcon(combination.Rating));
}
