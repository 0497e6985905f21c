#pragma once

#include "model/case.h"
#include "model/messagerecorder.h"
#include "ui/catalogueview.h"
#include "ui/mainwindow.h"
#include "scriptedwindow.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

/// A main window with a new case, real case folders and scripted answers,
/// in which the catalogue views are opened as a user opens them.
class CatalogueViewTest : public ::testing::Test, protected TScriptedWindow
{
protected:
    CatalogueViewTest()
    {
        Window.SetCaseStore(TCaseStore::CaseFolders());
        Prompter->NameAnswer = QStringLiteral("Rivertown");
        Window.New();
        Window.show();
        Window.activateWindow();
        (void)QTest::qWaitForWindowActive(&Window);
    }
    ~CatalogueViewTest() override
    {
        if (Window.Case())
            Window.Case()->Changed = false;   // no question at the end
    }

    template <class V>
    V* Open(TViewKind kind)
    {
        Window.ViewAction(kind)->trigger();
        return dynamic_cast<V*>(Window.View(kind));
    }
    TCase& Case() { return *Window.Case(); }

    /// The Add button, answered with `name`.
    void Add(TCatalogueView* view, const QString& name)
    {
        Prompter->ConceptNames.push_back(name);
        view->AddBtn->click();
    }
    /// Renames the selected entry in place, as the list's editor does.
    void RenameInPlace(TCatalogueView* view, const QString& name)
    {
        view->List->currentItem()->setText(name);
        QApplication::processEvents();
    }
    static QString CurrentName(const TCatalogueView* view)
    {
        return view->Current() ? view->Current()->Name : QString();
    }
    /// Types into a box that has the focus, as a user does.
    static void Type(QWidget* box, const QString& text)
    {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

};
