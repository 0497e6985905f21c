#pragma once

#include <QString>

/// How large a generated database of the older relational format is: the
/// defaults are the import's large case (10,000 options, 20,000 effects,
/// 1,000 design objects); Scaled(4) is four times as large.
struct TOldDatabaseSize
{
    int Levels = 20;
    int AreasPerLevel = 100;
    int OptionsPerArea = 5;
    int EffectsPerOption = 2;
    int Variables = 500;
    int Designs = 10;
    int ObjectsPerDesign = 100;
    int ChoicesPerObject = 10;
    int Actors = 20;
    int Combinations = 200;
    int Policies = 20;

    TOldDatabaseSize Scaled(int factor) const;
    int Options() const { return Levels * AreasPerLevel * OptionsPerArea; }
};

/// Writes the database file with one case named "Generated" of that size.
void GenerateOldDatabase(const QString& path, const TOldDatabaseSize& size);
