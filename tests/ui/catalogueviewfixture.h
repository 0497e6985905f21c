#pragma once

#include "ui/catalogueview.h"
#include "scriptedwindow.h"

/// A main window with a new case, in which the catalogue views are opened as
/// a user opens them.
class CatalogueViewTest : public TWindowTest
{
protected:
    CatalogueViewTest()
    {
        NewCase(QStringLiteral("Rivertown"));
        Window.show();
        Window.activateWindow();
        (void)QTest::qWaitForWindowActive(&Window);
    }
    ~CatalogueViewTest() override
    {
        if (Window.Case())
            Case().Changed = false;   // no question at the end
    }

    /// The Add button, answered with `name`.
    void Add(TCatalogueView* view, const QString& name)
    {
        Prompter->ConceptNames.push_back(name);
        view->AddBtn->click();
    }
    static QString CurrentName(const TCatalogueView* view)
    {
        return view->Current() ? view->Current()->Name : QString();
    }
};
