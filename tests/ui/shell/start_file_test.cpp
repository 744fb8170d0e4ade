// The file of the command line by its type: the kinds by extension (case
// ignored, existing regular files only), and a binary worksheet opening in
// the worksheet window with its cells.
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <fstream>

#include "matrix/worksheet.h"
#include "ui/main/main_form.h"
#include "ui/shell/start_file.h"
#include "ui/worksheet/gem_form.h"

namespace tarvix {

class StartFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    std::string Make(const char* name, const std::string& bytes = "x") {
        const std::string path = (folder_.path() + QLatin1Char('/') + QLatin1String(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private slots:
    void KindsByExtension() {
        QVERIFY(folder_.isValid());
        const struct {
            const char* Name;
            StartFileKind Kind;
        } cases[] = {
            {"state.fx", StartFileKind::DataFile},  {"STATE.FX", StartFileKind::DataFile},
            {"formulas.exp", StartFileKind::Library}, {"Formulas.Exp", StartFileKind::Library},
            {"grid.re4", StartFileKind::Worksheet}, {"grid.re8", StartFileKind::Worksheet},
            {"grid.cp4", StartFileKind::Worksheet}, {"grid.CP8", StartFileKind::Worksheet},
            {"system.txt", StartFileKind::None},    {"notes", StartFileKind::None},
        };
        for (const auto& c : cases) QCOMPARE(StartFileKindOf(Make(c.Name)), c.Kind);
        // Only existing regular files count.
        const QString missing = folder_.path() + QStringLiteral("/missing.exp");
        QCOMPARE(StartFileKindOf(missing.toStdString()), StartFileKind::None);
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("folder.fx")));
        QCOMPARE(StartFileKindOf((folder_.path() + QStringLiteral("/folder.fx")).toStdString()),
                 StartFileKind::None);
        QCOMPARE(StartFileKindOf(std::filesystem::path()), StartFileKind::None);
    }

    void WorksheetOpensInItsWindow() {
        // 2a + b = 5, a - b = 1 as doubles: rows of two coefficients and the
        // right-hand side (the equations mode of "Soustava rovnic").
        const double values[] = {2, 1, 5, 1, -1, 1};
        std::string bytes(sizeof values, '\0');
        std::memcpy(bytes.data(), values, sizeof values);
        const std::string file = Make("system.re8", bytes);

        TMainForm form;
        form.Dialogs().SetMessageHook([](const MessageBoxRequest& request) {
            qWarning("unexpected message: %s", request.Text.c_str());
            return ModalResult::Cancel;
        });
        form.show();
        OpenStartWorksheet(form, QString::fromStdString(Make("state.fx")));
        QVERIFY(!form.GemForm());  // a data file is the session's, not the worksheet's

        OpenStartWorksheet(form, QString::fromStdString(file));
        TGemForm* gem = form.GemForm();
        QVERIFY(gem);
        QVERIFY(gem->isVisible());
        const TextGrid& left = gem->Model().LeftGrid();
        QCOMPARE(gem->Model().Order(), 2);
        QCOMPARE(left.Cell(1, 1), std::string("2"));
        QCOMPARE(left.Cell(2, 2), std::string("-1"));
        QCOMPARE(left.Cell(2, 3), std::string("1"));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::StartFileTest)
#include "start_file_test.moc"
