// The worksheet's cell conversions on the active grid: polar and Cartesian
// forms, separation of modulus, argument and parts, rounding to the display
// format, and the symmetric, antisymmetric, Hermitian, skew-Hermitian and
// conjugate matrices.
//
// Every cell read is evaluated by the cell rule (an empty cell is 0), so
// every converted cell ends up holding a number. Results are written in the
// main window's display format when that text reads back as the same value;
// a value the display format would shorten is written with as many digits as
// keep it exactly (worksheet_cell_text.h), so a conversion never loses
// digits behind the user's back. Rounding is the one conversion meant to
// drop digits: it asks before it rewrites cells that lose some.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

class Worksheet;

enum class ConversionKind {
    Polar,          // "Kartézská --> Polární": exponential form
    Cartesian,      // "Polární --> Kartézská": component form
    Modulus,        // "Separovat modul"
    Argument,       // "Separovat argument", in the evaluator's angle unit
    Real,           // "Separovat reálnou složku"
    Imaginary,      // "Separovat imaginární složku"
    Round,          // "Zaokrouhlit": rounding switched, cells rewritten
    Symmetric,      // lower triangle := upper triangle (cell texts)
    Antisymmetric,  // diagonal "0", lower := −upper
    Hermitian,      // diagonal real, lower := conj(upper)
    SkewHermitian,  // diagonal i·Im, lower := −conj(upper)
    Conjugate,      // every cell conjugated
};

// The short English names of the command line: polar, cartesian, modulus,
// argument, real, imaginary, round, symmetric, antisymmetric, hermitian,
// skewhermitian, conjugate (any ASCII case).
std::optional<ConversionKind> ConversionFromName(std::string_view name);
std::string_view ConversionName(ConversionKind kind);

// All but rounding, symmetric and antisymmetric need the complex domain.
bool ConversionNeedsComplex(ConversionKind kind);

// Converts the cells of the active grid. The whole-grid conversions take
// every data cell (the right-hand side included); the triangle conversions
// (symmetric, antisymmetric, both Hermitian) take rows i and columns j ≥ i
// up to the last row and not beyond the last column, so the right-hand-side
// column stays. All values are read before any cell is written: an error
// leaves every cell as it was. False with the message in `error` after an
// error (evaluation, or the real domain for a complex conversion); false
// with an empty `error` when the user declined the rounding's loss of
// digits (the rounding switch is then put back).
bool ApplyConversion(Worksheet& sheet, ConversionKind kind, std::string& error);

// The menu command: ApplyConversion with its error shown through the
// worksheet's dialogs port.
bool ConvertCells(Worksheet& sheet, ConversionKind kind);

}  // namespace tarvix
