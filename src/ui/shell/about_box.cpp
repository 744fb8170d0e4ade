// The about box.
#include "ui/shell/about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/shell/app_icon.h"
#include "ui/shell/data_paths.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

void ShowAboutBox(QWidget* parent, TextCatalog& texts) {
    auto text = [&texts](const char* key, const char* builtIn) {
        return ToQ(texts.Text("AboutBox", key, builtIn));
    };
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AboutBox"));
    dialog.setWindowTitle(text("Caption", "O programu"));

    auto* icon = new QLabel(&dialog);
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(ToQ(texts.Text("Title", "MainForm", "Tarvix 2.2")), &dialog);
    QFont bold = name->font();
    bold.setPointSizeF(bold.pointSizeF() * 1.6);
    bold.setBold(true);
    name->setFont(bold);
    const QString folder = DataFolder();
    auto* info = new QLabel(
        text("Description", "Vědecká kalkulačka s 80bitovou přesností") + QStringLiteral("\n\n") +
            text("QtVersion", "Qt %1").arg(QString::fromLatin1(qVersion())) + QStringLiteral("\n") +
            text("DataFolder", "Datová složka: %1")
                .arg(folder.isEmpty() ? text("NoDataFolder", "(nenalezena)") : folder),
        &dialog);
    info->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* column = new QVBoxLayout;
    column->addWidget(name);
    column->addWidget(info);
    column->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addLayout(column, 1);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(ToQ(texts.Text("Dlg", "Dlg_OK", "OK")), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.exec();
}

}  // namespace tarvix
