// The series engine: one run of the input line's compiled expression over
// the X range (and the Y range), over the elements of the vectors, or over
// the statistics grid, with the values written into the current series, the
// transfer vector and the series file.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <type_traits>

#include "calculator/text_trim.h"
#include "calculator/value_text.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "series/series_controller.h"
#include "series/series_file.h"
#include "series/series_memory.h"
#include "series/series_range.h"

namespace tarvix {
namespace {

using Clock = std::chrono::steady_clock;

// Confirmation thresholds of large runs.
constexpr long double kAskAbove = 100001.0L;
constexpr long double kAskHarderAbove = 1000001.0L;
// Pending events are let through about this often (the window throttles too).
constexpr auto kPollInterval = std::chrono::milliseconds(10);

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t') out += c;
    return out;
}

// "nn:ss,zzz": minutes, seconds and milliseconds.
std::string ElapsedText(Clock::duration d) {
    const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
    char buffer[32];
    const long long minutes = ms / 60000;
    const int seconds = static_cast<int>(ms / 1000 % 60);
    const int millis = static_cast<int>(ms % 1000);
    std::string text = minutes < 10 ? "0" : "";
    text += std::to_string(minutes);
    std::snprintf(buffer, sizeof buffer, ":%02d,%03d", seconds, millis);
    return text + buffer;
}

// Writes an array from its start: its old contents are overwritten, beyond
// them the size grows a block at a time, so that an append is a plain store
// and not a call; the array is cut to what was written when the writing
// ends, also on an error.
class Appender {
public:
    Appender() = default;
    Appender(const Appender&) = delete;
    Appender& operator=(const Appender&) = delete;
    ~Appender() { Finish(); }
    void Start(TArrayOfExtended* array) {
        Finish();
        array_ = array;
        size_ = 0;
    }
    [[gnu::always_inline]] void Put(long double value) {
        if (size_ == array_->size()) [[unlikely]]
            Grow();
        (*array_)[size_++] = value;
    }
    void Finish() {
        if (array_) array_->resize(size_);
        array_ = nullptr;
    }

private:
    [[gnu::noinline]] void Grow() {
        constexpr std::size_t kBlock = 4096;
        array_->resize(std::max(size_ + 1, std::min(array_->capacity(), size_ + kBlock)));
    }

    TArrayOfExtended* array_ = nullptr;
    std::size_t size_ = 0;
};

FileNumberMask ChooseMask(const DataSeriesSettings& s) {
    if (auto m = FileNumberMask::Parse(s.FormatFloatMask)) return *m;
    if (auto m = FileNumberMask::Parse(s.DefaultFloatMask)) return *m;
    return *FileNumberMask::Parse(kDefaultSeriesMask);
}

}  // namespace

bool SeriesController::ConfirmCount(long double total) {
    std::string_view key;
    if (total > kAskHarderAbove)
        key = seriesmsg::TooManySteps1M;
    else if (total > kAskAbove)
        key = seriesmsg::TooManySteps100k;
    else
        return true;
    return calc_.ShowMessageBox(texts_.Text(key), MessageKind::Confirmation, kYesNoCancelButtons,
                                kSeriesHelpContext) == ModalResult::Yes;
}

RunEnd SeriesController::RunSeries(bool fromStatistics) {
    // A run in progress is only asked to stop; nothing is reset.
    if (running_) {
        stop_ = true;
        return RunEnd::NotRun;
    }
    return RunPass(fromStatistics);
}

RunEnd SeriesController::RunPass(bool fromStatistics) {
    TParser& parser = calc_.Parser1();
    const bool complex = calc_.NumericalScope() == nsComplex;

    // 1. Separators.
    std::optional<char> column = ColumnSeparatorChar(settings_.ColumnSeparator);
    if (!column) {
        calc_.ShowMessageBox(texts_.Text(seriesmsg::BadColumnSeparator), MessageKind::Warning,
                             kOkButton, kSeriesHelpContext);
        column = ' ';
    }
    const char decimal =
        DecimalSeparatorChar(settings_.DecimalSeparator, calc_.Options().DecimalSeparator);
    if (settings_.CreateFile && *column == ',' && decimal == ',') {
        calc_.ShowMessageBox(texts_.Text(seriesmsg::SeparatorClash), MessageKind::Error,
                             kCancelHelpButtons, kSeriesHelpContext);
        return RunEnd::NotRun;
    }
    parser.SetLastValue({});
    stop_ = false;

    // 3., 4. Something to run.
    if (TrimBlanks(calc_.InputText()).empty()) return RunEnd::NotRun;
    const RegisterBank& regs = calc_.Registers();
    const Register& xReg = regs[BoxId::X];
    const Register& yReg = regs[BoxId::Y];
    const bool vectorRun = varAsVector_ && vectors_.AnyUsedVector(parser);
    if (!HoldsRange(xReg.Box) && !vectorRun) {
        calc_.ShowMessageBox(FormatMessageText(texts_.Text(seriesmsg::NoRange), {xReg.Label}),
                             MessageKind::Error, kCancelHelpButtons, kSeriesHelpContext);
        return RunEnd::NotRun;
    }

    // 5. Variables from the boxes (a range reads as 0) and the increments.
    for (BoxId id : kRegisterLoadOrder) {
        parser.SetVariable(regs[id].Label, ParseValueText(regs[id].Box, parser));
    }
    std::vector<TIncr> increments;
    for (BoxId id : {BoxId::Y, BoxId::A, BoxId::B, BoxId::C, BoxId::D, BoxId::E, BoxId::F}) {
        if (std::optional<std::string> inc = IncrementText(regs[id].Box))
            increments.push_back(MakeIncrement(regs[id].Label, *inc, parser));
    }

    // 7., 8. Ranges and the point count (checked as a real number first).
    std::string xText = WithoutBlanks(xReg.Box);
    if (xText.find("..") == std::string::npos)
        xText = "0.." + vectors_.ShortestVectorHigh(parser) + ":1";
    const SeriesRange xr = ReadRange(xText, parser, texts_);
    std::optional<SeriesRange> yr;
    if (HoldsRange(yReg.Box)) yr = ReadRange(yReg.Box, parser, texts_);
    const std::size_t nx = xr.Count;
    const std::size_t ny = yr ? yr->Count : 0;
    const long double totalReal =
        static_cast<long double>(nx) * static_cast<long double>(yr ? ny : 1);
    if (totalReal > kMaxSeriesPoints)
        Raise<EArithmeticError>(msg::RangeError, {}, kSeriesHelpContext);
    const std::size_t total = nx * (yr ? ny : 1);

    // A run whose points cannot fit is refused before anything is asked or
    // allocated.
    SeriesFootprint footprint;
    footprint.RealArrays = !complex;
    footprint.Rows = complex || pass_ != 0;
    footprint.Transfer = varAsVector_ && !calc_.AssignmentTarget().empty();
    footprint.LinesInMemory = settings_.CreateFile && fileStream_ && pass_ == 1;
    const std::optional<std::uint64_t> available =
        memoryProbe_ ? memoryProbe_() : AvailableMemory();
    if (!SeriesFits(totalReal, footprint, available)) {
        constexpr long double kMegabyte = 1024.0L * 1024.0L;
        auto whole = [](long double v) { return std::to_string(std::llround(v)); };
        const long double need = totalReal * static_cast<long double>(BytesPerPoint(footprint));
        calc_.ShowMessageBox(
            FormatMessageText(texts_.Text(seriesmsg::NotEnoughMemory),
                              {whole(totalReal), whole(need / kMegabyte),
                               whole(static_cast<long double>(*available) / kMegabyte)}),
            MessageKind::Error, kCancelHelpButtons, kSeriesHelpContext);
        return RunEnd::NotRun;
    }

    // 9. Large runs are confirmed once (not again for the second pass).
    if (pass_ != 2 && !ConfirmCount(totalReal)) return RunEnd::NotRun;

    // 6. The series file (asked first, so a refused run leaves the old file).
    std::unique_ptr<SeriesFileOutput> file;
    std::unique_ptr<SeriesFileReader> firstPass;
    if (settings_.CreateFile) {
        const std::string& error = texts_.Text(seriesmsg::FileError);
        if (fileStream_) {
            file = pass_ == 1 ? SeriesFileOutput::ToMemory()
                              : SeriesFileOutput::ToStream(*fileStream_);
            if (pass_ == 2) firstPass = std::make_unique<SeriesFileReader>(firstPassLines_);
        } else {
            const std::filesystem::path path = SeriesFilePath();
            if (pass_ == 2) firstPass = std::make_unique<SeriesFileReader>(path);
            file = SeriesFileOutput::ToFile(path, error);
        }
    }
    SeriesLineFormat format{ChooseMask(settings_),
                            *column,
                            decimal,
                            calc_.ImaginaryUnit(),
                            complex,
                            settings_.Numbering,
                            settings_.Ordinate,
                            NumberingDigits(total)};

    // 10. The arrays: pass 2 keeps the rows of pass 1 and fills Im.
    const std::size_t rows = yr ? ny : 1;
    const bool withRows = complex || pass_ == 1;
    CurrentSeries next = CurrentSeries::ForRun(
        rows, nx, xr.Lo, xr.Step, yr ? yr->Lo : ComplexValue{}, yr ? yr->Step : ComplexValue{},
        yr.has_value(), withRows, std::move(series_.X), std::move(series_.Y));
    if (pass_ == 2 && !complex) {
        next.Re = std::move(series_.Re);
        next.Im = std::move(series_.Im);
        next.Re.resize(rows);
        next.Im.assign(rows, {});
        for (auto& row : next.Im) row.reserve(nx);
    }
    next.Parametric = pass_ != 0;
    series_ = std::move(next);
    vectors_.TransferName = calc_.AssignmentTarget();
    const bool transfer = varAsVector_ && !vectors_.TransferName.empty();
    vectors_.TransferVector.clear();
    if (transfer) vectors_.TransferVector.reserve(total);

    ComplexValue* xSlot = parser.VariableAddress(xReg.Label);
    ComplexValue* ySlot = parser.VariableAddress(yReg.Label);
    ComplexValue* sumSlot = nullptr;
    if (expansion_) {
        sumSlot = parser.VariableAddress(expansion_->Variable);
        if (!sumSlot) sumSlot = parser.SetVariable(expansion_->Variable, {});
    }
    const std::vector<VarVectors::Binding> bindings =
        varAsVector_ ? vectors_.Bind(parser) : std::vector<VarVectors::Binding>{};
    const int statColumn = pass_ == 2 ? 2 : 1;
    long double lowRe = 1.1e4932L, highRe = -1.1e4932L;

    // 11. Running state, restored on every way out.
    running_ = true;
    control_->BeginRun();
    struct RunningReset {
        SeriesController& c;
        ~RunningReset() {
            c.running_ = false;
            c.control_->EndRun();
        }
    } runningReset{*this};
    const Clock::time_point started = Clock::now();

    std::size_t k = 0;
    std::string line;
    std::string previous;
    std::string progress;
    long long shownPercent = -1;
    std::size_t progressAt = 0;
    const std::size_t progressStride = std::max<std::size_t>(1, total / 400);
    std::size_t pollStride = 1;
    std::size_t sincePoll = 0;
    Clock::time_point lastPoll = started;

    // The arrays the points go to: X and Y in the real domain, the rows of
    // Re and Im in the complex domain and in the parametric passes.
    // A failed evaluation leaves X one value ahead: cut back to the points
    // computed (after the appenders have cut to what they wrote).
    struct ValidOnly {
        CurrentSeries& s;
        ~ValidOnly() {
            if (s.X.size() > s.ValidPoints) s.X.resize(s.ValidPoints);
        }
    } validOnly{series_};
    Appender xs, ys, res, ims;
    xs.Start(&series_.X);  // left empty in the complex domain
    ys.Start(&series_.Y);
    const bool toRe = complex || pass_ == 1;
    const bool toIm = complex || pass_ == 2;
    auto startRow = [&](std::size_t row) {
        if (toRe) res.Start(&series_.Re[row]);
        if (toIm) ims.Start(&series_.Im[row]);
    };

    // 14. One step, with X (and Y) at the point. The variables' slots are
    // written part by part: a whole value copied through memory right after
    // its parts were computed stalls the processor.
    // Inlined into both loops: a call per point would cost as much as the bookkeeping.
    // `Plain` (known when compiled) leaves out what an ordinary real run over
    // X never needs: vectors, sums, statistics cells, increments, the rows of
    // the parametric passes, the file and the transfer vector.
    auto step = [&]<bool Plain>(std::bool_constant<Plain>, long double xRe, long double xIm,
                                const ComplexValue* yv) __attribute__((always_inline)) {
        ++k;
        if constexpr (!Plain)
            if (!bindings.empty()) VarVectors::SetElements(bindings, k - 1, complex);
        xSlot->Re = xRe;
        if constexpr (!Plain) xSlot->Im = xIm;  // a plain run sets it once
        if (yv) {
            ySlot->Re = yv->Re;
            ySlot->Im = yv->Im;
        }
        if (k >= progressAt) {
            progressAt = k + progressStride;
            long double p = static_cast<long double>(k) / static_cast<long double>(total) * 100.0L;
            if (pass_ == 1) p /= 2.0L;
            if (pass_ == 2) p = 50.0L + p / 2.0L;
            const long long percent = std::llround(p);
            if (percent != shownPercent) {
                shownPercent = percent;
                progress = std::to_string(percent) + "% ";
                control_->ShowProgress(progress);
            }
        }
        if (++sincePoll >= pollStride) {
            sincePoll = 0;
            const Clock::time_point now = Clock::now();
            const auto gap = now - lastPoll;
            if (gap >= kPollInterval) {
                control_->ProcessEvents();
                lastPoll = Clock::now();
                if (gap > 2 * kPollInterval && pollStride > 1) pollStride /= 2;
            } else if (pollStride < 4096) {
                pollStride *= 2;
            }
        }
        if constexpr (Plain) {
            xs.Put(xRe);  // before the evaluation: X need not be kept across the call
            ys.Put(parser.Evaluate().Re);
            series_.ValidPoints = k;
            return;
        }
        ComplexValue v;
        if (expansion_)
            v = SumExpansion(*expansion_, parser, sumSlot, complex);
        else if (fromStatistics)
            v = statistics_->Exists()
                    ? ParseValueText(statistics_->Cell(statColumn, static_cast<int>(k)), parser)
                    : ComplexValue{};
        else
            v = parser.Evaluate();
        ApplyIncrements(increments, v, complex);
        if (complex) {
            res.Put(v.Re);
            ims.Put(v.Im);
        } else {
            xs.Put(xRe);
            ys.Put(v.Re);
            if (toRe) res.Put(v.Re);
            if (toIm) ims.Put(v.Re);
        }
        if (pass_ == 1) {
            lowRe = std::min(lowRe, v.Re);
            highRe = std::max(highRe, v.Re);
        }
        series_.ValidPoints = k;
        if (file) {
            line.clear();
            if (firstPass) {
                firstPass->Next(previous);
                line = previous;
                line += format.Column;
                format.AppendReal(line, v.Re);
            } else {
                format.AppendNumber(line, k);
                if (format.Ordinate) {
                    format.AppendValue(line, {xRe, xIm});
                    line += format.Column;
                    if (yv) {
                        format.AppendValue(line, *yv);
                        line += format.Column;
                    }
                }
                format.AppendValue(line, v);
            }
            file->WriteLine(line);
        }
        if (transfer) vectors_.TransferVector.push_back(complex ? v : ComplexValue{v.Re, 0.0L});
    };

    // X runs over one component; the other keeps the lower bound's.
    const long double xFixed = xr.Imaginary ? xr.Lo.Re : xr.Lo.Im;
    const bool plain = !complex && pass_ == 0 && !expansion_ && !fromStatistics &&
                       increments.empty() && bindings.empty() && !file && !transfer;
    constexpr std::true_type kPlain;
    constexpr std::false_type kFull;
    if (yr) {
        // 12. Two-dimensional: a stop ends the current row and skips the rest.
        const long double xTol = xr.Tolerance(nx);
        const long double yTol = yr->Tolerance(ny);
        for (std::size_t r = 0; r < ny && !stop_; ++r) {
            const ComplexValue yv = yr->At(r, yTol);
            startRow(r);
            for (std::size_t j = 0; j < nx && !stop_; ++j) {
                const long double c = xr.Component(j, xTol);
                step(kFull, xr.Imaginary ? xFixed : c, xr.Imaginary ? c : xFixed, &yv);
            }
        }
    } else {
        // 13. One-dimensional.
        const long double xTol = xr.Tolerance(total);
        startRow(0);
        if (xr.Imaginary) {
            for (std::size_t j = 0; j < nx && !stop_; ++j)
                step(kFull, xFixed, xr.Component(j, xTol), nullptr);
        } else if (plain) {
            xSlot->Im = xFixed;
            for (std::size_t j = 0; j < nx && !stop_; ++j)
                step(kPlain, xr.Component(j, xTol), xFixed, nullptr);
        } else {
            for (std::size_t j = 0; j < nx && !stop_; ++j)
                step(kFull, xr.Component(j, xTol), xFixed, nullptr);
        }
    }
    for (Appender* a : {&xs, &ys, &res, &ims}) a->Finish();

    // 15. Store the transfer, close the file.
    const Clock::time_point ended = Clock::now();
    if (transfer) vectors_.StoreTransfer(varAsVector_);
    if (file) {
        if (pass_ == 1 && fileStream_) firstPassLines_ = file->Lines();
        firstPass.reset();
        file->Close();
    }

    // 16. The result on the display.
    const bool stopped = stop_;
    if (stopped) {
        calc_.ShowMessageOnDisplay(texts_.Text(seriesmsg::Stopped));
    } else {
        if (pass_ != 1) {
            const std::string_view key = k == 1   ? seriesmsg::OneValue
                                         : k <= 4 ? seriesmsg::FewValues
                                                  : seriesmsg::ManyValues;
            calc_.ShowMessageOnDisplay(
                FormatMessageText(texts_.Text(key), {std::to_string(k), progress}));
            chart_->ShowMainChart(series_);
        } else {
            firstRange_ = {lowRe, highRe};
        }
        elapsedHint_ =
            FormatMessageText(texts_.Text(seriesmsg::ElapsedTime), {ElapsedText(ended - started)});
    }
    // 17. Ans is the last value; a "SUM(" input shows the accumulated sum.
    parser.SetVariable("ANS", parser.LastValue());
    const std::string input = ToUpperAscii(WithoutBlanks(calc_.InputText()));
    if (!stopped && input.size() >= 5 && input.starts_with("SUM(") && pass_ != 1)
        calc_.ShowMessageOnDisplay(calc_.FormatValue(parser.LastValue()));
    stop_ = false;
    return stopped ? RunEnd::Stopped : RunEnd::Completed;
}

}  // namespace tarvix
