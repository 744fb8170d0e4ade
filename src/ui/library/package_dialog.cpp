// The check-box tree of library packages.
#include "ui/library/package_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <functional>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "ExprForm";
constexpr int kIdRole = Qt::UserRole;

LibraryNodeId IdOf(const QTreeWidgetItem* item) {
    return item->data(0, kIdRole).toULongLong();
}

}  // namespace

TPackageDialog::TPackageDialog(const LibraryTree& tree, bool import, TextCatalog& texts,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PackageDialog"));
    auto text = [&texts](std::string_view key, std::string_view builtIn) {
        return ToQ(texts.Text(kSection, key, builtIn));
    };
    setWindowTitle((import ? text("ImportKnihovnyItem", "&Import knihovny z balíčku")
                           : text("ExportKnihovnyItem", "&Export knihovny do balíčku"))
                       .remove(QLatin1Char('&')));
    resize(360, 420);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("PackageTree"));
    tree_->setHeaderLabel(text("Category", "Kategorie"));
    tree_->setUniformRowHeights(true);
    std::function<void(const LibraryNode&, QTreeWidgetItem*)> add =
        [this, &add](const LibraryNode& node, QTreeWidgetItem* parent) {
            auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
            item->setText(0, ToQ(node.Name));
            item->setData(0, kIdRole, QVariant::fromValue<qulonglong>(node.Id()));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
            for (const auto& child : node.Children()) add(*child, item);
        };
    for (const auto& node : tree.TopLevel()) add(*node, nullptr);
    connect(tree_, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { ItemChanged(item); });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* finish =
        buttons->addButton(ToQ(CatalogString(texts, import ? texts::ExprFormDokoncitImport
                                                           : texts::ExprFormDokoncitExport)),
                           QDialogButtonBox::AcceptRole);
    finish->setObjectName(QStringLiteral("FinishButton"));
    QPushButton* cancel =
        buttons->addButton(ToQ(CatalogString(texts, import ? texts::ExprFormZrusitImport
                                                           : texts::ExprFormZrusitExport)),
                           QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons);
}

QTreeWidgetItem* TPackageDialog::Item(LibraryNodeId id) const {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (IdOf(*it) == id) return *it;
    }
    return nullptr;
}

std::vector<LibraryNodeId> TPackageDialog::Checked() const {
    std::vector<LibraryNodeId> checked;
    for (QTreeWidgetItemIterator it(tree_, QTreeWidgetItemIterator::Checked); *it; ++it)
        checked.push_back(IdOf(*it));
    return checked;
}

// A category's check mark goes to its whole subtree.
void TPackageDialog::ItemChanged(QTreeWidgetItem* item) {
    if (propagating_) return;
    propagating_ = true;
    const Qt::CheckState state = item->checkState(0);
    std::function<void(QTreeWidgetItem*)> mark = [&mark, state](QTreeWidgetItem* parent) {
        for (int i = 0; i < parent->childCount(); ++i) {
            parent->child(i)->setCheckState(0, state);
            mark(parent->child(i));
        }
    };
    mark(item);
    propagating_ = false;
}

}  // namespace tarvix
