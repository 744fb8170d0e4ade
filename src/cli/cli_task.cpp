// tarvix-cli --task: the headless task host and its driver.
#include "cli/cli_task.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>

#include "calculator/value_text.h"
#include "storage/text_codec.h"
#include "tasks/calculator_task_host.h"
#include "tasks/task_interpreter.h"

namespace tarvix {
namespace {

struct AnswerWord {
    std::string_view Word;
    MessageButton Button;
    ModalResult Result;
};
// In the order a box's first button is chosen.
constexpr std::array<AnswerWord, 7> kAnswerWords = {{
    {"yes", MessageButton::Yes, ModalResult::Yes},
    {"no", MessageButton::No, ModalResult::No},
    {"ok", MessageButton::Ok, ModalResult::Ok},
    {"cancel", MessageButton::Cancel, ModalResult::Cancel},
    {"abort", MessageButton::Abort, ModalResult::Abort},
    {"retry", MessageButton::Retry, ModalResult::Retry},
    {"ignore", MessageButton::Ignore, ModalResult::Ignore},
}};

[[noreturn]] void TaskUsageError(std::string_view message) {
    std::cerr << "tarvix-cli: " << message << '\n' << kTaskUsage;
    std::exit(2);
}

// Message boxes and input boxes of a headless task.
class CliTaskDialogs : public DialogsPort {
public:
    CliTaskDialogs(const TaskCliRequest& request, std::ostream& out, std::ostream& err)
        : answers_(request.Answers), inputs_(request.Inputs), out_(out), err_(err) {}

    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        out_.flush();
        err_ << request.Text << '\n';
        const AnswerWord* first = nullptr;
        int buttons = 0;
        for (const AnswerWord& a : kAnswerWords) {
            if (!request.Buttons.Has(a.Button)) continue;
            if (!first) first = &a;
            ++buttons;
        }
        if (!first) return ModalResult::None;
        if (buttons == 1) return first->Result;
        if (nextAnswer_ < answers_.size()) {
            const std::string& word = answers_[nextAnswer_++];
            for (const AnswerWord& a : kAnswerWords) {
                if (a.Word == word && request.Buttons.Has(a.Button)) return a.Result;
            }
        }
        return first->Result;
    }

    std::optional<std::string> AskText(std::string_view, std::string_view prompt,
                                       std::string_view) override {
        out_.flush();
        err_ << prompt << '\n';
        if (nextInput_ >= inputs_.size()) return std::nullopt;
        return inputs_[nextInput_++];
    }

private:
    const std::vector<std::string>& answers_;
    const std::vector<std::string>& inputs_;
    std::size_t nextAnswer_ = 0;
    std::size_t nextInput_ = 0;
    std::ostream& out_;
    std::ostream& err_;
};

// The host without windows: PRINT to the output stream; window statements,
// keys, help and the chart do nothing; OPEN without a name opens nothing.
class CliTaskHost : public CalculatorTaskHost {
public:
    CliTaskHost(Calculator& calculator, SeriesController& series, DialogsPort& dialogs,
                std::ostream& out)
        : CalculatorTaskHost(calculator, series, dialogs), out_(out) {}

    std::optional<std::filesystem::path> ChooseTextFile(bool,
                                                        const std::filesystem::path&) override {
        return std::nullopt;
    }
    void PrintLine(std::string_view, std::string_view line) override {
        out_ << line << '\n';
        printed_ = true;
    }
    bool OutputHasLines() override { return printed_; }
    void ClearOutput() override { printed_ = false; }
    void ClearHistory() override {}
    void WindowCommand(const tarvix::WindowCommand&) override {}
    void CloseWindow(TaskWindow) override {}
    void SendKey(const KeyCommand&) override {}
    void ShowHelp(std::string_view) override {}
    void PlotPoint(int, long double, long double) override {}

private:
    std::ostream& out_;
    bool printed_ = false;
};

std::string ReadAll(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TaskCliRequest TakeTaskOptions(int& argc, char** argv) {
    bool present = false;
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        present = present || std::string_view(argv[i]) == "--task" ||
                  std::string_view(argv[i]) == "--run";
    }
    if (!present) return {};
    TaskCliRequest request;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--") {
            while (i < argc) argv[kept++] = argv[i++];
            break;
        }
        if (option != "--task" && option != "--input" && option != "--answer") {
            argv[kept++] = argv[i];
            continue;
        }
        if (i + 1 >= argc) TaskUsageError(std::string(option) + " needs an argument");
        const std::string value = argv[++i];
        if (option == "--task") {
            if (request.Active()) TaskUsageError("only one --task");
            if (value.empty()) TaskUsageError("--task needs a file");
            request.File = value;
        } else if (option == "--input") {
            request.Inputs.push_back(value);
        } else {
            bool known = false;
            for (const AnswerWord& a : kAnswerWords) known = known || a.Word == value;
            if (!known) TaskUsageError("unknown answer " + value);
            request.Answers.push_back(value);
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return request;
}

int RunTaskProgramCli(const TaskCliProgram& program, const TaskCliRequest& request,
                      Calculator& calculator, SeriesController& series, DialogsPort& restoreDialogs,
                      std::ostream& out, std::ostream& err) {
    CliTaskDialogs dialogs(request, out, err);
    calculator.SetDialogs(&dialogs);
    series.SetVarAsVector(true);
    CliTaskHost host(calculator, series, dialogs, out);
    TaskMessageTable texts;
    TaskInterpreter interpreter(host, texts);
    interpreter.SetProgram(TaskProgram(program.Text, program.Title, program.WorkingFolder));
    interpreter.Start();

    int status = 0;
    for (bool running = true; running;) {
        const StepResult result = interpreter.Run();
        switch (result.Status) {
            case StepStatus::Continue:
                break;
            case StepStatus::Paused:
                // Nobody presses Continue here: PAUSE goes straight on.
                interpreter.Resume();
                break;
            case StepStatus::Wait:
                out.flush();
                std::this_thread::sleep_for(std::chrono::milliseconds(result.WaitMs));
                break;
            case StepStatus::Finished:
            case StepStatus::Stopped:
                running = false;
                break;
            case StepStatus::Error:
                out.flush();
                err << FormatMessageText(texts.Text(taskmsg::LineNumber),
                                         {std::to_string(result.Error.Line + 1)})
                    << FormatMessageText(result.Error.Message) << '\n';
                status = 1;
                running = false;
                break;
        }
    }
    calculator.SetDialogs(&restoreDialogs);
    return status;
}

int RunTaskCli(const TaskCliRequest& request, Calculator& calculator, SeriesController& series,
               DialogsPort& restoreDialogs, std::ostream& out, std::ostream& err) {
    std::string bytes;
    if (request.File == "-") {
        bytes = ReadAll(std::cin);
    } else {
        std::ifstream in(request.File, std::ios::binary);
        if (!in) {
            err << "tarvix-cli: cannot read " << request.File << '\n';
            return 1;
        }
        bytes = ReadAll(in);
    }
    // No working folder: file names without a folder stay relative to the
    // current directory (and messages show them as written).
    TaskCliProgram program{
        DecodeText(bytes), std::filesystem::path(request.File).stem().string(), {}};
    return RunTaskProgramCli(program, request, calculator, series, restoreDialogs, out, err);
}

void PrintTaskVectors(const SeriesController& series, const Calculator& calculator,
                      std::ostream& out) {
    const VarVectors& vectors = series.Vectors();
    const FormatOptions options = calculator.CurrentFormatOptions();
    for (std::size_t i = 0; i < vectors.Names().size(); ++i) {
        const ParserFloatArray& values = vectors.Vectors()[i];
        if (values.empty()) continue;
        out << "vector " << vectors.Names()[i] << " = (";
        for (std::size_t k = 0; k < values.size(); ++k) {
            out << (k == 0 ? "" : ";") << VectorElementText(values[k], options);
        }
        out << ")\n";
    }
}

}  // namespace tarvix
