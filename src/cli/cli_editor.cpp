// The expression editor of tarvix-cli.
#include "cli/cli_editor.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "storage/editor_worksheet.h"
#include "storage/expression_editor.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace {

[[noreturn]] void EditorUsageError(std::string_view message) {
    std::cerr << "tarvix-cli: " << message << '\n' << kEditorUsage;
    std::exit(2);
}

std::size_t ReadLineNumber(std::string_view text) {
    std::size_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value == 0) {
        EditorUsageError("--line needs a line number from 1");
    }
    return value;
}

}  // namespace

EditorCliRequest TakeEditorOptions(int& argc, char** argv) {
    bool present = false;
    for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        present = present || std::string_view(argv[i]) == "--editor";
    }
    if (!present) return {};
    EditorCliRequest request;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--") {
            while (i < argc) argv[kept++] = argv[i++];
            break;
        }
        if (option != "--editor" && option != "--line") {
            argv[kept++] = argv[i];
            continue;
        }
        if (i + 1 >= argc) EditorUsageError(std::string(option) + " needs an argument");
        const std::string_view value = argv[++i];
        if (option == "--line") {
            request.Lines.push_back(ReadLineNumber(value));
        } else if (request.Active()) {
            EditorUsageError("only one --editor");
        } else if (value.empty()) {
            EditorUsageError("--editor needs a file");
        } else {
            request.File = value;
        }
    }
    if (request.Lines.empty()) EditorUsageError("--editor needs --line N");
    argc = kept;
    argv[argc] = nullptr;
    return request;
}

int RunEditorCli(const EditorCliRequest& request, Calculator& calculator, std::ostream& out,
                 std::ostream& err) {
    ExpressionEditor editor(calculator);
    if (request.File == "-") {
        editor.SetText(DecodeText(std::string(std::istreambuf_iterator<char>(std::cin), {})));
    } else {
        TextCatalog texts;
        std::filesystem::path lastFolder;
        EditorWorksheet worksheet(editor, calculator, texts, lastFolder);
        // A missing or unreadable file has been reported through the dialogs.
        if (!worksheet.OpenFile(request.File)) return 1;
    }
    int status = 0;
    for (const std::size_t line : request.Lines) {
        if (line > editor.Lines().size()) {
            err << "tarvix-cli: --line " << line << ": the text has " << editor.Lines().size()
                << " lines\n";
            status = 1;
            break;
        }
        const EditorResult result = editor.EnterLine(line - 1);
        if (result.Outcome == EditorOutcome::Failed) {
            err << result.Error << '\n';
            status = 1;
            break;
        }
    }
    // The text as it would be saved, ending with a line end.
    const std::string text = editor.Text();
    out << text;
    if (!text.empty() && !text.ends_with('\n')) out << '\n';
    return status;
}

}  // namespace tarvix
