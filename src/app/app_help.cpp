// The help and version texts of the desktop program.
#include "app/app_help.h"

#include <QStringList>
#include <cstdio>
#include <string>
#include <string_view>

#include "storage/installation.h"
#include "ui/shell/picture_windows.h"

namespace tarvix {
namespace {

constexpr std::string_view kHelpStart =
    "Usage: tarvix [FILE]\n"
    "  or:  tarvix [OPTION]... --screenshot FILE.png [--window NAME]\n"
    "Tarvix is a scientific calculator with 80-bit real and complex arithmetic.\n"
    "\n"
    "A FILE opens by its type: a data file (.fx) restores the working state it\n"
    "holds, an expression library (.exp) opens in the library window, a binary\n"
    "worksheet (.re4, .re8, .cp4, .cp8) in the matrix worksheet. Without one the\n"
    "last session is restored.\n"
    "\n"
    "Options:\n"
    "  --box NAME=TEXT        put TEXT into the register box NAME (X, Y, A to F)\n"
    "                         before the evaluations; ranges and increments too\n"
    "  --eval TEXT            type TEXT into the input line and press Enter\n"
    "  --screenshot FILE.png  save a picture of a window of a fresh start and exit\n"
    "                         (works on the offscreen platform)\n"
    "  --window NAME          the window of the picture, opened as the user would:";

constexpr std::string_view kHelpEnd =
    "  --open-worksheet FILE  open FILE in the worksheet windows of the pictures\n"
    "  --dark                 use a dark palette\n"
    "  --minimized            start minimised (into the notification-area icon when\n"
    "                         the settings show one), as the login's autostart does\n"
    "  --lang WORD            the interface language of this run (CZECH, ENGLISH or\n"
    "                         another WORD.lng); the settings keep their language,\n"
    "                         and a language without a file keeps Czech\n"
    "  --language-template FILE  write every built-in text as a language file\n"
    "                         (the start of a translation) and exit\n"
    "  -h, --help             print this help and exit\n"
    "  --version              print the version and exit\n"
    "\n"
    "Environment:\n"
    "  QT_QPA_PLATFORM=offscreen  run without a display (for --screenshot)\n"
    "  QT_SCALE_FACTOR=2          pictures at 200 %\n"
    "\n"
    "Examples:\n"
    "  $ tarvix data.fx\n"
    "  $ QT_QPA_PLATFORM=offscreen tarvix --screenshot main.png --eval \"2*sin(30)\"\n"
    "  $ QT_QPA_PLATFORM=offscreen tarvix --screenshot var.png --window var\n";

// The picture names after the description column, wrapped.
void PrintWindowNames() {
    constexpr std::size_t kColumn = 24;
    constexpr std::size_t kWidth = 79;
    std::size_t at = kWidth;  // a new line first
    const QStringList names = PictureWindowNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const std::string word = names[i].toStdString() + (i + 1 < names.size() ? "," : "");
        if (at + 1 + word.size() > kWidth) {
            std::printf("\n%*s", static_cast<int>(kColumn), "");
            at = kColumn;
        }
        std::printf(" %s", word.c_str());
        at += 1 + word.size();
    }
    std::printf(" (default main)\n");
}

}  // namespace

std::optional<int> RunInformationOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fwrite(kHelpStart.data(), 1, kHelpStart.size(), stdout);
            PrintWindowNames();
            std::fwrite(kHelpEnd.data(), 1, kHelpEnd.size(), stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("tarvix (Tarvix) %.*s\n", static_cast<int>(ProgramVersion().size()),
                        ProgramVersion().data());
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace tarvix
