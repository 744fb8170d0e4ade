// The registers of the main window: the labels and boxes X, Y, A … F, their
// refresh from the model, the renaming mode's enabled and disabled controls,
// the register menu, and drag and drop between the display, the labels, the
// boxes and the input line.
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include "calculator/input_commands.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "calculator/value_text.h"
#include "series/data_pump.h"
#include "ui/language/action_texts.h"
#include "ui/main/display_label.h"
#include "ui/main/main_form.h"
#include "ui/main/register_label.h"
#include "ui/widgets/display_font.h"
#include "ui/widgets/drag_payload.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

std::size_t Index(BoxId box) {
    return static_cast<std::size_t>(box);
}

}  // namespace

QWidget* TMainForm::BuildRegisterGrid(std::initializer_list<BoxId> boxes) {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const QFont boxFont = DisplayFont(qMax(9.0, font().pointSizeF()) * 1.05);
    int index = 0;
    for (BoxId box : boxes) {
        const std::string letter(RegisterLetter(box));
        auto* label = new TRegisterLabel(box, panel);
        label->setObjectName(ToQ("StaticText" + letter));
        connect(label, &TRegisterLabel::Clicked, this, &TMainForm::RegisterLabelClick);
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label, box](QPoint at) { ShowVarPopupMenu(box, label->mapToGlobal(at)); });

        auto* combo = new QComboBox(panel);
        combo->setObjectName(ToQ("ComboBox" + letter));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->setFont(boxFont);
        combo->setMinimumContentsLength(14);
        combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        combo->lineEdit()->setAcceptDrops(true);
        label->setBuddy(combo);
        auto typed = [this, box](const QString& text) {
            if (refreshing_) return;
            calculator_.SetRegisterBox(box, ToStd(text));
            if (calculator_.RenamingMode()) RefreshRegisters();
        };
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, typed);
        connect(combo, &QComboBox::textActivated, this, typed);

        widgets_.Labels[Index(box)] = label;
        widgets_.Boxes[Index(box)] = combo;
        const int row = index / 2;
        const int column = (index % 2) * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
        ++index;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

void TMainForm::RefreshRegisters() {
    for (BoxId box : kRegisterLoadOrder) {
        const Register& reg = calculator_.RegisterAt(box);
        TRegisterLabel* label = RegisterLabel(box);
        const QString caption = ToQ(reg.Label);
        if (label->text() != caption) label->SetName(caption);
        label->setToolTip(ToQ(calculator_.RegisterLabelHint(box, label->Elided())));
        RefreshVectorLabel(box);
        QComboBox* combo = RegisterBox(box);
        const QSignalBlocker blocker(combo);
        QStringList items;
        for (const std::string& entry : reg.History) items << ToQ(entry);
        QStringList current;
        for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
        if (items != current) {
            const QString text = combo->lineEdit()->text();
            combo->clear();
            combo->addItems(items);
            combo->setCurrentIndex(-1);
            combo->lineEdit()->setText(text);
        }
        const QString text = ToQ(reg.Box);
        QLineEdit* edit = combo->lineEdit();
        if (edit->text() != text) {
            edit->setText(text);
            // A long value shows its beginning unless it is being edited.
            if (!combo->hasFocus()) edit->setCursorPosition(0);
        }
    }
    widgets_.PromennePanel->setToolTip(ToQ(calculator_.VariablesHint()));
}

void TMainForm::RefreshRenamingMode() {
    const bool renaming = calculator_.RenamingMode();
    widgets_.ExprComboBox->setEnabled(!renaming);
    // While renaming, the extra registers (with the F box) take the keypad's place.
    widgets_.PanelStack->setCurrentIndex(renaming ? 1 : panelPage_);
    widgets_.LowerArea->setVisible(!compact_ || renaming);
    for (QToolButton* button :
         {widgets_.FnSpeedButton, widgets_.GrSpeedButton, widgets_.PromSpeedButton,
          widgets_.DataSpeedButton, widgets_.ViewSpeedButton, widgets_.ResetSpeedButton,
          widgets_.PromennePanel, widgets_.ClearPanel, widgets_.EditPanel, widgets_.ConstPanel,
          widgets_.ConstPopupPanel})
        button->setEnabled(!renaming);
    for (const auto& [which, panel] : widgets_.SwitchPanels) panel->setEnabled(!renaming);
    widgets_.FnPanel->setEnabled(!renaming);
    widgets_.VypocetButton->setText(
        renaming ? ToQ(CatalogString(texts_, texts::ButtonsVypocetButtonRename))
                 : Text("Buttons", "VypocetButton", "&Výpočet"));
}

void TMainForm::RegisterLabelClick(BoxId box) {
    Perform([this, box] { calculator_.ToggleRenaming(box); });
}

void TMainForm::ShowVarPopupMenu(BoxId box, const QPoint& at) {
    const bool renaming = calculator_.RenamingMode();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("VarPopupMenu"));
    auto add = [this, &menu](std::string_view name, const CatalogText& caption,
                             std::function<void()> command) {
        QAction* action = menu.addAction(ToQ(CatalogString(texts_, caption)));
        action->setObjectName(ToQ(name));
        if (!command) command = [this] { ShowInPreparation(); };
        connect(action, &QAction::triggered, this, std::move(command));
        return action;
    };
    QAction* rename = renaming ? add("ZmenitNazevItem", texts::VariablePopupMenuRegister, {})
                               : add("ZmenitNazevItem", texts::VariablePopupMenuRename, {});
    connect(rename, &QAction::triggered, this, [this, box] { RegisterLabelClick(box); });
    rename->setCheckable(true);
    rename->setChecked(renaming);
    add("PopisekItem", texts::VariablePopupMenuDescription,
        [this, box] { Perform([this, box] { calculator_.EditDescription(box); }); });
    add("VynulovatItem", texts::VariablePopupMenuZero, [this, box] {
        Perform([this, box] { calculator_.ZeroRegisterBox(box); });
    })->setEnabled(!renaming);
    // The series needs X, or Y next to an X range with a step.
    const std::string& x = calculator_.RegisterAt(BoxId::X).Box;
    const bool series =
        box == BoxId::X || (box == BoxId::Y && IsRangeText(x) && x.find(':') != std::string::npos);
    add("DatovaRadaItem", texts::VariablePopupMenuDataSeries, [this] {
        ShowParamDlg();
    })->setEnabled(series && !renaming);
    if (!renaming) {
        menu.addSeparator();
        AddVectorItems(menu, box);
        const std::string name = calculator_.RegisterAt(box).Label;
        QAction* fourier = add("FourierovaAnalyzaItem", texts::VariablePopupMenuFourier,
                               [this, name] { FourierVectorClick(name); });
        SetHint(fourier, FourierHint());
        fourier->setEnabled(series_->VarAsVector() && calculator_.NumericalScope() == nsReal &&
                         series_->Vectors().HasVector(name));
    } else {
        QAction* fourier = add("FourierovaAnalyzaItem", texts::VariablePopupMenuFourier, {});
        SetHint(fourier, FourierHint());
        fourier->setEnabled(false);
    }
    menu.setToolTipsVisible(true);
    menu.exec(at);
}

bool TMainForm::RegisterDragEvent(QObject* watched, QEvent* event) {
    // Which of our widgets: a label, a register box or the input line.
    std::optional<BoxId> labelBox;
    for (BoxId box : kRegisterLoadOrder) {
        if (watched == RegisterLabel(box)) labelBox = box;
    }
    const std::optional<BoxId> editBox = BoxOfEdit(watched);
    if (!labelBox && !editBox) return false;

    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (!editBox || *editBox == BoxId::Input) return false;
        const bool in = event->type() == QEvent::FocusIn;
        RegisterLabel(*editBox)->SetActive(in);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (!in && reason != Qt::PopupFocusReason && performDepth_ == 0 &&
            !calculator_.RenamingMode()) {
            const BoxId box = *editBox;
            Perform([this, box] { calculator_.RegisterBoxLeft(box); });
        }
        return false;
    }

    auto* drag = static_cast<QDropEvent*>(event);
    const std::optional<DragPayload> payload = ReadDragMime(drag->mimeData());
    Qt::DropAction action = Qt::IgnoreAction;
    if (payload && labelBox) {
        if (payload->Source == DragSource::RegisterLabel && payload->Box == *labelBox) {
            action = kSameLabelAction;
        } else if (payload->Source == DragSource::Display ||
                   payload->Source == DragSource::StatGrid) {
            action = kCopyAction;
        }
    } else if (payload && payload->Source == DragSource::StatGrid) {
        // The statistics grid lands on register labels only.
    } else if (payload && editBox && *editBox != BoxId::Input) {
        if (payload->Source == DragSource::RegisterLabel && payload->Box != *editBox) {
            action = kExchangeAction;
        } else if (payload->Source == DragSource::Display) {
            action = kCopyAction;
        }
    } else if (payload && editBox) {
        action = kCopyAction;
    }
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return true;
    }
    drag->setDropAction(action);
    drag->accept();
    if (event->type() != QEvent::Drop) return true;

    const BoxId target = labelBox ? *labelBox : *editBox;
    const bool hex = drag->modifiers() & Qt::ShiftModifier;
    if (labelBox && payload->Source == DragSource::StatGrid) {
        // The selected column of the statistics table into the variable's vector.
        RunDataPump(static_cast<int>(DataEndpoint::StatX), static_cast<int>(DataEndpoint::Vector),
                    calculator_.RegisterAt(target).Label);
        return true;
    }
    if (labelBox) {
        if (action == kSameLabelAction) {
            RegisterLabelClick(target);
        } else {
            const std::string text = ToStd(payload->Text);
            Perform([this, target, text] { calculator_.SetRegisterBox(target, text); });
        }
        return true;
    }
    if (action == kExchangeAction) {
        const BoxId source = payload->Box;
        Perform([this, source, target] {
            const std::string a = calculator_.RegisterAt(source).Box;
            const std::string b = calculator_.RegisterAt(target).Box;
            calculator_.SetRegisterBox(source, b);
            calculator_.SetRegisterBox(target, a);
        });
        return true;
    }
    // Copy: the trimmed text (a label gives its variable name) at the box's caret;
    // with Shift the display's value in hexadecimal.
    std::string text(TrimBlanks(ToStd(payload->Text)));
    if (hex && payload->Source == DragSource::Display) {
        try {
            FormatOptions options = calculator_.CurrentFormatOptions();
            options.Display.Base = nbHex;
            text =
                TrimBlanks(FormatValueText(ParseValueText(text, calculator_.Parser1()), options));
        } catch (const std::exception& error) {
            calculator_.ReportError(error);
            return true;
        }
    }
    QLineEdit* edit = BoxEdit(target);
    edit->insert(ToQ(text));
    const int caret = edit->cursorPosition();
    Perform([this, target, caret] {
        pendingFocus_ =
            PendingFocus{target, TextSelection{Utf8Offset(BoxEdit(target)->text(), caret), 0}};
    });
    return true;
}

}  // namespace tarvix
