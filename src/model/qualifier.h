#pragma once

#include "model/concept.h"

#include <QImage>

class TCase;

/// A tag on options (for example "innovative"), which actors may feel about.
class TQualifier : public TConcept
{
public:
    TQualifier(const QString& name, TCase* owner);

    TCase* Case;
    QImage Icon;

    QString IconHTML() const override;
};
