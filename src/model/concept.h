#pragma once

#include "model/nameless.h"

#include <QString>

/// A named model item. Names are unique within the owning list, compared
/// without regard to letter case.
class TConcept : public TNameless
{
public:
    explicit TConcept(const QString& name = QString()) : Name(name) {}

    QString Name;

    /// HTML fragment showing the concept's icon.
    virtual QString IconHTML() const;
    /// The HTML table rows describing the concept, one string per line.
    virtual QStringList DescriptionRows() const;
};
