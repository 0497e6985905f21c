#pragma once

#include "model/concept.h"

#include <QColor>
#include <QImage>

class TCase;

/// A phase in time; Order is its position, counted from 0. Its icon is a clock
/// face drawn from its three colours.
class TPhase : public TConcept
{
public:
    TPhase(const QString& name, TCase* owner);

    TCase* Case;
    QColor DarkColor;
    QColor MiddleColor;
    QColor Color;
    QImage Icon;
    int Order = 0;

    /// Sets the colour and derives the middle and dark colours by halving, as
    /// for colours read from a folder or a database; redraws the icon.
    void SetColorDerived(const QColor& color);
    /// Sets all three colours as given; redraws the icon.
    void SetColors(const QColor& color, const QColor& middle, const QColor& dark);
    void Redraw();

    QString IconHTML() const override;
};
