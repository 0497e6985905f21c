#pragma once

#include "model/casechange.h"
#include "model/concept.h"
#include "model/conceptlist.h"
#include "model/editrecorder.h"
#include "model/category.h"
#include "model/phase.h"
#include "model/qualifier.h"
#include "model/scale.h"
#include "model/systemlevel.h"
#include "model/variable.h"
#include "actors/actor.h"
#include "design/design.h"
#include "policy/combination.h"
#include "policy/policy.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

/// The document: owns every model item through its lists. Deletes run their
/// cascades first, so that no reference to a freed item remains anywhere.
class TCase : public TConcept
{
public:
    explicit TCase(const QString& name = QString());
    ~TCase() override;

    QString Folder;          // ends in a path separator once set
    bool Changed = false;

    TConceptList<TCategory> Categories{this};
    TConceptList<TPhase> Phases{this};
    TConceptList<TSystemLevel> SystemLevels{this};
    TConceptList<TQualifier> Qualifiers{this};
    TConceptList<TActor> Actors{this};
    TConceptList<TScale> Scales{this};
    TConceptList<TVariable> Variables{this};
    TConceptList<TDesign> Designs{this};
    TConceptList<TPolicy> Policies{this};
    std::vector<std::unique_ptr<TCombination>> Combinations;
    TDesign* BaseCase = nullptr;
    QStringList Contents;

    static QStringList DefaultContents();

    int AddCategory(const QString& name);
    int AddPhase(const QString& name);
    int AddSystemLevel(const QString& name);
    int AddQualifier(const QString& name);
    int AddActor(const QString& name);
    int AddScale(const QString& name);
    int AddVariable(const QString& name);
    int AddDesign(const QString& name);
    int AddPolicy(const QString& name);

    void DeleteCategory(TCategory* category);
    void DeletePhase(TPhase* phase);
    void DeleteSystemLevel(TSystemLevel* level);
    void DeleteQualifier(TQualifier* qualifier);
    void DeleteActor(TActor* actor);
    void DeleteScale(TScale* scale);
    void DeleteVariable(TVariable* variable);
    void DeleteDesign(TDesign* design);
    void DeletePolicy(TPolicy* policy);
    void DeleteCombination(TCombination* combination);

    /// The design relative impacts are measured against, or none.
    void SetBaseCase(TDesign* design);

    /// Renames the variable and rewrites "[old name]" in every formula.
    void RenameVariable(TVariable* variable, const QString& newName);

    // Walks over the whole hierarchy, levels in list order.
    void ForEachDecisionArea(const std::function<void(TDecisionArea*)>& visit) const;
    void ForEachOption(const std::function<void(TOption*)>& visit) const;
    void ForEachEffect(const std::function<void(TEffect*)>& visit) const;

    // The change notice. Windows subscribe while they show the case; edits
    // (TCaseEdit) announce what they changed once they have finished.
    void Subscribe(TCaseListener* listener);
    void Unsubscribe(TCaseListener* listener);
    /// Tells every listener now; edits call it when the outermost one ends.
    void Announce(TChangeKinds kinds);
    /// Around a replacement of every item (an undo, a redo): before it, and
    /// after the announcement that followed it.
    void TellItemsReplacing();
    void TellItemsReplaced();
    /// True while an edit is under way.
    bool Editing() const { return EditDepth > 0; }
    /// The label of the edit under way, or of the last one.
    QString EditLabel;
    /// Records each step for undo; not owned, none by default.
    TEditRecorder* Recorder = nullptr;

    /// Frees every item, as closing would, but keeps the case object, its
    /// folder, contents and listeners: a case is read into it again. Open
    /// design editors hear of their designs' deletion.
    void ClearItems();
    /// Exchanges every item, the name and the comment with `other` (a case
    /// read elsewhere), as an undo does; folder, contents, changed flag and
    /// listeners stay. Open design editors hear of their designs' going.
    void SwapItems(TCase& other);

private:
    void FreeItems();
    friend class TCaseEdit;
    std::vector<TCaseListener*> Listeners;
    int EditDepth = 0;
    TChangeKinds PendingKinds = 0;
    bool PendingChange = false;
};
