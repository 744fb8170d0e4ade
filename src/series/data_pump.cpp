// The transfer procedure and its endpoints.
#include "series/data_pump.h"

#include "calculator/value_text.h"
#include "engine/parser_errors.h"
#include "series/waf_file.h"
#include "storage/atomic_file.h"
#include "storage/line_reader.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace {

bool ToTextDestination(int destination) {
    return destination == 0 || destination == 2 || destination == 3;
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

DataPump::DataPump(SeriesController& series, Calculator& calculator, ClipboardPort& clipboard)
    : series_(series), calc_(calculator), clipboard_(clipboard) {}

void DataPump::ShowError(std::string_view key) {
    calc_.ShowMessageBox(series_.Texts().Text(key), MessageKind::Error, kCancelButton, 0);
}

ParserFloatArray DataPump::ParseLines(const std::vector<std::string>& lines) {
    ParserFloatArray values;
    values.reserve(lines.size());
    for (const std::string& line : lines) {
        series_.RunControl().ProcessEvents();
        values.push_back(ParseValueText(line, calc_.Parser1()));
    }
    return values;
}

void DataPump::Stored(bool stored) {
    const VarVectors& vectors = series_.Vectors();
    transferred_ = stored ? &vectors.FindVector(vectors.TransferName) : &vectors.TransferVector;
}

// A text file, line by line: the lines themselves for a text destination (or
// the clipboard), the values for a vector or the chart.
void DataPump::ReadTextFile(int destination, const std::filesystem::path& file) {
    LineReader reader(file);
    const bool keepLines = ToTextDestination(destination) || destination == 5;
    const bool parse = !ToTextDestination(destination);
    ParserFloatArray values;
    // A missing file reads as an empty one.
    LineRead read =
        reader.OpenStatus() == FileReadStatus::Unreadable ? LineRead::Failed : LineRead::End;
    for (std::string line; reader.Opened() && (read = reader.NextText(line)) == LineRead::Line;) {
        if (parse) {
            series_.RunControl().ProcessEvents();
            values.push_back(ParseValueText(line, calc_.Parser1()));
        }
        if (keepLines) lines_.push_back(std::move(line));
    }
    if (read == LineRead::TooLong) {
        throw TarvixError(FormatMessageText(series_.Texts().Text(seriesmsg::LineTooLong),
                                            {std::to_string(reader.LineNumber()), file.string()}));
    }
    if (read == LineRead::Failed) {
        throw TarvixError(
            FormatMessageText(series_.Texts().Text(seriesmsg::ReadError), {file.string()}));
    }
    if (parse) series_.Vectors().TransferVector = std::move(values);
}

void DataPump::Run(int source, int destination, std::string_view varName,
                   const std::filesystem::path& file) {
    lines_.clear();
    failed_ = false;
    transferred_ = &series_.Vectors().TransferVector;
    series_.RunControl().SetBusy(true);
    struct Cleanup {
        DataPump& p;
        ~Cleanup() {
            p.lines_.clear();
            p.calc_.Hooks().RefreshVarLabels();
            p.series_.RunControl().SetBusy(false);
        }
    } cleanup{*this};
    Source(source, destination, varName, file);
    if (!failed_) Destination(source, destination, varName, file);
    if (source == static_cast<int>(DataEndpoint::WafFile)) {
        // The recording is shown at once: channel 1 as a series over its samples.
        for (BoxId id : {BoxId::X, BoxId::Y, BoxId::A, BoxId::B}) calc_.SetRegisterBox(id, "0");
        calc_.SetInputText(calc_.RegisterAt(BoxId::A).Label);
        calc_.Calculate();
        series_.Series().Step.Re = kWafStep;
    }
}

void DataPump::Source(int source, int destination, std::string_view varName,
                      const std::filesystem::path& file) {
    VarVectors& vectors = series_.Vectors();
    const bool varAsVector = series_.VarAsVector();
    switch (source) {
        case 0:
            ReadTextFile(destination, file);
            if (ToTextDestination(destination)) return;
            vectors.TransferName = varName;
            Stored(vectors.StoreTransfer(varAsVector));
            return;
        case 1:
            ImportWaf(file);
            return;
        case 2:
        case 3: {
            StatisticsPort& stats = series_.Statistics();
            if (!stats.Exists()) return;
            const int column = stats.SelectedColumn() == 2 && stats.XyChecked() ? 2 : 1;
            int last = stats.RowCount() - 1;
            // Empty rows at the end of the grid are no data.
            while (last >= 1 &&
                   stats.Cell(column, last).find_first_not_of(' ') == std::string::npos)
                --last;
            for (int row = 1; row <= last; ++row) lines_.push_back(stats.Cell(column, row));
            if (!ToTextDestination(destination)) {
                ParserFloatArray values = ParseLines(lines_);
                vectors.TransferName = varName;
                vectors.TransferVector = std::move(values);
            }
            stats.Show();
            return;
        }
        case 4: {
            vectors.TransferVector = vectors.FindVector(varName);
            if (vectors.TransferVector.empty()) return;
            lines_.clear();
            const FormatOptions options = calc_.CurrentFormatOptions();
            for (const ComplexValue& v : vectors.TransferVector)
                lines_.push_back(VectorElementText(v, options));
            return;
        }
        case 5: {
            lines_ = SplitTextLines(clipboard_.Text());
            vectors.TransferName = varName;
            try {
                vectors.TransferVector = ParseLines(lines_);
            } catch (const EMathParserError&) {
                calc_.ShowMessageBox(series_.Texts().Text(seriesmsg::SyntaxError),
                                     MessageKind::Error, kCancelHelpButtons, kTransferHelpContext);
                vectors.TransferName.clear();
                vectors.TransferVector.clear();
                failed_ = true;
                return;
            }
            Stored(vectors.StoreTransfer(varAsVector));
            return;
        }
        case 6: {
            ChartPort& chart = series_.Chart();
            if (!chart.Exists()) return;
            const std::vector<long double> ys = chart.SelectedSeriesY();
            ParserFloatArray values;
            values.reserve(ys.size());
            for (long double y : ys) {
                series_.RunControl().ProcessEvents();
                values.push_back({y, 0.0L});
            }
            vectors.TransferName = varName;
            vectors.TransferVector = std::move(values);
            Stored(vectors.StoreTransfer(varAsVector));
            return;
        }
        default:
            ShowError(seriesmsg::BadSource);
    }
}

void DataPump::ImportWaf(const std::filesystem::path& file) {
    const FileReadResult read = ReadWholeFile(file, 2 * kWafBlockSize);
    if (read.status == FileReadStatus::Missing) return;
    if (!read.ok() || read.bytes.size() < 2 * kWafBlockSize) {
        throw TarvixError(
            FormatMessageText(series_.Texts().Text(seriesmsg::ReadError), {file.string()}));
    }
    const WafChannels channels = DecodeWaf(read.bytes);
    VarVectors& vectors = series_.Vectors();
    auto store = [&](const std::vector<long double>& samples, BoxId box) {
        ParserFloatArray values;
        values.reserve(samples.size());
        for (long double s : samples) {
            series_.RunControl().ProcessEvents();
            values.push_back({s, 0.0L});
        }
        vectors.TransferName = calc_.RegisterAt(box).Label;
        vectors.TransferVector = std::move(values);
        Stored(vectors.StoreTransfer(series_.VarAsVector()));
    };
    store(channels.Channel1, BoxId::A);
    store(channels.Channel2, BoxId::B);
}

void DataPump::Destination(int source, int destination, std::string_view varName,
                           const std::filesystem::path& file) {
    VarVectors& vectors = series_.Vectors();
    switch (destination) {
        case 0: {
            const FileWriteResult written = WriteFileAtomically(file, JoinTextLines(lines_));
            if (!written.ok()) {
                throw TarvixError(
                    FormatMessageText(series_.Texts().Text(seriesmsg::FileError), {file.string()}));
            }
            return;
        }
        case 2:
        case 3:
            series_.Statistics().WriteColumn(destination == 2 ? 1 : 2, lines_);
            return;
        case 4:
            if (source == 1) return;  // the recording has been stored already
            // A source that stored under the variable's name has done it.
            if (transferred_ != &vectors.TransferVector && vectors.TransferName == varName) return;
            vectors.TransferName = varName;
            vectors.StoreTransfer(series_.VarAsVector());
            return;
        case 5: {
            if (source == 1 || source == 4 || source == 5 || source == 6) {
                lines_.clear();
                const FormatOptions options = calc_.CurrentFormatOptions();
                for (const ComplexValue& v : *transferred_)
                    lines_.push_back(VectorElementText(v, options));
            }
            clipboard_.SetText(JoinTextLines(lines_));
            return;
        }
        case 6: {
            const bool complex = calc_.NumericalScope() == nsComplex;
            CurrentSeries& series = series_.Series();
            series = CurrentSeries::FromVector(*transferred_, complex);
            if (!complex) series_.Chart().AddSeries(series);
            return;
        }
        default:
            ShowError(seriesmsg::BadDestination);
    }
}

}  // namespace tarvix
