#include "about/SurveyLines.h"

namespace about {

std::u16string SurveyLine(const std::array<std::u16string, networks::kColumnCount>& cells) {
    std::u16string line;
    for (size_t column = 0; column < cells.size(); ++column) {
        line += cells[column];
        if (cells[column].size() < kSurveyColumnWidths[column]) {
            line.append(kSurveyColumnWidths[column] - cells[column].size(), u' ');
        }
    }
    line += u"\r\n";
    return line;
}

} // namespace about
