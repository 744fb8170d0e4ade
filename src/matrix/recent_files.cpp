// The recent worksheet files, kept by the rule of every recent-text list.
#include "matrix/recent_files.h"

#include "calculator/history_list.h"
#include "matrix/worksheet_file.h"

namespace tarvix {

void RecentFiles::SetLimit(int limit) {
    limit_ = limit < 1 ? 1 : limit;
    if (static_cast<int>(entries_.size()) > limit_) entries_.resize(static_cast<std::size_t>(limit_));
}

void RecentFiles::SetEntries(std::vector<std::string> entries) {
    entries_.clear();
    // Oldest first, so the first entry ends at the top.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) Add(*it);
}

void RecentFiles::Add(std::string_view path) { AddToHistory(entries_, path, limit_); }

bool RecentFiles::Openable(std::string_view path, bool variantWindowActive) {
    return !variantWindowActive || FileFormatOf(path) == WorksheetFileFormat::Text;
}

}  // namespace tarvix
