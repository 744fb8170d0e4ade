// TLogForm: the history window.
#include "ui/lists/log_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDialog>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>

#include "storage/calculator_session.h"
#include "storage/settings_color.h"
#include "storage/storage_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// A line may reach this close to the text area's right edge before the
// window widens.
constexpr int kWidthMargin = 22;

struct ModeButton {
    HistoryMode Mode;
    const char* Name;     // object name
    const char* Caption;  // short symbol on the button
    const CatalogText& Hint;
};

const std::array<ModeButton, 3>& ModeButtons() {
    static const std::array<ModeButton, 3> buttons = {{
        {HistoryMode::Results, "VysledkyButton", "=", texts::LogResults},
        {HistoryMode::ExpressionsResults, "VyrazyVysledkyButton",
         "x=", texts::LogExpressionsResults},
        {HistoryMode::ExpressionsVariablesResults, "VyrazyPromenneVysledkyButton",
         "x,y=", texts::LogExpressionsVariablesResults},
    }};
    return buttons;
}

std::size_t ModeIndex(HistoryMode mode) {
    return static_cast<std::size_t>(mode);
}

QColor SystemColor(int role) {
    const QPalette palette = QApplication::palette();
    switch (role) {
        case kSystemWindowBackground:
            return palette.color(QPalette::Base);
        case kSystem3dLight:
            return palette.color(QPalette::Light);
        default:
            return palette.color(QPalette::Text);
    }
}

QColor ColorOf(std::int64_t value) {
    const SettingColor color = DecodeSettingColor(value);
    if (color.System) return SystemColor(color.SystemRole);
    return QColor(color.Red, color.Green, color.Blue);
}

}  // namespace

QFont LogFormFont(const HistoryWindowState& window) {
    QFont font(ToQ(window.FontName));
    if (window.FontSize > 0) font.setPointSize(window.FontSize);
    font.setBold(window.FontStyle & 1);
    font.setItalic(window.FontStyle & 2);
    font.setUnderline(window.FontStyle & 4);
    font.setStrikeOut(window.FontStyle & 8);
    return font;
}

void StoreLogFormFont(const QFont& font, HistoryWindowState& window) {
    window.FontName = ToStd(font.family());
    if (font.pointSize() > 0) window.FontSize = font.pointSize();
    window.FontStyle = (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) |
                       (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0);
}

TLogForm::TLogForm(HistoryLog& log, TextCatalog& texts, QWidget* parent)
    : QWidget(parent, Qt::Tool), log_(log), texts_(texts) {
    setObjectName(QStringLiteral("LogForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 16));
    layout->addWidget(toolBar_);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("LogMemo"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(memo_);

    BuildToolBar();
    BuildShortcuts();
    memo_->addAction(copyAction_);
    memo_->addAction(clearAction_);
    ApplyTexts();
    SetLogFont(LogFormFont(log_.Window()));
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Text, ColorOf(log_.Window().FontColor));
    memo_->setPalette(palette);
    RestorePlacement();

    log_.SetWindowOpen(true);
    log_.SetChangeHandler([this] { SyncLines(); });
    SyncLines();
}

TLogForm::~TLogForm() {
    // A closed window has let go of the history already; a newer window may
    // hold it by the time this one is deleted.
    if (closed_) return;
    log_.SetChangeHandler(nullptr);
    log_.SetWindowOpen(false);
}

void TLogForm::BuildToolBar() {
    modeGroup_ = new QActionGroup(this);
    modeGroup_->setExclusive(true);
    for (const ModeButton& button : ModeButtons()) {
        QAction* action = toolBar_->addAction(QString::fromLatin1(button.Caption));
        action->setObjectName(QString::fromLatin1(button.Name));
        action->setCheckable(true);
        action->setChecked(log_.Options().Mode == button.Mode);
        modeGroup_->addAction(action);
        const HistoryMode mode = button.Mode;
        connect(action, &QAction::triggered, this, [this, mode] { log_.SetMode(mode); });
        modeActions_[ModeIndex(mode)] = action;
    }
    toolBar_->addSeparator();
    clearAction_ = toolBar_->addAction(QString());
    clearAction_->setObjectName(QStringLiteral("VymazatButton"));
    connect(clearAction_, &QAction::triggered, this, [this] { log_.Clear(); });
    copyAction_ = toolBar_->addAction(QString());
    copyAction_->setObjectName(QStringLiteral("KopirovatButton"));
    connect(copyAction_, &QAction::triggered, this, &TLogForm::CopyText);
    fontAction_ = toolBar_->addAction(QString());
    fontAction_->setObjectName(QStringLiteral("PismoButton"));
    connect(fontAction_, &QAction::triggered, this, &TLogForm::ChooseFont);
}

void TLogForm::BuildShortcuts() {
    auto add = [this](const QKeySequence& keys, auto slot) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { close(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { emit FocusInputLineRequested(); });
    add(QKeySequence(Qt::Key_F9), [this] { emit RunTaskRequested(); });
}

QAction* TLogForm::ModeAction(HistoryMode mode) const {
    return modeActions_[ModeIndex(mode)];
}

void TLogForm::ApplyTexts() {
    setWindowTitle(ToQ(CatalogString(texts_, texts::LogFormCaption)));
    for (const ModeButton& button : ModeButtons()) {
        SetHint(modeActions_[ModeIndex(button.Mode)], ToQ(CatalogString(texts_, button.Hint)));
    }
    const std::pair<QAction*, const CatalogText*> captions[] = {
        {clearAction_, &texts::LogClear},
        {copyAction_, &texts::LogCopy},
        {fontAction_, &texts::LogFont},
    };
    for (const auto& [action, text] : captions) {
        const QString caption = ToQ(CatalogString(texts_, *text));
        action->setText(caption);
        SetHint(action, caption);
    }
}

void TLogForm::SetLogFont(const QFont& font) {
    memo_->setFont(font);
    StoreLogFormFont(font, log_.Window());
    AdjustWidth();
}

void TLogForm::ChooseFont() {
    std::optional<QFont> chosen;
    if (fontChooser_) {
        chosen = fontChooser_(memo_->font());
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, memo_->font(), this);
        if (ok) chosen = font;
    }
    if (chosen) SetLogFont(*chosen);
}

void TLogForm::CopyText() {
    const QString selected = memo_->textCursor().selectedText();
    QString text = selected.isEmpty() ? memo_->toPlainText() : selected;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QApplication::clipboard()->setText(text);
}

void TLogForm::SyncLines() {
    const std::vector<std::string>& lines = log_.WindowLines();
    if (static_cast<std::size_t>(shownLines_) > lines.size()) {
        memo_->clear();
        shownLines_ = 0;
    }
    for (std::size_t i = static_cast<std::size_t>(shownLines_); i < lines.size(); ++i) {
        memo_->appendPlainText(ToQ(lines[i]));
    }
    shownLines_ = static_cast<int>(lines.size());
    memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
    AdjustWidth();
}

void TLogForm::AdjustWidth() {
    if (!log_.Options().AdjustWindowWidth || log_.WindowLines().empty()) return;
    const QFontMetrics metrics(memo_->font());
    const int needed = metrics.horizontalAdvance(ToQ(log_.WindowLines().back()));
    const int available = memo_->viewport()->width() - kWidthMargin;
    if (needed > available) resize(width() + needed - available, height());
}

void TLogForm::RestorePlacement() {
    const HistoryWindowState& window = log_.Window();
    resize(window.Width, window.Height);
    if (window.Left && window.Top) {
        move(static_cast<int>(*window.Left), static_cast<int>(*window.Top));
    } else if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(window.Width / 2, window.Height / 2));
    }
}

void TLogForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placementApplied_) return;
    placementApplied_ = true;
    if (log_.Window().WindowState == 1) showMinimized();
    if (log_.Window().WindowState == 2) showMaximized();
}

void TLogForm::StorePlacement() {
    HistoryWindowState& window = log_.Window();
    if (isMinimized()) {
        window.WindowState = 1;
    } else if (isMaximized()) {
        window.WindowState = 2;
    } else {
        window.WindowState = 0;
        window.Left = x();
        window.Top = y();
        window.Width = width();
        window.Height = height();
    }
}

void TLogForm::closeEvent(QCloseEvent* event) {
    StorePlacement();
    log_.SetChangeHandler(nullptr);
    log_.SetWindowOpen(false);
    closed_ = true;
    QWidget::closeEvent(event);
}

TLogForm* ToggleLogForm(QPointer<TLogForm>& form, HistoryLog& log, TextCatalog& texts,
                        QWidget* parent, const std::function<void(TLogForm&)>& created) {
    if (form && form->isVisible()) {
        form->close();
        form = nullptr;
        return nullptr;
    }
    // Closed by its own title bar: it goes when the event loop runs.
    if (form && form->Closed()) form = nullptr;
    if (!form) {
        form = new TLogForm(log, texts, parent);
        if (created) created(*form);
    }
    form->show();
    form->raise();
    return form;
}

void ReopenLogForm(QPointer<TLogForm>& form, CalculatorSession& session, TextCatalog& texts,
                   QWidget* parent, const std::function<void(TLogForm&)>& created) {
    if (session.Values().Bool("LogForm", "Open") && !form) {
        ToggleLogForm(form, session.History(), texts, parent, created);
    }
}

}  // namespace tarvix
