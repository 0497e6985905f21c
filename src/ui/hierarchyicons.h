#pragma once

#include <QPixmap>

class TDecisionArea;

/// The pictures of the system hierarchy's right tree.
/// An area: its level's icon in the colours of its phase, then its category's icon.
QPixmap AreaPixmap(const TDecisionArea& area);
/// An option: a round choice mark, with a small filled circle on its left when
/// the option has a qualifier.
QPixmap OptionPixmap(bool qualified);
/// An effect: an arrow, blue on a cumulative and green on an averaging variable,
/// crossed out when the effect is null where its option is the status quo.
QPixmap EffectPixmap(bool averaging, bool nullWhenStatusQuo);
