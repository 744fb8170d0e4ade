// Reading and writing the GemForm, GemVForm and HistoryList sections.
#include "storage/worksheet_settings.h"

#include <string_view>

namespace tarvix {
namespace {

constexpr std::string_view kGemForm = "GemForm";
constexpr std::string_view kGemVForm = "GemVForm";
constexpr std::string_view kRecent = "HistoryList";

// A window state outside normal/minimised/maximised reads as normal.
int CorrectState(int state) {
    return state == kWindowMinimized || state == kWindowMaximized ? state : kWindowNormal;
}

// The keys both worksheet windows share: position, size and window state.
template <typename Placement>
void ReadGeometry(const Settings& settings, std::string_view section, Placement& p) {
    p.Left = settings.OptionalInteger(section, "Left");
    p.Top = settings.OptionalInteger(section, "Top");
    p.Width = settings.Int(section, "Width");
    p.Width1 = settings.Int(section, "Width1");
    p.Height = settings.Int(section, "Height");
    p.WindowState = CorrectState(settings.Int(section, "WindowState"));
}

template <typename Placement>
void WriteGeometry(const Placement& p, Settings& settings, std::string_view section) {
    settings.SetOptionalInteger(section, "Left", p.Left);
    settings.SetOptionalInteger(section, "Top", p.Top);
    settings.SetInteger(section, "Width", p.Width);
    settings.SetInteger(section, "Width1", p.Width1);
    settings.SetInteger(section, "Height", p.Height);
    settings.SetInteger(section, "WindowState", p.WindowState);
}

}  // namespace

GemFormPlacement ReadGemFormPlacement(const Settings& settings) {
    GemFormPlacement p;
    ReadGeometry(settings, kGemForm, p);
    p.RWidth = settings.Int(kGemForm, "RWidth");
    p.Height1 = settings.Int(kGemForm, "Height1");
    return p;
}

void WriteGemFormPlacement(const GemFormPlacement& p, Settings& settings) {
    WriteGeometry(p, settings, kGemForm);
    settings.SetInteger(kGemForm, "RWidth", p.RWidth);
    settings.SetInteger(kGemForm, "Height1", p.Height1);
}

GemVFormPlacement ReadGemVFormPlacement(const Settings& settings) {
    GemVFormPlacement p;
    ReadGeometry(settings, kGemVForm, p);
    p.LUpDown = settings.Int(kGemVForm, "LUpDown");
    p.RUpDown = settings.Int(kGemVForm, "RUpDown");
    return p;
}

void WriteGemVFormPlacement(const GemVFormPlacement& p, Settings& settings) {
    WriteGeometry(p, settings, kGemVForm);
    settings.SetInteger(kGemVForm, "LUpDown", p.LUpDown);
    settings.SetInteger(kGemVForm, "RUpDown", p.RUpDown);
}

std::vector<std::string> ReadRecentWorksheets(const Settings& settings) {
    return settings.List(kRecent);
}

void WriteRecentWorksheets(const std::vector<std::string>& files, Settings& settings) {
    settings.SetList(kRecent, files);
}

}  // namespace tarvix
