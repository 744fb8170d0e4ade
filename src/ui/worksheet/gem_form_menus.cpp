// TGemForm's menus, tool bar and the drop-down of operations. Operations are
// a table (action name and code; the caption is the code's title); the
// commands that exist without a function show "Připravuje se..".
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {
namespace {

struct OperationRow {
    std::string_view Name;
    MatrixOperationCode Code;
    std::string_view Shortcut = {};
};

constexpr OperationRow kCalculations[] = {
    {"Vypocet_SoustavaRovnic", op::Solve},
    {"Vypocet_ReseniSLURozkladem", op::LuResolve},
    {"Vypocet_ZkratovePomeryElSite", op::NodeVoltages},
};

constexpr OperationRow kOperations[] = {
    {"Operace_Inverze", op::Inverse},
    {"Operace_Determinant", op::Determinant},
    {"Operace_Subdeterminant", op::Subdeterminant},
    {"Operace_AlgebraickyDoplnek", op::Complement},
    {"Operace_AdjungovanaMatice", op::Adjugate},
    {"Operace_HodnostMatice", op::Rank},
    {"Operace_VycisleniHodnotPrvku", op::Evaluate},
    {"Operace_Soucet", op::Sum},
    {"Operace_Rozdil", op::Difference},
    {"Operace_SkalarniSoucin", op::Scalar},
    {"Operace_SoucinMaticiZleva", op::ProductLeft},
    {"Operace_SoucinMaticiZprava", op::ProductRight},
    {"Operace_SoucinVektoremZprava", op::ProductVector},
    {"Operace_SoucinDiagonalniMaticiZleva", op::DiagonalLeft},
    {"Operace_SoucinDiagonalniMaticiZprava", op::DiagonalRight},
    {"Operace_PodilMaticZleva", op::DivideLeft},
    {"Operace_PodilMaticZprava", op::DivideRight},
    {"Operace_Umocneni", op::Square},
};

constexpr OperationRow kTransformations[] = {
    {"Transformace_Funkci", op::Transform},
    {"Transformace_Z_Y", op::ImpedanceToAdmittance},
    {"Transformace_NesymetrickyDvoubran", op::TwoPort},
};

}  // namespace

QAction* TGemForm::NewAction(std::string_view name, std::string_view caption,
                             std::function<void()> command, std::string_view shortcut) {
    auto* action = new QAction(Text(name, caption), this);
    action->setObjectName(ToQ(name));
    if (!shortcut.empty()) {
        action->setShortcut(QKeySequence(ToQ(shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    if (!command) command = [this] { ShowInPreparation(); };
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    addAction(action);
    actions_[std::string(name)] = action;
    return action;
}

QAction* TGemForm::Action(std::string_view name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TGemForm::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [this, bar](std::string_view name, std::string_view caption) {
        QMenu* m = bar->addMenu(Text(name, caption));
        m->setObjectName(ToQ(name));
        menus_[std::string(name)] = m;
        return m;
    };
    auto check = [](QAction* a, bool on = false) {
        a->setCheckable(true);
        a->setChecked(on);
        return a;
    };
    const MatrixMessageTable& titles = BuiltInMatrixMessages();
    auto operation = [this, &titles](const OperationRow& row) {
        const MatrixOperationCode code = row.Code;
        QAction* a = NewAction(row.Name, titles.OperationTitle(code),
                               [this, code] { SelectOperation(code); }, row.Shortcut);
        a->setData(static_cast<int>(code));
        return a;
    };

    QMenu* soubor = menu("SouborMenu", "&Soubor");
    soubor->addAction(NewAction("Soubor_Novy", "&Nový", [this] { SouborNovy(); }));
    soubor->addAction(NewAction("Soubor_Otevrit", "&Otevřít...", [this] { SouborOtevrit(); }, "Ctrl+O"));
    recentMenu_ = soubor->addMenu(Text("Soubor_OtevritMinuly", "Otevřít &minulý"));
    recentMenu_->setObjectName(QStringLiteral("Soubor_OtevritMinuly"));
    actions_["Soubor_OtevritMinuly"] = recentMenu_->menuAction();
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { RebuildRecentMenu(); });
    soubor->addAction(NewAction("Soubor_Ulozit", "&Uložit", [this] { SouborUlozit(); }, "Ctrl+S"));
    soubor->addAction(NewAction("Soubor_UlozitJako", "Uložit &jako...", [this] { SouborUlozitJako(); }));
    soubor->addSeparator();
    soubor->addAction(NewAction("Soubor_Nastaveni", "N&astavení...", nullptr));
    soubor->addSeparator();
    soubor->addAction(NewAction("Soubor_Skryt", "&Skrýt", [this] { SouborSkryt(); }, "Ctrl+F4"));
    soubor->addAction(NewAction("Soubor_Zavrit", "&Zavřít", [this] { close(); }));

    QMenu* upravy = menu("UpravyMenu", "Ú&pravy");
    upravy->addAction(NewAction("Upravy_RovnicePrevestNaMatici", "&Rovnice převést na matici",
                                [this] { ConvertEquationsClick(); }));
    upravy->addSeparator();
    upravy->addAction(NewAction("Upravy_PoznacitLevouMatici", "Poznačit &levou matici",
                                [this] { GridToEditorClick(false); }));
    upravy->addAction(NewAction("Upravy_PoznacitPravouMatici", "Poznačit &pravou matici",
                                [this] { GridToEditorClick(true); }));
    upravy->addAction(NewAction("Upravy_PoznacenouVlozitDoLeve", "Poznačenou vložit do l&evé",
                                [this] { EditorToGridClick(false); }));
    upravy->addAction(NewAction("Upravy_PoznacenouVlozitDoPrave", "Poznačenou vložit do p&ravé",
                                [this] { EditorToGridClick(true); }));

    QMenu* rastr = menu("RastrMenu", "&Rastr");
    auto* modes = new QActionGroup(this);
    for (auto [name, caption, mode] :
         {std::tuple{"Rastr_SoustavaRovnic", "&Soustava rovnic", WorksheetMode::Equations},
          std::tuple{"Rastr_MaticoveOperace", "&Maticové operace", WorksheetMode::Operations}}) {
        const WorksheetMode m = mode;
        QAction* a = check(NewAction(name, caption, [this, m] {
            if (!sheet_.Finished()) return;
            sheet_.SetMode(m);
            SelectForMode();
            RefreshFromModel();
        }));
        modes->addAction(a);
        rastr->addAction(a);
    }
    rastr->addSeparator();
    auto* enter = new QActionGroup(this);
    QAction* byColumns = check(NewAction("Rastr_EnterPoSloupcich", "Enter po &sloupcích",
                                         [this] { enterByColumns_ = true; }),
                               true);
    QAction* byRows = check(NewAction("Rastr_EnterPoRadcich", "Enter po &řádcích",
                                      [this] { enterByColumns_ = false; }));
    enter->addAction(byColumns);
    enter->addAction(byRows);
    rastr->addAction(byColumns);
    rastr->addAction(byRows);
    rastr->addAction(check(NewAction("Rastr_AutomatickyZarovnavat", "&Automaticky zarovnávat",
                                     [this] { RefreshFromModel(); }),
                           true));

    QMenu* vypocet = menu("VypocetMenu", "&Výpočet");
    for (const OperationRow& row : kCalculations) vypocet->addAction(operation(row));
    vypocet->addAction(NewAction("Vypocet_VariantniVypoctySoustavy", "&Variantní výpočty soustavy...",
                                 [this] { VariantClick(); }));
    vypocet->addSeparator();
    vypocet->addAction(NewAction("Vypocet_Spustit", "&Spustit výpočet", [this] { RunClick(); }, "F9"));
    vypocet->addAction(NewAction("Vypocet_Prerusit", "&Přerušit výpočet", [this] { StopClick(); }, "F2"));
    vypocet->addSeparator();
    vypocet->addAction(check(NewAction("Vypocet_SledovatUpravyMatice", "&Postupné úpravy matice",
                                       [this] {
                                           sheet_.Options().WatchMode =
                                               Action("Vypocet_SledovatUpravyMatice")->isChecked();
                                           if (sheet_.Options().WatchMode) sheet_.Options().FastMode = false;
                                           RefreshChecks();
                                       })));
    vypocet->addAction(check(NewAction("Vypocet_UkladatHistoriiVypoctu", "&Ukládat historii výpočtu",
                                       [this] {
                                           const bool on = Action("Vypocet_UkladatHistoriiVypoctu")->isChecked();
                                           sheet_.Options().TraceOn = on;
                                           if (on) sheet_.Options().FastMode = false;
                                           services_.ShowHistory(on);
                                           RefreshChecks();
                                       })));
    QMenu* metoda = vypocet->addMenu(Text("MetodaMenu", "&Metoda"));
    auto* methods = new QActionGroup(this);
    QAction* gauss = check(NewAction("Metoda_Gaussova", "&Gaussova", [] {}), true);
    // The condensation method is not built: its item stays disabled and says
    // what computes instead.
    QAction* condensation = check(NewAction("Metoda_Kondenzacni", "&Kondenzační", [] {}));
    condensation->setEnabled(false);
    const QString condensationHint =
        Text("Metoda_KondenzacniHint",
             "Kondenzační metoda není k dispozici: počítá se Gaussovou eliminací s výběrem "
             "hlavního prvku podle nabídky Stabilizace");
    condensation->setToolTip(condensationHint);
    condensation->setStatusTip(condensationHint);
    metoda->setToolTipsVisible(true);
    methods->addAction(gauss);
    methods->addAction(condensation);
    metoda->addAction(gauss);
    metoda->addAction(condensation);
    metoda->addAction(NewAction("Metoda_Iteracni", "&Iterační", nullptr));
    QMenu* stabilizace = vypocet->addMenu(Text("StabilizaceMenu", "&Stabilizace"));
    auto* pivots = new QActionGroup(this);
    QAction* none = check(NewAction("Stabilizace_NeprovadiSe", "&Neprovádí se", [this] {
        sheet_.Options().Pivot = Pivoting::None;
    }));
    QAction* partial = check(NewAction("Stabilizace_CastecnyVyber", "Č&ástečný výběr hlavního prvku",
                                       [this] { sheet_.Options().Pivot = Pivoting::Partial; }),
                             true);
    pivots->addAction(none);
    pivots->addAction(partial);
    stabilizace->addAction(none);
    stabilizace->addAction(partial);
    stabilizace->addAction(NewAction("Stabilizace_UplnyVyber", "Ú&plný výběr hlavního prvku", nullptr));
    QMenu* optimalizace = vypocet->addMenu(Text("OptimalizaceMenu", "&Optimalizace"));
    optimalizace->addAction(check(NewAction("Optimalizace_BandPassing", "&Band Condensation", [this] {
        sheet_.Options().BandPassing = Action("Optimalizace_BandPassing")->isChecked();
    })));
    optimalizace->addAction(check(NewAction("Optimalizace_NejrychlejsiVypocet", "N&ejrychlejší výpočet", [this] {
        const bool on = Action("Optimalizace_NejrychlejsiVypocet")->isChecked();
        WorksheetOptions& o = sheet_.Options();
        o.FastMode = on;
        if (on) o.TraceOn = o.WatchMode = false;
        SetStatus(3, CatalogString(services_.Texts,
                                   on ? texts::GemFormFastMode : texts::GemFormNormalMode));
        RefreshChecks();
    })));
    optimalizace->addAction(NewAction("Optimalizace_RidkaMatice", "&Řídká matice", nullptr));

    QMenu* operace = menu("OperaceMenu", "&Operace");
    for (const OperationRow& row : kOperations) operace->addAction(operation(row));
    operace->addAction(NewAction("Operace_HodnostRozsireneMaticeSoustavy",
                                 "Hodnost &rozšířené matice soustavy", nullptr));
    QAction* polynom = NewAction("Operace_CharakteristickyPolynom", titles.OperationTitle(op::CharacteristicPolynomial), nullptr);
    polynom->setVisible(false);
    operace->addAction(polynom);

    QMenu* transformace = menu("TransformaceMenu", "&Transformace");
    for (const OperationRow& row : kTransformations) transformace->addAction(operation(row));
    transformace->addAction(NewAction("Transformace_Prahova", titles.OperationTitle(op::ThresholdTransform), nullptr));

    QMenu* reseni = menu("ReseniMenu", "Ř&ešení");
    reseni->addAction(check(NewAction("Reseni_KontrolaVysledku", "&Kontrola výsledku", [this] { ResultCheckClick(); })));
    reseni->addAction(check(NewAction("Reseni_TriangulovanaMatice", "&Triangulovaná matice", [this] { TriangleClick(); })));
    reseni->addAction(check(NewAction("Reseni_LURozkladMaticeSoustavy", "&LU rozklad matice soustavy", [this] { LuViewClick(); })));
    reseni->addSeparator();
    reseni->addAction(NewAction("Reseni_VysledekPrenestDoleva", "Výsledek přenést &doleva", [this] { MoveResultLeftClick(); }));
    reseni->addAction(NewAction("Reseni_ZobrazitDobuVypoctu", "&Zobrazit dobu výpočtu", [this] { ShowTimeClick(); }));
    reseni->addSeparator();
    QMenu* destination = reseni->addMenu(Text("VysledekDoMenu", "Výsledek operace vložit do"));
    auto* destinations = new QActionGroup(this);
    for (auto [name, caption, dest] :
         {std::tuple{"VysledekDo_LeveMrizky", "&Levé mřížky", ResultDestination::LeftGrid},
          std::tuple{"VysledekDo_PraveMrizky", "&Pravé mřížky", ResultDestination::RightGrid},
          std::tuple{"VysledekDo_EditoruRovnic", "&Editoru rovnic", ResultDestination::Editor},
          std::tuple{"VysledekDo_Pameti", "Pa&měti...", ResultDestination::Memory}}) {
        const ResultDestination d = dest;
        QAction* a = check(NewAction(name, caption, [this, d] {
                               if (d == ResultDestination::Memory) {
                                   ResultToMemoryClick();
                               } else {
                                   sheet_.Options().Destination = d;
                               }
                               RefreshChecks();
                           }),
                           d == ResultDestination::RightGrid);
        destinations->addAction(a);
        destination->addAction(a);
    }

    menu("DataMenu", "&Data");
    menu("HledatMenu", "&Hledat");
    menu("KonverzeMenu", "&Konverze");
    menu("GrafMenu", "&Graf");
    BuildDataMenus();
    BuildSearchMenus();
    BuildOutputMenus();

    // The drop-down of the tool bar: every visible operation.
    dropMenu_ = new QMenu(this);
    dropMenu_->setObjectName(QStringLiteral("DropMenu"));
    for (const OperationRow& row : kCalculations) dropMenu_->addAction(Action(row.Name));
    dropMenu_->addSeparator();
    for (const OperationRow& row : kOperations) dropMenu_->addAction(Action(row.Name));
    dropMenu_->addSeparator();
    for (const OperationRow& row : kTransformations) dropMenu_->addAction(Action(row.Name));

    // Alt+R and Alt+X as second keys of run and stop.
    Action("Vypocet_Spustit")->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(QStringLiteral("Alt+R"))});
    Action("Vypocet_Prerusit")->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(QStringLiteral("Alt+X"))});
}

void TGemForm::BuildToolBar() {
    toolBar_ = addToolBar(Text("ToolBar", "Nástroje"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setMovable(false);
    QStyle* s = style();
    auto add = [this, s](std::string_view name, std::string_view caption, QStyle::StandardPixmap icon,
                         std::function<void()> command, std::string_view hint) {
        QAction* a = NewAction(name, caption, std::move(command));
        a->setIcon(s->standardIcon(icon));
        a->setToolTip(Text(std::string(name) + "Hint", hint));
        toolBar_->addAction(a);
        return a;
    };
    add("NewToolButton", "Nový", QStyle::SP_FileIcon, [this] { SouborNovy(); }, "Nový list");
    add("OpenToolButton", "Otevřít", QStyle::SP_DialogOpenButton, [this] { SouborOtevrit(); }, "Otevřít soubor");
    add("SaveToolButton", "Uložit", QStyle::SP_DialogSaveButton, [this] { SouborUlozit(); }, "Uložit soubor");
    toolBar_->addSeparator();
    QAction* mode = add("MatrixToolButton", "Režim", QStyle::SP_FileDialogDetailedView,
                        [this] { ToggleMode(); }, "Soustava rovnic / maticové operace");
    (void)mode;
    QAction* run = add("RunToolButton", "Spustit", QStyle::SP_MediaPlay, [this] { RunClick(); },
                       "Spustit výpočet (F9)");
    runButton_ = qobject_cast<QToolButton*>(toolBar_->widgetForAction(run));
    if (runButton_) {
        runButton_->setMenu(dropMenu_);
        runButton_->setPopupMode(QToolButton::MenuButtonPopup);
        runButton_->setCheckable(true);
    }
    add("StopToolButton", "Stop", QStyle::SP_MediaStop, [this] { StopClick(); }, "Přerušit výpočet (F2)");
    toolBar_->addSeparator();
    QAction* checkButton = add("ResultCheckToolButton", "Kontrola", QStyle::SP_DialogApplyButton,
                               [this] { Action("Reseni_KontrolaVysledku")->trigger(); }, "Kontrola výsledku");
    checkButton->setCheckable(true);
    QAction* triangle = add("TriangleToolButton", "Triangulace", QStyle::SP_ArrowDown,
                            [this] { Action("Reseni_TriangulovanaMatice")->trigger(); }, "Triangulovaná matice");
    triangle->setCheckable(true);
    add("BackAssignToolButton", "Doleva", QStyle::SP_ArrowBack, [this] { MoveResultLeftClick(); },
        "Výsledek přenést doleva");
    add("CompletionToolButton", "Rovnice", QStyle::SP_ArrowUp, [this] { CompletionClick(); },
        "Rovnice na matici / výměna textu s editorem");
    QAction* log = add("LogToolButton", "Historie", QStyle::SP_FileDialogContentsView,
                       [this] { Action("Vypocet_UkladatHistoriiVypoctu")->trigger(); },
                       "Ukládat historii výpočtu");
    log->setCheckable(true);
    toolBar_->addSeparator();
    auto* label = new QLabel(Text("RozmerLabel", "Řád matice "), this);
    toolBar_->addWidget(label);
    orderEdit_ = new QSpinBox(this);
    orderEdit_->setObjectName(QStringLiteral("RozmerSpinEdit"));
    orderEdit_->setRange(1, kMaxMatrixOrder);
    orderEdit_->setValue(2);
    orderEdit_->setKeyboardTracking(false);
    connect(orderEdit_, &QSpinBox::valueChanged, this, [this](int n) { OrderChanged(n); });
    toolBar_->addWidget(orderEdit_);
    toolBar_->addSeparator();
    toolBar_->addWidget(new QLabel(Text("ColWidthsLabel", "Šířka "), this));
    colWidthEdit_ = new QSpinBox(this);
    colWidthEdit_->setObjectName(QStringLiteral("ColWidthsEdit"));
    colWidthEdit_->setRange(10, 1000);
    colWidthEdit_->setValue(64);
    colWidthEdit_->setKeyboardTracking(false);
    colWidthEdit_->setToolTip(Text("ColWidthsEditHint", "Šířka sloupců"));
    connect(colWidthEdit_, &QSpinBox::valueChanged, this, [this](int w) { ColumnWidthEdited(w); });
    toolBar_->addWidget(colWidthEdit_);
}

void TGemForm::RefreshChecks() {
    const WorksheetOptions& o = sheet_.Options();
    auto set = [this](std::string_view name, bool on) {
        if (QAction* a = Action(name)) a->setChecked(on);
    };
    const bool equations = sheet_.Mode() == WorksheetMode::Equations;
    set("Rastr_SoustavaRovnic", equations);
    set("Rastr_MaticoveOperace", !equations);
    set("Vypocet_SledovatUpravyMatice", o.WatchMode);
    set("Vypocet_UkladatHistoriiVypoctu", o.TraceOn);
    set("LogToolButton", o.TraceOn);
    set("Optimalizace_NejrychlejsiVypocet", o.FastMode);
    set("Optimalizace_BandPassing", o.BandPassing);
    set("Reseni_KontrolaVysledku", sheet_.ResultCheckShown());
    set("ResultCheckToolButton", sheet_.ResultCheckShown());
    set("Reseni_TriangulovanaMatice", sheet_.TriangleViewShown() && !luView_);
    set("TriangleToolButton", sheet_.TriangleViewShown());
    set("Reseni_LURozkladMaticeSoustavy", sheet_.TriangleViewShown() && luView_);
    set("VysledekDo_LeveMrizky", o.Destination == ResultDestination::LeftGrid);
    set("VysledekDo_PraveMrizky", o.Destination == ResultDestination::RightGrid);
    set("VysledekDo_EditoruRovnic", o.Destination == ResultDestination::Editor);
    set("VysledekDo_Pameti", o.Destination == ResultDestination::Memory);
}

void TGemForm::ApplyTexts() {
    const MatrixMessageTable& titles = BuiltInMatrixMessages();
    for (auto& [name, action] : actions_) {
        const QVariant code = action->data();
        if (code.isValid())
            action->setText(Text(name, titles.OperationTitle(code.toInt())));
    }
    RefreshTitle();
}

}  // namespace tarvix
