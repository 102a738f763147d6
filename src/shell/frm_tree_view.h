// FrmTreeView: the navigation tree in the band "BandTree". Five nodes under the product name; a
// click on an editor's node triggers the command that opens that editor ("Item2" is
// "miCommonSet"), the same action the menu shows.
#pragma once

#include <QWidget>

#include "language/ui_language.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace qv {

class CommandActions;

class FrmTreeView : public QWidget {
    Q_OBJECT
public:
    explicit FrmTreeView(const UiTexts& texts, QWidget* parent = nullptr);

    // The commands a click on a node triggers.
    void SetCommands(const CommandActions* commands) { commands_ = commands; }
    // The command of a node's key, "" for the root and any other key.
    static QString CommandOf(const QString& key);
    // The node texts in the current language; keys, selection and expansion stay.
    void RefreshFace();
    QTreeWidgetItem* Node(const QString& key) const;
    QTreeWidget* Tree0() const { return tree_; }

signals:
    // Emitted with the clicked node's key ("Root", "Item2", "Item9", "Item10", "Item11").
    void NodeClicked(const QString& key);

private:
    const UiTexts& texts_;
    QTreeWidget* tree_;
    const CommandActions* commands_ = nullptr;
};

}  // namespace qv
