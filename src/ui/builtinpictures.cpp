#include "ui/builtinpictures.h"

#include "model/variable.h"
#include "storage/folderimages.h"

#include <QHash>
#include <QPixmap>

QIcon BuiltinPicture(const QString& name)
{
    // Long lists show the same few pictures: decode each once.
    static QHash<QString, QIcon> cache;
    auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap;
    pixmap.loadFromData(BuiltinIconFile(name), "BMP");
    return cache.insert(name, QIcon(pixmap)).value();
}

QIcon AggregationModePicture(int mode)
{
    switch (mode) {
    case AggregationCumulative:
        return BuiltinPicture(QStringLiteral("ceff"));
    case AggregationAveraging:
        return BuiltinPicture(QStringLiteral("aeff"));
    default:
        return BuiltinPicture(QStringLiteral("varc"));
    }
}
