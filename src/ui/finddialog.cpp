#include "ui/finddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
QCheckBox* AddBox(QVBoxLayout* layout, const char* name, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    layout->addWidget(box);
    return box;
}
} // namespace

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent), SearchString(new QLineEdit(this))
{
    setWindowTitle(tr("Find text"));
    SearchString->setObjectName(QStringLiteral("SearchString"));
    SearchString->setMinimumWidth(260);
    auto* where = new QGroupBox(tr("Look in"), this);
    auto* boxes = new QVBoxLayout(where);
    DABox = AddBox(boxes, "DABox", tr("Decision areas"), true);
    DOBox = AddBox(boxes, "DOBox", tr("Decision options"), true);
    VarBox = AddBox(boxes, "VarBox", tr("Variables"), true);
    XBox = AddBox(boxes, "XBox", tr("Expressions"), false);
    auto* form = new QFormLayout;
    form->addRow(tr("&Find:"), SearchString);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(where);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFindDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFindDialog::reject);
}

bool TFindDialog::Run()
{
    SearchString->selectAll();
    SearchString->setFocus();
    return exec() == Accepted;
}
