#include "storage/casepagereader.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/effect.h"
#include "model/messages.h"
#include "model/option.h"
#include "storage/filebuffer.h"
#include "storage/folderimages.h"
#include "storage/folderreader.h"
#include "storage/rowreading.h"
#include "storage/textcutter.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Deeper nesting than this is no hierarchy anyone draws: the page is broken.
constexpr int DeepestLevel = 1000;

const QString IconStart = QStringLiteral("<tr><td><img src=\"img/");

class TCasePageReader
{
public:
    explicit TCasePageReader(TFolderReader& folder) : Folder(folder), Case(folder.Case) {}
    bool Read();

private:
    void ReadHeader();
    void ReadLevels(const QString& section);
    void ReadLevelRow(TTextCutter& text, std::vector<TSystemLevel*>& parents);
    void ReadPhases(const QString& section);
    void ReadCategories(const QString& section);
    void ReadQualifiers(const QString& section);
    void ReadScales(const QString& section);
    void ReadVariables();
    void ReadVariableRow(const QString& row);
    void ReadDecisionAreas();
    void ReadDecisionArea(TSystemLevel& level);
    void ReadOption(TDecisionArea& area);
    void ReadQualifierIcons(const QString& icons, int line, TOption& option);
    void ReadEffect(TOption& option);
    void ReadPreclusions();
    void ReadPreclusionBlock(TSystemLevel& level, const QString& block, int line);
    QString ReadSection(const QString& end) { SectionLine = Buffer.Line(); return Buffer.ReadUntil(end); }
    QString ReadTable() { Buffer.SkipPast(QStringLiteral("<table>")); return ReadSection(QStringLiteral("</table>")); }
    QString ReadRowName() { Buffer.SkipPast(QStringLiteral("</td><td>")); return ReadText(Buffer, RowEnd); }
    void LoadIcon(const QString& fileName, QImage& icon) { LoadFolderIcon(Folder.Files, fileName, icon); }

    TFolderReader& Folder;
    TCase& Case;
    TFileBuffer Buffer;
    // Variables whose row icon was not known: their mode is guessed, and an
    // averaging effect on one makes it averaging.
    std::set<TVariable*> GuessedModes;
    int SectionLine = 0;   // where the section being parsed starts
};

bool TCasePageReader::Read()
{
    if (!Folder.OpenPage(Buffer, QStringLiteral("ORVEL case.htm"), QStringLiteral(" [loading basic case data...]")))
        return false;
    ReadHeader();
    Buffer.SkipPast(QStringLiteral("<tr class=section><td>system levels</td></tr>"));
    ReadLevels(ReadSection(QStringLiteral("<tr class=section><td>phases</td></tr>")));
    ReadPhases(ReadTable());
    ReadCategories(ReadTable());
    ReadQualifiers(ReadTable());
    ReadScales(ReadTable());
    ReadVariables();
    ReadDecisionAreas();
    ReadPreclusions();
    Buffer.Close();
    return true;
}

void TCasePageReader::ReadHeader()
{
    Buffer.SkipPast(QStringLiteral("<table>"));
    Buffer.SkipPast(QStringLiteral("<td>"));
    Case.Name = ReadText(Buffer, QStringLiteral("</td>")).trimmed();
    Buffer.SkipPast(QStringLiteral("<td>"));
    Case.Comments = CommentLines(Buffer.ReadUntil(QStringLiteral("</td>")));
}

// Levels nest in tables: a level row, then its children's table.
void TCasePageReader::ReadLevels(const QString& section)
{
    TTextCutter text(section, &Buffer, SectionLine);
    text.Cut(QStringLiteral("<table>"));
    std::vector<TSystemLevel*> parents{ nullptr };
    for (;;) {
        if (text.ComesFirst(IconStart, QStringLiteral("</table>"))) {
            ReadLevelRow(text, parents);
        } else if (parents.size() > 1 && text.Contains(QStringLiteral("</table></td></tr>"))) {
            text.Cut(QStringLiteral("</table></td></tr>"));
            parents.pop_back();
        } else {
            return;
        }
    }
}

void TCasePageReader::ReadLevelRow(TTextCutter& text, std::vector<TSystemLevel*>& parents)
{
    text.Cut(IconStart);
    const QString iconFile = text.Cut(QStringLiteral("\""));
    text.Cut(QStringLiteral("</td><td>"));
    const QString name = CutText(text, RowEnd);
    if (Case.SystemLevels.Find(CleanTrimmedName(name)))
        throw TStorageError{ QStringLiteral("System level \"") + name.trimmed() + QStringLiteral("\" occurs twice") };
    if (parents.size() > DeepestLevel)
        throw TStorageError{ QStringLiteral("System levels nested too deeply") };
    TSystemLevel* level = Case.SystemLevels.At(Case.AddSystemLevel(name));
    level->PlaceUnder(parents.back());
    LoadIcon(iconFile, level->Icon);
    level->UpdateDesignIcon();
    CutComment(text, *level);
    text.Cut(QStringLiteral("<tr><td>&nbsp;</td><td>"));
    parents.push_back(level);
}

QColor HexColor(const QString& text)
{
    bool ok = false;
    const uint rgb = text.trimmed().toUInt(&ok, 16);
    if (!ok || text.trimmed().size() != 6)
        throw TStorageError{ QStringLiteral("\"") + text.trimmed() + QStringLiteral("\" is not a valid colour") };
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void TCasePageReader::ReadPhases(const QString& section)
{
    TTextCutter text(section, &Buffer, SectionLine);
    while (text.Contains(QStringLiteral("<tr><td><img src=\"img/phase"))) {
        text.Cut(IconStart);
        const QString iconFile = text.Cut(QStringLiteral("\""));
        text.Cut(QStringLiteral("alt=\""));
        const int order = ToInt(text.Cut(QStringLiteral(":")));
        const QColor color = HexColor(text.Cut(QStringLiteral("\"")));
        text.Cut(QStringLiteral("</td><td>"));
        TPhase* phase = Case.Phases.At(Case.AddPhase(CutText(text, RowEnd)));
        phase->Order = order;
        phase->SetColorDerived(color);
        LoadIcon(iconFile, phase->Icon);
        CutComment(text, *phase);
    }
}

void TCasePageReader::ReadCategories(const QString& section)
{
    TTextCutter text(section, &Buffer, SectionLine);
    while (text.Contains(QStringLiteral("<tr><td><img src=\"img/cat"))) {
        text.Cut(IconStart);
        const QString iconFile = text.Cut(QStringLiteral("\""));
        text.Cut(QStringLiteral("alt=\""));
        const int number = ToInt(text.Cut(QStringLiteral(".")));
        text.Cut(QStringLiteral("</td><td>"));
        TCategory* category = Case.Categories.At(Case.AddCategory(CutText(text, RowEnd)));
        category->Number = number;
        LoadIcon(iconFile, category->Icon);
        CutComment(text, *category);
    }
}

void TCasePageReader::ReadQualifiers(const QString& section)
{
    TTextCutter text(section, &Buffer, SectionLine);
    while (text.Contains(QStringLiteral("<tr><td><img src=\"img/qual"))) {
        text.Cut(IconStart);
        const QString iconFile = text.Cut(QStringLiteral("\""));
        text.Cut(QStringLiteral("</td><td>"));
        TQualifier* qualifier = Case.Qualifiers.At(Case.AddQualifier(CutText(text, RowEnd)));
        LoadIcon(iconFile, qualifier->Icon);
        CutComment(text, *qualifier);
    }
}

void TCasePageReader::ReadScales(const QString& section)
{
    const QString row = QStringLiteral("<tr><td><img src=\"img/scale.bmp\"></td><td>");
    TTextCutter text(section, &Buffer, SectionLine);
    while (text.Contains(row)) {
        text.Cut(row);
        TScale* scale = Case.Scales.At(Case.AddScale(CutText(text, RowEnd)));
        CutComment(text, *scale);
    }
}

// One row at a time; a row's comment stands right after it on its line.
void TCasePageReader::ReadVariables()
{
    Buffer.SkipPast(QStringLiteral("<table>"));
    for (;;) {
        const QString piece = ReadSection(RowEnd);
        if (AsciiLower(piece).contains(QLatin1String("</table>")))
            return;
        // A comment row that follows no variable row on its line belongs to none.
        if (!MarkerAfterBlanks(AsciiLower(piece.trimmed()), 0, QStringLiteral("<tr class=cmnt>")))
            ReadVariableRow(piece);
    }
}

TAggregationMode ModeOfIcon(const QString& icon, bool& known)
{
    known = true;
    const QString name = icon.toLower();
    if (name == QLatin1String("varc"))
        return AggregationConstant;
    if (name == QLatin1String("ceff"))
        return AggregationCumulative;
    if (name == QLatin1String("aeff"))
        return AggregationAveraging;
    known = false;
    return AggregationConstant;
}

void TCasePageReader::ReadVariableRow(const QString& row)
{
    TTextCutter text(row, &Buffer, SectionLine);
    text.Cut(IconStart);
    const QString icon = text.Cut(QStringLiteral(".bmp\"></td><td>"));
    TVariable* variable = Case.Variables.At(Case.AddVariable(CutText(text, QStringLiteral(" ["))));
    const QString scaleName = CutText(text, QStringLiteral("]")).trimmed();
    variable->Scale = Case.Scales.Find(scaleName);
    if (!variable->Scale) {
        ShowReadError(QStringLiteral("Unknown scale \"") + scaleName + QStringLiteral("\""));
        variable->Scale = Case.Scales.First();
    }
    const bool hasValue = text.Contains(QStringLiteral(" = "));
    if (hasValue) {
        text.Cut(QStringLiteral(" = "));
        variable->Value = ToValue(text.Rest());
    }
    bool known = false;
    const TAggregationMode mode = ModeOfIcon(icon, known);
    variable->AggregationMode = known ? mode : hasValue ? AggregationConstant : AggregationCumulative;
    if (!known)
        GuessedModes.insert(variable);
    ReadComment(Buffer, *variable);
}

// Each level's areas follow its own subsection title, which names the level, so
// that levels outside the tree (which the hierarchy rows leave out) keep theirs.
void TCasePageReader::ReadDecisionAreas()
{
    Buffer.SkipPast(QStringLiteral("<tr><td><table c="));
    const int levels = ToInt(Buffer.ReadUntil(QStringLiteral(">")));
    std::vector<TSystemLevel*> outsideTree;
    for (int i = 0; i < levels; ++i) {
        Buffer.SkipPast(QStringLiteral("<td>decision areas, options and effects for "));
        const QString name = ReadText(Buffer, RowEnd);
        TSystemLevel* level = Case.SystemLevels.Find(CleanTrimmedName(name));
        if (!level) {
            level = Case.SystemLevels.At(Case.AddSystemLevel(name));
            outsideTree.push_back(level);
        }
        Buffer.ReadTable(QStringLiteral("<tr class=da>"), [&] { ReadDecisionArea(*level); });
    }
    for (TSystemLevel* level : outsideTree) {
        LoadIcon(QStringLiteral("sl%1.bmp").arg(level->Index()), level->Icon);
        level->UpdateDesignIcon();
    }
}

void TCasePageReader::ReadDecisionArea(TSystemLevel& level)
{
    Buffer.SkipPast(QStringLiteral("<tr class=da>"));
    Buffer.SkipPast(QStringLiteral("<img src=\"img/sl"));
    Buffer.SkipPast(QStringLiteral("p"));
    const int phase = ToInt(Buffer.ReadUntil(QStringLiteral(".bmp")));
    // An area without category or phase is written without its icon or with phase -1.
    int category = -1;
    if (Buffer.FindFirstOf(QStringLiteral("<img src=\"img/cat"), QStringLiteral("</td><td>"))) {
        Buffer.SkipPast(QStringLiteral("<img src=\"img/cat"));
        category = ToInt(Buffer.ReadUntil(QStringLiteral(".bmp")));
    }
    TDecisionArea* area = level.DecisionAreas.At(level.AddDecisionArea(ReadRowName()));
    area->Phase = phase == -1 ? nullptr : ItemAt(Case.Phases, phase, QStringLiteral("Phase"));
    area->Category = category == -1 ? nullptr : ItemAt(Case.Categories, category, QStringLiteral("Category"));
    ReadComment(Buffer, *area);
    Buffer.ReadTable(QStringLiteral("<img src=\"img/option.bmp\""), [&] { ReadOption(*area); });
}

void TCasePageReader::ReadOption(TDecisionArea& area)
{
    const QString icons = ReadSection(QStringLiteral("<img src=\"img/option.bmp\" alt=\""));
    const int iconsLine = SectionLine;
    const int number = ToInt(Buffer.ReadUntil(QStringLiteral("\">")));
    TOption* option = area.Options.At(area.AddOption(ReadRowName()));
    option->Number = number;
    ReadQualifierIcons(icons, iconsLine, *option);
    ReadComment(Buffer, *option);
    Buffer.ReadTable(QStringLiteral("<img src=\"img/"), [&] { ReadEffect(*option); });
}

void TCasePageReader::ReadQualifierIcons(const QString& icons, int line, TOption& option)
{
    TTextCutter text(icons, &Buffer, line);
    while (text.Contains(QStringLiteral("<img src=\"img/qual"))) {
        text.Cut(QStringLiteral("\"img/qual"));
        const int index = ToInt(text.Cut(QStringLiteral(".bmp")));
        option.AddQualifier(ItemAt(Case.Qualifiers, index, QStringLiteral("Qualifier")));
    }
}

void TCasePageReader::ReadEffect(TOption& option)
{
    Buffer.SkipPast(QStringLiteral("<img src=\"img/"));
    const QString icon = Buffer.ReadUntil(QStringLiteral(".bmp")).toLower();
    Buffer.SkipPast(QStringLiteral("</td><td>"));
    const QString name = ReadText(Buffer, QStringLiteral(" ["));
    TVariable* variable = Case.Variables.Find(CleanTrimmedName(name));
    if (!variable)
        throw TStorageError{ QStringLiteral("Unknown variable \"") + name.trimmed() + QStringLiteral("\"") };
    auto effect = std::make_unique<TEffect>(&option, variable);
    if (icon.startsWith(QLatin1Char('a')) && GuessedModes.count(variable))
        variable->AggregationMode = AggregationAveraging;
    effect->NullWhenStatusQuo = icon.contains(QLatin1String("nwsq"));
    QString message;
    if (Buffer.FindFirstOf(QStringLiteral(" = "), QStringLiteral("</td>"))) {
        Buffer.SkipPast(QStringLiteral(" = "));
        message = effect->SetFormula(ReadText(Buffer, RowEnd));
    } else {
        Buffer.SkipPast(RowEnd);
    }
    ReadComment(Buffer, *effect);
    TEffect* added = option.AddEffect(std::move(effect));
    if (!message.isEmpty())
        RepairFormula(*added);
}

void TCasePageReader::ReadPreclusions()
{
    const QString blockStart = QStringLiteral("<img src=\"img/smopt0.bmp\">");
    for (TSystemLevel* level : Case.SystemLevels) {
        Buffer.SkipPast(QStringLiteral("<td>preclusions"));
        Buffer.ReadTable(blockStart, [&] {
            Buffer.SkipPast(blockStart);
            const int line = Buffer.Line();
            ReadPreclusionBlock(*level, Buffer.ReadUntil(QStringLiteral("</table></td></tr>")), line);
        });
    }
}

void TCasePageReader::ReadPreclusionBlock(TSystemLevel& level, const QString& block, int line)
{
    TTextCutter text(block, &Buffer, line);
    text.Cut(QStringLiteral("<img src=\"img/sl"));
    text.Cut(QStringLiteral("alt=\""));
    text.Cut(QStringLiteral(":"));
    const int areaIndex = ToInt(text.Cut(QStringLiteral("\"")));
    const TDecisionArea* area = ItemAt(level.DecisionAreas, areaIndex, QStringLiteral("Decision area"));
    text.Cut(QStringLiteral(" = "));
    const QString name = CutText(text, QStringLiteral("</td>"));
    TOption* option = area->Options.Find(name);
    if (!option) {
        ShowReadError(QStringLiteral("Undefined decision option \"") + name + QStringLiteral("\""));
        return;
    }
    text.Cut(QStringLiteral("<table class=c"));
    const int count = ToInt(text.Cut(QStringLiteral(">")));
    if (count < 0 || count != text.Rest().count(RowEnd, Qt::CaseInsensitive))
        throw TStorageError{ QStringLiteral("The count %1 does not match the rows of its table").arg(count) };
    for (int i = 0; i < count; ++i) {
        text.Cut(QStringLiteral("alt=\""));
        const TSystemLevel* precludedLevel = ItemAt(Case.SystemLevels, ToInt(text.Cut(QStringLiteral(":"))),
                                                    QStringLiteral("System level"));
        TDecisionArea* precluded = ItemAt(precludedLevel->DecisionAreas, ToInt(text.Cut(QStringLiteral("\">"))),
                                          QStringLiteral("Decision area"));
        text.Cut(RowEnd);
        if (level.IsWithin(precluded->SystemLevel))
            option->AddPreclusion(precluded);
        else
            ShowReadWarning(QStringLiteral("Option \"") + area->Name + QStringLiteral(" = ") + option->Name
                        + QStringLiteral("\"\r in subsystem \"") + level.Name
                        + QStringLiteral("\" cannot preclude decision\rin parent or sibling system \"")
                        + precluded->SystemLevel->Name + QStringLiteral("\""));
    }
    std::stable_sort(option->PrecludedAreas.begin(), option->PrecludedAreas.end(), DecisionAreaLess);
}

} // namespace

bool ReadCasePage(TFolderReader& folder) { return TCasePageReader(folder).Read(); }
