#include "model/systemlevel.h"

#include "design/designcascades.h"
#include "model/case.h"
#include "model/helpers.h"
#include "model/icons.h"

#include <algorithm>

TSystemLevel::TSystemLevel(const QString& name, TCase* owner)
    : TConcept(name), Case(owner), Icon(DefaultRectangleIcon()), DecisionAreas(owner)
{
    UpdateDesignIcon();
}

TSystemLevel::~TSystemLevel() = default;

void TSystemLevel::SetDepth(int depth)
{
    Depth = depth;
    for (TSystemLevel* child : Children)
        child->SetDepth(depth + 1);
}

void TSystemLevel::Detach()
{
    if (Parent)
        std::erase(Parent->Children, this);
    Parent = nullptr;
}

void TSystemLevel::PlaceUnder(TSystemLevel* parent)
{
    Detach();
    Parent = parent;
    if (parent)
        parent->Children.push_back(this);
    SetDepth(parent ? parent->Depth + 1 : 0);
    MarkCaseChanged(Case);
}

void TSystemLevel::UpdateDesignIcon() { DesignIconImage = DesignIcon(Icon); }

int TSystemLevel::AddDecisionArea(const QString& name) { return DecisionAreas.Add(name, this); }

void TSystemLevel::DeleteDecisionArea(TDecisionArea* area)
{
    for (TActor* actor : Case->Actors)
        EraseLinks<TActorDecision>(actor->Decisions,
                                   [area](const TActorDecision& l) { return l.DecisionArea == area; });
    // Any option may preclude the area: those of ancestor levels as well as its own.
    Case->ForEachOption([area](TOption* option) { std::erase(option->PrecludedAreas, area); });
    for (int i = area->Options.Count() - 1; i >= 0; --i)
        area->DeleteOption(area->Options.At(i));
    ForgetDecisionAreaInDesigns(*area);
    DecisionAreas.Remove(area);
    MarkCaseChanged(Case);
}

bool TSystemLevel::IsWithin(const TSystemLevel* other) const
{
    for (const TSystemLevel* level = other; level; level = level->Parent)
        if (level == this)
            return true;
    return false;
}

int TSystemLevel::Index() const { return Case->SystemLevels.IndexOf(this); }

QString TSystemLevel::IconHTML() const
{
    return QStringLiteral("<img src=\"img/sl%1.bmp\" alt=\"%2\">").arg(Index()).arg(PageText(Name));
}

QStringList TSystemLevel::DescriptionRows() const
{
    QStringList rows;
    rows << QStringLiteral("  <tr><td>") + IconHTML() + QStringLiteral("</td><td>") + PageText(Name)
                + QStringLiteral("</td></tr>") + CommentRow(*this);
    QStringList children;
    for (const TSystemLevel* child : Children)
        children << child->DescriptionRows();
    return rows << NestedTable(qsizetype(Children.size()), children, QStringLiteral("  "));
}
