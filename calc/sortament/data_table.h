#pragma once

// The rolled-section tables of data/sortament/, compiled into the program: each CSV file
// as its column names and its cells, text exactly as the file has it. The build generates
// the definition from the files themselves (generate_table.cpp), so that no installed file
// can go missing or be damaged at run time.

#include <cstddef>
#include <span>
#include <string_view>

namespace velkor::sortament {

struct DataTable {
    std::string_view name;                     // the file's name without ".csv"
    std::span<const std::string_view> columns; // its first line
    std::span<const std::string_view> cells;   // the other lines, one after another

    std::size_t rows() const { return cells.size() / columns.size(); }
    std::string_view cell(std::size_t row, std::size_t column) const
    {
        return cells[row * columns.size() + column];
    }
    // The index of a column, or columns.size() when the file has none of that name.
    std::size_t column(std::string_view columnName) const
    {
        std::size_t k = 0;
        while (k < columns.size() && columns[k] != columnName)
            ++k;
        return k;
    }
};

// Every table, in the order the build was given the files.
std::span<const DataTable> DataTables();

} // namespace velkor::sortament
