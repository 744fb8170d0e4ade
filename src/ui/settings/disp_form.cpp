// TDispForm: the expression editor window.
#include "ui/settings/disp_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include "calculator/calculator.h"
#include "storage/editor_texts.h"
#include "ui/settings/setting_qt.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "DispForm";
// A window never placed before opens large enough for its whole tool bar.
constexpr int kFirstWidth = 520;
constexpr int kFirstHeight = 320;

struct DispPlacement {
    std::optional<std::int64_t> Left;
    std::optional<std::int64_t> Top;
    int Width = 0;
    int Height = 0;
    int WindowState = kWindowNormal;
};

struct ToolRow {
    const char* Name;
    const CatalogText& Text;
    QStyle::StandardPixmap Icon;  // SP_CustomBase: the caption only
    bool SeparatorBefore = false;
};

constexpr QStyle::StandardPixmap kNoIcon = QStyle::SP_CustomBase;

const ToolRow kToolRows[] = {
    {"NovyButton", texts::EditorNew, QStyle::SP_FileIcon},
    {"OtevritButton", texts::EditorOpen, QStyle::SP_DialogOpenButton},
    {"UlozitButton", texts::EditorSave, QStyle::SP_DialogSaveButton},
    {"VyjmoutButton", texts::EditorCut, kNoIcon, true},
    {"KopirovatButton", texts::EditorCopy, kNoIcon},
    {"VlozitButton", texts::EditorPaste, kNoIcon},
    {"OdstranitButton", texts::EditorDelete, kNoIcon},
    {"ObnovitButton", texts::EditorUndo, kNoIcon},
    {"PrepocitatButton", texts::EditorRecalculate, kNoIcon, true},
    {"PismoButton", texts::EditorFont, kNoIcon, true},
    {"PozadiButton", texts::EditorBackground, kNoIcon},
    {"ZavritButton", texts::EditorClose, QStyle::SP_DialogCloseButton, true},
};

FontSetting EditorFontSetting(const Settings& settings) {
    return {settings.String(kSection, "DispFormFontName"), settings.Int(kSection, "DispFormFontSize"),
            settings.Int(kSection, "DispFormFontStyle"),
            settings.Integer(kSection, "DispFormFontColor")};
}

}  // namespace

TDispForm::TDispForm(Calculator& calculator, Settings& settings, TextCatalog& texts,
                     FileChoicePort& files, std::filesystem::path& lastFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      calculator_(calculator),
      settings_(settings),
      texts_(texts),
      files_(files),
      editor_(calculator),
      worksheet_(editor_, calculator, texts, lastFolder) {
    setObjectName(QStringLiteral("DispForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setIconSize(QSize(16, 16));
    layout->addWidget(toolBar_);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("DispMemo"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->installEventFilter(this);
    layout->addWidget(memo_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar"));
    status_->setTextFormat(Qt::PlainText);
    status_->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(status_);
    BuildToolBar();
    ApplyTexts();

    memo_->setFont(FontOfSetting(EditorFontSetting(settings_)));
    ApplyColors();
    worksheet_.Restore(WorksheetPath(settings_.String(kSection, "WorkSheet"), lastFolder));
    RefreshCaption();  // the title carries the restored file's name
    ShowModelText(0);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TDispForm::TextEdited);

    DispPlacement placement;
    placement.Left = settings_.OptionalInteger(kSection, "Left");
    placement.Top = settings_.OptionalInteger(kSection, "Top");
    placement.Width = settings_.Int(kSection, "Width");
    placement.Height = settings_.Int(kSection, "Height");
    if (!placement.Left || !placement.Top) {
        placement.Width = std::max({placement.Width, kFirstWidth, toolBar_->sizeHint().width()});
        placement.Height = std::max(placement.Height, kFirstHeight);
    }
    ApplyGeometry(*this, placement.Left, placement.Top, placement.Width, placement.Height);
}

void TDispForm::BuildToolBar() {
    for (const ToolRow& row : kToolRows) {
        if (row.SeparatorBefore) toolBar_->addSeparator();
        QAction* action = toolBar_->addAction(QString());
        action->setObjectName(QString::fromLatin1(row.Name));
        if (row.Icon != kNoIcon) action->setIcon(style()->standardIcon(row.Icon));
        actions_[action->objectName()] = action;
    }
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"NovyButton",
         [this] {
             const std::string name = CatalogString(texts_, texts::EditorWorksheetWord) + "1.txt";
             if (worksheet_.New(files_, name)) ShowModelText(0);
             RefreshCaption();
         }},
        {"OtevritButton",
         [this] {
             if (worksheet_.Open(files_)) ShowModelText(0);
             RefreshCaption();
         }},
        {"UlozitButton",
         [this] {
             worksheet_.Save(files_);
             RefreshCaption();
         }},
        {"VyjmoutButton", [this] { memo_->cut(); }},
        {"KopirovatButton", [this] { memo_->copy(); }},
        {"VlozitButton", [this] { memo_->paste(); }},
        {"OdstranitButton", [this] { memo_->textCursor().removeSelectedText(); }},
        {"ObnovitButton", [this] { memo_->undo(); }},
        {"PrepocitatButton", [this] { RecalculateAll(); }},
        {"PismoButton", [this] { ChooseFont(); }},
        {"PozadiButton", [this] { ChooseBackground(); }},
        {"ZavritButton", [this] { close(); }},
    };
    for (const auto& [name, command] : commands) {
        connect(actions_.at(QString::fromLatin1(name)), &QAction::triggered, this, command);
    }
}

QAction* TDispForm::ToolAction(const QString& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

void TDispForm::ApplyTexts() {
    for (const ToolRow& row : kToolRows) {
        QAction* action = actions_.at(QString::fromLatin1(row.Name));
        const QString hint = ToQ(CatalogString(texts_, row.Text));
        action->setText(ShortHint(hint));
        SetHint(action, hint);
    }
    RefreshCaption();
}

void TDispForm::RefreshCaption() {
    setWindowTitle(ToQ(worksheet_.Caption(CatalogString(texts_, texts::EditorCaption))));
}

void TDispForm::SetChoosers(FontChooser font, ColorChooser color) {
    fontChooser_ = std::move(font);
    colorChooser_ = std::move(color);
}

void TDispForm::ShowModelText(int caretLine) {
    syncing_ = true;
    // One edit of the document, so that "Obnovit" takes it back.
    QTextCursor cursor(memo_->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(ToQ(editor_.Text()));
    cursor.endEditBlock();
    const QTextBlock block = memo_->document()->findBlockByNumber(caretLine);
    if (block.isValid()) {
        cursor.setPosition(block.position() + block.length() - 1);
        memo_->setTextCursor(cursor);
    }
    syncing_ = false;
}

void TDispForm::TextEdited() {
    if (syncing_) return;
    editor_.SetText(ToStd(memo_->toPlainText()));
}

void TDispForm::ShowOutcome(const EditorResult& result) {
    if (result.Outcome == EditorOutcome::Failed) {
        calculator_.ShowMessageBox(result.Error, MessageKind::Error, kOkButton, 0);
        return;
    }
    if (result.Outcome != EditorOutcome::Evaluated) return;
    status_->setText(ToQ(result.Status));
    emit Evaluated();
}

void TDispForm::EnterCaretLine() {
    editor_.SetText(ToStd(memo_->toPlainText()));
    const int line = memo_->textCursor().blockNumber();
    const EditorResult result = editor_.EnterLine(static_cast<std::size_t>(line));
    if (result.Outcome == EditorOutcome::Evaluated) {
        // The evaluated line and its result, as one undoable edit.
        syncing_ = true;
        QTextCursor cursor(memo_->document()->findBlockByNumber(line));
        cursor.beginEditBlock();
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(ToQ(editor_.Lines()[result.Line]));
        cursor.insertBlock();
        cursor.insertText(ToQ(editor_.Lines()[result.ResultLine]));
        cursor.endEditBlock();
        memo_->setTextCursor(cursor);
        syncing_ = false;
    }
    ShowOutcome(result);
}

void TDispForm::RecalculateAll() {
    editor_.SetText(ToStd(memo_->toPlainText()));
    const EditorResult result = editor_.RecalculateAll();
    if (result.Outcome == EditorOutcome::Evaluated) {
        ShowModelText(static_cast<int>(result.ResultLine));
    } else if (result.Outcome == EditorOutcome::Failed) {
        const QTextBlock block = memo_->document()->findBlockByNumber(static_cast<int>(result.Line));
        if (block.isValid()) {
            QTextCursor cursor(block);
            memo_->setTextCursor(cursor);
        }
    }
    ShowOutcome(result);
}

bool TDispForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != memo_ || event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && modifiers == Qt::NoModifier) {
        EnterCaretLine();
        return true;
    }
    if (enter) {
        // A new line, never a soft break inside one: the editor's lines are
        // the document's blocks.
        memo_->textCursor().insertBlock();
        return true;
    }
    if (modifiers != Qt::ControlModifier) return false;
    switch (key->key()) {
        case Qt::Key_S:
            worksheet_.Save(files_);
            RefreshCaption();
            return true;
        case Qt::Key_Insert: {
            QTextCursor cursor = memo_->textCursor();
            cursor.movePosition(QTextCursor::StartOfBlock);
            cursor.insertBlock();
            cursor.movePosition(QTextCursor::PreviousBlock);
            memo_->setTextCursor(cursor);
            return true;
        }
        case Qt::Key_Delete: {
            QTextCursor cursor = memo_->textCursor();
            cursor.movePosition(QTextCursor::StartOfBlock);
            memo_->setTextCursor(cursor);
            return true;
        }
        default:
            return false;
    }
}

void TDispForm::ChooseFont() {
    std::optional<QFont> chosen;
    if (fontChooser_) {
        chosen = fontChooser_(memo_->font());
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, memo_->font(), this);
        if (ok) chosen = font;
    }
    if (!chosen) return;
    memo_->setFont(*chosen);
    const FontSetting font = SettingOfFont(*chosen, EditorFontSetting(settings_));
    settings_.SetString(kSection, "DispFormFontName", font.Name);
    settings_.SetInteger(kSection, "DispFormFontSize", font.Size);
    settings_.SetInteger(kSection, "DispFormFontStyle", font.Style);
}

void TDispForm::ChooseBackground() {
    const QColor current = ColorOfSetting(settings_.Integer(kSection, "DispFormColor"));
    std::optional<QColor> chosen;
    if (colorChooser_) {
        chosen = colorChooser_(current);
    } else {
        const QColor color = QColorDialog::getColor(current, this);
        if (color.isValid()) chosen = color;
    }
    if (!chosen) return;
    settings_.SetInteger(kSection, "DispFormColor", SettingOfColor(*chosen));
    ApplyColors();
}

void TDispForm::ApplyColors() {
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, ColorOfSetting(settings_.Integer(kSection, "DispFormColor")));
    palette.setColor(QPalette::Text, ColorOfSetting(settings_.Integer(kSection, "DispFormFontColor")));
    memo_->setPalette(palette);
}

void TDispForm::StoreSettings() {
    DispPlacement placement;
    StoreGeometry(*this, placement);
    settings_.SetInteger(kSection, "WindowState", placement.WindowState);
    if (placement.WindowState == kWindowNormal) {
        settings_.SetOptionalInteger(kSection, "Left", placement.Left);
        settings_.SetOptionalInteger(kSection, "Top", placement.Top);
        settings_.SetInteger(kSection, "Width", placement.Width);
        settings_.SetInteger(kSection, "Height", placement.Height);
    }
    // The worksheet is kept as a full path.
    settings_.SetString(kSection, "WorkSheet", worksheet_.FilePath().string());
}

void TDispForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placementApplied_) return;
    placementApplied_ = true;
    ApplyState(*this, settings_.Int(kSection, "WindowState"));
}

void TDispForm::closeEvent(QCloseEvent* event) {
    if (worksheet_.AskToSave(files_) == WorksheetCloseAnswer::Keep) {
        RefreshCaption();
        event->ignore();
        return;
    }
    StoreSettings();
    QWidget::closeEvent(event);
}

TDispForm* ShowDispForm(QPointer<TDispForm>& form, Calculator& calculator, Settings& settings,
                        TextCatalog& texts, FileChoicePort& files,
                        std::filesystem::path& lastFolder, QWidget* parent) {
    if (!form) form = new TDispForm(calculator, settings, texts, files, lastFolder, parent);
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

}  // namespace tarvix
