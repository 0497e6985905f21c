#pragma once

#include "model/conceptlist.h"
#include "ui/caseview.h"

#include <QIcon>
#include <QListWidget>
#include <functional>
#include <vector>

class QHBoxLayout;
class QSplitter;
class QToolButton;
class TCommentBox;
class TConcept;

/// The catalogues that have a view of their own, in the order of their traits.
enum class TCatalogue { Phases, Categories, Qualifiers, Scales, Variables };

/// What sets the catalogue views apart; one row per catalogue.
struct TCatalogueTraits
{
    const char* Caption;
    int Width;
    int Height;
    const char* AddButton;       // object name: "NewBtn" or "AddBtn"
    const char* AddHint;
    const char* DeleteHint;
    const char* Confirmation;    // asked before a delete
    const char* Noun;            // in the labels of the edits: "Delete phase Now"
    TChangeKinds DeleteKinds;    // what a delete's cascade reaches besides the catalogue
    bool Renames;
    bool Reorders;               // by dragging an entry onto another
    bool Keys;                   // Delete and Insert in the list
};

const TCatalogueTraits& CatalogueTraits(TCatalogue catalogue);

/// The list of a catalogue view: it accepts drops of its own entries only and
/// hands Delete and Insert to the view.
class TCatalogueList : public QListWidget
{
    Q_OBJECT
public:
    explicit TCatalogueList(QWidget* parent = nullptr);

    std::function<void(QListWidgetItem* dragged, QListWidgetItem* target)> OnMove;
    std::function<bool(int key)> OnKey;   // true when the key was used
    /// The data of a drag that leaves the list (null: Qt's own, for reordering).
    std::function<QMimeData*(QListWidgetItem* item)> OnDragData;

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

/// One catalogue of the case as a list with a comment box: add, delete,
/// rename in place, comment, and (phases, categories) reorder by drag. The
/// list is rebuilt from the case on every change notice; the selection is the
/// concept found again by identity. Subclasses say how their catalogue is
/// walked and changed and add their own buttons.
class TCatalogueView : public TCaseView
{
    Q_OBJECT
public:
    TCatalogueView(TORVEL& main, TCase& aCase, TCatalogue catalogue);

    /// The selected concept, or null.
    TConcept* Current() const { return Selected; }
    /// Selects the entry of this concept (null: none), storing typed text first.
    void Select(TConcept* item);
    /// The concept an entry shows.
    static TConcept* ConceptOf(const QListWidgetItem* item);
    /// The concepts in the order the list shows them.
    QStringList EntryNames() const;

    // The commands of the buttons and keys; each does nothing when it cannot apply.
    void AddNew();
    void DeleteCurrent();
    void RenameEntry(TConcept* item, const QString& name);
    void MoveEntry(TConcept* dragged, TConcept* target);

    void StorePendingEdits() override;
    void CaseChanged(TChangeKinds kinds) override;

    QToolButton* AddBtn;
    QToolButton* DeleteBtn;
    TCatalogueList* List;
    TCommentBox* Box;

protected:
    /// The catalogue in the order the list shows it.
    virtual std::vector<TConcept*> Entries() const = 0;
    /// Whether a new concept can be added now (it may say why not).
    virtual bool ReadyToAdd() { return true; }
    /// The concept of that name (letter case aside), or null.
    virtual TConcept* Find(const QString& name) const = 0;
    /// Adds a new concept (the name is free) inside the add's edit.
    virtual TConcept* AddConcept(const QString& name) = 0;
    virtual void DeleteConcept(TConcept* item) = 0;
    /// Renames inside the rename's edit; false when refused.
    virtual bool RenameConcept(TConcept*, const QString&) { return false; }
    virtual bool MoveConcept(TConcept*, TConcept*) { return false; }
    virtual QIcon Picture(const TConcept* item) const = 0;
    /// Shows the current concept in the view's own controls.
    virtual void ShowCurrentDetails() {}

    /// A tool button in the row above the list; one that acts on the selected
    /// concept is enabled only while there is one.
    QToolButton* AddToolButton(const char* name, const QString& text, const QString& hint, bool needsSelection,
                               std::function<void()> command);
    /// The icon editor on the selected category or qualifier; its result is stored as one edit.
    void EditCurrentIcon();
    /// True when the list shows this concept, i.e. it is still in the case.
    bool Shows(const TConcept* item) const;

    template <class T>
    static std::vector<TConcept*> ListEntries(const TConceptList<T>& list)
    {
        return std::vector<TConcept*>(list.begin(), list.end());
    }
    /// Closing stores what is being typed.
    void closeEvent(QCloseEvent* event) override;

    QHBoxLayout* ButtonRow;
    const TCatalogueTraits& Traits;

private:
    void Rebuild();
    void ShowCurrent();
    void CurrentItemChanged(QListWidgetItem* item);

    TConcept* Selected = nullptr;
    std::vector<QToolButton*> SelectionButtons;
    int InListSignal = 0;   // a notice heard then rebuilds later, not under the list's feet
    bool RebuildQueued = false;
};
