#pragma once

#include <QString>
#include <vector>

class TDecisionArea;
class TEffect;
class TOption;
class TSystemLevel;

/// What a copy left for the caller to see to: effects whose formula did not
/// compile (to be repaired in the formula editor) and, per option, how many
/// preclusions were not copied because they name areas outside the target level.
struct TCopyReport
{
    std::vector<TEffect*> FaultyEffects;
    struct TDroppedPreclusions
    {
        TOption* Option;   // the copy
        int Count;
    };
    std::vector<TDroppedPreclusions> DroppedPreclusions;
};

/// Copies `source` into `area` under `name` with `number`: the same qualifiers and
/// precluded areas (those the copy may preclude from its own level), and one new
/// effect per effect with the same variable, formula and setting. Answers
/// nullptr, changing nothing, when the area already has an option of that name.
TOption* CopyOption(const TOption& source, TDecisionArea& area, const QString& name, int number,
                    TCopyReport* report = nullptr);

/// Copies `source` onto `level` under `name`: the same phase and category, and
/// every option with its name and number as CopyOption copies it. Only
/// preclusions of areas within the target level's subtree come along, since an
/// option can preclude nothing else. Answers nullptr, changing nothing, when the
/// level already has an area of that name.
TDecisionArea* CopyDecisionArea(const TDecisionArea& source, TSystemLevel& level, const QString& name,
                                TCopyReport* report = nullptr);
