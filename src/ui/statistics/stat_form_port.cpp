// The statistics grid reached from the transfers and series runs.
#include "ui/statistics/stat_form_port.h"

#include "ui/statistics/stat_form.h"

namespace tarvix {

int StatFormPort::SelectedColumn() const {
    TStatForm* w = window_(false);
    return w ? w->Model().Table().SelectedColumn() : 1;
}

void StatFormPort::SetSelectedColumn(int column) {
    if (TStatForm* w = window_(false)) w->Model().Table().SetSelectedColumn(column);
}

bool StatFormPort::XyChecked() const {
    TStatForm* w = window_(false);
    return w && w->Model().Table().Xy();
}

int StatFormPort::RowCount() const {
    TStatForm* w = window_(false);
    return w ? w->Model().Table().RowCount() + 1 : 0;
}

std::string StatFormPort::Cell(int column, int row) const {
    TStatForm* w = window_(false);
    if (!w || row < 1) return {};
    if (column == 0) return std::to_string(row);
    return w->Model().Table().Cell(column, row - 1);
}

void StatFormPort::WriteColumn(int column, const std::vector<std::string>& texts) {
    TStatForm* w = window_(true);
    if (!w) return;
    w->Model().Table().WriteColumn(column, texts);
    if (column == 2 && !w->Model().Table().Xy()) w->Model().SetXy(true);
    w->RefreshTable();
    w->ApplyTexts();
    w->ShowResults();
}

void StatFormPort::Show() {
    if (TStatForm* w = window_(true)) w->show();
}

}  // namespace tarvix
