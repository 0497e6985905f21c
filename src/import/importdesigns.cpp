// The import's steps for problems and promises, designs and policies.
#include "import/caseimporter.h"

#include "import/rangenotes.h"
#include "model/case.h"
#include "model/messages.h"
#include "policy/combinationedit.h"

#include <algorithm>

namespace {

QString AreaAndOption(const TOption* option) { return option->DecisionArea->Name + QStringLiteral(" = ") + option->Name; }

// Why the option cannot join the list (one option per decision area), or empty text.
QString RefusalFor(const std::vector<TOption*>& options, const TOption* option)
{
    for (const TOption* member : options) {
        if (member == option)
            return QStringLiteral("option \"") + AreaAndOption(option) + QStringLiteral("\" is there already");
        if (member->DecisionArea == option->DecisionArea)
            return QStringLiteral("option \"") + AreaAndOption(member) + QStringLiteral("\" decides that area already");
    }
    return QString();
}

qint16 CombinationLevel(int xLevel) { return qint16(xLevel - 5 < 0 ? xLevel - 5 : xLevel - 4); }

} // namespace

void TCaseImporter::ImportCombinations()
{
    Open({ QStringLiteral("SELECT Exclusion.XLevelID, DecAreaInCase.DAiCID, DecOptionInArea.DOiAID, DecAreaInCase.SysLevID, DecOptionInExclusion.ExclusionID"),
           QStringLiteral("FROM Exclusion INNER JOIN ((DecAreaInCase INNER JOIN DecOptionInArea ON DecAreaInCase.DAiCID = DecOptionInArea.DAiCID)"),
           QStringLiteral("INNER JOIN DecOptionInExclusion ON DecOptionInArea.DOiAID = DecOptionInExclusion.DOiAID) ON Exclusion.ExclusionID = DecOptionInExclusion.ExclusionID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=? ORDER BY Exclusion.XLevelID, Exclusion.ExclusionID;") });
    int count = 0;
    std::unique_ptr<TCombination> group;
    const auto finish = [&] {
        if (!group || group->Options.empty())
            return;
        SortOptions(group->Options);
        // A single option rated alone occurs whenever it is chosen.
        if (group->Options.size() > 1 && !CanOccurTogether(group->Options)) {
            RowWarning(QStringLiteral("Exclusion ") + QString::number(group->ID),
                       QStringLiteral("its options can never be chosen together; the combination is skipped"));
            return;
        }
        Case.Combinations.push_back(std::move(group));
        MarkCaseChanged(&Case);
        ++count;
    };
    for (; !Query.Eof(); Query.Next()) {
        const qint64 key = Key(QStringLiteral("ExclusionID"));
        const QString row = QStringLiteral("Exclusion ") + QString::number(key);
        if (!group || group->ID != key) {
            finish();
            group = std::make_unique<TCombination>(&Case);
            group->ID = ToId(key);
            TRangeNotes notes;
            // 2..4 are the problems -3..-1, 5..7 the promises 1..3.
            group->Rating = CombinationLevel(notes.Clamp(Key(QStringLiteral("XLevelID")), 2, 7, QStringLiteral("XLevelID")));
            notes.Report(row);
        }
        TOption* option = RowOption(row);
        if (!option)
            continue;
        if (const QString refusal = RefusalFor(group->Options, option); !refusal.isEmpty()) {
            RowWarning(row, refusal + QStringLiteral("; the row is skipped"));
            continue;
        }
        group->Options.push_back(option);
    }
    finish();
    SortCombinations(Case.Combinations);
    Progress(count, QStringLiteral(" promises & problems"));
}

void TCaseImporter::ImportDesigns()
{
    ImportConcepts<TDesign>({ QStringLiteral("SELECT VariantID, Name, Comment FROM Variant WHERE CaseID=?;") },
                            QStringLiteral("VariantID"), &TCase::AddDesign, Case.Designs);
    Progress(Case.Designs.Count(), QStringLiteral(" designs"));
    ImportDesignObjects();
}

void TCaseImporter::ImportDesignObjects()
{
    Open({ QStringLiteral("SELECT Design.DesignID, Design.Name, Design.ParentID, Design.VariantID, Design.Occurrences, SystemLevel.SysLevID"),
           QStringLiteral("FROM SystemLevel INNER JOIN Design ON SystemLevel.SysLevID = Design.SysLevID"),
           QStringLiteral("WHERE Design.CaseID=? ORDER BY Design.VariantID, SystemLevel.TreeLevel, SystemLevel.NodeNr, SystemLevel.SysLevID;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TDesign* design = Resolve(Case.Designs, QStringLiteral("VariantID"), QStringLiteral("Undefined design: ID = "));
        TSystemLevel* level = Level(QStringLiteral("SysLevID"));
        const qint64 key = Key(QStringLiteral("DesignID"));
        const QString row = QStringLiteral("Design ") + QString::number(key);
        const QString name = RowName(QStringLiteral("Name"), row);
        if (name.isEmpty())
            continue;
        TRangeNotes notes;
        // At least one instance: a count below that would take from the sums.
        const int occurrences = notes.Clamp(Key(QStringLiteral("Occurrences")), 1, 1000000, QStringLiteral("Occurrences"));
        notes.Report(row);
        TDesignObject* parent = FindDesignObjectById(design->TopObjects, ToId(Key(QStringLiteral("ParentID"))));
        TDesignObject* object = design->AddDesignObject(name, parent, level);
        object->SetSystemLevel(level);
        object->SetCount(occurrences);
        object->ID = ToId(key);
        ++count;
    }
    Progress(count, QStringLiteral(" design objects"));
}

void TCaseImporter::ImportDesignChoices(bool statusQuo)
{
    const QString table = statusQuo ? QStringLiteral("StatusQuo") : QStringLiteral("DecOptionInDesign");
    Open({ QStringLiteral("SELECT Design.VariantID, Design.DesignID, %1.DOiAID, %1.DAiCID").arg(table),
           QStringLiteral("FROM Design INNER JOIN %1 ON Design.DesignID = %1.DesignID").arg(table),
           QStringLiteral("WHERE Design.CaseID=? ORDER BY Design.VariantID, Design.DesignID;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TDesign* design = Resolve(Case.Designs, QStringLiteral("VariantID"), QStringLiteral("Undefined design: ID = "));
        const qint64 key = Key(QStringLiteral("DesignID"));
        const QString row = QStringLiteral("%1 of design object %2, option %3").arg(table).arg(key).arg(Key(QStringLiteral("DOiAID")));
        TDesignObject* object = FindDesignObjectById(design->TopObjects, ToId(key));
        if (!object || object->ID != key)
            throw TImportStop{ QStringLiteral("Undefined design object: ID = ") + QString::number(key) };
        if (SkippedAreas.contains(Key(QStringLiteral("DAiCID"))) || SkippedOptions.contains(Key(QStringLiteral("DOiAID")))) {
            RowWarning(row, QStringLiteral("its decision area or option was skipped; the row is skipped"));
            continue;
        }
        TOption* option = Option(Area(object->SystemLevel, QStringLiteral("DAiCID")), QStringLiteral("DOiAID"));
        if (statusQuo ? object->HasStatusQuoOption(option) : object->HasDesignOption(option)) {
            RowWarning(row, QStringLiteral("the option is chosen there already; the row is skipped"));
            continue;
        }
        if (statusQuo)
            object->SelectStatusQuoOption(option);
        else
            object->SelectDesignOption(option);
        ++count;
    }
    Progress(count, statusQuo ? QStringLiteral(" status quo options") : QStringLiteral(" checked design options"));
}

void TCaseImporter::ImportPolicies()
{
    ImportConcepts<TPolicy>({ QStringLiteral("SELECT PolicyID, Name, Comment FROM Policy WHERE CaseID=?;") },
                            QStringLiteral("PolicyID"), &TCase::AddPolicy, Case.Policies);
    Progress(Case.Policies.Count(), QStringLiteral(" policies"));
    ImportPolicyOptions();
}

void TCaseImporter::ImportPolicyOptions()
{
    Open({ QStringLiteral("SELECT DecOptionInPolicy.PolicyID, DecOptionInPolicy.DOiAID, DecAreaInCase.DAiCID, DecAreaInCase.SysLevID"),
           QStringLiteral("FROM DecAreaInCase INNER JOIN DecOptionInPolicy ON DecAreaInCase.DAiCID = DecOptionInPolicy.DAiCID"),
           QStringLiteral("WHERE DecAreaInCase.CaseID=? ORDER BY DecOptionInPolicy.PolicyID;") });
    int count = 0;
    for (; !Query.Eof(); Query.Next()) {
        TPolicy* policy = Resolve(Case.Policies, QStringLiteral("PolicyID"), QStringLiteral("Undefined Policy: ID = "));
        const QString row = QStringLiteral("DecOptionInPolicy %1, option %2").arg(Key(QStringLiteral("PolicyID"))).arg(Key(QStringLiteral("DOiAID")));
        TOption* option = RowOption(row);
        if (!option)
            continue;
        if (const QString refusal = RefusalFor(policy->Options, option); !refusal.isEmpty()) {
            RowWarning(row, refusal + QStringLiteral("; the row is skipped"));
            continue;
        }
        policy->Options.push_back(option);
        MarkCaseChanged(&Case);
        ++count;
    }
    for (TPolicy* policy : Case.Policies)
        SortOptions(policy->Options);
    Progress(count, QStringLiteral(" options in policies"));
}
