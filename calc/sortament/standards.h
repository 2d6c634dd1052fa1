#pragma once

// The rolled steel sections of the standards, as their tables give them: each profile's
// designation, its dimensions and the values the standard prints, looked up by any
// spelling an engineer types.

#include "exact.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::sortament {

enum class ProfileKind { IBeam, Channel, Angle };

struct Standard {
    std::string_view key;   // velkor-cli's STANDARD: "gost8239"
    std::string_view title; // "ГОСТ 8239-89"
    std::string_view name;  // what it covers, in Russian
    ProfileKind kind;
    std::string_view table;  // the data file, without ".csv"
    std::string_view prefix; // the designations' common beginning ("IPE"), or empty
    // the slope of the inner flange faces, in percent (0: parallel), and whether the
    // flange thickness t is measured at half the outstand (rather than being constant)
    int slopePercent = 0;
};

struct Dimension {
    std::string_view name; // as the standard names it: "h", "b", "s", "t", "R", "r"
    Decimal millimetres;   // exactly as the table writes it
};

// A value the standard prints, as text with the digits it prints, and whether the
// table's errata list it as disagreeing with the profile's own geometry.
enum class PrintedFlag { None, Erratum, Convention };
struct PrintedValue {
    std::string_view column; // as the table names it: "Ix", "Wy0", "tga"
    std::string_view text;   // "83.58"
    PrintedFlag flag = PrintedFlag::None;
};

class Profile {
public:
    const Standard& standard() const { return *of; }
    std::string_view designation() const { return name; } // as the table writes it
    const std::vector<Dimension>& dimensions() const { return sizes; }
    // The dimension of that name in millimetres; 0 where the profile has none.
    Rational dimension(std::string_view name) const;
    const std::vector<PrintedValue>& printed() const { return values; }
    std::string_view source() const { return from; }

private:
    friend struct ProfileTables;
    const Standard* of = nullptr;
    std::string_view name, from;
    std::vector<Dimension> sizes;
    std::vector<PrintedValue> values;
};

// What a standard calls the section's axes: the centroidal ones along X and Y, and the
// principal ones of the greatest and the least moment (Iu and Iv of the figures). GOST 8509
// names these x0 and y0, GOST 8510 the least one u; the European tables call X and Y the
// axes y and z.
struct AxisNames {
    std::string_view x, y, greatest, least;
};
AxisNames AxesOf(const Standard& standard);

// Every standard, in the order a list offers them.
std::span<const Standard> Standards();
const Standard* FindStandard(std::string_view key);
// The standards whose keys come nearest to an unknown one, nearest first.
std::vector<const Standard*> NearestStandards(std::string_view key, std::size_t count = 3);

// The profiles of a standard, in the order of its table.
const std::vector<Profile>& ProfilesOf(const Standard& standard);

// The profile of a designation in any of its spellings: "6.5У" or "6,5у", "50x5" or "50х5"
// (a Cyrillic х), "L50x5" or "∟50×5", "IPE 200" or "200" under IPE; blanks are ignored,
// letters of either case, Latin letters that look like Cyrillic ones taken for them.
// Nothing when the standard has no such profile.
const Profile* FindProfile(const Standard& standard, std::string_view typed);
// The profiles whose designations begin as typed, for a list filtered while typing; every
// profile for an empty text.
std::vector<const Profile*> ProfilesBeginning(const Standard& standard, std::string_view typed);
// The designations nearest to an unknown one (fewest letters to change, then the nearest
// sizes), nearest first.
std::vector<const Profile*> NearestProfiles(const Standard& standard, std::string_view typed,
                                            std::size_t count = 5);

// The designation as the look-up compares it.
std::u32string FoldedDesignation(const Standard& standard, std::string_view typed);

} // namespace velkor::sortament
