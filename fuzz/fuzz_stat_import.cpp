// Fuzz target: any bytes read as a statistics import (single column and
// regression mode, with every refused line answered "go on" or "cancel")
// must not crash; every row read holds an x and only texts that read as
// values, regression rows have both cells, and a cancel stops at the first
// question.
// The rows are then computed, which must not crash either.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "analysis/stat_import.h"
#include "analysis/statistics.h"
#include "calculator/calculator.h"
#include "storage/text_codec.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tarvix::Calculator calc;
    const std::string text = tarvix::DecodeText(
        std::string_view(reinterpret_cast<const char*>(data), size));
    tarvix::ParserCellReader reader(calc.Parser1(), false);
    for (bool regression : {false, true}) {
        for (bool goOn : {true, false}) {
            int questions = 0;
            tarvix::ImportResult result = tarvix::ReadImportText(
                text, regression, 1, reader, [&](const tarvix::ImportQuestion& q) {
                    ++questions;
                    Check(q.Line >= 1);
                    return goOn;
                });
            if (!goOn) Check(questions <= 1);
            const tarvix::StatRowsView rows(result.Rows);
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const tarvix::StatRow row = rows[r];
                Check(!row.X.empty() && reader.IsValue(row.X));
                if (!row.Y.empty()) Check(reader.IsValue(row.Y));
                if (regression) Check(!row.Y.empty());
            }
            tarvix::StatOptions options{result.Xy, regression && result.Xy,
                                        tarvix::RegressionModel::Linear};
            (void)tarvix::ComputeStatistics(result.Rows, options, reader);
        }
    }
    return 0;
}
