// The logical text files of tasks.
#include "tasks/task_files.h"

#include <iterator>
#include <system_error>

#include "storage/text_codec.h"

namespace tarvix {

TaskFiles::OpenFault TaskFiles::OpenForInput(int number, const std::filesystem::path& path) {
    Close(number);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return OpenFault::NotFound;
    std::ifstream in(path, std::ios::binary);
    if (!in) return OpenFault::ReadError;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return OpenFault::ReadError;
    const std::string text = DecodeText(bytes);
    File& file = files_[Index(number)];
    for (std::string_view line : SplitLines(text)) file.Lines.emplace_back(line);
    file.Next = 0;
    file.Path = path;
    file.State = Mode::Input;
    return OpenFault::None;
}

TaskFiles::OpenFault TaskFiles::OpenForOutput(int number, const std::filesystem::path& path) {
    Close(number);
    auto out = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    if (!*out) return OpenFault::WriteError;
    File& file = files_[Index(number)];
    file.Out = std::move(out);
    file.Path = path;
    file.State = Mode::Output;
    return OpenFault::None;
}

void TaskFiles::Close(int number) {
    File& file = files_[Index(number)];
    // Errors of closing are ignored.
    if (file.Out) file.Out->close();
    file = File{};
}

void TaskFiles::CloseAll() {
    for (int i = 0; i < kLogicalFileCount; ++i) Close(i);
}

bool TaskFiles::AtEnd(int number) const {
    const File& file = files_[Index(number)];
    return file.Next >= file.Lines.size();
}

std::optional<std::string> TaskFiles::ReadLine(int number) {
    File& file = files_[Index(number)];
    if (file.State != Mode::Input || file.Next >= file.Lines.size()) return std::nullopt;
    return file.Lines[file.Next++];
}

bool TaskFiles::WriteLine(int number, std::string_view line) {
    File& file = files_[Index(number)];
    if (file.State != Mode::Output || !file.Out) return false;
    file.Out->write(line.data(), static_cast<std::streamsize>(line.size()));
    file.Out->put('\n');
    // Flushed per line: another statement may read the file before CLOSE.
    file.Out->flush();
    return static_cast<bool>(*file.Out);
}

}  // namespace tarvix
