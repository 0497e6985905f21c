#include "storage/designpagereader.h"

#include "design/design.h"
#include "model/case.h"
#include "model/decisionarea.h"
#include "model/messages.h"
#include "model/option.h"
#include "storage/designpagewriter.h"
#include "storage/filebuffer.h"
#include "storage/folderreader.h"
#include "storage/rowreading.h"

#include <QFile>
#include <vector>

namespace {

// Deeper nesting than this is no design anyone builds: the page is broken.
constexpr int DeepestObject = 1000;

const QString OptionMarker = QStringLiteral(".bmp\" alt=\"");

class TDesignPageReader
{
public:
    explicit TDesignPageReader(TFolderReader& folder) : Folder(folder), Case(folder.Case) {}
    void Read(int number);

private:
    void ReadOutline(TDesign& design, TDesignObject* parent, int depth);
    void ReadDetails(TDesignObject& object);
    TOption* ReadOptionRow();

    TFolderReader& Folder;
    TCase& Case;
    TFileBuffer Buffer;
    // The objects in the order the page lists them, each before its children,
    // which is also the order of their details.
    std::vector<TDesignObject*> PageOrder;
};

void TDesignPageReader::Read(int number)
{
    if (!Folder.OpenPage(Buffer, DesignPageBaseName(number) + QStringLiteral(".htm"),
                         QStringLiteral(" [loading design #%1...]").arg(number)))
        return;
    Buffer.SkipPast(QStringLiteral("<img src=\"img/design.bmp\" alt=\"design\"></td><td>"));
    TDesign* design = Case.Designs.At(Case.AddDesign(ReadText(Buffer, RowEnd)));
    ReadComment(Buffer, *design);
    ReadOutline(*design, nullptr, 0);
    for (TDesignObject* object : PageOrder)
        ReadDetails(*object);
    Buffer.Close();
}

void TDesignPageReader::ReadOutline(TDesign& design, TDesignObject* parent, int depth)
{
    if (depth > DeepestObject)
        throw TStorageError{ QStringLiteral("Design objects nested too deeply") };
    Buffer.ReadTable(QStringLiteral("<img src=\"img/sld"), [&] {
        Buffer.SkipPast(QStringLiteral("<img src=\"img/sld"));
        TSystemLevel* level = ItemAt(Case.SystemLevels, ToInt(Buffer.ReadUntil(QStringLiteral(".bmp"))),
                                     QStringLiteral("System level"));
        Buffer.SkipPast(QStringLiteral("<td>["));
        const int multiplicity = ToInt(Buffer.ReadUntil(QStringLiteral("x] ")));
        TDesignObject* object = design.AddDesignObject(ReadText(Buffer, RowEnd), parent, level);
        object->SetCount(multiplicity);
        ReadComment(Buffer, *object);
        PageOrder.push_back(object);
        ReadOutline(design, object, depth + 1);
    });
}

// The status quo options, the design's options, and the specific values, which
// are never written with rows.
void TDesignPageReader::ReadDetails(TDesignObject& object)
{
    object.RecomputePreclusions();
    Buffer.SkipPast(QStringLiteral("<i>(subsystem of"));
    Buffer.ReadTable(OptionMarker, [&] {
        if (TOption* option = ReadOptionRow())
            object.SelectStatusQuoOption(option);
    });
    Buffer.ReadTable(OptionMarker, [&] {
        if (TOption* option = ReadOptionRow())
            object.SelectDesignOption(option);
    });
    Buffer.ReadTable(QStringLiteral("<tr><td><img"), [&] { Buffer.SkipPast(RowEnd); });
}

TOption* TDesignPageReader::ReadOptionRow()
{
    Buffer.SkipPast(OptionMarker);
    const TSystemLevel* level = ItemAt(Case.SystemLevels, ToInt(Buffer.ReadUntil(QStringLiteral(":"))),
                                       QStringLiteral("System level"));
    const TDecisionArea* area = ItemAt(level->DecisionAreas, ToInt(Buffer.ReadUntil(QStringLiteral("\">"))),
                                       QStringLiteral("Decision area"));
    Buffer.SkipPast(QStringLiteral(" = "));
    const QString name = ReadText(Buffer, RowEnd);
    TOption* option = area->Options.Find(CleanTrimmedName(name));
    if (!option)
        ShowReadError(QStringLiteral("Undefined decision option \"") + name + QStringLiteral("\""));
    return option;
}

} // namespace

void ReadDesignPages(TFolderReader& folder)
{
    for (int number = 0; folder.Files.Exists(DesignPageBaseName(number) + QStringLiteral(".htm")); ++number) {
        TDesignPageReader(folder).Read(number);
        if (folder.RebuildContents)
            folder.Case.Contents << DesignContentsLine(number);
    }
    if (folder.RebuildContents && !folder.Case.Designs.IsEmpty())
        folder.Case.Contents << QStringLiteral("<hr>");
}
