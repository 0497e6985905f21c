// A user builds the example case's City level through the system hierarchy
// window alone, saves, opens the folder again and gets what the example
// generator wrote for that level.
#include "hierarchyfixture.h"

#include "model/optionnumbers.h"
#include "support/testpaths.h"

#include <QRegularExpression>

namespace {

/// The pages' rows of a level and its areas. Options are numbered from wherever
/// the window starts: their order is compared, not the numbers themselves.
QStringList LevelRows(const TSystemLevel& level)
{
    QStringList rows = level.DescriptionRows().mid(0, 1);
    for (const TDecisionArea* area : level.DecisionAreas)
        rows << area->DescriptionRows() << NamesOf(NumberedOptions(*area)).join(QStringLiteral(" < "));
    static const QRegularExpression number(QStringLiteral("(img/option\\.bmp\" alt=\")-?\\d+"));
    rows.replaceInStrings(number, QStringLiteral("\\1#"));
    return rows;
}

class HierarchyWalkThrough : public HierarchyFixture
{
protected:
    void Type(TCommentBox* box, const TNameless& like)
    {
        if (!like.Comments.isEmpty())
            box->setPlainText(like.CommentText());
    }

    void BuildArea(const TDecisionArea& like)
    {
        View->Select(View->CurrentLevel());
        View->TreeView2->setCurrentItem(nullptr);
        AddArea(like.Name, Case().Categories.Find(like.Category->Name), Case().Phases.Find(like.Phase->Name));
        Type(View->RightComment, like);
        TOption* previous = nullptr;
        for (const TOption* option : NumberedOptions(like)) {
            if (previous)
                View->Select(previous);
            std::vector<TQualifier*> qualifiers;
            for (const TQualifier* q : option->Qualifiers)
                qualifiers.push_back(Case().Qualifiers.Find(q->Name));
            previous = AddOption(option->Name, qualifiers);
            ASSERT_NE(previous, nullptr) << option->Name.toStdString();
            Type(View->RightComment, *option);
            for (const auto& effect : option->Effects) {
                ASSERT_NE(AddEffect(Case().Variables.Find(effect->Variable->Name), effect->Formula,
                                    effect->NullWhenStatusQuo),
                          nullptr);
                Type(View->RightComment, *effect);
            }
        }
    }
};

TEST_F(HierarchyWalkThrough, BuildsTheCityLevelOfTheExample)
{
    TCase expected;
    ASSERT_TRUE(TCaseStore::CaseFolders()->Read(expected, ExampleCase));
    const TSystemLevel* city = expected.SystemLevels.Find(QStringLiteral("City"));
    ASSERT_NE(city, nullptr);

    // The example's catalogues and variables, its hierarchy taken away through the window.
    ASSERT_TRUE(Window.CloseCase());
    OpenFolder(ExampleCase);
    OpenView();
    for (const char* name : {"Building", "District", "City"}) {
        View->Select(Case().SystemLevels.Find(QLatin1String(name)));
        Click("DeleteBtn");
    }
    ASSERT_TRUE(Case().SystemLevels.IsEmpty());
    ASSERT_EQ(View->TreeView1->topLevelItemCount(), 0);

    AddLevel(QStringLiteral("City"));
    Type(View->LeftComment, *city);
    Prompter->IconAnswer = city->Icon;
    Click("ImageBtn");
    AddLevel(QStringLiteral("District"), true);
    AddLevel(QStringLiteral("Building"), true);
    View->Select(Case().SystemLevels.Find(QStringLiteral("City")));
    for (const TDecisionArea* area : city->DecisionAreas)
        BuildArea(*area);
    EXPECT_EQ(Messages.Messages.filter(QStringLiteral("error")), QStringList());

    QTemporaryDir disk;
    ASSERT_TRUE(SaveAndReopen(disk.filePath(QStringLiteral("walk"))));
    const TSystemLevel* built = Case().SystemLevels.Find(QStringLiteral("City"));
    ASSERT_NE(built, nullptr);
    EXPECT_GT(LevelRows(*city).size(), 60);
    EXPECT_EQ(LevelRows(*built), LevelRows(*city));
    EXPECT_EQ(built->Icon, city->Icon);
}

} // namespace
