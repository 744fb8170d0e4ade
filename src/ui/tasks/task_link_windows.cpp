// TTaskLink: the statements that act on windows: OPEN/CLOSE of windows,
// KEYBD and PLOT.
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QScreen>

#include "ui/chart/chart_link.h"
#include "ui/chart/gr_form.h"
#include "ui/lists/function_list_form.h"
#include "ui/lists/log_form.h"
#include "ui/lists/var_form.h"
#include "ui/main/main_form.h"
#include "ui/statistics/stat_form.h"
#include "ui/tasks/ed_form.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_window_geometry.h"
#include "ui/tools/const_form.h"
#include "ui/tools/conv_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// A child window of the main window of class W, while it exists.
template <typename W>
W* Child(TMainForm& form) {
    return form.findChild<W*>();
}

// A window that the main window toggles: opened by its command when absent.
template <typename W>
QWidget* Toggled(TMainForm& form, bool create, void (TMainForm::*command)()) {
    W* window = Child<W>(form);
    if (!window && create) {
        (form.*command)();
        window = Child<W>(form);
    }
    return window;
}

}  // namespace

QWidget* TTaskLink::TaskWindowWidget(TaskWindow window, bool create) {
    switch (window) {
        case TaskWindow::MainForm:
            return &form_;
        case TaskWindow::StatForm:
            if (!form_.StatForm() && create) form_.ShowStatForm();
            return form_.StatForm();
        case TaskWindow::GrForm:
            return create ? form_.Charts().EnsureForm() : form_.Charts().Form();
        case TaskWindow::ExprForm:
            return hooks_.LibraryWindow ? hooks_.LibraryWindow(create) : nullptr;
        case TaskWindow::ConvForm:
            if (!form_.ConvForm() && create) form_.FunkcePrevodyItemClick();
            return form_.ConvForm();
        case TaskWindow::FuncForm:
            return Toggled<TFuncForm>(form_, create, &TMainForm::FunkceSpeedButtonClick);
        case TaskWindow::VarForm:
            return Toggled<TVarForm>(form_, create, &TMainForm::PromennePanelClick);
        case TaskWindow::LogForm:
            return Toggled<TLogForm>(form_, create, &TMainForm::HistorieItemClick);
        case TaskWindow::EdForm:
            return create ? EnsureEdForm() : edForm_.data();
        case TaskWindow::ConstForm:
            if (!form_.ConstForm() && create) form_.UzivatelskeKonstantyItemClick();
            return form_.ConstForm();
        case TaskWindow::DispForm:
        case TaskWindow::SplashForm:
            // The expression editor and the splash window are not windows a
            // task reaches here.
            return nullptr;
    }
    return nullptr;
}

void TTaskLink::WindowCommand(const tarvix::WindowCommand& command) {
    QWidget* window = TaskWindowWidget(command.Window, true);
    if (!window) return;
    switch (command.Action) {
        case WindowAction::Hide:
            window->hide();
            return;
        case WindowAction::None:
        case WindowAction::Show:
            window->show();
            return;
        case WindowAction::Maximize:
            window->showMaximized();
            return;
        case WindowAction::Minimize:
            window->showMinimized();
            return;
        case WindowAction::Restore:
            window->showNormal();
            return;
        case WindowAction::TopMost:
        case WindowAction::Normal:
            window->setWindowFlag(Qt::WindowStaysOnTopHint,
                                  command.Action == WindowAction::TopMost);
            window->show();
            return;
        case WindowAction::Active:
            window->show();
            window->raise();
            window->activateWindow();
            return;
        default:
            break;
    }
    // Placements: on the screen the window is on, without its panels.
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    if (window->isMaximized() || window->isMinimized()) window->showNormal();
    const QRect frame = window->frameGeometry();
    const QRect placed = PlacedWindowFrame(command, frame, screen->availableGeometry());
    // The frame's edges are the window system's; the inner size follows.
    const QSize border = frame.size() - window->size();
    window->move(placed.topLeft());
    window->resize((placed.size() - border).expandedTo(QSize(1, 1)));
    window->show();
}

void TTaskLink::CloseWindow(TaskWindow window) {
    if (window == TaskWindow::MainForm || window == TaskWindow::ExprForm) return;
    if (QWidget* widget = TaskWindowWidget(window, false)) widget->close();
}

void TTaskLink::SendKey(const KeyCommand& command) {
    QWidget* target = nullptr;
    if (command.Window) {
        QWidget* window = TaskWindowWidget(*command.Window, true);
        if (!window) return;
        window->show();
        window->raise();
        window->activateWindow();
        target = window->focusWidget() ? window->focusWidget() : window;
    } else {
        target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) target = form_.focusWidget() ? form_.focusWidget() : &form_;
    }
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    const QString name = ToQ(command.Key);
    if (name.size() == 1) {
        // One character: that key, a letter with Shift held.
        const QChar c = name.front();
        key = c.toUpper().unicode();
        if (c.isLetter()) modifiers |= Qt::ShiftModifier;
        text = name;
    } else {
        const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
        if (sequence.isEmpty()) return;
        key = sequence[0].key();
        modifiers = sequence[0].keyboardModifiers();
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QPointer<QWidget> guard(target);
    QCoreApplication::sendEvent(target, &press);
    if (guard) QCoreApplication::sendEvent(guard, &release);
}

void TTaskLink::PlotPoint(int series, long double x, long double y) {
    plotted_.push_back({series, static_cast<double>(x), static_cast<double>(y)});
}

void TTaskLink::FlushPlot() {
    if (plotted_.empty()) return;
    TGrForm* chart = form_.Charts().EnsureForm();
    std::vector<ChartSeries> all = chart->Model().Series();
    bool changed = false;
    for (const PlotPointRecord& point : plotted_) {
        // One more than the chart has adds a line series; a larger number does nothing.
        if (point.Series == static_cast<int>(all.size()) + 1) all.emplace_back();
        if (point.Series < 1 || point.Series > static_cast<int>(all.size())) continue;
        ChartSeries& s = all[static_cast<std::size_t>(point.Series - 1)];
        s.X.push_back(point.X);
        s.Y.push_back(point.Y);
        s.Ordered = true;
        changed = true;
    }
    plotted_.clear();
    if (changed) chart->AddSeriesList(std::move(all), true);
    chart->show();
}

}  // namespace tarvix
