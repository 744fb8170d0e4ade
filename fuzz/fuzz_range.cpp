// Fuzz target: any text in the X, Y and A boxes (ranges, values with
// increment) and any settings of the series file must give a run or a
// message, never a crash; the counts stay within what the run promised.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/calculator.h"
#include "engine/parser_errors.h"
#include "series/series_controller.h"
#include "series/series_hooks.h"
#include "series/series_range.h"

namespace {

using namespace tarvix;

class QuietDialogs : public DialogsPort {
public:
    // Large runs are refused: the fuzzer wants many small ones.
    ModalResult ShowMessage(const MessageBoxRequest&) override { return ModalResult::No; }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Calculator calc;
    static QuietDialogs dialogs;
    static SeriesController series(calc);
    static SeriesHooks hooks(series);
    static bool ready = [] {
        calc.SetDialogs(&dialogs);
        calc.SetHooks(&hooks);
        return true;
    }();
    (void)ready;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    // Three boxes separated by newlines; the rest is the input line.
    std::string parts[4];
    for (int i = 0; i < 4; ++i) {
        const std::size_t nl = i < 3 ? text.find('\n') : std::string_view::npos;
        parts[i] = std::string(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    try {
        SeriesRange r = ReadRange(parts[0], calc.Parser1(), series.Texts());
        if (r.Count < 1) __builtin_trap();
    } catch (const TarvixError&) {
    }
    (void)IncrementText(parts[1]);
    calc.SetRegisterBox(BoxId::X, parts[0]);
    calc.SetRegisterBox(BoxId::Y, parts[1]);
    calc.SetRegisterBox(BoxId::A, parts[2]);
    calc.SetInputText(parts[3].empty() ? "X+Y+A" : parts[3]);
    calc.Calculate();
    const CurrentSeries& s = series.Series();
    if (s.ValidPoints > 100001 || s.Y.size() > s.ValidPoints) __builtin_trap();
    return 0;
}
