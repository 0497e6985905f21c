#include "ui/namedialog.h"

TNameDialog::TNameDialog(QWidget* parent) : TNamedDialog(tr("Name"), parent) {}

void TNameDialog::Prepare(const QString& initial) { ResetName(initial); }

bool TNameDialog::Run(const QString& initial)
{
    Prepare(initial);
    return exec() == Accepted;
}
