// The help page of each window of the program, for F1 and the windows'
// "Nápověda" buttons. Windows are known by their class; a window whose page
// depends on its mode (statistics or regression, the list of chart examples)
// is asked for it.
#pragma once

#include <span>
#include <string_view>

#include "ui/help/help_topics.h"

class QWidget;

namespace tarvix {

struct HelpWindowRow {
    std::string_view WindowClass;  // the class name without its namespace
    HelpTopic Topic;
    // The topic for the window's current mode; nullptr: always Topic.
    HelpTopic (*ModeTopic)(QWidget* window) = nullptr;
};

// Every window and dialog of the program that has a page.
std::span<const HelpWindowRow> HelpWindowTable();

// The page of `window` (a top-level window); a window without a page of its
// own (a file dialog, a pop-up menu) gets the page of the window it belongs
// to, and the contents when there is none.
HelpTopic TopicOfWindow(QWidget* window);

}  // namespace tarvix
