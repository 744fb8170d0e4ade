// The main window's menu bar, tool bar and display menu, built from tables:
// every item's name, catalog key, built-in caption, kind, command and
// shortcut. Commands of subsystems that are not there yet show "Připravuje
// se..". Captions come from the text catalog and are bound, so a language
// change sets them again.
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <span>

#include "ui/lists/function_list_form.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

enum class ItemKind : std::uint8_t { Command, Check, Radio, Separator, Submenu, EndSubmenu };

struct MenuItemRow {
    std::string_view Name;  // the item's component name; for a submenu the menu's name
    std::string_view Key;   // catalog key in the menu's section
    std::string_view Caption;
    ItemKind Kind = ItemKind::Command;
    void (TMainForm::*Handler)() = nullptr;  // nullptr: "Připravuje se.."
    std::string_view Shortcut = {};
    bool Enabled = true;  // false: needs a subsystem state that cannot exist yet
};

struct MenuRow {
    std::string_view Name;     // "SouborMenu" …
    std::string_view Section;  // catalog section of the items
    std::string_view Key;      // catalog key of the title in "MainMenu"
    std::string_view Caption;
    std::span<const MenuItemRow> Items;
};

constexpr MenuItemRow kSeparator{{}, {}, {}, ItemKind::Separator};
constexpr MenuItemRow kEndSubmenu{{}, {}, {}, ItemKind::EndSubmenu};

using enum ItemKind;
using T = TMainForm;

constexpr MenuItemRow kSoubor[] = {
    {"SouborNovyItem", "New", "&Nový", Command, &T::SouborNovyItemClick},
    {"SouborOtevritItem", "Open", "&Otevřít...", Command, &T::SouborOtevritItemClick, "Ctrl+O"},
    {"SouborUlozitItem", "Save", "&Uložit", Command, &T::SouborUlozitItemClick, "Ctrl+S"},
    {"SouborUlozitJakoItem", "SaveAs", "U&ložit jako...", Command, &T::SouborUlozitJakoItemClick},
    kSeparator,
    {"GenerovatRaduMenu", "GenerateSeries", "&Generovat řadu", Submenu},
    {"RadaIteraciPromenneItem", "SeriesByVariable", "&Iterací proměnné... y=f(x)", Command,
     &T::RadaIteraciPromenneItemClick, "Alt+1"},
    {"RadaIteraciParametruItem", "SeriesByParameter", "I&terací parametru... x,y=f(t)", Command,
     &T::RadaIteraciParametruItemClick, "Alt+2"},
    {"RadaRozvojemItem", "SeriesExpansion", "&Rozvojem nekonečné řady...", Command,
     &T::RadaRozvojemItemClick, "Alt+3"},
    {"RadaKomplexniItem", "SeriesComplex", "&Funkce komplexní proměnné...", Command,
     &T::RadaKomplexniItemClick},
    kEndSubmenu,
    {"SouborZadavatRaduItem", "EnterSeries", "&Zadávat řadu...", Command,
     &T::SouborZadavatRaduItemClick},
    kSeparator,
    {"SouborNastaveniItem", "Preferences", "N&astavení...", Command, &T::NastaveniItemClick},
    kSeparator,
    {"SouborKonecItem", "Exit", "&Konec", Command, &T::ExitClick, "Alt+F4"},
};

constexpr MenuItemRow kPromenne[] = {
    {"PromenneSeznamItem", "List", "&Seznam", Command, &T::PromennePanelClick},
    {"PromenneZmenitNazevItem", "Rename", "&Změnit názvy", Check, &T::PromenneZmenitNazevItemClick},
    kSeparator,
    {"PromenneVynulovatItem", "Clear", "&Vynulovat", Command, &T::ClearPanelClick},
    {"PromenneOdstranitItem", "Reset", "&Odstranit uživatelské", Command,
     &T::ResetSpeedButtonClick},
    kSeparator,
    {"PromenneAutomatickyRegistrovatItem", "AutoRegister", "&Automaticky registrovat", Check,
     &T::AutoRegisterClick},
    {"PromennePouzivatCisloMistoAnsItem", "NumberInsteadAns", "&Používat číslo místo Ans", Check,
     &T::NumberInsteadAnsClick},
    kSeparator,
    // Enabled with the option "variables as vectors" (RefreshSeriesActions).
    {"PromenneImportVektoruItem", "ImportVector", "&Import vektoru", Command,
     &T::PromenneImportVektoruItemClick, {}, false},
    {"PromenneExportVektoruItem", "ExportVector", "&Export vektoru", Command,
     &T::PromenneExportVektoruItemClick, {}, false},
    {"PromenneSmazatVektoryItem", "ClearVectors", "S&mazat všechny vektory", Command,
     &T::PromenneSmazatVektoryItemClick, {}, false},
};

constexpr MenuItemRow kFunkce[] = {
    {"FunkceZobrazitSeznamItem", "FunctionList", "&Seznam funkcí", Check,
     &T::FunkceSpeedButtonClick},
    kSeparator,
    {"VkladatFnDoVyrazuItem", "InsertFunction", "&Vkládat Fn do výrazu", Radio,
     &T::FunctionModeInsertClick},
    {"VyrazArgumentemFnItem", "ExpressionAsArgument", "Vý&raz argumentem Fn", Radio,
     &T::FunctionModeEvalClick},
    kSeparator,
    {"FunkceKnihovnaItem", "ExpressionLibrary", "&Knihovna výrazů", Command,
     &T::FunkceKnihovnaItemClick},
    {"FunkcePruvodceItem", "Guide", "&Průvodce", Command, &T::FunkcePruvodceItemClick},
    {"FunkceResitSoustavuItem", "SolveSystemOfEquations", "Ř&ešit soustavu rovnic", Command,
     &T::FunkceResitSoustavuItemClick},
    kSeparator,
    {"FunkcePrevodyItem", "UnitConversion", "Převody &jednotek"},
    {"FunkceObdobiItem", "Period", "&Období"},
};

constexpr MenuItemRow kMatice[] = {
    {"SoustavaRovnicItem", "SystemOfEquations", "&Soustava rovnic", Command,
     &T::SoustavaRovnicItemClick},
    {"OperaceSMaticemiItem", "MatrixOperations", "&Operace s maticemi", Command,
     &T::OperaceSMaticemiItemClick},
};

constexpr MenuItemRow kAnalyza[] = {
    {"AnalyzaStatistickaItem", "Statistics", "&Statistická", Check,
     &T::AnalyzaStatistickaItemClick},
    {"AnalyzaRegresniItem", "Regression", "&Regresní", Check, &T::AnalyzaRegresniItemClick},
    {"AnalyzaFourierovaItem", "Fourier", "&Fourierova", Command, &T::AnalyzaFourierovaItemClick},
    kSeparator,
    {"EnterVkladaDataItem", "EnterAppendsData", "&Enter vkládá data", Check,
     &T::EnterInsertsDataClick},
};

constexpr MenuItemRow kGraf[] = {
    {"GrafIteraciPromenneItem", "ExampleVariable", "&Iterací proměnné x...  y=f(x)"},
    {"GrafIteraciParametruItem", "ExampleParameter", "I&terací parametru t... x,y=f(t)"},
    {"GrafRozvojemItem", "ExampleExpansion", "&Rozvojem nekonečné řady"},
    {"GrafKomplexniMenu", "ComplexFunction", "&Funkce komplexní proměnné", Submenu},
    {"GrafUkazkaKPItem", "ComplexDemo", "&Ukázka grafu funkce KP"},
    kSeparator,
    // The chart modes of a complex series need a current series.
    {"ModulItem", "Modulus", "&Modul", Radio, nullptr, {}, false},
    {"ArgumentItem", "Argument", "&Argument", Radio, nullptr, {}, false},
    {"RealnaSlozkaItem", "RealPart", "&Reálná složka", Radio, nullptr, {}, false},
    {"ImaginarniSlozkaItem", "ImaginaryPart", "&Imaginární složka", Radio, nullptr, {}, false},
    {"GaussovaKomplexniRovinaItem",
     "GaussPlane",
     "&Gaussova komplexní rovina",
     Radio,
     nullptr,
     {},
     false},
    kEndSubmenu,
    kSeparator,
    {"GrafDetailniItem", "DetailedChart", "&Detailní graf řady", Command, nullptr, "Ctrl+G"},
    {"GrafPridatRaduItem", "AddSeries", "&Přidat řadu do grafu", Command, nullptr, "Shift+Ctrl+G"},
    // Removing series needs a chart with series.
    {"GrafOdebratRaduItem", "RemoveSeries", "&Odebrat řadu z grafu", Command, nullptr, {}, false},
    {"GrafVyjmoutRadyItem",
     "RemoveAllSeries",
     "&Vyjmout všechny řady z grafu",
     Command,
     nullptr,
     {},
     false},
};

constexpr MenuItemRow kOkno[] = {
    {"wStatistickaAnalyzaItem", "Statistics", "S&tatistická analýza", Command,
     &T::StatisticsWindowClick, "Ctrl+W"},
    {"wHistorieItem", "History", "&Historie výpočtů", Command, &T::HistorieItemClick},
    {"wEditorVyrazuItem", "ExpressionEditor", "&Editor výrazů", Command, &T::EditorVyrazuItemClick},
    {"wUzivatelskeKonstantyItem", "UserConstants", "&Uživatelské konstanty"},
    kSeparator,
    {"wVzdyNavrchuItem", "AlwaysOnTop", "&Vždy navrchu", Check, &T::StayOnTopClick},
    {"wMiniOknoItem", "MiniWindow", "&Mini okno", Check, &T::MiniWindowClick},
};

constexpr MenuItemRow kNapoveda[] = {
    {"NapovedaObsahItem", "Contents", "&Obsah", Command, &T::HelpContentsClick},
    {"NapovedaKlavesyItem", "Keyboard", "&Klávesové zkratky", Command, &T::HelpTopicClick,
     "Ctrl+Shift+K"},
    {"NapovedaTipItem", "TipOfTheDay", "&Tip dne"},
    kSeparator,
    {"NapovedaOProgramuItem", "About", "&O programu...", Command, &T::AboutClick},
};

constexpr MenuRow kMenus[] = {
    {"SouborMenu", "FileMenu", "File", "&Soubor", kSoubor},
    {"PromenneMenu", "VariableMenu", "Variables", "&Proměnné", kPromenne},
    {"FunkceMenu", "FunctionMenu", "Functions", "&Funkce", kFunkce},
    {"MaticeMenu", "MatrixMenu", "Matrix", "&Matice", kMatice},
    {"AnalyzaMenu", "AnalysisMenu", "Analysis", "&Analýza", kAnalyza},
    {"GrafMenu", "GraphMenu", "Graph", "&Graf", kGraf},
    {"OknoMenu", "WindowMenu", "Window", "&Okno", kOkno},
    {"NapovedaMenu", "HelpMenu", "Help", "&Nápověda", kNapoveda},
};

struct ToolRow {
    std::string_view Name;
    std::string_view Caption;
    std::string_view Hint;
    void (TMainForm::*Handler)();
    QStyle::StandardPixmap Icon;  // SP_CustomBase: text only
    bool Checkable = false;
};

constexpr QStyle::StandardPixmap kNoIcon = QStyle::SP_CustomBase;
constexpr ToolRow kTools[] = {
    {"OtevritToolButton", "Otevřít", "Otevřít|Otevřít datový soubor", &T::SouborOtevritItemClick,
     QStyle::SP_DialogOpenButton},
    {"UlozitToolButton", "Uložit", "Uložit|Uložit datový soubor", &T::SouborUlozitItemClick,
     QStyle::SP_DialogSaveButton},
    {{}, {}, {}, nullptr, kNoIcon},
    {"KopirujToolButton", "Kopírovat", "Kopírovat|Kopírovat výsledek do schránky", &T::KopirujClick,
     kNoIcon},
    {"PojmenujToolButton", "Názvy", "Změnit názvy proměnných", &T::PromenneZmenitNazevItemClick,
     kNoIcon, true},
    {"RozsahToolButton", "Řada", "Generovat datovou řadu", &T::RadaIteraciPromenneItemClick,
     kNoIcon},
    {"FunkceToolButton", "&Zobrazit seznam", "Seznam funkcí", &T::FunkceSpeedButtonClick, kNoIcon,
     true},
    {{}, {}, {}, nullptr, kNoIcon},
    {"VypocetToolButton", "Vyhodnotit", "Vyhodnotit výraz (Enter)", &T::VypocetButtonClick,
     kNoIcon},
};

}  // namespace

std::function<void()> TMainForm::Command(void (TMainForm::*handler)()) {
    if (!handler) return {};
    return [this, handler] { (this->*handler)(); };
}

QAction* TMainForm::Action(std::string_view name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* TMainForm::NewAction(std::string_view name, std::string_view section, std::string_view key,
                              std::string_view caption, std::function<void()> command) {
    auto* action = new QAction(this);
    action->setObjectName(ToQ(name));
    BindText(action, section, key, caption);
    if (!command) command = [this] { ShowInPreparation(); };
    connect(action, &QAction::triggered, this, std::move(command));
    actions_[std::string(name)] = action;
    return action;
}

void TMainForm::BindText(QObject* target, std::string_view section, std::string_view key,
                         std::string_view builtIn, bool hint) {
    textBindings_.push_back(
        {target, std::string(section), std::string(key), std::string(builtIn), hint});
}

void TMainForm::ApplyTexts() {
    RefreshTitle();
    for (const TextBinding& binding : textBindings_) {
        if (!binding.Target) continue;
        const QString text = Text(binding.Section, binding.Key, binding.BuiltIn);
        if (auto* action = qobject_cast<QAction*>(binding.Target)) {
            if (binding.Hint) {
                SetHint(action, text);
            } else {
                action->setText(text);
            }
        } else if (auto* menu = qobject_cast<QMenu*>(binding.Target)) {
            menu->setTitle(text);
        } else if (auto* widget = qobject_cast<QWidget*>(binding.Target)) {
            if (binding.Hint) {
                SetHint(widget, text);
            } else {
                widget->setProperty("text", text);
            }
        }
    }
    RefreshFromModel();
    KeepStatusBarReadable();
}

void TMainForm::BuildMenus() {
    for (const MenuRow& row : kMenus) {
        auto* menu = menuBar()->addMenu(QString());
        menu->setObjectName(ToQ(row.Name));
        BindText(menu, "MainMenu", row.Key, row.Caption);
        menus_[std::string(row.Name)] = menu;
        QMenu* target = menu;
        QActionGroup* group = nullptr;
        for (const MenuItemRow& item : row.Items) {
            if (item.Kind != Radio) group = nullptr;
            switch (item.Kind) {
                case Separator:
                    target->addSeparator();
                    continue;
                case Submenu: {
                    QMenu* sub = target->addMenu(QString());
                    sub->setObjectName(ToQ(item.Name));
                    BindText(sub, row.Section, item.Key, item.Caption);
                    menus_[std::string(item.Name)] = sub;
                    target = sub;
                    continue;
                }
                case EndSubmenu:
                    target = menu;
                    continue;
                default:
                    break;
            }
            QAction* action =
                NewAction(item.Name, row.Section, item.Key, item.Caption, Command(item.Handler));
            action->setCheckable(item.Kind == Check || item.Kind == Radio);
            action->setEnabled(item.Enabled);
            if (!item.Shortcut.empty()) action->setShortcut(QKeySequence(ToQ(item.Shortcut)));
            if (item.Kind == Radio) {
                if (!group) group = new QActionGroup(this);
                group->addAction(action);
            }
            target->addAction(action);
        }
    }
}

void TMainForm::BuildToolBar() {
    widgets_.ToolBar = addToolBar(QString());
    widgets_.ToolBar->setObjectName(QStringLiteral("ToolBar"));
    widgets_.ToolBar->setMovable(false);
    widgets_.ToolBar->setFloatable(false);
    widgets_.ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    widgets_.ToolBar->toggleViewAction()->setEnabled(false);
    for (const ToolRow& row : kTools) {
        if (row.Name.empty()) {
            widgets_.ToolBar->addSeparator();
            continue;
        }
        QAction* action =
            NewAction(row.Name, "ToolButtons", row.Name, row.Caption, Command(row.Handler));
        BindText(action, "ToolButtons", std::string(row.Name) + "Hint", row.Hint, true);
        action->setCheckable(row.Checkable);
        if (row.Icon != kNoIcon) action->setIcon(style()->standardIcon(row.Icon));
        widgets_.ToolBar->addAction(action);
        if (QWidget* button = widgets_.ToolBar->widgetForAction(action)) {
            button->setObjectName(ToQ(row.Name));
        }
    }
}

void TMainForm::BuildDisplayPopupMenu() {
    displayPopupMenu_ = new QMenu(this);
    displayPopupMenu_->setObjectName(QStringLiteral("DisplayPopupMenu"));
    constexpr std::string_view kSection = "DisplayPopupMenu";

    struct FormatRow {
        std::string_view Name;
        std::string_view Caption;
        NumberFormat Format;
    };
    static constexpr FormatRow kFormats[] = {
        {"NormDisplayFormat", "&Normální tvar", NumberFormat::Norm},
        {"FixDisplayFormat", "&Pevná řádová čárka", NumberFormat::Fix},
        {"SciDisplayFormat", "&Exponenciální notace", NumberFormat::Sci},
        {"EngDisplayFormat", "&Inženýrská notace", NumberFormat::Eng},
    };
    auto* formats = new QActionGroup(this);
    for (const FormatRow& row : kFormats) {
        const NumberFormat format = row.Format;
        QAction* action = NewAction(row.Name, kSection, row.Name, row.Caption, [this, format] {
            ApplySwitch([format](ModeSwitches& s) {
                return SelectNumberFormat(s, format, SwitchSource::MenuItem);
            });
        });
        action->setCheckable(true);
        formats->addAction(action);
        displayPopupMenu_->addAction(action);
    }
    QAction* rounding =
        NewAction("RndDisplayFormat", kSection, "RndDisplayFormat", "&Zaokrouhlovat",
                  [this] { ApplySwitch([](ModeSwitches& s) { return ToggleRounding(s); }); });
    rounding->setCheckable(true);
    // Shown in the menu; the window's key table runs it.
    rounding->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    rounding->setShortcutContext(Qt::WidgetShortcut);
    displayPopupMenu_->addAction(rounding);
    displayPopupMenu_->addSeparator();

    struct BaseRow {
        std::string_view Name;
        std::string_view Caption;
        TNumericalBase Base;
    };
    static constexpr BaseRow kBases[] = {
        {"DecDisplayFormat", "&Desítková soustava", nbDec},
        {"HexDisplayFormat", "Še&stnáctková soustava", nbHex},
        {"BinDisplayFormat", "D&vojková soustava", nbBin},
        {"OctDisplayFormat", "&Osmičková soustava", nbOct},
    };
    auto* bases = new QActionGroup(this);
    for (const BaseRow& row : kBases) {
        const TNumericalBase base = row.Base;
        QAction* action = NewAction(row.Name, kSection, row.Name, row.Caption, [this, base] {
            ApplySwitch(
                [base](ModeSwitches& s) { return SelectBase(s, base, SwitchSource::MenuItem); });
        });
        action->setCheckable(true);
        bases->addAction(action);
        displayPopupMenu_->addAction(action);
    }
    displayPopupMenu_->addSeparator();

    struct FormRow {
        std::string_view Name;
        std::string_view Caption;
        ComplexForm Form;
    };
    static constexpr FormRow kForms[] = {
        {"SlozkovyTvarKomplexnichCiselItem", "&Složkový tvar kompl. čísel", ComplexForm::Component},
        {"ExpTvarKomplexnichCiselItem", "E&xp. tvar komplex. čísel", ComplexForm::Exponential},
    };
    auto* forms = new QActionGroup(this);
    for (const FormRow& row : kForms) {
        const ComplexForm form = row.Form;
        QAction* action = NewAction(row.Name, kSection, row.Name, row.Caption, [this, form] {
            Perform([this, form] {
                calculator_.Display().Complex = form;
                calculator_.RedisplayAns();
                RefreshVariableList();
            });
        });
        action->setCheckable(true);
        forms->addAction(action);
        displayPopupMenu_->addAction(action);
    }
    displayPopupMenu_->addSeparator();
    QAction* copy = NewAction("DisplayKopirovatItem", kSection, "Copy", "&Kopírovat",
                              [this] { KopirujClick(); });
    copy->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Ins")));
    copy->setShortcutContext(Qt::WidgetShortcut);
    displayPopupMenu_->addAction(copy);
}

void TMainForm::RefreshActions() {
    const bool renaming = calculator_.RenamingMode();
    const CalculatorOptions& options = calculator_.Options();
    const ModeSwitches& switches = calculator_.Switches();
    auto check = [this](std::string_view name, bool on) {
        if (QAction* action = Action(name)) action->setChecked(on);
    };
    check("PromenneZmenitNazevItem", renaming);
    check("PojmenujToolButton", renaming);
    check("PromenneAutomatickyRegistrovatItem", options.AutoRegister);
    check("PromennePouzivatCisloMistoAnsItem", options.UseNumberInsteadOfAns);
    check("EnterVkladaDataItem", options.EnterInsertsData);
    if (QAction* fourier = Action("AnalyzaFourierovaItem")) fourier->setEnabled(FourierEnabled());
    check("VkladatFnDoVyrazuItem", switches.Mode == FunctionMode::Insert);
    check("VyrazArgumentemFnItem", switches.Mode == FunctionMode::Eval);
    check("wVzdyNavrchuItem", windowFlags() & Qt::WindowStaysOnTopHint);
    check("wMiniOknoItem", compact_);
    const bool listShown = funcForm_ && funcForm_->isVisible();
    check("FunkceZobrazitSeznamItem", listShown);
    check("FunkceToolButton", listShown);

    const DisplayModes& display = switches.Display;
    check("NormDisplayFormat", display.Format == NumberFormat::Norm);
    check("FixDisplayFormat", display.Format == NumberFormat::Fix);
    check("SciDisplayFormat", display.Format == NumberFormat::Sci);
    check("EngDisplayFormat", display.Format == NumberFormat::Eng);
    check("RndDisplayFormat", display.RoundingOn);
    check("DecDisplayFormat", display.Base == nbDec);
    check("HexDisplayFormat", display.Base == nbHex);
    check("BinDisplayFormat", display.Base == nbBin);
    check("OctDisplayFormat", display.Base == nbOct);
    const bool complex = switches.Scope == nsComplex;
    check("SlozkovyTvarKomplexnichCiselItem", display.Complex == ComplexForm::Component);
    check("ExpTvarKomplexnichCiselItem", display.Complex == ComplexForm::Exponential);
    for (std::string_view name :
         {"SlozkovyTvarKomplexnichCiselItem", "ExpTvarKomplexnichCiselItem"})
        Action(name)->setEnabled(complex);
    for (std::string_view name :
         {"FixDisplayFormat", "SciDisplayFormat", "EngDisplayFormat", "RndDisplayFormat"})
        Action(name)->setEnabled(RoundingButtonsEnabled(display));
    // The series of the real domain and the one of the complex domain.
    for (std::string_view name :
         {"RadaIteraciPromenneItem", "RadaIteraciParametruItem", "RadaRozvojemItem"})
        Action(name)->setEnabled(!complex);
    Action("RadaKomplexniItem")->setEnabled(complex);

    // Renaming mode: the main menus and the tool buttons that would act on
    // the registers' variables are off until it ends.
    for (std::string_view name : {"SouborMenu", "PromenneMenu", "FunkceMenu", "MaticeMenu",
                                  "AnalyzaMenu", "GrafMenu", "OknoMenu"})
        menus_.find(name)->second->menuAction()->setEnabled(!renaming);
    for (std::string_view name : {"VypocetToolButton", "OtevritToolButton", "UlozitToolButton",
                                  "RozsahToolButton", "KopirujToolButton", "FunkceToolButton"})
        Action(name)->setEnabled(!renaming);

    widgets_.FunkceSpeedButton->setChecked(listShown);
    widgets_.FunkceSpeedButton->setToolTip(
        listShown ? Text("FnTable", "HideFunctionList", "&Skrýt seznam funkcí").remove('&')
                  : Text("FnTable", "FunkceSpeedButtonHint", "Seznam funkcí"));
    RefreshSeriesActions();
}

}  // namespace tarvix
