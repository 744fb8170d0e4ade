// TGemForm's outputs: the number formats of "Ř&ešení", the result file, the
// clipboard, the spreadsheet export and the charts of "&Graf".
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <filesystem>

#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "matrix/spreadsheet_export.h"
#include "matrix/worksheet_commands.h"
#include "matrix/worksheet_output.h"
#include "matrix/worksheet_structure.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/spreadsheet_opener.h"

namespace tarvix {
namespace {

struct FormatRow {
    std::string_view Name;
    std::string_view Caption;
    NumberFormat Format;
};

constexpr FormatRow kFormats[] = {
    {"Format_Common", "&Normální číselný formát", NumberFormat::Norm},
    {"Format_Fixed", "&Pevná desetinná čárka", NumberFormat::Fix},
    {"Format_Scientific", "&Exponenciální notace", NumberFormat::Sci},
    {"Format_Engineering", "&Inženýrská notace", NumberFormat::Eng},
};

struct ChartRow {
    std::string_view Name;
    std::string_view Caption;
    ChartSource Source;
};

constexpr ChartRow kCharts[] = {
    {"Graf_RadkovaData", "Řá&dková data", ChartSource::Row},
    {"Graf_SloupcovaData", "&Sloupcová data", ChartSource::Column},
    {"Graf_DataHlavniDiagonaly", "Data &hlavní diagonály", ChartSource::Diagonal},
    {"Graf_ParametrickyGrafRadku", "&Parametrický graf řádků", ChartSource::ParametricRows},
    {"Graf_ParametrickyGrafSloupcu", "P&arametrické grafy sloupců", ChartSource::ParametricColumns},
};

// The quantity actions in the order of the quantity numbers.
constexpr std::string_view kQuantities[][2] = {
    {"Graf_Modul", "&Modul"},
    {"Graf_Argument", "&Argument"},
    {"Graf_RealnaSlozka", "&Reálná složka"},
    {"Graf_ImaginarniSlozka", "&Imaginární složka"},
    {"Graf_GaussovaKomplexniRovina", "&Gaussova komplexní rovina"},
};

}  // namespace

void TGemForm::BuildOutputMenus() {
    charts_ = std::make_unique<WorksheetCharts>(sheet_);
    auto checkable = [](QAction* a, QActionGroup* group) {
        a->setCheckable(true);
        if (group) group->addAction(a);
        return a;
    };

    QMenu* reseni = MenuNamed("ReseniMenu");
    reseni->addSeparator();
    QMenu* formats = reseni->addMenu(Text("FormatMenu", "&Formát zobrazení čísel"));
    formats->setObjectName(QStringLiteral("FormatMenu"));
    auto* formatGroup = new QActionGroup(this);
    for (const FormatRow& row : kFormats) {
        const NumberFormat format = row.Format;
        formats->addAction(checkable(
            NewAction(row.Name, row.Caption, [this, format] { OutputFormat(format); }), formatGroup));
    }
    formats->addSeparator();
    auto* formGroup = new QActionGroup(this);
    formats->addAction(checkable(NewAction("Format_SlozkovyTvarKomplexnichCisel",
                                           "&Složkový tvar komplex. čísel",
                                           [this] { OutputComplexForm(ComplexForm::Component); }),
                                 formGroup));
    formats->addAction(checkable(NewAction("Format_ExpTvarKomplexnichCisel",
                                           "E&xponenciální tvar komplex. čísel",
                                           [this] { OutputComplexForm(ComplexForm::Exponential); }),
                                 formGroup));
    reseni->addAction(checkable(NewAction("Reseni_Zaokrouhlovat", "&Zaokrouhlovat",
                                          [this] {
                                              services_.Main.ToggleRounding();
                                              RefreshOutputEnabled();
                                          }),
                                nullptr));
    reseni->addSeparator();
    reseni->addAction(NewAction("Reseni_UlozitDoSouboru", "&Uložit  do souboru...",
                                [this] { ReseniUlozitDoSouboru(); }));
    reseni->addAction(NewAction("Reseni_KopirovatDoSchranky", "&Kopírovat do schránky",
                                [this] { ReseniKopirovatDoSchranky(); }));
    reseni->addAction(NewAction("Reseni_ExportDoMsExcel", "&Export do MS Excel",
                                [this] { ReseniExportDoTabulky(); }));
    // The main window's modes may have changed since the last refresh.
    connect(reseni, &QMenu::aboutToShow, this, [this] { RefreshOutputEnabled(); });

    // The expression library window does not exist yet: the command stays disabled.
    QMenu* upravy = MenuNamed("UpravyMenu");
    upravy->addSeparator();
    upravy->addAction(NewAction("Upravy_ExportDoKnihovnyVyrazu", "&Export do knihovny výrazů", nullptr));

    QMenu* graf = MenuNamed("GrafMenu");
    for (const ChartRow& row : kCharts) {
        const ChartSource source = row.Source;
        graf->addAction(NewAction(row.Name, row.Caption, [this, source] { ChartClick(source); }));
    }
    graf->addSeparator();
    auto* quantities = new QActionGroup(this);
    for (int q = 0; q < static_cast<int>(std::size(kQuantities)); ++q) {
        QAction* a = checkable(NewAction(kQuantities[q][0], kQuantities[q][1], [this, q] {
                                   charts_->SetQuantity(q);
                                   RefreshEnabled();
                               }),
                               quantities);
        graf->addAction(a);
    }
    Action("Graf_GaussovaKomplexniRovina")
        ->setToolTip(Text("Graf_GaussovaKomplexniRovinaHint",
                          "Body grafu zobrazené v Gauusově komplexní rovině"));
    graf->addSeparator();
    graf->addAction(NewAction("Graf_3D", "&3D graf", nullptr));
    connect(graf, &QMenu::aboutToShow, this, [this] { RefreshOutputEnabled(); });
}

void TGemForm::RefreshOutputEnabled() {
    if (!charts_) return;
    const bool idle = CommandStates(sheet_).DataCommands;
    auto enable = [this](std::string_view name, bool on) {
        if (QAction* a = Action(name)) a->setEnabled(on);
    };
    auto check = [this](std::string_view name, bool on) {
        if (QAction* a = Action(name)) a->setChecked(on);
    };
    const TextGrid& right = sheet_.RightGrid();
    const bool result =
        right.Rows() >= 1 && right.Cols() >= 1 && !TrimBlanks(right.Cell(1, 1)).empty();
    for (std::string_view name :
         {"Reseni_UlozitDoSouboru", "Reseni_KopirovatDoSchranky", "Reseni_ExportDoMsExcel"})
        enable(name, idle && result);
    const FormatOptions format = sheet_.Format();
    for (const FormatRow& row : kFormats) {
        enable(row.Name, idle);
        check(row.Name, format.Display.Format == row.Format);
    }
    enable("Format_SlozkovyTvarKomplexnichCisel", idle);
    enable("Format_ExpTvarKomplexnichCisel", idle);
    check("Format_SlozkovyTvarKomplexnichCisel", format.Display.Complex == ComplexForm::Component);
    check("Format_ExpTvarKomplexnichCisel", format.Display.Complex == ComplexForm::Exponential);
    check("Reseni_Zaokrouhlovat", format.Display.RoundingOn);
    enable("Upravy_ExportDoKnihovnyVyrazu", false);
    const bool data = idle && GridHasData(sheet_.ActiveGrid());
    for (const ChartRow& row : kCharts) enable(row.Name, data);
    for (int q = 0; q < static_cast<int>(std::size(kQuantities)); ++q)
        check(kQuantities[q][0], sheet_.SearchQuantity() == q);
}

void TGemForm::OutputFormat(NumberFormat format) {
    if (!sheet_.Finished()) return;
    Perform([this, format] { ApplyNumberFormat(sheet_, format); });
}

void TGemForm::OutputComplexForm(ComplexForm form) {
    if (!sheet_.Finished()) return;
    Perform([this, form] { ApplyComplexForm(sheet_, form); });
}

// The result file never becomes the worksheet's file: the dialog offers no
// name, so a confirmed dialog cannot overwrite the worksheet's own file.
void TGemForm::ReseniUlozitDoSouboru() {
    if (!sheet_.Finished()) return;
    FileDialogRequest request =
        FileRequest(CatalogString(services_.Texts, texts::GemFormSaveCaption));
    request.FileName.clear();
    const auto path = services_.Files.ChooseFileToSave(request);
    if (!path) return;
    services_.SetLastFolder(path->parent_path());
    SaveResultFile(sheet_, path->string());
}

void TGemForm::ReseniKopirovatDoSchranky() {
    QApplication::clipboard()->setText(ToQ(ResultClipboardText(sheet_)));
}

// The table goes to a flat OpenDocument spreadsheet in the temporary folder,
// which the desktop opens with its spreadsheet program.
void TGemForm::ReseniExportDoTabulky() {
    if (!sheet_.Finished()) return;
    ExportSpreadsheet(WorksheetTable(sheet_), std::filesystem::path(sheet_.FileName()).stem().string(),
                      {services_.Dialogs, services_.Texts, sheet_.Texts(), services_.Main.CurrentFormat(),
                       openDocument_});
}

void TGemForm::AddChartDataSeries() {
    if (!sheet_.Finished() || !GridHasData(sheet_.ActiveGrid())) return;
    charts_->AddLastAsLine();
}

void TGemForm::ChartClick(ChartSource source) {
    if (!sheet_.Finished() || !GridHasData(sheet_.ActiveGrid())) return;
    charts_->Chart(source, true);
    RefreshEnabled();
}

}  // namespace tarvix
