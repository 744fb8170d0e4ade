// Reading and writing the ExprForm, FindForm and FindCategory sections.
#include "tasks/library_settings.h"

#include <string_view>

namespace tarvix {
namespace {

constexpr std::string_view kExprForm = "ExprForm";
constexpr std::string_view kFindForm = "FindForm";
constexpr std::string_view kFindCategory = "FindCategory";

// The keys both windows share: position, size and window state.
template <typename Values>
void ReadGeometry(const Settings& settings, std::string_view section, Values& v) {
    v.Left = settings.OptionalInteger(section, "Left");
    v.Top = settings.OptionalInteger(section, "Top");
    v.Width = settings.Int(section, "Width");
    v.Height = settings.Int(section, "Height");
    v.WindowState = settings.Int(section, "WindowState");
}

template <typename Values>
void WriteGeometry(const Values& v, Settings& settings, std::string_view section) {
    settings.SetOptionalInteger(section, "Left", v.Left);
    settings.SetOptionalInteger(section, "Top", v.Top);
    settings.SetInteger(section, "Width", v.Width);
    settings.SetInteger(section, "Height", v.Height);
    settings.SetInteger(section, "WindowState", v.WindowState);
}

}  // namespace

ExprFormSettings ReadExprFormSettings(const Settings& settings) {
    ExprFormSettings v;
    ReadGeometry(settings, kExprForm, v);
    v.Width0 = settings.Int(kExprForm, "Width0");
    v.Width1 = settings.Int(kExprForm, "Width1");
    v.Width2 = settings.Int(kExprForm, "Width2");
    v.Height1 = settings.Int(kExprForm, "Height1");
    v.FontName = settings.String(kExprForm, "FontName");
    v.FontSize = settings.Int(kExprForm, "FontSize");
    v.FontStyle = settings.Int(kExprForm, "FontStyle");
    v.SelectedTreeNode = settings.String(kExprForm, "SelectedTreeNode");
    v.SelectedGridRow = settings.Int(kExprForm, "SelectedGridRow");
    v.TopGridRow = settings.Int(kExprForm, "TopGridRow");
    v.LibraryFileName = settings.String(kExprForm, "LibraryFileName");
    v.ComboWidth = settings.Int(kExprForm, "ComboWidth");
    return v;
}

void WriteExprFormSettings(const ExprFormSettings& v, Settings& settings) {
    WriteGeometry(v, settings, kExprForm);
    settings.SetInteger(kExprForm, "Width0", v.Width0);
    settings.SetInteger(kExprForm, "Width1", v.Width1);
    settings.SetInteger(kExprForm, "Width2", v.Width2);
    settings.SetInteger(kExprForm, "Height1", v.Height1);
    settings.SetString(kExprForm, "FontName", v.FontName);
    settings.SetInteger(kExprForm, "FontSize", v.FontSize);
    settings.SetInteger(kExprForm, "FontStyle", v.FontStyle);
    settings.SetString(kExprForm, "SelectedTreeNode", v.SelectedTreeNode);
    settings.SetInteger(kExprForm, "SelectedGridRow", v.SelectedGridRow);
    settings.SetInteger(kExprForm, "TopGridRow", v.TopGridRow);
    settings.SetString(kExprForm, "LibraryFileName", v.LibraryFileName);
    settings.SetInteger(kExprForm, "ComboWidth", v.ComboWidth);
}

FindFormSettings ReadFindFormSettings(const Settings& settings) {
    FindFormSettings v;
    ReadGeometry(settings, kFindForm, v);
    v.Width0 = settings.Int(kFindForm, "Width0");
    return v;
}

void WriteFindFormSettings(const FindFormSettings& v, Settings& settings) {
    WriteGeometry(v, settings, kFindForm);
    settings.SetInteger(kFindForm, "Width0", v.Width0);
}

std::vector<std::string> ReadFindHistory(const Settings& settings) {
    return settings.List(kFindCategory);
}

void WriteFindHistory(const std::vector<std::string>& history, Settings& settings) {
    settings.SetList(kFindCategory, history);
}

int FindHistoryLimit(const Settings& settings) {
    return settings.Int("HistoryLimits", "ExprComboBox");
}

}  // namespace tarvix
