#include "actors/appreciation.h"

#include "actors/actor.h"
#include "actors/designsurvey.h"
#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/enumerations.h"
#include "model/helpers.h"
#include "policy/qualification.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

void AddTo(qint32& sum, qint64 weight) { sum = Saturated(sum + weight); }

// The share of `part` in `whole` in whole percent.
qint64 Percent(qint64 part, qint64 whole) { return RoundToEven(100.0 * double(part) / double(whole)); }

QString Ratio(qint32 attained, qint32 total) { return QStringLiteral("%1/%2").arg(attained).arg(total); }

// "positive" and "negative" parts joined, as every appreciation text is.
QString JoinParts(const QString& positive, const QString& negative)
{
    if (negative.isEmpty())
        return positive;
    return positive.isEmpty() ? negative : positive + QStringLiteral(", ") + negative;
}

// A relative goal reads the change against the base value. A base of 0 makes
// any rise infinitely large and any fall infinitely deep.
double RelativeChange(double value, double base)
{
    if (base == 0)
        return value > 0 ? 1e100 : value < 0 ? -1e100 : 0;
    return (value - base) / std::fabs(base);
}

} // namespace

// The default rounding mode rounds ties to even.
qint64 RoundToEven(double x) { return qint64(std::nearbyint(x)); }

void TLevelWeights::Add(int level, qint64 weight)
{
    if (InRange(level))
        AddTo(Weights[size_t(level + 3)], weight);
}

QString TAppreciation::AppreciationText() const
{
    return JoinParts(PositiveTotal >= 1 ? Ratio(PositiveAttained, PositiveTotal) + QStringLiteral(" positive") : QString(),
                     NegativeTotal > 0 ? Ratio(NegativeAttained, NegativeTotal) + QStringLiteral(" negative") : QString());
}

void TAppreciation::CountItem(qint64 weight, int level)
{
    if (!TLevelWeights::InRange(level))
        return;
    const qint64 weighted = std::abs(level) * weight;
    Total.Add(level, weighted);
    if (level < 0)
        AddTo(NegativeTotal, weighted);
    else if (level > 0)
        AddTo(PositiveTotal, weighted);
}

void TAppreciation::AttainItem(qint64 weight, int level)
{
    if (!TLevelWeights::InRange(level))
        return;
    const qint64 weighted = std::abs(level) * weight;
    Attained.Add(level, weighted);
    if (level < 0)
        AddTo(NegativeAttained, weighted);
    else if (level > 0)
        AddTo(PositiveAttained, weighted);
}

void TAppreciation::ClearTallies()
{
    Total.Clear();
    Attained.Clear();
    PositiveAttained = PositiveTotal = NegativeAttained = NegativeTotal = 0;
}

bool GoalAttained(const TActorGoal& goal, double value, std::optional<double> base)
{
    if (IsUndefined(value))
        return false;
    double threshold = goal.Value;
    switch (goal.Direction) {
    case GoalAtMost:
    case GoalAtLeast:
        break;
    case GoalDecreaseBy:
    case GoalIncreaseBy:
        if (!base || IsUndefined(*base))
            return false;
        value = RelativeChange(value, *base);
        threshold = goal.Value / 100 * (goal.Direction < 0 ? -1 : 1);
        break;
    default:
        return false;   // no direction, no goal to attain
    }
    return goal.Direction < 0 ? value <= threshold : value >= threshold;
}

TActorAppreciation::TActorAppreciation(TActor* actor, TDesign* design, const TAppreciationSettings& settings,
                                       std::shared_ptr<TDesignSurvey> survey)
    : Actor(actor), Design(design), Settings(settings), GoalAppreciation(std::make_unique<TGoalAppreciation>()),
      OptionAppreciation(std::make_unique<TOptionAppreciation>()),
      QualifierAppreciation(std::make_unique<TQualifierAppreciation>())
{
    Compute(std::move(survey));
}

void TActorAppreciation::Compute(std::shared_ptr<TDesignSurvey> survey)
{
    ClearTallies();
    GoalAppreciation->ClearTallies();
    OptionAppreciation->ClearTallies();
    QualifierAppreciation->ClearTallies();
    GoalAppreciation->Items.clear();
    OptionAppreciation->Items.clear();
    QualifierAppreciation->Items.clear();
    QualifierAppreciation->Survey.reset();
    if (!survey || survey->Design != Design)
        survey = std::make_shared<TDesignSurvey>(Design);

    // One pass: a value that several goals read is computed once. Callers that
    // appraise many actors open a pass around them all.
    const TEvaluation pass;
    if (Settings.Objectives)
        ComputeGoals();
    if (Settings.SpecificOptions)
        ComputeOptions(*survey);
    if (Settings.Qualifications)
        ComputeQualifications(survey);
    AddPartial(*GoalAppreciation);
    AddPartial(*OptionAppreciation);
    AddPartial(*QualifierAppreciation);
}

void TActorAppreciation::ComputeGoals()
{
    const TDesign* base = Design->Case->BaseCase;
    for (const auto& goal : Actor->Goals) {
        GoalAppreciation->CountItem(1, goal->Preference);
        const bool relative = IsRelativeDirection(goal->Direction);
        if (relative && !base)
            continue;
        const double value = DesignValue(*Design, *goal->Variable);
        const std::optional<double> baseValue =
            relative ? std::optional<double>(DesignValue(*base, *goal->Variable)) : std::nullopt;
        if (GoalAttained(*goal, value, baseValue)) {
            GoalAppreciation->Items.push_back(goal.get());
            GoalAppreciation->AttainItem(1, goal->Preference);
        }
    }
}

// An option weighs as often as its decision area occurs in the design; it is
// attained as often as it is chosen there with effect.
void TActorAppreciation::ComputeOptions(TDesignSurvey& survey)
{
    for (const auto& feeling : Actor->Options) {
        const TDesignSurvey::TOccurrence& occurrence = survey.Occurrence(feeling->Option);
        for (TDesignObject* object : occurrence.Selections)
            OptionAppreciation->Items.push_back(
                std::make_unique<TRelevantOption>(feeling->Option, object, feeling->Preference));
        OptionAppreciation->CountItem(occurrence.Count, feeling->Preference);
        if (occurrence.Chosen > 0)
            OptionAppreciation->AttainItem(occurrence.Chosen, feeling->Preference);
    }
}

// A qualifier weighs as often as decisions could take an option that carries
// it; it is attained as often as they did.
void TActorAppreciation::ComputeQualifications(const std::shared_ptr<TDesignSurvey>& survey)
{
    if (Actor->Qualifiers.empty())
        return;
    for (const TDesignSurvey::TQualificationTotal& total : survey->Qualifications()) {
        if (total.Relevant <= 0)
            continue;
        for (const auto& feeling : Actor->Qualifiers) {
            if (feeling->Qualifier != total.Qualification->Qualifier)
                continue;
            QualifierAppreciation->CountItem(total.Relevant, feeling->Preference);
            if (total.Qualified > 0) {
                QualifierAppreciation->AttainItem(total.Qualified, feeling->Preference);
                QualifierAppreciation->Items.push_back(total.Qualification);
            }
        }
    }
    QualifierAppreciation->Survey = survey;
}

// Each partial appreciation that has positive items adds its attained share in
// whole percent out of 100, so partial appreciations without positive items do
// not pull the positive average down; likewise for the negative items.
void TActorAppreciation::AddPartial(const TAppreciation& partial)
{
    const auto addSide = [&](int sign, qint32& attained, qint32& total) {
        qint64 all = 0, reached = 0;
        for (int level = sign; std::abs(level) <= 3; level += sign) {
            all += partial.Total[level];
            reached += partial.Attained[level];
        }
        if (all <= 0)
            return;
        AddTo(attained, Percent(reached, all));
        AddTo(total, 100);
        for (int level = sign; std::abs(level) <= 3; level += sign) {
            Attained.Add(level, Percent(partial.Attained[level], all));
            Total.Add(level, Percent(partial.Total[level], all));
        }
    };
    addSide(1, PositiveAttained, PositiveTotal);
    addSide(-1, NegativeAttained, NegativeTotal);
}

QString TActorAppreciation::AppreciationText() const
{
    if (!Settings.Any())
        return QStringLiteral("(not calculated)");
    return JoinParts(PositiveTotal >= 1 ? FormatPercentage(double(PositiveAttained) / PositiveTotal)
                                              + QStringLiteral(" positive")
                                        : QString(),
                     NegativeTotal > 0 ? FormatPercentage(double(NegativeAttained) / NegativeTotal)
                                             + QStringLiteral(" negative")
                                       : QString());
}

std::unique_ptr<TActorAppreciation> CreateActorAppreciation(TActor* actor, TDesign* design,
                                                            const TAppreciationSettings& settings,
                                                            std::shared_ptr<TDesignSurvey> survey)
{
    return std::make_unique<TActorAppreciation>(actor, design, settings, std::move(survey));
}
