#pragma once

#include <QIcon>
#include <QString>

/// One of the program's own pictures ("scale", "ceff", ...), as shipped in
/// every case folder's img/.
QIcon BuiltinPicture(const QString& name);
/// The picture of a variable's aggregation mode: cumulative, averaging or constant.
QIcon AggregationModePicture(int mode);
