// TEdForm: the task output window.
#include "ui/tasks/ed_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include "storage/atomic_file.h"
#include "storage/data_file_commands.h"
#include "storage/settings_color.h"
#include "storage/settings_store.h"
#include "storage/storage_texts.h"
#include "storage/text_catalog.h"
#include "ui/tasks/task_output.h"
#include "ui/tasks/task_ui_texts.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "EdForm";

}  // namespace

TEdForm::TEdForm(EdFormContext context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(std::move(context)) {
    setObjectName(QStringLiteral("EdForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(toolBar_);
    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("REdit"));
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(edit_, 1);
    auto* status = new QStatusBar(this);
    position_ = new QLabel(status);
    status->addWidget(position_);
    layout->addWidget(status);

    BuildToolBar();
    BuildShortcuts();
    ApplyTexts();
    connect(edit_, &QPlainTextEdit::cursorPositionChanged, this, &TEdForm::RefreshPosition);
    connect(edit_, &QPlainTextEdit::textChanged, this, &TEdForm::TextChanged);
    LoadSettings();
    Clear();
}

TEdForm::~TEdForm() = default;

void TEdForm::BuildToolBar() {
    auto add = [this](const char* name, void (TEdForm::*slot)()) {
        QAction* action = toolBar_->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    clearAction_ = add("VymazatButton", &TEdForm::Clear);
    saveAction_ = add("UlozitButton", &TEdForm::Save);
    printAction_ = add("TiskButton", &TEdForm::Print);
    fontAction_ = add("PismoButton", &TEdForm::ChooseFont);
    toolBar_->addSeparator();
    closeAction_ = toolBar_->addAction(QString());
    closeAction_->setObjectName(QStringLiteral("ZavritButton"));
    connect(closeAction_, &QAction::triggered, this, &QWidget::close);
}

void TEdForm::BuildShortcuts() {
    auto add = [this](const QKeySequence& keys, auto slot) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { hide(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { emit FocusInputLineRequested(); });
    add(QKeySequence(Qt::Key_F9), [this] { emit RunTaskRequested(); });
}

void TEdForm::ApplyTexts() {
    const std::pair<QAction*, const CatalogText*> captions[] = {
        {clearAction_, &texts::EdClear},
        {saveAction_, &texts::EdSave},
        {printAction_, &texts::EdPrint},
        {fontAction_, &texts::EdFont},
        {closeAction_, &texts::EdClose},
    };
    for (const auto& [action, text] : captions) {
        const QString hint = ToQ(CatalogString(context_.Texts, *text));
        action->setText(ShortHint(hint));
        SetHint(action, hint);
    }
    SetTitle(title_);
    RefreshPosition();
}

void TEdForm::SetTitle(const QString& title) {
    title_ = title;
    setWindowTitle(ToQ(CatalogString(context_.Texts, texts::EdCaption)) + title);
}

void TEdForm::AddLine(const QString& line) {
    edit_->appendPlainText(line);
}

bool TEdForm::HasLines() const {
    return !edit_->document()->isEmpty();
}

std::vector<std::string> TEdForm::Lines() const {
    std::vector<std::string> lines;
    if (!HasLines()) return lines;
    for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
        lines.push_back(ToStd(block.text()));
    }
    return lines;
}

QString TEdForm::StatusText() const {
    return position_->text();
}

void TEdForm::Clear() {
    edit_->clear();
    saveAction_->setEnabled(false);
    printAction_->setEnabled(false);
}

void TEdForm::TextChanged() {
    const bool any = HasLines();
    saveAction_->setEnabled(any);
    printAction_->setEnabled(any);
}

void TEdForm::RefreshPosition() {
    const QTextCursor cursor = edit_->textCursor();
    position_->setText(ToQ(OutputPositionText(CatalogString(context_.Texts, texts::EdPosition),
                                              cursor.blockNumber() + 1,
                                              cursor.positionInBlock() + 1)));
}

void TEdForm::Save() {
    if (!context_.Files) return;
    FileDialogRequest request;
    request.Filter = CatalogString(context_.Texts, texts::TextFiles) + " (*.txt)|*.txt";
    request.DefaultExtension = "txt";
    request.FileName = ProposedOutputFileName(ToStd(windowTitle()));
    if (context_.LastFolder) request.Folder = *context_.LastFolder;
    const std::optional<std::filesystem::path> path = context_.Files->ChooseFileToSave(request);
    if (!path) return;
    if (context_.LastFolder) *context_.LastFolder = path->parent_path();
    std::error_code error;
    if (std::filesystem::exists(*path, error) && context_.Ask) {
        const std::string question = FormatMessageText(
            CatalogString(context_.Texts, texts::AskForOverwriteFile), {path->string()});
        if (context_.Ask(question, MessageKind::Confirmation, kYesNoCancelButtons) !=
            ModalResult::Yes) {
            return;
        }
    }
    SaveTo(*path);
}

bool TEdForm::SaveTo(const std::filesystem::path& path) {
    const FileWriteResult written = WriteFileAtomically(path, OutputFileText(Lines()));
    if (written.ok()) return true;
    if (context_.Ask) {
        context_.Ask(FormatMessageText(CatalogString(context_.Texts, texts::WritingToFile),
                                       {path.string()}),
                     MessageKind::Error, kCancelButton);
    }
    return false;
}

void TEdForm::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    edit_->print(&printer);
}

void TEdForm::SetTextFont(const QFont& font) {
    edit_->setFont(font);
}

void TEdForm::ChooseFont() {
    std::optional<QFont> chosen;
    if (fontChooser_) {
        chosen = fontChooser_(edit_->font());
    } else {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, edit_->font(), this);
        if (ok) chosen = font;
    }
    if (chosen) SetTextFont(*chosen);
}

void TEdForm::LoadSettings() {
    const Settings* s = context_.Values;
    if (!s) {
        resize(368, 378);
        return;
    }
    ApplyGeometry(*this, s->OptionalInteger(kSection, "Left"), s->OptionalInteger(kSection, "Top"),
                  std::max(200, s->Int(kSection, "Width")),
                  std::max(150, s->Int(kSection, "Height")));
    QFont font(ToQ(s->String(kSection, "EdFormFontName")));
    if (const int size = s->Int(kSection, "EdFormFontSize"); size > 0) font.setPointSize(size);
    const std::int64_t style = s->Integer(kSection, "EdFormFontStyle");
    font.setBold(style & 1);
    font.setItalic(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
    SetTextFont(font);
    const SettingColor color = DecodeSettingColor(s->Integer(kSection, "EdFormFontColor"));
    if (!color.System) {
        QPalette palette = edit_->palette();
        palette.setColor(QPalette::Text, QColor(color.Red, color.Green, color.Blue));
        edit_->setPalette(palette);
    }
    ApplyState(*this, s->Int(kSection, "WindowState"));
}

void TEdForm::StoreSettings() {
    Settings* s = context_.Values;
    if (!s) return;
    struct Placement {
        int WindowState = 0;
        std::int64_t Left = 0, Top = 0, Width = 0, Height = 0;
    } p;
    if (StoreGeometry(*this, p)) {
        s->SetOptionalInteger(kSection, "Left", p.Left);
        s->SetOptionalInteger(kSection, "Top", p.Top);
        s->SetInteger(kSection, "Width", p.Width);
        s->SetInteger(kSection, "Height", p.Height);
    }
    s->SetInteger(kSection, "WindowState", p.WindowState);
    const QFont font = edit_->font();
    s->SetString(kSection, "EdFormFontName", ToStd(font.family()));
    if (font.pointSize() > 0) s->SetInteger(kSection, "EdFormFontSize", font.pointSize());
    s->SetInteger(kSection, "EdFormFontStyle",
                  (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
                      (font.strikeOut() ? 8 : 0));
}

void TEdForm::closeEvent(QCloseEvent* event) {
    StoreSettings();
    QWidget::closeEvent(event);
}

}  // namespace tarvix
