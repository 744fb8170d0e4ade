// The calculator's series hooks answered by a SeriesController, for owners
// without a window of their own (the headless evaluator, tests); the main
// window forwards the same hooks itself.
#pragma once

#include "calculator/calculator_ports.h"
#include "series/series_controller.h"

namespace tarvix {

class SeriesHooks : public CalculatorHooks {
public:
    explicit SeriesHooks(SeriesController& series) : series_(series) {}

    bool PrepareSeries(std::string_view typed, std::string& text) override {
        return series_.PrepareSeries(typed, text);
    }
    bool BranchToSeries(Calculator& /*calculator*/, bool xRangeUsed) override {
        return series_.BranchToSeries(xRangeUsed);
    }
    std::optional<ComplexValue> EvaluateSeriesExpansion(TParser& parser) override {
        return series_.EvaluateSeriesExpansion(parser);
    }
    void ClearSeries() override { series_.ClearSeries(); }
    void ClearAllVectors() override { series_.ClearAllVectors(); }
    void RemoveVector(std::string_view name) override { series_.RemoveVector(name); }

private:
    SeriesController& series_;
};

}  // namespace tarvix
