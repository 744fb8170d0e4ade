// The about box of the program.
#pragma once

class QWidget;

namespace tarvix {

class TextCatalog;

// Shows the modal about box: name and version, a line about the program, the
// Qt version and the data folder in use.
void ShowAboutBox(QWidget* parent, TextCatalog& texts);

}  // namespace tarvix
