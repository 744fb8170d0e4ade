// The expression library's replaceable texts (built-in Czech), keyed as in
// the language file's `Msg` section: file messages, the texts of new
// categories and rows, and the messages of the formula transfer.
#pragma once

#include <string_view>

#include "engine/parser_messages.h"

namespace tarvix {

namespace libmsg {
// Files; "%s" is the file name.
inline constexpr std::string_view NotFound = "Msg_LibraryNotFound";
inline constexpr std::string_view ReadError = "Msg_LibraryReadError";
inline constexpr std::string_view WriteError = "Msg_LibraryWriteError";
inline constexpr std::string_view SaveQuestion = "Msg_LibrarySaveQuestion";
inline constexpr std::string_view FileExists = "Msg_LibraryFileExists";
inline constexpr std::string_view FileFilter = "Msg_LibraryFileFilter";
inline constexpr std::string_view Writing = "Msg_LibraryWriting";
// A new category and a new row.
inline constexpr std::string_view NewCategory = "Msg_LibraryNewCategory";
inline constexpr std::string_view NewComment = "Msg_LibraryNewComment";
inline constexpr std::string_view NewExpression = "Msg_LibraryNewExpression";
// The variable template of a new row: "%s" stands for a tab each time.
inline constexpr std::string_view VariableTemplate = "Msg_LibraryVariableTemplate";
// "Import výrazu": the description of a register without one.
inline constexpr std::string_view NoDescription = "Msg_LibraryNoDescription";
// "Vložit proměnnou" while the variable list window is closed.
inline constexpr std::string_view SelectVariable = "Msg_LibrarySelectVariable";
// The formula transfer refuses a task, an empty row or a new row's expression.
inline constexpr std::string_view NotAFormula = "Msg_LibraryNotAFormula";
// A category path that names no category ("%s" the path); a row number
// beyond the category's rows ("%s" the number, "%s" the path).
inline constexpr std::string_view NoSuchCategory = "Msg_LibraryNoSuchCategory";
inline constexpr std::string_view NoSuchRow = "Msg_LibraryNoSuchRow";
// RUN name: the category's first row holds no task.
inline constexpr std::string_view NotATask = "Msg_LibraryNotATask";
}  // namespace libmsg

// The help topic of the library's file messages.
inline constexpr int kLibraryFileHelpContext = 43;

class LibraryMessageTable : public MessageTable {
public:
    LibraryMessageTable();
};

// An unchangeable table holding the built-in texts.
const LibraryMessageTable& BuiltInLibraryMessages();

}  // namespace tarvix
