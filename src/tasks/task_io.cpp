// Input and output of tasks: PRINT, MSG, INPUT, and OPEN and CLOSE of files
// and windows.
#include <algorithm>
#include <array>
#include <cmath>

#include "calculator/value_text.h"
#include "engine/name_utils.h"
#include "engine/parser_messages.h"
#include "tasks/print_format.h"
#include "tasks/task_interpreter.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

constexpr int kMsgHelp = 528;

// The values of a list: blanks removed, separated by ","; none when empty.
std::vector<std::string> ValueTexts(std::string_view list) {
    const std::string compact = RemoveBlanksAndTabs(list);
    if (compact.empty()) return {};
    return SplitList(compact, ',');
}

// The text between the double quote at `open` and the next one; `close`
// receives the closing quote's position (npos when there is none).
std::string_view Quoted(std::string_view text, std::size_t open, std::size_t& close) {
    close = text.find('"', open + 1);
    if (close == std::string_view::npos) return {};
    return text.substr(open + 1, close - open - 1);
}

// The buttons of a MSG box: each run of letters must be made of button
// words (YES, NO, OK, CANCEL or CAN, ABORT or ABO, RETRY or RET, IGNORE or
// IGN) to add them, so "YESNO" adds two buttons and "IGNORE" no No button.
MessageButtons MsgButtons(std::string_view text) {
    struct Word {
        std::string_view Text;
        MessageButton Button;
    };
    // Longer words first, so IGNORE is not IGN followed by ORE.
    static constexpr std::array<Word, 11> kWords = {{
        {"CANCEL", MessageButton::Cancel},
        {"IGNORE", MessageButton::Ignore},
        {"ABORT", MessageButton::Abort},
        {"RETRY", MessageButton::Retry},
        {"YES", MessageButton::Yes},
        {"CAN", MessageButton::Cancel},
        {"ABO", MessageButton::Abort},
        {"RET", MessageButton::Retry},
        {"IGN", MessageButton::Ignore},
        {"NO", MessageButton::No},
        {"OK", MessageButton::Ok},
    }};
    MessageButtons buttons;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsAsciiLetter(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsAsciiLetter(text[end])) ++end;
        MessageButtons run;
        std::size_t at = i;
        while (at < end) {
            const Word* found = nullptr;
            for (const Word& w : kWords) {
                if (end - at >= w.Text.size() &&
                    EqualsNoCase(text.substr(at, w.Text.size()), w.Text)) {
                    found = &w;
                    break;
                }
            }
            if (!found) break;
            run = run | found->Button;
            at += found->Text.size();
        }
        if (at == end) buttons = buttons | run;
        i = end;
    }
    return buttons;
}

MessageKind MsgKind(std::string_view word) {
    const std::string upper = ToUpperAscii(word);
    if (upper.find("WARN") != std::string::npos) return MessageKind::Warning;
    if (upper.find("ERRO") != std::string::npos) return MessageKind::Error;
    if (upper.find("CONF") != std::string::npos) return MessageKind::Confirmation;
    return MessageKind::Information;
}

MessageButtons DefaultButtons(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
        case MessageKind::Error:
            return MessageButton::Cancel;
        case MessageKind::Confirmation:
            return kYesNoCancelButtons;
        default:
            return MessageButton::Ok;
    }
}

// File names may not hold control characters or the characters no file
// system of the desktop accepts.
bool ValidFileName(std::string_view name) {
    if (TrimTask(name).empty()) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("*?<>|").find(c) != std::string_view::npos;
    });
}

}  // namespace

std::string TaskInterpreter::FormatValues(std::string_view format,
                                          const std::vector<ComplexValue>& values) {
    PrintFormatResult result = FormatPrintText(format, values, host_.FormatOptionsNow());
    switch (result.Fault) {
        case PrintFormatFault::None:
            break;
        case PrintFormatFault::CountMismatch:
            Fail(taskmsg::FormatMismatch, {format});
        case PrintFormatFault::Invalid:
            Fail(taskmsg::FormatInvalid, {format});
        case PrintFormatFault::IntegerRange:
            Fail(taskmsg::FormatIntegerRange, {result.FaultValue});
    }
    return std::move(result.Text);
}

int TaskInterpreter::LeadingFileNumber(std::string_view& text) const {
    if (text.empty() || text.front() != '#') return -1;
    if (text.size() < 2 || text[1] < '0' || text[1] > '9') Fail(taskmsg::FileNumberRange);
    const int file = text[1] - '0';
    text = TrimTask(text.substr(2));
    return file;
}

// --- PRINT

TaskInterpreter::Flow TaskInterpreter::Print(const Statement& s) {
    std::string_view text = TrimTask(s.Arguments);
    const int file = LeadingFileNumber(text);
    if (!text.empty() && text.front() == ',') text = TrimTask(text.substr(1));
    if (file >= 0) {
        if (files_.ModeOf(file) != TaskFiles::Mode::Output) {
            Fail(taskmsg::FileNotOpenForWriting, {"#" + std::to_string(file)});
        }
    }
    std::string format;
    std::string_view list = text;
    if (!text.empty() && text.front() == '"') {
        std::size_t close = 0;
        format = Quoted(text, 0, close);
        if (close == std::string_view::npos) Fail(taskmsg::TextNotTerminated);
        list = TrimTask(text.substr(close + 1));
        if (!list.empty() && list.front() == ',') list.remove_prefix(1);
    }
    const std::vector<std::string> texts = ValueTexts(list);
    if (text.empty() || text.front() != '"') {
        // Without a format: "%g" once per value, separated by blanks.
        for (std::size_t i = 0; i < texts.size(); ++i) format += i == 0 ? "%g" : " %g";
    }
    std::vector<ComplexValue> values;
    for (const std::string& value : texts)
        values.push_back(EvaluateValue(SubstituteTextArguments(value)));
    const std::string line = FormatValues(format, values);
    host_.PrintLine(program_.Title(), line);
    if (file >= 0 && !files_.WriteLine(file, line)) {
        Fail(taskmsg::FileWrite, {files_.PathOf(file).string()});
    }
    return Flow::Next;
}

// --- MSG

int TaskInterpreter::ShowMsg(std::string_view arguments) {
    const std::size_t open = arguments.find('"');
    if (open == std::string_view::npos) return 0;
    std::size_t close = 0;
    std::string message(Quoted(arguments, open, close));
    if (close == std::string_view::npos) Fail(taskmsg::TextNotTerminated);
    if (message.empty()) return 0;

    std::string_view rest = arguments.substr(close + 1);
    std::string_view valueList;
    if (const std::size_t semicolon = rest.find(';'); semicolon != std::string_view::npos) {
        valueList = rest.substr(semicolon + 1);
        rest = rest.substr(0, semicolon);
    }
    // ", type, buttons": the first part is what stands before the first comma.
    std::string_view typeWord, buttonsText;
    if (const std::size_t comma = rest.find(','); comma != std::string_view::npos) {
        const std::string_view options = rest.substr(comma + 1);
        const std::size_t second = options.find(',');
        typeWord = options.substr(0, second);
        if (second != std::string_view::npos) buttonsText = options.substr(second + 1);
    }
    const MessageKind kind = MsgKind(typeWord);
    MessageButtons buttons = MsgButtons(buttonsText);
    if (buttons.Empty()) buttons = DefaultButtons(kind);

    const std::vector<std::string> texts = ValueTexts(valueList);
    if (!texts.empty()) {
        std::vector<ComplexValue> values;
        for (const std::string& text : texts) {
            try {
                values.push_back(EvaluateValue(SubstituteTextArguments(text)));
            } catch (const std::exception&) {
                // An unevaluable value is reported and counts as 0.
                host_.ShowMessage(ParserMessages().Text(msg::Parse), MessageKind::Error,
                                  kCancelHelpButtons, kMsgHelp);
                values.push_back({});
            }
        }
        message = FormatValues(message, values);
    }
    return static_cast<int>(host_.ShowMessage(message, kind, buttons, 0));
}

TaskInterpreter::Flow TaskInterpreter::Msg(const Statement& s) {
    ShowMsg(s.Arguments);
    return Flow::Next;
}

// --- INPUT

TaskInterpreter::Flow TaskInterpreter::Input(const Statement& s) {
    std::string_view text = TrimTask(s.Arguments);
    const int file = LeadingFileNumber(text);
    auto skipComma = [&text] {
        if (!text.empty() && text.front() == ',') text = TrimTask(text.substr(1));
    };
    skipComma();
    std::string prompt;
    bool promptGiven = false;
    if (!text.empty() && text.front() == '"') {
        std::size_t close = 0;
        const std::string_view quoted = Quoted(text, 0, close);
        if (close == std::string_view::npos) Fail(taskmsg::TextNotTerminated);
        const std::string_view after = TrimTask(text.substr(close + 1));
        // A quoted text with nothing after it is the name of a string input.
        if (!after.empty()) {
            prompt = quoted;
            promptGiven = true;
            text = after;
            skipComma();
        }
    }
    const std::size_t comma = FindOutsideQuotes(text, ',');
    const std::string name(TrimTask(text.substr(0, comma)));
    std::string defaultText =
        comma == std::string_view::npos ? "0" : std::string(TrimTask(text.substr(comma + 1)));
    if (defaultText.empty()) defaultText = "0";
    if (name.empty()) Fail(taskmsg::MissingVariableName);
    if (!promptGiven) prompt = name + " =";
    const bool stringInput = name.front() == '"';

    if (file >= 0 && files_.ModeOf(file) != TaskFiles::Mode::Input) {
        Fail(taskmsg::FileNotOpenForReading, {"#" + std::to_string(file)});
    }
    if (!stringInput) {
        // The default is calculated; its answer, as a value line, is offered.
        defaultText = VectorElementText(Typed(defaultText), host_.FormatOptionsNow());
    }
    std::string typed = defaultText;
    if (file >= 0) {
        std::optional<std::string> line = files_.ReadLine(file);
        if (!line) Fail(taskmsg::EndOfFile, {"#" + std::to_string(file)});
        typed = TrimTask(*line);
    } else if (std::optional<std::string> answer =
                   host_.InputBox(texts_.Text(taskmsg::InputCaption), prompt, defaultText)) {
        typed = std::move(*answer);
    }
    if (stringInput) {
        stringInput_ = "\"" + typed + "\"";
        return Flow::Next;
    }
    const std::string assignment = name + "=" + typed;
    bool assigned = false;
    try {
        assigned = host_.CalculateAsTyped(assignment, true) == TypedOutcome::Evaluated;
    } catch (const std::exception&) {
        assigned = false;
    }
    if (!assigned) Fail(taskmsg::BadNumberFormat, {typed});
    return Flow::Next;
}

// --- OPEN, CLOSE

std::filesystem::path TaskInterpreter::ResolvePath(std::string_view name) const {
    const std::filesystem::path path(name);
    if (path.is_absolute() || program_.WorkingFolder().empty()) return path;
    return program_.WorkingFolder() / path;
}

void TaskInterpreter::OpenFile(std::string_view arguments) {
    std::filesystem::path path;
    std::string_view words = arguments;
    std::string_view name;
    const std::size_t open = arguments.find('"');
    if (open != std::string_view::npos) {
        std::size_t close = 0;
        name = Quoted(arguments, open, close);
        if (close == std::string_view::npos) Fail(taskmsg::FileNameNotTerminated);
        words = arguments.substr(close + 1);
    }
    // The number is the digit after the first "#" outside the file name.
    const std::size_t hash = FindOutsideQuotes(arguments, '#');
    if (hash == std::string_view::npos) Fail(taskmsg::MissingFileNumber);
    const int number = FileNumberAfter(arguments, hash);
    if (open != std::string_view::npos) {
        if (!ValidFileName(name)) Fail(taskmsg::InvalidFileName);
        path = ResolvePath(name);
    }
    // FOR INPUT reads; anything else writes. The words are looked for
    // outside the file name ("input.txt" is no INPUT).
    const std::string compact = ToUpperAscii(RemoveBlanksAndTabs(words));
    const bool forInput =
        compact.find("FOR") != std::string::npos && compact.find("INPUT") != std::string::npos;
    if (path.empty()) {
        std::optional<std::filesystem::path> chosen =
            host_.ChooseTextFile(!forInput, program_.WorkingFolder());
        if (!chosen) return;
        path = *chosen;
    }
    const TaskFiles::OpenFault fault =
        forInput ? files_.OpenForInput(number, path) : files_.OpenForOutput(number, path);
    switch (fault) {
        case TaskFiles::OpenFault::None:
            return;
        case TaskFiles::OpenFault::NotFound:
            Fail(taskmsg::FileNotFound, {path.string()});
        case TaskFiles::OpenFault::ReadError:
            Fail(taskmsg::FileRead, {path.string()});
        case TaskFiles::OpenFault::WriteError:
            Fail(taskmsg::FileWrite, {path.string()});
    }
}

TaskInterpreter::Flow TaskInterpreter::Open(const Statement& s) {
    const std::string compact = ToUpperAscii(RemoveBlanksAndTabs(s.Arguments));
    if (compact.find("AS#") != std::string::npos) {
        OpenFile(s.Arguments);
        return Flow::Next;
    }
    const VariableLookup lookup = [this](std::string_view name) -> std::optional<long> {
        if (!IsValidIdentifier(name) || !host_.VariableExists(name)) return std::nullopt;
        const long double value = std::round(host_.Variable(name).Re);
        if (!(std::fabs(value) < 1e9L)) return std::nullopt;
        return static_cast<long>(value);
    };
    WindowCommandRead read = ReadWindowCommand(s.Arguments, lookup);
    if (read.Fault) {
        Fail(read.Fault->What == WindowStatementFault::Kind::UnknownWindow ? taskmsg::UnknownWindow
                                                                           : taskmsg::WindowValue,
             {read.Fault->Text});
    }
    host_.WindowCommand(*read.Command);
    return Flow::Next;
}

TaskInterpreter::Flow TaskInterpreter::Close(const Statement& s) {
    const std::size_t hash = FindOutsideQuotes(s.Arguments, '#');
    if (hash != std::string_view::npos) {
        files_.Close(FileNumberAfter(s.Arguments, hash));
        return Flow::Next;
    }
    WindowStatementFault fault{};
    std::optional<TaskWindow> window = ReadClosedWindow(s.Arguments, fault);
    if (!window) Fail(taskmsg::UnknownWindow, {fault.Text});
    // The library window runs the task and the main window is the program.
    if (*window == TaskWindow::ExprForm || *window == TaskWindow::MainForm) {
        Fail(taskmsg::CannotCloseWindow, {TaskWindowName(*window)});
    }
    host_.CloseWindow(*window);
    return Flow::Next;
}

}  // namespace tarvix
