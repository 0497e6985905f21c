// What a folder holds never breaks the case: names that look like markup,
// pages in mixed encodings, icons that are pipes or shorter than they say.
#include "design/designobject.h"
#include "design/evaluation.h"
#include "model/icons.h"
#include "folderfixture.h"

#include <sys/stat.h>

namespace {

using HostileFolderTest = FolderTest;

// Every name a user can type comes back exactly, in every list that names things.
TEST_F(HostileFolderTest, NamesThatLookLikeMarkupComeBackExactly)
{
    const QStringList names = { QStringLiteral("a<b"), QStringLiteral("a>b"), QStringLiteral("a&b"),
                                QStringLiteral("x</td></tr>y"), QStringLiteral("&amp; as typed"),
                                QStringLiteral("A</table>B"), QStringLiteral("<tr class cmnt><td></td><td>") };
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        TCase c(name);
        c.Comments = { name };
        c.AddPhase(name);
        c.AddCategory(name);
        c.AddQualifier(name);
        TSystemLevel* level = NewLevel(c, name, nullptr);
        TOption* option = NewOption(*NewArea(*level, name, nullptr, nullptr), name, 1);
        TVariable* variable = NewVariable(c, name, c.Scales.At(c.AddScale(name)), AggregationCumulative);
        NewEffect(*option, variable, QLatin1Char('[') + name + QStringLiteral("] * 2"));
        c.Actors.At(c.AddActor(name))->AddOptionFeeling(option, 2);
        c.Designs.At(c.AddDesign(name))->AddDesignObject(name, nullptr, level)->SelectDesignOption(option);
        c.Policies.At(c.AddPolicy(name))->Options = { option };
        Messages.Clear();
        const auto read = RoundTrip(c);
        ASSERT_FALSE(HasFailure());
        EXPECT_EQ(read->Name, name);
        EXPECT_EQ(read->Comments, QStringList{ name });
        for (const QStringList& list : { NamesOf(read->Scales), NamesOf(read->Variables), NamesOf(read->SystemLevels),
                                         NamesOf(read->Phases), NamesOf(read->Categories), NamesOf(read->Qualifiers),
                                         NamesOf(read->Actors), NamesOf(read->Designs), NamesOf(read->Policies) })
            EXPECT_EQ(list, QStringList{ name });
        // What the lists above do not name; the round trip covers every reference.
        const TOption* readOption = read->SystemLevels.At(0)->DecisionAreas.At(0)->Options.At(0);
        EXPECT_EQ(readOption->DecisionArea->Name, name);
        EXPECT_EQ(readOption->Name, name);
        EXPECT_EQ(readOption->Effects.at(0)->Formula, QLatin1Char('[') + name + QStringLiteral("] * 2"));
        EXPECT_EQ(read->Designs.At(0)->TopObjects.At(0)->Name, name);
    }
}

// Pages of older folders and of other programs: "&" and "<" as they are, no byte
// order mark, valid UTF-8 beside Windows-1252 bytes (each read as what it is),
// icons missing or broken, no contents page. They read as before, and reading
// never writes.
TEST_F(HostileFolderTest, PagesFromElsewhereReadAsBefore)
{
    ASSERT_TRUE(WriteCaseFolder(*BuildSampleCase(), Folder));
    const QString page = QStringLiteral("ORVEL case.htm");
    WriteBytes(Folder + page, ReadBytes(Folder + page).mid(3));
    Edit(page, "<td>Harbour &amp; &lt;Town&gt;</td>", "<td>Harbour & <Town></td>");
    Edit(page, "<td>cheap &amp; fast</td>", "<td>cheap & fast</td>");
    Edit(page, "<td>Coast</td>", "<td>C\xf4te</td>");
    Edit(page, "<td>Dike</td>", "<td>Caf\xc3\xa9 \x80</td>");
    QFile::remove(Folder + QStringLiteral("img/sl0.bmp"));
    WriteBytes(Folder + QStringLiteral("img/cat0.bmp"), "garbage");
    QFile::remove(Folder + QStringLiteral("items.htm"));
    const auto read = Read();
    ASSERT_TRUE(Messages.Messages.isEmpty()) << Joined(Messages.Messages);
    EXPECT_EQ(read->Name, QStringLiteral("Harbour & <Town>"));
    EXPECT_TRUE(read->Qualifiers.Find(QStringLiteral("cheap & fast")));
    const TDecisionArea* coast = read->SystemLevels.Find(QStringLiteral("Region"))->DecisionAreas.Find(QString::fromUtf8("C\u00f4te"));
    ASSERT_TRUE(coast);
    EXPECT_TRUE(coast->Options.Find(QString::fromUtf8("Caf\u00e9 \u20ac")));
    EXPECT_EQ(read->SystemLevels.Find(QStringLiteral("City"))->Icon, DefaultRectangleIcon());
    EXPECT_EQ(read->Categories.Find(QStringLiteral("Land use"))->Icon, DefaultRectangleIcon());
    EXPECT_EQ(read->Contents, TCase::DefaultContents());
    EXPECT_FALSE(QFile::exists(Folder + QStringLiteral("items.htm")));
}

// Icons are read only from regular files. A bitmap whose pixels are cut off is
// left out with a warning, never completed from memory that nobody wrote
// (AddressSanitizer watches this one).
TEST_F(HostileFolderTest, IconsThatArePipesOrCutOffAreLeftOut)
{
    auto original = BuildSampleCase();
    original->SystemLevels.Find(QStringLiteral("City"))->Icon.fill(Qt::red);
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    const QByteArray icon = ReadBytes(Folder + QStringLiteral("img/sl0.bmp"));
    WriteBytes(Folder + QStringLiteral("img/sl0.bmp"), icon.left(icon.size() / 2));
    QFile::remove(Folder + QStringLiteral("img/sl1.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Folder + QStringLiteral("img/sl1.bmp")).constData(), 0600), 0);
    QFile::remove(Folder + QStringLiteral("img/sl2.bmp"));
    QFile::link(QStringLiteral("/dev/zero"), Folder + QStringLiteral("img/sl2.bmp"));
    QFile::remove(Folder + QStringLiteral("items.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Folder + QStringLiteral("items.htm")).constData(), 0600), 0);
    // Reading runs in a child process that may take ten seconds at most: a pipe
    // where an icon should be must not hang it.
    EXPECT_EQ(InChildProcess([&] {
                  ::alarm(10);
                  TCase c;
                  ReadCaseFolder(c, Folder);
                  return c.SystemLevels.Count() == 4 ? 0 : 1;
              }),
              0);
    const auto read = Read();
    EXPECT_EQ(Messages.Warnings().size(), 1);
    EXPECT_TRUE(Messages.Warnings().value(0).contains(QStringLiteral("\"img/sl0.bmp\" is shorter than its header says")));
    for (const TSystemLevel* level : read->SystemLevels)
        EXPECT_EQ(level->Icon, DefaultRectangleIcon()) << level->Name.toStdString();
    ASSERT_TRUE(WriteCaseFolder(*read, Folder));
    EXPECT_EQ(ReadBytes(Folder + QStringLiteral("img/sl0.bmp")).size(), icon.size());
}

// A formula that does not compile is never run, in part or whole: once the
// repair is declined its effect is "#SYNTAX!" in every design.
TEST_F(HostileFolderTest, AFormulaThatDoesNotCompileIsAnErrorInEveryDesign)
{
    auto original = BuildSampleCase();
    TSystemLevel* city = original->SystemLevels.Find(QStringLiteral("City"));
    TOption* compact = city->DecisionAreas.Find(QStringLiteral("Layout"))->Options.Find(QStringLiteral("Compact"));
    for (const char* name : { "One", "Two" })
        original->Designs.At(original->AddDesign(QString::fromLatin1(name)))
            ->AddDesignObject(QStringLiteral("Town"), nullptr, city)->SelectDesignOption(compact);
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    Edit(QStringLiteral("ORVEL case.htm"), "Cost [EUR] = [Rate] * 2</td>", "Cost [EUR] = 1 + * / )</td>");
    QStringList offered;
    Messages.OnRepair = [&](TEffect& effect) { offered << effect.Variable->Name + QStringLiteral(" in ") + effect.Option->Name; };
    const auto read = Read();
    EXPECT_EQ(offered, QStringList{ QStringLiteral("Cost in Compact") });
    EXPECT_TRUE(Messages.Messages.contains(QStringLiteral("repair: 1 + * / )")));
    const TVariable* cost = read->Variables.Find(QStringLiteral("Cost"));
    for (TDesign* design : read->Designs) {
        TAttribute* attribute = design->TopObjects.At(0)->FindAttribute(cost);
        ASSERT_TRUE(attribute);
        EXPECT_EQ(ResultText(Compute(*attribute)), QStringLiteral("#SYNTAX!"));
    }
    ASSERT_TRUE(Messages.Errors().isEmpty()) << Joined(Messages.Messages);
}

} // namespace
