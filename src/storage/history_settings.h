// The history's options (settings section LogFile) and its window's
// placement and font (section LogForm), between Settings and the history.
#pragma once

#include "storage/history_log.h"
#include "storage/settings_store.h"

namespace tarvix {

// The recording mode is the key of the three (Results,
// Expressions_Variables_Results, Expressions_Results) that is on, in this
// order of precedence; none on selects Expressions_Results.
HistoryOptions ReadHistoryOptions(const Settings& settings);
void WriteHistoryOptions(const HistoryOptions& options, Settings& settings);

HistoryWindowState ReadHistoryWindow(const Settings& settings);
void WriteHistoryWindow(const HistoryWindowState& window, Settings& settings);

}  // namespace tarvix
