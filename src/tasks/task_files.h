// The ten logical text files of the task language (numbers 0 to 9): OPEN …
// FOR INPUT reads a file's lines, any other OPEN … AS#n creates or truncates
// a file for writing; PRINT #n, INPUT #n, NOTEOF(#n) and CLOSE #n use them.
// They stay open across runs of a task until closed.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

inline constexpr int kLogicalFileCount = 10;

class TaskFiles {
public:
    enum class Mode : std::uint8_t { Closed, Input, Output };
    enum class OpenFault : std::uint8_t { None, NotFound, ReadError, WriteError };

    // Both close a file already open under the number first. A file read
    // back that is not UTF-8 is taken as cp1250.
    OpenFault OpenForInput(int number, const std::filesystem::path& path);
    OpenFault OpenForOutput(int number, const std::filesystem::path& path);
    void Close(int number);
    void CloseAll();

    Mode ModeOf(int number) const { return files_[Index(number)].State; }
    // The path an open file was opened under.
    const std::filesystem::path& PathOf(int number) const { return files_[Index(number)].Path; }
    // An input file has no line left.
    bool AtEnd(int number) const;
    // The next line of an input file; nothing at its end.
    std::optional<std::string> ReadLine(int number);
    // Appends a line to an output file; false when writing failed.
    bool WriteLine(int number, std::string_view line);

private:
    struct File {
        Mode State = Mode::Closed;
        std::filesystem::path Path;
        std::vector<std::string> Lines;  // input
        std::size_t Next = 0;
        std::unique_ptr<std::ofstream> Out;  // output
    };
    static std::size_t Index(int number) { return static_cast<std::size_t>(number); }
    std::array<File, kLogicalFileCount> files_;
};

}  // namespace tarvix
