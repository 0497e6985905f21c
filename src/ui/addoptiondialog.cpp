#include "ui/addoptiondialog.h"

#include "model/case.h"
#include "model/messages.h"
#include "model/option.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

TAddOptionDialog::TAddOptionDialog(QWidget* parent)
    : TNamedDialog(tr("Add or modify decision option"), parent), QualifierBtn(new QToolButton(this)),
      QualifierStrip(new QLabel(this)), Menu(new QMenu(this))
{
    QualifierBtn->setObjectName(QStringLiteral("QualifierBtn"));
    QualifierBtn->setText(tr("Qualifiers"));
    QualifierBtn->setToolTip(tr("Check qualifiers that apply to this option"));
    QualifierBtn->setPopupMode(QToolButton::InstantPopup);
    QualifierBtn->setMenu(Menu);
    QualifierStrip->setFixedSize(80, 19);
    QualifierStrip->setFrameStyle(QFrame::NoFrame);
    auto* row = new QHBoxLayout;
    row->addWidget(QualifierBtn);
    row->addWidget(QualifierStrip);
    row->addStretch();
    Form->addRow(tr("Qualifiers:"), row);
    connect(Menu, &QMenu::aboutToShow, this, &TAddOptionDialog::FillMenu);
    connect(Menu, &QMenu::triggered, this,
            [this](QAction* action) { ToggleQualifier(action->data().toString()); });
}

void TAddOptionDialog::Prepare(const TCase& aCase, const TOption* option)
{
    Case = &aCase;
    Chosen.clear();
    if (option) {
        ResetName(option->Name);
        Chosen = option->Qualifiers;
    } else {
        ResetName(QString());
    }
    Changed = false;
    RedrawStrip();
}

bool TAddOptionDialog::Run(const TCase& aCase, const TOption* option)
{
    Prepare(aCase, option);
    return exec() == Accepted;
}

void TAddOptionDialog::FillMenu()
{
    Menu->clear();
    if (!Case)
        return;
    for (TQualifier* qualifier : Case->Qualifiers) {
        // "&" would turn into an access key in a menu.
        QAction* action = Menu->addAction(QPixmap::fromImage(qualifier->Icon),
                                          QString(qualifier->Name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setData(qualifier->Name);
        action->setCheckable(true);
        action->setChecked(std::find(Chosen.begin(), Chosen.end(), qualifier) != Chosen.end());
    }
}

void TAddOptionDialog::ToggleQualifier(const QString& name)
{
    TQualifier* qualifier = Case ? Case->Qualifiers.Find(name) : nullptr;
    if (!qualifier) {
        ShowError(QStringLiteral("Qualifier \"") + name + QStringLiteral("\" not found"));
    } else if (auto it = std::find(Chosen.begin(), Chosen.end(), qualifier); it != Chosen.end()) {
        Chosen.erase(it);
    } else {
        Chosen.push_back(qualifier);
    }
    Changed = true;
    RedrawStrip();
}

QImage TAddOptionDialog::StripImage(const std::vector<TQualifier*>& qualifiers)
{
    QImage strip(80, 19, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    int x = 0;
    for (const TQualifier* qualifier : qualifiers) {
        painter.drawImage(x, 2, qualifier->Icon);
        x += 17;
    }
    return strip;
}

void TAddOptionDialog::RedrawStrip() { QualifierStrip->setPixmap(QPixmap::fromImage(StripImage(Chosen))); }
