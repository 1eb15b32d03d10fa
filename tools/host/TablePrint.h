// The host's tables: a heading and rows of UTF-8 cells, every column but the
// last padded to its widest cell, two blanks between columns.
#pragma once

#include <string>
#include <vector>

namespace mvhost {

using TableRow = std::vector<std::string>;

// Columns flagged in `rightAligned` are padded on the left.
void PrintTable(const TableRow& heading, const std::vector<TableRow>& rows,
                const std::vector<bool>& rightAligned = std::vector<bool>());

}  // namespace mvhost
