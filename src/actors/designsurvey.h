#pragma once

#include <QtGlobal>
#include <memory>
#include <unordered_map>
#include <vector>

class TDesign;
class TDesignObject;
class TOption;
class TQualification;
class TQualificationList;

/// What every actor's appreciation of one design reads alike: where options
/// occur and are chosen, and the qualifications of the top objects. Each fact
/// is gathered on first use, from the model as it is then, and kept; a caller
/// that appraises many actors hands one survey to each appreciation. A survey
/// describes the design as it was: after a change, make a new one.
class TDesignSurvey
{
public:
    explicit TDesignSurvey(TDesign* design);
    ~TDesignSurvey();
    TDesignSurvey(const TDesignSurvey&) = delete;
    TDesignSurvey& operator=(const TDesignSurvey&) = delete;

    struct TOccurrence
    {
        qint64 Count = 0;                         // of the option's decision area, cumulative
        std::vector<TDesignObject*> Selections;   // where it is chosen with effect, depth first
        qint64 Chosen = 0;                        // their cumulative counts
    };

    struct TQualificationTotal
    {
        TQualification* Qualification;
        int Relevant;
        int Qualified;
    };

    TDesign* const Design;

    /// The option over the design's top objects, in their order.
    const TOccurrence& Occurrence(const TOption* option);
    /// One entry per qualification of the top objects, top objects in order,
    /// each in the case's qualifier order, with its totals over the subtree.
    /// The qualifications live as long as the survey.
    const std::vector<TQualificationTotal>& Qualifications();

private:
    std::unordered_map<const TOption*, TOccurrence> Occurrences;
    std::vector<std::unique_ptr<TQualificationList>> Lists;
    std::vector<TQualificationTotal> Totals;
    bool QualificationsBuilt = false;
};
