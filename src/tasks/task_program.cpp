// Reading the lines of a task.
#include "tasks/task_program.h"

#include <algorithm>

#include "engine/name_utils.h"
#include "storage/text_codec.h"
#include "tasks/task_condition.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kInputPlaceholder = "\"INPUT\"";

// The key under which a label line is found: ":" and the name, upper-cased
// without blanks, for both ":name" and "LABEL name".
std::string LabelKey(const TaskLine& line) {
    if (line.Code != StatementCode::Label) return line.IsPlainEnd() ? "END" : "";
    if (!line.Compact.empty() && line.Compact.front() == ':') return line.Compact;
    return ":" + line.Compact.substr(std::string_view("LABEL").size());
}

}  // namespace

TaskLine ReadTaskLine(std::string_view raw) {
    TaskLine line;
    const std::size_t apostrophe = FindOutsideQuotes(raw, '\'');
    if (apostrophe != std::string_view::npos) {
        line.Comment = TrimTask(raw.substr(apostrophe + 1));
        raw = raw.substr(0, apostrophe);
    }
    line.Statement = TrimTask(raw);
    const RecognizedStatement recognized = RecognizeStatement(line.Statement);
    line.Code = recognized.Code;
    line.ArgumentsAt = recognized.KeywordLength;
    line.Compact = ToUpperAscii(RemoveBlanksAndTabs(line.Statement));
    line.HasInputPlaceholder = line.Compact.find(kInputPlaceholder) != std::string::npos;
    line.OpensIfBlock = line.Code == StatementCode::If && SplitIfLine(line.Arguments()).IsBlock();
    return line;
}

std::string ReplaceInputPlaceholder(std::string_view statement, std::string_view quotedText) {
    std::string out;
    std::size_t from = 0;
    for (;;) {
        std::size_t at = std::string_view::npos;
        for (std::size_t i = from; i + kInputPlaceholder.size() <= statement.size(); ++i) {
            if (EqualsNoCase(statement.substr(i, kInputPlaceholder.size()), kInputPlaceholder)) {
                at = i;
                break;
            }
        }
        if (at == std::string_view::npos) break;
        out.append(statement.substr(from, at - from));
        out.append(quotedText);
        from = at + kInputPlaceholder.size();
    }
    out.append(statement.substr(from));
    return out;
}

TaskProgram::TaskProgram(std::string_view text, std::string title,
                         std::filesystem::path workingFolder)
    : title_(std::move(title)), folder_(std::move(workingFolder)) {
    for (std::string_view raw : SplitLines(text)) {
        raw_.emplace_back(raw);
        lines_.push_back(ReadTaskLine(raw));
    }
}

int TaskProgram::FindLabel(std::string_view target) const {
    for (int i = 0; i < LineCount(); ++i) {
        const TaskLine& line = Line(i);
        if (line.Code != StatementCode::Label && line.Code != StatementCode::End) continue;
        if (EqualsNoCase(LabelKey(line), target)) return i;
    }
    return -1;
}

int TaskProgram::FindSub(std::string_view name) const {
    for (int i = 0; i < LineCount(); ++i) {
        const TaskLine& line = Line(i);
        if (line.Code == StatementCode::Sub && line.Compact.size() == 3 + name.size() &&
            EqualsNoCase(std::string_view(line.Compact).substr(3), name))
            return i;
    }
    return -1;
}

int TaskProgram::FindPlainEnd(int from) const {
    for (int i = std::max(from, 0); i < LineCount(); ++i) {
        if (Line(i).IsPlainEnd()) return i;
    }
    return -1;
}

}  // namespace tarvix
