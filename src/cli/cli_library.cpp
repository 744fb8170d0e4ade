// The expression library from the command line: listing, rows, the text
// search, the formula transfer and saving.
#include "cli/cli_library.h"

#include <charconv>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "tasks/formula_transfer.h"
#include "tasks/library_model.h"
#include "tasks/library_search.h"
#include "tasks/library_tree.h"

namespace tarvix {
namespace {

struct UsageError {};
struct HelpRequest {};

// A failure whose message has been written: the status is 1.
struct Failed {};

struct LibraryArguments {
    std::string File;
    bool List = false;
    std::optional<std::string> Rows;
    std::optional<std::string> Find;
    LibrarySearchOptions FindOptions;
    std::optional<std::string> FindUnder;
    std::optional<std::string> Use;
    bool Boxes = false;
    std::vector<std::string> Expressions;
    std::optional<std::string> Save;
};

void Usage() {
    std::cerr << "usage: tarvix-cli --library FILE.exp [--list] [--rows PATH]\n"
                 "                  [--find TEXT [--find-names on|off] [--find-rows on|off]\n"
                 "                               [--find-under PATH]]\n"
                 "                  [--use PATH[#ROW] [--boxes] [EXPR ...]] [--save FILE2.exp]\n"
                 "       tarvix-cli [mode options] --library FILE.exp --run NAME [--input TEXT]...\n"
                 "                  [--answer WORD]... [--vectors] [EXPR ...]\n"
                 "PATH is the category names from the top joined by \"/\".\n";
}

bool ReadSwitch(std::string_view text) {
    if (text == "on") return true;
    if (text == "off") return false;
    throw UsageError{};
}

LibraryArguments Parse(int argc, char** argv) {
    LibraryArguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError{};
            return argv[++i];
        };
        if (a == "--library") {
            args.File = next();
        } else if (a == "--list") {
            args.List = true;
        } else if (a == "--rows") {
            args.Rows = next();
        } else if (a == "--find") {
            args.Find = next();
        } else if (a == "--find-names") {
            args.FindOptions.Names = ReadSwitch(next());
        } else if (a == "--find-rows") {
            args.FindOptions.Rows = ReadSwitch(next());
        } else if (a == "--find-under") {
            args.FindUnder = next();
        } else if (a == "--use") {
            args.Use = next();
        } else if (a == "--boxes") {
            args.Boxes = true;
        } else if (a == "--save") {
            args.Save = next();
        } else if (a == "--help" || a == "-h") {
            throw HelpRequest{};
        } else if (a.starts_with("--")) {
            throw UsageError{};
        } else {
            args.Expressions.emplace_back(a);
        }
    }
    const bool findOptions = args.FindUnder || !args.FindOptions.Names || !args.FindOptions.Rows;
    if (args.File.empty() || (findOptions && !args.Find) ||
        ((args.Boxes || !args.Expressions.empty()) && !args.Use))
        throw UsageError{};
    return args;
}

// A message of the library's table with its arguments, line breaks in place.
[[noreturn]] void Fail(const LibraryModel& library, std::string_view key,
                       std::initializer_list<std::string_view> args) {
    std::cout.flush();
    std::cerr << FormatMessageText(FormatMessageText(library.Texts().Text(key), args)) << '\n';
    throw Failed{};
}

LibraryNode& Category(const LibraryModel& library, std::string_view path) {
    LibraryNode* node = FindCategoryPath(library.Tree(), path);
    if (!node) Fail(library, libmsg::NoSuchCategory, {path});
    return *node;
}

void List(const LibraryModel& library) {
    library.Tree().ForEach([](const LibraryNode& node) {
        std::cout << std::string(2 * static_cast<std::size_t>(node.Depth()), ' ') << node.Name
                  << " (" << node.Rows.size() << ")\n";
    });
}

void Rows(const LibraryModel& library, std::string_view path) {
    const LibraryNode& node = Category(library, path);
    for (std::size_t i = 0; i < node.Rows.size(); ++i) {
        const LibraryRow& row = node.Rows[i];
        if (i > 0) std::cout << '\n';
        std::cout << row.Comment << '\t' << row.Expression << '\n';
        std::string_view lines = row.Explanation;
        while (!lines.empty()) {
            const std::size_t end = lines.find('\n');
            std::cout << "  " << lines.substr(0, end) << '\n';
            lines = end == std::string_view::npos ? std::string_view{} : lines.substr(end + 1);
        }
    }
}

void Find(LibraryModel& library, const LibraryArguments& args) {
    LibraryFind find;
    find.Text = *args.Find;
    find.Options = args.FindOptions;
    find.Options.Subtree = args.FindUnder.has_value();
    if (args.FindUnder) library.Select(&Category(library, *args.FindUnder));
    find.Find(library);
    for (const LibraryHit& hit : find.Hits()) {
        const LibraryNode* node = library.FindNode(hit.Node);
        std::cout << NodePath(*node, "/") << '\t' << hit.Comment << '\n';
    }
    std::cout << find.Hits().size() << '\n';
}

// Messages to standard error; an error message marks the calculation as
// failed; questions are answered No (the new-variables question: the
// calculation then runs once more, as the main evaluator does).
class LibraryCliDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        std::cout.flush();
        std::cerr << request.Text << '\n';
        if (request.Kind == MessageKind::Error) failed = true;
        if (request.Buttons.Has(MessageButton::Yes)) return ModalResult::No;
        return request.Buttons.Has(MessageButton::Ok) ? ModalResult::Ok : ModalResult::Cancel;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view prompt,
                                       std::string_view) override {
        std::cerr << prompt << '\n';
        return std::nullopt;
    }
    bool failed = false;
};

// The row a "PATH#ROW" names (ROW from 1, default 1).
const LibraryRow& UsedRow(const LibraryModel& library, std::string_view target) {
    std::size_t row = 1;
    std::string_view path = target;
    if (const std::size_t hash = target.rfind('#'); hash != std::string_view::npos) {
        path = target.substr(0, hash);
        const std::string_view number = target.substr(hash + 1);
        auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), row);
        if (ec != std::errc() || end != number.data() + number.size() || row == 0)
            throw UsageError{};
    }
    const LibraryNode& node = Category(library, path);
    if (row > node.Rows.size()) Fail(library, libmsg::NoSuchRow, {path, std::to_string(row)});
    return node.Rows[row - 1];
}

// The transfer, then each calculation; false when one of them failed.
bool Use(const LibraryModel& library, const LibraryArguments& args) {
    const LibraryRow& row = UsedRow(library, *args.Use);
    Calculator calculator;
    LibraryCliDialogs dialogs;
    calculator.SetDialogs(&dialogs);
    if (!TransferFormula(calculator, row, library.Texts())) {
        Fail(library, libmsg::NotAFormula, {row.Comment.empty() ? row.Expression : row.Comment});
    }
    std::vector<std::string> lines = args.Expressions;
    if (lines.empty()) lines.push_back(calculator.InputText());
    bool ok = true;
    for (const std::string& line : lines) {
        dialogs.failed = false;
        calculator.SetInputText(line);
        CalcOutcome outcome = calculator.Calculate();
        if (outcome == CalcOutcome::NewVariables) outcome = calculator.Calculate();
        if (outcome == CalcOutcome::Evaluated) {
            std::cout << TrimBlanks(calculator.DisplayText()) << '\n';
        } else {
            ok = false;
        }
        ok = ok && !dialogs.failed;
    }
    if (args.Boxes) {
        for (BoxId box : kRegisterLoadOrder) {
            const std::string& name = calculator.RegisterAt(box).Label;
            std::cout << name << '='
                      << TrimBlanks(calculator.FormatValue(calculator.Parser1().GetVariable(name)))
                      << '\n';
        }
    }
    return ok;
}

}  // namespace

std::optional<LibraryTaskChoice> TakeLibraryTask(int& argc, char** argv) {
    bool requested = false;
    for (int i = 1; i < argc; ++i) requested = requested || std::string_view(argv[i]) == "--run";
    if (!requested) return std::nullopt;

    std::string file;
    std::string name;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a != "--library" && a != "--run") {
            argv[kept++] = argv[i];
            continue;
        }
        if (i + 1 >= argc) {
            Usage();
            return LibraryTaskChoice{std::nullopt, 2};
        }
        (a == "--library" ? file : name) = argv[++i];
    }
    argc = kept;
    argv[argc] = nullptr;
    if (file.empty() || name.empty()) {
        Usage();
        return LibraryTaskChoice{std::nullopt, 2};
    }

    LibraryModel library;
    if (LibraryFileOutcome opened = library.Open(file); !opened.Ok) {
        std::cerr << FormatMessageText(opened.Message) << '\n';
        return LibraryTaskChoice{std::nullopt, 1};
    }
    const auto fail = [&](std::string_view key) {
        std::cerr << FormatMessageText(FormatMessageText(library.Texts().Text(key), {name})) << '\n';
        return LibraryTaskChoice{std::nullopt, 1};
    };
    const LibraryNode* node = FindTaskCategory(library.Tree(), name);
    if (!node) return fail(libmsg::NoSuchCategory);
    if (node->Rows.empty() || !IsTaskRow(node->Rows.front())) return fail(libmsg::NotATask);
    const LibraryRow& row = node->Rows.front();
    return LibraryTaskChoice{
        TaskCliProgram{row.Explanation, row.Comment, std::filesystem::path(file).parent_path()}, 0};
}

std::optional<int> RunLibraryCommand(int argc, char** argv) {
    bool requested = false;
    for (int i = 1; i < argc; ++i) requested = requested || std::string_view(argv[i]) == "--library";
    if (!requested) return std::nullopt;

    try {
        const LibraryArguments args = Parse(argc, argv);
        LibraryModel library;
        if (LibraryFileOutcome opened = library.Open(args.File); !opened.Ok) {
            std::cerr << FormatMessageText(opened.Message) << '\n';
            return 1;
        }
        if (args.List) List(library);
        if (args.Rows) Rows(library, *args.Rows);
        if (args.Find) Find(library, args);
        if (args.Use && !Use(library, args)) return 1;
        if (args.Save) {
            if (LibraryFileOutcome saved = library.SaveAs(*args.Save); !saved.Ok) {
                std::cerr << FormatMessageText(saved.Message) << '\n';
                return 1;
            }
        }
        return 0;
    } catch (const UsageError&) {
        Usage();
        return 2;
    } catch (const HelpRequest&) {
        Usage();
        return 0;
    } catch (const Failed&) {
        return 1;
    }
}

}  // namespace tarvix
