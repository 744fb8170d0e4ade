// The program of a task as the interpreter reads it: its lines, each read
// once (comment, statement, recognised keyword, the keys that GOTO, GOSUB and
// the skipping scanner look for), its title and its working folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tasks/task_keywords.h"

namespace tarvix {

// One line of a task.
struct TaskLine {
    std::string Statement;  // the text before the comment, blanks and tabs trimmed
    std::string Comment;    // the text after the first apostrophe outside quotes, trimmed
    StatementCode Code = StatementCode::None;
    std::size_t ArgumentsAt = 0;  // where the statement's arguments start in Statement
    // The statement upper-cased without blanks and tabs ("SUBPRINTIT", ":LOOP").
    std::string Compact;
    // The line holds the placeholder "INPUT" written with its double quotes.
    bool HasInputPlaceholder = false;
    // An IF line that opens a block (empty then-part, or ELSE with an empty
    // else-part).
    bool OpensIfBlock = false;

    std::string_view Arguments() const { return std::string_view(Statement).substr(ArgumentsAt); }
    // The line is "END" and nothing else (comment aside).
    bool IsPlainEnd() const { return Compact == "END"; }
};

// Reads one line: everything from the first apostrophe outside double
// quotes is the comment; the rest, trimmed, is the statement.
TaskLine ReadTaskLine(std::string_view raw);

// Every "INPUT" written with its double quotes (any case) replaced by
// `quotedText` (the last string input, already in double quotes).
std::string ReplaceInputPlaceholder(std::string_view statement, std::string_view quotedText);

class TaskProgram {
public:
    TaskProgram() = default;
    // The program text (lines end with LF, CR LF or CR), the task's title and
    // the folder where file names without a folder are taken (empty: the
    // current directory).
    TaskProgram(std::string_view text, std::string title, std::filesystem::path workingFolder);

    int LineCount() const { return static_cast<int>(lines_.size()); }
    const TaskLine& Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    const std::string& RawLine(int index) const { return raw_[static_cast<std::size_t>(index)]; }
    const std::string& Title() const { return title_; }
    const std::filesystem::path& WorkingFolder() const { return folder_; }

    // The first line that a GOTO target names: `target` is "END" or ":" and
    // a name (any case, blanks removed); label lines of both forms (":name"
    // and "LABEL name") match. -1 when there is none.
    int FindLabel(std::string_view target) const;
    // The first line "SUB" + name (the name upper-cased without blanks); -1 none.
    int FindSub(std::string_view name) const;
    // The first line from `from` on that is "END" alone; -1 none.
    int FindPlainEnd(int from) const;

private:
    std::vector<std::string> raw_;
    std::vector<TaskLine> lines_;
    std::string title_;
    std::filesystem::path folder_;
};

}  // namespace tarvix
