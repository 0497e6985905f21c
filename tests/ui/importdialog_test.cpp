// The import dialog and the main window's Import, driven without a modal loop.
#include "ui/importdialog.h"

#include "import/olddatabasebuilder.h"
#include "scriptedwindow.h"

#include <QStatusBar>

namespace {

struct ImportDialogTest : ::testing::Test, TScriptedWindow
{
    QString Database = Settings.filePath(QStringLiteral("cases.db"));

    void SetUp() override
    {
        TOldDatabaseBuilder db(Database);
        const std::pair<int, const char*> cases[] = { { 1, "Rivertown heating" }, { 2, "NIL" }, { 3, "Harbour" }, { 4, "Broken" } };
        for (const auto& [key, name] : cases)
            db.Insert(QStringLiteral("Case"), { { "CaseID", key }, { "Name", name }, { "NrOfPhases", 1 }, { "Phase1", "Plan" } });
        db.Insert(QStringLiteral("Scale"), { { "ScaleID", 1 }, { "Unit", "EUR" }, { "ScaleLevel", 0 } });
        db.Insert(QStringLiteral("Variable"), { { "VariableID", 5 }, { "CaseID", 1 }, { "Name", "Cost" }, { "ScaleID", 1 } });
        // The broken case's design object stands on a level of another case.
        db.Insert(QStringLiteral("Variant"), { { "VariantID", 6 }, { "CaseID", 4 }, { "Name", "Plan" } });
        db.Insert(QStringLiteral("SystemLevel"), { { "SysLevID", 9 }, { "CaseID", 1 }, { "Name", "Elsewhere" } });
        db.Insert(QStringLiteral("Design"), { { "DesignID", 8 }, { "CaseID", 4 }, { "VariantID", 6 }, { "SysLevID", 9 }, { "Name", "X" } });
    }
};

TEST_F(ImportDialogTest, ListsTheCasesWithNoneChosenOkImportsTheChosenOneStopsStayOpenAndOtherFaultsClose)
{
    TImportDialog dialog;
    dialog.Prepare(Database);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Import case"));
    EXPECT_EQ(dialog.DBBox->text(), Database);
    EXPECT_TRUE(dialog.DBBox->isReadOnly());
    QStringList names;
    for (int i = 0; i < dialog.CaseBox->count(); ++i)
        names << dialog.CaseBox->itemText(i);
    EXPECT_EQ(names, QStringList({ "Broken", "Harbour", "Rivertown heating" }));
    EXPECT_EQ(dialog.CaseBox->currentIndex(), -1);

    dialog.CaseBox->setCurrentText(QStringLiteral("Rivertown heating"));
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.StatusBar1->currentMessage(), QStringLiteral("Imported: 0 options in policies"));
    const std::unique_ptr<TCase> imported = dialog.TakeCase();
    ASSERT_TRUE(imported);
    EXPECT_TRUE(imported->Variables.Find(QStringLiteral("Cost")));
    EXPECT_EQ(Messages.Messages, QStringList());

    // A stop leaves the dialog open; other faults close it.
    dialog.Prepare(Database);
    dialog.setResult(-1);
    dialog.CaseBox->setCurrentText(QStringLiteral("Broken"));
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), -1) << "a stop leaves the dialog open";
    EXPECT_FALSE(dialog.TakeCase());
    EXPECT_EQ(Messages.Errors(), QStringList({ "Undefined system level: ID = 9" }));

    dialog.CaseBox->setCurrentIndex(-1);
    dialog.OKBtnClick();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Messages.Warnings(), QStringList({ "No case selected" }));

    // A file that is no database: one error, an empty list.
    const QString notes = Settings.filePath(QStringLiteral("notes.mdb"));
    QFile(notes).open(QIODevice::WriteOnly);
    dialog.Prepare(notes);
    EXPECT_EQ(dialog.CaseBox->count(), 0);
    EXPECT_EQ(Messages.Errors().size(), 2);
}

TEST_F(ImportDialogTest, MainWindowImportOpensTheImportedCase)
{
    LogWrites();
    QStringList shown;
    // The dialog as the program runs it, with the user's choice made at once.
    Window.SetImporter([&](const QString& database) {
        TImportDialog dialog(&Window);
        dialog.Prepare(database);
        shown << dialog.DBBox->text();
        dialog.CaseBox->setCurrentText(QStringLiteral("Harbour"));
        dialog.OKBtnClick();
        return dialog.TakeCase();
    });
    EXPECT_TRUE(Window.Import1->isEnabled());

    Window.Import();   // the chooser dismissed: nothing happens
    EXPECT_FALSE(Window.Case());
    EXPECT_TRUE(shown.isEmpty());

    Prompter->DatabaseAnswer = Database;
    Window.Import();
    EXPECT_EQ(shown, QStringList({ Database }));
    ASSERT_TRUE(Window.Case());
    EXPECT_EQ(Window.Case()->Phases.First()->Name, QStringLiteral("Plan"));
    EXPECT_TRUE(Window.Save1->isEnabled());
    EXPECT_TRUE(Window.Close1->isEnabled());
}

} // namespace
