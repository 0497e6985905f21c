#include "ui/designview.h"

#include "actors/actor.h"
#include "actors/appreciation.h"
#include "actors/designsurvey.h"
#include "actors/impactreport.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/caseedit.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "model/option.h"
#include "policy/qualification.h"
#include "ui/commentbox.h"
#include "ui/designmarks.h"
#include "ui/uiicons.h"
#include "ui/doview.h"
#include "ui/mainwindow.h"
#include "ui/prompter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

TAppreciationSettings SettingsOf(const TORVEL& main)
{
    return { main.Objectives(), main.SpecificOptions(), main.Qualifications() };
}

QTreeWidgetItem* AddEntry(QTreeWidgetItem* parent, const QString& text, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(parent, QStringList(text));
    item->setIcon(0, icon);
    return item;
}

QTreeWidgetItem* AddPartEntry(QTreeWidgetItem* parent, const QString& caption, const TAppreciation& part)
{
    QTreeWidgetItem* item = AddEntry(parent, caption + part.AppreciationText(), QIcon());
    item->setIcon(1, BarIcon(part));
    return item;
}

int FeelingAbout(const TActor& actor, const TQualifier* qualifier)
{
    for (const auto& feeling : actor.Qualifiers)
        if (feeling->Qualifier == qualifier)
            return feeling->Preference;
    return 0;
}

// The entries of one actor's appreciation; the appreciation itself is gone
// once they are made.
QTreeWidgetItem* ActorEntry(const TActorAppreciation& appreciation)
{
    const TActor& actor = *appreciation.Actor;
    auto* top = new QTreeWidgetItem(QStringList(actor.Name + QStringLiteral(": ") + appreciation.AppreciationText()));
    top->setIcon(0, BuiltinIcon(QStringLiteral("actor")));
    top->setIcon(1, BarIcon(appreciation));
    const TAppreciationSettings& settings = appreciation.Settings;
    if (settings.Objectives) {
        const TGoalAppreciation& goals = *appreciation.GoalAppreciation;
        QTreeWidgetItem* part = AddPartEntry(top, QStringLiteral("objectives: "), goals);
        for (const TActorGoal* goal : goals.Items)
            AddEntry(part, GoalText(*goal), RatingFaceIcon(goal->Preference));
        QTreeWidgetItem* unattained = AddEntry(part, QObject::tr("Unattained goals"), QIcon());
        for (const auto& goal : actor.Goals)
            if (std::find(goals.Items.begin(), goals.Items.end(), goal.get()) == goals.Items.end())
                AddEntry(unattained, GoalText(*goal), RatingFaceIcon(goal->Preference));
    }
    if (settings.SpecificOptions) {
        const TOptionAppreciation& options = *appreciation.OptionAppreciation;
        QTreeWidgetItem* part = AddPartEntry(top, QStringLiteral("specific options: "), options);
        // One entry per option, counting every object where it is chosen: a
        // large design would otherwise list the option thousands of times.
        std::vector<std::pair<const TRelevantOption*, qint64>> counted;
        for (const auto& relevant : options.Items) {
            auto same = std::find_if(counted.begin(), counted.end(), [&](const auto& entry) {
                return entry.first->Option == relevant->Option && entry.first->Preference == relevant->Preference;
            });
            if (same == counted.end())
                same = counted.insert(counted.end(), {relevant.get(), 0});
            same->second += relevant->DesignObject->CumulativeCount();
        }
        for (const auto& [relevant, count] : counted)
            AddEntry(part,
                     QStringLiteral("[%1x] ").arg(count) + relevant->Option->DecisionArea->Name + QStringLiteral(" = ")
                         + relevant->Option->Name,
                     RatingFaceIcon(relevant->Preference));
    }
    if (settings.Qualifications) {
        const TQualifierAppreciation& qualifiers = *appreciation.QualifierAppreciation;
        QTreeWidgetItem* part = AddPartEntry(top, QStringLiteral("qualifiers: "), qualifiers);
        for (const TQualification* qualification : qualifiers.Items)
            AddEntry(part, TotalQualificationText(*qualification), RatingFaceIcon(FeelingAbout(actor, qualification->Qualifier)));
    }
    return top;
}

} // namespace

TDesignView::TDesignView(TORVEL& main, TCase& aCase) : TCaseView(main, aCase)
{
    setWindowTitle(tr("Designs"));
    auto* tools = new QToolBar(this);
    auto command = [this, tools](const QString& text, const QString& hint, void (TDesignView::*slot)()) {
        QAction* action = tools->addAction(text);
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    NewBtn = command(tr("New"), tr("Add new design"), &TDesignView::NewBtnClick);
    DuplicateBtn = command(tr("Duplicate"), tr("Duplicate design"), &TDesignView::DuplicateBtnClick);
    EditBtn = command(tr("Edit"), tr("Edit design"), &TDesignView::EditBtnClick);
    BaseCaseBtn = command(tr("Base case"), tr("Define as base case for relative impacts"), &TDesignView::BaseCaseBtnClick);
    ReportBtn = command(tr("Report"), tr("Generate and view impact assessment as HTML document"),
                        &TDesignView::ReportBtnClick);
    DeleteBtn = command(tr("Delete"), tr("Delete design"), &TDesignView::DeleteBtnClick);

    List = new QListWidget;
    List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    List->installEventFilter(this);
    Comment = new TCommentBox;
    Comment->setPlaceholderText(tr("Comment"));
    Comment->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangeDesigns); };
    Appreciations = new QTreeWidget;
    Appreciations->setColumnCount(2);
    Appreciations->setHeaderHidden(true);
    Appreciations->setIconSize(QSize(40, 16));
    Appreciations->header()->setStretchLastSection(false);
    Appreciations->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    Appreciations->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    Appreciations->header()->resizeSection(1, 48);

    auto* left = new QSplitter(Qt::Vertical);
    left->addWidget(List);
    left->addWidget(Comment);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(new QLabel(tr("Appreciation by actors:")));
    rightLayout->addWidget(Appreciations);
    auto* split = new QSplitter(Qt::Horizontal);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tools);
    layout->addWidget(split);
    resize(640, 400);

    connect(List, &QListWidget::itemSelectionChanged, this, &TDesignView::SelectionChanged);
    connect(List, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (Syncing)
            return;
        // Renaming rebuilds the list: not inside the list's own signal.
        const TDesign* design = DesignOf(item);
        const QString text = item->text();
        QMetaObject::invokeMethod(this, [this, design, text] { RenameEntry(design, text); }, Qt::QueuedConnection);
    });
    connect(&main, &TORVEL::AppreciationOptionsChanged, this, &TDesignView::RebuildAppreciations);
    SyncList();
    SelectionChanged();
}

QWidget* TDesignView::Create(TORVEL& main, TCase& aCase) { return new TDesignView(main, aCase); }

TDesign* TDesignView::DesignOf(const QListWidgetItem* item) const
{
    if (!item)
        return nullptr;
    const auto* wanted = reinterpret_cast<const TDesign*>(item->data(Qt::UserRole).value<quintptr>());
    for (TDesign* design : Case.Designs)
        if (design == wanted)
            return design;
    return nullptr;
}

TDesign* TDesignView::Selected() const
{
    const std::vector<TDesign*> designs = SelectedDesigns();
    if (TDesign* current = DesignOf(List->currentItem()); current && List->currentItem()->isSelected())
        return current;
    return designs.empty() ? nullptr : designs.front();
}

std::vector<TDesign*> TDesignView::SelectedDesigns() const
{
    std::vector<TDesign*> designs;
    for (const QListWidgetItem* item : List->selectedItems())
        if (TDesign* design = DesignOf(item))
            designs.push_back(design);
    return designs;
}

void TDesignView::Select(const TDesign* design)
{
    for (int i = 0; i < List->count(); ++i)
        if (DesignOf(List->item(i)) == design && design) {
            List->setCurrentItem(List->item(i), QItemSelectionModel::ClearAndSelect);
            return;
        }
}

void TDesignView::SyncList()
{
    Syncing = true;
    bool same = List->count() == Case.Designs.Count();
    for (int i = 0; same && i < List->count(); ++i)
        same = DesignOf(List->item(i)) == Case.Designs.At(i);
    if (!same) {
        const std::vector<TDesign*> selected = SelectedDesigns();
        const QSignalBlocker block(List);
        List->clear();
        for (TDesign* design : Case.Designs) {
            auto* item = new QListWidgetItem(design->Name, List);
            item->setData(Qt::UserRole, QVariant::fromValue(quintptr(design)));
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            if (std::find(selected.begin(), selected.end(), design) != selected.end())
                item->setSelected(true);
        }
    }
    for (int i = 0; i < List->count(); ++i)
        if (List->item(i)->text() != Case.Designs.At(i)->Name)
            List->item(i)->setText(Case.Designs.At(i)->Name);
    ShowMarks();
    Syncing = false;
}

void TDesignView::ShowMarks()
{
    const bool syncing = Syncing;
    Syncing = true;
    for (int i = 0; i < List->count(); ++i)
        if (const TDesign* design = DesignOf(List->item(i))) {
            List->item(i)->setIcon(DesignMarkIcon(!design->Editor.isNull(), design == Case.BaseCase));
            // However the editor was opened, its end changes the mark.
            if (design->Editor)
                connect(design->Editor.data(), &QObject::destroyed, this, &TDesignView::ShowMarks,
                        Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
        }
    Syncing = syncing;
    UpdateButtons();
}

void TDesignView::UpdateButtons()
{
    const TDesign* design = Selected();
    for (QAction* action : {DuplicateBtn, BaseCaseBtn, ReportBtn, DeleteBtn})
        action->setEnabled(design != nullptr);
    EditBtn->setEnabled(design && design->Editor.isNull());
}

void TDesignView::SelectionChanged()
{
    TDesign* design = Selected();
    UpdateButtons();
    if (design == Shown && Comment->Item() == design)
        return;
    // The comment typed for the design left behind is stored first.
    Comment->StorePending();
    Shown = Selected();
    Comment->Show(Shown);
    RebuildAppreciations();
}

void TDesignView::CaseChanged(TChangeKinds kinds)
{
    SyncList();
    Shown = Selected();
    Comment->Show(Shown);
    if (kinds != ChangeCase)
        RebuildAppreciations();
}

void TDesignView::DesignDeleting(TDesign& design)
{
    if (Comment->Item() == &design)
        Comment->Show(nullptr);
    if (Shown == &design)
        Shown = nullptr;
}

void TDesignView::StorePendingEdits() { Comment->StorePending(); }

void TDesignView::RebuildAppreciations()
{
    const TBusyScope busy;
    Appreciations->clear();
    TDesign* design = Selected();
    if (!design)
        return;
    // One pass and one survey serve every actor.
    const TEvaluation pass;
    auto survey = std::make_shared<TDesignSurvey>(design);
    const TAppreciationSettings settings = SettingsOf(Main);
    QList<QTreeWidgetItem*> entries;
    for (TActor* actor : Case.Actors)
        entries << ActorEntry(*CreateActorAppreciation(actor, design, settings, survey));
    Appreciations->addTopLevelItems(entries);
    Appreciations->expandAll();
}

bool TDesignView::eventFilter(QObject* watched, QEvent* event)
{
    // Keys typed into an open rename editor go to the editor, not here.
    if (watched != List || event->type() != QEvent::KeyPress)
        return TCaseView::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Insert:
        NewBtnClick();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditBtnClick();
        return true;
    case Qt::Key_Delete:
        DeleteBtnClick();
        return true;
    default:
        return TCaseView::eventFilter(watched, event);
    }
}

void TDesignView::RenameEntry(const TDesign* wanted, const QString& text)
{
    TDesign* design = nullptr;
    for (TDesign* d : Case.Designs)
        if (d == wanted)
            design = d;
    const QString name = CleanName(text).trimmed();
    if (design && !name.isEmpty() && name != design->Name) {
        TCaseEdit edit(Case, tr("Rename design"), ChangeDesigns);
        if (Case.Designs.RenameConcept(design, name) < 0)
            edit.Cancel();
    }
    // The entry shows the design's actual name, whatever was typed.
    SyncList();
}

void TDesignView::NewBtnClick()
{
    const std::optional<QString> typed = Prompts().AskConceptName(tr("New design"), QString());
    if (!typed || CleanName(*typed).trimmed().isEmpty())
        return;
    TDesign* design = Case.Designs.Find(CleanName(*typed).trimmed());
    if (!design) {
        TCaseEdit edit(Case, tr("Add design ") + CleanName(*typed).trimmed(), ChangeDesigns);
        design = Case.Designs.At(Case.AddDesign(*typed));
    }
    Select(design);
}

void TDesignView::DuplicateBtnClick()
{
    TDesign* source = Selected();
    if (!source)
        return;
    const QString name = QStringLiteral("Copy of ") + source->Name;
    // Merging into an existing copy would overwrite the choices made there.
    if (Case.Designs.Find(name)) {
        ShowWarning(name + QStringLiteral(" already exists"));
        return;
    }
    TDesign* copy = nullptr;
    {
        const TBusyScope busy;
        TCaseEdit edit(Case, tr("Duplicate design ") + source->Name, ChangeDesigns);
        copy = Case.Designs.At(Case.AddDesign(name));
        copy->SetCommentText(QStringLiteral("Duplicated from original."));
        for (TDesignObject* top : source->TopObjects)
            copy->DuplicateDesignObject(top, nullptr, false);
    }
    Select(copy);
}

void TDesignView::EditBtnClick()
{
    TDesign* design = Selected();
    if (!design || !design->Editor.isNull())
        return;
    TDOView::Open(Main, Case, *design);
    ShowMarks();
}

void TDesignView::BaseCaseBtnClick()
{
    TDesign* design = Selected();
    if (!design)
        return;
    TCaseEdit edit(Case, tr("Base case"), ChangeDesigns);
    Case.SetBaseCase(Case.BaseCase == design ? nullptr : design);
}

void TDesignView::ReportBtnClick()
{
    const std::vector<TDesign*> designs = SelectedDesigns();
    if (designs.empty())
        return;
    if (Case.Folder.isEmpty()) {
        ShowInfo(QStringLiteral("Case must be saved to folder first"));
        return;
    }
    const TAppreciationSettings settings = SettingsOf(Main);
    if (WriteImpactReport(Case, designs, settings, true).isEmpty())
        return;
    Prompts().ViewReports(Case);
}

void TDesignView::DeleteBtnClick()
{
    TDesign* design = Selected();
    if (!design || !AskYesNo(QStringLiteral("Really delete design?")))
        return;
    for (QAction* action : {DeleteBtn, DuplicateBtn, EditBtn, BaseCaseBtn, ReportBtn})
        action->setEnabled(false);
    Comment->Show(nullptr);
    Shown = nullptr;
    TCaseEdit edit(Case, tr("Delete design ") + design->Name, ChangeDesigns);
    Case.DeleteDesign(design);
}
