// What is dragged inside the main window (the display's text, a register
// label's variable name, the statistics grid) and the drag cursors: exchange for swapping two
// register boxes, copy for inserting a text, the pressed hand for dropping a
// label onto itself.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "calculator/registers.h"

class QDrag;
class QMimeData;
class QWidget;

namespace tarvix {

// StatGrid: the statistics window's grid, dropped on a register label.
enum class DragSource : std::uint8_t { Display, RegisterLabel, StatGrid };

struct DragPayload {
    DragSource Source = DragSource::Display;
    BoxId Box = BoxId::Input;  // the label's register
    QString Text;              // the display text as shown, or the label's caption
};

// The drag actions and the cursors that show them.
inline constexpr Qt::DropAction kExchangeAction = Qt::MoveAction;
inline constexpr Qt::DropAction kCopyAction = Qt::CopyAction;
inline constexpr Qt::DropAction kSameLabelAction = Qt::LinkAction;

QMimeData* MakeDragMime(const DragPayload& payload);
// Only the main window's own drags are read; anything else gives nothing.
std::optional<DragPayload> ReadDragMime(const QMimeData* mime);

// Runs a drag from `source` with the program's cursors; returns the action
// the target took.
Qt::DropAction RunDrag(QWidget* source, const DragPayload& payload);

}  // namespace tarvix
