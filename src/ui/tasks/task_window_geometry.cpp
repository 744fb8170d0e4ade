// Placements of OPEN(window, …).
#include "ui/tasks/task_window_geometry.h"

#include <algorithm>

namespace tarvix {
namespace {

long Coordinate(const WindowCoordinate& c, long current) {
    if (!c.Given) return current;
    return c.Relative ? current + c.Value : c.Value;
}

}  // namespace

QRect PlacedWindowFrame(const WindowCommand& command, const QRect& frame, const QRect& screen) {
    QRect placed = frame;
    switch (command.Action) {
        case WindowAction::TopLeft:
            placed.moveTopLeft(screen.topLeft());
            break;
        case WindowAction::TopRight:
            placed.moveTopRight(screen.topRight());
            break;
        case WindowAction::BottomLeft:
            placed.moveBottomLeft(screen.bottomLeft());
            break;
        case WindowAction::BottomRight:
            placed.moveBottomRight(screen.bottomRight());
            break;
        case WindowAction::Center:
            placed.moveCenter(screen.center());
            break;
        case WindowAction::Place: {
            // Width and height within the screen's size; left up to the
            // screen's width minus 50, top up to its height minus 20, so a
            // part of the window always stays on the screen.
            const long width = std::clamp(Coordinate(command.Width, frame.width()), 1L,
                                          static_cast<long>(std::max(1, screen.width())));
            const long height = std::clamp(Coordinate(command.Height, frame.height()), 1L,
                                           static_cast<long>(std::max(1, screen.height())));
            const long left =
                std::clamp(Coordinate(command.Left, frame.x() - screen.x()), 0L,
                           static_cast<long>(std::max(0, screen.width() - 50)));
            const long top =
                std::clamp(Coordinate(command.Top, frame.y() - screen.y()), 0L,
                           static_cast<long>(std::max(0, screen.height() - 20)));
            placed = QRect(screen.x() + static_cast<int>(left), screen.y() + static_cast<int>(top),
                           static_cast<int>(width), static_cast<int>(height));
            break;
        }
        default:
            break;
    }
    return placed;
}

}  // namespace tarvix
