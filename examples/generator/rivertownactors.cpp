#include "rivertown.h"

#include "examplebuilder.h"
#include "model/decisionarea.h"
#include "model/option.h"
#include "policy/combination.h"

namespace {

struct TGoalRow
{
    const char* Variable;
    int Direction;   // -2 down by X%, -1 at most X, +1 at least X, +2 up by X%
    double Value;
    int Preference;
    const char* Comment = nullptr;
};

struct TFeelingRow
{
    const char* Area;
    const char* Option;
    int Preference;
    const char* Comment = nullptr;
};

struct TActorRow
{
    const char* Name;
    const char* Comment;
    std::vector<std::pair<const char*, int>> Decisions;    // decision area, influence 1..4
    std::vector<TGoalRow> Goals;
    std::vector<TFeelingRow> Options;
    std::vector<std::pair<const char*, int>> Qualifiers;   // qualifier, preference -3..+3
};

const TActorRow Actors[] = {
    { "City council",
      "Elected to make Rivertown climate neutral, within a budget the voters accept.\n"
      "Its positions are the ones an actor can hold: influence on other actors and on decisions,\n"
      "objectives on variables, and feelings about options and qualifiers.",
      { { "Energy grants", 4 }, { "Energy advice", 4 }, { "Street design", 4 }, { "Parking", 4 },
        { "Public transport", 3 }, { "Electricity mix", 2 }, { "Collective heat supply", 2 } },
      { { "CO2 emissions", -2, 50, 3,
          "Half the emissions of the base design: a relative objective, measured against the design\n"
          "you choose as the base in the design window." },
        { "Public spending", -1, 5000, 2 },
        { "Liveability", 1, 6.5, 2 },
        { "Jobs", 1, 50, 1 } },
      { { "Energy advice", "Municipal energy company", 2 },
        { "Public transport", "Tram line", 2, "The tram has been a promise in three elections." },
        { "Public transport", "Diesel buses", -2 } },
      { { "Renewable", 3 }, { "Disruptive", -1 } } },
    { "Housing association",
      "Owns the apartment blocks of the Old Town and Riverside and rents them out.",
      { { "Insulation", 3 }, { "Heating system", 3 }, { "Rooftop solar", 2 } },
      { { "Comfort", 1, 7, 2 },
        { "Investment cost", -1, 150000, 2,
          "What the owners of Rivertown can finance together within ten years, with the usual loans." },
        { "Energy bill", -2, 20, 1, "Lower bills keep its tenants' total housing costs down." } },
      { { "Energy grants", "Insulation grants", 3 },
        { "Collective heat supply", "Geothermal heat network", 1 },
        { "Insulation", "Passive house standard", -2, "Too costly for blocks that must be rebuilt in 2060 anyway." } },
      { { "Low cost", 2 }, { "Disruptive", -2 } } },
    { "Residents' association",
      "Speaks for the people of the Old Town and the garden suburbs, owners and tenants alike.",
      { { "Appliances", 4 }, { "Heating system", 2 }, { "Rooftop solar", 2 }, { "Street design", 1 } },
      { { "Energy bill", -1, 5000, 3 }, { "Comfort", 1, 6, 2 }, { "Liveability", 1, 6, 1 } },
      { { "Energy advice", "Energy advice desk", 2 },
        { "Parking", "Paid parking", -2 },
        { "Street design", "Car-free centre", -1, "Opinions are divided: shopkeepers fear losing customers." },
        { "Heating system", "Air heat pump", -1, "Neighbours complain about the noise of the outdoor units." } },
      { { "Disruptive", -3 }, { "Low cost", 2 }, { "Renewable", 1 } } },
    { "Rivertown Energy",
      "The local utility: runs the electricity grid and would build and run heat networks.",
      { { "Electricity mix", 4 }, { "Collective heat supply", 3 }, { "Local solar generation", 3 } },
      { { "Electricity demand", -1, 15000, 2, "What the grid can carry without a new substation." },
        { "Solar yield", 1, 5000, 1 } },
      { { "Electricity mix", "Municipal wind farm", 3 },
        { "Collective heat supply", "Geothermal heat network", 2 },
        { "Rooftop solar", "Solar panels with battery", 2, "Batteries take the midday peak off the grid." },
        { "Heating system", "Air heat pump", -1 } },
      { { "Innovative", 2 } } },
};

void AddPositions(TExampleBuilder& builder, TActor& actor, const TActorRow& row)
{
    actor.Comments = CommentLines(row.Comment);
    for (const auto& [area, influence] : row.Decisions)
        actor.AddDecision(builder.Area(area), influence);
    for (const TGoalRow& goal : row.Goals)
        actor.AddGoal(builder.Variable(goal.Variable), goal.Direction, goal.Value, goal.Preference)->Comments =
            CommentLines(goal.Comment);
    for (const TFeelingRow& feeling : row.Options)
        actor.AddOptionFeeling(builder.Option(feeling.Area, feeling.Option), feeling.Preference)->Comments =
            CommentLines(feeling.Comment);
    for (const auto& [qualifier, preference] : row.Qualifiers)
        actor.AddQualifierFeeling(builder.Qualifier(qualifier), preference);
}

void AddRelations(TExampleBuilder& builder)
{
    struct TRelation
    {
        const char* From;
        const char* To;
        int Influence;
        const char* Comment;
    };
    const TRelation relations[] = {
        { "City council", "Rivertown Energy", 3, "The city is its only shareholder." },
        { "City council", "Housing association", 2, "Through the yearly performance agreements." },
        { "Housing association", "Residents' association", 1, nullptr },
        { "Residents' association", "City council", 2, "Residents are voters." },
        { "Residents' association", "Housing association", 2,
          "Seven in ten tenants of a block must agree before it is renovated." },
        { "Rivertown Energy", "City council", 2, nullptr },
    };
    for (const TRelation& r : relations)
        builder.Actor(r.From)->AddConnection(builder.Actor(r.To), r.Influence)->Comments = CommentLines(r.Comment);
}

} // namespace

void AddRivertownActors(TExampleBuilder& builder)
{
    TCase& c = builder.Case();
    for (const TActorRow& row : Actors)
        c.AddActor(QString::fromUtf8(row.Name));
    for (const TActorRow& row : Actors)
        AddPositions(builder, *builder.Actor(row.Name), row);
    AddRelations(builder);
}

void AddRivertownCombinations(TExampleBuilder& builder)
{
    struct TCombinationRow
    {
        int Rating;
        std::vector<std::pair<const char*, const char*>> Options;
        const char* Comment;
    };
    const TCombinationRow combinations[] = {
        { 3,
          { { "Insulation", "Deep retrofit" }, { "Heating system", "Air heat pump" },
            { "Rooftop solar", "Solar panels with battery" } },
          "A promise: the all-electric home at its best, little heat needed, made cheaply with power from the roof." },
        { 2, { { "Insulation", "Deep retrofit" }, { "Heating system", "Air heat pump" } },
          "A heat pump does best in a well insulated building, where low water temperatures suffice." },
        { 1, { { "Public transport", "Tram line" }, { "Street design", "Car-free centre" } },
          "A tram makes a car-free centre easy to reach. Options of different levels combine\n"
          "where the district's choice lies below the city's." },
        { -1, { { "Collective heat supply", "Geothermal heat network" }, { "Insulation", "Passive house standard" } },
          "A problem: a heat network hardly pays where the buildings need almost no heat." },
        { -2, { { "Insulation", "As built" }, { "Heating system", "Air heat pump" } },
          "A problem: an air heat pump cannot keep a poorly insulated building warm on cold days." },
    };
    TCase& c = builder.Case();
    for (const TCombinationRow& row : combinations) {
        auto combination = std::make_unique<TCombination>(&c);
        combination->Rating = qint16(row.Rating);
        for (const auto& [area, option] : row.Options)
            combination->Options.push_back(builder.Option(area, option));
        SortOptions(combination->Options);
        combination->Comments = CommentLines(row.Comment);
        c.Combinations.push_back(std::move(combination));
    }
    SortCombinations(c.Combinations);
}

void AddRivertownPolicies(TExampleBuilder& builder)
{
    struct TPolicyRow
    {
        const char* Name;
        const char* Comment;
        std::vector<std::pair<const char*, const char*>> Options;
    };
    const TPolicyRow policies[] = {
        { "All-electric homes",
          "A package for every home: insulate deeply, heat with a heat pump, make power on the roof.\n"
          "The design editor applies a policy to a design object, and if you like to everything below it.",
          { { "Insulation", "Deep retrofit" }, { "Heating system", "Air heat pump" },
            { "Rooftop solar", "Solar panels with battery" }, { "Appliances", "Efficient appliances" } } },
        { "Heat networks first",
          "A package across the levels: a city company builds geothermal networks, buildings get new glazing.\n"
          "It holds no heating system: the network precludes that decision, and the policy window\n"
          "refuses an option of a decision area that another option of the policy precludes.",
          { { "Energy advice", "Municipal energy company" }, { "Collective heat supply", "Geothermal heat network" },
            { "Insulation", "Insulated glazing" } } },
    };
    TCase& c = builder.Case();
    for (const TPolicyRow& row : policies) {
        TPolicy* policy = c.Policies.At(c.AddPolicy(QString::fromUtf8(row.Name)));
        policy->Comments = CommentLines(row.Comment);
        // As dropped in the policy window, one by one, with its checks.
        for (const auto& [area, option] : row.Options)
            AddOptionToPolicy(*policy, builder.Option(area, option));
    }
}
