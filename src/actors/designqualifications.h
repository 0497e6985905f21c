#pragma once

#include <memory>
#include <vector>

class TDesign;
class TQualification;
class TQualificationList;

/// The qualifications of a design's top objects with their totals over each
/// subtree, built once. Every actor's appreciation of the design reads the
/// same figures, so a caller that appraises many actors builds this once and
/// hands it to each; the appreciations share it and keep it alive.
class TDesignQualifications
{
public:
    explicit TDesignQualifications(TDesign* design);
    ~TDesignQualifications();
    TDesignQualifications(const TDesignQualifications&) = delete;
    TDesignQualifications& operator=(const TDesignQualifications&) = delete;

    struct TTotal
    {
        TQualification* Qualification;
        int Relevant;
        int Qualified;
    };

    TDesign* Design;
    /// One list per top object, in list order.
    std::vector<std::unique_ptr<TQualificationList>> Lists;
    /// One entry per qualification of Lists, top objects in order, each in
    /// the case's qualifier order.
    std::vector<TTotal> Totals;
};
