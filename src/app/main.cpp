// main() of the desktop calculator.
//   tarvix [FILE] [--box NAME=TEXT]... [--eval TEXT]... [--screenshot FILE.png
//          [--window NAME] [--open-worksheet FILE]] [--dark]
// --box sets the input box of register NAME (X, Y, A … F) before the
// evaluations, ranges and increments included; --eval types TEXT into the
// input line and presses Enter; --screenshot saves
// a picture of the main window, or of the window NAME (see --window help),
// and exits (works on the offscreen platform); --dark uses a dark palette (to
// check the looks in dark desktop themes); --open-worksheet opens FILE in the
// worksheet windows of the pictures. FILE opens by its type (ui/shell/start_file.h);
// --help and --version print their texts without opening a window (app_help.h).
// --lang WORD sets the interface language of this run (the settings keep
// theirs); --language-template FILE writes every built-in text as a language
// file and exits.
// Start-up: the splash window and the title first, then the main window.
// SIGTERM, SIGINT and SIGHUP quit at any moment, start-up included: the
// handlers are in place before anything else, a request ends every event
// loop, the start-up steps that remain are skipped, and the main window is
// closed once (the settings are written when its session was loaded); the
// session manager's save request writes them too.
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QPointer>
#include <QSessionManager>
#include <QSplashScreen>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "app/app_help.h"
#include "ui/language/language_hub.h"
#include "ui/language/language_template.h"
#include "ui/shell/application_identity.h"
#include "ui/shell/dark_palette.h"
#include "ui/main/main_form.h"
#include "ui/shell/picture_windows.h"
#include "ui/shell/quit_controller.h"
#include "ui/shell/quit_signals.h"
#include "ui/shell/splash.h"
#include "ui/shell/start_file.h"

namespace {

// Saves a picture of `window` once the event loop has laid it out, then ends
// the program. A window that closed itself in the meantime ends it with a
// message (the timer is the application's, so it fires in any case).
void TakePictureAndQuit(QWidget* window, const QString& file) {
    QTimer::singleShot(0, qApp, [window = QPointer<QWidget>(window), file] {
        if (!window) {
            std::fprintf(stderr, "tarvix: the window closed before its picture was taken\n");
            QApplication::exit(1);
            return;
        }
        const bool saved = window->grab().save(file, "PNG");
        if (!saved) std::fprintf(stderr, "tarvix: cannot write the screenshot\n");
        QApplication::exit(saved ? 0 : 1);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = tarvix::RunInformationOption(argc, argv)) return *status;
    QApplication app(argc, argv);
    // Quit requests are taken from the start; they act once events are processed.
    tarvix::TQuitController quit;
    tarvix::TQuitSignals quitSignals([&quit](int) { quit.Request(); });
    const QString title = QStringLiteral("Tarvix 2.2");
    tarvix::SetApplicationIdentity();

    QString screenshot;
    QString windowName = QStringLiteral("main");
    QStringList evals;
    std::vector<std::pair<tarvix::BoxId, QString>> boxes;
    bool dark = false;
    bool minimized = false;
    QString language;
    QString languageTemplate;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (args[i] == QLatin1String("--window") && i + 1 < args.size()) {
            windowName = args[++i];
        } else if (args[i] == QLatin1String("--box") && i + 1 < args.size()) {
            const QString box = args[++i];
            const qsizetype eq = box.indexOf(QLatin1Char('='));
            const std::optional<tarvix::BoxId> id =
                eq == 1 && box[0].isLetter()
                    ? tarvix::RegisterFromCommandChar(static_cast<char>(box[0].toLatin1()))
                    : std::nullopt;
            if (!id) {
                std::fprintf(stderr, "tarvix: --box NAME=TEXT with NAME one of X, Y, A-F\n");
                return 2;
            }
            boxes.emplace_back(*id, box.mid(eq + 1));
        } else if (args[i] == QLatin1String("--eval") && i + 1 < args.size()) {
            evals << args[++i];
        } else if (args[i] == QLatin1String("--open-worksheet") && i + 1 < args.size()) {
            tarvix::SetPictureWorksheetFile(args[++i]);
        } else if (args[i] == QLatin1String("--dark")) {
            dark = true;
        } else if (args[i] == QLatin1String("--minimized")) {
            minimized = true;  // the login's autostart entry
        } else if (args[i] == QLatin1String("--lang") && i + 1 < args.size()) {
            language = args[++i];
        } else if (args[i] == QLatin1String("--language-template") && i + 1 < args.size()) {
            languageTemplate = args[++i];
        }
    }
    if (!tarvix::PictureWindowNames().contains(windowName)) {
        std::fprintf(stderr, "tarvix: unknown window; one of: %s\n",
                     tarvix::PictureWindowNames().join(QStringLiteral(", ")).toUtf8().constData());
        return 2;
    }
    if (dark) tarvix::ApplyDarkPalette();

    std::unique_ptr<QSplashScreen> splash;
    const bool quiet = !screenshot.isEmpty() || !languageTemplate.isEmpty();
    if (!quiet) {
        splash = tarvix::ShowSplash(title, QStringLiteral("Vědecká kalkulačka"));
        QApplication::processEvents();
    }

    tarvix::TMainForm form;
    quit.SetStopHook([&form] { form.StopRuns(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.SaveWorkingState(); });
    if (quiet) {
        // No modal dialogs while taking a picture: messages go to standard error.
        form.Dialogs().SetMessageHook([](const tarvix::MessageBoxRequest& request) {
            std::fprintf(stderr, "%s\n", request.Text.c_str());
            return tarvix::ModalResult::Cancel;
        });
    }
    if (!languageTemplate.isEmpty()) {
        std::string error;
        if (tarvix::WriteLanguageTemplate(form, languageTemplate.toStdString(), error)) return 0;
        std::fprintf(stderr, "tarvix: cannot write %s: %s\n", languageTemplate.toUtf8().constData(),
                     error.c_str());
        return 1;
    }
    if (!language.isEmpty()) {
        // This run's language; a language without a file keeps Czech.
        tarvix::TLanguageHub& hub = tarvix::LanguageOf(form);
        hub.SetRunLanguage(language);
        const tarvix::LanguageApplyResult applied = hub.ApplyLanguage(language);
        for (const std::string& problem : applied.Problems)
            std::fprintf(stderr, "tarvix: %s\n", problem.c_str());
    }
    form.show();
    if (screenshot.isEmpty() && !quit.Requested()) {
        // A picture shows a fresh start; a real start restores the last session
        // and opens the file named as the first argument by its type.
        QString firstArgument;
        if (args.size() > 1 && !args[1].startsWith(QLatin1String("--"))) firstArgument = args[1];
        form.LoadSession(firstArgument);
        quit.SetMainWindow(&form);
        if (!quit.Requested()) tarvix::OpenStartWorksheet(form, firstArgument);
        if (minimized) form.StartMinimized();
    }
    if (splash && !quit.Requested()) splash->finish(&form);
    splash.reset();
    for (const auto& [box, text] : boxes) form.RegisterBox(box)->setEditText(text);
    for (const QString& text : evals) {
        if (!quit.Requested()) form.CalculateText(text);
    }
    if (!screenshot.isEmpty()) {
        QWidget* window = tarvix::OpenWindowForPicture(form, windowName);
        if (!window) {
            std::fprintf(stderr, "tarvix: the window did not open\n");
            return 1;
        }
        TakePictureAndQuit(window, screenshot);
    }
    return quit.Exec();
}
