// TGemVForm: the variant window over the worksheet's LU factors.
#include "ui/worksheet/gem_v_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "calculator/message_box.h"
#include "matrix/matrix_messages.h"
#include "matrix/spreadsheet_export.h"
#include "matrix/worksheet_output.h"
#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/spreadsheet_opener.h"
#include "ui/worksheet/worksheet_grid_model.h"

namespace tarvix {
namespace {
constexpr std::string_view kSection = "GemVForm";
constexpr int kSolutionsFileHelpContext = 10203;

// A caption: catalog key and built-in text.
struct CaptionRow {
    const char* Key;
    std::string_view Caption;
};
// The menus of the menu bar.
constexpr CaptionRow kMenus[] = {{"SouborMenu", "&Soubor"},
                                 {"VypocetMenu", "&Výpočet"},
                                 {"ReseniMenu", "Ř&ešení"},
                                 {"DataMenu", "&Data"}};
// The labels before the tool bar's number fields.
constexpr CaptionRow kSpinLabels[] = {{"ColCountEditLabel", " Variant "},
                                      {"LColWidthsEditLabel", " Šířka V "},
                                      {"RColWidthsEditLabel", " Šířka R "}};
}  // namespace

TGemVForm::TGemVForm(Worksheet& sheet, DialogsPort& dialogs, TextCatalog& texts,
                     FileChoicePort& files, QWidget* parent, GemVFormPlacement* placement)
    : QMainWindow(parent),
      sheet_(sheet),
      dialogs_(dialogs),
      texts_(texts),
      files_(files),
      variants_(sheet, dialogs, this),
      placement_(placement) {
    setObjectName(QStringLiteral("GemVForm"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);

    for (std::size_t i = 0; i < std::size(kMenus); ++i) {
        menus_[i] = menuBar()->addMenu(QString());
        menus_[i]->setObjectName(QLatin1String(kMenus[i].Key));
    }
    auto [soubor, vypocet, reseni, data] = menus_;
    soubor->addAction(NewAction("Soubor_Otevrit", "&Otevřít...", [this] {
        FileDialogRequest request =
            FileRequest(CatalogString(texts_, texts::GemVFormOpenCaption));
        if (const auto path = files_.ChooseFileToOpen(request)) OpenFile(ToQ(path->string()));
    }, "Ctrl+O"));
    soubor->addAction(NewAction("Soubor_UlozitJako", "Uložit &jako...", [this] {
        FileDialogRequest request =
            FileRequest(CatalogString(texts_, texts::GemVFormSaveCaption));
        if (const auto path = files_.ChooseFileToSave(request)) SaveFile(ToQ(path->string()));
    }, "Ctrl+S"));
    soubor->addAction(NewAction("Soubor_Kopirovat", "&Kopírovat řešení", [this] { CopyClick(); }));
    soubor->addSeparator();
    soubor->addAction(NewAction("Soubor_Zavrit", "&Zavřít", [this] { close(); }));
    vypocet->addAction(NewAction("Vypocet_Spustit", "Spustit výpočet", [this] { RunClick(); }, "F2"));
    vypocet->addAction(NewAction("Vypocet_Prerusit", "&Přerušit výpočet", [this] { StopClick(); }, "F9"));
    vypocet->addAction(NewAction("Reseni_KontrolaVysledku", "&Kontrola výsledku", nullptr));
    reseni->addAction(NewAction("Reseni_UlozitDoSouboru", "&Uložit  do souboru...", [this] {
        FileDialogRequest request =
            FileRequest(CatalogString(texts_, texts::GemVFormSaveCaption));
        if (const auto path = files_.ChooseFileToSave(request)) SaveSolutions(ToQ(path->string()));
    }));
    reseni->addAction(NewAction("Reseni_KopirovatDoSchranky", "&Kopírovat do schránky",
                                [this] { CopyClick(); }));
    reseni->addAction(NewAction("Reseni_ExportDoMsExcel", "&Export do MS Excel",
                                [this] { ExportClick(); }));
    data->addAction(NewAction("Data_Generovat", "&Generovat...", nullptr, "Ctrl+D"));

    QToolBar* bar = toolBar_ = addToolBar(QString());
    bar->setMovable(false);
    bar->addAction(Action("Vypocet_Spustit"));
    bar->addAction(Action("Vypocet_Prerusit"));
    bar->addSeparator();
    auto spin = [this, bar](std::size_t index, const char* name, int lo, int hi, int value) {
        spinLabels_[index] = new QLabel(this);
        bar->addWidget(spinLabels_[index]);
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(lo, hi);
        box->setValue(value);
        box->setKeyboardTracking(false);
        bar->addWidget(box);
        return box;
    };
    countEdit_ = spin(0, "ColCountEdit", 1, VariantComputation::kMaxVariants, 3);
    leftWidthEdit_ = spin(1, "LColWidthsEdit", 10, 1600, 25 * 3);
    rightWidthEdit_ = spin(2, "RColWidthsEdit", 10, 1600, 120);
    bar->addAction(NewAction("SyncToolButton", "=", [this] {
        rightWidthEdit_->setValue(leftWidthEdit_->value());
    }));

    leftModel_ = new WorksheetGridModel(variants_.Variants(), true, this);
    rightModel_ = new WorksheetGridModel(variants_.Solutions(), false, this);
    auto makeView = [this](WorksheetGridModel* model, const char* name) {
        auto* view = new QTableView(this);
        view->setObjectName(QLatin1String(name));
        view->setModel(model);
        view->setItemDelegate(new WorksheetCellDelegate(view));
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
        return view;
    };
    leftView_ = makeView(leftModel_, "LStringGrid");
    rightView_ = makeView(rightModel_, "RStringGrid");
    split_ = new QSplitter(Qt::Horizontal, this);
    split_->addWidget(leftView_);
    split_->addWidget(rightView_);
    setCentralWidget(split_);
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        panels_[i]->setMinimumWidth(i == 2 ? 200 : 100);
        statusBar()->addWidget(panels_[i], i == 2 ? 1 : 0);
    }
    connect(countEdit_, &QSpinBox::valueChanged, this, [this](int n) {
        variants_.SetCount(n);
        Refresh();
    });
    connect(leftWidthEdit_, &QSpinBox::valueChanged, this, [this] { ApplyWidths(); });
    connect(rightWidthEdit_, &QSpinBox::valueChanged, this, [this] { ApplyWidths(); });

    ApplyTexts();
    variants_.TakeRightHandSide();
    Refresh();
    resize(640, 400);
    RestorePlacement();
}

TGemVForm::~TGemVForm() {
    // The grids' models read the variant grids, members that end before the
    // window's children do: the views go first.
    delete split_;
}

QString TGemVForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

void TGemVForm::ApplyTexts() {
    RefreshTitle();
    for (std::size_t i = 0; i < std::size(kMenus); ++i)
        menus_[i]->setTitle(Text(kMenus[i].Key, kMenus[i].Caption));
    for (const auto& [name, action] : actions_) action.Action->setText(Text(name, action.Caption));
    Action("SyncToolButton")
        ->setToolTip(Text("SyncToolButtonHint", "Šířky pravých sloupců podle levých"));
    toolBar_->setWindowTitle(Text("ToolBar", "Nástroje"));
    for (std::size_t i = 0; i < std::size(kSpinLabels); ++i)
        spinLabels_[i]->setText(Text(kSpinLabels[i].Key, kSpinLabels[i].Caption));
    // The status of the last run.
    if (variants_.LastVariant() > 0)
        SetStatus(0, sheet_.Texts().Format(mxmsg::VariantStatus,
                                           {std::to_string(variants_.LastVariant())}));
    if (!variants_.LastRunTime().empty())
        SetStatus(2, sheet_.Texts().Format(mxmsg::ElapsedTime, {variants_.LastRunTime()}));
}

void TGemVForm::RefreshTitle() {
    QString title = Text("Caption", "Variantní výpočty soustavy rovnic");
    if (!openedFile_.empty())
        title += " - " + ToQ(std::filesystem::path(openedFile_).filename().string());
    setWindowTitle(title);
}

QAction* TGemVForm::NewAction(std::string_view name, std::string_view caption,
                              std::function<void()> command, std::string_view shortcut) {
    auto* action = new QAction(this);
    action->setObjectName(ToQ(name));
    if (!shortcut.empty()) action->setShortcut(QKeySequence(ToQ(shortcut)));
    if (!command)
        command = [this] {
            dialogs_.ShowMessage(PrepareMessageBox(CatalogString(texts_, texts::InPreparation),
                                                   MessageKind::Information, kOkButton, 0,
                                                   TextsOf(sheet_.Format())));
        };
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    addAction(action);
    actions_[std::string(name)] = {action, caption};
    return action;
}

QAction* TGemVForm::Action(std::string_view name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second.Action;
}

QString TGemVForm::StatusText(int panel) const {
    return panel >= 0 && panel < 3 ? panels_[panel]->text() : QString();
}

void TGemVForm::SetStatus(int panel, std::string_view text) {
    if (panel >= 0 && panel < 3) panels_[panel]->setText(ToQ(text));
    if (running_) QApplication::processEvents();  // the stop action between variants
}

void TGemVForm::Refresh() {
    leftModel_->Reload();
    rightModel_->Reload();
    if (countEdit_->value() != variants_.Count()) {
        const QSignalBlocker block(countEdit_);
        countEdit_->setValue(variants_.Count());
    }
    ApplyWidths();
    Action("Vypocet_Spustit")->setEnabled(!running_ && sheet_.HasSolution());
    Action("Vypocet_Prerusit")->setEnabled(running_);
}

void TGemVForm::ApplyWidths() {
    for (int c = 0; c < leftModel_->columnCount(); ++c) leftView_->setColumnWidth(c, leftWidthEdit_->value());
    for (int c = 0; c < rightModel_->columnCount(); ++c) rightView_->setColumnWidth(c, rightWidthEdit_->value());
}

void TGemVForm::RunClick() {
    if (running_ || !sheet_.Finished()) return;
    running_ = true;
    Refresh();
    variants_.Run();
    running_ = false;
    Refresh();
    emit WorksheetChanged();
}

void TGemVForm::StopClick() {
    if (!running_) return;
    variants_.RequestStop();
    sheet_.RequestStop();
}

FileDialogRequest TGemVForm::FileRequest(std::string_view caption) const {
    FileDialogRequest request;
    request.Caption = std::string(caption);
    request.Filter = CatalogString(texts_, texts::GemVFormTextFiles) + " (*.txt)|*.txt";
    request.DefaultExtension = "txt";
    return request;
}

bool TGemVForm::OpenFile(const QString& path) {
    if (running_ || !sheet_.Finished()) return false;
    const bool opened = variants_.OpenFile(ToStd(path));
    if (opened) {
        fileName_ = openedFile_ = ToStd(path);
        RefreshTitle();
    }
    Refresh();
    emit WorksheetChanged();
    return opened;
}

bool TGemVForm::SaveFile(const QString& path) {
    const bool saved = variants_.SaveFile(ToStd(path));
    if (saved) fileName_ = ToStd(path);
    return saved;
}

void TGemVForm::CopyClick() {
    QApplication::clipboard()->setText(ToQ(GridRowsText(variants_.Solutions())));
}

bool TGemVForm::SaveSolutions(const QString& path) {
    std::string error;
    if (WriteGridRowsFile(variants_.Solutions(), ToStd(path), sheet_.Texts(), error)) return true;
    dialogs_.ShowMessage(PrepareMessageBox(error, MessageKind::Error, kCancelHelpButtons,
                                           kSolutionsFileHelpContext, TextsOf(sheet_.Format())));
    return false;
}

void TGemVForm::ExportClick() {
    const std::string& file = fileName_.empty() ? sheet_.FileName() : fileName_;
    const std::filesystem::path path(file);
    ExportSpreadsheet(GridTable(variants_.Solutions(), path.filename().string(), sheet_.Texts()),
                      path.stem().string() + "-v",
                      {dialogs_, texts_, sheet_.Texts(), sheet_.Format()});
}

void TGemVForm::closeEvent(QCloseEvent* event) {
    if (running_) {
        const ModalResult answer = dialogs_.ShowMessage(PrepareMessageBox(
            CatalogString(texts_, texts::GemFormStopQuestion), MessageKind::Confirmation,
            MessageButton::Yes | MessageButton::No, 0, TextsOf(sheet_.Format())));
        if (answer == ModalResult::Yes) StopClick();
        event->ignore();
        return;
    }
    StorePlacement();
    event->accept();
}

}  // namespace tarvix
