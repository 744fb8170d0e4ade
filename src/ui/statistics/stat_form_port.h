// The statistics window as the series subsystem's StatisticsPort: the
// transfers between a vector and a statistics column (DataPump) and the
// series runs from statistics read and write its grid through this port.
#pragma once

#include <functional>

#include "series/series_ports.h"

namespace tarvix {

class TStatForm;

class StatFormPort : public StatisticsPort {
public:
    // `window(create)` gives the statistics window, creating and showing it
    // when `create` is set; nullptr when there is none.
    explicit StatFormPort(std::function<TStatForm*(bool create)> window)
        : window_(std::move(window)) {}

    bool Exists() const override { return window_(false) != nullptr; }
    int SelectedColumn() const override;
    void SetSelectedColumn(int column) override;
    bool XyChecked() const override;
    // Grid rows including the header row.
    int RowCount() const override;
    // Row 0 is the header; data rows from 1.
    std::string Cell(int column, int row) const override;
    void WriteColumn(int column, const std::vector<std::string>& texts) override;
    void Show() override;

private:
    std::function<TStatForm*(bool)> window_;
};

}  // namespace tarvix
