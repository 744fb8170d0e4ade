// TGemForm's files: new, open (dialog, recent list), save and save as with
// the filters of the five file forms; the recent-files menu.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTableView>
#include <filesystem>

#include "calculator/message_box.h"
#include "matrix/worksheet_commands.h"
#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/gem_v_form.h"

namespace tarvix {

FileDialogRequest TGemForm::FileRequest(std::string_view caption) const {
    const std::string files = CatalogString(services_.Texts, texts::GemFormFiles);
    FileDialogRequest request;
    request.Caption = std::string(caption);
    request.Filter = ToStd(Text("Msg_TextFiles", "Textové soubory")) + " (*.txt)|*.txt|" + files +
                     " Real 4 Byte (*.re4)|*.re4|" + files + " Real 8 Byte (*.re8)|*.re8|" +
                     files + " Complex 4 Byte (*.cp4)|*.cp4|" + files +
                     " Complex 8 Byte (*.cp8)|*.cp8";
    const std::filesystem::path current(sheet_.FileName());
    std::string extension = current.extension().string();
    request.DefaultExtension = extension.empty() ? "txt" : extension.substr(1);
    request.FileName = current.filename().string();
    request.Folder = services_.LastFolder();
    if (request.Folder.empty()) request.Folder = current.parent_path();
    return request;
}

// With Shift held "Nový" only clears the area (or the active grid's data),
// keeping the file and the other grid.
void TGemForm::SouborNovy() {
    if (!sheet_.Finished()) return;
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
        ClearAreaClick();
        return;
    }
    Perform([this] { ClearWorksheet(sheet_, services_.ProgramFolder); });
}

void TGemForm::SouborOtevrit() {
    if (!sheet_.Finished() || !SaveChangesFirst()) return;
    const auto path = services_.Files.ChooseFileToOpen(
        FileRequest(CatalogString(services_.Texts, texts::GemFormOpenCaption)));
    if (!path) return;
    services_.SetLastFolder(path->parent_path());
    OpenFile(ToQ(path->string()));
}

bool TGemForm::OpenFile(const QString& path) {
    if (!sheet_.Finished()) return false;
    bool opened = false;
    Perform([&] {
        if (sheet_.TriangleViewShown()) sheet_.SetTriangleView(false);
        if (sheet_.ResultCheckShown()) sheet_.SetResultCheck(false);
        opened = sheet_.OpenFile(ToStd(path));
    });
    if (opened) RecordRecent(ToStd(path));
    return opened;
}

void TGemForm::SouborUlozit() {
    const std::filesystem::path current(sheet_.FileName());
    const bool unnamed =
        current.stem().string() == BuiltInMatrixMessages().Text(mxmsg::DefaultFileName);
    if (unnamed || (QApplication::keyboardModifiers() & Qt::ShiftModifier))
        SouborUlozitJako();
    else
        SaveFile(ToQ(sheet_.FileName()));
}

void TGemForm::SouborUlozitJako() {
    const auto path = services_.Files.ChooseFileToSave(
        FileRequest(CatalogString(services_.Texts, texts::GemFormSaveCaption)));
    if (!path) return;
    services_.SetLastFolder(path->parent_path());
    SaveFile(ToQ(path->string()));
}

// The input rows are saved, never the rows of a result view.
bool TGemForm::SaveFile(const QString& path) {
    if (!sheet_.Finished()) return false;
    const std::string file = ToStd(path);
    PushEditorToModel();
    if (sheet_.TriangleViewShown()) sheet_.SetTriangleView(false);
    if (sheet_.ResultCheckShown()) sheet_.SetResultCheck(false);
    if (!FitsFileForm(sheet_, file)) {
        const TextGrid& left = sheet_.LeftGrid();
        std::string text = CatalogString(services_.Texts, texts::GemFormBinaryNotSquare);
        text = FormatMessageText(text, {std::to_string(left.Rows()) + "x" + std::to_string(left.Cols())});
        services_.Dialogs.ShowMessage(PrepareMessageBox(text, MessageKind::Warning, kOkButton, 0,
                                                        TextsOf(services_.Main.CurrentFormat())));
        RefreshFromModel();
        return false;
    }
    const bool saved = sheet_.SaveFile(file);
    if (saved) RecordRecent(file);
    RefreshFromModel();
    return saved;
}

void TGemForm::SouborSkryt() { hide(); }

void TGemForm::RecordRecent(const std::string& path) {
    services_.Recent.Add(std::filesystem::absolute(path).string());
}

void TGemForm::RebuildRecentMenu() {
    recentMenu_->clear();
    const bool variantActive = variantForm_ && variantForm_->isActiveWindow();
    for (const std::string& path : services_.Recent.Entries()) {
        QAction* item = recentMenu_->addAction(ToQ(path));
        item->setEnabled(sheet_.Finished() && RecentFiles::Openable(path, variantActive));
        const QString file = ToQ(path);
        connect(item, &QAction::triggered, this, [this, file] {
            if (SaveChangesFirst()) OpenFile(file);
        });
    }
}

}  // namespace tarvix
