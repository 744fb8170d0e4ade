// The about box.
#include "ui/shell/about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/shell/app_icon.h"
#include "ui/shell/data_paths.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

void ShowAboutBox(QWidget* parent, TextCatalog& texts) {
    auto text = [&texts](const CatalogText& entry) { return ToQ(CatalogString(texts, entry)); };
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AboutBox"));
    dialog.setWindowTitle(text(texts::AboutBoxCaption));

    auto* icon = new QLabel(&dialog);
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(ToQ(texts.Text("Title", "MainForm", "Tarvix 2.2")), &dialog);
    QFont bold = name->font();
    bold.setPointSizeF(bold.pointSizeF() * 1.6);
    bold.setBold(true);
    name->setFont(bold);
    const QString folder = DataFolder();
    auto* info =
        new QLabel(text(texts::AboutBoxDescription) + QStringLiteral("\n\n") +
                       text(texts::AboutBoxQtVersion).arg(QString::fromLatin1(qVersion())) +
                       QStringLiteral("\n") +
                       text(texts::AboutBoxDataFolder)
                           .arg(folder.isEmpty() ? text(texts::AboutBoxNoDataFolder) : folder),
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
    buttons->addButton(text(texts::DialogOk), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.exec();
}

}  // namespace tarvix
