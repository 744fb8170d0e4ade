// The windows that `tarvix --screenshot FILE --window NAME` can picture: each
// name opens its window from the main window as the user would.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tarvix {

class TMainForm;

// Opens the window called `name` and returns it; nullptr for an unknown name.
QWidget* OpenWindowForPicture(TMainForm& form, const QString& name);
// Every name OpenWindowForPicture knows, in table order.
QStringList PictureWindowNames();
// The worksheet file the worksheet pictures open ("--open-worksheet").
void SetPictureWorksheetFile(const QString& file);

}  // namespace tarvix
