// The library window's commands built from tables: the actions with their
// captions, hints, shortcuts and icons; the tool bar with the library menu
// and the category search box; the pop-up menus of the tree, the grid and
// the editor pane; and the window's keys.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <span>

#include "storage/text_catalog.h"
#include "tasks/library_text.h"
#include "ui/library/expr_form.h"
#include "ui/library/library_tree_model.h"
#include "ui/library/library_tree_view.h"
#include "ui/library/tool_icons.h"
#include "ui/main/main_window_link.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

using T = TExprForm;

// Where an action's shortcut works.
enum class KeyScope : std::uint8_t { Window, Tree, Editor };

struct ActionRow {
    std::string_view Name;     // component name and catalog key
    std::string_view Caption;  // built-in caption
    std::string_view Hint;     // "short|long" hint; empty: the caption
    void (TExprForm::*Handler)();
    std::string_view Shortcut = {};
    KeyScope Scope = KeyScope::Window;
    bool Checkable = false;
};

constexpr ActionRow kActions[] = {
    // The tool bar
    {"OpenToolButton", "Otevřít", "Otevřít knihovnu výrazů|Otevření knihovny výrazů",
     &T::OpenToolButtonClick},
    {"SaveToolButton", "Uložit",
     "Uložit knihovnu výrazů|Uložení změn provedených v knihovně výrazů", nullptr, "Ctrl+S"},
    {"FindToolButton", "Hledat", "Hledat text|Vyhledání textového řetězce v knihovně výrazů",
     &T::FindToolButtonClick},
    {"EditToolButton", "Editovat", "Editovat knihovnu výrazů|Povolení režimu editace knihovny výrazů",
     &T::EditToolButtonClick, "F6", KeyScope::Window, true},
    {"NewToolButton", "Nový", "Vložit nový", &T::NewToolButtonClick},
    {"CutToolButton", "Vyjmout", "Vyjmout", &T::CutToolButtonClick},
    {"CopyToolButton", "Kopírovat", "Kopírovat", &T::CopyToolButtonClick},
    {"PasteToolButton", "Vložit", "Vložit kopii", &T::PasteToolButtonClick},
    {"DeleteToolButton", "Odstranit", "Odstranit", &T::DeleteToolButtonClick},
    {"EdResizeToolButton", "Editor", "Zvětšit/zmenšit plochu editoru",
     &T::EdResizeToolButtonClick, "F5", KeyScope::Window, true},
    // The task run commands: shown, disabled until tasks can run.
    {"RunToCursorToolButton", "Ke kurzoru", "Spustit ke kurzoru", nullptr},
    {"RunToolButton", "Spustit", "Spustit úlohu", nullptr},
    {"PauseToolButton", "Pozastavit", "Pozastavit úlohu", nullptr},
    {"StopToolButton", "Zastavit", "Zastavit úlohu", nullptr},
    {"UseToolButton", "Použít", "Použít výraz|Přenést výraz včetně proměnných do hlavního okna",
     &T::UseToolButtonClick},
    {"HelpToolButton", "Nápověda", "Nápověda Tarvix|Vyvolání nápovědy programu Tarvix",
     &T::HelpToolButtonClick},
    // The library menu of LibraryToolButton
    {"ImportKnihovnyItem", "&Import knihovny z balíčku", {}, &T::ImportKnihovnyClick},
    {"ExportKnihovnyItem", "&Export knihovny do balíčku", {}, &T::ExportKnihovnyClick},
    // "&Editovat" of the three pop-up menus
    {"EditovatItem", "&Editovat", {}, &T::EditToolButtonClick, "Ctrl+E", KeyScope::Window, true},
    // The tree
    {"NovaKategorieItem", "&Nová kategorie", {}, &T::NovaKategorieClick, "Ins", KeyScope::Tree},
    {"NovaPodkategorieItem", "Nová &podkategorie", {}, &T::NovaPodkategorieClick, "Shift+Ins",
     KeyScope::Tree},
    {"VyjmoutKategoriiItem", "V&yjmout kategorii", {}, &T::VyjmoutKategoriiClick},
    {"KopirovatKategoriiItem", "&Kopírovat kategorii", {}, &T::KopirovatKategoriiClick},
    {"VlozitKategoriiItem", "&Vložit kategorii", {}, &T::VlozitKategoriiClick},
    {"OdstranitKategoriiItem", "&Odstranit kategorii", {}, &T::OdstranitKategoriiClick, "Del",
     KeyScope::Tree},
    {"RozbalitVseItem", "&Rozbalit vše", {}, &T::RozbalitVseClick},
    {"SbalitVseItem", "&Sbalit vše", {}, &T::SbalitVseClick},
    // The grid
    {"NovyRadekItem", "&Nový řádek", {}, &T::NovyRadekClick},
    {"VyjmoutRadekItem", "&Vyjmout řádek", {}, &T::VyjmoutRadekClick},
    {"KopirovatRadekItem", "&Kopírovat řádek", {}, &T::KopirovatRadekClick},
    {"VlozitRadekItem", "V&ložit řádek", {}, &T::VlozitRadekClick},
    {"OdstranitRadekItem", "&Odstranit řádek", {}, &T::OdstranitRadekClick},
    {"ImportVyrazuItem", "&Import výrazu", {}, &T::ImportVyrazuClick},
    // The editor pane
    {"VlozitRezimItem", "Vložit &režim", {}, &T::VlozitRezimClick, "Ctrl+M", KeyScope::Editor},
    {"VlozitStavOkenItem", "Vložit &stav oken", {}, &T::VlozitStavOkenClick, "Ctrl+W",
     KeyScope::Editor},
    {"VlozitPromennouItem", "Vložit &proměnnou", {}, &T::VlozitPromennouClick, "Ctrl+R",
     KeyScope::Editor},
    {"MemoVyjmoutItem", "&Vyjmout", {}, nullptr, "Ctrl+X", KeyScope::Editor},
    {"MemoKopirovatItem", "&Kopírovat", {}, nullptr, "Ctrl+C", KeyScope::Editor},
    {"MemoVlozitItem", "V&ložit", {}, nullptr, "Ctrl+V", KeyScope::Editor},
    {"MemoOdstranitItem", "&Odstranit", {}, nullptr, "Ctrl+Del", KeyScope::Editor},
    {"MemoZpetItem", "&Zpět", {}, nullptr, "Ctrl+Z", KeyScope::Editor},
    {"MemoVybratVseItem", "Vybr&at vše", {}, nullptr, "Ctrl+A", KeyScope::Editor},
    {"PismoItem", "&Písmo", {}, &T::PismoClick},
};

}  // namespace

QAction* TExprForm::Action(std::string_view name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* TExprForm::NewAction(std::string_view name, std::string_view caption,
                              std::function<void()> command, std::string_view shortcut) {
    auto* action = new QAction(this);
    action->setObjectName(ToQ(name));
    if (command) connect(action, &QAction::triggered, this, std::move(command));
    if (!shortcut.empty()) action->setShortcut(QKeySequence(ToQ(shortcut)));
    actions_[std::string(name)] = action;
    actionTexts_[action] = {std::string(caption), {}};
    return action;
}

void TExprForm::BuildActions() {
    for (const ActionRow& row : kActions) {
        std::function<void()> command;
        if (row.Handler) command = [this, handler = row.Handler] { (this->*handler)(); };
        QAction* action = NewAction(row.Name, row.Caption, std::move(command), row.Shortcut);
        actionTexts_[action].Hint = std::string(row.Hint);
        action->setCheckable(row.Checkable);
        switch (row.Scope) {
            case KeyScope::Window: addAction(action); break;
            case KeyScope::Tree:
                action->setShortcutContext(Qt::WidgetShortcut);
                tree_->addAction(action);
                break;
            case KeyScope::Editor:
                action->setShortcutContext(Qt::WidgetShortcut);
                memo_->addAction(action);
                break;
        }
    }
    connect(Action("SaveToolButton"), &QAction::triggered, this, [this] { SaveToolButtonClick(); });
    // The editor's own commands.
    connect(Action("MemoVyjmoutItem"), &QAction::triggered, memo_, &QPlainTextEdit::cut);
    connect(Action("MemoKopirovatItem"), &QAction::triggered, memo_, &QPlainTextEdit::copy);
    connect(Action("MemoVlozitItem"), &QAction::triggered, memo_, &QPlainTextEdit::paste);
    connect(Action("MemoOdstranitItem"), &QAction::triggered, memo_,
            [this] { memo_->textCursor().removeSelectedText(); });
    connect(Action("MemoZpetItem"), &QAction::triggered, memo_, &QPlainTextEdit::undo);
    connect(Action("MemoVybratVseItem"), &QAction::triggered, memo_, &QPlainTextEdit::selectAll);

    // "Vložit &index": the index characters.
    indexMenu_ = new QMenu(this);
    indexMenu_->setObjectName(QStringLiteral("VlozitIndexMenu"));
    const auto& characters = IndexCharacters();
    for (std::size_t i = 0; i < characters.size(); ++i) {
        QAction* item = indexMenu_->addAction(ToQ(characters[i]));
        item->setObjectName(QStringLiteral("VlozitIndex%1Item").arg(i));
        const int index = static_cast<int>(i);
        connect(item, &QAction::triggered, this, [this, index] { VlozitIndexClick(index); });
    }
}

void TExprForm::BuildToolBar() {
    toolBar_ = addToolBar(QString());
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->toggleViewAction()->setEnabled(false);
    toolBar_->setIconSize(QSize(16, 16));
    const QStyle& look = *style();

    libraryMenu_ = new QMenu(this);
    libraryMenu_->setObjectName(QStringLiteral("LibraryMenu"));
    libraryMenu_->addAction(Action("ImportKnihovnyItem"));
    libraryMenu_->addAction(Action("ExportKnihovnyItem"));
    libraryButton_ = new QToolButton(toolBar_);
    libraryButton_->setObjectName(QStringLiteral("LibraryToolButton"));
    libraryButton_->setMenu(libraryMenu_);
    libraryButton_->setPopupMode(QToolButton::InstantPopup);
    libraryButton_->setIcon(LibraryToolIcon("LibraryToolButton", look));
    toolBar_->addWidget(libraryButton_);

    auto add = [this, &look](std::string_view name) {
        QAction* action = Action(name);
        action->setIcon(LibraryToolIcon(name, look));
        toolBar_->addAction(action);
        if (QWidget* button = toolBar_->widgetForAction(action)) button->setObjectName(ToQ(name));
    };
    add("OpenToolButton");
    add("SaveToolButton");
    toolBar_->addSeparator();
    add("FindToolButton");
    findCombo_ = new QComboBox(toolBar_);
    findCombo_->setObjectName(QStringLiteral("FindComboBox"));
    findCombo_->setEditable(true);
    findCombo_->setInsertPolicy(QComboBox::NoInsert);
    connect(findCombo_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { FindComboBoxChange(text); });
    connect(findCombo_, &QComboBox::textActivated, this,
            [this](const QString& text) { FindComboBoxChange(text); });
    toolBar_->addWidget(findCombo_);
    toolBar_->addSeparator();
    add("EditToolButton");
    add("NewToolButton");
    add("CutToolButton");
    add("CopyToolButton");
    add("PasteToolButton");
    add("DeleteToolButton");
    toolBar_->addSeparator();
    add("EdResizeToolButton");
    // The task run commands.
    runToolsPlace_ = toolBar_->addSeparator();
    runToolsPlace_->setObjectName(QStringLiteral("RunToolsPlace"));
    for (std::string_view name :
         {"RunToCursorToolButton", "RunToolButton", "PauseToolButton", "StopToolButton"}) {
        add(name);
        Action(name)->setEnabled(false);
    }
    toolBar_->addSeparator();
    add("UseToolButton");
    add("HelpToolButton");
}

void TExprForm::BuildMenus() {
    auto menu = [this](const char* name, std::initializer_list<std::string_view> items) {
        auto* popup = new QMenu(this);
        popup->setObjectName(QLatin1String(name));
        for (std::string_view item : items) {
            if (item.empty()) {
                popup->addSeparator();
            } else if (item == "VlozitIndexMenu") {
                popup->addMenu(indexMenu_);
            } else {
                popup->addAction(Action(item));
            }
        }
        return popup;
    };
    treeMenu_ = menu("TreePopupMenu",
                     {"EditovatItem", "", "NovaKategorieItem", "NovaPodkategorieItem", "",
                      "VyjmoutKategoriiItem", "KopirovatKategoriiItem", "VlozitKategoriiItem",
                      "OdstranitKategoriiItem", "", "RozbalitVseItem", "SbalitVseItem"});
    gridMenu_ = menu("GridPopupMenu",
                     {"EditovatItem", "", "NovyRadekItem", "VyjmoutRadekItem",
                      "KopirovatRadekItem", "VlozitRadekItem", "OdstranitRadekItem", "",
                      "ImportVyrazuItem"});
    memoMenu_ = menu("MemoPopupMenu",
                     {"EditovatItem", "", "VlozitRezimItem", "VlozitStavOkenItem",
                      "VlozitPromennouItem", "VlozitIndexMenu", "", "MemoVyjmoutItem",
                      "MemoKopirovatItem", "MemoVlozitItem", "MemoOdstranitItem", "",
                      "MemoZpetItem", "MemoVybratVseItem", "", "PismoItem"});
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        activePane_ = LibraryPane::Tree;
        RefreshCommands();
        treeMenu_->popup(tree_->viewport()->mapToGlobal(at));
    });
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        activePane_ = LibraryPane::Grid;
        RefreshCommands();
        gridMenu_->popup(grid_->viewport()->mapToGlobal(at));
    });
    connect(memo_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        activePane_ = LibraryPane::Editor;
        RefreshCommands();
        memoMenu_->popup(memo_->viewport()->mapToGlobal(at));
    });
}

void TExprForm::BuildKeys() {
    struct Key {
        QKeyCombination Keys;
        void (TExprForm::*Run)();
    };
    const Key keys[] = {
        {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus),
         &T::RozbalitVseClick},
        {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus),
         &T::SbalitVseClick},
    };
    for (const Key& key : keys) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(key.Keys));
        connect(action, &QAction::triggered, this, key.Run);
        addAction(action);
    }
    // Alt+1 and Alt+2: the focus to the tree and to the grid.
    for (auto [keys, target] : {std::pair{QKeyCombination(Qt::AltModifier, Qt::Key_1),
                                          static_cast<QWidget*>(tree_)},
                                std::pair{QKeyCombination(Qt::AltModifier, Qt::Key_2),
                                          static_cast<QWidget*>(grid_)}}) {
        auto* action = new QAction(this);
        action->setShortcut(QKeySequence(keys));
        connect(action, &QAction::triggered, target,
                [target] { target->setFocus(Qt::ShortcutFocusReason); });
        addAction(action);
    }
    // Ctrl+Shift+I in the editor: the index characters at the caret.
    auto* index = new QAction(memo_);
    index->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+I")));
    index->setShortcutContext(Qt::WidgetShortcut);
    connect(index, &QAction::triggered, this, [this] {
        indexMenu_->popup(memo_->viewport()->mapToGlobal(memo_->cursorRect().bottomRight()));
    });
    memo_->addAction(index);
    // Alt+F1 in the editor: the help of the keyword at the caret.
    auto* keywordHelp = new QAction(memo_);
    keywordHelp->setShortcut(QKeySequence(QStringLiteral("Alt+F1")));
    keywordHelp->setShortcutContext(Qt::WidgetShortcut);
    connect(keywordHelp, &QAction::triggered, this, [this] { KeywordHelpAtCaret(); });
    memo_->addAction(keywordHelp);
    // Ctrl+F4 hides the window; Ctrl+Q goes to the main window's input line.
    AddToolWindowKeys(this);
}

void TExprForm::ApplyTexts() {
    for (const auto& [action, text] : actionTexts_) {
        const std::string key = ToStd(action->objectName());
        action->setText(Text(key, text.Caption));
        if (!text.Hint.empty()) SetHint(action, Text(key + "Hint", text.Hint));
    }
    indexMenu_->setTitle(Text("VlozitIndexMenu", "Vložit &index"));
    SetHint(libraryButton_, Text("LibraryToolButtonHint", "Knihovna|Balíčky knihovny výrazů"));
    SetHint(findCombo_, Text("FindComboBoxHint",
                             "Hledat kategorii|Inkrementální vyhledání kategorie - napište "
                             "název hledané kategorie"));
    grid_->setHorizontalHeaderLabels(
        {Text("Comment", "Komentář"), Text("Expression", "Výraz")});
    treeModel_->SetHeader(Text("Category", "Kategorie"));
    RefreshTitle();
}

}  // namespace tarvix
