#pragma once

#include <QString>

class QImage;
class TAppreciation;

// An appreciation as a two-band bar: the attained weights of the desirable
// levels +1..+3 above, of the undesirable levels -1..-3 below, each as a share
// of all weight counted. Both read only the tallies, so they serve the actor
// appreciation and each partial one alike.

/// Draws the 40 x 15 pixel bar with its top left corner at (x, y).
void DrawBar(const TAppreciation& appreciation, QImage& canvas, int x, int y);

/// The 150-pixel bar as two HTML tables, for reports.
QString BarHTML(const TAppreciation& appreciation);
