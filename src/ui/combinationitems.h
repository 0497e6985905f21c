#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;
class TCombination;
class TOption;

/// "Heat supply = Heat pump": how the editing windows name an option.
QString AreaAndOptionText(const TOption& option);
/// "[unlikely]": how they name a combination.
QString CombinationText(const TCombination& combination);

/// An item for the option, beneath `parent`, else at the top of `tree`, else on its own.
QTreeWidgetItem* AddOptionItem(QTreeWidget* tree, QTreeWidgetItem* parent, const TOption& option);
/// A combination's item with its face, its options beneath it except `except`;
/// at the top of `tree`, or on its own when that is nullptr.
QTreeWidgetItem* AddCombinationItem(QTreeWidget* tree, const TCombination& combination,
                                    const TOption* except = nullptr);
/// Gives the combination's item its current rating's text and face.
void ShowRating(QTreeWidgetItem* item, const TCombination& combination);
