#pragma once

#include <QIcon>

/// Small pictures the desktop program draws itself.
/// An effect: a solid arrow; crossed out when the effect is void for the status quo.
QIcon EffectIcon(bool nullWhenStatusQuo);
/// The same arrow, blue on a cumulative and green on an averaging variable.
QPixmap EffectPixmap(bool averaging, bool nullWhenStatusQuo);
/// The program's own icon: a system with two subsystems.
QIcon ProgramIcon();
