// Finding, listing and applying languages.
#include "storage/language.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "engine/message_overlay.h"
#include "engine/name_utils.h"
#include "storage/installation.h"

namespace tarvix {

LanguageFolders LanguageFolders::For(const XdgEnvironment& environment,
                                     const std::filesystem::path& shippedDataFolder) {
    LanguageFolders folders;
    const std::filesystem::path user = DataFolder(environment);
    if (!user.empty()) folders.User = user / "lang";
    if (!shippedDataFolder.empty()) folders.Shipped = shippedDataFolder / "lang";
    return folders;
}

LanguageFolders LanguageFolders::OfProcess() {
    return For(XdgEnvironment::FromProcess(), ShippedDataFolder());
}

std::string LanguageWord(std::string_view word) {
    if (word.empty()) return {};
    for (char c : word) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!plain) return {};
    }
    return ToUpperAscii(word);
}

namespace {

// The language files of one folder: upper-cased word to path.
std::map<std::string, std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
    std::map<std::string, std::filesystem::path> files;
    if (folder.empty()) return files;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::path& path = it->path();
        if (!EqualsNoCase(path.extension().string(), ".lng")) continue;
        std::error_code kind;
        if (!std::filesystem::is_regular_file(path, kind)) continue;
        const std::string word = LanguageWord(path.stem().string());
        if (!word.empty()) files.try_emplace(word, path);
    }
    return files;
}

}  // namespace

std::filesystem::path FindLanguageFile(const LanguageFolders& folders, std::string_view word) {
    const std::string name = LanguageWord(word);
    if (name.empty()) return {};
    for (const std::filesystem::path& folder : {folders.User, folders.Shipped}) {
        if (folder.empty()) continue;
        // The usual spelling first; a listing only when it is not there.
        std::error_code error;
        const std::filesystem::path exact = folder / (name + ".lng");
        if (std::filesystem::is_regular_file(exact, error)) return exact;
        const auto files = FilesIn(folder);
        if (const auto found = files.find(name); found != files.end()) return found->second;
    }
    return {};
}

std::vector<std::string> LanguageNames(const LanguageFolders& folders) {
    std::vector<std::string> names{std::string(kBuiltInLanguage)};
    for (const std::filesystem::path& folder : {folders.User, folders.Shipped}) {
        for (const auto& [word, path] : FilesIn(folder)) names.push_back(word);
    }
    std::sort(names.begin() + 1, names.end());
    names.erase(std::unique(names.begin() + 1, names.end()), names.end());
    names.erase(std::remove(names.begin() + 1, names.end(), std::string(kBuiltInLanguage)),
                names.end());
    return names;
}

namespace {

// The sections whose texts the message tables show.
bool IsMessageSection(std::string_view section) {
    return EqualsNoCase(section, "Error") || EqualsNoCase(section, "Err") ||
           EqualsNoCase(section, "Msg");
}

}  // namespace

void ApplyBuiltInLanguage(TextCatalog& catalog) {
    catalog.ResetToBuiltIn();
    LanguageMessages().Clear();
}

void ApplyLanguageTexts(TextCatalog& catalog, const LanguageFile& file) {
    std::map<std::string, std::string> messages;
    for (const LanguageEntry& entry : file.Entries) {
        if (!entry.Text.empty() && IsMessageSection(entry.Section))
            messages.try_emplace(entry.Key, entry.Text);
    }
    ApplyBuiltInLanguage(catalog);
    LanguageMessages().Set(messages);
    for (const LanguageEntry& entry : file.Entries) {
        // The first value of a repeated key counts, as in every profile file.
        if (entry.Text.empty() || catalog.HasReplacement(entry.Section, entry.Key)) continue;
        catalog.Replace(entry.Section, entry.Key, entry.Text);
    }
}

LanguageApplyResult ApplyLanguage(TextCatalog& catalog, const LanguageFolders& folders,
                                  std::string_view word) {
    LanguageApplyResult result;
    const std::string name = LanguageWord(word);
    const std::filesystem::path path = FindLanguageFile(folders, name);
    if (path.empty()) {
        ApplyBuiltInLanguage(catalog);
        result.Language = name.empty() ? std::string(kBuiltInLanguage) : name;
        return result;
    }
    LanguageReadResult read = ReadLanguageFile(path);
    if (!read.Ok) {
        result.Ok = false;
        result.Problems = std::move(read.Problems);
        return result;
    }
    ApplyLanguageTexts(catalog, read.File);
    result.FromFile = true;
    result.Language = read.File.Language.empty() ? name : read.File.Language;
    result.CountryId = read.File.CountryId;
    return result;
}

}  // namespace tarvix
