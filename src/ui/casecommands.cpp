// The Case menu: the lifecycle of the open case.
#include "ui/mainwindow.h"

#include "model/case.h"
#include "model/caseedit.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "ui/casestore.h"
#include "ui/prompter.h"

void TORVEL::New()
{
    if (CloseCase()) {
        if (const auto name = Prompter->AskName(QString())) {
            AdoptCase(std::make_unique<TCase>(CleanTrimmedName(*name)));
            RepaintStatus();
        }
    }
    UpdateMenus();
}

void TORVEL::Open()
{
    if (!CloseCase())
        return;
    const QString folder = Prompter->ChooseCaseFolder(Folder);
    if (folder.isEmpty())
        return;
    AdoptCase(std::make_unique<TCase>());
    RepaintStatus();
    const bool complete = CaseStore->Read(*OpenCase, folder);
    Folder = OpenCase->Folder.isEmpty() ? folder : OpenCase->Folder;
    // A partly read case must never overwrite the intact folder it came from:
    // without a folder, Save asks where to write.
    if (!complete)
        OpenCase->Folder.clear();
    RepaintStatus();
    UpdateMenus();
}

void TORVEL::Import()
{
    if (!Importer || !CloseCase())
        return;
    const QString database = Prompter->ChooseDatabase(Folder);
    if (!database.isEmpty())
        AdoptCase(Importer(database));
    UpdateMenus();
    RepaintStatus();
}

void TORVEL::Rename()
{
    if (!OpenCase)
        return;
    const auto name = Prompter->AskName(OpenCase->Name);
    const QString clean = name ? CleanTrimmedName(*name) : QString();
    if (clean.isEmpty() || clean == OpenCase->Name)
        return;
    // The name is written to every page: renaming is a change to save.
    TCaseEdit edit(*OpenCase, tr("Rename case"), ChangeCase);
    OpenCase->Name = clean;
}

bool TORVEL::Save()
{
    if (!OpenCase)
        return false;
    if (OpenCase->Folder.isEmpty())
        return SaveAs();
    return WriteCase(OpenCase->Folder, false);
}

bool TORVEL::SaveAs()
{
    if (!OpenCase)
        return false;
    const QString chosen = Prompter->ChooseSaveFolder(OpenCase->Folder.isEmpty() ? Folder : OpenCase->Folder);
    // Dismissing the chooser still saves a case that has a folder, into that folder.
    const QString folder = chosen.isEmpty() ? OpenCase->Folder : chosen;
    return !folder.isEmpty() && WriteCase(folder, false);
}

void TORVEL::Export()
{
    if (!OpenCase)
        return;
    const QString folder = Prompter->ChooseSaveFolder(OpenCase->Folder.isEmpty() ? Folder : OpenCase->Folder);
    if (folder.isEmpty())
        return;
    WriteCase(folder, true);
}

bool TORVEL::WriteCase(const QString& folder, bool exporting)
{
    StorePendingEdits();
    ExportRunning = exporting;
    const bool written = CaseStore->Write(*OpenCase, folder, exporting);
    ExportRunning = false;
    if (!OpenCase->Folder.isEmpty())
        Folder = OpenCase->Folder;
    RepaintStatus();
    return written;
}

bool TORVEL::CloseCase()
{
    if (!OpenCase)
        return true;
    // What is being typed counts before the question is asked.
    StorePendingEdits();
    if (OpenCase->Changed) {
        switch (Prompter->AskSaveChanges()) {
        case TPrompter::TAnswer::Cancel:
            return false;
        case TPrompter::TAnswer::Yes:
            // The case goes only once it is safely written.
            if (!Save())
                return false;
            break;
        case TPrompter::TAnswer::No:
            break;
        }
    }
    CloseViews();
    OpenCase->Unsubscribe(this);
    OpenCase.reset();
    UpdateMenus();
    RepaintStatus();
    return true;
}

void TORVEL::AdoptCase(std::unique_ptr<TCase> aCase)
{
    OpenCase = std::move(aCase);
    if (OpenCase)
        OpenCase->Subscribe(this);
}

void TORVEL::Reports()
{
    if (!OpenCase)
        return;
    if (OpenCase->Folder.isEmpty()) {
        ShowInfo(QStringLiteral("Case must be saved to folder first"));
        return;
    }
    Prompter->ViewReports(*OpenCase);
}
