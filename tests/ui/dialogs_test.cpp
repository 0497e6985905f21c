#include "ui/adddadialog.h"
#include "ui/addoptiondialog.h"
#include "ui/nameedit.h"
#include "ui/namedialog.h"
#include "ui/phasecolordlg.h"
#include "ui/variabledialog.h"

#include "support/modelfixture.h"
#include "support/testpaths.h"
#include "scriptedwindow.h"

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
    QTest::keyClicks(dialog.NameBox, QStringLiteral("a=b[]\":@c"));
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
    EXPECT_EQ(dialog.NameBox->text(), QStringLiteral("North district"));
    dialog.Prepare();
    EXPECT_TRUE(dialog.Name().isEmpty()) << "the initial text serves one showing only";

    // Enter acts as OK and Escape as Cancel.
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        dialog.show();
        dialog.Prepare(QStringLiteral("x"));
        QTest::keyClick(dialog.NameBox, key);
        EXPECT_EQ(dialog.result(), result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

/// The model fixture with a constant that has a value and a variable on a second scale.
class CaseDialogTest : public ::testing::Test, protected TModelFixture
{
protected:
    TMessageRecorder Messages;
    TVariable* Energy = NewVariable(Case, QStringLiteral("Energy use"), Case.Scales.At(Case.AddScale(QStringLiteral("kWh"))),
                                    AggregationCumulative);
    TVariable* Rate = NewVariable(Case, QStringLiteral("Interest rate"), Euro, AggregationConstant, 0.04);
};

TEST_F(CaseDialogTest, DecisionAreaAndOptionDialogsPresetAndReport)
{
    TAddDADialog dialog;
    dialog.PhaseIndex = 1;
    dialog.CategoryIndex = -1;
    dialog.Prepare(Case);
    EXPECT_EQ(dialog.CategoryBox->itemText(1), QStringLiteral("Mobility"));
    EXPECT_EQ(dialog.PhaseBox->currentIndex(), 1);
    QTest::keyClicks(dialog.NameBox, QStringLiteral("Heating"));
    const int beeps = BeepCount();
    EXPECT_FALSE(PressOk(dialog)) << "no category chosen";
    EXPECT_EQ(BeepCount() - beeps, 1);
    dialog.CategoryBox->setCurrentIndex(1);
    EXPECT_TRUE(PressOk(dialog));
    EXPECT_EQ(dialog.CategoryIndex, 1);

    // The next new area starts from the choices kept; an area to modify shows its own.
    dialog.Prepare(Case);
    EXPECT_TRUE(dialog.Name().isEmpty());
    EXPECT_EQ(dialog.CategoryBox->currentIndex(), 1);
    dialog.Prepare(Case, Insulation);
    EXPECT_EQ(dialog.Name(), QStringLiteral("Insulation"));
    EXPECT_EQ(dialog.CategoryBox->currentText(), QStringLiteral("Energy"));
    EXPECT_EQ(dialog.PhaseBox->currentText(), QStringLiteral("Later"));

    // The option dialog toggles qualifiers and only reports them.
    TQualifier* cheap = Case.Qualifiers.At(Case.AddQualifier(QStringLiteral("cheap")));
    Gas->AddQualifier(Green);
    TAddOptionDialog options;
    options.Prepare(Case, Gas);
    EXPECT_EQ(options.Name(), QStringLiteral("Gas"));
    EXPECT_FALSE(options.QualifiersChanged());
    options.ToggleQualifier(QStringLiteral("cheap"));
    options.ToggleQualifier(QStringLiteral("Green"));
    EXPECT_EQ(options.Qualifiers(), std::vector<TQualifier*>({cheap}));
    EXPECT_TRUE(options.QualifiersChanged());
    options.ToggleQualifier(QStringLiteral("gone"));
    EXPECT_EQ(Messages.Errors(), QStringList({"Qualifier \"gone\" not found"}));
    EXPECT_EQ(Gas->Qualifiers, std::vector<TQualifier*>({Green})) << "the dialog only reports";

    options.Prepare(Case);
    EXPECT_TRUE(options.Qualifiers().empty());
    EXPECT_FALSE(options.QualifiersChanged());
    EXPECT_FALSE(PressOk(options)) << "no name";
}

TEST_F(CaseDialogTest, VariableDialogLocksTheScaleOfExistingVariablesAndAddsNewOnesOnTheChosenScale)
{
    TVariableDialog dialog;
    dialog.Prepare(Case);
    EXPECT_EQ(dialog.VariableBox->findText(Rate->Name), -1) << "constants with a value are not offered";
    EXPECT_TRUE(dialog.VariableBox->currentText().isEmpty());
    EXPECT_TRUE(dialog.ScaleBox->isEnabled());

    dialog.VariableBox->setCurrentIndex(dialog.VariableBox->findText(Energy->Name));
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
    const int count = Case.Variables.Count();
    dialog.VariableBox->setEditText(QStringLiteral("   "));
    EXPECT_FALSE(PressOk(dialog));
    EXPECT_EQ(BeepCount() - beeps, 1);
    EXPECT_EQ(Case.Variables.Count(), count);

    dialog.VariableBox->setEditText(QStringLiteral("  CO2 emission "));
    EXPECT_TRUE(dialog.ScaleBox->isEnabled());
    dialog.ScaleBox->setCurrentText(QStringLiteral("kWh"));
    Case.Changed = false;
    EXPECT_TRUE(PressOk(dialog));
    ASSERT_NE(dialog.Variable(), nullptr);
    EXPECT_EQ(dialog.Variable()->Name, QStringLiteral("CO2 emission"));
    EXPECT_EQ(dialog.Variable()->Scale->Name, QStringLiteral("kWh"));
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
    dialog.show();
    QWidget* grid = dialog.findChild<QWidget*>(QStringLiteral("Palette"));
    ASSERT_NE(grid, nullptr);
    // Presses the key `times` times; gives the swatch then selected.
    const auto press = [&](Qt::Key key, int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(grid, key);
        return dialog.Selected();
    };
    EXPECT_EQ(press(Qt::Key_Left, 1), QPoint(0, 0));
    press(Qt::Key_Up, 2);
    EXPECT_EQ(press(Qt::Key_Left, 3), QPoint(0, 0));
    press(Qt::Key_Right, 12);
    EXPECT_EQ(press(Qt::Key_Down, 5), QPoint(7, 2));
    EXPECT_EQ(press(Qt::Key_Left, 2), QPoint(5, 2));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Color(), TPhaseColorDlg::ColorsAt(5, 2).Color);
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
