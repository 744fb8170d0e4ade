// TTaskLink: tasks as the main window runs them. It is the task host of the
// windows (the calculator's part over the main window's model, plus the
// output window, dialogs with the help button, OPEN/CLOSE of windows, KEYBD,
// ENTER typed with its pauses, PLOT, DATA, COPY, CLS, HELP) and owns the one
// TaskRunner and the task output window TEdForm. It finds tasks by category
// name in the user's expression library for RUN name, "&Průvodce" and F9.
//
// The expression library window binds its run commands to Runner() (see
// task_runner.h) and fills the hooks below; until it exists, the hooks'
// defaults keep the main window's commands working without it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tasks/calculator_task_host.h"
#include "tasks/task_messages.h"
#include "tasks/task_program.h"
#include "ui/tasks/ed_form.h"

class QWidget;

namespace tarvix {

class TMainForm;
class TaskRunner;

struct TaskLinkHooks {
    // HELP: the help window at a topic (a number or a keyword) or at its
    // contents (empty); unset, HELP does nothing.
    std::function<void(std::string_view topic)> Help;
    // The help button of the INPUT box and of the task's messages.
    std::function<void(int context)> HelpTopic;
    // The expression library window (created when asked); unset or nullptr:
    // OPEN, KEYBD and RESET find no library window.
    std::function<QWidget*(bool create)> LibraryWindow;
    // The library window's editor takes the focus (after RESET and CLEAR).
    std::function<void()> FocusLibraryEditor;
    // RUN name in the library window: shows it, finds the category, expands
    // it and presses Run. Unset: the task is read from the library file.
    std::function<void(std::string_view name)> RunInLibrary;
    // "Ř&ešit soustavu rovnic" in the library window (the EQU category with
    // its template, edit mode, the editor focused). Unset: the equation
    // template (or the library's EQU task) runs at once.
    std::function<void()> SolveEquations;
    // "&Ukázka grafu funkce KP" in the library window: shown with its tree
    // collapsed, `search` typed into its category search and "Použít výraz"
    // pressed; true when a formula was transferred. Unset: the same on the
    // library file without a window.
    std::function<bool(std::string_view search)> ComplexChartExample;
};

// The task text that "Ř&ešit soustavu rovnic" offers: a system to edit and solve.
std::string_view EquationTemplate();

class TTaskLink : public QObject, public CalculatorTaskHost {
    Q_OBJECT

public:
    explicit TTaskLink(TMainForm& form);
    ~TTaskLink() override;

    TaskRunner& Runner() { return *runner_; }
    TaskLinkHooks& Hooks() { return hooks_; }
    const TaskMessageTable& Messages() const { return messages_; }

    // --- The task output window
    TEdForm* EdForm() const { return edForm_; }
    // Creates it when needed (emptied, placed from the settings).
    TEdForm* EnsureEdForm();

    // --- Tasks of the library
    // The user's library file (the settings' `LibraryFileName` in the user's
    // data folder; the shipped library is copied there first when missing).
    std::filesystem::path LibraryFile();
    // Another file instead (tests, a library opened elsewhere).
    void SetLibraryFile(std::filesystem::path path) { libraryOverride_ = std::move(path); }
    // The task of the first category whose name begins with `name`
    // (upper-cased comparison), the category's selected row; nothing when
    // there is none or it is no task.
    std::optional<TaskProgram> FindTask(std::string_view name);
    // RUN name / RUN(name): the named task runs from the start (after the
    // current event: the calculation that asked has returned first).
    void RunNamedTask(std::string_view name);
    // F9 in the output window, Ctrl+Enter in the main window: the task named
    // by the main window's input line (RUN name, or the text itself).
    void RunInputLineTask();
    // "&Průvodce": the input "Run DEMO" calculated.
    void RunGuide();
    // "Ř&ešit soustavu rovnic".
    void SolveEquations();
    // "&Ukázka grafu funkce KP": the library's row found by the category
    // search "komplexní hyperbolický sinus" goes to the main window as
    // "Použít výraz" sends it, the domain becomes complex and Enter runs it.
    void ComplexChartExample();
    // A program runs from the start (not while a run is active).
    void RunProgram(TaskProgram program);

    // The main window closes: false while a line runs (the run is asked to
    // stop; close again later). Otherwise the run stops and the output
    // window hands its placement to the settings.
    bool PrepareClose();

    // Answers INPUT instead of the input box (tests, pictures).
    using InputHook = std::function<std::optional<std::string>(std::string_view prompt,
                                                               std::string_view defaultText)>;
    void SetInputHook(InputHook hook) { inputHook_ = std::move(hook); }

    // --- TaskHost: the window side
    void ResetCalculator() override;
    void ClearCalculator() override;
    long TypeText(BoxId box, std::string_view text) override;
    std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                        std::string_view defaultText) override;
    std::optional<std::filesystem::path> ChooseTextFile(
        bool forWriting, const std::filesystem::path& folder) override;
    void PrintLine(std::string_view title, std::string_view line) override;
    bool OutputHasLines() override;
    void ClearOutput() override;
    void ClearHistory() override;
    void WindowCommand(const tarvix::WindowCommand& command) override;
    void CloseWindow(TaskWindow window) override;
    void SendKey(const KeyCommand& command) override;
    void ShowHelp(std::string_view topic) override;
    void PlotPoint(int series, long double x, long double y) override;

    // The window of a form name; created when asked and possible.
    QWidget* TaskWindowWidget(TaskWindow window, bool create);

private:
    void RunSlice(const std::function<void()>& slice);
    void TypeNextCharacter();
    void CancelTyping();
    void FlushPlot();
    std::filesystem::path WorkingFolder();

    TMainForm& form_;
    TaskMessageTable messages_;
    std::unique_ptr<TaskRunner> runner_;
    TaskLinkHooks hooks_;
    QPointer<TEdForm> edForm_;
    InputHook inputHook_;
    std::optional<std::filesystem::path> libraryOverride_;

    // ENTER: the characters still to type and where.
    QTimer typingTimer_;
    BoxId typingBox_ = BoxId::Input;
    std::u32string typingText_;
    std::size_t typed_ = 0;

    // PLOT: points waiting for the end of the slice (series from 1).
    struct PlotPointRecord {
        int Series;
        double X, Y;
    };
    std::vector<PlotPointRecord> plotted_;
};

}  // namespace tarvix
