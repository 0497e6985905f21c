#pragma once

#include "ui/nameddialog.h"

/// Asks for the name of a new concept, or a new name for the case.
class TNameDialog : public TNamedDialog
{
    Q_OBJECT
public:
    explicit TNameDialog(QWidget* parent = nullptr);

    /// Fills the box with `initial` (empty unless the caller gives a text).
    void Prepare(const QString& initial = QString());
    /// Prepare, then run modally; true on OK, the name in Name().
    bool Run(const QString& initial = QString());
};
