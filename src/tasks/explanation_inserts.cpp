// Window-state lines and variable texts for the explanation editor.
#include "tasks/explanation_inserts.h"

#include <algorithm>

namespace tarvix {

std::vector<std::string> WindowStateLines(const std::vector<OpenWindow>& windows) {
    static constexpr std::string_view kForms[] = {"MainForm", "ExprForm", "StatForm", "GrForm",
                                                  "FuncForm", "VarForm",  "LogForm",  "EdForm",
                                                  "DispForm", "ConstForm"};
    std::vector<std::string> lines;
    for (std::string_view form : kForms) {
        auto it = std::find_if(windows.begin(), windows.end(),
                               [form](const OpenWindow& w) { return w.FormName == form; });
        if (it == windows.end()) continue;
        std::string line = "open " + std::string(form) + ",";
        switch (it->Show) {
            case WindowShow::Minimized: line += "MINIMIZE"; break;
            case WindowShow::Maximized: line += "MAXIMIZE"; break;
            case WindowShow::Normal:
                line += std::to_string(it->Left) + "," + std::to_string(it->Top) + "," +
                        std::to_string(it->Width) + "," + std::to_string(it->Height);
                break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string VariableInsertText(std::string_view name, std::string_view valueText) {
    return std::string(name) + " = " + std::string(valueText);
}

std::string VectorInsertText(std::string_view name, const std::vector<std::string>& elements) {
    std::string text = "vector " + std::string(name) + " = (";
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i > 0) text += ";";
        text += elements[i];
    }
    return text + ")";
}

}  // namespace tarvix
