#pragma once

#include <QString>
#include <vector>

class QMimeData;
class TCase;
class TDecisionArea;
class TDesignObject;
class TOption;
class TPolicy;
class TQualifier;

/// What travels between windows by drag and drop, in one private format.
enum class TDragKind
{
    Option,
    DecisionArea,
    Qualifier,
    DesignObject,
    Policy,
};

/// One dragged model item. `Item` is only compared until ReadDragItems has
/// found it in the open case again.
struct TDragItem
{
    TDragKind Kind;
    const void* Item;
};

inline const QString DragFormat = QStringLiteral("application/x-orvel-items");

/// The drag data for `items`, to hand to QDrag.
QMimeData* MakeDragData(const std::vector<TDragItem>& items);
TDragItem DragItem(const TOption* option);
TDragItem DragItem(const TDecisionArea* area);
TDragItem DragItem(const TQualifier* qualifier);
TDragItem DragItem(const TDesignObject* object);
TDragItem DragItem(const TPolicy* policy);

/// True when `data` is in the private format and holds at least one item of `kind`.
bool CarriesKind(const QMimeData* data, TDragKind kind);

/// The dragged items that still belong to `aCase`; one deleted in the meantime,
/// or one of another program run, is left out.
struct TDroppedItems
{
    std::vector<TOption*> Options;
    std::vector<TDecisionArea*> Areas;
    std::vector<TQualifier*> Qualifiers;
    std::vector<TDesignObject*> DesignObjects;
    std::vector<TPolicy*> Policies;
    bool Empty() const;
};
TDroppedItems ReadDragItems(const QMimeData* data, const TCase& aCase);
