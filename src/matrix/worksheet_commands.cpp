// The enabled states of the worksheet window's commands.
#include "matrix/worksheet_commands.h"

#include "matrix/worksheet.h"

namespace tarvix {

WorksheetCommandStates CommandStates(const Worksheet& sheet) {
    WorksheetCommandStates s;
    const bool idle = sheet.Finished();
    s.DataCommands = idle;
    s.Run = idle && sheet.RunEnabled();
    s.Stop = !idle;
    s.ResultCheck = idle && sheet.HasSolution();
    s.TriangleView = idle && sheet.HasSolution() && sheet.Mode() == WorksheetMode::Equations;
    s.MoveResultLeft =
        idle && sheet.Mode() == WorksheetMode::Operations && !sheet.TargetMatrix().Empty();
    s.Save = idle && sheet.Modified();
    return s;
}

}  // namespace tarvix

namespace tarvix {

void ClearWorksheet(Worksheet& sheet, const std::string& programFolder) {
    if (!sheet.Finished()) return;
    if (sheet.TriangleViewShown()) sheet.SetTriangleView(false);
    if (sheet.ResultCheckShown()) sheet.SetResultCheck(false);
    sheet.LeftGrid().ClearCells();
    sheet.RightGrid().ClearCells();
    sheet.Editor().clear();
    sheet.SetProgramFolder(programFolder);
    sheet.SetModified(false);
}

bool FitsFileForm(const Worksheet& sheet, std::string_view path) {
    if (FileFormatOf(path) == WorksheetFileFormat::Text) return true;
    const TextGrid& left = sheet.LeftGrid();
    const int n = left.Rows();
    return left.Cols() == (sheet.Mode() == WorksheetMode::Equations ? n + 1 : n);
}

void RestoreWatchedCells(Worksheet& sheet, const TextGrid& before, bool resultDelivered) {
    TextGrid& left = sheet.LeftGrid();
    const bool intoLeft = sheet.Options().Destination == ResultDestination::LeftGrid;
    if ((resultDelivered && intoLeft) || left.Rows() != before.Rows()) return;
    for (int i = 1; i <= left.Rows(); ++i)
        for (int j = 1; j <= left.Cols() && j <= before.Cols(); ++j)
            left.SetCell(i, j, before.Cell(i, j));
}

}  // namespace tarvix
