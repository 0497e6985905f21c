#include "rivertown.h"

#include "examplebuilder.h"
#include "exampleicons.h"
#include "storage/designpagewriter.h"

namespace {

// The contents page links every design page, as the reader's rebuilt contents
// would, so that the folder reads well in a web browser too.
void AddDesignLinks(TCase& c)
{
    for (int number = 0; number < c.Designs.Count(); ++number)
        c.Contents << DesignContentsLine(number);
    c.Contents << QStringLiteral("<hr>");
}

} // namespace

std::unique_ptr<TCase> BuildRivertown()
{
    TExampleBuilder builder(QStringLiteral("Rivertown energy transition"));
    builder.Case().Comments = CommentLines(
        "An example case: how Rivertown, a small town by the river, can cut the CO2 emissions of its homes,\n"
        "schools and traffic. Start with the system hierarchy: the City, its Districts and their Buildings,\n"
        "each with the decisions that are taken at that level. Options change variables through their effects;\n"
        "formulas read other variables, such as the floor area of a building or the grid emission factor that\n"
        "the city's electricity mix sets. The three designs compare business as usual with two ways forward,\n"
        "and four actors judge them by their objectives and feelings.");
    AddRivertownCatalogues(builder);
    AddRivertownVariables(builder);
    AddRivertownHierarchy(builder);
    AddRivertownPolicies(builder);
    AddRivertownDesigns(builder);
    AddRivertownActors(builder);
    AddRivertownCombinations(builder);
    AddDesignLinks(builder.Case());
    return builder.Take();
}

namespace {

struct TCatalogueItem
{
    const char* Name;
    QImage (*Icon)();
    const char* Comment;
};

void AddCategories(TExampleBuilder& builder)
{
    // Numbered in this order: the number sorts decision areas within a level.
    const TCatalogueItem categories[] = {
        { "Land use", LandUseIcon, "What is there: the kind of building and how much floor area it has." },
        { "Building fabric", BuildingFabricIcon, "Walls, roofs and windows: how much heat a building needs." },
        { "Heat supply", HeatSupplyIcon, "How that heat is made: boilers, heat pumps or a heat network." },
        { "Electricity", ElectricityIcon, "Where electricity comes from and how much is used." },
        { "Mobility", MobilityIcon, "Streets, parking and public transport." },
        { "Governance", GovernanceIcon, "What the city organises and pays for." },
    };
    TCase& c = builder.Case();
    for (const TCatalogueItem& item : categories) {
        TCategory* category = c.Categories.At(c.AddCategory(QString::fromUtf8(item.Name)));
        category->Icon = item.Icon();
        category->Comments = CommentLines(item.Comment);
    }
}

void AddPhases(TExampleBuilder& builder)
{
    struct TPhaseItem
    {
        const char* Name;
        QColor Color;
        const char* Comment;
    };
    // In time order; each decision area's icon shows the level in its phase's colour.
    const TPhaseItem phases[] = {
        { "Quick wins", QColor(0x40, 0xB0, 0x40), "Until 2027: cheap measures that can start at once." },
        { "Renovation wave", QColor(0xF0, 0xA0, 0x20),
          "2027 to 2035: the big works on buildings and districts,\ndone when they are due for maintenance anyway." },
        { "Long term", QColor(0x40, 0x70, 0xD0), "After 2035: investments that take years to plan and build." },
    };
    TCase& c = builder.Case();
    for (const TPhaseItem& item : phases) {
        TPhase* phase = c.Phases.At(c.AddPhase(QString::fromUtf8(item.Name)));
        phase->SetColorDerived(item.Color);
        phase->Comments = CommentLines(item.Comment);
    }
}

void AddQualifiers(TExampleBuilder& builder)
{
    const TCatalogueItem qualifiers[] = {
        { "Renewable", RenewableIcon, "Runs on sun, wind, earth or waste heat instead of gas or diesel." },
        { "Low cost", LowCostIcon, "Cheap enough to pay back within a few years." },
        { "Innovative", InnovativeIcon, "New to Rivertown: promising, but with less experience behind it." },
        { "Disruptive", DisruptiveIcon,
          "Causes nuisance while it is built: streets dug up, residents moved out for weeks.\n"
          "Actors' feelings about qualifiers judge every option that carries one." },
    };
    TCase& c = builder.Case();
    for (const TCatalogueItem& item : qualifiers) {
        TQualifier* qualifier = c.Qualifiers.At(c.AddQualifier(QString::fromUtf8(item.Name)));
        qualifier->Icon = item.Icon();
        qualifier->Comments = CommentLines(item.Comment);
    }
}

void AddScales(TExampleBuilder& builder)
{
    const std::pair<const char*, const char*> scales[] = {
        { "MWh/yr", "Energy per year; one MWh is a thousand kWh." },
        { "t CO2/yr", "Tonnes of carbon dioxide emitted per year." },
        { "t CO2/MWh", "Tonnes of CO2 emitted per MWh of energy used." },
        { "kEUR", "Thousands of euros, paid once." },
        { "kEUR/yr", "Thousands of euros, paid every year." },
        { "EUR/MWh", nullptr },
        { "m2", "Square metres of floor area." },
        { "dwellings", nullptr },
        { "ratio", "A plain number without unit." },
        { "score 1-10", "A judgement from 1 (very poor) to 10 (excellent)." },
        { "FTE", "Full-time jobs." },
    };
    TCase& c = builder.Case();
    for (const auto& [name, comment] : scales)
        c.Scales.At(c.AddScale(QString::fromUtf8(name)))->Comments = CommentLines(comment);
}

} // namespace

void AddRivertownCatalogues(TExampleBuilder& builder)
{
    AddCategories(builder);
    AddPhases(builder);
    AddQualifiers(builder);
    AddScales(builder);
}

void AddRivertownVariables(TExampleBuilder& builder)
{
    struct TVariableItem
    {
        const char* Name;
        const char* Scale;
        quint8 Mode;
        double Value;
        const char* Comment;
    };
    const TVariableItem variables[] = {
        // Constants: one value for the whole case, read by formulas.
        { "Gas emission factor", "t CO2/MWh", AggregationConstant, 0.2,
          "A constant: the CO2 that burning one MWh of natural gas emits.\n"
          "Constants hold everywhere; formulas read them by name, as in [Gas use] * [Gas emission factor]." },
        { "Gas price", "EUR/MWh", AggregationConstant, 95, "A constant: what households pay for gas." },
        { "Electricity price", "EUR/MWh", AggregationConstant, 240, "A constant: what households pay for electricity." },
        { "District heat price", "EUR/MWh", AggregationConstant, 110, "A constant: the tariff of a heat network." },
        { "Heat pump COP", "ratio", AggregationConstant, 3.2,
          "A constant: the MWh of heat an air heat pump makes from one MWh of electricity over a year." },
        // Cumulative: a district's value is the sum over its buildings, each times its count.
        { "Floor area", "m2", AggregationCumulative, UndefinedValue,
          "Cumulative: set by the building type and summed up the tree, each building times its count." },
        { "Dwellings", "dwellings", AggregationCumulative, UndefinedValue,
          "Cumulative: homes per building type. Street design reads the district's total." },
        { "Heat demand", "MWh/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: the heat a building needs, its floor area times what its insulation lets through." },
        { "Gas use", "MWh/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: gas burnt by boilers; a boiler turns 90% of the gas into heat." },
        { "Electricity demand", "MWh/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: appliances, heat pumps, pumps of heat networks and public transport." },
        { "Solar yield", "MWh/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: electricity from solar panels on roofs, carports and fields." },
        { "CO2 emissions", "t CO2/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: what the transition is about. Solar panels count negative: they save grid electricity." },
        { "Investment cost", "kEUR", AggregationCumulative, UndefinedValue,
          "Cumulative: one-off cost of the changes. Its effects are null when status quo:\n"
          "keeping what is there costs nothing." },
        { "Energy bill", "kEUR/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: what households and schools pay for gas, electricity and district heat." },
        { "Public spending", "kEUR/yr", AggregationCumulative, UndefinedValue,
          "Cumulative: what the city pays every year; income, such as parking fees, counts negative." },
        { "Jobs", "FTE", AggregationCumulative, UndefinedValue, "Cumulative: local jobs the measures create." },
        // Averaging: a district's value is the average over its buildings, weighted by their counts.
        { "Grid emission factor", "t CO2/MWh", AggregationAveraging, UndefinedValue,
          "Averaging: the CO2 per MWh of electricity, set by the city's electricity mix.\n"
          "Buildings have no value of their own: their formulas read the city's." },
        { "Comfort", "score 1-10", AggregationAveraging, UndefinedValue,
          "Averaging: how warm, quiet and draught-free a building is; districts and the city show the average." },
        { "Liveability", "score 1-10", AggregationAveraging, UndefinedValue,
          "Averaging: how pleasant the streets of a district are; set by street design and parking together." },
    };
    for (const TVariableItem& v : variables)
        builder.AddVariable(v.Name, v.Scale, v.Mode, v.Value, v.Comment);
}
