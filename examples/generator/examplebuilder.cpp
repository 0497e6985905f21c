#include "examplebuilder.h"

#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"

namespace {

template <class T>
T* Named(const TConceptList<T>& list, const char* name, const char* kind)
{
    if (T* item = list.Find(QString::fromUtf8(name)))
        return item;
    throw TExampleError(std::string("No ") + kind + " named \"" + name + "\"");
}

} // namespace

QStringList CommentLines(const char* text)
{
    return text ? QString::fromUtf8(text).split(QLatin1Char('\n')) : QStringList();
}

TExampleBuilder::TExampleBuilder(const QString& caseName) : Built(std::make_unique<TCase>(caseName)) {}

std::unique_ptr<TCase> TExampleBuilder::Take() { return std::move(Built); }

TCategory* TExampleBuilder::Category(const char* name) const { return Named(Built->Categories, name, "category"); }
TPhase* TExampleBuilder::Phase(const char* name) const { return Named(Built->Phases, name, "phase"); }
TQualifier* TExampleBuilder::Qualifier(const char* name) const { return Named(Built->Qualifiers, name, "qualifier"); }
TScale* TExampleBuilder::Scale(const char* name) const { return Named(Built->Scales, name, "scale"); }
TVariable* TExampleBuilder::Variable(const char* name) const { return Named(Built->Variables, name, "variable"); }
TSystemLevel* TExampleBuilder::Level(const char* name) const { return Named(Built->SystemLevels, name, "level"); }
TActor* TExampleBuilder::Actor(const char* name) const { return Named(Built->Actors, name, "actor"); }
TDesign* TExampleBuilder::Design(const char* name) const { return Named(Built->Designs, name, "design"); }
TPolicy* TExampleBuilder::Policy(const char* name) const { return Named(Built->Policies, name, "policy"); }

TDecisionArea* TExampleBuilder::Area(const char* name) const
{
    for (TSystemLevel* level : Built->SystemLevels)
        if (TDecisionArea* area = level->DecisionAreas.Find(QString::fromUtf8(name)))
            return area;
    throw TExampleError(std::string("No decision area named \"") + name + "\"");
}

TOption* TExampleBuilder::Option(const char* area, const char* option) const
{
    return Named(Area(area)->Options, option, "option");
}

TVariable* TExampleBuilder::AddVariable(const char* name, const char* scale, quint8 mode, double value,
                                        const char* comment)
{
    TVariable* variable = Built->Variables.At(Built->AddVariable(QString::fromUtf8(name)));
    variable->Scale = Scale(scale);
    variable->AggregationMode = mode;
    variable->Value = value;
    variable->Comments = CommentLines(comment);
    return variable;
}

TSystemLevel* TExampleBuilder::AddLevel(const char* name, TSystemLevel* parent, const char* comment)
{
    TSystemLevel* level = Built->SystemLevels.At(Built->AddSystemLevel(QString::fromUtf8(name)));
    level->PlaceUnder(parent);
    level->Comments = CommentLines(comment);
    return level;
}

void TExampleBuilder::AddArea(const TAreaRow& row)
{
    TSystemLevel* level = Level(row.Level);
    TDecisionArea* area = level->DecisionAreas.At(level->AddDecisionArea(QString::fromUtf8(row.Name)));
    area->Category = Category(row.Category);
    area->Phase = Phase(row.Phase);
    area->Comments = CommentLines(row.Comment);
    int number = 0;
    for (const TOptionRow& option : row.Options)
        AddOption(*area, option, ++number);
}

void TExampleBuilder::AddOption(TDecisionArea& area, const TOptionRow& row, int number)
{
    TOption* option = area.Options.At(area.AddOption(QString::fromUtf8(row.Name)));
    option->Number = number;
    option->Comments = CommentLines(row.Comment);
    for (const char* qualifier : row.Qualifiers)
        option->AddQualifier(Qualifier(qualifier));
    for (const TEffectRow& effectRow : row.Effects) {
        auto effect = std::make_unique<TEffect>(option, Variable(effectRow.Variable));
        // Compiled before it is added, so that designs see the finished code.
        const QString message = effect->SetFormula(QString::fromUtf8(effectRow.Formula));
        if (!message.isEmpty())
            throw TExampleError(QStringLiteral("%1 = %2: \"%3\": %4")
                                    .arg(area.Name, option->Name, effect->Formula, message)
                                    .toStdString());
        effect->NullWhenStatusQuo = effectRow.NullWhenStatusQuo;
        effect->Comments = CommentLines(effectRow.Comment);
        option->AddEffect(std::move(effect));
    }
}
