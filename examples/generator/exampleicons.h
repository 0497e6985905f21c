#pragma once

#include <QImage>

// The example's own 16 x 16 icons. Level icons use only black, grey (#808080)
// and silver (#C0C0C0) on white, the three shades that the level-in-phase icons
// repaint in each phase's colours; the other icons may use any colour.

QImage CityIcon();
QImage DistrictIcon();
QImage BuildingIcon();

QImage LandUseIcon();
QImage BuildingFabricIcon();
QImage HeatSupplyIcon();
QImage ElectricityIcon();
QImage MobilityIcon();
QImage GovernanceIcon();

QImage RenewableIcon();
QImage LowCostIcon();
QImage InnovativeIcon();
QImage DisruptiveIcon();
