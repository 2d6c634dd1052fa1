#pragma once

// What the command line knows of each section: its dimensions with the calculator's
// default texts, its variant flags, its results in the calculator's order, and how the
// dimensions left out follow their ties.

#include "request.h"
#include "section.h"

#include <functional>
#include <string_view>
#include <vector>

namespace velkor::cli {

struct DimensionEntry {
    std::string_view name;
    std::string_view defaultText; // empty: follows a tie when left out
};

struct ResultEntry {
    std::string_view symbol;
    int power; // of the length unit; 0 for an angle, in degrees
};

// Dimensions of one request in millimetres, by name; absent when left out.
class Dimensions {
public:
    Dimensions(const Request& request, const std::vector<DimensionEntry>& entries);
    bool given(std::string_view name) const;
    double operator[](std::string_view name) const; // given or default, in mm
    bool flag(std::string_view name) const;

private:
    const Request& request;
    const std::vector<DimensionEntry>& entries;
};

struct SectionCommand {
    std::string_view name;
    std::vector<DimensionEntry> dimensions;
    std::vector<std::string_view> flags;
    std::vector<std::string_view> exclusive; // at most one of these dimensions may be given
    double gamma;
    std::vector<ResultEntry> results;
    std::function<SectionOutcome(const Dimensions&)> compute;
};

const std::vector<SectionCommand>& SectionCommands();
const SectionCommand* FindSection(std::string_view name);

// Every result symbol of every section, in the batch's column order.
const std::vector<std::string_view>& AllResultSymbols();

} // namespace velkor::cli
