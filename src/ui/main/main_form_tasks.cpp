// The main window's task commands: the task link created on first use, the
// input RUN name, "&Průvodce", "Ř&ešit soustavu rovnic", and the run's end
// when the window closes.
#include "ui/main/main_form.h"
#include "ui/tasks/task_link.h"

namespace tarvix {

TTaskLink& TMainForm::Tasks() {
    if (!tasks_) {
        tasks_ = std::make_unique<TTaskLink>(*this);
        tasks_->Hooks().HelpTopic = [this](int context) { ShowHelpTopic(context); };
        tasks_->Hooks().Help = [this](std::string_view topic) {
            ShowHelpText(QString::fromUtf8(topic.data(), static_cast<qsizetype>(topic.size())));
        };
        BindLibraryTasks();
    }
    return *tasks_;
}

void TMainForm::RunTask(std::string_view name) {
    Tasks().RunNamedTask(name);
}

void TMainForm::FunkcePruvodceItemClick() {
    Tasks().RunGuide();
}

void TMainForm::FunkceResitSoustavuItemClick() {
    Tasks().SolveEquations();
}

bool TMainForm::CloseTasks() {
    return !tasks_ || tasks_->PrepareClose();
}

}  // namespace tarvix
