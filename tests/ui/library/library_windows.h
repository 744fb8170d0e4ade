// The main window with its expression library window, for the library's
// window tests: message boxes and file dialogs answered by hooks and
// recorded, library files in a fresh folder of the test, the shipped
// library copied there, and small libraries written from a table.
#pragma once

#include <QDir>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "storage/atomic_file.h"
#include "tasks/library_file.h"
#include "ui/library/expr_form.h"
#include "ui/library/library_tree_model.h"
#include "ui/library/library_tree_view.h"
#include "ui/main/main_form.h"
#include "ui/shell/data_paths.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

namespace tarvix::test {

// One category of a small library: its depth, name and rows (comment,
// expression; the explanation is "v=1").
struct CategoryRow {
    int Depth = 0;
    const char* Name = "";
    std::vector<std::pair<const char*, const char*>> Rows;
};

inline LibraryTree MakeLibrary(const std::vector<CategoryRow>& categories) {
    LibraryTree tree;
    std::vector<LibraryNode*> parents;
    for (const CategoryRow& category : categories) {
        std::vector<LibraryRow> rows;
        for (const auto& [comment, expression] : category.Rows)
            rows.push_back({"v=1", comment, expression});
        parents.resize(static_cast<std::size_t>(category.Depth));
        LibraryNode* parent = parents.empty() ? nullptr : parents.back();
        parents.push_back(
            tree.Append(parent, std::make_unique<LibraryNode>(category.Name, std::move(rows))));
    }
    return tree;
}

// Types a text key by key; a character beyond ASCII comes as a key of its own.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

struct LibraryWindows {
    TMainForm main;
    QTemporaryDir folder;
    std::vector<MessageBoxRequest> messages;
    // The answers of the message boxes in turn; Cancel when none is left.
    std::deque<ModalResult> answers;
    // The answers of the file dialogs in turn; cancelled when none is left.
    std::deque<std::filesystem::path> files;

    LibraryWindows() {
        main.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            if (answers.empty()) return ModalResult::Cancel;
            const ModalResult answer = answers.front();
            answers.pop_front();
            return answer;
        });
        main.Files().SetHook(
            [this](const FileDialogRequest&, bool) -> std::optional<std::filesystem::path> {
                if (files.empty()) return std::nullopt;
                std::filesystem::path file = files.front();
                files.pop_front();
                return file;
            });
        main.show();
    }

    std::filesystem::path Path(const char* name) const {
        return std::filesystem::path(folder.path().toStdString()) / name;
    }

    // The shipped Czech library copied into the test's folder.
    std::filesystem::path ShippedCopy(const char* name = "tarvix.exp") const {
        const std::filesystem::path target = Path(name);
        std::filesystem::copy_file(DataFolder().toStdString() + "/tarvix.exp", target,
                                   std::filesystem::copy_options::overwrite_existing);
        return target;
    }

    std::filesystem::path Write(const char* name, const LibraryTree& tree) const {
        const std::filesystem::path target = Path(name);
        if (!WriteLibraryFile(target, tree).ok()) qFatal("the test library was not written");
        return target;
    }

    // The library window on a file.
    TExprForm* Open(const std::filesystem::path& file, bool locked = false) {
        main.OpenLibraryFile(QString::fromStdString(file.string()), locked);
        TExprForm* library = main.ExprForm();
        if (library) Activate(library);
        return library;
    }

    // Keys and the focus go to an active window only.
    static void Activate(QWidget* window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) qWarning("the window did not become active");
    }

    TExprForm* Library() const { return main.ExprForm(); }
    LibraryModel& Model() const { return Library()->Model(); }
    QAbstractItemModel* Tree() const { return Library()->TreeView()->model(); }
    LibraryTreeModel* TreeModel() const { return Library()->TreeView()->TreeModel(); }

    // Selects a category as a click in the tree does.
    void ClickCategory(const char* path) {
        LibraryNode* node = nullptr;
        for (LibraryNode* candidate : Model().Tree().Nodes()) {
            if (NodePath(*candidate, "/") == path) node = candidate;
        }
        QVERIFY2(node, path);
        TLibraryTreeView* view = Library()->TreeView();
        view->scrollTo(TreeModel()->IndexOf(node));
        view->setCurrentIndex(TreeModel()->IndexOf(node));
    }
    // Selects a grid row as a click does.
    void ClickRow(int row) { Library()->StringGrid()->setCurrentCell(row, 0); }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = Library()->StringGrid()->item(row, column);
        return item ? item->text() : QString();
    }
    QString Memo() const { return Library()->Memo()->toPlainText(); }
    void Trigger(const char* action) {
        QAction* a = Library()->Action(action);
        QVERIFY2(a, action);
        QVERIFY2(a->isEnabled(), action);
        a->trigger();
    }
    // The texts of the recorded messages, joined.
    QString MessageTexts() const {
        QString all;
        for (const MessageBoxRequest& request : messages) all += ToQ(request.Text) + "\n";
        return all;
    }
};

}  // namespace tarvix::test
