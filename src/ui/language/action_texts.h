// The texts the windows ask the catalog for only inside an action or a
// dialog that opening a window does not show (a question before closing, a
// file dialog's caption, a status text, a small dialog of a command). The
// language file template walks this table besides the windows it opens, so
// that a translator gets every text whichever actions ran.
#pragma once

#include "storage/storage_texts.h"

namespace tarvix::texts {

// ui/worksheet/gem_form_files.cpp
inline constexpr CatalogText GemFormBinaryNotSquare{
    "GemForm", "Msg_BinaryNotSquare",
    "Binární soubor může obsahovat jen čtvercovou matici, %\\ mřížka má rozměr %s"};
inline constexpr CatalogText GemFormFiles{"GemForm", "Msg_Files", "Soubory"};
inline constexpr CatalogText GemFormOpenCaption{"GemForm", "OpenCaption", "Otevřít"};
inline constexpr CatalogText GemFormSaveCaption{"GemForm", "SaveCaption", "Uložit jako"};

// ui/worksheet/gem_form_menus.cpp
inline constexpr CatalogText GemFormFastMode{"GemForm", "Msg_FastMode", "Režim Fast"};
inline constexpr CatalogText GemFormNormalMode{"GemForm", "Msg_NormalMode", "Režim Normal"};

// ui/library/expr_form_commands.cpp
inline constexpr CatalogText ExprFormOpenDialog{"ExprForm", "OpenDialog",
                                                "Otevřít knihovnu výrazů"};
inline constexpr CatalogText ExprFormSaveDialog{"ExprForm", "SaveDialog", "Uložit knihovnu výrazů"};

// ui/chart/gr_form_commands.cpp
inline constexpr CatalogText GrFormPictureFilter{
    "GrForm", "PictureFilter",
    "Obrázek PNG (*.png)|*.png|Obrázek SVG (*.svg)|*.svg|Dokument PDF (*.pdf)|*.pdf|Windows bitmap "
    "(*.bmp)|*.bmp"};

// ui/worksheet/gem_form_run.cpp
inline constexpr CatalogText GemFormTimeCaption{"GemForm", "TimeCaption", "Doba výpočtu"};

// ui/shell/about_box.cpp
inline constexpr CatalogText AboutBoxCaption{"AboutBox", "Caption", "O programu"};
inline constexpr CatalogText AboutBoxDataFolder{"AboutBox", "DataFolder", "Datová složka: %1"};
inline constexpr CatalogText AboutBoxDescription{"AboutBox", "Description",
                                                 "Vědecká kalkulačka s 80bitovou přesností"};
inline constexpr CatalogText AboutBoxNoDataFolder{"AboutBox", "NoDataFolder", "(nenalezena)"};
inline constexpr CatalogText AboutBoxQtVersion{"AboutBox", "QtVersion", "Qt %1"};
inline constexpr CatalogText DialogOk{"Dlg", "Dlg_OK", "OK"};

// ui/main/main_form_registers.cpp
inline constexpr CatalogText ButtonsVypocetButtonRename{"Buttons", "VypocetButtonRename",
                                                        "R&egistrovat"};

// ui/main/main_form_tools.cpp
inline constexpr CatalogText ConstPopupMenuDefaultHint{"ConstPopupMenu", "DefaultHint",
                                                       "Vložit konstantu..."};

// ui/library/package_dialog.cpp
inline constexpr CatalogText ExprFormDokoncitExport{"ExprForm", "DokoncitExport",
                                                    "&Dokončit export"};
inline constexpr CatalogText ExprFormDokoncitImport{"ExprForm", "DokoncitImport",
                                                    "&Dokončit import"};
inline constexpr CatalogText ExprFormZrusitExport{"ExprForm", "ZrusitExport", "&Zrušit export"};
inline constexpr CatalogText ExprFormZrusitImport{"ExprForm", "ZrusitImport", "&Zrušit import"};

// ui/worksheet/gem_form.cpp
inline constexpr CatalogText GemFormColumnPanel{"GemForm", "ColumnPanel", "Sloupec  %s"};
inline constexpr CatalogText GemFormSaveQuestion{"GemForm", "Msg_SaveQuestion",
                                                 "Přejete si uložit data do souboru?"};
inline constexpr CatalogText GemFormStopQuestion{"GemForm", "Msg_StopQuestion",
                                                 "Má se přerušit výpočet?"};
inline constexpr CatalogText GemFormRowPanel{"GemForm", "RowPanel", "Řádek  %s"};
inline constexpr CatalogText GemFormValuePanel{"GemForm", "ValuePanel", "Hodnota  %s"};

// ui/worksheet/gem_v_form.cpp
inline constexpr CatalogText GemVFormTextFiles{"GemVForm", "Msg_TextFiles", "Textové soubory"};
inline constexpr CatalogText GemVFormOpenCaption{"GemVForm", "OpenCaption", "Otevřít"};
inline constexpr CatalogText GemVFormSaveCaption{"GemVForm", "SaveCaption", "Uložit jako"};

// ui/chart/chart_texts_dialog.cpp
inline constexpr CatalogText GrTextDlgCancel{"GrTextDlg", "Cancel", "&Storno"};
inline constexpr CatalogText GrTextDlgCaption{"GrTextDlg", "Caption", "Texty popisků grafu"};
inline constexpr CatalogText GrTextDlgConstant{"GrTextDlg", "Constant", "&Konstanta:"};
inline constexpr CatalogText GrTextDlgHeader{"GrTextDlg", "Header", "&Záhlaví:"};
inline constexpr CatalogText GrTextDlgOk{"GrTextDlg", "Ok", "&OK"};
inline constexpr CatalogText GrTextDlgSeries{"GrTextDlg", "Series", "&Index datové řady"};
inline constexpr CatalogText GrTextDlgShift{"GrTextDlg", "Shift", "&Posun:"};
inline constexpr CatalogText GrTextDlgTransform{"GrTextDlg", "Transform",
                                                "&Transformace souřadnic bodů grafu"};
inline constexpr CatalogText GrTextDlgXAxis{"GrTextDlg", "XAxis", "&Osa x:"};
inline constexpr CatalogText GrTextDlgYAxis{"GrTextDlg", "YAxis", "O&sa y:"};

// ui/chart/chart_examples_dialog.cpp
inline constexpr CatalogText GrafFormCancel{"GrafForm", "Cancel", "&Zrušit"};
inline constexpr CatalogText GrafFormCaptionCartesian{"GrafForm", "CaptionCartesian",
                                                      "Křivky v kartézské souřadné soustavě"};
inline constexpr CatalogText GrafFormCaptionExpansion{"GrafForm", "CaptionExpansion",
                                                      "Křivky dané rozvojem nekonečné řady"};
inline constexpr CatalogText GrafFormCaptionParametric{"GrafForm", "CaptionParametric",
                                                       "Křivky dané parametrickými rovnicemi"};
inline constexpr CatalogText GrafFormCartesianLabel{"GrafForm", "CartesianLabel",
                                                    "Rovnice v ortonormální souřadné soustavě:"};
inline constexpr CatalogText GrafFormOk{"GrafForm", "Ok", "&OK"};
inline constexpr CatalogText GrafFormParametricLabel{"GrafForm", "ParametricLabel",
                                                     "Parametrické rovnice křivky:"};
inline constexpr CatalogText GrafFormXAxis{"GrafForm", "XAxis", "Osa x:"};
inline constexpr CatalogText GrafFormYAxis{"GrafForm", "YAxis", "Osa y:"};

// ui/main/main_form_series.cpp
inline constexpr CatalogText MainFormStopCaption{"MainForm", "StopCaption", "Stop"};
inline constexpr CatalogText MainFormStopButton{"MainForm", "StopButton", "&Stop"};
inline constexpr CatalogText VariablePopupMenuExportVector{"VariablePopupMenu", "ExportVector",
                                                           "&Export vektoru"};
inline constexpr CatalogText VariablePopupMenuImportVector{"VariablePopupMenu", "ImportVector",
                                                           "&Import vektoru"};
inline constexpr CatalogText VariablePopupMenuClearVector{"VariablePopupMenu", "ClearVector",
                                                          "&Smazat vektor"};

// ui/main/main_form_registers.cpp (the variable's pop-up menu; its vector
// transfers are the items of ui/lists/vector_transfers.h)
inline constexpr CatalogText VariablePopupMenuRegister{"VariablePopupMenu", "Register",
                                                       "&Registrovat"};
inline constexpr CatalogText VariablePopupMenuRename{"VariablePopupMenu", "Rename",
                                                     "&Změnit název"};
inline constexpr CatalogText VariablePopupMenuDescription{"VariablePopupMenu", "Description",
                                                          "&Popisek"};
inline constexpr CatalogText VariablePopupMenuZero{"VariablePopupMenu", "Zero", "&Vynulovat"};
inline constexpr CatalogText VariablePopupMenuDataSeries{"VariablePopupMenu", "DataSeries",
                                                         "&Datová řada"};
inline constexpr CatalogText VariablePopupMenuFourier{"VariablePopupMenu", "Fourier",
                                                      "&Fourierova analýza"};

// ui/main/main_form.cpp
inline constexpr CatalogText InPreparation{"Msg", "Msg_InPreparation", "Připravuje se.."};

// ui/worksheet/spreadsheet_opener.cpp
inline constexpr CatalogText SpreadsheetNotOpened{
    "Msg", "Msg_SpreadsheetNotOpened",
    "Soubor tabulky %s byl uložen, ale nepodařilo se jej otevřít žádným programem."};

// ui/settings/pref_form.cpp
inline constexpr CatalogText PrefFormScalarsWarning{
    "PrefForm", "ScalarsWarning", "Zvolíte-li skaláry, budou současné vektory ztraceny"};

// ui/statistics/stat_s_form.cpp
inline constexpr CatalogText StatSFormCancel{"StatSForm", "Cancel", "&Storno"};
inline constexpr CatalogText StatSFormComment{"StatSForm", "Comment", "&Komentář:"};
inline constexpr CatalogText StatSFormItems{"StatSForm", "Items", "&Položky:"};
inline constexpr CatalogText StatSFormOk{"StatSForm", "Ok", "&OK"};

// ui/statistics/stat_form.cpp
inline constexpr CatalogText StatSFormCaption{"StatSForm", "Caption",
                                              "Výběr položek pro uložení do souboru"};

// The section of the variable's pop-up menu (its vector transfers too).
inline constexpr std::string_view kVariablePopupSection = "VariablePopupMenu";

// Every text above.
inline constexpr const CatalogText* kActionTexts[] = {
    &GemFormBinaryNotSquare,
    &GemFormFiles,
    &GemFormOpenCaption,
    &GemFormSaveCaption,
    &GemFormFastMode,
    &GemFormNormalMode,
    &ExprFormOpenDialog,
    &ExprFormSaveDialog,
    &GrFormPictureFilter,
    &GemFormTimeCaption,
    &AboutBoxCaption,
    &AboutBoxDataFolder,
    &AboutBoxDescription,
    &AboutBoxNoDataFolder,
    &AboutBoxQtVersion,
    &DialogOk,
    &ButtonsVypocetButtonRename,
    &ConstPopupMenuDefaultHint,
    &ExprFormDokoncitExport,
    &ExprFormDokoncitImport,
    &ExprFormZrusitExport,
    &ExprFormZrusitImport,
    &GemFormColumnPanel,
    &GemFormSaveQuestion,
    &GemFormStopQuestion,
    &GemFormRowPanel,
    &GemFormValuePanel,
    &GemVFormTextFiles,
    &GemVFormOpenCaption,
    &GemVFormSaveCaption,
    &GrTextDlgCancel,
    &GrTextDlgCaption,
    &GrTextDlgConstant,
    &GrTextDlgHeader,
    &GrTextDlgOk,
    &GrTextDlgSeries,
    &GrTextDlgShift,
    &GrTextDlgTransform,
    &GrTextDlgXAxis,
    &GrTextDlgYAxis,
    &GrafFormCancel,
    &GrafFormCaptionCartesian,
    &GrafFormCaptionExpansion,
    &GrafFormCaptionParametric,
    &GrafFormCartesianLabel,
    &GrafFormOk,
    &GrafFormParametricLabel,
    &GrafFormXAxis,
    &GrafFormYAxis,
    &MainFormStopCaption,
    &MainFormStopButton,
    &VariablePopupMenuExportVector,
    &VariablePopupMenuImportVector,
    &VariablePopupMenuClearVector,
    &VariablePopupMenuRegister,
    &VariablePopupMenuRename,
    &VariablePopupMenuDescription,
    &VariablePopupMenuZero,
    &VariablePopupMenuDataSeries,
    &VariablePopupMenuFourier,
    &InPreparation,
    &SpreadsheetNotOpened,
    &PrefFormScalarsWarning,
    &StatSFormCancel,
    &StatSFormComment,
    &StatSFormItems,
    &StatSFormOk,
    &StatSFormCaption,
};

}  // namespace tarvix::texts
