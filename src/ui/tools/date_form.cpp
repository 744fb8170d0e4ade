// The period window: pickers, period fields and counts over ComputePeriod.
#include "ui/tools/date_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDrag>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calculator/calculator.h"
#include "calculator/float_mask.h"
#include "storage/text_catalog.h"
#include "tools/date_period.h"
#include "tools/tool_messages.h"
#include "ui/tools/holiday_list_dialog.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "DateForm";
const QString kDateMime = QStringLiteral("application/x-tarvix-date");

struct ShiftRow {
    std::string_view Key;
    std::string_view Caption;
    long double Hours;
};
constexpr ShiftRow kShifts[] = {{"Smena85", "8,5 hod", 8.5L},
                                {"Smena80", "8,0 hod", 8.0L},
                                {"Smena75", "7,5 hod", 7.5L},
                                {"Smena70", "7,0 hod", 7.0L}};

struct FieldRow {
    const char* Edit;
    const char* Exact;
    std::string_view Caption;
};
constexpr FieldRow kFields[4] = {
    {"PocetDnuEdit", "PocetDnuStaticText", "&Dnů:"},
    {"PocetTydnuEdit", "PocetTydnuStaticText", "&Týdnů:"},
    {"PocetMesicuEdit", "PocetMesicuStaticText", "&Měsíců:"},
    {"PocetRokuEdit", "PocetRokuStaticText", "&Roků:"},
};

// Weekday names by weekday number (0 Sunday).
constexpr std::string_view kWeekdayNames[7] = {"Neděle",  "Pondělí", "Úterý", "Středa",
                                               "Čtvrtek", "Pátek",   "Sobota"};
constexpr std::string_view kCountCaptions[3] = {"Pracovní", "Pracovního klidu", "Svátky"};

// The catalog key of the caption of count i (weekdays Monday … Sunday, then
// working days, rest days, holidays) and its built-in text.
std::string CountKey(std::size_t i) {
    return i < 7 ? "Weekday" + std::to_string((i + 1) % 7) : "Count" + std::to_string(i - 7);
}
std::string_view CountCaption(std::size_t i) {
    return i < 7 ? kWeekdayNames[(i + 1) % 7] : kCountCaptions[i - 7];
}

// The dates' captions: catalog key and built-in text.
struct PickerRow {
    const char* Edit;
    const char* CaptionKey;
    std::string_view Caption;
};
constexpr PickerRow kPickers[2] = {{"StartDateTimePicker", "StartLabel", "&Počáteční:"},
                                   {"EndDateTimePicker", "EndLabel", "&Konečné:"}};

// The buttons along the bottom.
struct ButtonRow {
    const char* Name;
    std::string_view Caption;
    void (TDateForm::*Handler)();
};
constexpr ButtonRow kButtons[] = {
    {"VymazatButton", "&Vymazat", &TDateForm::VymazatClick},
    {"PricistButton", "&Přičíst k počátečnímu", &TDateForm::PricistClick},
    {"OdecistButton", "&Odečíst od konečného", &TDateForm::OdecistClick},
    {"SvatkyButton", "&Svátky", &TDateForm::SvatkyClick},
    {"OKButton", "OK", nullptr},
};

CivilDate FromQDate(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

QDate ToQDate(const CivilDate& date) {
    return QDate(date.Year, date.Month, date.Day);
}

// The digits a full section of the pickers' "dd.MM.yyyy" holds.
int SectionDigits(QDateTimeEdit::Section section) {
    return section == QDateTimeEdit::YearSection ? 4 : 2;
}

// A digit typed while the cursor stands in a full section (after a click
// into the field) would make the section too long and be refused: the
// section is selected first, so that the digit replaces it, as in a native
// date picker. A partly typed section takes its next digit as it is.
void SelectFullSectionForDigit(QDateEdit& edit, const QKeyEvent& key) {
    if (key.text().size() != 1 || !key.text().front().isDigit()) return;
    const QLineEdit* inner = edit.findChild<QLineEdit*>();
    if (!inner || inner->hasSelectedText()) return;
    const QDateTimeEdit::Section section = edit.currentSection();
    if (section == QDateTimeEdit::NoSection) return;
    if (edit.sectionText(section).size() >= SectionDigits(section))
        edit.setSelectedSection(section);
}

// "%1.7g", values below 1e-6 shown as 0.
QString ExactText(long double value, char separator) {
    if (value < 1e-6L) value = 0.0L;
    return ToQ(FormatFloat(value, FloatMask{MaskKind::General, 7}, separator));
}

}  // namespace

TDateForm::TDateForm(Calculator& calculator, TextCatalog& texts, HolidayStore holidays,
                     QWidget* parent)
    : QDialog(parent), calculator_(calculator), texts_(texts), holidays_(std::move(holidays)) {
    setObjectName(QStringLiteral("TDateForm"));
    runDialog_ = [](QDialog& dialog) { return dialog.exec(); };
    auto* layout = new QVBoxLayout(this);

    auto* dates = new QGridLayout;
    const QDate today = QDate::currentDate();
    auto picker = [&](int row, QLabel*& info) {
        auto* edit = new QDateEdit(this);
        edit->setObjectName(QString::fromLatin1(kPickers[row].Edit));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setDateRange(QDate(1900, 1, 1), QDate(2099, 12, 31));
        edit->setDate(today);
        edit->setAcceptDrops(true);
        edit->installEventFilter(this);
        if (QLineEdit* inner = edit->findChild<QLineEdit*>()) inner->installEventFilter(this);
        auto* label = new QLabel(this);
        label->setBuddy(edit);
        pickerLabels_[row] = label;
        auto* dnes = new QPushButton(this);
        todayButtons_[row] = dnes;
        dnes->setObjectName(QString::fromLatin1(row == 0 ? "DnesStartButton" : "DnesEndButton"));
        dnes->setAutoDefault(false);
        connect(dnes, &QPushButton::clicked, this, [edit] { edit->setDate(QDate::currentDate()); });
        info = new QLabel(this);
        info->setObjectName(QString::fromLatin1(row == 0 ? "StartDateLabel" : "EndDateLabel"));
        info->setCursor(Qt::OpenHandCursor);
        info->installEventFilter(this);
        dates->addWidget(label, row, 0);
        dates->addWidget(edit, row, 1);
        dates->addWidget(dnes, row, 2);
        dates->addWidget(info, row, 3);
        connect(edit, &QDateEdit::dateChanged, this, [this] { Recompute(); });
        return edit;
    };
    start_ = picker(0, startLabel_);
    end_ = picker(1, endLabel_);
    dates->setColumnStretch(3, 1);
    layout->addLayout(dates);

    auto* options = new QHBoxLayout;
    firstDay_ = new QCheckBox(this);
    firstDay_->setObjectName(QStringLiteral("ZapocitatPrvniDenCheckBox"));
    connect(firstDay_, &QCheckBox::toggled, this, [this](bool on) {
        start_->setBackgroundRole(on ? QPalette::ToolTipBase : QPalette::Base);
        QPalette palette = start_->palette();
        palette.setColor(QPalette::Base, on ? palette.color(QPalette::ToolTipBase)
                                            : QWidget::palette().color(QPalette::Base));
        start_->setPalette(palette);
        Recompute();
    });
    shift_ = new QComboBox(this);
    shift_->setObjectName(QStringLiteral("SmenaComboBox"));
    for (std::size_t i = 0; i < std::size(kShifts); ++i) shift_->addItem(QString());
    shiftLabel_ = new QLabel(this);
    shiftLabel_->setBuddy(shift_);
    connect(shift_, &QComboBox::currentIndexChanged, this, [this] { Recompute(); });
    options->addWidget(firstDay_);
    options->addStretch();
    options->addWidget(shiftLabel_);
    options->addWidget(shift_);
    layout->addLayout(options);

    auto* results = new QHBoxLayout;
    periodBox_ = new QGroupBox(this);
    QGroupBox* period = periodBox_;
    auto* periodGrid = new QGridLayout(period);
    for (std::size_t i = 0; i < 4; ++i) {
        auto* spin = new QSpinBox(period);
        spin->setObjectName(QString::fromLatin1(kFields[i].Edit));
        spin->setRange(0, 32767);
        auto* caption = new QLabel(period);
        caption->setBuddy(spin);
        fieldCaptions_[i] = caption;
        auto* exact = new QLabel(period);
        exact->setObjectName(QString::fromLatin1(kFields[i].Exact));
        exact->setMinimumWidth(90);
        exact->setFrameShape(QFrame::StyledPanel);
        periodGrid->addWidget(caption, static_cast<int>(i), 0);
        periodGrid->addWidget(spin, static_cast<int>(i), 1);
        periodGrid->addWidget(exact, static_cast<int>(i), 2);
        fields_[i] = spin;
        exact_[i] = exact;
    }
    results->addWidget(period);

    countsBox_ = new QGroupBox(this);
    QGroupBox* countsBox = countsBox_;
    auto* countsGrid = new QGridLayout(countsBox);
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        auto* name = new QLabel(countsBox);
        countCaptions_[i] = name;
        auto* value = new QLabel(countsBox);
        value->setObjectName(QString::fromStdString(CountKey(i) + "Count"));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(40);
        const int row = static_cast<int>(i < 7 ? i : i - 7);
        const int column = i < 7 ? 0 : 2;
        countsGrid->addWidget(name, row, column);
        countsGrid->addWidget(value, row, column + 1);
        counts_[i] = value;
    }
    hours_ = new QLabel(countsBox);
    hours_->setObjectName(QStringLiteral("HodinLabel"));
    countsGrid->addWidget(hours_, 3, 2, 1, 2);
    results->addWidget(countsBox, 1);
    layout->addLayout(results);

    auto* buttons = new QHBoxLayout;
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonRow& row = kButtons[i];
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(row.Name));
        b->setAutoDefault(false);
        if (row.Handler) connect(b, &QPushButton::clicked, this, row.Handler);
        if (!row.Handler) buttons->addStretch();
        buttons->addWidget(b);
        buttons_[i] = b;
    }
    QPushButton* ok = buttons_.back();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setDefault(true);
    layout->addLayout(buttons);

    ApplyTexts();
    BuildCalendar();
    Recompute();
}

void TDateForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Období"));
    for (std::size_t row = 0; row < 2; ++row) {
        pickerLabels_[row]->setText(Text(kPickers[row].CaptionKey, kPickers[row].Caption));
        todayButtons_[row]->setText(Text("DnesButton", "Dnes"));
    }
    for (QLabel* info : {startLabel_, endLabel_})
        info->setToolTip(Text("WeekHint", "Kalendářní týden"));
    firstDay_->setText(Text("ZapocitatPrvniDenCheckBox", "&Započítat první den"));
    shiftLabel_->setText(Text("SmenaLabel", "Směn&a:"));
    for (std::size_t i = 0; i < std::size(kShifts); ++i)
        shift_->setItemText(static_cast<int>(i), Text(kShifts[i].Key, kShifts[i].Caption));
    periodBox_->setTitle(Text("ObdobiGroupBox", "Období"));
    for (std::size_t i = 0; i < 4; ++i)
        fieldCaptions_[i]->setText(Text(kFields[i].Edit, kFields[i].Caption));
    countsBox_->setTitle(Text("DnyGroupBox", "Dny"));
    for (std::size_t i = 0; i < countCaptions_.size(); ++i)
        countCaptions_[i]->setText(Text(CountKey(i), CountCaption(i)));
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        buttons_[i]->setText(Text(kButtons[i].Name, kButtons[i].Caption));
    // The weekday names beside the dates and the hours' unit.
    ShowDateInfo();
    ShowHours();
}

TDateForm::~TDateForm() = default;

QString TDateForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

void TDateForm::BuildCalendar() {
    const HolidayList list =
        ParseHolidayLines(holidays_.Load ? holidays_.Load() : std::vector<std::string>{});
    calendar_ = std::make_unique<HolidayCalendar>(list.Days);
    for (const std::string& line : list.SkippedLines) {
        const ToolError warning(toolmsg::BadHolidayLine, {line});
        const std::string pattern =
            texts_.Text("Msg", warning.Key(), BuiltInToolMessages().Text(warning.Key()));
        calculator_.ShowMessageBox(warning.TextFrom(pattern), MessageKind::Warning, kOkButton, 0);
    }
}

void TDateForm::SetDates(const CivilDate& start, const CivilDate& end) {
    updating_ = true;
    start_->setDate(ToQDate(start));
    end_->setDate(ToQDate(end));
    updating_ = false;
    Recompute();
}

void TDateForm::ShowDateInfo() {
    for (QDateEdit* edit : {start_, end_}) {
        const CivilDate date = FromQDate(edit->date());
        const QString text =
            Text("Weekday" + std::to_string(Weekday(date)), kWeekdayNames[Weekday(date)]) +
            QStringLiteral("  %1.").arg(IsoWeekNumber(date));
        (edit == start_ ? startLabel_ : endLabel_)->setText(text);
    }
}

void TDateForm::ClearResults() {
    updating_ = true;
    for (QSpinBox* field : fields_) field->setValue(0);
    updating_ = false;
    for (QLabel* label : exact_) label->clear();
    for (QLabel* label : counts_) label->clear();
    hoursNumber_.clear();
    ShowHours();
}

void TDateForm::ShowHours() {
    hours_->setText(hoursNumber_.isEmpty() ? QString()
                                           : hoursNumber_ + Text("HoursSuffix", " hod"));
}

void TDateForm::Recompute() {
    if (updating_) return;
    ShowDateInfo();
    const long double shift = kShifts[std::max(0, shift_->currentIndex())].Hours;
    const std::optional<PeriodResult> period =
        ComputePeriod(FromQDate(start_->date()), FromQDate(end_->date()), firstDay_->isChecked(),
                      shift, *calendar_);
    if (!period) {
        ClearResults();
        return;
    }
    const char separator = calculator_.Options().DecimalSeparator;
    const std::array<long double, 4> exact = {static_cast<long double>(period->Days), period->Weeks,
                                              period->Months, period->Years};
    updating_ = true;
    for (std::size_t i = 0; i < 4; ++i) {
        const long double whole = i == 2 ? static_cast<long double>(period->WholeMonths) : exact[i];
        fields_[i]->setValue(static_cast<int>(std::min(whole, 32767.0L)));
        exact_[i]->setText(ExactText(exact[i], separator));
    }
    updating_ = false;
    for (std::size_t i = 0; i < 7; ++i) counts_[i]->setNum(period->WeekdayCounts[(i + 1) % 7]);
    counts_[7]->setNum(period->WorkingDays);
    counts_[8]->setNum(period->RestDays);
    counts_[9]->setNum(period->Holidays);
    hoursNumber_ = ToQ(FormatFloat(period->WorkingHours, FloatMask{}, separator));
    ShowHours();
}

void TDateForm::VymazatClick() {
    ClearResults();
}

void TDateForm::Move(bool back) {
    PeriodShift shift;
    shift.Days = fields_[0]->value();
    shift.Weeks = fields_[1]->value();
    shift.Months = fields_[2]->value();
    shift.Years = fields_[3]->value();
    try {
        if (back) {
            start_->setDate(ToQDate(MoveDate(FromQDate(end_->date()), shift, true)));
        } else {
            end_->setDate(ToQDate(MoveDate(FromQDate(start_->date()), shift, false)));
        }
    } catch (const ToolError&) {
        // A date outside the pickers' range: the exact values are cleared.
        for (QLabel* label : exact_) label->clear();
        return;
    }
    Recompute();
}

void TDateForm::PricistClick() {
    Move(false);
}

void TDateForm::OdecistClick() {
    Move(true);
}

void TDateForm::SvatkyClick() {
    THolidayListDialog dialog(holidays_.Load ? holidays_.Load() : std::vector<std::string>{},
                              texts_, this);
    if (runDialog_(dialog) != QDialog::Accepted) return;
    if (holidays_.Save) holidays_.Save(dialog.Lines());
    BuildCalendar();
    Recompute();
}

void TDateForm::StartDrag(bool fromEnd) {
    auto* mime = new QMimeData;
    const QDate date = (fromEnd ? end_ : start_)->date();
    mime->setData(kDateMime, date.toString(Qt::ISODate).toUtf8());
    auto* drag = new QDrag(fromEnd ? endLabel_ : startLabel_);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

bool TDateForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == start_ || watched == end_))
        SelectFullSectionForDigit(*static_cast<QDateEdit*>(watched),
                                  *static_cast<QKeyEvent*>(event));
    if ((watched == startLabel_ || watched == endLabel_) &&
        event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            StartDrag(watched == endLabel_);
            return true;
        }
    }
    const bool dropEvent = event->type() == QEvent::DragEnter ||
                           event->type() == QEvent::DragMove || event->type() == QEvent::Drop;
    if (dropEvent) {
        QDateEdit* target = nullptr;
        for (QDateEdit* edit : {start_, end_}) {
            if (watched == edit || watched == edit->findChild<QLineEdit*>()) target = edit;
        }
        auto* drop = static_cast<QDropEvent*>(event);
        if (!target || !drop->mimeData()->hasFormat(kDateMime))
            return QDialog::eventFilter(watched, event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop) {
            const QDate date = QDate::fromString(
                QString::fromUtf8(drop->mimeData()->data(kDateMime)), Qt::ISODate);
            if (date.isValid()) target->setDate(date);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tarvix
