#include "model/icons.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "samplecase.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct CaseFolderReaderTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;
    QString Folder = Temp.filePath(QStringLiteral("case/"));
    QString CasePage = Folder + QStringLiteral("ORVEL case.htm");

    void Write(TCase& aCase, const QString& folder)
    {
        ASSERT_TRUE(WriteCaseFolder(aCase, folder));
    }
    std::unique_ptr<TCase> Read(const QString& folder)
    {
        auto aCase = std::make_unique<TCase>();
        ReadCaseFolder(*aCase, folder);
        return aCase;
    }
    // Replaces text in the written case page.
    void Edit(const QByteArray& from, const QByteArray& to)
    {
        QByteArray page = ReadBytes(CasePage);
        ASSERT_TRUE(page.contains(from)) << from.toStdString();
        WriteBytes(CasePage, page.replace(from, to));
    }
};

TEST_F(CaseFolderReaderTest, WriteReadWriteGivesTheSamePages)
{
    auto original = BuildSampleCase();
    Write(*original, Folder);
    auto read = Read(Folder);
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Messages.BusyDepth, 0);
    const QString again = Temp.filePath(QStringLiteral("again/"));
    Write(*read, again);
    for (const char* page : { "ORVEL case.htm", "index.htm", "ORVEL info.htm", "items.htm" })
        EXPECT_EQ(WithoutDate(ReadBytes(again + QLatin1String(page))), WithoutDate(ReadBytes(Folder + QLatin1String(page))))
            << page;
    // Icons drawn in a phase's colours may change: a phase keeps only its main colour.
    const QStringList icons = QDir(Folder + QStringLiteral("img")).entryList(QDir::Files);
    EXPECT_EQ(QDir(again + QStringLiteral("img")).entryList(QDir::Files), icons);
    for (const QString& icon : icons.filter(QRegularExpression(QStringLiteral("^(?!slv?\\d+p)"))))
        EXPECT_EQ(ReadBytes(again + QStringLiteral("img/") + icon), ReadBytes(Folder + QStringLiteral("img/") + icon))
            << icon.toStdString();
}

TEST_F(CaseFolderReaderTest, ReadsBackWhatTheModelHeld)
{
    auto original = BuildSampleCase();
    original->Phases.Find(QStringLiteral("Plan"))->Icon.setPixelColor(0, 0, QColor(1, 2, 3));
    Write(*original, Folder);
    auto c = Read(Folder);
    EXPECT_TRUE(c->Changed);
    EXPECT_EQ(c->Folder, Folder);
    EXPECT_EQ(c->Name, QStringLiteral("Harbour & <Town>"));
    EXPECT_EQ(c->Comments, QStringList({ QStringLiteral("First line"), QStringLiteral("Second & <third> line") }));
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Land use"))->Number, 3);
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Water"))->Comments, QStringList{ QStringLiteral("Rivers and sea") });
    const TPhase* plan = c->Phases.Find(QStringLiteral("Plan"));
    EXPECT_EQ(plan->Order, 0);
    EXPECT_EQ(plan->Color, QColor(0xFF, 0, 0));
    EXPECT_EQ(plan->MiddleColor, QColor(0x7F, 0, 0));
    EXPECT_EQ(plan->DarkColor, QColor(0x3F, 0, 0));
    EXPECT_EQ(plan->Icon.pixelColor(0, 0), QColor(1, 2, 3));   // the icon file wins over the drawing

    const TVariable* rate = c->Variables.Find(QStringLiteral("Rate"));
    EXPECT_EQ(rate->Value, 1234.5);
    EXPECT_EQ(rate->Scale, c->Scales.Find(QStringLiteral("EUR")));
    EXPECT_EQ(c->Variables.Find(QStringLiteral("Cost"))->Comments,
              QStringList({ QStringLiteral("All costs"), QStringLiteral("in euro") }));

    const TSystemLevel* zone = c->SystemLevels.Find(QStringLiteral("Zone"));
    EXPECT_EQ(zone->Parent, c->SystemLevels.Find(QStringLiteral("Region")));
    EXPECT_EQ(zone->Depth, 1);
    const TDecisionArea* layout = c->SystemLevels.Find(QStringLiteral("City"))->DecisionAreas.Find(QStringLiteral("Layout"));
    EXPECT_EQ(layout->Phase, plan);
    EXPECT_EQ(layout->Comments, QStringList{ QStringLiteral("How the town is laid out") });
    const TOption* sprawl = layout->Options.Find(QStringLiteral("Sprawl"));
    ASSERT_EQ(sprawl->Qualifiers.size(), 2u);
    EXPECT_EQ(sprawl->Qualifiers[0]->Name, QStringLiteral("cheap & fast"));
    EXPECT_EQ(sprawl->Number, 2);
    const TOption* compact = layout->Options.Find(QStringLiteral("Compact"));
    ASSERT_EQ(compact->Effects.size(), 2u);
    EXPECT_EQ(compact->Effects[0]->Formula, QStringLiteral("[Rate] * 2"));
    EXPECT_FALSE(compact->Effects[0]->Code.empty());
    EXPECT_TRUE(compact->Effects[1]->NullWhenStatusQuo);
    const TOption* wide = c->SystemLevels.Find(QStringLiteral("City"))->DecisionAreas.At(1)->Options.At(0);
    ASSERT_EQ(wide->PrecludedAreas.size(), 2u);
    EXPECT_EQ(wide->PrecludedAreas[1]->Name, QStringLiteral("Blocks"));
}

// The last effect of an area has no comment and the next area has one: the
// comment stays with its area and no area is lost.
TEST_F(CaseFolderReaderTest, ACommentBelongsOnlyToTheRowOnItsOwnLine)
{
    TCase c(QStringLiteral("Comments"));
    TScale* scale = c.Scales.At(c.AddScale(QStringLiteral("u")));
    TVariable* v = c.Variables.At(c.AddVariable(QStringLiteral("V")));
    v->Scale = scale;
    TCategory* category = c.Categories.At(c.AddCategory(QStringLiteral("K")));
    TPhase* phase = c.Phases.At(c.AddPhase(QStringLiteral("P")));
    TSystemLevel* level = c.SystemLevels.At(c.AddSystemLevel(QStringLiteral("L")));
    level->PlaceUnder(nullptr);
    for (const char* name : { "First", "Second", "Third" }) {
        TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(QLatin1String(name)));
        area->Category = category;
        area->Phase = phase;
        TOption* option = area->Options.At(area->AddOption(QStringLiteral("O")));
        option->AddEffect(std::make_unique<TEffect>(option, v))->SetFormula(QStringLiteral("1"));
    }
    level->DecisionAreas.Find(QStringLiteral("Second"))->Comments = { QStringLiteral("second's note") };
    Write(c, Folder);
    auto read = Read(Folder);
    EXPECT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join(QLatin1Char('|')).toStdString();
    const TSystemLevel* l = read->SystemLevels.Find(QStringLiteral("L"));
    ASSERT_EQ(l->DecisionAreas.Count(), 3);
    EXPECT_EQ(l->DecisionAreas.Find(QStringLiteral("Second"))->Comments, QStringList{ QStringLiteral("second's note") });
    EXPECT_TRUE(l->DecisionAreas.Find(QStringLiteral("First"))->Options.At(0)->Effects[0]->Comments.isEmpty());
}

TEST_F(CaseFolderReaderTest, TheModeOfAVariableComesFromItsIcon)
{
    auto original = BuildSampleCase();
    TVariable* mean = original->Variables.At(original->AddVariable(QStringLiteral("Mean")));
    mean->Scale = original->Scales.First();
    mean->AggregationMode = AggregationAveraging;
    TVariable* sum = original->Variables.At(original->AddVariable(QStringLiteral("Sum")));
    sum->Scale = original->Scales.First();
    sum->AggregationMode = AggregationCumulative;
    Write(*original, Folder);
    // A row icon the reader does not know: the mode is guessed, and an averaging
    // effect on the variable makes it averaging.
    Edit("<img src=\"img/ceff.bmp\"></td><td>Sum", "<img src=\"img/what.bmp\"></td><td>Sum");
    Edit("<img src=\"img/aeff.bmp\"></td><td>Density", "<img src=\"img/other.bmp\"></td><td>Density");
    auto c = Read(Folder);
    const struct { const char* name; quint8 mode; } expected[] = {
        { "Mean", AggregationAveraging }, { "Limit", AggregationConstant }, { "Rate", AggregationConstant },
        { "Cost", AggregationCumulative }, { "Sum", AggregationCumulative }, { "Density", AggregationAveraging },
    };
    for (const auto& e : expected)
        EXPECT_EQ(c->Variables.Find(QLatin1String(e.name))->AggregationMode, e.mode) << e.name;
    EXPECT_FALSE(c->Variables.Find(QStringLiteral("Limit"))->HasValue());
}

TEST_F(CaseFolderReaderTest, CommentsAndValuesComeBackUnchanged)
{
    auto original = BuildSampleCase();
    TVariable* rate = original->Variables.Find(QStringLiteral("Rate"));
    const QStringList tricky = { QStringLiteral("bare\rCR"), QStringLiteral("ends </td></tr> a row"),
                                 QStringLiteral("</table> & <tr class=cmnt><td></td><td>"), QStringLiteral("&amp; stays") };
    const double values[] = { 1234.5, 0.12345, -98765.4321, 1e-7, 3.0, 2.5e12 };
    for (double value : values) {
        rate->Value = value;
        rate->Comments = tricky;
        original->SystemLevels.At(0)->DecisionAreas.At(0)->Comments = tricky;
        Write(*original, Folder);
        auto c = Read(Folder);
        ASSERT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(c->Variables.Find(QStringLiteral("Rate"))->Value, value);
        const QStringList expected = { QStringLiteral("bare"), QStringLiteral("CR"), tricky[1], tricky[2], tricky[3] };
        EXPECT_EQ(c->Variables.Find(QStringLiteral("Rate"))->Comments, expected);
        EXPECT_EQ(c->SystemLevels.At(0)->DecisionAreas.At(0)->Comments, expected);
        EXPECT_EQ(c->Variables.Count(), 4);
        EXPECT_EQ(c->SystemLevels.At(0)->DecisionAreas.Count(), 2);
    }
    // Ordinary numbers are written as they always were.
    rate->Value = 2.5;
    Write(*original, Folder);
    EXPECT_TRUE(ReadBytes(CasePage).contains(QStringLiteral("Rate [EUR] = %1</td>").arg(FormatValue(2.5)).toUtf8()));
}

TEST_F(CaseFolderReaderTest, AreasWithoutCategoryOrPhaseAndLevelsOutsideTheTreeSurvive)
{
    auto original = BuildSampleCase();
    TSystemLevel* loose = original->SystemLevels.At(original->AddSystemLevel(QStringLiteral("Annex")));
    TDecisionArea* area = loose->DecisionAreas.At(loose->AddDecisionArea(QStringLiteral("Roof")));
    area->Options.At(area->AddOption(QStringLiteral("Flat")));
    original->SystemLevels.Find(QStringLiteral("City"))->DecisionAreas.At(0)->Category = nullptr;
    Write(*original, Folder);
    auto c = Read(Folder);
    EXPECT_TRUE(Messages.Errors().isEmpty()) << Messages.Errors().join(QLatin1Char('|')).toStdString();
    const TSystemLevel* annex = c->SystemLevels.Find(QStringLiteral("Annex"));
    ASSERT_TRUE(annex);
    EXPECT_EQ(annex->Depth, -1);
    ASSERT_EQ(annex->DecisionAreas.Count(), 1);
    EXPECT_EQ(annex->DecisionAreas.At(0)->Phase, nullptr);
    EXPECT_EQ(c->SystemLevels.Find(QStringLiteral("City"))->DecisionAreas.At(0)->Category, nullptr);
    EXPECT_EQ(c->SystemLevels.Find(QStringLiteral("District"))->DecisionAreas.At(0)->Options.At(0)->Effects.size(), 1u);
}

TEST_F(CaseFolderReaderTest, PagesFromWindowsAndMissingIconsAreRead)
{
    auto original = BuildSampleCase();
    Write(*original, Folder);
    QFile::remove(Folder + QStringLiteral("img/sl0.bmp"));
    WriteBytes(Folder + QStringLiteral("img/cat0.bmp"), "garbage");
    QByteArray page = ReadBytes(CasePage).mid(3);   // no byte order mark, and one byte of Windows-1252
    WriteBytes(CasePage, page.replace("<td>Coast</td>", "<td>C\xf4te</td>"));
    QFile::remove(Folder + QStringLiteral("items.htm"));
    auto c = Read(Folder);
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(c->SystemLevels.Find(QStringLiteral("Region"))->DecisionAreas.Find(QString::fromUtf8("C\u00f4te")));
    EXPECT_EQ(c->SystemLevels.Find(QStringLiteral("City"))->Icon, DefaultRectangleIcon());
    EXPECT_EQ(c->Categories.Find(QStringLiteral("Land use"))->Icon, DefaultRectangleIcon());
    EXPECT_EQ(c->Contents, TCase::DefaultContents());
    EXPECT_FALSE(QFile::exists(Folder + QStringLiteral("items.htm")));   // rebuilt, but reading never writes
}

TEST_F(CaseFolderReaderTest, AFormulaThatDoesNotCompileGoesToTheRepairHook)
{
    auto original = BuildSampleCase();
    Write(*original, Folder);
    Edit("= [Rate] * 2</td>", "= ([Rate] * 2</td>");
    QStringList seen;
    Messages.OnRepair = [&](TEffect& effect) { seen << effect.Variable->Name + QStringLiteral(" in ") + effect.Option->Name; };
    auto c = Read(Folder);
    EXPECT_EQ(seen, QStringList{ QStringLiteral("Cost in Compact") });
    EXPECT_TRUE(Messages.Messages.contains(QStringLiteral("repair: ([Rate] * 2")));
    EXPECT_TRUE(Messages.Errors().isEmpty());
}

// Each broken page ends the reading with one clear message and keeps what came before.
TEST_F(CaseFolderReaderTest, BrokenPagesEndWithAClearMessage)
{
    const struct
    {
        const char* from;
        const char* to;
        int line;          // where the page is broken
        const char* error;
        int levels;        // read before the reading stopped
        int regionAreas;
    } cases[] = {
        { "<table class=c2>\r\n<tr><td align=right>", "<table class=cx>\r\n<tr><td align=right>", 84, "\"x\" is not a valid integer value", 4, 0 },
        { "<td>Rate [EUR] = ", "<td>Rate [EUR] = 12a</td></tr>", 77, "\"12a\" is not a valid number", 4, 0 },
        { "img/cat1.bmp\" alt=\"1. Water\"></td><td>Roads", "img/cat7.bmp\" alt=\"1. Water\"></td><td>Roads", 95, "Category index 7 out of range", 4, 0 },
        { "img/sl0p1.bmp\" alt=\"0:0\"><img src=\"img/cat0.bmp\" alt=\"3. Land use\"></td><td>Layout</td></tr><tr", "img/sl0p9.bmp\" alt=\"0:0\"><img src=\"img/cat0.bmp\" alt=\"3. Land use\"></td><td>Layout</td></tr><tr", 83, "Phase index 9 out of range", 4, 0 },
        { "alt=\"1:0\"><img src=\"img/cat0.bmp\" alt=\"3. Land use\"></td><td>Blocks</td></tr>\r\n</table>", "alt=\"1:5\"><img src=\"img/cat0.bmp\" alt=\"3. Land use\"></td><td>Blocks</td></tr>\r\n</table>", 133, "Decision area index 5 out of range", 4, 1 },
        { "<td>Density [m2] = [Cost] / 2", "<td>Densit [m2] = [Cost] / 2", 109, "Unknown variable \"Densit\"", 4, 0 },
        { "qual1.bmp\" alt=\"green\"><img src=\"img/option.bmp\" alt=\"1\"></td><td>Compact", "qual4.bmp\" alt=\"green\"><img src=\"img/option.bmp\" alt=\"1\"></td><td>Compact", 85, "Qualifier index 4 out of range", 4, 0 },
        { "<td>Rate [EUR]", "<td>Rate [USD]", 77, "Unknown scale \"USD\"", 4, 1 },
        { "Roads &amp; &lt;paths&gt; = Wide</td>", "Roads &amp; &lt;paths&gt; = Wider</td>", 130, "Undefined decision option \"Wider\"", 4, 1 },
        { "<td>Zone</td></tr>\r\n", "<td>City</td></tr>\r\n", 46, "System level \"City\" occurs twice", 3, 0 },
        { "alt=\"0:FF0000\"", "alt=\"0:FF00\"", 53, "\"FF00\" is not a valid colour", 4, 0 },
        // Counts that do not fit their rows would silently reshape the hierarchy.
        { "<table class=c2>\r\n<tr><td align=right>", "<table class=c-1>\r\n<tr><td align=right>", 84, "Negative count -1", 4, 0 },
        { "<table class=c2>\r\n<tr><td align=right>", "<table class=c0>\r\n<tr><td align=right>", 84, "The count 0 does not match the rows of its table", 4, 0 },
        { "<table class=c2>\r\n<tr><td align=right>", "<table class=c3>\r\n<tr><td align=right>", 93, "The count 3 does not match the rows of its table", 4, 0 },
        { "<table class=c1>\r\n<tr><td><img src=\"img/ceff.bmp\" alt=\"cumulative\"></td><td>Cost [EUR]</td>", "<table class=c0>\r\n<tr><td><img src=\"img/ceff.bmp\" alt=\"cumulative\"></td><td>Cost [EUR]</td>", 98, "The count 0 does not match the rows of its table", 4, 0 },
        { "<table class=c2>\r\n<tr><td><img src=\"img/sl0p1", "<table class=c1>\r\n<tr><td><img src=\"img/sl0p1", 131, "The count 1 does not match the rows of its table", 4, 1 },
    };
    for (const auto& broken : cases) {
        SCOPED_TRACE(broken.error);
        auto original = BuildSampleCase();
        Write(*original, Folder);
        Edit(broken.from, broken.to);
        Messages.Clear();
        auto c = Read(Folder);
        EXPECT_EQ(Messages.Errors(),
                  QStringList{ QStringLiteral("ORVEL case.htm, line %1: ").arg(broken.line) + QString::fromUtf8(broken.error) });
        EXPECT_EQ(Messages.BusyDepth, 0);
        EXPECT_EQ(c->Name, QStringLiteral("Harbour & <Town>"));
        EXPECT_EQ(c->SystemLevels.Count(), broken.levels);
        EXPECT_EQ(c->SystemLevels.Find(QStringLiteral("Region"))->DecisionAreas.Count(), broken.regionAreas);
    }
}

TEST_F(CaseFolderReaderTest, MissingAndTruncatedPages)
{
    auto original = BuildSampleCase();
    Write(*original, Folder);
    QFile::rename(CasePage, CasePage + QStringLiteral(".away"));
    auto none = Read(Folder);
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not open file\r\"") + CasePage + QStringLiteral("\"") });
    EXPECT_EQ(none->SystemLevels.Count(), 0);

    const QByteArray page = ReadBytes(CasePage + QStringLiteral(".away"));
    const qsizetype cut = page.indexOf("  <tr class=subsection><td>Preclusions for City");
    WriteBytes(CasePage, page.left(cut));
    Messages.Clear();
    auto some = Read(Folder);
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("ORVEL case.htm, line 126: EOF while looking for \"<table class=c\"") });
    EXPECT_EQ(some->SystemLevels.Find(QStringLiteral("Region"))->DecisionAreas.Count(), 1);
    EXPECT_TRUE(some->SystemLevels.At(0)->DecisionAreas.At(1)->Options.At(0)->PrecludedAreas.empty());

    // Without the marker that closes the levels nothing after the case's name is read.
    WriteBytes(CasePage, QByteArray(page).replace(" <tr class=section><td>Phases</td></tr>", ""));
    Messages.Clear();
    auto named = Read(Folder);
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("ORVEL case.htm, line 36: EOF while looking for \"<tr class=section><td>phases</td></tr>\"") });
    EXPECT_EQ(named->Name, QStringLiteral("Harbour & <Town>"));
    EXPECT_EQ(named->SystemLevels.Count(), 0);
}

// Random bytes and randomly damaged pages never crash or hang the reader.
TEST_F(CaseFolderReaderTest, SurvivesRandomDamage)
{
    auto original = BuildSampleCase();
    Write(*original, Folder);
    const QByteArray page = ReadBytes(CasePage);
    QRandomGenerator random(20260612);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = page;
        if (round % 3 == 0) {
            damaged.resize(random.bounded(4000));
            for (char& byte : damaged)
                byte = char(random.bounded(256));
        } else {
            for (int i = 0; i < 1 + round % 7; ++i) {
                const qsizetype at = random.bounded(damaged.size());
                if (random.bounded(2))
                    damaged.remove(at, random.bounded(40));
                else
                    damaged[at] = char(random.bounded(256));
            }
        }
        WriteBytes(CasePage, damaged);
        Messages.Clear();
        Read(Folder);
        EXPECT_EQ(Messages.BusyDepth, 0);
    }
}

} // namespace
