// The catalog of replaceable user-interface texts: section and key to text.
// Windows ask for a caption with its built-in Czech text; a language file may
// replace any of them, and windows re-apply captions when the language changes.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

class TextCatalog {
public:
    // The text of section/key: the replacement when one was loaded, otherwise
    // builtIn (which is remembered as the key's default).
    const std::string& Text(std::string_view section, std::string_view key,
                            std::string_view builtIn);
    // Replaces the text of section/key (sections and keys ignore ASCII case).
    void Replace(std::string_view section, std::string_view key, std::string text);
    // Forgets every replacement: the built-in texts apply again.
    void ResetToBuiltIn();
    bool HasReplacement(std::string_view section, std::string_view key) const;

    struct Entry {
        std::string Section;
        std::string Key;
        std::string Text;
    };
    // Every text asked for so far, with its current value (for a language file
    // template).
    std::vector<Entry> Entries() const;

private:
    struct Slot {
        std::string Section;
        std::string Key;
        std::string BuiltIn;
        std::string Replacement;
        bool Replaced = false;
    };
    static std::string MapKey(std::string_view section, std::string_view key);
    std::map<std::string, Slot> slots_;
};

}  // namespace tarvix
