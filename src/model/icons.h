#pragma once

#include <QColor>
#include <QImage>

class TPhase;

/// Icons are 16 x 16. Concept icons are 24-bit colour (QImage::Format_RGB32
/// in memory); the derived ones are drawn on copies and written with 8 bits.
inline constexpr int IconSize = 16;

QImage BlankIcon();
/// White with a grey outline rectangle from (1, 2) to (14, 15): categories and levels.
QImage DefaultRectangleIcon();
/// White with a grey outlined ellipse in the box (1, 3)-(13, 15): qualifiers.
QImage DefaultEllipseIcon();
/// The clock face of a phase, drawn from its three colours.
QImage PhaseClockIcon(const QColor& color, const QColor& middle, const QColor& dark);

/// A level's icon with the design marker: cyan for the stored design icon, red
/// for the variant that marks a selected item.
QImage DesignIcon(const QImage& levelIcon, bool selectedVariant = false);
/// A level's icon recoloured in a phase's colours, and its variant with the
/// marker on the left edge.
QImage LevelInPhaseIcon(const QImage& levelIcon, const TPhase& phase);
QImage LevelInPhaseVariantIcon(const QImage& levelIcon, const TPhase& phase);

class TConcept;
/// Gives a system level, a category or a qualifier a new icon (white where the
/// image does not reach); a level's design icon follows. Other concepts have
/// no icon: false. Windows call it inside an edit, which marks the case changed.
bool SetConceptIcon(TConcept& item, const QImage& image);
