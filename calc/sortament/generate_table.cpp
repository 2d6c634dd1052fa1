// generate_table: writes the C++ definition of DataTables() from the sortament CSV files.
//
//   generate_table OUTPUT.cpp FILE.csv ...
//
// Each file becomes one table named after it, its cells kept as the text they are. A file
// that is not a table (lines of different lengths, no "designation" column, a designation
// missing or given twice, bytes that are not UTF-8) stops the build with a message.

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Table {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

[[noreturn]] void fail(const std::string& file, std::size_t line, const std::string& why)
{
    std::cerr << file << ':' << line << ": " << why << '\n';
    std::exit(1);
}

bool validUtf8(const std::string& text)
{
    for (std::size_t k = 0; k < text.size();) {
        const auto c = static_cast<unsigned char>(text[k]);
        const std::size_t length = c < 0x80         ? 1
                                   : (c >> 5) == 6  ? 2
                                   : (c >> 4) == 14 ? 3
                                   : (c >> 3) == 30 ? 4
                                                    : 0;
        if (length == 0 || k + length > text.size())
            return false;
        for (std::size_t j = 1; j < length; ++j)
            if ((static_cast<unsigned char>(text[k + j]) >> 6) != 2)
                return false;
        k += length;
    }
    return true;
}

// One line's fields: separated by commas, a field in double quotes may hold commas and
// doubled quotes.
std::vector<std::string> fields(const std::string& line, const std::string& file,
                                std::size_t number)
{
    std::vector<std::string> result(1);
    bool quoted = false;
    for (std::size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (quoted) {
            if (c == '"' && k + 1 < line.size() && line[k + 1] == '"')
                result.back() += line[++k];
            else if (c == '"')
                quoted = false;
            else
                result.back() += c;
        } else if (c == '"' && result.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            result.emplace_back();
        } else {
            result.back() += c;
        }
    }
    if (quoted)
        fail(file, number, "a quote that is not closed");
    return result;
}

Table read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail(path, 0, "cannot be read");
    Table table{std::filesystem::path(path).stem().string(), {}, {}};
    std::set<std::string> designations;
    std::string line;
    std::size_t designation = 0;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (!validUtf8(line))
            fail(path, number, "bytes that are not UTF-8");
        auto cells = fields(line, path, number);
        if (table.columns.empty()) {
            table.columns = std::move(cells);
            while (designation < table.columns.size() &&
                   table.columns[designation] != "designation")
                ++designation;
            if (designation == table.columns.size())
                fail(path, number, "no column \"designation\"");
            continue;
        }
        if (cells.size() != table.columns.size())
            fail(path, number,
                 std::to_string(cells.size()) + " fields, the first line has " +
                     std::to_string(table.columns.size()));
        if (cells[designation].empty())
            fail(path, number, "no designation");
        if (!designations.insert(cells[designation]).second)
            fail(path, number, "designation " + cells[designation] + " given twice");
        table.rows.push_back(std::move(cells));
    }
    if (table.rows.empty())
        fail(path, 0, "no rows");
    return table;
}

// A C++ string literal of the bytes: bytes beyond ASCII as octal escapes, which unlike
// hexadecimal ones cannot run into the characters after them.
std::string literal(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string identifier(const std::string& name)
{
    std::string out;
    for (const char c : name)
        out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: generate_table OUTPUT.cpp FILE.csv ...\n";
        return 64;
    }
    std::vector<Table> tables;
    for (int k = 2; k < argc; ++k)
        tables.push_back(read(argv[k]));

    std::ostringstream out;
    out << "// Generated from data/sortament/ by calc/sortament/generate_table.cpp: do not edit.\n"
           "#include \"sortament/data_table.h\"\n\n"
           "namespace velkor::sortament {\nnamespace {\n\n";
    for (const Table& table : tables) {
        const std::string id = identifier(table.name);
        out << "constexpr std::string_view " << id << "Columns[] = {";
        for (const std::string& column : table.columns)
            out << literal(column) << ", ";
        out << "};\nconstexpr std::string_view " << id << "Cells[] = {\n";
        for (const auto& row : table.rows) {
            out << "   ";
            for (const std::string& cell : row)
                out << ' ' << literal(cell) << ',';
            out << '\n';
        }
        out << "};\n\n";
    }
    out << "constexpr DataTable Tables[] = {\n";
    for (const Table& table : tables) {
        const std::string id = identifier(table.name);
        out << "    {" << literal(table.name) << ", " << id << "Columns, " << id << "Cells},\n";
    }
    out << "};\n\n} // namespace\n\n"
           "std::span<const DataTable> DataTables()\n{\n    return Tables;\n}\n\n"
           "} // namespace velkor::sortament\n";

    // written only when it changes, so that an unchanged table compiles nothing again
    const std::string text = out.str();
    {
        std::ifstream existing(argv[1], std::ios::binary);
        std::ostringstream old;
        old << existing.rdbuf();
        if (existing && old.str() == text)
            return 0;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "generate_table: cannot write " << argv[1] << '\n';
        return 74;
    }
    return 0;
}
