// TChartTextsDialog: "Texty popisků grafu" of the detailed chart: the header
// and axis titles, and optionally a linear transformation of one series'
// points (constants and shifts read as value texts).
#pragma once

#include <QDialog>
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
    TChartTextsDialog(const ChartTexts& texts, int seriesCount, TextCatalog& catalog,
                      QWidget* parent);
    ChartTexts Result() const;

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
};

}  // namespace tarvix
