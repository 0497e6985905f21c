#include "storage/contentspage.h"

#include "storage/fileoutput.h"
#include "storage/pagetext.h"
#include "storage/pagewriter.h"
#include "storage/savetransaction.h"


namespace {
const QString ContentsFile = QStringLiteral("items.htm");
}

void WriteContentsPage(const QString& folder, QStringList lines, bool exportMode, TWriteMode mode)
{
    // The first line, the "Contents" header, always stays.
    if (exportMode)
        for (qsizetype i = lines.size() - 1; i >= 1; --i)
            if (!lines.at(i).contains(QLatin1String("Report #")))
                lines.removeAt(i);
    // A page written on its own (a new report's link) must not be overtaken by
    // the completion of an interrupted save, which holds an older version.
    if (mode == TWriteMode::Replace)
        FinishInterruptedSave(folder);
    TPageWriter page(folder + ContentsFile, false, mode);
    page.Lines(lines);
    page.Commit();
}

bool LoadContentsPage(const QString& folder, QStringList& lines) { return LoadContentsFile(folder + ContentsFile, lines); }

bool LoadContentsFile(const QString& path, QStringList& lines)
{
    // No contents page of a case is anywhere near this size.
    constexpr qint64 Largest = 64 << 20;
    QByteArray bytes;
    if (!ReadRegularFile(path, Largest, bytes))
        return false;
    const QStringList read = PageLines(bytes);
    if (read.isEmpty())
        return false;
    lines = read;
    return true;
}
