// Random edits of a generated case, each made inside a pass that has read
// everything before it. After each edit, every value read in that pass must
// equal a fresh computation, and every object's preclusion records must equal
// those derived afresh. A design built again from the same choices, made in
// another order as on opening a saved case, must have the same records,
// attributes and values. The rules behind the values are pinned
// by the evaluation tests' worked examples.
#include "support/designfixture.h"

#include "model/messagerecorder.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {

std::map<const TDecisionArea*, std::set<const TOption*>> AsSet(const TPrecludedAreas& records)
{
    std::map<const TDecisionArea*, std::set<const TOption*>> set;
    for (const auto& record : records)
        set[record->DecisionArea].insert(record->Options.begin(), record->Options.end());
    return set;
}

class TRandomCase : public TDesignFixture
{
public:
    TRandomCase(unsigned seed, bool circular) : Random(seed), Circular(circular)
    {
        for (int i = 0; i < 6; ++i)
            NewVariable();
        for (TSystemLevel* level : { City, District, Block, City, District, Block })
            NewArea(level);
        for (TOption* option : Options())
            if (option->Effects.empty())
                NewEffect(option);
        for (int t = 0; t < 2; ++t) {
            TDesignObject* top = Object(QString("T%1").arg(t), nullptr, City, Pick(1, 3));
            for (int d = 0; d < 2; ++d) {
                TDesignObject* district = Object(QString("D%1").arg(d), top, District, Pick(0, 3));
                for (int b = 0; b < 2; ++b)
                    Object(QString("B%1").arg(b), district, Block, Pick(1, 3));
            }
        }
        for (int i = 0; i < 40; ++i)
            Step(0);
    }

    std::vector<TDesignObject*> Objects() const
    {
        std::vector<TDesignObject*> all;
        Plan->ForEachObject([&](TDesignObject* o) { all.push_back(o); });
        return all;
    }

    /// One random edit (kind -1: any); returns its name.
    QString Step(int kind = -1)
    {
        TDesignObject* object = Any(Objects());
        TOption* option = Any(Options());
        TVariable* variable = Case.Variables.At(Pick(0, Case.Variables.Count() - 1));
        switch (kind >= 0 ? kind : Pick(0, 13)) {
        case 0: case 1: case 2:
            object->SelectDesignOption(Any(Options(object->SystemLevel)));
            return "choose";
        case 3: object->SelectStatusQuoOption(Any(Options(object->SystemLevel))); return "status quo";
        case 4: object->SetCount(Pick(0, 4)); return "count";
        case 5: {
            TEffect& effect = *option->Effects.front();
            option->EditEffect(effect, Formula(effect.Variable), Pick(0, 3) == 0);
            return "formula";
        }
        case 6: TogglePreclusion(option); return "preclusion";
        case 7:
            if (object->SystemLevel != Block)
                Object(QString("N%1").arg(NextName++), object, object->SystemLevel->Children.front(), Pick(0, 3));
            return "add object";
        case 8: Plan->DuplicateDesignObject(object, object->Parent, true); return "duplicate";
        case 9:
            if (Objects().size() > 4 && (object->Parent || Plan->TopObjects.Count() > 1))
                Plan->DeleteDesignObject(object);
            return "delete object";
        case 10: {
            TDecisionArea* area = option->DecisionArea;
            area->DeleteOption(option);
            NewOption(area);
            return "delete option";
        }
        case 11: {
            TSystemLevel* level = object->SystemLevel;
            level->DeleteDecisionArea(level->DecisionAreas.First());
            NewArea(level);
            return "delete area";
        }
        case 12:
            Case.DeleteVariable(variable);
            NewVariable();
            for (TOption* o : Options())
                if (o->Effects.empty())
                    NewEffect(o);
            return "delete variable";
        default:
            variable->Value = variable->HasValue() ? UndefinedValue : double(Pick(0, 5));
            TEvaluation::Invalidate();   // a field, not a design operation
            return "constant";
        }
    }

    std::mt19937 Random;

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    template <class T> T Any(const std::vector<T>& list) { return list[size_t(Pick(0, int(list.size()) - 1))]; }

    std::vector<TOption*> Options(const TSystemLevel* level = nullptr) const
    {
        std::vector<TOption*> options;
        Case.ForEachOption([&](TOption* o) {
            if (!level || o->SystemLevel() == level)
                options.push_back(o);
        });
        return options;
    }

    void NewVariable()
    {
        TVariable* v = Variable(QString("V%1").arg(NextRank), quint8(Pick(0, 2)));
        Rank[v] = NextRank++;
    }

    // Without circles a formula reads only variables made before its own.
    QString Formula(const TVariable* variable)
    {
        std::vector<TVariable*> readable;
        for (TVariable* v : Case.Variables)
            if (Circular || Rank[v] < Rank[variable])
                readable.push_back(v);
        const QString k = QString::number(Pick(1, 9));
        if (readable.empty() || Pick(0, 2) == 0)
            return k;
        const QString a = "[" + Any(readable)->Name + "]", b = "[" + Any(readable)->Name + "]";
        const QString forms[] = { a + " * " + k + " + 1", a + " + " + b, k + " / " + a, a + " - " + k };
        return forms[Pick(0, 3)];
    }

    void NewEffect(TOption* option)
    {
        TVariable* variable = Case.Variables.At(Pick(0, Case.Variables.Count() - 1));
        Effect(option, variable, Formula(variable), Pick(0, 3) == 0);
    }

    void NewOption(TDecisionArea* area)
    {
        TOption* option = TDesignFixture::Option(area, QString("o%1").arg(NextName++), Pick(1, 5));
        for (int i = Pick(1, 2); i > 0; --i)
            NewEffect(option);
    }

    void NewArea(TSystemLevel* level)
    {
        TDecisionArea* area = Area(level, QString("a%1").arg(NextName++));
        for (int i = 0; i < 3; ++i)
            NewOption(area);
    }

    void TogglePreclusion(TOption* option)
    {
        std::vector<TDecisionArea*> areas;
        Case.ForEachDecisionArea([&](TDecisionArea* a) {
            if (a != option->DecisionArea && option->SystemLevel()->IsWithin(a->SystemLevel))
                areas.push_back(a);
        });
        TDecisionArea* area = Any(areas);
        if (option->Precludes(area))
            option->RemovePreclusion(area);
        else
            option->AddPreclusion(area);
    }

    bool Circular;
    std::map<const TVariable*, int> Rank;
    int NextRank = 0;
    int NextName = 0;
};

struct TReads
{
    std::vector<std::pair<TAttribute*, TVMResult>> Attributes;
    std::vector<double> DesignValues;
};

TReads ReadEverything(TRandomCase& c)
{
    TReads reads;
    for (TDesignObject* object : c.Objects())
        for (const auto& attribute : object->Attributes)
            reads.Attributes.push_back({ attribute.get(), {} });
    std::shuffle(reads.Attributes.begin(), reads.Attributes.end(), c.Random);
    for (auto& [attribute, result] : reads.Attributes)
        result = Compute(*attribute);
    for (const TVariable* variable : c.Case.Variables)
        reads.DesignValues.push_back(DesignValue(*c.Plan, *variable));
    return reads;
}

void CheckValues(TRandomCase& c, const TReads& inPass)
{
    for (const auto& [attribute, read] : inPass.Attributes) {
        const TVMResult fresh = Compute(*attribute);
        const std::string where = (attribute->DesignObject->Name + "/" + attribute->Variable->Name).toStdString();
        ASSERT_EQ(read.Error, fresh.Error) << where;
        ASSERT_EQ(read.Value, fresh.Value) << where;
    }
    for (int i = 0; i < c.Case.Variables.Count(); ++i)
        ASSERT_EQ(inPass.DesignValues[size_t(i)], DesignValue(*c.Plan, *c.Case.Variables.At(i)));
}

// An object's attributes as the user reads them, with their calculation counts.
QStringList AttributeTexts(const TDesignObject& object)
{
    QStringList texts;
    for (const auto& attribute : object.Attributes)
        texts << attribute->Variable->Name + "=" + ResultText(Compute(*attribute))
                     + QString(" (%1)").arg(attribute->Calculations.size());
    texts.sort();
    return texts;
}

// A design built afresh from each object's choices, made in another order, as
// on opening a saved case, must have the same preclusion records, attributes
// and values; the records must also equal those derived afresh.
void CheckAgainstAReopenedDesign(TRandomCase& c)
{
    TDesign* copy = c.Case.Designs.At(c.Case.AddDesign("Reopened"));
    std::map<const TDesignObject*, TDesignObject*> twins;
    for (TDesignObject* object : c.Objects()) {
        ASSERT_EQ(AsSet(object->PrecludedAreas), AsSet(DerivePrecludedAreas(*object))) << object->Name.toStdString();
        TDesignObject* twin = copy->AddDesignObject(object->Name, object->Parent ? twins.at(object->Parent) : nullptr,
                                                    object->SystemLevel);
        twin->SetCount(object->Count());
        std::vector<TOption*> options = object->DesignOptions;
        std::shuffle(options.begin(), options.end(), c.Random);
        for (TOption* option : options)
            twin->SelectDesignOption(option);
        for (TOption* option : object->StatusQuoOptions)
            twin->SelectStatusQuoOption(option);
        twins[object] = twin;
    }
    for (const auto& [object, twin] : twins) {
        ASSERT_EQ(AsSet(object->PrecludedAreas), AsSet(twin->PrecludedAreas)) << object->Name.toStdString();
        ASSERT_EQ(AttributeTexts(*object), AttributeTexts(*twin)) << object->Name.toStdString();
    }
    c.Case.DeleteDesign(copy);
}

void RunRandomEdits(bool circular)
{
    TMessageRecorder quiet;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        TRandomCase c(seed, circular);
        for (int step = 0; step < 150 && !::testing::Test::HasFatalFailure(); ++step) {
            QString edit;
            TReads reads;
            {
                const TEvaluation pass;
                ReadEverything(c);
                edit = c.Step();
                reads = ReadEverything(c);
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + edit.toStdString());
            CheckAgainstAReopenedDesign(c);
            CheckValues(c, reads);
        }
    }
}

} // namespace

TEST(RandomizedEvaluation, EveryReadEqualsAFreshComputation) { RunRandomEdits(false); }

TEST(RandomizedEvaluation, ReadsEqualFreshComputationsWhenFormulasReadInCircles) { RunRandomEdits(true); }
