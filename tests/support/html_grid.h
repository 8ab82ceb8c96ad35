#pragma once

// Lays the cells of an HTML table out as a browser does: each row's cells, in order, take the
// first free columns, a cell with rowspan or colspan taking the slots below and beside it. A
// table drawn with spans is only right when every row comes out exactly full. Plain C++, for
// the tests and the fuzz target alike.

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace kaztest {

struct GridCell {
    int row = 0;
    int column = 0;
    int rowspan = 1;
    int colspan = 1;
    std::string_view start;    // the start tag, "<TD" up to its ">"
    std::string_view content;  // up to "</TD"
};

struct TableGrid {
    int rows = 0;
    int columns = 0;
    std::vector<GridCell> cells;
    std::string problem;  // empty when every row is full and no cell overlaps another
};

inline int spanAttribute(std::string_view tag, std::string_view name) {
    const size_t at = tag.find(name);
    if (at == std::string_view::npos) return 1;
    const size_t quote = tag.find('"', at);
    return std::atoi(std::string(tag.substr(quote + 1)).c_str());
}

inline TableGrid layOutTable(std::string_view table) {
    TableGrid grid;
    std::vector<std::vector<bool>> taken;
    const auto slot = [&taken](int row, int column) -> std::vector<bool>::reference {
        if (taken.size() <= size_t(row)) taken.resize(size_t(row) + 1);
        std::vector<bool>& line = taken[size_t(row)];
        if (line.size() <= size_t(column)) line.resize(size_t(column) + 1);
        return line[size_t(column)];
    };
    size_t at = 0;
    int row = 0;
    while ((at = table.find("<TR", at)) != std::string_view::npos) {
        const size_t rowEnd = table.find("</TR>", at);
        if (rowEnd == std::string_view::npos) {
            grid.problem = "a row without its end";
            return grid;
        }
        int column = 0;
        size_t cellAt = at;
        while ((cellAt = table.find("<TD", cellAt)) < rowEnd) {
            GridCell cell;
            const size_t tagEnd = table.find('>', cellAt);
            cell.start = table.substr(cellAt, tagEnd + 1 - cellAt);
            const size_t contentEnd = table.find("</TD", tagEnd);
            cell.content = table.substr(tagEnd + 1, contentEnd - tagEnd - 1);
            cell.rowspan = spanAttribute(cell.start, "rowspan");
            cell.colspan = spanAttribute(cell.start, "colspan");
            while (column < int(taken.size() > size_t(row) ? taken[size_t(row)].size() : 0) &&
                   slot(row, column)) {
                ++column;
            }
            cell.row = row;
            cell.column = column;
            for (int r = row; r < row + cell.rowspan; ++r) {
                for (int c = column; c < column + cell.colspan; ++c) {
                    if (slot(r, c)) grid.problem = "cells overlap in row " + std::to_string(r);
                    slot(r, c) = true;
                }
            }
            column += cell.colspan;
            grid.cells.push_back(cell);
            cellAt = contentEnd;
        }
        at = rowEnd;
        ++row;
    }
    grid.rows = row;
    if (int(taken.size()) > row) grid.problem = "a cell reaches below the last row";
    for (const std::vector<bool>& line : taken) {
        if (int(line.size()) > grid.columns) grid.columns = int(line.size());
    }
    for (int r = 0; r < row && grid.problem.empty(); ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            if (!slot(r, c)) grid.problem = "row " + std::to_string(r) + " leaves a gap";
        }
    }
    return grid;
}

}  // namespace kaztest
