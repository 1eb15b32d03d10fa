#include "TablePrint.h"

#include <algorithm>

#include "ConsoleText.h"

namespace mvhost {

void PrintTable(const TableRow& heading, const std::vector<TableRow>& rows, const std::vector<bool>& rightAligned) {
    std::vector<size_t> widths(heading.size(), 0);
    auto measure = [&widths](const TableRow& row) {
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
    };
    measure(heading);
    for (const TableRow& row : rows) measure(row);
    auto line = [&](const TableRow& row) {
        std::string text;
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += "  ";
            const bool last = i + 1 == row.size();
            const size_t width = i < widths.size() ? widths[i] : 0;
            const size_t shown = DisplayWidth(row[i]);
            const std::string fill(last || shown >= width ? 0 : width - shown, ' ');
            const bool right = i < rightAligned.size() && rightAligned[i];
            text += right ? fill + row[i] : row[i] + fill;
        }
        return text + "\n";
    };
    std::string text = line(heading);
    for (const TableRow& row : rows) text += line(row);
    Print(text);
}

}  // namespace mvhost
