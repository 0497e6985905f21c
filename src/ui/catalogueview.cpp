#include "ui/catalogueview.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/icons.h"
#include "model/messages.h"
#include "ui/commentbox.h"
#include "ui/prompter.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// What a delete of a phase or category reaches: its decision areas and with
// them options, choices in designs, combinations, policies and feelings.
constexpr TChangeKinds AreaCascade = ChangeEverything;
constexpr TChangeKinds VariableCascade = ChangeAreasOptions | ChangeValues | ChangeDesigns | ChangeActors;

constexpr TCatalogueTraits Traits[] = {
    {QT_TRANSLATE_NOOP("TCatalogueView", "Phases"), 200, 300, "NewBtn", QT_TRANSLATE_NOOP("TCatalogueView", "Add new phase"),
     QT_TRANSLATE_NOOP("TCatalogueView", "Delete phase"),
     QT_TRANSLATE_NOOP("TCatalogueView", "ALL decision areas in this phase will also be deleted.\nContinue?"),
     QT_TRANSLATE_NOOP("TCatalogueView", "phase"), AreaCascade, true, true, true},
    {QT_TRANSLATE_NOOP("TCatalogueView", "Categories"), 250, 350, "NewBtn",
     QT_TRANSLATE_NOOP("TCatalogueView", "Add new category"), QT_TRANSLATE_NOOP("TCatalogueView", "Delete category"),
     QT_TRANSLATE_NOOP("TCatalogueView", "ALL decision areas in this category will also be deleted.\nContinue?"),
     QT_TRANSLATE_NOOP("TCatalogueView", "category"), AreaCascade, true, true, true},
    {QT_TRANSLATE_NOOP("TCatalogueView", "Qualifiers"), 200, 300, "AddBtn",
     QT_TRANSLATE_NOOP("TCatalogueView", "Add new qualifier"), QT_TRANSLATE_NOOP("TCatalogueView", "Delete qualifier"),
     QT_TRANSLATE_NOOP("TCatalogueView", "ALL corresponding qualifications will also be deleted.\nContinue?"),
     QT_TRANSLATE_NOOP("TCatalogueView", "qualifier"), ChangeAreasOptions | ChangeDesigns | ChangeActors, false, false,
     false},
    {QT_TRANSLATE_NOOP("TCatalogueView", "Scales"), 200, 300, "AddBtn", QT_TRANSLATE_NOOP("TCatalogueView", "Add new scale"),
     QT_TRANSLATE_NOOP("TCatalogueView", "Delete scale"),
     QT_TRANSLATE_NOOP("TCatalogueView", "ALL variables with this scale will also be deleted.\nContinue?"),
     QT_TRANSLATE_NOOP("TCatalogueView", "scale"), VariableCascade, true, false, false},
    {QT_TRANSLATE_NOOP("TCatalogueView", "Variables"), 288, 350, "AddBtn",
     QT_TRANSLATE_NOOP("TCatalogueView", "Add new variable"), QT_TRANSLATE_NOOP("TCatalogueView", "Delete variable"),
     QT_TRANSLATE_NOOP("TCatalogueView",
                       "ALL effects and goals associated with this variable will also be deleted.\nContinue?"),
     QT_TRANSLATE_NOOP("TCatalogueView", "variable"), VariableCascade, true, false, false},
};

} // namespace

const TCatalogueTraits& CatalogueTraits(TCatalogue catalogue) { return Traits[int(catalogue)]; }

TCatalogueList::TCatalogueList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | EditKeyPressed | SelectedClicked);
}

QMimeData* TCatalogueList::mimeData(const QList<QListWidgetItem*>& items) const
{
    if (OnDragData && !items.isEmpty())
        return OnDragData(items.constFirst());
    return QListWidget::mimeData(items);
}

void TCatalogueList::dragEnterEvent(QDragEnterEvent* event)
{
    // Entries of this very list only; anything from elsewhere is refused.
    if (event->source() == this && OnMove)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TCatalogueList::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() == this && OnMove && itemAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TCatalogueList::dropEvent(QDropEvent* event)
{
    QListWidgetItem* target = itemAt(event->position().toPoint());
    QListWidgetItem* dragged = currentItem();
    // The list is rebuilt by the move, so Qt must not move anything itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (event->source() == this && OnMove && target && dragged && target != dragged)
        OnMove(dragged, target);
}

void TCatalogueList::keyPressEvent(QKeyEvent* event)
{
    if (state() != EditingState && OnKey && OnKey(event->key()))
        return;
    QListWidget::keyPressEvent(event);
}

TCatalogueView::TCatalogueView(TORVEL& main, TCase& aCase, TCatalogue catalogue)
    : TCaseView(main, aCase), Traits(CatalogueTraits(catalogue))
{
    setWindowTitle(tr(Traits.Caption));
    resize(Traits.Width, Traits.Height);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    ButtonRow = new QHBoxLayout;
    ButtonRow->setSpacing(2);
    layout->addLayout(ButtonRow);
    AddBtn = AddToolButton(Traits.AddButton, tr("Add"), tr(Traits.AddHint), false, [this] { AddNew(); });
    DeleteBtn = AddToolButton("DeleteBtn", tr("Delete"), tr(Traits.DeleteHint), true, [this] { DeleteCurrent(); });
    ButtonRow->addStretch();

    auto* splitter = new QSplitter(Qt::Vertical, this);
    List = new TCatalogueList(splitter);
    List->setObjectName(QStringLiteral("List"));
    Box = new TCommentBox(splitter);
    Box->setObjectName(QStringLiteral("CommentBox"));
    Box->setPlaceholderText(tr("Comment"));
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);

    Box->OnStore = [this](TNameless& item, const QString& text) { StoreComment(item, text, ChangeCatalogues); };
    connect(List, &QListWidget::currentItemChanged, this, &TCatalogueView::CurrentItemChanged);
    if (Traits.Renames) {
        // A rename moves and rebuilds the entries: run it after the list's signal.
        connect(List, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
            TConcept* entry = ConceptOf(item);
            const QString text = item->text();
            QMetaObject::invokeMethod(this, [this, entry, text] { RenameEntry(entry, text); },
                                      Qt::QueuedConnection);
        });
    }
    if (Traits.Reorders) {
        List->setDragDropMode(QAbstractItemView::InternalMove);
        // The move rebuilds the list: run it once the drag has finished with it.
        List->OnMove = [this](QListWidgetItem* dragged, QListWidgetItem* target) {
            QMetaObject::invokeMethod(
                this, [this, from = ConceptOf(dragged), to = ConceptOf(target)] { MoveEntry(from, to); },
                Qt::QueuedConnection);
        };
    }
    if (Traits.Keys) {
        List->OnKey = [this](int key) {
            if (key == Qt::Key_Delete)
                DeleteCurrent();
            else if (key == Qt::Key_Insert)
                AddNew();
            else
                return false;
            return true;
        };
    }
}

QToolButton* TCatalogueView::AddToolButton(const char* name, const QString& text, const QString& hint,
                                           bool needsSelection, std::function<void()> command)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    ButtonRow->addWidget(button);
    if (command)
        connect(button, &QToolButton::clicked, this, std::move(command));
    if (needsSelection) {
        SelectionButtons.push_back(button);
        button->setEnabled(false);
    }
    return button;
}

TConcept* TCatalogueView::ConceptOf(const QListWidgetItem* item)
{
    // Entries are made anew on every notice, so an entry's entry is alive.
    return item ? reinterpret_cast<TConcept*>(item->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

QStringList TCatalogueView::EntryNames() const
{
    QStringList names;
    for (int i = 0; i < List->count(); ++i)
        names << List->item(i)->text();
    return names;
}

void TCatalogueView::Rebuild()
{
    RebuildQueued = false;
    const QSignalBlocker blocker(List);
    List->setUpdatesEnabled(false);
    List->clear();
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                                (Traits.Renames ? Qt::ItemIsEditable : Qt::ItemFlags()) |
                                (Traits.Reorders ? Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled : Qt::ItemFlags());
    TConcept* found = nullptr;
    for (TConcept* entry : Entries()) {
        auto* item = new QListWidgetItem(Picture(entry), entry->Name, List);
        item->setData(Qt::UserRole, QVariant::fromValue(quintptr(entry)));
        item->setFlags(flags);
        if (entry == Selected) {
            found = entry;
            List->setCurrentItem(item);
        }
    }
    Selected = found;
    List->setUpdatesEnabled(true);
    ShowCurrent();
}

void TCatalogueView::ShowCurrent()
{
    for (QToolButton* button : SelectionButtons)
        button->setEnabled(Selected != nullptr);
    Box->Show(Selected);
    ShowCurrentDetails();
}

void TCatalogueView::CaseChanged(TChangeKinds kinds)
{
    if (!(kinds & (ChangeCatalogues | ChangeEverything)))
        return;
    if (InListSignal > 0) {
        if (!RebuildQueued)
            QMetaObject::invokeMethod(this, &TCatalogueView::Rebuild, Qt::QueuedConnection);
        RebuildQueued = true;
        return;
    }
    Rebuild();
}

void TCatalogueView::CurrentItemChanged(QListWidgetItem* item)
{
    ++InListSignal;
    StorePendingEdits();
    Selected = ConceptOf(item);
    ShowCurrent();
    --InListSignal;
}

void TCatalogueView::Select(TConcept* item)
{
    StorePendingEdits();
    for (int i = 0; i < List->count(); ++i)
        if (ConceptOf(List->item(i)) == item) {
            List->setCurrentItem(List->item(i));
            return;
        }
    List->setCurrentItem(nullptr);
}

void TCatalogueView::StorePendingEdits() { Box->StorePending(); }

void TCatalogueView::closeEvent(QCloseEvent* event)
{
    StorePendingEdits();
    TCaseView::closeEvent(event);
}

void TCatalogueView::AddNew()
{
    if (!AddBtn->isEnabled())
        return;
    StorePendingEdits();
    if (!ReadyToAdd())
        return;
    const std::optional<QString> typed = Prompts().AskConceptName(tr("Name"), QString());
    if (!typed)
        return;
    const QString name = CleanTrimmedName(*typed);
    if (name.isEmpty())
        return;
    // A name already taken selects that entry and changes nothing.
    if (TConcept* existing = Find(name)) {
        Select(existing);
        return;
    }
    TCaseEdit edit(Case, tr("Add %1 %2").arg(tr(Traits.Noun), name), ChangeCatalogues);
    if (TConcept* added = AddConcept(name))
        Selected = added;   // the notice's rebuild selects its entry
    else
        edit.Cancel();
}

void TCatalogueView::DeleteCurrent()
{
    TConcept* item = Selected;
    if (!item || !AskYesNo(tr(Traits.Confirmation)) || !Shows(item))
        return;
    // What was typed for the entry goes with it.
    Box->Show(nullptr);
    Selected = nullptr;
    TCaseEdit edit(Case, tr("Delete %1 %2").arg(tr(Traits.Noun), item->Name), ChangeCatalogues | Traits.DeleteKinds);
    DeleteConcept(item);
}

void TCatalogueView::RenameEntry(TConcept* item, const QString& name)
{
    // The entry may have gone since the rename was typed.
    if (!Shows(item))
        return;
    const QString clean = CleanTrimmedName(name);
    bool renamed = false;
    if (!clean.isEmpty() && clean != item->Name) {
        TCaseEdit edit(Case, tr("Rename %1").arg(tr(Traits.Noun)), ChangeCatalogues | ChangeAreasOptions | ChangeValues);
        renamed = RenameConcept(item, clean);
        if (!renamed)
            edit.Cancel();
    }
    if (!renamed)
        Rebuild();   // the entry shows the name the concept kept
}

void TCatalogueView::MoveEntry(TConcept* dragged, TConcept* target)
{
    if (!Shows(dragged) || !Shows(target) || dragged == target)
        return;
    TCaseEdit edit(Case, tr("Move %1 %2").arg(tr(Traits.Noun), dragged->Name), ChangeCatalogues | ChangeDesigns);
    if (!MoveConcept(dragged, target))
        edit.Cancel();
}

bool TCatalogueView::Shows(const TConcept* item) const
{
    if (!item)
        return false;
    for (int i = 0; i < List->count(); ++i)
        if (ConceptOf(List->item(i)) == item)
            return true;
    return false;
}

void TCatalogueView::EditCurrentIcon()
{
    TConcept* item = Selected;
    if (!item)
        return;
    StorePendingEdits();
    const std::optional<QImage> image = Prompts().EditIcon(*item);
    // The editor is modal, but the case may still have changed under it.
    if (!image || !Shows(item))
        return;
    TCaseEdit edit(Case, tr("Edit icon of %1").arg(item->Name), ChangeCatalogues | ChangeAreasOptions | ChangeDesigns);
    if (!SetConceptIcon(*item, *image))
        edit.Cancel();
}
