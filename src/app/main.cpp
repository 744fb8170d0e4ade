// main() of the desktop calculator.
//   tarvix [--eval TEXT]... [--screenshot FILE.png]
// --eval types TEXT into the input line and presses Enter; --screenshot saves
// a picture of the main window and exits (works on the offscreen platform).
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "ui/main_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvix 2.2"));

    QString screenshot;
    QStringList evals;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot") && i + 1 < args.size()) screenshot = args[++i];
        else if (args[i] == QLatin1String("--eval") && i + 1 < args.size()) evals << args[++i];
    }

    tarvix::TMainForm form;
    if (!screenshot.isEmpty()) {
        // No modal dialogs while taking a picture: messages go to standard error.
        form.SetErrorReporter([](const QString& message) {
            std::fprintf(stderr, "%s\n", message.toUtf8().constData());
        });
    }
    form.show();
    for (const QString& text : evals) {
        form.ExprComboBox()->setEditText(text);
        emit form.ExprComboBox()->lineEdit()->returnPressed();
    }
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(0, &form, [&] {
            const bool saved = form.grab().save(screenshot, "PNG");
            if (!saved) std::fprintf(stderr, "tarvix: cannot write the screenshot\n");
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
