// The icons of the library window's and the search window's tool buttons,
// by the buttons' component names: the style's own icon where it has a
// fitting one, else a character drawn sharp at every scale.
#pragma once

#include <QIcon>
#include <string_view>

class QStyle;

namespace tarvix {

// An empty icon for a name without one.
QIcon LibraryToolIcon(std::string_view name, const QStyle& style);

}  // namespace tarvix
