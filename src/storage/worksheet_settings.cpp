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

}  // namespace

GemFormPlacement ReadGemFormPlacement(const Settings& settings) {
    GemFormPlacement p;
    p.Left = settings.OptionalInteger(kGemForm, "Left");
    p.Top = settings.OptionalInteger(kGemForm, "Top");
    p.Width = settings.Int(kGemForm, "Width");
    p.Width1 = settings.Int(kGemForm, "Width1");
    p.RWidth = settings.Int(kGemForm, "RWidth");
    p.Height = settings.Int(kGemForm, "Height");
    p.Height1 = settings.Int(kGemForm, "Height1");
    p.WindowState = CorrectState(settings.Int(kGemForm, "WindowState"));
    return p;
}

void WriteGemFormPlacement(const GemFormPlacement& p, Settings& settings) {
    settings.SetOptionalInteger(kGemForm, "Left", p.Left);
    settings.SetOptionalInteger(kGemForm, "Top", p.Top);
    settings.SetInteger(kGemForm, "Width", p.Width);
    settings.SetInteger(kGemForm, "Width1", p.Width1);
    settings.SetInteger(kGemForm, "RWidth", p.RWidth);
    settings.SetInteger(kGemForm, "Height", p.Height);
    settings.SetInteger(kGemForm, "Height1", p.Height1);
    settings.SetInteger(kGemForm, "WindowState", p.WindowState);
}

GemVFormPlacement ReadGemVFormPlacement(const Settings& settings) {
    GemVFormPlacement p;
    p.Left = settings.OptionalInteger(kGemVForm, "Left");
    p.Top = settings.OptionalInteger(kGemVForm, "Top");
    p.Width = settings.Int(kGemVForm, "Width");
    p.Width1 = settings.Int(kGemVForm, "Width1");
    p.Height = settings.Int(kGemVForm, "Height");
    p.LUpDown = settings.Int(kGemVForm, "LUpDown");
    p.RUpDown = settings.Int(kGemVForm, "RUpDown");
    p.WindowState = CorrectState(settings.Int(kGemVForm, "WindowState"));
    return p;
}

void WriteGemVFormPlacement(const GemVFormPlacement& p, Settings& settings) {
    settings.SetOptionalInteger(kGemVForm, "Left", p.Left);
    settings.SetOptionalInteger(kGemVForm, "Top", p.Top);
    settings.SetInteger(kGemVForm, "Width", p.Width);
    settings.SetInteger(kGemVForm, "Width1", p.Width1);
    settings.SetInteger(kGemVForm, "Height", p.Height);
    settings.SetInteger(kGemVForm, "LUpDown", p.LUpDown);
    settings.SetInteger(kGemVForm, "RUpDown", p.RUpDown);
    settings.SetInteger(kGemVForm, "WindowState", p.WindowState);
}

std::vector<std::string> ReadRecentWorksheets(const Settings& settings) {
    return settings.List(kRecent);
}

void WriteRecentWorksheets(const std::vector<std::string>& files, Settings& settings) {
    settings.SetList(kRecent, files);
}

}  // namespace tarvix
