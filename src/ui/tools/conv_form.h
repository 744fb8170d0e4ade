// TConvForm: the unit conversion window "Převody jednotek". The quantities
// are chosen by their labels or the track bar JednotkyTrackBar, the units by
// two columns of labels (Label0…, Label_0…) or their track bars; the state
// lives in the main window's UnitConversionModel so that it lasts the whole
// program run. Quantity and unit names and the notes are in the interface
// language (unit_names.h). Import takes the main display's value, Export puts the output
// into the main input line; register labels dropped on the input put their
// value there.
#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "tools/unit_conversion_model.h"
#include "tools/unit_names.h"
#include "tools/unit_table.h"

class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QStatusBar;
class QToolButton;

namespace tarvix {

class TClickLabel;
class TMainForm;

class TConvForm : public QWidget {
    Q_OBJECT

public:
    TConvForm(UnitConversionModel& model, TMainForm& main, QWidget* parent);

    void ApplyTexts();
    // Shows the model's state in the widgets.
    void Refresh();

    QLineEdit* InpEdit() const { return inpEdit_; }
    QLineEdit* OutEdit() const { return outEdit_; }
    QStatusBar* StatusBar() const { return statusBar_; }
    TClickLabel* CategoryLabel(std::size_t index) const { return categoryLabels_[index]; }
    TClickLabel* InputLabel(std::size_t index) const { return inputLabels_[index]; }
    TClickLabel* OutputLabel(std::size_t index) const { return outputLabels_[index]; }

    // --- Commands
    void PrevedButtonClick();
    void ImportClick();
    void ExportClick();
    void SwapAllClick();
    void SwapUnitsClick();
    void SwapValuesClick();
    void SelectCategory(std::size_t index);
    void SelectInputUnit(std::size_t index);
    void SelectOutputUnit(std::size_t index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(std::string_view key, std::string_view builtIn) const;
    // The unit labels and the note of the current quantity, in the language.
    void ShowUnitTexts();
    QWidget* BuildCategories();
    QWidget* BuildUnitColumn(std::array<TClickLabel*, kMaxUnitsPerCategory>& labels,
                             QSlider*& trackBar, const char* prefix, bool input);

    UnitConversionModel& model_;
    TMainForm& main_;
    UnitNames names_;
    bool refreshing_ = false;

    std::array<TClickLabel*, kUnitCategoryCount> categoryLabels_{};
    std::array<TClickLabel*, kMaxUnitsPerCategory> inputLabels_{};
    std::array<TClickLabel*, kMaxUnitsPerCategory> outputLabels_{};
    QSlider* jednotkyTrackBar_ = nullptr;
    QSlider* inpTrackBar_ = nullptr;
    QSlider* outTrackBar_ = nullptr;
    QGroupBox* prevodGroup_ = nullptr;
    QLineEdit* inpEdit_ = nullptr;
    QLineEdit* outEdit_ = nullptr;
    QPushButton* prevedButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QToolButton* convToolButton_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace tarvix
