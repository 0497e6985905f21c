#pragma once

#include <memory>
#include <vector>

class TCase;

/// How large a generated design is. The defaults give 10,310 design objects
/// over five levels; Scaled(4) has four times as many top objects.
struct TDesignSize
{
    int TopObjects = 10;
    std::vector<int> Children = { 5, 5, 5, 7 };   // per object, level by level below the top
    int Variables = 200;
    int FormulaEvery = 3;         // every third variable is computed from others
    int AreasPerLevel = 4;
    int OptionsPerArea = 3;
    int EffectsPerOption = 2;
    int PrecludeEvery = 7;        // every n-th option rules out an area of the level below
    int Designs = 1;              // each a tree of this shape with choices of its own
    unsigned Seed = 20261206;

    TDesignSize Scaled(int factor) const;
    int ObjectCount() const;
};

/// The catalogues and variables of the large-case generator, a chain of five
/// system levels and the designs "Generated design", "Generated design 2", ...,
/// in each of which every object has
/// an option chosen in every decision area of its level (and some status quo
/// choices). Formulas of the computed variables read two variables made before
/// them, so they never read in circles but do read values from further up and
/// down the tree.
std::unique_ptr<TCase> GenerateDesignCase(const TDesignSize& size = TDesignSize());

/// What the appraisal benchmarks add to a generated design case.
struct TAppraisalSize
{
    int Actors = 30;
    int Goals = 10;               // per actor, on variables computed per design
    int OptionFeelings = 10;      // per actor, about options of the case's levels
    int QualifierFeelings = 5;    // per actor
    int Combinations = 50;        // problems and promises of two or three options
    unsigned Seed = 20261206;
};

/// Adds actors with goals and feelings, and combinations, to a case made by
/// GenerateDesignCase; gives every option a qualifier, so that feelings about
/// qualifiers have decisions to weigh, and makes the first design the base design.
void AddAppraisalPositions(TCase& aCase, const TAppraisalSize& size = TAppraisalSize());
