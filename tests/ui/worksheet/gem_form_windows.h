// The main window with its matrix worksheet, for the worksheet's window
// tests: message boxes recorded and answered by `answer` (a fixed reply
// unless a test sets its own), the worksheet opened from the "Matice" menu,
// the grids' cells read and typed.
#pragma once

#include <QAbstractItemModel>
#include <QPointer>
#include <QTableView>
#include <QtTest>
#include <functional>
#include <vector>

#include "ui/worksheet/gem_form.h"
#include "ui/main/main_form.h"

namespace tarvix::test {

struct GemWindows {
    TMainForm main;
    QPointer<TGemForm> gem;
    std::vector<MessageBoxRequest> messages;
    std::function<ModalResult(const MessageBoxRequest&)> answer;

    explicit GemWindows(ModalResult reply)
        : answer([reply](const MessageBoxRequest&) { return reply; }) {
        main.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return answer(request);
        });
        main.show();
    }

    // The worksheet in the equations or the operations mode, active.
    void Open(bool equations) {
        if (equations)
            main.SoustavaRovnicItemClick();
        else
            main.OperaceSMaticemiItemClick();
        gem = main.GemForm();
        QVERIFY(gem);
        QVERIFY(gem->isVisible());
        gem->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(gem));
    }

    QAbstractItemModel* Left() const { return gem->LStringGrid()->model(); }
    QAbstractItemModel* Right() const { return gem->RStringGrid()->model(); }
    QString LeftCell(int row, int col) const { return Left()->index(row - 1, col - 1).data().toString(); }
    QString RightCell(int row, int col) const { return Right()->index(row - 1, col - 1).data().toString(); }
    void SetLeft(int row, int col, const QString& text) {
        QVERIFY(Left()->setData(Left()->index(row - 1, col - 1), text, Qt::EditRole));
    }
};

}  // namespace tarvix::test
