#pragma once

#include <QPixmap>

class TDecisionArea;

/// The pictures of the system hierarchy's right tree.
/// An area: its level's icon in the colours of its phase, then its category's icon.
QPixmap AreaPixmap(const TDecisionArea& area);
/// An option: a round choice mark, with a small filled circle on its left when
/// the option has a qualifier.
QPixmap OptionPixmap(bool qualified);
/// The effect pictures are EffectPixmap's, in ui/uiicons.h.
