// TGemForm's searches ("&Hledat": extremes, ranges, marks) and cell
// conversions ("&Konverze"). The work is done by the model's functions
// (matrix/worksheet_search.h, matrix/worksheet_convert.h); the window runs
// them with the hourglass cursor, draws the marks and moves the cell cursor.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextCursor>

#include "matrix/worksheet_convert.h"
#include "matrix/worksheet_search.h"
#include "ui/worksheet/gem_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

struct ExtremeRow {
    std::string_view Suffix;
    std::string_view Caption;
    ExtremeKind Kind;
};

constexpr ExtremeRow kExtremes[] = {
    {"Radkove", "Řád&kové", ExtremeKind::RowWise},
    {"Sloupcove", "&Sloupcové", ExtremeKind::ColumnWise},
    {"Diagonalni", "&Diagonální", ExtremeKind::Diagonal},
    {"Celkove", "&Celkové", ExtremeKind::Overall},
};

// The quantity items of either radio group, in the order of SearchQuantity.
struct QuantityRow {
    std::string_view Suffix;
    std::string_view Caption;
};

constexpr QuantityRow kQuantities[] = {
    {"Modul", "&Modul"},
    {"Argument", "&Argument"},
    {"RealnaSlozka", "&Reálná složka"},
    {"ImaginarniSlozka", "&Imaginární složka"},
};

struct ConversionRow {
    std::string_view Name;
    std::string_view Caption;
    ConversionKind Kind;
    bool SeparatorBefore = false;
};

constexpr ConversionRow kConversionRows[] = {
    {"Konverze_Kartezska_Polarni", "&Kartézská --> Polární", ConversionKind::Polar},
    {"Konverze_Polarni_Kartezska", "&Polární --> Kartézská", ConversionKind::Cartesian},
    {"Konverze_SeparovatModul", "Separovat &modul", ConversionKind::Modulus, true},
    {"Konverze_SeparovatArgument", "Separovat &argument", ConversionKind::Argument},
    {"Konverze_SeparovatRealnouSlozku", "Separovat &reálnou složku", ConversionKind::Real},
    {"Konverze_SeparovatImaginarniSlozku", "S&eparovat &imaginární složku",
     ConversionKind::Imaginary},
    {"Konverze_Zaokrouhleni", "&Zaokrouhlit", ConversionKind::Round, true},
    {"Konverze_Symetricka", "&Symetrická matice", ConversionKind::Symmetric, true},
    {"Konverze_Antisymetricka", "&Antisymetrická matice", ConversionKind::Antisymmetric},
    {"Konverze_HermitovskySymetricka", "&Hermitovsky symetrická", ConversionKind::Hermitian},
    {"Konverze_HermitovskyAntisymetricka", "Her&mitovsky antisymetrická",
     ConversionKind::SkewHermitian},
    {"Konverze_KomplexneSdruzenaMatice", "K&omplexně sdružená matice", ConversionKind::Conjugate},
};

std::string Joined(std::string_view a, std::string_view b) {
    std::string name(a);
    name += b;
    return name;
}

}  // namespace

void TGemForm::BuildSearchMenus() {
    QMenu* hledat = MenuNamed("HledatMenu");
    // "&Minimum" and "M&aximum": the four kinds, then the quantity radio
    // group. Both groups show the one SearchQuantity of the worksheet.
    for (const bool maximum : {false, true}) {
        const std::string_view extreme = maximum ? "Maximum" : "Minimum";
        QMenu* sub =
            hledat->addMenu(Text(Joined("Hledat_", extreme), maximum ? "M&aximum" : "&Minimum"));
        sub->setObjectName(ToQ(Joined("Hledat_", extreme)));
        for (const ExtremeRow& row : kExtremes) {
            const ExtremeKind kind = row.Kind;
            sub->addAction(NewAction(
                Joined(Joined("Hledat_", extreme), row.Suffix), row.Caption, [this, kind, maximum] {
                    SearchCommand([this, kind, maximum] {
                        if (const auto found = SearchExtreme(sheet_, kind, maximum))
                            ShowFoundCell(found->Cell.Row, found->Cell.Column);
                    });
                }));
        }
        sub->addSeparator();
        auto* group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        for (int quantity = 0; quantity < 4; ++quantity) {
            const QuantityRow& row = kQuantities[quantity];
            QAction* a = NewAction(Joined(Joined(extreme, "_"), row.Suffix), row.Caption,
                                   [this, quantity] { SetSearchQuantityClick(quantity); });
            a->setCheckable(true);
            group->addAction(a);
            sub->addAction(a);
        }
    }
    hledat->addAction(NewAction("Hledat_RozmeziHodnot", "&Rozmezí hodnot...", [this] {
        if (!sheet_.Finished()) return;
        // The input box first: the hourglass only while the cells are searched.
        const std::optional<std::string> text = AskRangeText(sheet_, lastRangeText_);
        if (!text) return;
        SearchCommand([this, &text] {
            if (SearchRange(sheet_, *text)) RepaintMarks();
        });
    }));
    hledat->addSeparator();
    QAction* highlight = NewAction("Hledat_ZvyraznitHodnoty", "&Zvýraznit hodnoty", [this] {
        if (sheet_.Marks().Exist()) sheet_.Marks().Highlight = !sheet_.Marks().Highlight;
        RepaintMarks();
    });
    highlight->setCheckable(true);
    hledat->addAction(highlight);
    QAction* both = NewAction("Hledat_ZnacitVObouMrizkach", "Z&načit v obou mřížkách", [this] {
        sheet_.Marks().BothGrids = !sheet_.Marks().BothGrids;
        RepaintMarks();
    });
    both->setCheckable(true);
    hledat->addAction(both);
    hledat->addAction(
        NewAction("Hledat_NalezeneVlozitDoEditoru", "Nalezené &vložit do editoru", [this] {
            SearchCommand([this] {
                if (!FoundToEditor(sheet_)) return;
                PullEditorFromModel();
                memo_->moveCursor(QTextCursor::Start);
            });
        }));
    hledat->addSeparator();
    hledat->addAction(NewAction("Hledat_OblastProhledavani", "&Oblast prohledávání...", [this] {
        Ask(sheet_.Texts().Text(mxmsg::AreaHint), MessageButton::Ok);
    }));
    hledat->addAction(NewAction("Hledat_Najdi", "&Najdi...", nullptr));

    QMenu* konverze = MenuNamed("KonverzeMenu");
    for (const ConversionRow& row : kConversionRows) {
        if (row.SeparatorBefore) konverze->addSeparator();
        const ConversionKind kind = row.Kind;
        QAction* a = NewAction(row.Name, row.Caption, [this, kind] {
            SearchCommand([this, kind] {
                ConvertCells(sheet_, kind);
                AfterDataCommand();
            });
        });
        // The rounding item's check mark follows the main window's rounding.
        if (kind == ConversionKind::Round) a->setCheckable(true);
        konverze->addAction(a);
    }
    konverze->addSeparator();
    konverze->addAction(NewAction("Konverze_ordering", "&Uspořádání...", nullptr));

    // The enabled states follow the active grid, which the focus chooses.
    for (QMenu* menu : {hledat, konverze})
        connect(menu, &QMenu::aboutToShow, this, [this] { RefreshSearchEnabled(); });
}

void TGemForm::RefreshSearchEnabled() {
    auto set = [this](std::string_view name, bool enabled, std::optional<bool> checked = {}) {
        QAction* a = Action(name);
        if (!a) return;
        a->setEnabled(enabled);
        if (checked) a->setChecked(*checked);
    };
    const bool idle = sheet_.Finished();
    const bool data = idle && ActiveGridHasData(sheet_);
    const bool complex = sheet_.Format().Scope == nsComplex;
    const FoundMarks& marks = sheet_.Marks();

    for (const std::string_view extreme : {"Minimum", "Maximum"}) {
        for (const ExtremeRow& row : kExtremes)
            set(Joined(Joined("Hledat_", extreme), row.Suffix), data);
        for (int quantity = 0; quantity < 4; ++quantity)
            set(Joined(Joined(extreme, "_"), kQuantities[quantity].Suffix), complex,
                sheet_.SearchQuantity() == quantity);
    }
    set("Hledat_RozmeziHodnot", data);
    set("Hledat_ZvyraznitHodnoty", marks.Exist(), marks.Exist() && marks.Highlight);
    set("Hledat_ZnacitVObouMrizkach", BothGridsMarkable(sheet_), marks.BothGrids);
    set("Hledat_NalezeneVlozitDoEditoru", idle && marks.Exist() && marks.FoundAny);
    for (const ConversionRow& row : kConversionRows)
        set(row.Name, data && (complex || !ConversionNeedsComplex(row.Kind)));
    set("Konverze_Zaokrouhleni", data, sheet_.Format().Display.RoundingOn);
}

void TGemForm::SearchCommand(const std::function<void()>& command) {
    if (!sheet_.Finished()) return;
    PushEditorToModel();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    command();
    QApplication::restoreOverrideCursor();
    RefreshEnabled();
}

void TGemForm::RepaintMarks() {
    // The delegate reads the marks when it paints: no reload, so the grids
    // keep their selections.
    leftView_->viewport()->update();
    rightView_->viewport()->update();
    RefreshEnabled();
}

void TGemForm::ShowFoundCell(int row, int column) {
    // The result went to the main window's display; the worksheet keeps the
    // focus on the found cell.
    activateWindow();
    const bool right = sheet_.ActiveIsRight();
    FocusCell(right, row, column);
    QTableView* view = right ? rightView_ : leftView_;
    view->scrollTo(view->model()->index(row - 1, column - 1));
}

void TGemForm::SetSearchQuantityClick(int quantity) {
    sheet_.SetSearchQuantity(quantity);
    sheet_.Main().SetComplexQuantity(quantity);
    RefreshSearchEnabled();
}

}  // namespace tarvix
