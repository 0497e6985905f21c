#pragma once

#include "model/case.h"

#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

class TDecisionArea;
class TDesignObject;
class TOption;

/// A name in the example's tables that the case does not hold: a typo in the
/// generator, reported instead of building a case with a hole in it.
struct TExampleError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/// One effect of an option: the variable's name and the formula as typed.
struct TEffectRow
{
    const char* Variable;
    const char* Formula;
    bool NullWhenStatusQuo = false;
    const char* Comment = nullptr;
};

/// One option with its qualifiers and effects; options are numbered in table order.
struct TOptionRow
{
    const char* Name;
    std::vector<const char*> Qualifiers;
    std::vector<TEffectRow> Effects;
    const char* Comment = nullptr;
};

/// One decision area of a level with its options.
struct TAreaRow
{
    const char* Level;
    const char* Name;
    const char* Category;
    const char* Phase;
    const char* Comment;
    std::vector<TOptionRow> Options;
};

/// Builds a case through the model's own operations, the same ones that editing
/// and reading use, and finds its items by name.
class TExampleBuilder
{
public:
    explicit TExampleBuilder(const QString& caseName);

    TCase& Case() { return *Built; }
    /// Hands the case over; the builder is spent.
    std::unique_ptr<TCase> Take();

    // Lookups by name; a missing name throws TExampleError.
    TCategory* Category(const char* name) const;
    TPhase* Phase(const char* name) const;
    TQualifier* Qualifier(const char* name) const;
    TScale* Scale(const char* name) const;
    TVariable* Variable(const char* name) const;
    TSystemLevel* Level(const char* name) const;
    TActor* Actor(const char* name) const;
    TDesign* Design(const char* name) const;
    TPolicy* Policy(const char* name) const;
    /// Decision area names are unique across the whole example, so the name alone finds it.
    TDecisionArea* Area(const char* name) const;
    TOption* Option(const char* area, const char* option) const;

    TVariable* AddVariable(const char* name, const char* scale, quint8 mode, double value, const char* comment);
    TSystemLevel* AddLevel(const char* name, TSystemLevel* parent, const char* comment);
    void AddArea(const TAreaRow& row);

private:
    void AddOption(TDecisionArea& area, const TOptionRow& row, int number);

    std::unique_ptr<TCase> Built;
};

/// A comment as the model keeps it: one entry per line of the text.
QStringList CommentLines(const char* text);
