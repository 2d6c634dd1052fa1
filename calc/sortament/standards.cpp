#include "sortament/standards.h"

#include "sortament/data_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace velkor::sortament {
namespace {

using Shape = ProfileKind;

constexpr std::array<Standard, 11> StandardList = {{
    {"gost8239", "ГОСТ 8239-89", "Двутавры стальные горячекатаные", Shape::IBeam, "gost8239", "",
     12},
    {"gost8240u", "ГОСТ 8240-97", "Швеллеры с уклоном внутренних граней полок (серия У)",
     Shape::Channel, "gost8240_u", "", 10},
    {"gost8240p", "ГОСТ 8240-97", "Швеллеры с параллельными гранями полок (серия П)",
     Shape::Channel, "gost8240_p", "", 0},
    {"gost8509", "ГОСТ 8509-86", "Уголки стальные горячекатаные равнополочные", Shape::Angle,
     "gost8509", "", 0},
    {"gost8510", "ГОСТ 8510-86", "Уголки стальные горячекатаные неравнополочные", Shape::Angle,
     "gost8510", "", 0},
    {"gost26020", "ГОСТ 26020-83", "Двутавры стальные горячекатаные с параллельными гранями полок",
     Shape::IBeam, "gost26020", "", 0},
    {"gost57837", "ГОСТ Р 57837-2017",
     "Двутавры стальные горячекатаные с параллельными гранями полок", Shape::IBeam, "gost57837", "",
     0},
    {"ipe", "IPE", "Европейские двутавры IPE", Shape::IBeam, "euro_i", "IPE", 0},
    {"hea", "HEA", "Европейские широкополочные двутавры HEA", Shape::IBeam, "euro_i", "HEA", 0},
    {"heb", "HEB", "Европейские широкополочные двутавры HEB", Shape::IBeam, "euro_i", "HEB", 0},
    {"hem", "HEM", "Европейские широкополочные двутавры HEM", Shape::IBeam, "euro_i", "HEM", 0},
}};

// The columns that are dimensions, and those that describe the row rather than print a
// property of it.
constexpr std::array<std::string_view, 8> DimensionColumns = {"h", "b",  "B",  "s",
                                                              "t", "tw", "tf", "R"};
constexpr std::array<std::string_view, 8> RowColumns = {
    "designation", "number", "series", "type", "slope_pct", "source", "errata", "convention_diff"};

bool among(std::string_view name, std::span<const std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "12.5" → 125·10^-1, every digit kept.
Decimal decimalOf(std::string_view text, std::string_view where)
{
    Decimal value;
    std::string digits;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
            if (point)
                --value.exponent;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            throw std::logic_error("not a number in the rolled-section table: " +
                                   std::string(where));
        }
    }
    if (digits.empty())
        throw std::logic_error("not a number in the rolled-section table: " + std::string(where));
    value.significand = Integer(digits, 10);
    return value;
}

bool listed(std::string_view list, std::string_view column)
{
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(';'), list.size());
        if (list.substr(0, end) == column)
            return true;
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return false;
}

} // namespace

struct ProfileTables {
    std::array<std::vector<Profile>, StandardList.size()> profiles;

    ProfileTables()
    {
        for (std::size_t k = 0; k < StandardList.size(); ++k)
            profiles[k] = read(StandardList[k]);
    }

    static std::vector<Profile> read(const Standard& standard)
    {
        const auto tables = DataTables();
        const auto table = std::find_if(tables.begin(), tables.end(), [&](const DataTable& t) {
            return t.name == standard.table;
        });
        if (table == tables.end())
            throw std::logic_error("no rolled-section table " + std::string(standard.table));
        const std::size_t designation = table->column("designation");
        const std::size_t source = table->column("source");
        const std::size_t errata = table->column("errata");
        const std::size_t conventions = table->column("convention_diff");
        std::vector<Profile> profiles;
        for (std::size_t row = 0; row < table->rows(); ++row) {
            const std::string_view name = table->cell(row, designation);
            if (!name.starts_with(standard.prefix))
                continue;
            Profile p;
            p.of = &standard;
            p.name = name;
            p.from = source < table->columns.size() ? table->cell(row, source) : "";
            const std::string_view erratum =
                errata < table->columns.size() ? table->cell(row, errata) : "";
            const std::string_view convention =
                conventions < table->columns.size() ? table->cell(row, conventions) : "";
            for (std::size_t column = 0; column < table->columns.size(); ++column) {
                const std::string_view title = table->columns[column];
                const std::string_view text = table->cell(row, column);
                if (among(title, RowColumns) || text.empty())
                    continue;
                // "r" is the toe radius of the GOST tables and the root radius of the
                // European one: a dimension either way
                if (among(title, DimensionColumns) || title == "r") {
                    p.sizes.push_back({title, decimalOf(text, name)});
                    continue;
                }
                decimalOf(text, name); // every printed value must be a number
                p.values.push_back({title, text,
                                    listed(erratum, title)      ? PrintedFlag::Erratum
                                    : listed(convention, title) ? PrintedFlag::Convention
                                                                : PrintedFlag::None});
            }
            profiles.push_back(std::move(p));
        }
        return profiles;
    }
};

namespace {

const ProfileTables& tables()
{
    static const ProfileTables all;
    return all;
}

std::size_t indexOf(const Standard& standard)
{
    return static_cast<std::size_t>(&standard - StandardList.data());
}

// The code points of UTF-8 text; a malformed byte becomes U+FFFD.
std::u32string codePoints(std::string_view text)
{
    std::u32string out;
    for (std::size_t k = 0; k < text.size();) {
        const auto c = static_cast<unsigned char>(text[k]);
        const std::size_t length = c < 0x80           ? 1
                                   : (c >> 5) == 0x6  ? 2
                                   : (c >> 4) == 0xe  ? 3
                                   : (c >> 3) == 0x1e ? 4
                                                      : 0;
        char32_t point = length == 1 ? c : length == 2 ? c & 0x1f : length == 3 ? c & 0xf : c & 7;
        bool valid = length != 0 && k + length <= text.size();
        for (std::size_t j = 1; valid && j < length; ++j) {
            const auto next = static_cast<unsigned char>(text[k + j]);
            valid = (next >> 6) == 2;
            point = (point << 6) | (next & 0x3f);
        }
        out += valid ? point : U'\uFFFD';
        k += valid ? length : 1;
    }
    return out;
}

// One character as the look-up compares it: upper case, Latin letters that look like
// Cyrillic ones as those, every sign of multiplication as "x", "," as "."; 0 to drop it.
char32_t folded(char32_t c)
{
    if (c == U' ' || c == U'\t' || c == U'\u00a0' || c == U'\u2009' || c == U'\u202f' ||
        c == U'\u221f' || c == U'\u2220')
        return 0;
    if (c == U'x' || c == U'X' || c == U'\u00d7' || c == U'\u0445' || c == U'\u0425' || c == U'*')
        return U'x';
    if (c == U',')
        return U'.';
    if (c >= U'a' && c <= U'z')
        c -= 0x20;
    if (c >= U'\u0430' && c <= U'\u044f')
        c -= 0x20;
    if (c == U'\u0451')
        c = U'\u0401';
    constexpr std::array<std::pair<char32_t, char32_t>, 11> lookAlikes = {{{U'A', U'\u0410'},
                                                                           {U'B', U'\u0412'},
                                                                           {U'C', U'\u0421'},
                                                                           {U'E', U'\u0415'},
                                                                           {U'H', U'\u041d'},
                                                                           {U'K', U'\u041a'},
                                                                           {U'M', U'\u041c'},
                                                                           {U'O', U'\u041e'},
                                                                           {U'P', U'\u0420'},
                                                                           {U'T', U'\u0422'},
                                                                           {U'Y', U'\u0423'}}};
    for (const auto& [latin, cyrillic] : lookAlikes)
        if (c == latin)
            return cyrillic;
    return c;
}

std::u32string foldedText(std::string_view text)
{
    std::u32string out;
    for (const char32_t c : codePoints(text))
        if (const char32_t f = folded(c))
            out += f;
    return out;
}

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// No designation is longer than this: a longer text is compared by its beginning, so that
// a line of many kilobytes costs no more than a short one.
constexpr std::size_t ComparedLength = 64;

std::size_t editDistance(const std::u32string& a, const std::u32string& b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The numbers of a designation ("20", "1" of "20Б1"; "63", "40", "5" of "63x40x5"), as
// doubles for ordering only.
std::vector<double> sizesOf(const std::u32string& folded)
{
    std::vector<double> sizes;
    for (std::size_t k = 0; k < folded.size();) {
        if (!isDigit(folded[k])) {
            ++k;
            continue;
        }
        double size = 0, scale = 0;
        for (; k < folded.size() && (isDigit(folded[k]) || folded[k] == U'.'); ++k) {
            if (folded[k] == U'.') {
                scale = 1;
                continue;
            }
            size = size * 10 + static_cast<double>(folded[k] - U'0');
            scale *= 10;
        }
        sizes.push_back(scale > 0 ? size / scale : size);
    }
    return sizes;
}

// How far apart two designations' numbers are, number by number; a number one of them
// lacks counts as far as the largest.
double sizesApart(const std::vector<double>& a, const std::vector<double>& b)
{
    double apart = 0;
    for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k)
        apart += k < a.size() && k < b.size() ? std::abs(a[k] - b[k]) : 1e6;
    return apart;
}

std::u32string withoutPrefix(const Standard& standard, std::u32string folded)
{
    const std::u32string prefix = foldedText(standard.prefix);
    if (!prefix.empty() && folded.starts_with(prefix))
        folded.erase(0, prefix.size());
    return folded;
}

} // namespace

Rational Profile::dimension(std::string_view dimensionName) const
{
    for (const Dimension& d : sizes)
        if (d.name == dimensionName)
            return ToRational(d.millimetres);
    return 0;
}

AxisNames AxesOf(const Standard& standard)
{
    if (!standard.prefix.empty())
        return {"y", "z", "y", "z"};
    if (standard.key == "gost8509")
        return {"x", "y", "x0", "y0"};
    if (standard.key == "gost8510")
        return {"x", "y", "v", "u"};
    return {"x", "y", "u", "v"};
}

std::span<const Standard> Standards()
{
    return StandardList;
}

const Standard* FindStandard(std::string_view key)
{
    for (const Standard& standard : StandardList)
        if (standard.key == key)
            return &standard;
    return nullptr;
}

std::vector<const Standard*> NearestStandards(std::string_view key, std::size_t count)
{
    std::u32string typed = codePoints(key);
    typed.resize(std::min(typed.size(), ComparedLength));
    std::vector<std::pair<std::size_t, const Standard*>> ranked;
    for (const Standard& standard : StandardList) {
        const std::u32string candidate = codePoints(standard.key);
        // a key that begins as typed ("gost8240") is as near as can be
        const std::size_t distance =
            candidate.starts_with(typed) && !typed.empty() ? 0 : editDistance(typed, candidate);
        ranked.emplace_back(distance, &standard);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const Standard*> nearest;
    for (std::size_t k = 0; k < ranked.size() && k < count; ++k)
        nearest.push_back(ranked[k].second);
    return nearest;
}

const std::vector<Profile>& ProfilesOf(const Standard& standard)
{
    return tables().profiles.at(indexOf(standard));
}

std::u32string FoldedDesignation(const Standard& standard, std::string_view typed)
{
    std::u32string folded = foldedText(typed);
    if (standard.kind == ProfileKind::Angle) {
        // "L50x5": the sign of an angle in front
        if (!folded.empty() && folded.front() == U'L')
            folded.erase(0, 1);
        // an equal angle written with both legs: "50x50x5"
        const std::size_t first = folded.find(U'x');
        const std::size_t second =
            first == std::u32string::npos ? first : folded.find(U'x', first + 1);
        if (second != std::u32string::npos &&
            folded.substr(0, first) == folded.substr(first + 1, second - first - 1) &&
            standard.key == "gost8509")
            folded.erase(first, second - first);
    }
    // "200" under IPE is IPE200
    const std::u32string prefix = foldedText(standard.prefix);
    if (!prefix.empty() && !folded.starts_with(prefix))
        folded.insert(0, prefix);
    return folded;
}

const Profile* FindProfile(const Standard& standard, std::string_view typed)
{
    const std::u32string wanted = FoldedDesignation(standard, typed);
    for (const Profile& profile : ProfilesOf(standard))
        if (FoldedDesignation(standard, profile.designation()) == wanted)
            return &profile;
    return nullptr;
}

std::vector<const Profile*> ProfilesBeginning(const Standard& standard, std::string_view typed)
{
    const std::u32string wanted = FoldedDesignation(standard, typed);
    std::vector<const Profile*> found;
    for (const Profile& profile : ProfilesOf(standard))
        if (FoldedDesignation(standard, profile.designation()).starts_with(wanted))
            found.push_back(&profile);
    return found;
}

std::vector<const Profile*> NearestProfiles(const Standard& standard, std::string_view typed,
                                            std::size_t count)
{
    std::u32string wanted = withoutPrefix(standard, FoldedDesignation(standard, typed));
    wanted.resize(std::min(wanted.size(), ComparedLength));
    const std::vector<double> sizes = sizesOf(wanted);
    struct Ranked {
        std::size_t distance;
        double sizeApart;
        const Profile* profile;
    };
    std::vector<Ranked> ranked;
    for (const Profile& profile : ProfilesOf(standard)) {
        const std::u32string candidate =
            withoutPrefix(standard, FoldedDesignation(standard, profile.designation()));
        ranked.push_back(
            {editDistance(wanted, candidate), sizesApart(sizes, sizesOf(candidate)), &profile});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.sizeApart < b.sizeApart;
    });
    std::vector<const Profile*> nearest;
    for (std::size_t k = 0; k < ranked.size() && k < count; ++k)
        nearest.push_back(ranked[k].profile);
    return nearest;
}

} // namespace velkor::sortament
