#include "design/design.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "expectpage.h"
#include "samplecase.h"
#include "samplepositions.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The sample case with its positions and a design, comments on every kind of item.
std::unique_ptr<TCase> BuildRichCase()
{
    auto c = BuildSampleCase();
    AddSamplePositions(*c);
    TDesign* plan = c->Designs.At(c->AddDesign(QStringLiteral("Plan")));
    plan->Comments = { QStringLiteral("The first plan") };
    TDesignObject* town = plan->AddDesignObject(QStringLiteral("Harbour"), nullptr, c->SystemLevels.Find(QStringLiteral("City")));
    TDesignObject* north = plan->AddDesignObject(QStringLiteral("North"), town, c->SystemLevels.Find(QStringLiteral("District")));
    north->SetCount(3);
    north->Comments = { QStringLiteral("Three alike") };
    for (TOption* option : c->Policies.Find(QStringLiteral("Compact town"))->Options)
        (option->SystemLevel() == town->SystemLevel ? town : north)->SelectDesignOption(option);
    c->Changed = false;
    return c;
}

// Every tag in upper case; the text between tags (names, comments) as it was.
QByteArray TagsInUpperCase(const QByteArray& page)
{
    QByteArray result = page;
    bool inTag = false;
    for (char& ch : result) {
        if (ch == '<')
            inTag = true;
        else if (ch == '>')
            inTag = false;
        else if (inTag && ch >= 'a' && ch <= 'z')
            ch = char(ch - 'a' + 'A');
    }
    return result;
}

struct PositionReadingTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;
    QString Folder = Temp.filePath(QStringLiteral("case/"));

    std::unique_ptr<TCase> WriteAndRead(TCase& aCase)
    {
        EXPECT_TRUE(WriteCaseFolder(aCase, Folder));
        return Read();
    }
    std::unique_ptr<TCase> Read()
    {
        auto aCase = std::make_unique<TCase>();
        ReadCaseFolder(*aCase, Folder);
        return aCase;
    }
    void Edit(const char* page, const QByteArray& from, const QByteArray& to)
    {
        const QString path = Folder + QLatin1String(page);
        QByteArray bytes = ReadBytes(path);
        ASSERT_TRUE(bytes.contains(from)) << from.toStdString();
        WriteBytes(path, bytes.replace(from, to));
    }
    // Every page of both folders, as a map from name to text without the date.
    static QMap<QString, QByteArray> Pages(const QString& folder)
    {
        QMap<QString, QByteArray> pages;
        for (const QString& name : QDir(folder).entryList({ QStringLiteral("*.htm") }, QDir::Files))
            pages[name] = WithoutDate(ReadBytes(folder + QLatin1Char('/') + name));
        return pages;
    }
};

} // namespace

TEST_F(PositionReadingTest, AWholeCaseWrittenReadAndWrittenAgainGivesTheSamePages)
{
    auto original = BuildRichCase();
    auto read = WriteAndRead(*original);
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    const QString again = Temp.filePath(QStringLiteral("again"));
    ASSERT_TRUE(WriteCaseFolder(*read, again));
    const auto first = Pages(Folder);
    for (const char* page : { "ORVEL propro.htm", "ORVEL actors.htm", "ORVEL design 0.htm", "ORVEL policies.htm" })
        EXPECT_TRUE(first.contains(QLatin1String(page))) << page;
    EXPECT_EQ(Pages(again), first);
}

TEST_F(PositionReadingTest, ReadsBackEveryPositionWithItsOwnComment)
{
    auto original = BuildRichCase();
    const auto c = WriteAndRead(*original);
    EXPECT_TRUE(c->Changed);

    ASSERT_EQ(c->Combinations.size(), 5u);
    EXPECT_TRUE(c->Combinations[0]->Comments.isEmpty());
    EXPECT_EQ(c->Combinations[1]->Comments, QStringList{ QStringLiteral("Short trips") });
    EXPECT_EQ(c->Combinations[3]->Comments, QStringList({ QStringLiteral("Costly"), QStringLiteral("to serve") }));
    EXPECT_EQ(c->Combinations[4]->Rating, -3);

    ASSERT_EQ(c->Actors.Count(), 3);
    const TActor* alderman = c->Actors.Find(QStringLiteral("Alderman"));
    const TActor* mayor = c->Actors.Find(QStringLiteral("Mayor"));
    EXPECT_EQ(alderman->Connections.front()->OtherActor, c->Actors.Find(QStringLiteral("Zoning board")));
    EXPECT_EQ(alderman->Connections.front()->Comments, QStringList{ QStringLiteral("Listens closely") });
    EXPECT_EQ(alderman->Goals.front()->Comments, QStringList{ QStringLiteral("Budget < 1.3 million") });
    EXPECT_EQ(alderman->Goals.front()->Value, 1234567.891);
    EXPECT_EQ(alderman->Goals.back()->Value, 0.123456789);
    EXPECT_EQ(alderman->Goals.back()->Direction, 1);
    EXPECT_EQ(alderman->Goals.back()->Preference, -1);
    // The last item of every list has no comment, although what follows it has one.
    EXPECT_TRUE(alderman->Connections.back()->Comments.isEmpty());
    EXPECT_TRUE(alderman->Decisions.back()->Comments.isEmpty());
    EXPECT_TRUE(alderman->Goals.back()->Comments.isEmpty());
    EXPECT_TRUE(alderman->Options.back()->Comments.isEmpty());
    EXPECT_TRUE(alderman->Qualifiers.back()->Comments.isEmpty());
    EXPECT_EQ(alderman->Decisions.front()->Comments, QStringList{ QStringLiteral("Chairs the committee") });
    EXPECT_EQ(mayor->Comments, QStringList({ QStringLiteral("Elected"), QStringLiteral("every four years") }));
    EXPECT_EQ(mayor->Options.front()->Option->Name, QStringLiteral("Dike"));
    EXPECT_EQ(c->Actors.Find(QStringLiteral("Zoning board"))->Comments, QStringList{ QStringLiteral("Advises") });

    ASSERT_EQ(c->Policies.Count(), 3);
    const TPolicy* town = c->Policies.Find(QStringLiteral("Compact town"));
    EXPECT_TRUE(town->Comments.isEmpty());
    EXPECT_EQ(town->Options.size(), 3u);
    EXPECT_EQ(c->Policies.Find(QStringLiteral("Empty"))->Comments, QStringList{ QStringLiteral("Nothing yet") });
}

TEST_F(PositionReadingTest, ARelationCreatesAnActorThatComesLater)
{
    auto original = BuildRichCase();
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    // Without the last actor's own block, the relation alone brings it in.
    QByteArray page = ReadBytes(Folder + QStringLiteral("ORVEL actors.htm"));
    const qsizetype block = page.indexOf("  <tr class=subsection><td><img src=\"img/actor.bmp\"></td><td>Zoning board");
    page.remove(block, page.lastIndexOf("</table>\r\n</body>") - block);
    WriteBytes(Folder + QStringLiteral("ORVEL actors.htm"), page.replace("<table class=c3>\r\n  <tr class=subsection>", "<table class=c2>\r\n  <tr class=subsection>"));
    const auto c = Read();
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    const TActor* board = c->Actors.Find(QStringLiteral("Zoning board"));
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->Comments.isEmpty());
    EXPECT_EQ(c->Policies.Count(), 3);
}

TEST_F(PositionReadingTest, MarkersMatchWhateverTheirLetterCase)
{
    auto original = BuildRichCase();
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    const auto written = Pages(Folder);
    for (const char* page : { "ORVEL propro.htm", "ORVEL actors.htm", "ORVEL policies.htm" })
        WriteBytes(Folder + QLatin1String(page), TagsInUpperCase(ReadBytes(Folder + QLatin1String(page))));
    const auto c = Read();
    EXPECT_TRUE(Messages.Messages.isEmpty()) << Messages.Messages.join(QLatin1Char('|')).toStdString();
    const QString again = Temp.filePath(QStringLiteral("again"));
    ASSERT_TRUE(WriteCaseFolder(*c, again));
    EXPECT_EQ(Pages(again), written);
}

TEST_F(PositionReadingTest, AGoalWithoutATargetHasNoValue)
{
    auto original = BuildRichCase();
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    Edit("ORVEL actors.htm", "Limit [m2] = 10</td></tr>", "Limit [m2]</td></tr><tr class=cmnt><td></td><td>open</td></tr>");
    const auto c = Read();
    const TActorGoal* goal = c->Actors.Find(QStringLiteral("Mayor"))->Goals.front().get();
    EXPECT_TRUE(IsUndefined(goal->Value));
    EXPECT_EQ(goal->Comments, QStringList{ QStringLiteral("open") });
}

// Values outside their ranges leave their row out with a warning naming it; the
// reading goes on.
TEST_F(PositionReadingTest, RowsWithValuesOutOfRangeAreLeftOut)
{
    const struct
    {
        const char* page;
        const char* from;
        const char* to;
        const char* message;   // "warning: ..." or "error: ..."
        int combinations, aldermanGoals, aldermanPositions;
    } cases[] = {
        { "ORVEL propro.htm", "face2.bmp\" alt=\"favorable\"", "face7.bmp\" alt=\"favorable\"",
          "warning: Combination \"Layout = Compact, Blocks = Small\" skipped: rating 7 is outside -3..3", 4, 3, 11 },
        { "ORVEL actors.htm", "wght4.bmp", "wght9.bmp",
          "warning: Actor \"Alderman\", relation to \"Zoning board\" skipped: influence 9 is outside 1..4", 5, 3, 10 },
        { "ORVEL actors.htm", "wght3.bmp", "wght0.bmp",
          "warning: Actor \"Alderman\", decision power on \"Layout\" skipped: influence 0 is outside 1..4", 5, 3, 10 },
        { "ORVEL actors.htm", "face3.bmp\" alt=\"most desirable\"><img src=\"img/minp", "face5.bmp\" alt=\"most desirable\"><img src=\"img/minp",
          "warning: Actor \"Alderman\", objective on \"Cost\" skipped: preference 5 is outside -3..3", 5, 2, 10 },
        { "ORVEL actors.htm", "img/minp.bmp", "img/down.bmp", "error: Undefined change direction: \"down\"", 5, 2, 10 },
        { "ORVEL actors.htm", "face-2.bmp\" alt=\"very undesirable\"></td><td><img src=\"img/smopt0",
          "face-32768.bmp\" alt=\"very undesirable\"></td><td><img src=\"img/smopt0",
          "warning: Actor \"Alderman\", feeling about \"Roads & <paths> = Wide\" skipped: preference -32768 is outside -3..3", 5, 3, 10 },
        { "ORVEL actors.htm", "face2.bmp\" alt=\"very desirable\"></td><td><img src=\"img/qual1",
          "face4.bmp\" alt=\"very desirable\"></td><td><img src=\"img/qual1",
          "warning: Actor \"Alderman\", feeling about \"green\" skipped: preference 4 is outside -3..3", 5, 3, 10 },
    };
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.message);
        auto original = BuildRichCase();
        ASSERT_TRUE(WriteCaseFolder(*original, Folder));
        Edit(bad.page, bad.from, bad.to);
        Messages.Clear();
        const auto c = Read();
        EXPECT_EQ(WithoutPlace(Messages.Messages.filter(QRegularExpression(QStringLiteral("^(warning|error): ")))),
                  QStringList{ QString::fromUtf8(bad.message) });
        EXPECT_EQ(c->Combinations.size(), size_t(bad.combinations));
        const TActor* alderman = c->Actors.Find(QStringLiteral("Alderman"));
        EXPECT_EQ(alderman->Goals.size(), size_t(bad.aldermanGoals));
        EXPECT_EQ(alderman->Connections.size() + alderman->Decisions.size() + alderman->Goals.size()
                      + alderman->Options.size() + alderman->Qualifiers.size(),
                  size_t(bad.aldermanPositions));
        // Everything after the row was read.
        EXPECT_EQ(c->Actors.Find(QStringLiteral("Zoning board"))->Comments, QStringList{ QStringLiteral("Advises") });
        EXPECT_EQ(c->Policies.Count(), 3);
    }
}

TEST_F(PositionReadingTest, APolicyKeepsTheFirstOptionOfAnArea)
{
    auto original = BuildRichCase();
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    Edit("ORVEL policies.htm", "<td>Layout = Compact</td>", "<td>Layout = Sprawl</td></tr>\r\n<tr><td><img src=\"img/smopt0.bmp\"><img src=\"img/sl0p1.bmp\" alt=\"0:0\"></td><td>Layout = Compact</td>");
    Edit("ORVEL policies.htm", "<table class=c3>\r\n  <tr><td colspan=2>", "<table class=c4>\r\n  <tr><td colspan=2>");
    const auto c = Read();
    EXPECT_EQ(WithoutPlace(Messages.Warnings()), QStringList{ QStringLiteral("Policy \"Compact town\", option \"Layout = Compact\" skipped: "
                                                               "the policy has an option for this decision area already") });
    const TPolicy* town = c->Policies.Find(QStringLiteral("Compact town"));
    ASSERT_EQ(town->Options.size(), 3u);
    EXPECT_EQ(town->Options[1]->Name, QStringLiteral("Sprawl"));
}

// A fault stops the reading with one message and keeps what was read.
TEST_F(PositionReadingTest, DamagedPagesEndWithAMessageAndKeepWhatWasRead)
{
    const struct
    {
        const char* page;
        const char* from;
        const char* to;
        const char* error;
        int combinations, actors, policies;
    } cases[] = {
        { "ORVEL propro.htm", "<table class=c5>", "<table class=cfive>", "\"five\" is not a valid integer value", 0, 0, 0 },
        { "ORVEL propro.htm", "alt=\"2:0\"", "alt=\"7:0\"", "System level index 7 out of range", 4, 0, 0 },
        { "ORVEL propro.htm", "alt=\"2:0\"", "alt=\"2:3\"", "Decision area index 3 out of range", 4, 0, 0 },
        { "ORVEL propro.htm", "<td>Coast = Dike</td>", "<td>Coast = Dikes</td>", "Undefined decision option \"Dikes\"", 4, 0, 0 },
        { "ORVEL actors.htm", "Density [m2]", "Densities [m2]", "Unknown variable \"Densities\"", 5, 3, 0 },
        { "ORVEL actors.htm", "img/qual1.bmp", "img/qual2.bmp", "Qualifier index 2 out of range", 5, 3, 0 },
        { "ORVEL actors.htm", "  <tr class=subsection><td><img src=\"img/actor.bmp\"></td><td>Zoning board",
          "  <tr class=subsection><td>Zoning board", "The count 3 does not match the rows of its table", 5, 3, 0 },
        { "ORVEL policies.htm", "<td>Coast = Dike</td>", "<td>Coast = Dikes</td>", "Undefined decision option \"Dikes\"", 5, 3, 1 },
    };
    for (const auto& broken : cases) {
        SCOPED_TRACE(broken.error);
        auto original = BuildRichCase();
        ASSERT_TRUE(WriteCaseFolder(*original, Folder));
        Edit(broken.page, broken.from, broken.to);
        Messages.Clear();
        const auto c = Read();
        EXPECT_EQ(WithoutPlace(Messages.Errors()), QStringList{ QString::fromUtf8(broken.error) });
        EXPECT_EQ(Messages.BusyDepth, 0);
        EXPECT_EQ(c->Combinations.size(), size_t(broken.combinations));
        EXPECT_EQ(c->Actors.Count(), broken.actors);
        EXPECT_EQ(c->Policies.Count(), broken.policies);
        EXPECT_EQ(c->SystemLevels.Count(), 4);
    }
}

TEST_F(PositionReadingTest, AMissingPageIsReportedAndTheOthersAreRead)
{
    auto original = BuildRichCase();
    ASSERT_TRUE(WriteCaseFolder(*original, Folder));
    ASSERT_TRUE(QFile::remove(Folder + QStringLiteral("ORVEL propro.htm")));
    const auto c = Read();
    EXPECT_EQ(Messages.Errors(), QStringList{ QStringLiteral("Could not open file\r\"") + Folder + QStringLiteral("ORVEL propro.htm\"") });
    EXPECT_TRUE(c->Combinations.empty());
    EXPECT_EQ(c->Actors.Count(), 3);
    EXPECT_EQ(c->Policies.Count(), 3);
}
