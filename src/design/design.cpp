#include "design/design.h"

#include "design/evaluation.h"
#include "model/case.h"
#include "model/helpers.h"
#include "model/messages.h"

TDesign::TDesign(const QString& name, TCase* owner) : TConcept(name), Case(owner), TopObjects(owner) {}

TDesign::~TDesign() = default;

TDesignObject* TDesign::AddDesignObject(const QString& name, TDesignObject* parent, TSystemLevel* level)
{
    TConceptList<TDesignObject>& list = parent ? parent->Children : TopObjects;
    const int before = list.Count();
    TDesignObject* object = list.At(list.Add(name, this, parent));   // a new one marks the case changed
    if (list.Count() == before)
        return object;
    if (level)
        object->SetSystemLevel(level);
    TEvaluation::Invalidate();
    return object;
}

void TDesign::DeleteDesignObject(TDesignObject* object)
{
    for (int i = object->Children.Count() - 1; i >= 0; --i)
        DeleteDesignObject(object->Children.At(i));
    TDesignObject* parent = object->Parent;
    (parent ? parent->Children : TopObjects).Remove(object);
    if (parent)
        parent->DropUnneededAttributes();
    TEvaluation::Invalidate();
    MarkCaseChanged(Case);
}

namespace {

bool IsWithinSubtree(const TDesignObject* candidate, const TDesignObject* root)
{
    for (const TDesignObject* o = candidate; o; o = o->Parent)
        if (o == root)
            return true;
    return false;
}

} // namespace

TDesignObject* TDesign::DuplicateDesignObject(TDesignObject* object, TDesignObject* parent, bool copyPrefix)
{
    // A copy inside the original would be copied again with the original's children.
    if (IsWithinSubtree(parent, object)) {
        ShowWarning(QStringLiteral("A subsystem cannot be duplicated into itself"));
        return nullptr;
    }
    const QString name = copyPrefix ? QStringLiteral("Copy of ") + object->Name : object->Name;
    TConceptList<TDesignObject>& siblings = parent ? parent->Children : TopObjects;
    if (copyPrefix && siblings.Find(CleanTrimmedName(name))) {
        ShowWarning(name + QStringLiteral(" already exists"));
        return nullptr;
    }
    TDesignObject* copy = AddDesignObject(name, parent);
    copy->SetSystemLevel(object->SystemLevel);
    copy->SetCount(object->Count());
    // Copies of the lists: without copyPrefix the copy may be the object itself.
    for (TOption* option : std::vector<TOption*>(object->DesignOptions))
        copy->SelectDesignOption(option);
    std::vector<TDesignObject*> children(object->Children.begin(), object->Children.end());
    for (TDesignObject* child : children)
        DuplicateDesignObject(child, copy, false);
    for (TOption* option : std::vector<TOption*>(object->StatusQuoOptions))
        copy->SelectStatusQuoOption(option);
    return copy;
}

void TDesign::ForEachObject(const std::function<void(TDesignObject*)>& visit) const
{
    std::function<void(const TConceptList<TDesignObject>&)> walk = [&](const TConceptList<TDesignObject>& list) {
        for (TDesignObject* object : list) {
            visit(object);
            walk(object->Children);
        }
    };
    walk(TopObjects);
}

QString TDesign::IconHTML() const { return QStringLiteral("<img src=\"img/design.bmp\" alt=\"design\">"); }

QStringList TDesign::DescriptionRows() const
{
    QStringList rows;
    rows << QStringLiteral("<tr class=subsection><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
                + QStringLiteral("</td></tr>") + CommentRow(*this);
    QStringList objects;
    for (const TDesignObject* object : TopObjects)
        objects << object->TreeRows();
    return rows << NestedTable(TopObjects.Count(), objects);
}

TDesignObject* FindDesignObjectById(const TConceptList<TDesignObject>& list, qint32 id)
{
    for (TDesignObject* object : list) {
        if (object->ID == id)
            return object;
        if (TDesignObject* found = FindDesignObjectById(object->Children, id))
            return found;
    }
    return nullptr;
}
