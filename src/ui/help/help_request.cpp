// A help request: a QEvent::HelpRequest sent to the widget.
#include "ui/help/help_request.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tarvix {

void RequestHelp(QWidget* widget) {
    if (!widget) return;
    QEvent request(QEvent::HelpRequest);
    QCoreApplication::sendEvent(widget, &request);
}

}  // namespace tarvix
