// The task output window's logic: proposed file name, caret text, file text.
#include "ui/tasks/task_output.h"

#include "calculator/text_trim.h"

namespace tarvix {
namespace {

// A number right-aligned in `width` places.
std::string Padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string ProposedOutputFileName(std::string_view caption) {
    const std::size_t dash = caption.find('-');
    if (dash == std::string_view::npos) return {};
    std::string name(TrimBlanks(caption.substr(dash + 1)));
    if (name.empty()) return {};
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20) {
            c = '_';
        }
    }
    return name + ".txt";
}

std::string OutputPositionText(std::string_view pattern, int line, int column) {
    // The pattern's two number fields ("%3d" or "%d"), filled in order; the
    // text is never handed to printf.
    std::string text;
    const int values[2] = {line, column};
    int next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && next < 2) {
            std::size_t j = i + 1;
            std::size_t width = 0;
            while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9') {
                width = width * 10 + static_cast<std::size_t>(pattern[j] - '0');
                ++j;
            }
            if (j < pattern.size() && pattern[j] == 'd' && width < 20) {
                text += Padded(values[next++], width);
                i = j;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string OutputFileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace tarvix
