// The unit conversion window: widgets over UnitConversionModel.
#include "ui/tools/conv_form.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "calculator/text_trim.h"
#include "tools/tool_messages.h"
#include "ui/main/main_form.h"
#include "ui/statistics/stat_form.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/drag_payload.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "ConvForm";

// The category labels' component names, in the order of the quantities.
constexpr const char* kCategoryLabelNames[kUnitCategoryCount] = {
    "DelkaLabel",    "PlochaLabel",    "ObjemLabel",     "CasLabel",     "HmotnostLabel",
    "VykonLabel",    "TeplotaLabel",   "TlakLabel",      "EnergieLabel", "SilaLabel",
    "RychlostLabel", "ZrychleniLabel", "SvitivostLabel", "JasLabel",     "OsvetleniLabel"};

// "&Import  <Vzít z displeje>": the caption before "<", the hint inside.
void SetCaptionAndHint(QPushButton* button, const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('<'));
    if (open < 0) {
        button->setText(text.trimmed());
        return;
    }
    button->setText(text.left(open).trimmed());
    QString hint = text.mid(open + 1);
    hint.remove(QLatin1Char('>'));
    button->setToolTip(hint.trimmed());
}

}  // namespace

TConvForm::TConvForm(UnitConversionModel& model, TMainForm& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), model_(model), main_(main), names_(model.Table(), main.Texts()) {
    setObjectName(QStringLiteral("TConvForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    body->addWidget(BuildCategories());

    prevodGroup_ = new QGroupBox(this);
    prevodGroup_->setObjectName(QStringLiteral("PrevodGroupBox"));
    prevodGroup_->installEventFilter(this);
    auto* group = new QGridLayout(prevodGroup_);
    inpEdit_ = new QLineEdit(prevodGroup_);
    inpEdit_->setObjectName(QStringLiteral("InpEdit"));
    inpEdit_->setAcceptDrops(true);
    inpEdit_->installEventFilter(this);
    outEdit_ = new QLineEdit(prevodGroup_);
    outEdit_->setObjectName(QStringLiteral("OutEdit"));
    outEdit_->setReadOnly(true);
    convToolButton_ = new QToolButton(prevodGroup_);
    convToolButton_->setObjectName(QStringLiteral("ConvToolButton"));
    convToolButton_->setText(QStringLiteral("⇄"));
    group->addWidget(inpEdit_, 0, 0);
    group->addWidget(convToolButton_, 0, 1);
    group->addWidget(outEdit_, 0, 2);
    group->addWidget(BuildUnitColumn(inputLabels_, inpTrackBar_, "Label", true), 1, 0);
    group->addWidget(BuildUnitColumn(outputLabels_, outTrackBar_, "Label_", false), 1, 2);
    group->setColumnStretch(0, 1);
    group->setColumnStretch(2, 1);
    body->addWidget(prevodGroup_, 1);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    prevedButton_ = new QPushButton(this);
    prevedButton_->setObjectName(QStringLiteral("PrevedButton"));
    prevedButton_->setDefault(true);
    importButton_ = new QPushButton(this);
    importButton_->setObjectName(QStringLiteral("ImportButton"));
    exportButton_ = new QPushButton(this);
    exportButton_->setObjectName(QStringLiteral("ExportButton"));
    buttons->addWidget(importButton_);
    buttons->addWidget(exportButton_);
    buttons->addStretch();
    buttons->addWidget(prevedButton_);
    layout->addLayout(buttons);
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    layout->addWidget(statusBar_);

    popupMenu_ = new QMenu(this);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->popup(mapToGlobal(at)); });

    connect(prevedButton_, &QPushButton::clicked, this, &TConvForm::PrevedButtonClick);
    connect(importButton_, &QPushButton::clicked, this, &TConvForm::ImportClick);
    connect(exportButton_, &QPushButton::clicked, this, &TConvForm::ExportClick);
    connect(convToolButton_, &QToolButton::clicked, this, &TConvForm::SwapAllClick);
    connect(inpEdit_, &QLineEdit::returnPressed, this, &TConvForm::PrevedButtonClick);
    connect(jednotkyTrackBar_, &QSlider::valueChanged, this, [this](int value) {
        if (!refreshing_) SelectCategory(static_cast<std::size_t>(value));
    });
    connect(inpTrackBar_, &QSlider::valueChanged, this, [this](int value) {
        if (!refreshing_) SelectInputUnit(static_cast<std::size_t>(value));
    });
    connect(outTrackBar_, &QSlider::valueChanged, this, [this](int value) {
        if (!refreshing_) SelectOutputUnit(static_cast<std::size_t>(value));
    });
    // Escape and Ctrl+F4 hide the window, Ctrl+Q goes to the main input line.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+F4"))}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::hide);
    }
    auto* focusMain = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Q")), this);
    connect(focusMain, &QShortcut::activated, this, [this] {
        main_.activateWindow();
        main_.ExprComboBox()->setFocus();
    });

    ApplyTexts();
    Refresh();
}

QString TConvForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(main_.Texts().Text(kSection, key, builtIn));
}

QWidget* TConvForm::BuildCategories() {
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    jednotkyTrackBar_ = new QSlider(Qt::Vertical, panel);
    jednotkyTrackBar_->setObjectName(QStringLiteral("JednotkyTrackBar"));
    jednotkyTrackBar_->setRange(0, static_cast<int>(kUnitCategoryCount) - 1);
    jednotkyTrackBar_->setInvertedAppearance(true);
    jednotkyTrackBar_->setInvertedControls(true);
    auto* labels = new QVBoxLayout;
    labels->setSpacing(2);
    for (std::size_t i = 0; i < kUnitCategoryCount; ++i) {
        auto* label = new TClickLabel(panel);
        label->setObjectName(QString::fromLatin1(kCategoryLabelNames[i]));
        label->setProperty("tag", static_cast<int>(i));
        connect(label, &TClickLabel::clicked, this, [this, i] { SelectCategory(i); });
        labels->addWidget(label);
        categoryLabels_[i] = label;
    }
    labels->addStretch();
    layout->addWidget(jednotkyTrackBar_);
    layout->addLayout(labels);
    return panel;
}

QWidget* TConvForm::BuildUnitColumn(std::array<TClickLabel*, kMaxUnitsPerCategory>& labels,
                                    QSlider*& trackBar, const char* prefix, bool input) {
    auto* panel = new QWidget(prevodGroup_);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    trackBar = new QSlider(Qt::Vertical, panel);
    trackBar->setObjectName(input ? QStringLiteral("InpTrackBar") : QStringLiteral("OutTrackBar"));
    trackBar->setInvertedAppearance(true);
    trackBar->setInvertedControls(true);
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    for (std::size_t i = 0; i < kMaxUnitsPerCategory; ++i) {
        auto* label = new TClickLabel(panel);
        label->setObjectName(QString::fromLatin1(prefix) + QString::number(i));
        connect(label, &TClickLabel::clicked, this, [this, i, input] {
            if (input) {
                SelectInputUnit(i);
            } else {
                SelectOutputUnit(i);
            }
        });
        column->addWidget(label);
        labels[i] = label;
    }
    column->addStretch();
    layout->addWidget(trackBar, 0, Qt::AlignTop);
    layout->addLayout(column, 1);
    return panel;
}

void TConvForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Převody jednotek"));
    // Every name of the table, so that a language template holds them all.
    names_.AskAll();
    // A category label's own key (DelkaLabel...) wins over the quantity's
    // name, so language files that name the labels keep working.
    for (std::size_t i = 0; i < kUnitCategoryCount; ++i)
        categoryLabels_[i]->setText(Text(kCategoryLabelNames[i], names_.CategoryName(i)));
    prevodGroup_->setTitle(Text("PrevodGroupBox", "&Převod "));
    prevedButton_->setText(Text("PrevedButton", "Př&eveď"));
    SetCaptionAndHint(importButton_, Text("ImportButton", "&Import  <Vzít z displeje>"));
    SetCaptionAndHint(exportButton_, Text("ExportButton", "E&xport  <Přenést do výrazu>"));
    convToolButton_->setToolTip(Text("ConvToolButtonHint", "Prohodit"));
    popupMenu_->clear();
    popupMenu_->addAction(Text("ProhoditVseItem", "Pr&ohodit vše"), this, &TConvForm::SwapAllClick);
    popupMenu_->addAction(Text("ProhoditJednotkyItem", "&Prohodit jednotky"), this,
                          &TConvForm::SwapUnitsClick);
    popupMenu_->addAction(Text("ProhoditHodnotyItem", "P&rohodit hodnoty"), this,
                          &TConvForm::SwapValuesClick);
    // The choices and the typed input stay as they are.
    ShowUnitTexts();
}

void TConvForm::ShowUnitTexts() {
    const std::size_t count = model_.UnitCount();
    for (auto* labels : {&inputLabels_, &outputLabels_}) {
        for (std::size_t i = 0; i < count && i < kMaxUnitsPerCategory; ++i)
            (*labels)[i]->setText(ToQ(TrimBlanks(names_.UnitName(model_.Category(), i))));
    }
    statusBar_->showMessage(ToQ(model_.NoteText(ToStd(Text("NotePrefix", "Pozn.:")), names_)));
}

void TConvForm::Refresh() {
    refreshing_ = true;
    const UnitCategory& category = model_.Table().Category(model_.Category());
    for (std::size_t i = 0; i < kUnitCategoryCount; ++i)
        categoryLabels_[i]->SetChosen(i == model_.Category());
    jednotkyTrackBar_->setValue(static_cast<int>(model_.Category()));
    const int count = static_cast<int>(category.Units.size());
    for (auto* labels : {&inputLabels_, &outputLabels_}) {
        const bool input = labels == &inputLabels_;
        for (std::size_t i = 0; i < kMaxUnitsPerCategory; ++i) {
            TClickLabel* label = (*labels)[i];
            const bool used = i < category.Units.size();
            label->setVisible(used);
            if (!used) continue;
            label->SetChosen(i == (input ? model_.InputUnit() : model_.OutputUnit()));
        }
    }
    ShowUnitTexts();
    // The track bars span the used labels.
    for (QSlider* bar : {inpTrackBar_, outTrackBar_}) {
        bar->setRange(0, std::max(0, count - 1));
        const int labelHeight = inputLabels_[0]->sizeHint().height() + 1;
        bar->setFixedHeight(std::max(1, count) * labelHeight);
    }
    inpTrackBar_->setValue(static_cast<int>(model_.InputUnit()));
    outTrackBar_->setValue(static_cast<int>(model_.OutputUnit()));
    if (inpEdit_->text() != ToQ(model_.InputText())) inpEdit_->setText(ToQ(model_.InputText()));
    outEdit_->setText(ToQ(model_.OutputText()));
    refreshing_ = false;
}

void TConvForm::PrevedButtonClick() {
    model_.SetInputText(ToStd(inpEdit_->text()));
    Calculator& calculator = main_.Model();
    try {
        model_.Convert(calculator.Parser1(), calculator.Options().DecimalSeparator);
    } catch (const ToolError& e) {
        const std::string pattern =
            main_.Texts().Text("Msg", e.Key(), BuiltInToolMessages().Text(e.Key()));
        Refresh();
        calculator.ShowMessageBox(e.TextFrom(pattern), MessageKind::Error, kOkButton,
                                  kConversionHelpContext);
        return;
    } catch (const std::exception& e) {
        Refresh();
        calculator.ReportError(e);
        return;
    }
    Refresh();
}

void TConvForm::ImportClick() {
    inpEdit_->setText(ToQ(TrimBlanks(main_.Model().DisplayText())));
    model_.SetInputText(ToStd(inpEdit_->text()));
}

void TConvForm::ExportClick() {
    main_.ExprComboBox()->lineEdit()->setText(outEdit_->text());
    main_.Model().SetInputText(ToStd(outEdit_->text()));
}

void TConvForm::SwapAllClick() {
    model_.SetInputText(ToStd(inpEdit_->text()));
    model_.SwapAll();
    Refresh();
    PrevedButtonClick();
}

void TConvForm::SwapUnitsClick() {
    model_.SetInputText(ToStd(inpEdit_->text()));
    model_.SwapUnits();
    Refresh();
    PrevedButtonClick();
}

void TConvForm::SwapValuesClick() {
    model_.SwapValues();
    Refresh();
}

void TConvForm::SelectCategory(std::size_t index) {
    model_.SetInputText(ToStd(inpEdit_->text()));
    model_.SelectCategory(index);
    Refresh();
    PrevedButtonClick();
}

void TConvForm::SelectInputUnit(std::size_t index) {
    model_.SetInputText(ToStd(inpEdit_->text()));
    model_.SelectInputUnit(index);
    Refresh();
    PrevedButtonClick();
}

void TConvForm::SelectOutputUnit(std::size_t index) {
    model_.SetInputText(ToStd(inpEdit_->text()));
    model_.SelectOutputUnit(index);
    Refresh();
    PrevedButtonClick();
}

bool TConvForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == prevodGroup_ && event->type() == QEvent::MouseButtonDblClick) {
        SwapUnitsClick();
        return true;
    }
    if (watched == inpEdit_ &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
         event->type() == QEvent::Drop)) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::optional<DragPayload> payload = ReadDragMime(drop->mimeData());
        // A register label puts its register's value there, the statistics
        // grid the text of its current cell.
        const bool statGrid = payload && payload->Source == DragSource::StatGrid;
        if (!payload || (payload->Source != DragSource::RegisterLabel && !statGrid)) return false;
        drop->setDropAction(kCopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop) {
            TStatForm* stat = main_.StatForm();
            if (statGrid && !stat) return true;
            inpEdit_->setText(statGrid ? stat->CurrentCellText().trimmed()
                                       : ToQ(main_.Model().RegisterAt(payload->Box).Box));
            model_.SetInputText(ToStd(inpEdit_->text()));
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarvix
