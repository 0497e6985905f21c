#include "storage/contentspage.h"

#include "storage/pagetext.h"
#include "storage/pagewriter.h"

#include <QFile>

namespace {
const QString ContentsFile = QStringLiteral("items.htm");
}

void WriteContentsPage(const QString& folder, QStringList lines, bool exportMode)
{
    // The first line, the "Contents" header, always stays.
    if (exportMode)
        for (qsizetype i = lines.size() - 1; i >= 1; --i)
            if (!lines.at(i).contains(QLatin1String("Report #")))
                lines.removeAt(i);
    TPageWriter page(folder + ContentsFile, false);
    page.Lines(lines);
    page.Commit();
}

bool LoadContentsPage(const QString& folder, QStringList& lines)
{
    QFile file(folder + ContentsFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QStringList read = PageLines(file.readAll());
    if (read.isEmpty())
        return false;
    lines = read;
    return true;
}
