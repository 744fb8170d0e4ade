// DataPump: the transfer of a series between a variable's vector and a text
// file, a WAF recording, the statistics columns, the clipboard and the
// detailed chart. The statistics window and the chart are reached through
// their ports (series_ports.h), the clipboard through the calculator's.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/calculator.h"
#include "series/series_controller.h"

namespace tarvix {

// Endpoint codes of a transfer.
enum class DataEndpoint : std::uint8_t {
    TxtFile = 0,    // text file, one value per line
    WafFile = 1,    // WAF recording into A and B (source only)
    StatX = 2,      // X column of the statistics grid
    StatY = 3,      // Y column of the statistics grid
    Vector = 4,     // the vector of the variable
    Clipboard = 5,  // clipboard text
    Chart = 6,      // selected series of the detailed chart / a new series of it
};

// Text lines as a list: split at LF (a CR before it dropped); a final line
// break ends the last line and adds no empty one.
std::vector<std::string> SplitTextLines(std::string_view text);
// The lines, each ended by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

class DataPump {
public:
    DataPump(SeriesController& series, Calculator& calculator, ClipboardPort& clipboard);

    // Moves the series from `source` to `destination` (the codes above; any
    // other code shows its message and the other side still runs). An error
    // of the evaluator or of a file ends the transfer with nothing stored and
    // is raised to the caller after the labels are refreshed and the busy
    // cursor is gone.
    void Run(int source, int destination, std::string_view varName,
             const std::filesystem::path& file = {});

private:
    void Source(int source, int destination, std::string_view varName,
                const std::filesystem::path& file);
    void Destination(int source, int destination, std::string_view varName,
                     const std::filesystem::path& file);
    ParserFloatArray ParseLines(const std::vector<std::string>& lines);
    void ReadTextFile(int destination, const std::filesystem::path& file);
    // After StoreTransfer: the data went to the variable's entry.
    void Stored(bool stored);
    void ImportWaf(const std::filesystem::path& file);
    void ShowError(std::string_view key);

    SeriesController& series_;
    Calculator& calc_;
    ClipboardPort& clipboard_;
    std::vector<std::string> lines_;
    // The data of this transfer: TransferVector, or the entry it was stored in.
    const ParserFloatArray* transferred_ = nullptr;
    bool failed_ = false;  // the clipboard did not evaluate: nothing is stored
};

}  // namespace tarvix
