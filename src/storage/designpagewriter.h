#pragma once

#include <QString>

class TFolderWriter;

/// "ORVEL design " + N for every design, N its place in the design list: the
/// design's outline, then the details of each object, each object's before
/// its children's. Other pages of the same kind are deleted first, so that a
/// case with fewer designs leaves none behind; the pages of the other kind
/// (".htm" or ".cmc") stay. Sorts each object's option lists in place.
void WriteDesignPages(const TFolderWriter& folder);

/// "ORVEL design " + number: a design page's name without its extension.
QString DesignPageBaseName(int number);
/// The contents page's link to a design page.
QString DesignContentsLine(int number);
