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
        idle && sheet.Mode() == WorksheetMode::Operations && !sheet.TargetMatrix().empty();
    s.Save = idle && sheet.Modified();
    return s;
}

}  // namespace tarvix
