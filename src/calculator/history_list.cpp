// History lists of the combo boxes and the recent results.
#include "calculator/history_list.h"

#include <algorithm>

namespace tarvix {
namespace {

// Makes room for one more entry at the top of a list held to `limit` entries.
void DropBeyondLimit(std::vector<std::string>& list, int limit) {
    const std::size_t keep = static_cast<std::size_t>(std::max(limit, 1)) - 1;
    if (list.size() > keep) list.resize(keep);
}

}  // namespace

void AddToHistory(std::vector<std::string>& list, std::string_view text, int limit) {
    if (text.empty()) return;
    auto it = std::find(list.begin(), list.end(), text);
    if (it != list.end()) {
        std::rotate(list.begin(), it, it + 1);
        return;
    }
    DropBeyondLimit(list, limit);
    list.insert(list.begin(), std::string(text));
}

void AddRecentResult(std::vector<std::string>& list, std::string_view text, int limit) {
    DropBeyondLimit(list, limit);
    list.insert(list.begin(), std::string(text));
}

std::string JoinLines(const std::vector<std::string>& list) {
    std::string out;
    for (const auto& line : list) {
        if (!out.empty()) out += '\n';
        out += line;
    }
    return out;
}

}  // namespace tarvix
