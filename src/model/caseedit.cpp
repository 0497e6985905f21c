#include "model/caseedit.h"

#include "design/evaluation.h"
#include "model/case.h"

TCaseEdit::TCaseEdit(TCase& aCase, const QString& label, TChangeKinds kinds)
    : Case(aCase), Outermost(aCase.EditDepth == 0), Kinds(kinds)
{
    if (Outermost) {
        Case.EditLabel = label;
        Case.PendingKinds = 0;
        Case.PendingChange = false;
        if (Case.Recorder)
            Case.Recorder->StepBegins(label);
    }
    ++Case.EditDepth;
}

TCaseEdit::~TCaseEdit()
{
    --Case.EditDepth;
    if (!Cancelled) {
        Case.PendingKinds |= Kinds;
        Case.PendingChange = true;
    }
    if (!Outermost)
        return;
    if (Case.PendingChange)
        Case.Changed = true;
    if (Case.Recorder)
        Case.Recorder->StepEnds(Case.PendingChange);
    if (!Case.PendingChange)
        return;
    TEvaluation::Invalidate();
    Case.Announce(Case.PendingKinds);
}

void TCaseEdit::Touch(TChangeKinds kinds) { Kinds |= kinds; }
