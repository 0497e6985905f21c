#pragma once

#include "model/nameless.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class TActor;
class TActorGoal;
class TDesign;
class TDesignObject;
class TDesignSurvey;
class TOption;
class TQualification;

/// Which partial appreciations are computed: the user's choice (the Options
/// menu of the desktop program, the flags of orvel-cli), passed to each
/// appreciation and report. At start only the objectives count.
struct TAppreciationSettings
{
    bool Objectives = true;
    bool SpecificOptions = false;
    bool Qualifications = false;

    bool Any() const { return Objectives || SpecificOptions || Qualifications; }
};

/// A weight per preference level -3..+3. A level outside that range reads 0
/// and takes nothing, so a stray preference cannot write past the table.
class TLevelWeights
{
public:
    qint32 operator[](int level) const { return InRange(level) ? Weights[size_t(level + 3)] : 0; }
    void Add(int level, qint64 weight);
    void Clear() { Weights.fill(0); }
    static bool InRange(int level) { return level >= -3 && level <= 3; }

private:
    std::array<qint32, 7> Weights{};
};

/// The tallies every appreciation keeps: the weight of all items and of the
/// attained items per preference level, and their sums over the positive and
/// over the negative levels (level 0, "no opinion", enters neither sum).
/// Weights add up saturated at the limits of 32 bits.
class TAppreciation : public TNameless
{
public:
    TLevelWeights Total;
    TLevelWeights Attained;
    qint32 PositiveAttained = 0;
    qint32 PositiveTotal = 0;
    qint32 NegativeAttained = 0;
    qint32 NegativeTotal = 0;

    /// "4/6 positive, 1/2 negative"; empty when nothing was counted.
    virtual QString AppreciationText() const;

    /// An item of weight `weight` at preference level `level`; it weighs |level| times as much.
    void CountItem(qint64 weight, int level);
    void AttainItem(qint64 weight, int level);
    void ClearTallies();
};

/// The attained goals of the actor (owned by the actor).
class TGoalAppreciation : public TAppreciation
{
public:
    std::vector<TActorGoal*> Items;
};

/// Where in the design an option the actor feels about is chosen with effect.
class TRelevantOption : public TNameless
{
public:
    TRelevantOption(TOption* option, TDesignObject* object, int preference)
        : Option(option), DesignObject(object), Preference(preference) {}

    TOption* Option;
    TDesignObject* DesignObject;
    int Preference;
};

class TOptionAppreciation : public TAppreciation
{
public:
    std::vector<std::unique_ptr<TRelevantOption>> Items;
};

/// The qualifications that brought an attained weight, once per matching
/// feeling. They live in Survey, which this appreciation keeps for as long as
/// it exists (shared with other actors' appreciations of the design).
class TQualifierAppreciation : public TAppreciation
{
public:
    std::vector<TQualification*> Items;
    std::shared_ptr<TDesignSurvey> Survey;
};

/// How far one design meets one actor's wishes: the three partial
/// appreciations and their average on a 0-100 scale. A snapshot: it refers to
/// the actor, the design and their parts and must be freed (or recomputed)
/// before any of them changes.
class TActorAppreciation : public TAppreciation
{
public:
    /// Computed at once; `survey` as for Compute.
    TActorAppreciation(TActor* actor, TDesign* design, const TAppreciationSettings& settings,
                       std::shared_ptr<TDesignSurvey> survey = nullptr);

    TActor* Actor;
    TDesign* Design;
    TAppreciationSettings Settings;
    const std::unique_ptr<TGoalAppreciation> GoalAppreciation;
    const std::unique_ptr<TOptionAppreciation> OptionAppreciation;
    const std::unique_ptr<TQualifierAppreciation> QualifierAppreciation;

    /// Recomputes everything from the current model and Settings. The facts
    /// about the design come from a new survey unless the caller passes one
    /// that describes the design as it is now.
    void Compute(std::shared_ptr<TDesignSurvey> survey = nullptr);
    /// "75% positive, 50% negative", or "(not calculated)" when no part is switched on.
    QString AppreciationText() const override;

private:
    void ComputeGoals();
    void ComputeOptions(TDesignSurvey& survey);
    void ComputeQualifications(const std::shared_ptr<TDesignSurvey>& survey);
    void AddPartial(const TAppreciation& partial);
};

/// A new appreciation, already computed; the caller owns it.
std::unique_ptr<TActorAppreciation> CreateActorAppreciation(TActor* actor, TDesign* design,
                                                            const TAppreciationSettings& settings,
                                                            std::shared_ptr<TDesignSurvey> survey = nullptr);

/// Whether `value`, a design's value of the goal's variable, attains the goal.
/// `base` is the base design's value, or nullopt when the case has no base
/// design: a relative goal is then never attained. An undefined value attains
/// nothing; a relative change is measured against the base value's magnitude,
/// so that a fall stays a fall when the base is negative.
bool GoalAttained(const TActorGoal& goal, double value, std::optional<double> base);

/// Round to the nearest integer, ties to the even one: how shares become
/// percentages and pixels.
qint64 RoundToEven(double x);
