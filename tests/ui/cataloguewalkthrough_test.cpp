// A user builds the catalogues of a small case from nothing through the
// catalogue windows only, saves it, and finds it again after reopening; the
// windows' refusals and keys are tried on the way.
#include "catalogueviewfixture.h"

#include "support/testpaths.h"
#include "ui/categoryview.h"
#include "ui/phaseview.h"
#include "ui/qualifierview.h"
#include "ui/scaleview.h"
#include "ui/valuebox.h"
#include "ui/variableview.h"

#include <QCryptographicHash>

namespace {

QString Pixels(const QImage& icon)
{
    const QImage rgb = icon.convertToFormat(QImage::Format_RGB32);
    return QString::fromLatin1(QCryptographicHash::hash(QByteArray(reinterpret_cast<const char*>(rgb.constBits()),
                                                                   rgb.sizeInBytes()),
                                                        QCryptographicHash::Md5).toHex().left(8));
}

/// Everything of the catalogues that a save writes, one line per item.
QStringList Catalogues(const TCase& c)
{
    QStringList lines;
    for (const TPhase* p : c.Phases)
        lines << QStringLiteral("phase %1 %2 %3 %4").arg(p->Name).arg(p->Order).arg(p->Color.name(), p->CommentText());
    for (const TCategory* k : c.Categories)
        lines << QStringLiteral("category %1 %2 %3 %4").arg(k->Name).arg(k->Number).arg(Pixels(k->Icon), k->CommentText());
    for (const TQualifier* q : c.Qualifiers)
        lines << QStringLiteral("qualifier %1 %2 %3").arg(q->Name, Pixels(q->Icon), q->CommentText());
    for (const TScale* s : c.Scales)
        lines << QStringLiteral("scale %1 %2").arg(s->Name, s->CommentText());
    for (const TVariable* v : c.Variables)
        lines << QStringLiteral("variable %1 [%2] mode %3 value %4 %5")
                     .arg(v->Name, v->Scale->Name)
                     .arg(v->AggregationMode)
                     .arg(v->HasValue() ? TValueBox::ValueText(v->Value) : QStringLiteral("none"), v->CommentText());
    return lines;
}

QImage Painted(QRgb color)
{
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::white);
    for (int i = 2; i < 14; ++i)
        icon.setPixel(i, i, color);
    return icon;
}

TEST_F(CatalogueViewTest, AUserBuildsTheCataloguesSavesAndReopensThem)
{
    auto* phases = Open<TPhaseView>(TViewKind::Phases);
    phases->ColorBtn->click();   // nothing selected: no question
    EXPECT_FALSE(Prompter->Asked.contains(QStringLiteral("phase colours")));
    for (const char* name : {"Planning", "Construction", "Scrapped"})
        Add(phases, QLatin1String(name));
    // The list's keys: Delete (after the question) and Insert, which asks for a name like the button.
    Messages.Answer = true;
    QTest::keyClick(phases->List, Qt::Key_Delete);
    Prompter->ConceptNames.push_back(QStringLiteral("Operation"));
    QTest::keyClick(phases->List, Qt::Key_Insert);
    Type(phases->Box, QStringLiteral("Permits and design"));
    Prompter->PhaseColors = TPhaseColors{QColor(0xC00000), QColor(0x600000), QColor(0x300000)};
    phases->Select(Case().Phases.Find(QStringLiteral("Planning")));
    phases->ColorBtn->click();
    EXPECT_EQ(Case().Phases.Find(QStringLiteral("Planning"))->Icon.pixel(7, 1), QColor(0x600000).rgb());   // an hour mark
    phases->MoveEntry(Case().Phases.Find(QStringLiteral("Operation")), Case().Phases.Find(QStringLiteral("Planning")));
    EXPECT_EQ(CurrentName(phases), QStringLiteral("Planning"));   // the selection stays with its phase

    auto* categories = Open<TCategoryView>(TViewKind::Categories);
    for (const char* name : {"Heat", "Power", "Mobility"})
        Add(categories, QLatin1String(name));
    categories->ImageBtn->click();   // the icon editor cancelled
    EXPECT_TRUE(Prompter->Asked.contains(QStringLiteral("icon: Mobility")));
    Prompter->IconAnswer = Painted(0xFF008000);
    categories->ImageBtn->click();
    // Drops from outside the list are refused.
    QMimeData text;
    text.setText(QStringLiteral("Heat"));
    const QPoint at = categories->List->visualItemRect(categories->List->item(0)).center();
    QDragEnterEvent enter(at, Qt::MoveAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(categories->List->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent drop(at, Qt::MoveAction, &text, Qt::LeftButton, {});
    QApplication::sendEvent(categories->List->viewport(), &drop);
    categories->Select(Case().Categories.Find(QStringLiteral("Heat")));
    categories->MoveEntry(Case().Categories.Find(QStringLiteral("Heat")), Case().Categories.Find(QStringLiteral("Mobility")));
    RenameInPlace(categories->List->currentItem(), QStringLiteral("Heating"));

    auto* qualifiers = Open<TQualifierView>(TViewKind::Qualifiers);
    Add(qualifiers, QStringLiteral("innovative"));
    Prompter->IconAnswer = Painted(0xFFFF00FF);
    qualifiers->ImageBtn->click();
    Add(qualifiers, QStringLiteral("subsidised"));
    EXPECT_FALSE(qualifiers->List->currentItem()->flags() & Qt::ItemIsEditable) << "qualifiers keep their names";
    Type(qualifiers->Box, QStringLiteral("Paid for in part"));
    QTest::keyClick(qualifiers->Box, Qt::Key_Return);
    QTest::keyClicks(qualifiers->Box, QStringLiteral("by the region"));

    auto* scales = Open<TScaleView>(TViewKind::Scales);
    Add(scales, QStringLiteral("EUR"));
    Add(scales, QStringLiteral("MWh"));
    // Renamed in place, the entry moves and stays selected; a taken name is refused.
    RenameInPlace(scales->List->currentItem(), QStringLiteral("eur"));
    EXPECT_EQ(Messages.Warnings(), QStringList{QStringLiteral("Names must be unique")});
    RenameInPlace(scales->List->currentItem(), QStringLiteral(" A=1 "));
    EXPECT_EQ(scales->EntryNames(), QStringList({"A1", "EUR"}));
    RenameInPlace(scales->List->currentItem(), QStringLiteral("MWh/year"));

    auto* variables = Open<TVariableView>(TViewKind::Variables);
    variables->ChooseMode(AggregationCumulative);
    Add(variables, QStringLiteral("Heat demand"));
    variables->ScaleBox->activated(Case().Scales.IndexOf(Case().Scales.Find(QStringLiteral("MWh/year"))));
    Type(variables->Box, QStringLiteral("Of all buildings"));
    // The mode button also sets the selected variable: choose with none selected.
    variables->Select(nullptr);
    variables->ChooseMode(AggregationConstant);
    Add(variables, QStringLiteral("Gas price"));
    Type(variables->ValueBox, QStringLiteral("0.0725"));
    QTest::keyClick(variables->ValueBox, Qt::Key_Return);
    variables->Select(nullptr);
    variables->ChooseMode(AggregationAveraging);
    Add(variables, QStringLiteral("Comfort"));

    const QStringList built = Catalogues(Case());
    // Every line is kept in tests/data/cataloguewalk.expected; the qualifier's two-line comment takes two.
    ExpectRows(built.join(QLatin1Char('\n')).split(QLatin1Char('\n')), QStringLiteral("cataloguewalk.expected"));

    ASSERT_TRUE(SaveAndReopen(Settings.filePath(QStringLiteral("Walk"))));
    EXPECT_EQ(Catalogues(Case()), built);
    EXPECT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join(QLatin1Char('\n')).toStdString();

    // The reopened case shows in the windows as it was left.
    auto* again = Open<TPhaseView>(TViewKind::Phases);
    EXPECT_EQ(again->EntryNames(), QStringList({"Operation", "Planning", "Construction"}));
}

} // namespace
