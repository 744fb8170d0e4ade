// TChartTextsDialog: "Texty popisků grafu" of the detailed chart: the header
// and axis titles, and optionally a linear transformation of one series'
// points (constants and shifts read as value texts). Every label with an
// accelerator has its field as buddy.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tarvix {

class TextCatalog;

struct ChartTexts {
    std::string Header;
    std::string XTitle;
    std::string YTitle;
    bool Transform = false;
    std::string Kx = "1", Ky = "1", Px = "0", Py = "0";
    int Series = 0;  // from 0
};

class TChartTextsDialog : public QDialog {
    Q_OBJECT

public:
    // Called by "&OK" with the texts; false keeps the dialog open with them
    // (a value that does not read, after its message).
    using Apply = std::function<bool(const ChartTexts&)>;

    TChartTextsDialog(const ChartTexts& texts, int seriesCount, TextCatalog& catalog,
                      QWidget* parent, Apply apply = {});
    ChartTexts Result() const;
    void accept() override;

    QLineEdit* HeaderEdit() const { return header_; }
    QCheckBox* TransformCheckBox() const { return transform_; }
    QLineEdit* KxEdit() const { return kx_; }
    QLineEdit* KyEdit() const { return ky_; }
    QLineEdit* PxEdit() const { return px_; }
    QLineEdit* PyEdit() const { return py_; }

private:
    QLineEdit* header_;
    QLineEdit* xTitle_;
    QLineEdit* yTitle_;
    QCheckBox* transform_;
    QLineEdit* kx_;
    QLineEdit* ky_;
    QLineEdit* px_;
    QLineEdit* py_;
    QSpinBox* series_;
    Apply apply_;
};

}  // namespace tarvix
