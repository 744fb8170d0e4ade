// The vector transfers offered for a variable: the items of the submenus
// "&Import vektoru" and "&Export vektoru" (shared by the register labels'
// popup and the variable list window), and VarFormVectorPort, through which
// the variable list window reaches the main window's vectors.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "series/data_pump.h"

namespace tarvix {

// One transfer item: its component name, its caption (text key and built-in
// text) and the DataPump endpoint codes it moves between.
struct VectorTransferItem {
    std::string_view Name;
    std::string_view Key;
    std::string_view Caption;
    int Source;
    int Destination;

    // The transfer fills the variable's vector.
    constexpr bool IsImport() const { return Destination == kVector; }
    static constexpr int kVector = static_cast<int>(DataEndpoint::Vector);
};

inline constexpr std::array<VectorTransferItem, 6> kVectorImportItems{{
    {"ImportSouborTxtItem", "ImportTxt", "&Soubor TXT", 0, 4},
    {"ImportSouborWafItem", "ImportWaf", "S&oubor WAF", 1, 4},
    {"ImportStatistikaXItem", "ImportStatX", "S&tatistika - data X", 2, 4},
    {"ImportStatistikaYItem", "ImportStatY", "St&atistika - data Y", 3, 4},
    {"ImportGrafItem", "ImportChart", "&Detailní graf", 6, 4},
    {"ImportSchrankaItem", "ImportClipboard", "S&chránka Windows", 5, 4},
}};

inline constexpr std::array<VectorTransferItem, 4> kVectorExportItems{{
    {"ExportSouborItem", "ExportFile", "&Soubor", 4, 0},
    {"ExportStatistikaItem", "ExportStat", "St&atistika", 4, 2},
    {"ExportGrafItem", "ExportChart", "&Detailní graf", 4, 6},
    {"ExportSchrankaItem", "ExportClipboard", "S&chránka Windows", 4, 5},
}};

// What the variable list window needs of the vectors.
class VarFormVectorPort {
public:
    virtual ~VarFormVectorPort() = default;
    // Vectors are kept for variables (the import submenu is on).
    virtual bool VectorsOn() const = 0;
    // The variable holds a non-empty vector.
    virtual bool HoldsVector(std::string_view name) const = 0;
    // Whether the import item can run now (its source is there).
    virtual bool ImportEnabled(const VectorTransferItem& item) const = 0;
    // Runs the transfer between the item's endpoint and the variable's vector
    // (a file item first asks for the file).
    virtual void RunVectorTransfer(const VectorTransferItem& item, const std::string& name) = 0;
    // The Fourier analysis of the vector's real parts.
    virtual void AnalyzeVector(const std::string& name) = 0;
};

}  // namespace tarvix
