#include "ui/adddadialog.h"
#include "ui/addoptiondialog.h"
#include "ui/nameedit.h"
#include "ui/namedialog.h"
#include "ui/phasecolordlg.h"
#include "ui/variabledialog.h"

#include "support/casebuilder.h"
#include "support/testpaths.h"
#include "scriptedwindow.h"

#include <QCheckBox>

namespace {

// Runs OK on a dialog that was never shown; tells whether it closed with OK.
template <class Dialog>
bool PressOk(Dialog& dialog)
{
    dialog.setResult(-1);
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
}

TEST(NameDialog, RefusesDelimitersAndBlankNamesTrimsOthersAndTakesEnterAndEscape)
{
    TNameDialog dialog;
    dialog.Prepare();
    const int beeps = BeepCount();
    QTest::keyClicks(dialog.NameBox, QStringLiteral("a=b"));
    EXPECT_EQ(dialog.Name(), QStringLiteral("ab"));
    EXPECT_EQ(BeepCount() - beeps, 1);
    QTest::keyClicks(dialog.NameBox, QStringLiteral("[]\":@c"));
    EXPECT_EQ(dialog.Name(), QStringLiteral("abc"));
    EXPECT_EQ(BeepCount() - beeps, 6);
    // Pasted text with a delimiter is refused as a whole.
    dialog.NameBox->insert(QStringLiteral("x=y"));
    EXPECT_EQ(dialog.Name(), QStringLiteral("abc"));

    dialog.Prepare(QStringLiteral("   "));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(BeepCount() - beeps, 7);
    dialog.Prepare(QStringLiteral("  North district "));
    EXPECT_TRUE(PressOk(dialog));
    EXPECT_EQ(dialog.Name(), QStringLiteral("North district"));
    EXPECT_EQ(dialog.NameBox->text(), QStringLiteral("North district"));
    dialog.Prepare();
    EXPECT_TRUE(dialog.Name().isEmpty()) << "the initial text serves one showing only";

    // Enter acts as OK and Escape as Cancel.
    dialog.show();
    dialog.Prepare(QStringLiteral("x"));
    QTest::keyClick(dialog.NameBox, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    dialog.Prepare(QStringLiteral("x"));
    QTest::keyClick(dialog.NameBox, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

/// A case with phases, categories, qualifiers, scales and variables.
class CaseDialogTest : public ::testing::Test
{
protected:
    CaseDialogTest()
    {
        for (const char* name : {"Early", "Late"})
            Case.AddPhase(QLatin1String(name));
        for (const char* name : {"Energy", "Housing", "Transport"})
            Case.AddCategory(QLatin1String(name));
        for (const char* name : {"innovative", "cheap"})
            Case.AddQualifier(QLatin1String(name));
        Case.AddScale(QStringLiteral("EUR"));
        Case.AddScale(QStringLiteral("kWh"));
        Case.AddScale(QStringLiteral("t CO2"));
        Energy = NewVariable(Case, QStringLiteral("Energy use"), Case.Scales.Find(QStringLiteral("kWh")), AggregationCumulative);
        NewVariable(Case, QStringLiteral("Interest rate"), Case.Scales.Find(QStringLiteral("EUR")), AggregationConstant, 0.04);
        Level = NewLevel(Case, QStringLiteral("City"), nullptr);
    }

    TMessageRecorder Messages;
    TCase Case{QStringLiteral("Test")};
    TVariable* Energy;
    TSystemLevel* Level;
};

TEST_F(CaseDialogTest, DecisionAreaAndOptionDialogsPresetAndReport)
{
    TAddDADialog dialog;
    dialog.PhaseIndex = 1;
    dialog.CategoryIndex = -1;
    dialog.Prepare(Case);
    EXPECT_EQ(dialog.PhaseBox->count(), 2);
    EXPECT_EQ(dialog.CategoryBox->itemText(2), QStringLiteral("Transport"));
    EXPECT_EQ(dialog.PhaseBox->currentIndex(), 1);
    EXPECT_EQ(dialog.CategoryBox->currentIndex(), -1);
    QTest::keyClicks(dialog.NameBox, QStringLiteral("Heating"));
    const int beeps = BeepCount();
    EXPECT_FALSE(PressOk(dialog)) << "no category chosen";
    EXPECT_EQ(BeepCount() - beeps, 1);
    dialog.CategoryBox->setCurrentIndex(2);
    EXPECT_TRUE(PressOk(dialog));
    EXPECT_EQ(dialog.CategoryIndex, 2);
    EXPECT_EQ(dialog.PhaseIndex, 1);

    // The next new area starts from the choices kept; an area to modify shows its own.
    dialog.Prepare(Case);
    EXPECT_TRUE(dialog.Name().isEmpty());
    EXPECT_EQ(dialog.CategoryBox->currentIndex(), 2);
    dialog.Prepare(Case, NewArea(*Level, QStringLiteral("Roofs"), Case.Categories.At(1), Case.Phases.At(0)));
    EXPECT_EQ(dialog.Name(), QStringLiteral("Roofs"));
    EXPECT_EQ(dialog.PhaseBox->currentIndex(), 0);
    EXPECT_EQ(dialog.CategoryBox->currentIndex(), 1);

    // The option dialog toggles qualifiers and only reports them.
    TOption* option = NewOption(*NewArea(*Level, QStringLiteral("Roofs"), nullptr, nullptr), QStringLiteral("Solar panels"), 0);
    TQualifier* cheap = Case.Qualifiers.Find(QStringLiteral("cheap"));
    TQualifier* innovative = Case.Qualifiers.Find(QStringLiteral("innovative"));
    option->AddQualifier(innovative);

    TAddOptionDialog optionDialog;
    optionDialog.Prepare(Case, option);
    EXPECT_EQ(optionDialog.Name(), QStringLiteral("Solar panels"));
    EXPECT_EQ(optionDialog.Qualifiers(), std::vector<TQualifier*>({innovative}));
    EXPECT_FALSE(optionDialog.QualifiersChanged());
    optionDialog.ToggleQualifier(QStringLiteral("cheap"));
    optionDialog.ToggleQualifier(QStringLiteral("innovative"));
    EXPECT_EQ(optionDialog.Qualifiers(), std::vector<TQualifier*>({cheap}));
    EXPECT_TRUE(optionDialog.QualifiersChanged());
    optionDialog.ToggleQualifier(QStringLiteral("gone"));
    EXPECT_EQ(Messages.Errors(), QStringList({"Qualifier \"gone\" not found"}));
    EXPECT_EQ(option->Qualifiers, std::vector<TQualifier*>({innovative})) << "the dialog only reports";

    optionDialog.Prepare(Case);
    EXPECT_TRUE(optionDialog.Name().isEmpty());
    EXPECT_TRUE(optionDialog.Qualifiers().empty());
    EXPECT_FALSE(optionDialog.QualifiersChanged());
    EXPECT_FALSE(PressOk(optionDialog));
    EXPECT_EQ(optionDialog.QualifierBtn->toolTip(), QStringLiteral("Check qualifiers that apply to this option"));
}

TEST_F(CaseDialogTest, VariableDialogLocksTheScaleOfExistingVariablesAndAddsNewOnesOnTheChosenScale)
{
    TVariableDialog dialog;
    dialog.Prepare(Case);
    EXPECT_EQ(dialog.VariableBox->count(), 1) << "constants with a value are not offered";
    EXPECT_EQ(dialog.VariableBox->itemText(0), QStringLiteral("Energy use"));
    EXPECT_TRUE(dialog.VariableBox->currentText().isEmpty());
    EXPECT_EQ(dialog.ScaleBox->currentText(), QStringLiteral("EUR"));
    EXPECT_TRUE(dialog.ScaleBox->isEnabled());

    dialog.VariableBox->setCurrentIndex(0);
    EXPECT_EQ(dialog.ScaleBox->currentText(), QStringLiteral("kWh"));
    EXPECT_FALSE(dialog.ScaleBox->isEnabled());
    EXPECT_TRUE(PressOk(dialog));
    EXPECT_EQ(dialog.Variable(), Energy);

    // A name that exists in other letter case is that variable: its scale stays.
    dialog.Prepare(Case);
    dialog.VariableBox->setEditText(QStringLiteral("energy USE"));
    EXPECT_FALSE(dialog.ScaleBox->isEnabled());
    EXPECT_TRUE(PressOk(dialog));
    EXPECT_EQ(dialog.Variable(), Energy);
    EXPECT_EQ(Energy->Scale->Name, QStringLiteral("kWh"));

    // A blank name is refused; a new one goes on the chosen scale.
    dialog.Prepare(Case);
    const int beeps = BeepCount();
    dialog.VariableBox->setEditText(QStringLiteral("   "));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(BeepCount() - beeps, 1);
    EXPECT_EQ(Case.Variables.Count(), 2);

    dialog.VariableBox->setEditText(QStringLiteral("  CO2 emission "));
    EXPECT_TRUE(dialog.ScaleBox->isEnabled());
    dialog.ScaleBox->setCurrentIndex(2);
    Case.Changed = false;
    EXPECT_TRUE(PressOk(dialog));
    ASSERT_NE(dialog.Variable(), nullptr);
    EXPECT_EQ(dialog.Variable()->Name, QStringLiteral("CO2 emission"));
    EXPECT_EQ(dialog.Variable()->Scale->Name, QStringLiteral("t CO2"));
    EXPECT_EQ(dialog.VariableBox->currentText(), QStringLiteral("CO2 emission"));
    EXPECT_TRUE(Case.Changed);

    // A case without scales takes no new variable.
    TCase empty;
    dialog.Prepare(empty);
    dialog.VariableBox->setEditText(QStringLiteral("Cost"));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(empty.Variables.Count(), 0);
}

TEST(PhaseColorDlg, ReturnsTheSwatchesColoursArrowKeysStayInsideTheGridClicksSelectAndEnterAccepts)
{
    // A swatch of each row, the first and the last column among them: their colour,
    // middle and dark colours are kept in tests/data/phasecolors.expected.
    QStringList swatches;
    for (const auto& [column, row] : {std::pair{0, 0}, {1, 1}, {6, 2}, {7, 0}}) {
        const TPhaseColors colors = TPhaseColorDlg::ColorsAt(column, row);
        swatches << QStringLiteral("%1,%2: %3 %4 %5").arg(column).arg(row)
                        .arg(colors.Color.name(), colors.Middle.name(), colors.Dark.name());
    }
    ExpectRows(swatches, QStringLiteral("phasecolors.expected"));

    // The dialog itself: arrow keys stay inside the grid, clicks select and Enter accepts.
    TPhaseColorDlg dialog;
    EXPECT_EQ(dialog.Color(), QColor(Qt::black)) << "black until a swatch is chosen";
    EXPECT_EQ(dialog.DarkColor(), QColor(Qt::black));
    dialog.show();
    QWidget* grid = dialog.findChild<QWidget*>(QStringLiteral("Palette"));
    ASSERT_NE(grid, nullptr);
    auto press = [grid](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(grid, key);
    };
    press(Qt::Key_Left, 1);
    EXPECT_EQ(dialog.Selected(), QPoint(0, 0));
    press(Qt::Key_Up, 2);
    press(Qt::Key_Left, 3);
    EXPECT_EQ(dialog.Selected(), QPoint(0, 0));
    press(Qt::Key_Right, 12);
    press(Qt::Key_Down, 5);
    EXPECT_EQ(dialog.Selected(), QPoint(7, 2));
    EXPECT_EQ(dialog.Color(), QColor(0x0040FF));
    press(Qt::Key_Left, 2);
    EXPECT_EQ(dialog.Selected(), QPoint(5, 2));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.MiddleColor(), QColor(0x6090FF));

    // Swatches are 26 pixels with 4 between them, after a margin of 4.
    dialog.show();
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(4 + 2 * 30 + 10, 4 + 30 + 10));
    EXPECT_EQ(dialog.Selected(), QPoint(2, 1));
    EXPECT_EQ(dialog.Color(), QColor(0xF0F030));
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.Color(), QColor(0xF0F030)) << "the choice is kept";
}

} // namespace
