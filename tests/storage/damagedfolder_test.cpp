// Broken pages end the reading with one clear message that names the page and
// the line, keep what was read before, and never crash or hang the reader (the
// reader's fuzz target, run in CI, feeds it random bytes and damaged pages). What
// a folder holds never breaks the case: names that look like markup, pages in
// mixed encodings, icons that are pipes or shorter than they say.
#include "design/designobject.h"
#include "design/evaluation.h"
#include "model/icons.h"
#include "folderfixture.h"

#include <sys/stat.h>

namespace {

struct BrokenPagesTest : FolderTest
{
    void SetUp() override { ASSERT_TRUE(WriteCaseFolder(*BuildRichCase(), Folder)); }

    // Reads the folder with one text of the page changed, then puts the page back.
    std::unique_ptr<TCase> ReadEdited(const QString& page, const QByteArray& from, const QByteArray& to)
    {
        const QByteArray written = ReadBytes(Folder + page);
        Edit(page, from, to);
        Messages.Clear();
        auto read = Read();
        WriteBytes(Folder + page, written);
        return read;
    }
};

// What a reading kept: the numbers of levels, of areas in Region (-1: no
// Region), of combinations, actors and policies, and of objects in "Plan B".
QString Kept(const TCase& c)
{
    const TSystemLevel* region = c.SystemLevels.Find(QStringLiteral("Region"));
    int objects = 0;
    if (const TDesign* plan = c.Designs.Find(QStringLiteral("Plan B")))
        plan->ForEachObject([&](TDesignObject*) { ++objects; });
    return QStringLiteral("%1 %2 %3 %4 %5 %6").arg(c.SystemLevels.Count()).arg(region ? region->DecisionAreas.Count() : -1)
        .arg(c.Combinations.size()).arg(c.Actors.Count()).arg(c.Policies.Count()).arg(objects);
}

TEST_F(BrokenPagesTest, EachEndsWithOneMessageAndKeepsWhatWasRead)
{
    const QByteArray sectionC2 = "<table class=c2>\r\n<tr><td align=right>";
    // The page, the text changed in it, the line and message of the error, and what was kept as Kept() gives it.
    const struct { const char* page; QByteArray from, to; int line; const char* error; const char* kept; } cases[] = {
        { "case", sectionC2, "<table class=cx>\r\n<tr><td align=right>", 84, "\"x\" is not a valid integer value", "4 0 0 0 0 0" },
        { "case", "<td>Rate [EUR] = ", "<td>Rate [EUR] = 12a</td></tr>", 77, "\"12a\" is not a valid number", "4 0 0 0 0 0" },
        { "case", "img/cat1.bmp\" alt=\"1. Water\"></td><td>Roads", "img/cat7.bmp\" alt=\"1. Water\"></td><td>Roads", 95, "Category index 7 out of range", "4 0 0 0 0 0" },
        { "case", "da><td><img src=\"img/sl0p1", "da><td><img src=\"img/sl0p9", 83, "Phase index 9 out of range", "4 0 0 0 0 0" },
        { "case", "<tr><td><img src=\"img/sl1p0.bmp\" alt=\"1:0", "<tr><td><img src=\"img/sl1p0.bmp\" alt=\"1:5", 133, "Decision area index 5 out of range", "4 1 0 0 0 0" },
        { "case", "<td>Density [m2] = [Cost] / 2", "<td>Densit [m2] = [Cost] / 2", 109, "Unknown variable \"Densit\"", "4 0 0 0 0 0" },
        { "case", "qual1.bmp\" alt=\"green\"><img src=\"img/option.bmp\" alt=\"1", "qual4.bmp\" alt=\"green\"><img src=\"img/option.bmp\" alt=\"1",
          85, "Qualifier index 4 out of range", "4 0 0 0 0 0" },
        { "case", "<td>Rate [EUR]", "<td>Rate [USD]", 77, "Unknown scale \"USD\"", "4 1 5 3 3 4" },
        { "case", "Roads &amp; &lt;paths&gt; = Wide</td>", "Roads &amp; &lt;paths&gt; = Wider</td>", 130, "Undefined decision option \"Wider\"", "4 1 5 3 3 4" },
        { "case", "<td>Zone</td></tr>\r\n", "<td>City</td></tr>\r\n", 46, "System level \"City\" occurs twice", "3 0 0 0 0 0" },
        // Without the marker that closes the levels nothing after the case's name is read.
        { "case", " <tr class=section><td>Phases</td></tr>", "", 36, "EOF while looking for \"<tr class=section><td>phases</td></tr>\"", "0 -1 0 0 0 0" },
        { "case", "alt=\"0:FF0000\"", "alt=\"0:FF00\"", 53, "\"FF00\" is not a valid colour", "4 0 0 0 0 0" },
        // Counts that do not fit their rows would silently reshape the hierarchy.
        { "case", sectionC2, "<table class=c-1>\r\n<tr><td align=right>", 84, "Negative count -1", "4 0 0 0 0 0" },
        { "case", sectionC2, "<table class=c0>\r\n<tr><td align=right>", 84, "The count 0 does not match the rows of its table", "4 0 0 0 0 0" },
        { "case", sectionC2, "<table class=c3>\r\n<tr><td align=right>", 93, "The count 3 does not match the rows of its table", "4 0 0 0 0 0" },
        { "case", "c1>\r\n<tr><td><img src=\"img/ceff", "c0>\r\n<tr><td><img src=\"img/ceff", 98, "The count 0 does not match the rows of its table", "4 0 0 0 0 0" },
        { "case", "<table class=c2>\r\n<tr><td><img src=\"img/sl0p1", "<table class=c1>\r\n<tr><td><img src=\"img/sl0p1", 131, "The count 1 does not match the rows of its table", "4 1 0 0 0 0" },
        { "propro", "<table class=c5>", "<table class=cfive>", 32, "\"five\" is not a valid integer value", "4 1 0 0 0 0" },
        { "propro", "alt=\"2:0\"", "alt=\"7:0\"", 58, "System level index 7 out of range", "4 1 4 0 0 0" },
        { "propro", "alt=\"2:0\"", "alt=\"2:3\"", 58, "Decision area index 3 out of range", "4 1 4 0 0 0" },
        { "propro", "<td>Coast = Dike</td>", "<td>Coast = Dikes</td>", 58, "Undefined decision option \"Dikes\"", "4 1 4 0 0 0" },
        { "actors", "Density [m2]", "Densities [m2]", 48, "Unknown variable \"Densities\"", "4 1 5 3 0 0" },
        { "actors", "img/qual1.bmp", "img/qual2.bmp", 57, "Qualifier index 2 out of range", "4 1 5 3 0 0" },
        { "actors", "<td><img src=\"img/actor.bmp\"></td><td>Zoning board", "<td>Zoning board", 79, "The count 3 does not match the rows of its table", "4 1 5 3 0 0" },
        { "policies", "<td>Coast = Dike</td>", "<td>Coast = Dikes</td>", 36, "Undefined decision option \"Dikes\"", "4 1 5 3 1 4" },
        { "design 1", "Blocks = Small", "Blocks = Large", 80, "Undefined decision option \"Large\"", "4 1 5 3 3 4" },
        { "design 1", "<img src=\"img/sld", "<img src=\"img/sld9", 36, "System level index 92 out of range", "4 1 5 3 0 0" },
        { "design 1", "[2x] Town", "[two x] Town", 39, "\"two\" is not a valid integer value", "4 1 5 3 0 1" },
        { "design 1", "<i>(subsystem of", "<i>(part of", 48, "EOF while looking for \"<i>(subsystem of\"", "4 1 5 3 0 4" },
    };
    for (const auto& broken : cases) {
        SCOPED_TRACE(broken.error);
        const QString page = QStringLiteral("ORVEL %1.htm").arg(QLatin1String(broken.page));
        const auto c = ReadEdited(page, broken.from, broken.to);
        EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("%1, line %2: %3").arg(page).arg(broken.line).arg(QString::fromUtf8(broken.error)) });
        EXPECT_EQ(Messages.BusyDepth, 0);
        EXPECT_EQ(c->Name, QStringLiteral("Harbour & <Town>"));
        EXPECT_EQ(Kept(*c), QString::fromLatin1(broken.kept));
    }
}

// Values outside their ranges leave their row out with a warning naming it; the
// reading goes on.
TEST_F(BrokenPagesTest, RowsWithValuesOutOfRangeAreLeftOut)
{
    // The message is "warning: ..." or "error: ...".
    const struct { const char* page; const char* from; const char* to; const char* message; int combinations, aldermanGoals, aldermanPositions; } cases[] = {
        { "propro", "face2.bmp\" alt=\"favorable\"", "face7.bmp\" alt=\"favorable\"",
          "warning: Combination \"Layout = Compact, Blocks = Small\" skipped: rating 7 is outside -3..3", 4, 3, 11 },
        { "actors", "wght4.bmp", "wght9.bmp", "warning: Actor \"Alderman\", relation to \"Zoning board\" skipped: influence 9 is outside 1..4", 5, 3, 10 },
        { "actors", "wght3.bmp", "wght0.bmp", "warning: Actor \"Alderman\", decision power on \"Layout\" skipped: influence 0 is outside 1..4", 5, 3, 10 },
        { "actors", "face3.bmp\" alt=\"most desirable\"><img", "face5.bmp\" alt=\"most desirable\"><img",
          "warning: Actor \"Alderman\", objective on \"Cost\" skipped: preference 5 is outside -3..3", 5, 2, 10 },
        { "actors", "img/minp.bmp", "img/down.bmp", "error: Undefined change direction: \"down\"", 5, 2, 10 },
        { "actors", "face-2.bmp", "face-32768.bmp",
          "warning: Actor \"Alderman\", feeling about \"Roads & <paths> = Wide\" skipped: preference -32768 is outside -3..3", 5, 3, 10 },
        { "actors", "face2.bmp\" alt=\"very desirable\"></td>", "face4.bmp\" alt=\"very desirable\"></td>",
          "warning: Actor \"Alderman\", feeling about \"green\" skipped: preference 4 is outside -3..3", 5, 3, 10 },
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.message);
        const QString page = QStringLiteral("ORVEL %1.htm").arg(QLatin1String(bad.page));
        const auto c = ReadEdited(page, bad.from, bad.to);
        EXPECT_EQ(WithoutPlace(Messages.Messages.filter(QRegularExpression(QStringLiteral("^(warning|error): ")))),
                  QStringList{ QString::fromUtf8(bad.message) });
        EXPECT_EQ(c->Combinations.size(), size_t(bad.combinations));
        const TActor* alderman = c->Actors.Find(QStringLiteral("Alderman"));
        ASSERT_NE(alderman, nullptr);
        EXPECT_EQ(alderman->Goals.size(), size_t(bad.aldermanGoals));
        EXPECT_EQ(alderman->Connections.size() + alderman->Decisions.size() + alderman->Goals.size()
                      + alderman->Options.size() + alderman->Qualifiers.size(),
                  size_t(bad.aldermanPositions));
        // Everything after the row was read.
        EXPECT_EQ(c->Actors.Find(QStringLiteral("Zoning board"))->Comments, QStringList{ QStringLiteral("Advises") });
        EXPECT_EQ(c->Policies.Count(), 3);
    }
}

TEST_F(BrokenPagesTest, MissingAndTruncatedPages)
{
    const QString casePage = Folder + QStringLiteral("ORVEL case.htm");
    const QByteArray page = ReadBytes(casePage);
    // The other pages address what the case page defines: without it they are
    // not read, so the one message says what is wrong.
    QFile::remove(casePage);
    EXPECT_EQ(Kept(*Read()), QStringLiteral("0 -1 0 0 0 0"));
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not open file\r\"") + casePage + QStringLiteral("\"") });

    WriteBytes(casePage, page.left(page.indexOf("  <tr class=subsection><td>Preclusions for City")));
    Messages.Clear();
    auto some = Read();
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("ORVEL case.htm, line 126: EOF while looking for \"<table class=c\"") });
    ASSERT_EQ(Kept(*some), QStringLiteral("4 1 0 0 0 0"));
    EXPECT_TRUE(some->SystemLevels.At(0)->DecisionAreas.At(1)->Options.At(0)->PrecludedAreas.empty());

    WriteBytes(casePage, page);
    ASSERT_TRUE(QFile::remove(Folder + QStringLiteral("ORVEL propro.htm")));
    Messages.Clear();
    EXPECT_EQ(Kept(*Read()), QStringLiteral("4 1 0 3 3 4"));
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not open file\r\"") + Folder + QStringLiteral("ORVEL propro.htm\"") });
}

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
// icons missing or broken, no contents page (the reader's design pages test
// shows the one rebuilt). They read as before, and reading never writes.
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
