#pragma once

#include <QIcon>

/// Small pictures the desktop program draws itself.
/// An effect: a solid arrow; crossed out when the effect is void for the status quo.
QIcon EffectIcon(bool nullWhenStatusQuo);
/// The same arrow, blue on a cumulative and green on an averaging variable.
QPixmap EffectPixmap(bool averaging, bool nullWhenStatusQuo);
/// The program's own icon: a system with two subsystems.
QIcon ProgramIcon();
/// One of the program's own case-folder icons ("face2", "wght3", "minp"), read
/// once; a null icon for a name it does not have.
QIcon BuiltinIcon(const QString& name);
/// The same as a pixmap to paint with; blank (transparent) for a name it does not have.
QPixmap BuiltinPixmap(const QString& name);
/// The picture of a variable's aggregation mode: cumulative, averaging or constant.
QIcon AggregationModeIcon(int mode);
/// The face of a feasibility or preference value -3..+3 (none for 0).
QIcon FaceIcon(int value);
