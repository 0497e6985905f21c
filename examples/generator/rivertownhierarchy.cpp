#include "rivertown.h"

#include "examplebuilder.h"
#include "exampleicons.h"
#include "model/decisionarea.h"
#include "model/option.h"

namespace {

void AddLevels(TExampleBuilder& builder)
{
    TSystemLevel* city = builder.AddLevel(
        "City", nullptr, "The town as a whole: what the council and the utilities decide for everyone.");
    TSystemLevel* district = builder.AddLevel(
        "District", city, "A neighbourhood: heat networks, local solar fields and the design of its streets.");
    TSystemLevel* building = builder.AddLevel(
        "Building", district,
        "One building type within a district. In a design, [320x] Terraced house stands for\n"
        "320 houses that get the same options.");
    city->Icon = CityIcon();
    district->Icon = DistrictIcon();
    building->Icon = BuildingIcon();
    for (TSystemLevel* level : { city, district, building })
        level->UpdateDesignIcon();
}

// Investment costs are null when status quo: keeping what is there costs nothing.
constexpr bool Once = true;

const TAreaRow CityAreas[] = {
    { "City", "Electricity mix", "Electricity", "Long term",
      "Where the town's electricity comes from. The choice sets the grid emission factor, which every\n"
      "formula about electricity reads: heat pumps, trams, appliances and solar panels.",
      {
          { "Grid as today", { "Low cost" }, { { "Grid emission factor", "0.35" } },
            "The national mix of today, still largely from gas and coal plants." },
          { "Green power contract", { "Renewable", "Low cost" },
            { { "Grid emission factor", "0.12" },
              { "Public spending", "400", false, "The premium the city pays for the certificates." } },
            "The city buys certified green power for the whole town." },
          { "Municipal wind farm", { "Renewable", "Innovative" },
            { { "Grid emission factor", "0.05" },
              { "Investment cost", "45000", Once },
              { "Public spending", "-600", false, "Income from selling the power counts negative." },
              { "Jobs", "12" } },
            "Four turbines on the polder north of the town, owned by the city." },
      } },
    { "City", "Energy grants", "Governance", "Quick wins",
      "Grants the city pays to owners who renovate. They cost the city budget; how owners\n"
      "and residents value them shows in the actors' feelings.",
      {
          { "No grants", {}, {} },
          { "Insulation grants", {}, { { "Public spending", "1500" } },
            "A quarter of the cost of insulation, up to 10,000 euros per home." },
          { "Heat pump grants", {}, { { "Public spending", "2000" } }, "3,000 euros towards every heat pump." },
      } },
    { "City", "Energy advice", "Governance", "Quick wins",
      "Who helps owners and tenants to find their way through the options.",
      {
          { "No advice desk", {}, {} },
          { "Energy advice desk", { "Low cost" }, { { "Public spending", "250" }, { "Jobs", "4" } },
            "Four advisers who visit homes and explain the grants." },
          { "Municipal energy company", { "Innovative" },
            { { "Public spending", "1200" }, { "Investment cost", "5000", Once }, { "Jobs", "35" } },
            "A company owned by the city that plans, finances and carries out renovations street by street." },
      } },
    { "City", "Public transport", "Mobility", "Long term",
      "The bus lines that connect the districts with the centre and the station.",
      {
          { "Diesel buses", {}, { { "CO2 emissions", "2400" }, { "Public spending", "1800" } },
            "Today's fleet of 30 diesel buses." },
          { "Electric buses", { "Renewable" },
            { { "Electricity demand", "3000" },
              { "CO2 emissions", "3000 * [Grid emission factor]", false,
                "Their power emits what the grid emits: the formula reads the factor that the electricity mix sets." },
              { "Investment cost", "15000", Once },
              { "Public spending", "1500" } } },
          { "Tram line", { "Renewable", "Disruptive" },
            { { "Electricity demand", "4200" },
              { "CO2 emissions", "4200 * [Grid emission factor]" },
              { "Investment cost", "85000", Once },
              { "Public spending", "2600" },
              { "Jobs", "30" } },
            "A tram from Garden suburb through the Old Town to Riverside; streets are dug up for two years." },
      } },
};

const TAreaRow DistrictAreas[] = {
    { "District", "Collective heat supply", "Heat supply", "Renovation wave",
      "Whether the district gets a heat network. A network takes over heating from the buildings:\n"
      "its options preclude the decision on the heating system of every building in the district.",
      {
          { "Individual heating", {}, {}, "Every building keeps a heating system of its own." },
          { "Geothermal heat network", { "Renewable", "Innovative", "Disruptive" },
            { { "Investment cost", "[Heat demand] * 1.2", Once,
                "The formula reads the district's heat demand: the sum over all its buildings." },
              { "Energy bill", "[Heat demand] * [District heat price] / 1000" },
              { "Electricity demand", "[Heat demand] * 0.05", false, "The pumps of the network." },
              { "CO2 emissions", "[Heat demand] * 0.05 * [Grid emission factor]" },
              { "Jobs", "6" } },
            "Hot water from two kilometres deep, piped to every building of the district." },
          { "Waste heat network", { "Renewable" },
            { { "Investment cost", "[Heat demand] * 0.8", Once },
              { "Energy bill", "[Heat demand] * [District heat price] * 0.9 / 1000", false,
                "The mill's heat is sold at a tenth below the usual tariff." },
              { "Electricity demand", "[Heat demand] * 0.03" },
              { "CO2 emissions", "[Heat demand] * 0.03 * [Grid emission factor] + [Heat demand] * 0.02", false,
                "The pumps, and the gas burnt while the mill stands still." },
              { "Jobs", "3" } },
            "Heat left over from the paper mill by the river." },
      } },
    { "District", "Local solar generation", "Electricity", "Quick wins",
      "Solar panels that serve the whole district rather than one building.",
      {
          { "No local generation", {}, {} },
          { "Solar carports", { "Renewable", "Low cost" },
            { { "Solar yield", "500" },
              { "CO2 emissions", "-500 * [Grid emission factor]", false,
                "Every MWh of solar power saves a MWh from the grid." },
              { "Investment cost", "900", Once } },
            "Panels over the car parks of the shops and the schools." },
          { "Community solar field", { "Renewable" },
            { { "Solar yield", "2500" },
              { "CO2 emissions", "-2500 * [Grid emission factor]" },
              { "Investment cost", "2800", Once },
              { "Jobs", "1" } },
            "A field of panels at the edge of the district, owned by a residents' cooperative." },
      } },
    { "District", "Street design", "Mobility", "Renovation wave",
      "How much room the streets give to cars: it drives the CO2 of car traffic and the district's liveability.",
      {
          { "Car-oriented streets", {},
            { { "CO2 emissions", "[Dwellings] * 1.5", false,
                "Car traffic, 1.5 tonnes per dwelling: the formula reads the district's dwellings,\n"
                "the sum over its buildings." },
              { "Liveability", "5" } },
            "Streets as they are: two lanes, and parking on both sides." },
          { "Low-traffic neighbourhood", {},
            { { "CO2 emissions", "[Dwellings] * 1.1" }, { "Liveability", "7" }, { "Investment cost", "1500", Once } },
            "Through traffic kept out by a few filters; residents still drive to their door." },
          { "Car-free centre", { "Disruptive" },
            { { "CO2 emissions", "[Dwellings] * 0.8" }, { "Liveability", "8.5" }, { "Investment cost", "4000", Once } },
            "No cars in the heart of the district. With cars parked at the edge, it precludes the decision on parking." },
      } },
    { "District", "Parking", "Mobility", "Quick wins",
      "What parking costs and where it is. Its liveability adds to that of the street design.",
      {
          { "Free parking", {}, {}, "As today." },
          { "Paid parking", { "Low cost" },
            { { "CO2 emissions", "-[Dwellings] * 0.1" },
              { "Liveability", "0.5" },
              { "Public spending", "-150", false, "Income from the parking fees." } } },
          { "Parking hubs at the edge", {},
            { { "CO2 emissions", "-[Dwellings] * 0.2" },
              { "Liveability", "1" },
              { "Investment cost", "3000", Once },
              { "Public spending", "-100" } },
            "Garages at the edge of the district free the streets of parked cars." },
      } },
};

const TAreaRow BuildingAreas[] = {
    { "Building", "Building type", "Land use", "Quick wins",
      "What kind of building this is: a description rather than a decision. The status quo and every\n"
      "design choose the same option, and the other decisions of the building read its floor area.",
      {
          { "Terraced house", {}, { { "Floor area", "110" }, { "Dwellings", "1" } } },
          { "Detached house", {}, { { "Floor area", "160" }, { "Dwellings", "1" } } },
          { "Apartment block", {}, { { "Floor area", "2400" }, { "Dwellings", "32" } },
            "Four floors of eight flats each." },
          { "School", {},
            { { "Floor area", "3000" },
              { "Dwellings", "0", false, "No homes: said explicitly, so that a school's dwellings are 0 rather than unknown." } } },
      } },
    { "Building", "Insulation", "Building fabric", "Renovation wave",
      "How well walls, roof and windows keep the heat in. It sets the building's heat demand per\n"
      "square metre, which the heating system then has to supply.",
      {
          { "As built", {},
            { { "Heat demand", "[Floor area] * 0.16", false,
                "0.16 MWh per square metre a year: the formula reads the floor area that the building type sets." },
              { "Comfort", "5" } },
            "No insulation beyond what the building had when it was built." },
          { "Insulated glazing", { "Low cost" },
            { { "Heat demand", "[Floor area] * 0.12" },
              { "Comfort", "6" },
              { "Investment cost", "[Floor area] * 0.09", Once,
                "90 euros per square metre, only where the glazing is new: null when status quo." } } },
          { "Deep retrofit", { "Disruptive" },
            { { "Heat demand", "[Floor area] * 0.06" },
              { "Comfort", "8" },
              { "Investment cost", "[Floor area] * 0.4", Once },
              { "Jobs", "[Floor area] * 0.0002", Once } },
            "Walls, roof, floor and windows insulated, with ventilation that recovers heat." },
          { "Passive house standard", { "Innovative", "Disruptive" },
            { { "Heat demand", "[Floor area] * 0.025" },
              { "Comfort", "9" },
              { "Investment cost", "[Floor area] * 0.65", Once },
              { "Jobs", "[Floor area] * 0.0003", Once } },
            "So well insulated that the warmth of people and appliances almost suffices." },
      } },
    { "Building", "Heating system", "Heat supply", "Renovation wave",
      "What turns energy into the building's heat. Where the district has a heat network, this decision\n"
      "is precluded: the option chosen here stays recorded but has no effect.",
      {
          { "Gas boiler", {},
            { { "Gas use", "[Heat demand] / 0.9" },
              { "CO2 emissions", "[Gas use] * [Gas emission factor]", false,
                "A formula may read what another effect of the same option sets." },
              { "Energy bill", "[Gas use] * [Gas price] / 1000" },
              { "Investment cost", "[Floor area] * 0.03", Once } },
            "A condensing gas boiler, as in nearly every building today." },
          { "Hybrid heat pump", { "Low cost" },
            { { "Gas use", "[Heat demand] * 0.3 / 0.9", false, "The boiler covers the coldest days, 30% of the heat." },
              { "Electricity demand", "[Heat demand] * 0.7 / [Heat pump COP]" },
              { "CO2 emissions",
                "[Gas use] * [Gas emission factor] + [Heat demand] * 0.7 / [Heat pump COP] * [Grid emission factor]" },
              { "Energy bill",
                "([Gas use] * [Gas price] + [Heat demand] * 0.7 / [Heat pump COP] * [Electricity price]) / 1000" },
              { "Investment cost", "[Floor area] * 0.05", Once } },
            "A small heat pump next to the boiler." },
          { "Air heat pump", { "Renewable" },
            { { "Electricity demand", "[Heat demand] / [Heat pump COP]" },
              { "CO2 emissions", "[Heat demand] / [Heat pump COP] * [Grid emission factor]", false,
                "Buildings have no grid emission factor of their own: the formula reads the city's,\n"
                "the nearest one up the tree." },
              { "Energy bill", "[Heat demand] / [Heat pump COP] * [Electricity price] / 1000" },
              { "Investment cost", "[Floor area] * 0.12", Once } },
            "All-electric: takes its heat from the outside air." },
          { "Ground source heat pump", { "Renewable", "Innovative", "Disruptive" },
            { { "Electricity demand", "[Heat demand] / ([Heat pump COP] + 1.3)", false,
                "The ground is warmer than the air in winter, so the pump does better." },
              { "CO2 emissions", "[Heat demand] / ([Heat pump COP] + 1.3) * [Grid emission factor]" },
              { "Energy bill", "[Heat demand] / ([Heat pump COP] + 1.3) * [Electricity price] / 1000" },
              { "Investment cost", "[Floor area] * 0.2", Once },
              { "Comfort", "0.5", false, "It also cools in summer: this adds to the comfort that the insulation gives." } },
            "Takes its heat from boreholes under the garden or the playground." },
      } },
    { "Building", "Rooftop solar", "Electricity", "Quick wins", "Solar panels on the building's own roof.",
      {
          { "No panels", {}, {} },
          { "Solar panels", { "Renewable", "Low cost" },
            { { "Solar yield", "[Floor area] * 0.03", false, "0.03 MWh a year per square metre of floor." },
              { "CO2 emissions", "-[Solar yield] * [Grid emission factor]" },
              { "Energy bill", "-[Solar yield] * [Electricity price] * 0.6 / 1000", false,
                "Power sent back to the grid earns less than bought power costs." },
              { "Investment cost", "[Floor area] * 0.015", Once } } },
          { "Solar panels with battery", { "Renewable", "Innovative" },
            { { "Solar yield", "[Floor area] * 0.03" },
              { "CO2 emissions", "-[Solar yield] * [Grid emission factor]" },
              { "Energy bill", "-[Solar yield] * [Electricity price] * 0.9 / 1000", false,
                "The battery keeps the power for the evening: nearly every MWh saves the full price." },
              { "Investment cost", "[Floor area] * 0.035", Once } } },
      } },
    { "Building", "Appliances", "Electricity", "Quick wins", "Lighting, cooking, washing and computers.",
      {
          { "Standard appliances", {},
            { { "Electricity demand", "[Floor area] * 0.03" },
              { "CO2 emissions", "[Floor area] * 0.03 * [Grid emission factor]" },
              { "Energy bill", "[Floor area] * 0.03 * [Electricity price] / 1000" } } },
          { "Efficient appliances", { "Low cost" },
            { { "Electricity demand", "[Floor area] * 0.022" },
              { "CO2 emissions", "[Floor area] * 0.022 * [Grid emission factor]" },
              { "Energy bill", "[Floor area] * 0.022 * [Electricity price] / 1000" },
              { "Investment cost", "[Floor area] * 0.01", Once } },
            "LED lighting and efficient appliances whenever the old ones are replaced." },
      } },
};

void AddPreclusions(TExampleBuilder& builder)
{
    // A heat network heats the buildings itself; cars kept out need no parking policy.
    TDecisionArea* heating = builder.Area("Heating system");
    builder.Option("Collective heat supply", "Geothermal heat network")->AddPreclusion(heating);
    builder.Option("Collective heat supply", "Waste heat network")->AddPreclusion(heating);
    builder.Option("Street design", "Car-free centre")->AddPreclusion(builder.Area("Parking"));
}

} // namespace

void AddRivertownHierarchy(TExampleBuilder& builder)
{
    AddLevels(builder);
    for (const TAreaRow& area : CityAreas)
        builder.AddArea(area);
    for (const TAreaRow& area : DistrictAreas)
        builder.AddArea(area);
    for (const TAreaRow& area : BuildingAreas)
        builder.AddArea(area);
    AddPreclusions(builder);
}
