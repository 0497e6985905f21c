#pragma once

#include "model/concept.h"
#include "model/conceptlist.h"
#include "model/decisionarea.h"

#include <QImage>
#include <vector>

class TCase;

/// A system type in the hierarchy (a city, a district, a building). All levels of
/// all trees live in the case's one flat list; Parent and Children link the tree.
class TSystemLevel : public TConcept
{
public:
    TSystemLevel(const QString& name, TCase* owner);
    ~TSystemLevel() override;

    TCase* Case;
    int Depth = -1;                          // -1 until placed in the tree
    TSystemLevel* Parent = nullptr;
    std::vector<TSystemLevel*> Children;     // in the order attached; not owned
    QImage Icon;
    QImage DesignIconImage;                  // derived: redraw with UpdateDesignIcon
    TConceptList<TDecisionArea> DecisionAreas;

    /// Places the level under `parent` (or at the top when nullptr): sets the
    /// depths of its whole subtree and appends it to the parent's children.
    void PlaceUnder(TSystemLevel* parent);
    /// Takes the level out of its parent's children (it keeps its own subtree).
    void Detach();
    void UpdateDesignIcon();

    int AddDecisionArea(const QString& name);
    /// Deletes the area with every reference to it and its options.
    void DeleteDecisionArea(TDecisionArea* area);
    /// True when `other` is this level or one of its descendants.
    bool IsWithin(const TSystemLevel* other) const;
    int Index() const;

    QString IconHTML() const override;
    QStringList DescriptionRows() const override;

private:
    void SetDepth(int depth);
};
