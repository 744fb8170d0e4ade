// main() of the desktop calculator.
//   tarvix [--eval TEXT]... [--screenshot FILE.png [--window NAME]] [--dark]
// --eval types TEXT into the input line and presses Enter; --screenshot saves
// a picture of the main window and exits (works on the offscreen platform);
// --window pictures a tool window instead: conv, date, const, constmenu,
// holidays, or vat (the main window in VAT mode);
// --dark uses a dark palette (to check the looks in dark desktop themes).
// Start-up: the splash window and the title first, then the main window.
#include <QApplication>
#include <QPixmap>
#include <QSplashScreen>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "ui/dark_palette.h"
#include "ui/main_form.h"
#include "ui/splash.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Tarvix 2.2");
    QApplication::setApplicationName(QStringLiteral("tarvix"));
    QApplication::setApplicationDisplayName(title);
    QApplication::setDesktopFileName(QStringLiteral("tarvix"));

    QString screenshot;
    QString window;
    QStringList evals;
    bool dark = false;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (args[i] == QLatin1String("--window") && i + 1 < args.size()) {
            window = args[++i];
        } else if (args[i] == QLatin1String("--eval") && i + 1 < args.size()) {
            evals << args[++i];
        } else if (args[i] == QLatin1String("--dark")) {
            dark = true;
        }
    }
    if (dark) tarvix::ApplyDarkPalette();

    std::unique_ptr<QSplashScreen> splash;
    if (screenshot.isEmpty()) {
        splash = tarvix::ShowSplash(title, QStringLiteral("Vědecká kalkulačka"));
        QApplication::processEvents();
    }

    tarvix::TMainForm form;
    if (!screenshot.isEmpty()) {
        // No modal dialogs while taking a picture: messages go to standard error.
        form.Dialogs().SetMessageHook([](const tarvix::MessageBoxRequest& request) {
            std::fprintf(stderr, "%s\n", request.Text.c_str());
            return tarvix::ModalResult::Cancel;
        });
    }
    form.show();
    if (screenshot.isEmpty()) {
        // A picture shows a fresh start; a real start restores the last session
        // and opens an ".fx" file named as the first argument.
        QString firstArgument;
        if (args.size() > 1 && !args[1].startsWith(QLatin1String("--"))) firstArgument = args[1];
        form.LoadSession(firstArgument);
    }
    if (splash) splash->finish(&form);
    for (const QString& text : evals) form.CalculateText(text);
    if (!screenshot.isEmpty()) {
        QWidget* pictured = &form;
        if (!window.isEmpty()) pictured = form.OpenToolWindowForPicture(window);
        if (!pictured) {
            std::fprintf(stderr, "tarvix: no window named %s\n", window.toUtf8().constData());
            return 2;
        }
        QTimer::singleShot(0, &form, [&] {
            const bool saved = pictured->grab().save(screenshot, "PNG");
            if (!saved) std::fprintf(stderr, "tarvix: cannot write the screenshot\n");
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
