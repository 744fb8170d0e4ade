// The file named as the first command-line argument (`tarvix FILE`, also what
// the desktop's double-click runs) opens by its type: a data file and an
// expression library through the main window's session loading
// (TMainForm::LoadSession takes the argument), a binary worksheet in the
// worksheet window.
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>

namespace tarvix {

class TMainForm;

enum class StartFileKind : std::uint8_t {
    None,       // no existing file, or one of no type of the program's
    DataFile,   // ".fx"
    Library,    // ".exp", an expression library
    Worksheet,  // ".re4", ".re8", ".cp4", ".cp8", a binary worksheet
};

// The type of an existing regular file by its extension (ASCII case ignored).
// A text worksheet has no extension of its own (".txt"), so it is None.
StartFileKind StartFileKindOf(const std::filesystem::path& file);

// After TMainForm::LoadSession(file): a worksheet file opens in the worksheet
// window, shown as "Soustava rovnic" shows it and then reading the file as its
// open command does; other kinds are left alone.
void OpenStartWorksheet(TMainForm& form, const QString& file);

}  // namespace tarvix
