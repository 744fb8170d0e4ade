// The autostart desktop entry.
#include "storage/autostart_entry.h"

#include "storage/atomic_file.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

// A desktop entry's Exec argument: quoted, with the characters the
// desktop-entry format reserves inside quotes escaped.
std::string QuotedArgument(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

fs::path AutostartEntryPath(const XdgEnvironment& environment) {
    const fs::path settings = SettingsFolder(environment);
    if (settings.empty()) return {};
    return settings.parent_path() / "autostart" / "tarvix.desktop";
}

std::string AutostartEntryText(const fs::path& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tarvix\n"
           "Exec=" + QuotedArgument(executable.string()) + " --minimized\n"
           "Icon=tarvix\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::error_code WriteAutostartEntry(const fs::path& entry, const fs::path& executable) {
    if (std::error_code error = EnsureFolder(entry.parent_path())) return error;
    return WriteFileAtomically(entry, AutostartEntryText(executable)).error;
}

std::error_code RemoveAutostartEntry(const fs::path& entry) {
    std::error_code error;
    fs::remove(entry, error);
    return error;
}

}  // namespace tarvix
