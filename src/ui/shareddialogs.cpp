#include "ui/shareddialogs.h"

#include "ui/adddadialog.h"
#include "ui/addoptiondialog.h"
#include "ui/finddialog.h"
#include "ui/iconeditor.h"
#include "ui/namedialog.h"
#include "ui/phasecolordlg.h"
#include "ui/reportview.h"
#include "ui/variabledialog.h"
#include "ui/xeditor.h"

TSharedDialogs::TSharedDialogs(QWidget* owner)
    : NameDialog(new TNameDialog(owner)), PhaseColorDlg(new TPhaseColorDlg(owner)),
      IconEditor(new TIconEditor(owner)),
      AddDADialog(new TAddDADialog(owner)), FindDialog(new TFindDialog(owner)), XEditor(new TXEditor(owner)),
      AddOptionDialog(new TAddOptionDialog(owner)), VariableDialog(new TVariableDialog(owner)),
      ReportView(new TReportView(owner))
{
}
