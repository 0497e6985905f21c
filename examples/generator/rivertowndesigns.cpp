#include "rivertown.h"

#include "design/design.h"
#include "examplebuilder.h"
#include "model/decisionarea.h"
#include "model/option.h"

namespace {

using TChoices = std::vector<std::pair<const char*, const char*>>;   // decision area, option

/// A design object of the reference design: what is there today is both its
/// status quo and its design choice.
struct TObjectRow
{
    const char* Name;
    const char* Level;
    int Count;
    TChoices Today;
    const char* Comment;
    std::vector<TObjectRow> Children = {};
};

const TChoices DistrictToday = {
    { "Collective heat supply", "Individual heating" },
    { "Local solar generation", "No local generation" },
    { "Street design", "Car-oriented streets" },
    { "Parking", "Free parking" },
};

TChoices Building(const char* type, const char* insulation, const char* solar = "No panels")
{
    return { { "Building type", type },
             { "Insulation", insulation },
             { "Heating system", "Gas boiler" },
             { "Rooftop solar", solar },
             { "Appliances", "Standard appliances" } };
}

TChoices With(TChoices choices, const TChoices& replacements)
{
    for (const auto& [area, option] : replacements)
        for (auto& choice : choices)
            if (QLatin1String(choice.first) == QLatin1String(area))
                choice.second = option;
    return choices;
}

const TObjectRow Rivertown{
    "Rivertown", "City", 1,
    { { "Electricity mix", "Grid as today" },
      { "Energy grants", "No grants" },
      { "Energy advice", "No advice desk" },
      { "Public transport", "Diesel buses" } },
    "The top design object: the one town, an instance of the City level.",
    {
        { "Old Town", "District", 1, With(DistrictToday, { { "Parking", "Paid parking" } }),
          "The historic centre: terraced houses, a few apartment blocks and two schools.\n"
          "Parking is paid here already, so its status quo differs from the other districts.",
          {
              { "Terraced house", "Building", 320, Building("Terraced house", "As built"),
                "Count 320: one design object stands for 320 identical houses.\n"
                "Its values are those of one house; the district adds them up 320 times." },
              { "Apartment block", "Building", 18, Building("Apartment block", "As built"), nullptr },
              { "School", "Building", 2, Building("School", "Insulated glazing"), nullptr },
          } },
        { "Riverside", "District", 1, DistrictToday, "Flats from the 1970s along the river, with double glazing.",
          {
              { "Apartment block", "Building", 45, Building("Apartment block", "Insulated glazing"), nullptr },
              { "School", "Building", 1, Building("School", "Insulated glazing"), nullptr },
          } },
        { "Garden suburb", "District", 2, DistrictToday,
          "Count 2: the garden suburbs east and west of the centre are alike, so one design object\n"
          "stands for both, and the town counts its values twice.",
          {
              { "Detached house", "Building", 150, Building("Detached house", "Insulated glazing", "Solar panels"),
                "Many detached houses have solar panels already." },
              { "Terraced house", "Building", 200, Building("Terraced house", "As built"), nullptr },
              { "School", "Building", 1, Building("School", "Insulated glazing"), nullptr },
          } },
    },
};

void AddToday(TExampleBuilder& builder, TDesign& design, const TObjectRow& row, TDesignObject* parent)
{
    TDesignObject* object = design.AddDesignObject(QString::fromUtf8(row.Name), parent, builder.Level(row.Level));
    object->SetCount(row.Count);
    object->Comments = CommentLines(row.Comment);
    for (const auto& [area, option] : row.Today) {
        object->SelectStatusQuoOption(builder.Option(area, option));
        object->SelectDesignOption(builder.Option(area, option));
    }
    for (const TObjectRow& child : row.Children)
        AddToday(builder, design, child, object);
}

TDesignObject* ObjectAt(const TDesign& design, const QString& path)
{
    const QStringList names = path.split(QLatin1Char('/'));
    TDesignObject* object = design.TopObjects.Find(names.first());
    for (const QString& name : names.mid(1))
        object = object ? object->Children.Find(name) : nullptr;
    if (!object)
        throw TExampleError("No design object at " + path.toStdString());
    return object;
}

/// What the design editor's command does: the policy's options of each object's
/// level are chosen for the design, here or in the whole subtree.
void ApplyPolicy(const TPolicy& policy, TDesignObject& object, bool withSubsystems)
{
    for (TOption* option : policy.Options)
        if (option->SystemLevel() == object.SystemLevel)
            object.SelectDesignOption(option);
    if (withSubsystems)
        for (TDesignObject* child : object.Children)
            ApplyPolicy(policy, *child, true);
}

/// A copy of the reference design with the given choices for the design.
TDesign& Alternative(TExampleBuilder& builder, const char* name, const char* comment)
{
    TCase& c = builder.Case();
    TDesign* design = c.Designs.At(c.AddDesign(QString::fromUtf8(name)));
    design->Comments = CommentLines(comment);
    design->DuplicateDesignObject(builder.Design("Business as usual")->TopObjects.First(), nullptr, false);
    return *design;
}

void Choose(TExampleBuilder& builder, const TDesign& design, const char* path, const TChoices& choices)
{
    TDesignObject* object = ObjectAt(design, QString::fromUtf8(path));
    for (const auto& [area, option] : choices)
        object->SelectDesignOption(builder.Option(area, option));
}

void AddAllElectric(TExampleBuilder& builder)
{
    TDesign& design = Alternative(
        builder, "All-electric",
        "Every building insulated deeply and heated by a heat pump, with power from a municipal wind farm.\n"
        "Made as a user would: Business as usual duplicated, then the policy All-electric homes applied\n"
        "to the town with its subsystems, and a few choices changed by hand.");
    ApplyPolicy(*builder.Policy("All-electric homes"), *design.TopObjects.First(), true);
    Choose(builder, design, "Rivertown",
           { { "Electricity mix", "Municipal wind farm" },
             { "Energy grants", "Heat pump grants" },
             { "Energy advice", "Energy advice desk" },
             { "Public transport", "Electric buses" } });
    Choose(builder, design, "Rivertown/Old Town", { { "Street design", "Low-traffic neighbourhood" } });
    Choose(builder, design, "Rivertown/Riverside", { { "Local solar generation", "Solar carports" } });
    Choose(builder, design, "Rivertown/Riverside/Apartment block", { { "Rooftop solar", "Solar panels" } });
    Choose(builder, design, "Rivertown/Garden suburb", { { "Local solar generation", "Community solar field" } });
    Choose(builder, design, "Rivertown/Garden suburb/Detached house", { { "Heating system", "Ground source heat pump" } });
}

void AddHeatNetworks(TExampleBuilder& builder)
{
    TDesign& design = Alternative(
        builder, "Heat networks",
        "Heat networks in the dense districts, hybrid heat pumps in the suburbs and a tram through the town.\n"
        "In the Old Town and Riverside the network precludes the heating system of every building:\n"
        "their gas boilers stay recorded but no longer count.");
    const TPolicy& policy = *builder.Policy("Heat networks first");
    TDesignObject* town = design.TopObjects.First();
    ApplyPolicy(policy, *town, false);
    ApplyPolicy(policy, *ObjectAt(design, QStringLiteral("Rivertown/Old Town")), true);
    Choose(builder, design, "Rivertown",
           { { "Electricity mix", "Green power contract" },
             { "Energy grants", "Insulation grants" },
             { "Public transport", "Tram line" } });
    Choose(builder, design, "Rivertown/Old Town", { { "Street design", "Car-free centre" } });
    Choose(builder, design, "Rivertown/Riverside",
           { { "Collective heat supply", "Waste heat network" }, { "Street design", "Low-traffic neighbourhood" } });
    for (const char* house : { "Rivertown/Garden suburb/Detached house", "Rivertown/Garden suburb/Terraced house" })
        Choose(builder, design, house,
               { { "Insulation", "Insulated glazing" }, { "Heating system", "Hybrid heat pump" },
                 { "Rooftop solar", "Solar panels" } });
    Choose(builder, design, "Rivertown/Garden suburb", { { "Parking", "Paid parking" } });
}

} // namespace

void AddRivertownDesigns(TExampleBuilder& builder)
{
    TCase& c = builder.Case();
    TDesign* today = c.Designs.At(c.AddDesign(QStringLiteral("Business as usual")));
    today->Comments = CommentLines(
        "The reference design: every design object keeps its status quo options, so nothing is invested.\n"
        "Choose it as the base design in the design window to see the other designs relative to it.");
    AddToday(builder, *today, Rivertown, nullptr);
    AddAllElectric(builder);
    AddHeatNetworks(builder);
}
