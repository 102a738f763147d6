#include "shell/frm_tree_view.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "language/ui_language.h"
#include "shell/command_actions.h"

namespace qv {

namespace {

constexpr int kKeyRole = Qt::UserRole;

struct NodeSpec {
    const char* key;
    const char* text;
    const char* command;  // the command a click triggers
};

// The editors under the root, in this order.
const NodeSpec kChildren[] = {
    {"Item2", QT_TRANSLATE_NOOP("TreeView", "General Settings"), "miCommonSet"},
    {"Item9", QT_TRANSLATE_NOOP("TreeView", "Audio Settings"), "miAudio"},
    {"Item10", QT_TRANSLATE_NOOP("TreeView", "Channels"), "miChannel"},
    {"Item11", QT_TRANSLATE_NOOP("TreeView", "Side Button Function Settings"), "miKeySet"},
};

}  // namespace

FrmTreeView::FrmTreeView(const UiTexts& texts, QWidget* parent)
    : QWidget(parent), texts_(texts), tree_(new QTreeWidget(this)) {
    setObjectName("frmTreeView");
    tree_->setObjectName("Tree0");
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);  // Tree0 fills the window
    layout->addWidget(tree_);

    auto* root = new QTreeWidgetItem(tree_, {AppTitle()});
    root->setData(0, kKeyRole, QStringLiteral("Root"));
    for (const NodeSpec& node : kChildren) {
        auto* item = new QTreeWidgetItem(root);
        item->setData(0, kKeyRole, QString(node.key));
    }
    root->setExpanded(true);
    tree_->setCurrentItem(root);
    RefreshFace();

    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString key = item->data(0, kKeyRole).toString();
        if (const QString command = CommandOf(key); commands_ && !command.isEmpty()) {
            commands_->Trigger(command);
        }
        emit NodeClicked(key);
    });
}

QString FrmTreeView::CommandOf(const QString& key) {
    for (const NodeSpec& node : kChildren) {
        if (key == QLatin1String(node.key)) return QString::fromLatin1(node.command);
    }
    return {};
}

void FrmTreeView::RefreshFace() {
    // What a screen reader calls the tree, in the user's language.
    tree_->setAccessibleName(texts_.UiText("TreeView", "Navigation"));
    Node("Root")->setText(0, AppTitle());
    for (const NodeSpec& node : kChildren)
        Node(node.key)->setText(0, texts_.UiText("TreeView", node.text));
}

QTreeWidgetItem* FrmTreeView::Node(const QString& key) const {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if ((*it)->data(0, kKeyRole).toString() == key) return *it;
    }
    return nullptr;
}

}  // namespace qv
