#pragma once

#include "model/casechange.h"

#include <QString>

class TCase;

/// One edit of the user, with everything its commands do to the case. Windows
/// open one around each command, drop or committed field; edits nest, and the
/// outermost is the step. When it ends, it marks the case changed, forgets
/// computed values and announces what changed to every listener: the one place
/// that does so for every window.
class TCaseEdit
{
public:
    /// `label` names the step for the user ("Delete option Heat pump").
    TCaseEdit(TCase& aCase, const QString& label, TChangeKinds kinds);
    ~TCaseEdit();
    TCaseEdit(const TCaseEdit&) = delete;
    TCaseEdit& operator=(const TCaseEdit&) = delete;

    /// Adds kinds found during the edit (a delete whose cascade reached designs).
    void Touch(TChangeKinds kinds);
    /// The edit changed nothing after all: nothing is marked or announced
    /// unless an enclosing edit did change something.
    void Cancel() { Cancelled = true; }

private:
    TCase& Case;
    bool Outermost;
    TChangeKinds Kinds;
    bool Cancelled = false;
};
