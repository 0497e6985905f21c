#pragma once

// What every window test includes: the model, the main window, the Qt widgets
// the tests drive, and the helpers that drive them as a user does.
#include "model/case.h"
#include "model/caseedit.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/messagerecorder.h"
#include "model/option.h"
#include "ui/beep.h"
#include "ui/casestore.h"
#include "ui/commentbox.h"
#include "ui/dragitems.h"
#include "ui/droplist.h"
#include "ui/droptree.h"
#include "ui/mainwindow.h"
#include "uitestsupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

inline const QString ExampleCase = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown");

/// What a window under test needs around it: the recorder of messages and a
/// main window, with its settings file in a folder of its own, that answers
/// every question from a script. It keeps the program's case store unless the
/// test logs the writes instead.
struct TScriptedWindow
{
    TScriptedWindow() : Window(Settings.filePath(QStringLiteral("ORVEL.ini")))
    {
        auto prompter = std::make_unique<TScriptedPrompter>();
        Prompter = prompter.get();
        Window.SetPrompter(std::move(prompter));
    }

    /// Replaces the case store by one that logs the writes.
    TLoggingStore* LogWrites()
    {
        auto store = std::make_unique<TLoggingStore>();
        TLoggingStore* log = store.get();
        Window.SetCaseStore(std::move(store));
        return log;
    }

    TMessageRecorder Messages;
    QTemporaryDir Settings;
    TORVEL Window;
    TScriptedPrompter* Prompter;
};

/// The scripted window on real case folders, with the steps every window test
/// takes: a new or a saved case, a window from the View menu, save and reopen.
class TWindowTest : public ::testing::Test, protected TScriptedWindow
{
protected:
    TWindowTest() { Window.SetCaseStore(TCaseStore::CaseFolders()); }

    TCase& Case() { return *Window.Case(); }
    void NewCase(const QString& name)
    {
        Prompter->NameAnswer = name;
        Window.New();
    }
    void OpenFolder(const QString& folder)
    {
        Prompter->CaseFolderAnswer = folder;
        Window.Open();
    }
    /// The window of `kind` from the View menu; the item toggles, so it must not be open yet.
    template <class V>
    V* Open(TViewKind kind)
    {
        Window.ViewAction(kind)->trigger();
        return dynamic_cast<V*>(Window.View(kind));
    }
    /// Save As to `folder`, then the folder opened again as a user would.
    bool SaveAndReopen(const QString& folder)
    {
        Prompter->SaveFolderAnswers = {folder};
        if (!Window.SaveAs() || !Window.CloseCase())
            return false;
        OpenFolder(folder);
        return Window.Case() != nullptr;
    }
};

inline TOption* FindOption(const TCase& aCase, const QString& name)
{
    TOption* found = nullptr;
    aCase.ForEachOption([&](TOption* o) { found = o->Name == name ? o : found; });
    return found;
}

/// The texts of the tree's entries, depth first, children indented by two blanks.
inline QStringList TreeTexts(const QTreeWidget* tree)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            ++depth;
        texts << QString(depth * 2, QLatin1Char(' ')) + (*it)->text(0);
    }
    return texts;
}

inline QStringList ListTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

/// Drops `items` at `at` in the view as a drag from another window would.
/// True when the view took the drop.
inline bool DropOn(QAbstractItemView* view, const std::vector<TDragItem>& items, QPoint at)
{
    std::unique_ptr<QMimeData> data(MakeDragData(items));
    // Qt delivers moves and the drop only to the widget that took the drag's entry.
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    return drop.isAccepted();
}

/// Drops on `target`'s entry, or on an empty part below the entries when it is nullptr.
inline bool DropOn(QTreeWidget* tree, const std::vector<TDragItem>& items, QTreeWidgetItem* target = nullptr)
{
    if (!target)
        return DropOn(tree, items, tree->viewport()->rect().bottomLeft() + QPoint(4, -4));
    tree->scrollToItem(target);
    return DropOn(tree, items, tree->visualItemRect(target).center());
}

/// Renames an entry in place, as the list's or the tree's own editor does.
inline void RenameInPlace(QListWidgetItem* item, const QString& name)
{
    item->setText(name);
    QApplication::processEvents();
}
inline void RenameInPlace(QTreeWidgetItem* item, const QString& name)
{
    item->setText(0, name);
    QApplication::processEvents();
}

/// A step taken in another window: `change` edits the case, then the open windows hear of `kinds`.
inline void EditElsewhere(TCase& aCase, const QString& label, TChangeKinds kinds, const std::function<void()>& change)
{
    TCaseEdit step(aCase, label, kinds);
    change();
}

/// Types into a box that takes the focus, as a user does.
inline void Type(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

/// Types over everything the box holds, as a user does after selecting it all.
template <class Box>
void Retype(Box* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

/// Presses a key in a widget that takes the focus, as a user does.
inline void Press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
}
