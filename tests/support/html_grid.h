#pragma once

// Lays the cells of an HTML table out as a browser does: each row's cells, in order, take the
// first free columns, a cell with rowspan or colspan taking the slots below and beside it. A
// table drawn with spans is only right when every row comes out exactly full. Plain C++, for
// the tests and the fuzz target alike.

#include <algorithm>
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

inline bool isHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Reads the start tag at `at` ("<" and its name) as an HTML parser does: attribute names in
// any case, values in double or single quotes or none, a ">" inside quotes no end. Calls
// `visit(name, value)` for each attribute and returns where the tag's ">" stands (the text's
// size when it has none).
template <typename Visit>
size_t scanStartTag(std::string_view text, size_t at, Visit visit) {
    const auto stopsName = [](char c) { return isHtmlSpace(c) || c == '/' || c == '>'; };
    size_t i = at + 1;
    while (i < text.size() && !stopsName(text[i])) ++i;
    for (;;) {
        while (i < text.size() && (isHtmlSpace(text[i]) || text[i] == '/')) ++i;
        if (i >= text.size() || text[i] == '>') return i;
        const size_t nameStart = i++;  // a name may start with "="
        while (i < text.size() && !stopsName(text[i]) && text[i] != '=') ++i;
        const std::string_view name = text.substr(nameStart, i - nameStart);
        size_t after = i;
        while (after < text.size() && isHtmlSpace(text[after])) ++after;
        std::string_view value;
        if (after < text.size() && text[after] == '=') {
            i = after + 1;
            while (i < text.size() && isHtmlSpace(text[i])) ++i;
            if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
                const size_t close = text.find(text[i], i + 1);
                const size_t end = close == std::string_view::npos ? text.size() : close;
                value = text.substr(i + 1, end - i - 1);
                i = end == text.size() ? end : end + 1;
            } else {
                const size_t valueStart = i;
                while (i < text.size() && !isHtmlSpace(text[i]) && text[i] != '>') ++i;
                value = text.substr(valueStart, i - valueStart);
            }
        }
        visit(name, value);
    }
}

// A cell's rowspan or colspan as a browser takes it: the first such attribute, its value's
// leading digits after blanks; 1 where there is none, none are digits, or the span is 0.
inline int spanAttribute(std::string_view tag, std::string_view name) {
    bool found = false;
    int span = 1;
    scanStartTag(tag, 0, [&](std::string_view attribute, std::string_view value) {
        if (found || attribute.size() != name.size()) return;
        for (size_t i = 0; i < name.size(); ++i) {
            if (asciiLower(attribute[i]) != name[i]) return;
        }
        found = true;
        size_t at = 0;
        while (at < value.size() && isHtmlSpace(value[at])) ++at;
        if (at < value.size() && value[at] == '+') ++at;
        long digits = 0;
        for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at)
            digits = std::min(digits * 10 + (value[at] - '0'), 65534L);
        if (digits > 0) span = int(digits);
    });
    return span;
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
            const size_t tagEnd = scanStartTag(table, cellAt, [](auto, auto) {});
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
