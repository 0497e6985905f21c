// Random edits of a generated case; after each one every value read within
// one evaluation pass must equal a fresh computation, and (while formulas
// cannot read in circles) a straightforward recursive evaluation; every
// object's preclusion records must equal those derived afresh, also when the
// choices are made again in another order, as on opening a saved case.
#include "designfixture.h"

#include "formula/machine.h"
#include "model/messagerecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>

namespace {

bool SameValue(double a, double b)
{
    if (IsUndefined(a) || IsUndefined(b))
        return IsUndefined(a) == IsUndefined(b);
    return std::fabs(a - b) <= 1e-9 * std::max({ 1.0, std::fabs(a), std::fabs(b) });
}

// ---- The reference: Compute's rules followed literally, from the choices ----

TVMResult ReferenceValue(const TDesignObject& object, const TVariable& variable);

class TReferenceContext : public TVMContext
{
public:
    explicit TReferenceContext(const TDesignObject& object) : Object(object) {}
    TVMResult ReadVariable(const TVariable& variable) override
    {
        const TAttribute* source = Object.FindAttribute(&variable);
        if (!source)
            source = Object.FindAncestorAttribute(&variable);
        return source ? ReferenceValue(*source->DesignObject, variable) : TVMResult{ VMNoAttribute, UndefinedValue };
    }
    const TDesignObject& Object;
};

bool Applies(const TDesignObject& object, const TOption* option, const TEffect& effect, const TVariable& variable)
{
    return effect.Variable == &variable && !effect.Formula.isEmpty()
           && !(effect.NullWhenStatusQuo && object.HasStatusQuoOption(option));
}

TVMResult ReferenceValue(const TDesignObject& object, const TVariable& variable)
{
    TVMResult result;
    bool anyEffect = false;
    for (const TOption* option : object.DesignOptions) {
        for (const auto& effect : option->Effects) {
            if (!Applies(object, option, *effect, variable))
                continue;
            anyEffect = true;
            TReferenceContext context(object);
            RunCode(effect->Code, context);
            if (object.IsPrecluded(option->DecisionArea) >= 0)
                continue;
            const TVMResult& entry = context.Stack.at(0);
            result.Error = std::min(result.Error, entry.Error);
            result.Value = IsUndefined(result.Value) ? entry.Value : result.Value + entry.Value;
        }
    }
    const double own = anyEffect ? result.Value : 0;
    result.Value = own;
    double weight = 0;
    for (const TDesignObject* child : object.Children) {
        if (!child->FindAttribute(&variable))
            continue;
        const TVMResult value = ReferenceValue(*child, variable);
        result.Error = std::min(result.Error, value.Error);
        if (value.Error != 0 || IsUndefined(value.Value))
            continue;
        weight += child->Count();
        const double part = child->Count() * value.Value;
        result.Value = IsUndefined(result.Value) ? part : result.Value + part;
    }
    if (variable.IsAveraging() && !IsUndefined(result.Value) && weight > 0 && result.Error == 0)
        result.Value = result.Value / weight + (IsUndefined(own) ? 0 : own);
    return result;
}

double ReferenceDesignValue(const TDesign& design, const TVariable& variable)
{
    double sum = 0, count = 0;
    for (const TDesignObject* top : design.TopObjects) {
        if (!top->FindAttribute(&variable))
            continue;
        const TVMResult r = ReferenceValue(*top, variable);
        if (r.Error < 0)
            return UndefinedValue;
        if (!IsUndefined(r.Value)) {
            count += top->Count();
            sum += top->Count() * r.Value;
        }
    }
    return variable.IsCumulative() ? sum : count <= 0 ? 0 : sum / count;
}

// ---- Records compared as sets ----

using TRecordSet = std::map<const TDecisionArea*, std::set<const TOption*>>;

TRecordSet AsSet(const TPrecludedAreas& records)
{
    TRecordSet set;
    for (const auto& record : records)
        set[record->DecisionArea].insert(record->Options.begin(), record->Options.end());
    return set;
}

// ---- The random case ----

class TRandomCase : public TDesignFixture
{
public:
    TRandomCase(unsigned seed, bool circular) : Random(seed), Circular(circular)
    {
        for (int i = 0; i < 6; ++i)
            NewVariable();
        for (TSystemLevel* level : { City, District, Block })
            for (int i = 0; i < 2; ++i)
                NewArea(level);
        for (int t = 0; t < 2; ++t) {
            TDesignObject* top = Object(QStringLiteral("T%1").arg(t), nullptr, City, Pick(1, 3));
            for (int d = 0; d < 2; ++d) {
                TDesignObject* district = Object(QStringLiteral("D%1").arg(d), top, District, Pick(0, 3));
                for (int b = 0; b < 2; ++b)
                    Object(QStringLiteral("B%1").arg(b), district, Block, Pick(1, 3));
            }
        }
        for (int i = 0; i < 40; ++i)
            Choose();
    }

    /// One random edit; returns its name for the failure message.
    QString Step()
    {
        switch (Pick(0, 15)) {
        case 0: case 1: case 2: case 3: Choose(); return "choose";
        case 4: ChooseStatusQuo(); return "status quo";
        case 5: if (auto* o = AnyObject()) o->SetCount(Pick(0, 4)); return "count";
        case 6: ChangeFormula(); return "formula";
        case 7: TogglePreclusion(); return "preclusion";
        case 8: AddObject(); return "add object";
        case 9: DuplicateObject(); return "duplicate";
        case 10: if (auto* o = AnyObject(); o && Objects().size() > 4) Design->DeleteDesignObject(o); return "delete object";
        case 11: DeleteOption(); return "delete option";
        case 12: ReplaceVariable(); return "replace variable";
        case 13: ReplaceArea(); return "replace area";
        case 14: ToggleConstant(); return "constant";
        default: AddOrDeleteEffect(); return "effect";
        }
    }

    std::vector<TDesignObject*> Objects() const
    {
        std::vector<TDesignObject*> all;
        Design->ForEachObject([&](TDesignObject* o) { all.push_back(o); });
        return all;
    }

    std::mt19937 Random;

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    template <class T>
    T Any(const std::vector<T>& list) { return list.empty() ? T{} : list[size_t(Pick(0, int(list.size()) - 1))]; }

    TDesignObject* AnyObject() { return Any(Objects()); }

    std::vector<TOption*> OptionsOf(const TSystemLevel* level) const
    {
        std::vector<TOption*> options;
        for (TDecisionArea* area : level->DecisionAreas)
            for (TOption* option : area->Options)
                options.push_back(option);
        return options;
    }

    std::vector<TOption*> AllOptions() const
    {
        std::vector<TOption*> options;
        Case.ForEachOption([&](TOption* o) { options.push_back(o); });
        return options;
    }

    void NewVariable()
    {
        static const quint8 modes[] = { AggregationConstant, AggregationCumulative, AggregationAveraging };
        TVariable* v = Variable(QStringLiteral("V%1").arg(NextRank), modes[Pick(0, 2)]);
        Rank[v] = NextRank++;
    }

    // A formula on `variable`; without circles it reads only variables made before it.
    QString Formula(const TVariable* variable)
    {
        std::vector<TVariable*> readable;
        for (TVariable* v : Case.Variables)
            if (Circular || Rank[v] < Rank[variable])
                readable.push_back(v);
        const QString k = QString::number(Pick(1, 9));
        if (readable.empty() || Pick(0, 2) == 0)
            return k;
        const QString a = "[" + Any(readable)->Name + "]";
        const QString b = "[" + Any(readable)->Name + "]";
        switch (Pick(0, 3)) {
        case 0: return a + " * " + k + " + 1";
        case 1: return a + " + " + b;
        case 2: return k + " / " + a;
        default: return a + " - " + k;
        }
    }

    void NewEffect(TOption* option)
    {
        TVariable* variable = Case.Variables.At(Pick(0, Case.Variables.Count() - 1));
        Effect(option, variable, Formula(variable), Pick(0, 3) == 0);
    }

    void NewOption(TDecisionArea* area)
    {
        TOption* option = Option(area, QStringLiteral("o%1").arg(NextName++), Pick(1, 5));
        for (int i = Pick(1, 2); i > 0; --i)
            NewEffect(option);
    }

    void NewArea(TSystemLevel* level)
    {
        TDecisionArea* area = Area(level, QStringLiteral("a%1").arg(NextName++));
        for (int i = 0; i < 3; ++i)
            NewOption(area);
    }

    void Choose()
    {
        TDesignObject* object = AnyObject();
        if (TOption* option = object ? Any(OptionsOf(object->SystemLevel)) : nullptr)
            object->SelectDesignOption(option);
    }

    void ChooseStatusQuo()
    {
        TDesignObject* object = AnyObject();
        if (TOption* option = object ? Any(OptionsOf(object->SystemLevel)) : nullptr)
            object->SelectStatusQuoOption(option);
    }

    void ChangeFormula()
    {
        TOption* option = Any(AllOptions());
        if (!option || option->Effects.empty())
            return;
        TEffect* effect = option->Effects[size_t(Pick(0, int(option->Effects.size()) - 1))].get();
        std::unique_ptr<TEffect> taken = option->TakeEffect(effect);
        taken->NullWhenStatusQuo = Pick(0, 3) == 0;
        taken->SetFormula(Formula(taken->Variable));
        option->AddEffect(std::move(taken));
    }

    void TogglePreclusion()
    {
        TOption* option = Any(AllOptions());
        std::vector<TDecisionArea*> areas;
        Case.ForEachDecisionArea([&](TDecisionArea* a) {
            if (option && a != option->DecisionArea && option->SystemLevel()->IsWithin(a->SystemLevel))
                areas.push_back(a);
        });
        TDecisionArea* area = Any(areas);
        if (!area)
            return;
        if (option->Precludes(area))
            option->RemovePreclusion(area);
        else
            option->AddPreclusion(area);
    }

    void AddObject()
    {
        TDesignObject* parent = AnyObject();
        if (parent && parent->SystemLevel == Block)
            parent = parent->Parent;
        TSystemLevel* level = parent ? parent->SystemLevel->Children.front() : City;
        Object(QStringLiteral("N%1").arg(NextName++), parent, level, Pick(0, 3));
    }

    void DuplicateObject()
    {
        if (TDesignObject* object = AnyObject())
            Design->DuplicateDesignObject(object, object->Parent, true);
    }

    void DeleteOption()
    {
        TOption* option = Any(AllOptions());
        if (!option)
            return;
        TDecisionArea* area = option->DecisionArea;
        area->DeleteOption(option);
        NewOption(area);
    }

    void ReplaceVariable()
    {
        TVariable* doomed = Case.Variables.At(Pick(0, Case.Variables.Count() - 1));
        Rank.erase(doomed);
        Case.DeleteVariable(doomed);
        NewVariable();
        for (TOption* option : AllOptions())
            if (option->Effects.empty())
                NewEffect(option);
    }

    void ReplaceArea()
    {
        TSystemLevel* level = Any(std::vector<TSystemLevel*>{ City, District, Block });
        level->DeleteDecisionArea(level->DecisionAreas.At(Pick(0, level->DecisionAreas.Count() - 1)));
        NewArea(level);
    }

    void ToggleConstant()
    {
        TVariable* v = Case.Variables.At(Pick(0, Case.Variables.Count() - 1));
        v->Value = v->HasValue() ? UndefinedValue : double(Pick(0, 5));
        TEvaluation::Invalidate();   // a field, not a design operation
    }

    void AddOrDeleteEffect()
    {
        TOption* option = Any(AllOptions());
        if (!option)
            return;
        if (option->Effects.size() > 1 && Pick(0, 1) == 0)
            option->DeleteEffect(option->Effects[size_t(Pick(0, int(option->Effects.size()) - 1))].get());
        else
            NewEffect(option);
    }

    bool Circular;
    std::map<const TVariable*, int> Rank;
    int NextRank = 0;
    int NextName = 0;
};

struct TRead
{
    TAttribute* Attribute;
    TVMResult Result;
};

struct TReads
{
    std::vector<TRead> Attributes;
    std::vector<double> DesignValues;
};

// Every value, attributes in random order.
TReads ReadEverything(TRandomCase& c)
{
    std::vector<TAttribute*> attributes;
    for (TDesignObject* object : c.Objects())
        for (const auto& attribute : object->Attributes)
            attributes.push_back(attribute.get());
    std::shuffle(attributes.begin(), attributes.end(), c.Random);
    TReads reads;
    for (TAttribute* attribute : attributes)
        reads.Attributes.push_back({ attribute, Compute(*attribute) });
    for (const TVariable* variable : c.Case.Variables)
        reads.DesignValues.push_back(DesignValue(*c.Design, *variable));
    return reads;
}

void CheckValues(TRandomCase& c, const TReads& inPass, bool withReference)
{
    for (const TRead& read : inPass.Attributes) {
        const TVMResult fresh = Compute(*read.Attribute);
        const QString where = read.Attribute->DesignObject->Name + "/" + read.Attribute->Variable->Name;
        ASSERT_EQ(read.Result.Error, fresh.Error) << where.toStdString();
        ASSERT_TRUE(read.Result.Value == fresh.Value || (std::isnan(read.Result.Value) && std::isnan(fresh.Value)))
            << where.toStdString();
        if (!withReference)
            continue;
        const TVMResult reference = ReferenceValue(*read.Attribute->DesignObject, *read.Attribute->Variable);
        ASSERT_EQ(fresh.Error, reference.Error) << where.toStdString();
        if (fresh.Error == 0)
            ASSERT_TRUE(SameValue(fresh.Value, reference.Value))
                << where.toStdString() << ": " << fresh.Value << " against " << reference.Value;
    }
    int i = 0;
    for (const TVariable* variable : c.Case.Variables) {
        const double fresh = DesignValue(*c.Design, *variable);
        ASSERT_TRUE(inPass.DesignValues[size_t(i++)] == fresh || std::isnan(fresh)) << variable->Name.toStdString();
        if (withReference)
            ASSERT_TRUE(SameValue(fresh, ReferenceDesignValue(*c.Design, *variable))) << variable->Name.toStdString();
    }
}

// The records equal a fresh derivation everywhere, and so do those of a copy
// whose options are chosen again in another order.
void CheckPreclusions(TRandomCase& c)
{
    TDesign* copy = c.Case.Designs.At(c.Case.AddDesign("Reopened"));
    std::map<const TDesignObject*, TDesignObject*> mirror;
    for (TDesignObject* object : c.Objects()) {
        ASSERT_EQ(AsSet(object->PrecludedAreas), AsSet(DerivePrecludedAreas(*object))) << object->Name.toStdString();
        TDesignObject* parent = object->Parent ? mirror.at(object->Parent) : nullptr;
        TDesignObject* twin = copy->AddDesignObject(object->Name, parent, object->SystemLevel);
        std::vector<TOption*> options = object->DesignOptions;
        std::shuffle(options.begin(), options.end(), c.Random);
        for (TOption* option : options)
            twin->SelectDesignOption(option);
        mirror[object] = twin;
    }
    for (const auto& [object, twin] : mirror)
        ASSERT_EQ(AsSet(object->PrecludedAreas), AsSet(twin->PrecludedAreas)) << object->Name.toStdString();
    c.Case.DeleteDesign(copy);
}

void RunRandomEdits(bool circular)
{
    TMessageRecorder quiet;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        TRandomCase c(seed, circular);
        for (int step = 0; step < 150; ++step) {
            // The edit happens inside a pass that has read everything before:
            // what the pass remembers must not outlive the edit.
            QString edit;
            TReads reads;
            {
                const TEvaluation pass;
                ReadEverything(c);
                edit = c.Step();
                reads = ReadEverything(c);
            }
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + edit.toStdString());
            CheckPreclusions(c);
            CheckValues(c, reads, !circular);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace

TEST(RandomizedEvaluation, EveryReadEqualsAFreshAndAPlainRecursiveComputation)
{
    RunRandomEdits(false);
}

TEST(RandomizedEvaluation, ReadsEqualFreshComputationsWhenFormulasReadInCircles)
{
    RunRandomEdits(true);
}
