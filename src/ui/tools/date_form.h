// TDateForm: the modal period window "Období". Two date pickers (1900–2099),
// the first-day check box and the shift length; every change recomputes the
// period's length in days, weeks, months and years, the weekday counts,
// working days, rest days, holidays and working hours. The period fields
// move a date forward or back; "&Svátky" edits the holiday list. A date's
// label dragged onto the other picker copies the date.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/civil_date.h"
#include "tools/holiday_calendar.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tarvix {

class Calculator;
class TextCatalog;

// Where the holiday list lives (the settings) and how it is replaced.
struct HolidayStore {
    std::function<std::vector<std::string>()> Load;
    std::function<void(std::vector<std::string>)> Save;
};

class TDateForm : public QDialog {
    Q_OBJECT

public:
    TDateForm(Calculator& calculator, TextCatalog& texts, HolidayStore holidays, QWidget* parent);
    ~TDateForm() override;

    QDateEdit* StartDateTimePicker() const { return start_; }
    QDateEdit* EndDateTimePicker() const { return end_; }
    QCheckBox* ZapocitatPrvniDenCheckBox() const { return firstDay_; }
    QComboBox* SmenaComboBox() const { return shift_; }
    // Days, weeks, months, years.
    QSpinBox* PeriodEdit(std::size_t index) const { return fields_[index]; }
    QLabel* PeriodStaticText(std::size_t index) const { return exact_[index]; }
    // Weekday counts Monday … Sunday, then working days, rest days, holidays.
    QLabel* CountLabel(std::size_t index) const { return counts_[index]; }
    QLabel* HodinLabel() const { return hours_; }
    QLabel* DateLabel(bool end) const { return end ? endLabel_ : startLabel_; }

    void SetDates(const CivilDate& start, const CivilDate& end);
    void Recompute();
    void VymazatClick();
    void PricistClick();
    void OdecistClick();
    void SvatkyClick();
    // Sets every caption and hint again from the text catalog (also on a
    // language change).
    Q_INVOKABLE void ApplyTexts();
    // The dialog of "&Svátky" (tests answer it).
    void SetHolidayDialogRunner(std::function<int(QDialog&)> runner) {
        runDialog_ = std::move(runner);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(std::string_view key, std::string_view builtIn) const;
    void BuildCalendar();
    void ClearResults();
    void ShowDateInfo();
    // The working hours with their unit; empty when cleared.
    void ShowHours();
    void Move(bool back);
    void StartDrag(bool fromEnd);

    Calculator& calculator_;
    TextCatalog& texts_;
    HolidayStore holidays_;
    std::unique_ptr<HolidayCalendar> calendar_;
    std::function<int(QDialog&)> runDialog_;

    QDateEdit* start_ = nullptr;
    QDateEdit* end_ = nullptr;
    QLabel* startLabel_ = nullptr;
    QLabel* endLabel_ = nullptr;
    QCheckBox* firstDay_ = nullptr;
    QComboBox* shift_ = nullptr;
    std::array<QSpinBox*, 4> fields_{};
    std::array<QLabel*, 4> exact_{};
    std::array<QLabel*, 10> counts_{};
    QLabel* hours_ = nullptr;
    QString hoursNumber_;
    std::array<QLabel*, 2> pickerLabels_{};
    std::array<QPushButton*, 2> todayButtons_{};
    QLabel* shiftLabel_ = nullptr;
    QGroupBox* periodBox_ = nullptr;
    QGroupBox* countsBox_ = nullptr;
    std::array<QLabel*, 4> fieldCaptions_{};
    std::array<QLabel*, 10> countCaptions_{};
    std::array<QPushButton*, 5> buttons_{};
    bool updating_ = false;
};

}  // namespace tarvix
