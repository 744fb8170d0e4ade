// The list of recently opened or saved worksheet files that the "Otevřít
// minulý" menu shows: the newest first, an existing entry moves to the top,
// the oldest goes when the list is full.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

class RecentFiles {
public:
    explicit RecentFiles(int limit = 8) : limit_(limit < 1 ? 1 : limit) {}

    const std::vector<std::string>& Entries() const { return entries_; }
    int Limit() const { return limit_; }
    // A smaller limit drops the oldest entries at once.
    void SetLimit(int limit);
    void SetEntries(std::vector<std::string> entries);
    // A successful open or save: the full file name goes to the top.
    void Add(std::string_view path);

    // While the variant window is active only text files can be opened from
    // the list (its file form is text only).
    static bool Openable(std::string_view path, bool variantWindowActive);

private:
    int limit_;
    std::vector<std::string> entries_;
};

}  // namespace tarvix
