// TFuncForm: the function list window's widgets, events and placement.
#include "ui/lists/function_list_form.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calculator/calculator.h"
#include "calculator/function_list.h"
#include "calculator/mode_switches.h"
#include "storage/text_catalog.h"
#include "ui/main/main_window_link.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "FuncForm";
constexpr int kColumns = 8;
constexpr int kModePanelWidth = 50;

WindowRect ToWindowRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

// The input line's text with its caret and selection as byte offsets.
KeypadEdit EditOf(const QLineEdit& edit) {
    const QString text = edit.text();
    KeypadEdit state{ToStd(text), Utf8Offset(text, edit.cursorPosition()), 0};
    if (edit.hasSelectedText()) {
        const int start = edit.selectionStart();
        state.SelStart = Utf8Offset(text, start);
        state.SelLength = Utf8Offset(text, edit.selectionEnd()) - state.SelStart;
    }
    return state;
}

}  // namespace

TFuncForm::TFuncForm(Calculator& calculator, TextCatalog& texts, QWidget* parent)
    : QWidget(parent, Qt::Tool), calculator_(calculator), texts_(texts) {
    setObjectName(QStringLiteral("FuncForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    fnListBox_ = new QListWidget(this);
    fnListBox_->setObjectName(QStringLiteral("FnListBox"));
    fnListBox_->setFlow(QListView::TopToBottom);
    fnListBox_->setWrapping(true);
    fnListBox_->setResizeMode(QListView::Adjust);
    fnListBox_->setUniformItemSizes(true);
    fnListBox_->setTextElideMode(Qt::ElideNone);
    fnListBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fnListBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fnListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const FunctionHelpEntry& entry : ListedFunctions()) {
        fnListBox_->addItem(QLatin1Char(' ') + ToQ(entry.Name));  // stored with a leading blank
    }
    // The info-tip colours of the list.
    QPalette colours = fnListBox_->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    fnListBox_->setPalette(colours);
    fnListBox_->viewport()->setMouseTracking(true);
    fnListBox_->viewport()->installEventFilter(this);
    fnListBox_->installEventFilter(this);
    connect(fnListBox_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != highlighted_) Highlight(row);
    });

    statusBar1_ = new QStatusBar(this);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setSizeGripEnabled(false);
    modePanel_ = new QLabel(statusBar1_);
    modePanel_->setMinimumWidth(kModePanelWidth);
    modePanel_->setAlignment(Qt::AlignCenter);
    helpPanel_ = new QLabel(statusBar1_);
    helpPanel_->setMinimumWidth(0);
    helpPanel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Two panels, each in a sunken frame as status panels are.
    for (QLabel* panel : {modePanel_, helpPanel_}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
    }
    statusBar1_->addWidget(modePanel_);
    statusBar1_->addWidget(helpPanel_, 1);
    // A double click anywhere on the status bar switches the function mode.
    for (QWidget* part : std::initializer_list<QWidget*>{statusBar1_, modePanel_, helpPanel_}) {
        part->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(fnListBox_, 1);
    layout->addWidget(statusBar1_);

    AddToolWindowKeys(this);

    ApplyTexts();
    // Every name in view: eight columns of seven rows.
    const int frame = 2 * fnListBox_->frameWidth() + 1;
    fnListBox_->setMinimumSize(kColumns * MinColumnWidth() + frame,
                               RowCount() * RowHeight() + frame);
    PlaceNextToMainWindow();
}

QString TFuncForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

void TFuncForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Seznam funkcí"));
    helpPanel_->setText(Text("StatusText", "Seznam implementovaných funkcí"));
    ShowFunctionMode();
}

QString TFuncForm::StatusText(int panel) const {
    return panel == 0 ? modePanel_->text() : helpPanel_->text();
}

void TFuncForm::ShowFunctionMode() {
    modePanel_->setText(ToQ(FunctionModeCaption(calculator_.Switches().Mode)));
}

void TFuncForm::PlaceNextToMainWindow() {
    const QWidget* main = parentWidget();
    if (!main) return;
    // The frame of this window is taken to be as high as the main window's.
    const int frameExtra = main->frameGeometry().height() - main->height();
    const int ownHeight =
        fnListBox_->minimumHeight() + statusBar1_->sizeHint().height() + frameExtra;
    const QScreen* screen = main->screen();
    const WindowRect place =
        FunctionListPlacement(ToWindowRect(main->frameGeometry()), ownHeight,
                              ToWindowRect(screen ? screen->availableGeometry() : QRect()));
    resize(main->width(), ownHeight - frameExtra);
    move(place.Left, place.Top);
}

int TFuncForm::RowHeight() const {
    return fnListBox_->fontMetrics().height() + 2;
}

int TFuncForm::RowCount() const {
    return (fnListBox_->count() + kColumns - 1) / kColumns;
}

int TFuncForm::MinColumnWidth() const {
    int widest = 0;
    const QFontMetrics metrics = fnListBox_->fontMetrics();
    for (int i = 0; i < fnListBox_->count(); ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(fnListBox_->item(i)->text()));
    }
    return widest + metrics.averageCharWidth();
}

void TFuncForm::FitColumns() {
    // Eight columns across the list, the rows sharing its height; the list
    // wraps a column only when the next row does not fit, so leave it a pixel.
    const QSize viewport = fnListBox_->viewport()->size();
    fnListBox_->setGridSize(QSize(std::max(viewport.width() / kColumns, MinColumnWidth()),
                                  std::max(RowHeight(), (viewport.height() - 1) / RowCount())));
}

bool TFuncForm::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            FormActivate();
            break;
        case QEvent::LanguageChange:
            ApplyTexts();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

bool TFuncForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fnListBox_->viewport()) {
        switch (event->type()) {
            case QEvent::MouseMove:
                FnListBoxMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    FnListBoxMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
                    FnListBoxClick();
                }
                break;
            case QEvent::Resize:
                FitColumns();
                break;
            default:
                break;
        }
    } else if (watched == fnListBox_ && event->type() == QEvent::KeyPress) {
        // Enter picks the current name, as a click does.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FnListBoxClick();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick &&
               (watched == statusBar1_ || watched == modePanel_ || watched == helpPanel_)) {
        StatusBar1DblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFuncForm::FormActivate() {
    ApplyTexts();
}

void TFuncForm::RememberCaret() {
    const QLineEdit* input = MainInputLine(this);
    if (input && input->hasFocus()) rememberedCaret_ = EditOf(*input);
}

void TFuncForm::FnListBoxMouseMove(const QPoint& pos) {
    RememberCaret();
    const int count = fnListBox_->count();
    const QModelIndex under = fnListBox_->indexAt(pos);
    bool pastLast = false;
    if (!under.isValid() && count > 0) {
        // Past the last item: below it in its column, or right of its column.
        const QRect last = fnListBox_->visualItemRect(fnListBox_->item(count - 1));
        pastLast = pos.x() > last.right() || (pos.x() >= last.left() && pos.y() > last.bottom());
    }
    const int index = FunctionListHighlight(
        under.isValid() ? std::optional(under.row()) : std::nullopt, pastLast, count);
    if (index != highlighted_) {
        Highlight(index);
    } else {
        ShowFunctionMode();
    }
}

void TFuncForm::Highlight(int index) {
    highlighted_ = index;
    if (index >= 0 && fnListBox_->currentRow() != index) fnListBox_->setCurrentRow(index);
    const QString name = index >= 0 ? fnListBox_->item(index)->text() : QString();
    const auto lookup = [this](std::string_view key, std::string_view builtIn) {
        return texts_.Text(kFunctionTextSection, key, builtIn);
    };
    helpPanel_->setText(ToQ(FunctionHelpText(ToStd(name), lookup)));
    ShowFunctionMode();
}

void TFuncForm::FnListBoxClick() {
    if (highlighted_ < 0) return;
    const std::string name = ToStd(fnListBox_->item(highlighted_)->text());
    QLineEdit* input = MainInputLine(this);
    KeypadEdit state{calculator_.InputText(), 0, 0};
    if (input) state = EditOf(*input);
    if (rememberedCaret_) {
        state.SelStart = rememberedCaret_->SelStart;
        state.SelLength = rememberedCaret_->SelLength;
    }
    const KeypadEdit result = FunctionListClick(calculator_.Switches().Mode, name, state);
    calculator_.SetInputText(result.Text);
    rememberedCaret_ = result;
    if (!input) return;
    const QString text = ToQ(result.Text);
    input->setText(text);
    FocusMainInputLine(this);
    const int start = QtPosition(text, result.SelStart);
    if (result.SelLength > 0) {
        input->setSelection(start, QtPosition(text, result.SelStart + result.SelLength) - start);
    } else {
        input->setCursorPosition(start);
    }
}

void TFuncForm::StatusBar1DblClick() {
    // As a click on the main window's mode panel; without a main window the
    // model's switch alone.
    if (QToolButton* panel = MainModePanel(this)) {
        panel->click();
    } else {
        SwitchFunctionMode(calculator_.Switches(), SwitchSource::Panel);
    }
    ShowFunctionMode();
}

}  // namespace tarvix
