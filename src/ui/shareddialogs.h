#pragma once

class QWidget;
class TAddDADialog;
class TAddOptionDialog;
class TFindDialog;
class TIconEditor;
class TNameDialog;
class TPhaseColorDlg;
class TReportView;
class TVariableDialog;
class TXEditor;

/// The dialogs that the views share, created once for the whole run, in a
/// fixed order, as children of the main window (which thereby owns them).
struct TSharedDialogs
{
    explicit TSharedDialogs(QWidget* owner);

    TNameDialog* NameDialog;
    TPhaseColorDlg* PhaseColorDlg;
    TIconEditor* IconEditor;
    TAddDADialog* AddDADialog;
    TFindDialog* FindDialog;
    TXEditor* XEditor;
    TAddOptionDialog* AddOptionDialog;
    TVariableDialog* VariableDialog;
    TReportView* ReportView;
};
