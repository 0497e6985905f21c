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
    if (!Outermost || !Case.PendingChange)
        return;
    Case.Changed = true;
    TEvaluation::Invalidate();
    Case.Announce(Case.PendingKinds);
}

void TCaseEdit::Touch(TChangeKinds kinds) { Kinds |= kinds; }
