#include "ui/actorview.h"

#include "actors/actor.h"
#include "actors/actoredit.h"
#include "model/case.h"
#include "model/helpers.h"
#include "ui/commentbox.h"
#include "ui/droplist.h"
#include "ui/targetmodel.h"
#include "ui/uiicons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct TModeItem
{
    const char* Name;
    const char* Caption;
    const char* Title;
    const char* Chooser;
};

const TModeItem ModeItems[ActorModeCount] = {
    {"GoalsBtn", QT_TR_NOOP("Objectives"), QT_TR_NOOP("Actor objectives:"), QT_TR_NOOP("Goal variable")},
    {"OptionsBtn", QT_TR_NOOP("Options"), QT_TR_NOOP("Actor appreciation of options:"), QT_TR_NOOP("Option")},
    {"QualBtn", QT_TR_NOOP("Qualifiers"), QT_TR_NOOP("Actor appreciation of qualifiers:"), QT_TR_NOOP("Qualifier")},
    {"RelationsBtn", QT_TR_NOOP("Relations"), QT_TR_NOOP("Actor influence on other actors:"), QT_TR_NOOP("Other actor")},
    {"DecisionsBtn", QT_TR_NOOP("Decisions"), QT_TR_NOOP("Actor influence on decisions:"), QT_TR_NOOP("Decision area")},
};

struct TWeightItem
{
    int Value;
    const char* Caption;
};

const TWeightItem Preferences[] = {
    {3, QT_TR_NOOP("Most desirable")},   {2, QT_TR_NOOP("Very desirable")},   {1, QT_TR_NOOP("Desirable")},
    {-1, QT_TR_NOOP("Undesirable")},     {-2, QT_TR_NOOP("Very undesirable")}, {-3, QT_TR_NOOP("Most undesirable")},
};
const TWeightItem Influences[] = {
    {1, QT_TR_NOOP("Slight influence")}, {2, QT_TR_NOOP("Moderate influence")},
    {3, QT_TR_NOOP("Strong influence")}, {4, QT_TR_NOOP("Total control")},
};
const TWeightItem Directions[] = {
    {-2, QT_TR_NOOP("Decrease by X percent")}, {-1, QT_TR_NOOP("Decrease to below X")},
    {1, QT_TR_NOOP("Increase to above X")},    {2, QT_TR_NOOP("Increase by X percent")},
};

QIcon WeightIcon(int weight, bool preference)
{
    if (preference)
        return FaceIcon(weight);
    return BuiltinIcon(QStringLiteral("wght%1").arg(weight));
}

QIcon DirectionIcon(int direction)
{
    switch (direction) {
    case -2: return BuiltinIcon(QStringLiteral("minp"));
    case -1: return BuiltinIcon(QStringLiteral("lt"));
    case 1: return BuiltinIcon(QStringLiteral("gt"));
    default: return BuiltinIcon(QStringLiteral("plusp"));
    }
}

template <size_t N>
QString CaptionOf(const TWeightItem (&items)[N], int value)
{
    for (const TWeightItem& item : items)
        if (item.Value == value)
            return TActorView::tr(item.Caption);
    return QString();
}

QToolButton* Button(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(text);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

QLabel* Heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

template <class T>
void* Data(const T* item)
{
    return item ? item->data(Qt::UserRole).template value<void*>() : nullptr;
}

} // namespace

TActorView::TActorView(TORVEL& main, TCase& aCase) : TCaseView(main, aCase)
{
    setWindowTitle(tr("Actors, objectives and influence"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(MakeActorPanel());
    splitter->addWidget(MakePositionPanel());
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
    // Fixed shares, so that the divider stays put when the mode shows other controls.
    splitter->setSizes({250, 630});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(880, 480);
    SetMode(TActorMode::Goals);
    if (Case.Actors.Count() > 0)
        Actor = Case.Actors.At(0);
    Rebuild();
}

QWidget* TActorView::Create(TORVEL& main, TCase& aCase) { return new TActorView(main, aCase); }

QWidget* TActorView::MakeActorPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Heading(tr("Actors:"), panel), 1);
    AddBtn = Button(tr("Add new actor"), "AddBtn", panel);
    AddBtn->setText(tr("Add"));
    DeleteBtn = Button(tr("Delete actor"), "DeleteBtn", panel);
    DeleteBtn->setText(tr("Delete"));
    buttons->addWidget(AddBtn);
    buttons->addWidget(DeleteBtn);
    layout->addLayout(buttons);
    ActorList = new TDropList(panel);
    ActorList->setObjectName(QStringLiteral("ActorList"));
    ActorList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    ActorList->OnDelete = [this] { DeleteActor(); };
    ActorList->OnInsert = [this] { AddActor(); };
    layout->addWidget(ActorList, 1);
    ActorComment = new TCommentBox(panel);
    ActorComment->setObjectName(QStringLiteral("ActorComment"));
    ActorComment->setPlaceholderText(tr("Comment on the actor"));
    ActorComment->setMaximumHeight(110);
    ActorComment->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangeActors); };
    layout->addWidget(ActorComment);

    connect(AddBtn, &QToolButton::clicked, this, &TActorView::AddActor);
    connect(DeleteBtn, &QToolButton::clicked, this, &TActorView::DeleteActor);
    connect(ActorList, &QListWidget::itemSelectionChanged, this, &TActorView::ActorChosen);
    connect(ActorList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (Rebuilding)
            return;
        // Rename after the list has finished with its editor: the rename rebuilds the list.
        auto* actor = static_cast<TActor*>(Data(item));
        const QString name = item->text();
        QMetaObject::invokeMethod(this, [this, actor, name] { RenameActor(actor, name); }, Qt::QueuedConnection);
    });
    return panel;
}

QWidget* TActorView::MakeModeBar()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    Modes = new QButtonGroup(bar);
    for (int i = 0; i < ActorModeCount; ++i) {
        QToolButton* button = Button(tr(ModeItems[i].Caption), ModeItems[i].Name, bar);
        button->setToolTip(tr(ModeItems[i].Title));
        button->setCheckable(true);
        button->setAutoRaise(false);
        Modes->addButton(button, i);
        layout->addWidget(button);
        ModeButtons[size_t(i)] = button;
    }
    layout->addStretch(1);
    connect(Modes, &QButtonGroup::idClicked, this, [this](int id) { SetMode(TActorMode(id)); });
    return bar;
}

QWidget* TActorView::MakeWeightBar()
{
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    MenuBtn = Button(QString(), "MenuBtn", bar);
    MenuBtn->setPopupMode(QToolButton::MenuButtonPopup);
    WeightMenu = new QMenu(MenuBtn);
    MenuBtn->setMenu(WeightMenu);
    ChangeBtn = Button(QString(), "ChangeBtn", bar);
    ChangeBtn->setPopupMode(QToolButton::MenuButtonPopup);
    ChangeBtn->setToolTip(tr("Set goal"));
    auto* directions = new QMenu(ChangeBtn);
    for (const TWeightItem& item : Directions)
        directions->addAction(DirectionIcon(item.Value), tr(item.Caption), this,
                              [this, value = item.Value] { ChooseDirection(value); });
    ChangeBtn->setMenu(directions);
    NameBox = new QComboBox(bar);
    NameBox->setObjectName(QStringLiteral("NameBox"));
    Targets = new TTargetModel(NameBox);
    NameBox->setModel(Targets);
    NameBox->setMinimumContentsLength(12);
    NameBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ValueBox = new QLineEdit(QStringLiteral("1.2E-3"), bar);
    ValueBox->setObjectName(QStringLiteral("ValueBox"));
    ValueBox->setToolTip(tr("The X of the goal"));
    ValueBox->setMaximumWidth(120);
    ValueBox->setMinimumWidth(ValueBox->fontMetrics().horizontalAdvance(QStringLiteral("-1234.567")) + 12);
    PercentLabel = new QLabel(bar);
    PercentLabel->setMinimumWidth(PercentLabel->fontMetrics().horizontalAdvance(QLatin1Char('%')) + 2);
    layout->addWidget(MenuBtn);
    layout->addWidget(ChangeBtn);
    layout->addWidget(NameBox, 1);
    layout->addWidget(ValueBox);
    layout->addWidget(PercentLabel);

    connect(MenuBtn, &QToolButton::clicked, this, &TActorView::ApplyWeight);
    connect(ChangeBtn, &QToolButton::clicked, this, &TActorView::SetGoal);
    connect(NameBox, &QComboBox::activated, this, &TActorView::TargetChosen);
    connect(ValueBox, &QLineEdit::returnPressed, this, &TActorView::SetGoal);
    return bar;
}

QWidget* TActorView::MakePositionPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeModeBar());
    auto* titleRow = new QHBoxLayout;
    Title = Heading(QString(), panel);
    titleRow->addWidget(Title, 1);
    DeletePositionBtn = Button(tr("Delete actor property"), "DeletePositionBtn", panel);
    DeletePositionBtn->setText(tr("Delete"));
    titleRow->addWidget(DeletePositionBtn);
    layout->addLayout(titleRow);
    layout->addWidget(MakeWeightBar());
    PositionList = new TDropList(panel);
    PositionList->setObjectName(QStringLiteral("PositionList"));
    PositionList->Accepts = [this](const QMimeData* data) { return AcceptsDrop(data); };
    PositionList->Dropped = [this](const QMimeData* data) { DropPositions(data); };
    PositionList->OnDelete = [this] { DeletePosition(); };
    layout->addWidget(PositionList, 1);
    PositionComment = new TCommentBox(panel);
    PositionComment->setObjectName(QStringLiteral("PositionComment"));
    PositionComment->setPlaceholderText(tr("Comment on the position"));
    PositionComment->setMaximumHeight(110);
    PositionComment->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangeActors); };
    layout->addWidget(PositionComment);

    connect(DeletePositionBtn, &QToolButton::clicked, this, &TActorView::DeletePosition);
    connect(PositionList, &QListWidget::itemSelectionChanged, this, &TActorView::PositionChosen);
    return panel;
}

void TActorView::FillWeightMenu()
{
    WeightMenu->clear();
    const bool preference = WeighsPreference(CurrentMode);
    const auto add = [&](const auto& items) {
        for (const TWeightItem& item : items)
            WeightMenu->addAction(WeightIcon(item.Value, preference), tr(item.Caption), this,
                                  [this, value = item.Value] { ChooseWeight(value); });
    };
    if (preference)
        add(Preferences);
    else
        add(Influences);
    MenuBtn->setToolTip(preference ? tr("Set actor appreciation") : tr("Set actor influence"));
}

void TActorView::CaseChanged(TChangeKinds kinds)
{
    if (kinds & (ChangeActors | ChangeCatalogues | ChangeAreasOptions | ChangeLevels))
        Rebuild();
}

void TActorView::StorePendingEdits() { StoreComments(); }

void TActorView::StoreComments()
{
    ActorComment->StorePending();
    PositionComment->StorePending();
}

void TActorView::Rebuild()
{
    Actor = FindActor(Actor);
    Position = FindPosition(Position);
    RebuildActors();
    RebuildChooser();
    RebuildPositions();
}

void TActorView::RebuildActors()
{
    Rebuilding = true;
    ActorList->clear();
    for (TActor* actor : Case.Actors) {
        auto* item = new QListWidgetItem(BuiltinIcon(QStringLiteral("actor")), actor->Name, ActorList);
        item->setData(Qt::UserRole, QVariant::fromValue<void*>(actor));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (actor == Actor)
            ActorList->setCurrentItem(item);
    }
    Rebuilding = false;
    ActorComment->Show(Actor);
}

void TActorView::RebuildChooser()
{
    Rebuilding = true;
    NameBox->setPlaceholderText(tr(ModeItems[int(CurrentMode)].Chooser));
    Targets->Reset(Actor ? ChooserTargets(Case, Actor, CurrentMode) : std::vector<TActorTarget>());
    const int chosen = Targets->RowOf(Target);
    NameBox->setCurrentIndex(chosen);
    Target = chosen < 0 ? nullptr : Target;
    Rebuilding = false;
}

void TActorView::RebuildPositions()
{
    Rebuilding = true;
    PositionList->clear();
    if (Actor) {
        const bool preference = WeighsPreference(CurrentMode);
        for (TNameless* position : SortedPositions(*Actor, CurrentMode)) {
            auto* item = new QListWidgetItem(WeightIcon(PositionWeight(*Actor, position), preference),
                                             PositionText(*position, CurrentMode), PositionList);
            item->setData(Qt::UserRole, QVariant::fromValue<void*>(position));
            if (position == Position)
                PositionList->setCurrentItem(item);
        }
    }
    if (PositionList->currentItem())
        PositionList->scrollToItem(PositionList->currentItem());
    Rebuilding = false;
    ShowPosition();
}

void TActorView::ShowPosition()
{
    PositionComment->Show(Position);
    if (Position) {
        ChooseTarget(PositionTarget(*Position, CurrentMode));
        if (CurrentMode == TActorMode::Goals) {
            const auto* goal = static_cast<const TActorGoal*>(Position);
            // A rebuild for another window's change keeps a value being typed for this goal.
            if (goal != ValueGoal || !ValueBox->isModified())
                ValueBox->setText(FormatExactValue(goal->Value));
            ValueGoal = goal;
            CurrentDirection = goal->Direction;
        }
    }
    UpdateControls();
}

void TActorView::UpdateControls()
{
    const bool goals = CurrentMode == TActorMode::Goals;
    const bool percent = CurrentDirection == -2 || CurrentDirection == 2;
    Title->setText(tr(ModeItems[int(CurrentMode)].Title));
    DeleteBtn->setEnabled(Actor != nullptr);
    DeletePositionBtn->setEnabled(Position != nullptr);
    MenuBtn->setEnabled(Actor != nullptr);
    MenuBtn->setIcon(WeightIcon(CurrentWeight, WeighsPreference(CurrentMode)));
    MenuBtn->setText(WeighsPreference(CurrentMode) ? CaptionOf(Preferences, CurrentWeight)
                                                   : CaptionOf(Influences, CurrentWeight));
    ChangeBtn->setEnabled(goals && Actor != nullptr);
    ChangeBtn->setIcon(DirectionIcon(CurrentDirection));
    ChangeBtn->setText(CaptionOf(Directions, CurrentDirection));
    ChangeBtn->setVisible(goals);
    NameBox->setEnabled(Actor != nullptr);
    ValueBox->setVisible(goals);
    ValueBox->setEnabled(Actor != nullptr);
    PercentLabel->setVisible(goals);
    PercentLabel->setText(percent ? QStringLiteral("%") : QStringLiteral(" "));
}

void TActorView::ActorChosen()
{
    if (Rebuilding)
        return;
    void* chosen = Data(ActorList->currentItem());
    StoreComments();
    Actor = FindActor(chosen);
    Position = nullptr;
    Target = nullptr;
    ActorComment->Show(Actor);
    RebuildChooser();
    RebuildPositions();
}

void TActorView::PositionChosen()
{
    if (Rebuilding)
        return;
    void* chosen = Data(PositionList->currentItem());
    PositionComment->StorePending();
    Position = FindPosition(chosen);
    ShowPosition();
}

void TActorView::TargetChosen()
{
    if (!Rebuilding)
        Target = Targets->ItemAt(NameBox->currentIndex());
}

bool TActorView::ChooseTarget(const void* item)
{
    const int index = Targets->RowOf(item);
    NameBox->setCurrentIndex(index);
    Target = index < 0 ? nullptr : const_cast<void*>(item);
    return index >= 0;
}

void* TActorView::ChosenTarget() const { return Target; }

TActor* TActorView::FindActor(const void* actor) const
{
    for (TActor* a : Case.Actors)
        if (a == actor)
            return a;
    return nullptr;
}

TNameless* TActorView::FindPosition(const void* position) const
{
    if (!Actor || !position)
        return nullptr;
    for (TNameless* p : SortedPositions(*Actor, CurrentMode))
        if (p == position)
            return p;
    return nullptr;
}
