// The language's replacements of the program's message texts. Every message
// table (engine, calculator, tasks, library, series, analysis, matrix, tools)
// reads through this one overlay, so applying a language reaches the tables
// wherever they were created. Keys are the tables' keys ("Error_Parse",
// "Err_SurplusNEXT", "Msg_DataFiles"), compared without regard to ASCII case.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace tarvix {

class MessageOverlay {
public:
    // Replaces the whole set of replacements at once (the keys as given).
    void Set(const std::map<std::string, std::string>& texts);
    // The built-in texts apply again.
    void Clear();
    // The replacement of the key, or nullptr.
    const std::string* Find(std::string_view key) const;
    bool Empty() const { return texts_.empty(); }

private:
    std::map<std::string, std::string, std::less<>> texts_;  // upper-cased key -> text
};

// The overlay of the running program (set when a language is applied).
MessageOverlay& LanguageMessages();

}  // namespace tarvix
