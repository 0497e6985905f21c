#include "ui/dragitems.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/option.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>
#include <functional>
#include <unordered_set>

namespace {

std::vector<TDragItem> Decode(const QMimeData* data)
{
    std::vector<TDragItem> items;
    if (!data || !data->hasFormat(DragFormat))
        return items;
    QByteArray bytes = data->data(DragFormat);
    QDataStream in(&bytes, QIODevice::ReadOnly);
    qint64 process = 0;
    quint32 count = 0;
    in >> process >> count;
    // A drag from another run of the program carries addresses of its own.
    if (process != QCoreApplication::applicationPid())
        return items;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        qint32 kind = 0;
        quint64 address = 0;
        in >> kind >> address;
        if (in.status() == QDataStream::Ok && kind >= 0 && kind <= qint32(TDragKind::Policy))
            items.push_back({TDragKind(kind), reinterpret_cast<const void*>(quintptr(address))});
    }
    return items;
}

// Keeps the items of `list` whose address is among the dragged ones of `kind`.
template <typename T>
void Collect(const std::vector<TDragItem>& dragged, TDragKind kind, std::vector<T*>& found,
             const std::function<void(const std::function<void(T*)>&)>& forEach)
{
    std::vector<const void*> wanted;
    for (const TDragItem& item : dragged)
        if (item.Kind == kind)
            wanted.push_back(item.Item);
    if (wanted.empty())
        return;
    const std::unordered_set<const void*> set(wanted.begin(), wanted.end());
    std::vector<T*> present;
    forEach([&](T* candidate) {
        if (set.count(candidate))
            present.push_back(candidate);
    });
    // In the order they were dragged.
    for (const void* address : wanted)
        for (T* candidate : present)
            if (candidate == address && std::find(found.begin(), found.end(), candidate) == found.end())
                found.push_back(candidate);
}

} // namespace

QMimeData* MakeDragData(const std::vector<TDragItem>& items)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint64(QCoreApplication::applicationPid()) << quint32(items.size());
    for (const TDragItem& item : items)
        out << qint32(item.Kind) << quint64(quintptr(item.Item));
    auto* data = new QMimeData;
    data->setData(DragFormat, bytes);
    return data;
}

TDragItem DragItem(const TOption* option) { return {TDragKind::Option, option}; }
TDragItem DragItem(const TDecisionArea* area) { return {TDragKind::DecisionArea, area}; }
TDragItem DragItem(const TQualifier* qualifier) { return {TDragKind::Qualifier, qualifier}; }
TDragItem DragItem(const TDesignObject* object) { return {TDragKind::DesignObject, object}; }
TDragItem DragItem(const TPolicy* policy) { return {TDragKind::Policy, policy}; }

bool CarriesKind(const QMimeData* data, TDragKind kind)
{
    const std::vector<TDragItem> items = Decode(data);
    return std::any_of(items.begin(), items.end(), [kind](const TDragItem& item) { return item.Kind == kind; });
}

bool TDroppedItems::Empty() const
{
    return Options.empty() && Areas.empty() && Qualifiers.empty() && DesignObjects.empty() && Policies.empty();
}

TDroppedItems ReadDragItems(const QMimeData* data, const TCase& aCase)
{
    TDroppedItems dropped;
    const std::vector<TDragItem> items = Decode(data);
    if (items.empty())
        return dropped;
    Collect<TOption>(items, TDragKind::Option, dropped.Options,
                     [&](const std::function<void(TOption*)>& visit) { aCase.ForEachOption(visit); });
    Collect<TDecisionArea>(items, TDragKind::DecisionArea, dropped.Areas,
                           [&](const std::function<void(TDecisionArea*)>& visit) { aCase.ForEachDecisionArea(visit); });
    Collect<TQualifier>(items, TDragKind::Qualifier, dropped.Qualifiers,
                        [&](const std::function<void(TQualifier*)>& visit) {
                            for (TQualifier* q : aCase.Qualifiers)
                                visit(q);
                        });
    Collect<TDesignObject>(items, TDragKind::DesignObject, dropped.DesignObjects,
                           [&](const std::function<void(TDesignObject*)>& visit) {
                               for (TDesign* design : aCase.Designs)
                                   design->ForEachObject(visit);
                           });
    Collect<TPolicy>(items, TDragKind::Policy, dropped.Policies, [&](const std::function<void(TPolicy*)>& visit) {
        for (TPolicy* policy : aCase.Policies)
            visit(policy);
    });
    return dropped;
}
