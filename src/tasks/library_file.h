// The expression library file (".exp"), a byte stream:
// 1. the tree: one line per category in tree order, as many TABs as its
//    depth, its name, CR LF;
// 2. one byte 0x00;
// 3. for each category in the same order its rows, each row being its three
//    cells (explanation, comment, expression) each followed by CR LF, and one
//    more CR LF; then the byte 0x01.
// An empty cell is stored as one blank; line breaks inside an explanation as
// the bytes 0xFF 0xFE. Files are written as UTF-8; a file that is not UTF-8
// is read as the single-byte code page cp1250 of older systems.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "storage/atomic_file.h"
#include "tasks/library_tree.h"

namespace tarvix {

enum class LibraryReadStatus : std::uint8_t {
    Ok,
    Missing,     // no file at the path
    Unreadable,  // the file cannot be read
    NoTreeEnd,   // no 0x00 byte ends the tree: not a library (or cut short)
};

struct LibraryReadResult {
    LibraryReadStatus Status = LibraryReadStatus::Ok;
    LibraryTree Tree;  // the whole library when Status is Ok, else empty
    bool Legacy = false;  // the file was read as cp1250

    bool ok() const { return Status == LibraryReadStatus::Ok; }
};

// Reads a library from the bytes of a file into a new tree. Lenient where
// the data allows: a depth that jumps by more than one level hangs the
// category under the deepest possible parent; a last record without its
// 0x01 and records beyond the number of categories are ignored; a category
// without a record holds one empty row; missing cells are empty.
LibraryReadResult ParseLibrary(std::string_view bytes);

// The bytes of a library file (UTF-8). Names and cells are cleaned of the
// characters that would corrupt the file (library_text.h).
std::string LibraryBytes(const LibraryTree& tree);

// Removes the rows whose comment, expression and explanation are all empty
// from every category that has more than one row; true when one was removed.
bool DropEmptyRows(LibraryTree& tree);

// The file read and parsed.
LibraryReadResult ReadLibraryFile(const std::filesystem::path& path);
// The file written atomically: a failed write leaves the old file as it was.
FileWriteResult WriteLibraryFile(const std::filesystem::path& path, const LibraryTree& tree);

}  // namespace tarvix
