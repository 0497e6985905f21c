#include "design/design.h"
#include "design/evaluation.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "expectpage.h"
#include "samplecase.h"

#include <gtest/gtest.h>

namespace {

// Two designs on the sample case: "Plan B" with a city of two districts
// (North with a comment and a choice, South with neither) and a region;
// "Base" with a lone district.
void AddDesigns(TCase& c)
{
    TSystemLevel* city = c.SystemLevels.Find("City");
    TSystemLevel* district = c.SystemLevels.Find("District");
    TOption* compact = city->DecisionAreas.Find("Layout")->Options.Find("Compact");
    TOption* sprawl = city->DecisionAreas.Find("Layout")->Options.Find("Sprawl");
    TOption* small = district->DecisionAreas.Find("Blocks")->Options.Find("Small");
    TDesign* plan = c.Designs.At(c.AddDesign("Plan B"));
    plan->Comments = { "Second try", "with <care> & thought" };
    TDesignObject* town = plan->AddDesignObject("Town", nullptr, city);
    town->SetCount(2);
    town->SelectStatusQuoOption(sprawl);
    town->SelectDesignOption(compact);
    TDesignObject* north = plan->AddDesignObject("North", town, district);
    north->SetCount(3);
    north->SelectDesignOption(small);
    north->Comments = { "by the river" };
    plan->AddDesignObject("South", town, district);
    plan->AddDesignObject("Coastline", nullptr, c.SystemLevels.Find("Region"));
    TDesign* base = c.Designs.At(c.AddDesign("Base"));
    base->AddDesignObject("Lone", nullptr, district)->SelectDesignOption(small);
}

struct DesignPagesTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;
    QString Folder = Temp.filePath(QStringLiteral("case/"));
    std::unique_ptr<TCase> Original = BuildSampleCase();

    void SetUp() override { AddDesigns(*Original); }
    std::unique_ptr<TCase> Read(const QString& folder)
    {
        auto aCase = std::make_unique<TCase>();
        ReadCaseFolder(*aCase, folder);
        return aCase;
    }
    QString Page(int n, const char* extension = ".htm") const
    {
        return Folder + QStringLiteral("ORVEL design %1").arg(n) + QLatin1String(extension);
    }
    void EditPage(int n, const QByteArray& from, const QByteArray& to)
    {
        QByteArray page = ReadBytes(Page(n));
        ASSERT_TRUE(page.contains(from)) << from.toStdString();
        WriteBytes(Page(n), page.replace(from, to));
    }
};

TEST_F(DesignPagesTest, WriteReadWriteGivesTheSamePagesAndValues)
{
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    auto read = Read(Folder);
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join('|').toStdString();
    ASSERT_EQ(read->Designs.Count(), 2);
    const QString again = Temp.filePath(QStringLiteral("again/"));
    ASSERT_TRUE(WriteCaseFolder(*read, again));
    for (int n = 0; n < 2; ++n)
        EXPECT_EQ(WithoutDate(ReadBytes(again + QStringLiteral("ORVEL design %1.htm").arg(n))),
                  WithoutDate(ReadBytes(Page(n))));
    const QString page = ReadPageLines(Page(1)).join("\r\n");
    EXPECT_TRUE(page.contains("<title>ORVEL design #1</title>\r\n"));
    EXPECT_TRUE(page.contains("<table>\r\n<tr class=subsection><td><img src=\"img/design.bmp\" alt=\"design\"></td>"
                              "<td>Plan B</td></tr><tr class=cmnt><td></td><td>Second try\r\nwith &lt;care&gt; "
                              "&amp; thought</td></tr>\r\n"));
    TDesignObject* town = read->Designs.Find("Plan B")->TopObjects.Find("Town");
    EXPECT_EQ(town->Children.Find("North")->CumulativeCount(), 6);
    EXPECT_EQ(town->StatusQuoOptions.size(), 1u);
    for (int v = 0; v < read->Variables.Count(); ++v)
        for (int d = 0; d < 2; ++d)
            EXPECT_EQ(DesignValue(*read->Designs.At(d), *read->Variables.At(v)),
                      DesignValue(*Original->Designs.At(d), *Original->Variables.At(v)));
}

TEST_F(DesignPagesTest, StalePagesOfTheKindWrittenGoAndTheOtherKindStays)
{
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    WriteBytes(Page(7), "stale");
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder, TSaveMode::Export));
    EXPECT_TRUE(QFile::exists(Page(0, ".cmc")) && QFile::exists(Page(1, ".cmc")));
    EXPECT_TRUE(QFile::exists(Page(1)) && QFile::exists(Page(7)));
    Original->DeleteDesign(Original->Designs.At(1));
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    EXPECT_TRUE(QFile::exists(Page(0)));
    EXPECT_FALSE(QFile::exists(Page(1)) || QFile::exists(Page(7)));
    EXPECT_TRUE(QFile::exists(Page(1, ".cmc")));
}

TEST_F(DesignPagesTest, PagesAreReadUpToTheFirstMissingNumberAndListedWhenTheContentsAreRebuilt)
{
    Original->AddDesign("Third");
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    QFile::rename(Page(2), Page(3));
    QFile::remove(Folder + QStringLiteral("items.htm"));
    auto read = Read(Folder);
    EXPECT_EQ(read->Designs.Count(), 2);
    const QStringList expected = TCase::DefaultContents() + QStringList{
        "<img src=\"img/design.bmp\" alt=\"Design\"><a href=\"ORVEL design 0.htm\" target=main><b>Design #0</b></a><br>",
        "<img src=\"img/design.bmp\" alt=\"Design\"><a href=\"ORVEL design 1.htm\" target=main><b>Design #1</b></a><br>",
        "<hr>" };
    EXPECT_EQ(read->Contents, expected);
    EXPECT_FALSE(QFile::exists(Folder + QStringLiteral("items.htm")));   // reading never writes
    ASSERT_TRUE(WriteCaseFolder(*read, Folder));
    EXPECT_EQ(ReadPageLines(Folder + QStringLiteral("items.htm")), expected);
}

TEST_F(DesignPagesTest, DetailsFollowThePageOrderOfTheObjects)
{
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    // A page from elsewhere may list siblings in another order than ours:
    // renamed, North comes first on the page but after South in the list.
    EditPage(1, "[3x] North", "[3x] Zenith");
    EditPage(1, ">North <i>", ">Zenith <i>");
    auto read = Read(Folder);
    TDesignObject* town = read->Designs.Find("Plan B")->TopObjects.Find("Town");
    ASSERT_EQ(town->Children.At(0)->Name, "South");
    EXPECT_TRUE(town->Children.At(0)->DesignOptions.empty());
    EXPECT_EQ(town->Children.At(1)->DesignOptions.size(), 1u);
}

TEST_F(DesignPagesTest, BrokenPagesAreReportedAndKeepWhatWasRead)
{
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    const QByteArray page = ReadBytes(Page(1));
    const struct { QByteArray from, to; QString message; int objects; } cases[] = {
        { "Blocks = Small", "Blocks = Large", "Undefined decision option \"Large\"", 4 },
        { "<img src=\"img/sld", "<img src=\"img/sld9", "System level index 92 out of range", 0 },
        { "[2x] Town", "[two x] Town", "\"two\" is not a valid integer value", 1 },
        { "<i>(subsystem of", "<i>(part of", "EOF while looking for \"<i>(subsystem of\"", 4 },
    };
    for (const auto& c : cases) {
        WriteBytes(Page(1), QByteArray(page).replace(c.from, c.to));
        Messages.Clear();
        auto read = Read(Folder);
        EXPECT_EQ(WithoutPlace(Messages.Errors()).value(0), c.message);
        int objects = 0;
        if (TDesign* design = read->Designs.Find("Plan B"))
            design->ForEachObject([&](TDesignObject*) { ++objects; });
        EXPECT_EQ(objects, c.objects) << c.message.toStdString();
    }
}

TEST_F(DesignPagesTest, ACaseWithACycleOfPreclusionsOpensAsItWasSaved)
{
    TSystemLevel* city = Original->SystemLevels.Find("City");
    TDecisionArea* layout = city->DecisionAreas.Find("Layout");
    TDecisionArea* roads = city->DecisionAreas.Find("Roads & <paths>");
    layout->Options.Find("Compact")->AddPreclusion(roads);   // Wide already rules out Layout
    TDesignObject* town = Original->Designs.Find("Plan B")->TopObjects.Find("Town");
    town->SelectDesignOption(roads->Options.Find("Wide"));
    const QStringList before = { town->PrecludedAreas.at(0)->DecisionArea->Name };
    ASSERT_TRUE(WriteCaseFolder(*Original, Folder));
    auto read = Read(Folder);
    TDesignObject* again = read->Designs.Find("Plan B")->TopObjects.Find("Town");
    ASSERT_EQ(again->PrecludedAreas.size(), 1u);
    EXPECT_EQ(QStringList{ again->PrecludedAreas.at(0)->DecisionArea->Name }, before);
}

} // namespace
