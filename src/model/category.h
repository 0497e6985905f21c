#pragma once

#include "model/concept.h"

#include <QImage>

class TCase;

/// Classifies decision areas; Number is the user's ordering, counted from 1.
class TCategory : public TConcept
{
public:
    TCategory(const QString& name, TCase* owner);

    TCase* Case;
    QImage Icon;
    int Number = 0;

    QString IconHTML() const override;
};
