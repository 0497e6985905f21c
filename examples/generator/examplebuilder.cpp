#include "examplebuilder.h"

#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/option.h"
#include "support/casebuilder.h"

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
    TVariable* variable = NewVariable(*Built, QString::fromUtf8(name), Scale(scale), mode, value);
    variable->Comments = CommentLines(comment);
    return variable;
}

TSystemLevel* TExampleBuilder::AddLevel(const char* name, TSystemLevel* parent, const char* comment)
{
    TSystemLevel* level = NewLevel(*Built, QString::fromUtf8(name), parent);
    level->Comments = CommentLines(comment);
    return level;
}

void TExampleBuilder::AddArea(const TAreaRow& row)
{
    TDecisionArea* area = NewArea(*Level(row.Level), QString::fromUtf8(row.Name), Category(row.Category), Phase(row.Phase));
    area->Comments = CommentLines(row.Comment);
    int number = 0;
    for (const TOptionRow& option : row.Options)
        AddOption(*area, option, ++number);
}

void TExampleBuilder::AddOption(TDecisionArea& area, const TOptionRow& row, int number)
{
    TOption* option = NewOption(area, QString::fromUtf8(row.Name), number);
    option->Comments = CommentLines(row.Comment);
    for (const char* qualifier : row.Qualifiers)
        option->AddQualifier(Qualifier(qualifier));
    for (const TEffectRow& effectRow : row.Effects) {
        QString message;
        TEffect* effect = NewEffect(*option, Variable(effectRow.Variable), QString::fromUtf8(effectRow.Formula),
                                    effectRow.NullWhenStatusQuo, &message);
        if (!message.isEmpty())
            throw TExampleError(QStringLiteral("%1: \"%2\": %3").arg(option->AreaAndName(), effect->Formula, message).toStdString());
        effect->Comments = CommentLines(effectRow.Comment);
    }
}
