// The table of windows and their help pages.
#include "ui/help/help_windows.h"

#include <QMetaObject>
#include <QWidget>

#include "analysis/stat_window.h"
#include "ui/chart/chart_examples_dialog.h"
#include "ui/statistics/stat_form.h"

namespace tarvix {
namespace {

HelpTopic StatFormTopic(QWidget* window) {
    auto* form = qobject_cast<TStatForm*>(window);
    if (form && form->Model().RegressionMode()) return {"regression.html", ""};
    return {"statistics.html", ""};
}

HelpTopic ChartExamplesTopic(QWidget* window) {
    auto* dialog = qobject_cast<TChartExamplesDialog*>(window);
    if (!dialog) return {"chart_examples.html", ""};
    switch (dialog->List()) {
        case ExampleList::Parametric:
            return {"chart_examples.html", "parametric"};
        case ExampleList::Cartesian:
            return {"chart_examples.html", "cartesian"};
        case ExampleList::Expansion:
            return {"chart_examples.html", "expansion"};
    }
    return {"chart_examples.html", ""};
}

// The windows of the program (those still to come are listed by the class
// names they will have, so that F1 works as soon as they exist).
constexpr HelpWindowRow kWindows[] = {
    {"TMainForm", {"main_window.html", ""}},
    {"TVarForm", {"variable_list.html", ""}},
    {"TFuncForm", {"function_list.html", ""}},
    {"TLogForm", {"history.html", ""}},
    {"TParamDlg", {"series_parameters.html", ""}},
    {"TGrForm", {"chart.html", ""}},
    {"TChartTextsDialog", {"chart.html", "texts"}},
    {"TChartExamplesDialog", {"chart_examples.html", ""}, ChartExamplesTopic},
    {"TStatForm", {"statistics.html", ""}, StatFormTopic},
    {"TStatSForm", {"statistics.html", "report"}},
    {"TGemForm", {"worksheet.html", ""}},
    {"TGemVForm", {"variants.html", ""}},
    {"TMemForm", {"matrix_memory.html", ""}},
    {"TConvForm", {"unit_conversion.html", ""}},
    {"TDateForm", {"period.html", ""}},
    {"THolidayListDialog", {"period.html", "holidays"}},
    {"TConstForm", {"constants.html", "user"}},
    {"TExprForm", {"library.html", ""}},
    {"TFindForm", {"library_search.html", ""}},
    {"TEdForm", {"task_output_window.html", ""}},
    {"TPrefForm", {"preferences.html", ""}},
    {"TDispForm", {"expression_editor.html", ""}},
    {"TTipsForm", {"tips.html", ""}},
    {"THelpForm", {"help.html", ""}},
};

std::string_view ClassName(const QWidget* window) {
    std::string_view name = window->metaObject()->className();
    const std::size_t scope = name.rfind(':');
    if (scope != std::string_view::npos) name.remove_prefix(scope + 1);
    return name;
}

}  // namespace

std::span<const HelpWindowRow> HelpWindowTable() {
    return kWindows;
}

HelpTopic TopicOfWindow(QWidget* window) {
    for (QWidget* w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        const std::string_view name = ClassName(w);
        for (const HelpWindowRow& row : kWindows) {
            if (row.WindowClass == name) return row.ModeTopic ? row.ModeTopic(w) : row.Topic;
        }
    }
    return kHelpContentsTopic;
}

}  // namespace tarvix
