#include "design/design.h"
#include "design/evaluation.h"
#include "model/decisionarea.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "samplecase.h"

#include <QDirIterator>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// The example case that ships with the program is the first case a new user
// opens: it must open without a message, evaluate without an error and come
// back page for page from a save.
const QString Example = QStringLiteral(ORVEL_SOURCE_DIR "/examples/Rivertown/");

// Every file of the folder by its path inside it; pages without their date line.
std::map<QString, QByteArray> Files(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = WithoutDate(ReadBytes(path));
    }
    return files;
}

void ExpectSameFiles(const QString& expectedFolder, const QString& folder, const char* note)
{
    const auto expected = Files(expectedFolder);
    const auto got = Files(folder);
    QStringList expectedNames, gotNames;
    for (const auto& file : expected)
        expectedNames << file.first;
    for (const auto& file : got)
        gotNames << file.first;
    EXPECT_EQ(gotNames, expectedNames) << note;
    for (const auto& [name, bytes] : expected)
        EXPECT_TRUE(got.count(name) && got.at(name) == bytes) << name.toStdString() << ": " << note;
}

struct ExampleCaseTest : ::testing::Test
{
    TMessageRecorder Messages;
    QTemporaryDir Temp;

    std::unique_ptr<TCase> Open(const QString& folder)
    {
        auto aCase = std::make_unique<TCase>();
        EXPECT_TRUE(ReadCaseFolder(*aCase, folder));
        EXPECT_EQ(Messages.Messages, QStringList());
        return aCase;
    }
    double Value(const TCase& c, const char* design, const char* variable)
    {
        return DesignValue(*c.Designs.Find(design), *c.Variables.Find(variable));
    }
};

TEST_F(ExampleCaseTest, OpensWithEveryKindOfItem)
{
    const auto c = Open(Example);
    int areas = 0, options = 0;
    c->ForEachDecisionArea([&](TDecisionArea*) { ++areas; });
    c->ForEachOption([&](TOption*) { ++options; });
    EXPECT_EQ(c->SystemLevels.Count(), 3);
    EXPECT_GE(areas, 12);
    EXPECT_GE(options, 40);
    std::set<int> modes, ratings;
    for (const TVariable* variable : c->Variables)
        modes.insert(variable->AggregationMode);
    EXPECT_EQ(modes.size(), 3u);
    EXPECT_EQ(c->Actors.Count(), 4);
    for (const TActor* actor : c->Actors)
        EXPECT_FALSE(actor->Goals.empty() || actor->Options.empty() || actor->Qualifiers.empty()
                     || actor->Decisions.empty()) << actor->Name.toStdString();
    for (const auto& combination : c->Combinations)
        ratings.insert(combination->Rating > 0 ? 1 : -1);
    EXPECT_EQ(ratings.size(), 2u);   // problems and promises
    EXPECT_EQ(c->Policies.Count(), 2);
    EXPECT_EQ(c->Designs.Count(), 3);
}

TEST_F(ExampleCaseTest, EveryValueOfEveryDesignIsDefined)
{
    const auto c = Open(Example);
    const TEvaluation pass;
    for (const TDesign* design : c->Designs) {
        design->ForEachObject([&](TDesignObject* object) {
            for (const auto& attribute : object->Attributes)
                EXPECT_EQ(Compute(*attribute).Error, 0)
                    << design->Name.toStdString() << " " << object->Name.toStdString() << " "
                    << attribute->Variable->Name.toStdString();
        });
        for (const TVariable* variable : c->Variables)
            EXPECT_FALSE(IsUndefined(DesignValue(*design, *variable)))
                << design->Name.toStdString() << " " << variable->Name.toStdString();
    }
    // The status quo choices came back: keeping them costs nothing.
    EXPECT_EQ(Value(*c, "Business as usual", "Investment cost"), 0);
    for (const char* alternative : { "All-electric", "Heat networks" })
        EXPECT_LT(Value(*c, alternative, "CO2 emissions"), Value(*c, "Business as usual", "CO2 emissions") / 2);
    // The heat network of the Old Town rules out its buildings' gas boilers.
    const TDesignObject* oldTown = c->Designs.Find("Heat networks")->TopObjects.First()->Children.Find("Old Town");
    EXPECT_LT(Compute(*oldTown->FindAttribute(c->Variables.Find("Gas use"))).Value, 1e-9);
}

TEST_F(ExampleCaseTest, SavingGivesTheSamePagesAgain)
{
    const QString first = Temp.filePath(QStringLiteral("first/"));
    const QString second = Temp.filePath(QStringLiteral("second/"));
    ASSERT_TRUE(WriteCaseFolder(*Open(Example), first));
    ASSERT_TRUE(WriteCaseFolder(*Open(first), second));
    ExpectSameFiles(first, second, "a second save differs");
    // The generator writes numbers with "." whatever the locale.
    if (DecimalSeparator() == QLatin1String("."))
        ExpectSameFiles(first, Example, "examples/Rivertown is out of date: rebuild it with the target example_case");
}

} // namespace
