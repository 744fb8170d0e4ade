// The x-y text files the detailed chart loads: one point per line, the
// column separator decided by the first non-empty line (blank, ";", TAB, or a
// single column of y values), decimal commas accepted, lines that do not
// read skipped. Runs of blanks count as one separator, so aligned columns
// and the program's own series files load.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvix {

struct XyData {
    std::vector<double> X;
    std::vector<double> Y;
};

XyData ParseXyText(std::string_view text);
// Nothing when the file cannot be read or has a line longer than the cap.
std::optional<XyData> ReadXyFile(const std::filesystem::path& file);

}  // namespace tarvix
