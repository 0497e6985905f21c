#pragma once

#include "model/nameless.h"

#include <QString>
#include <memory>
#include <vector>

class TDesignObject;
class TQualificationList;
class TQualifier;

/// For one design object and one qualifier: how many of the object's open
/// decisions could take an option with the qualifier, and how many did.
class TQualification : public TNameless
{
public:
    TQualification(TDesignObject* object, TQualifier* qualifier, const TQualificationList* list)
        : DesignObject(object), Qualifier(qualifier), List(list) {}

    TDesignObject* DesignObject;
    TQualifier* Qualifier;
    qint32 RelevantCount = 0;
    qint32 QualifiedCount = 0;

    /// The lists of the object's children, in Children order. They belong to
    /// the list that holds this qualification and are shared by every
    /// qualification of the object.
    const std::vector<std::unique_ptr<TQualificationList>>& SubQualifications() const;

private:
    const TQualificationList* List;
};

/// The qualifications of one design object, one per qualifier in the case's
/// order, and the lists of its children below it: one list per object, so the
/// whole tree costs as much as the design's subtree.
class TQualificationList
{
public:
    explicit TQualificationList(TDesignObject* object) : DesignObject(object) {}
    TQualificationList(const TQualificationList&) = delete;
    TQualificationList& operator=(const TQualificationList&) = delete;

    TDesignObject* DesignObject;
    std::vector<std::unique_ptr<TQualification>> Items;
    std::vector<std::unique_ptr<TQualificationList>> SubLists;

    int Count() const { return int(Items.size()); }
    TQualification* At(int index) const { return Items[size_t(index)].get(); }
    /// The qualification for the qualifier, or nullptr.
    TQualification* Find(const TQualifier* qualifier) const;
};

/// The qualifications of the object and, below them, of its whole subtree.
std::unique_ptr<TQualificationList> BuildQualifications(TDesignObject* object);

/// The counts of the qualification with those of the subtree, each child
/// weighted by its count within its parent.
int TotalRelevant(const TQualification& qualification);
int TotalQualified(const TQualification& qualification);

/// "Green: 1/2 (50%)", or "Green: n/a" where nothing is relevant.
QString QualificationText(const TQualification& qualification);
QString TotalQualificationText(const TQualification& qualification);
