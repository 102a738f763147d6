// FrmTreeView: the navigation tree in the band "BandTree". Five nodes under the product name; a
// click on an editor's node opens that editor through the main window.
#pragma once

#include <QWidget>

#include "language/ui_language.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace qv {

class FrmTreeView : public QWidget {
    Q_OBJECT
public:
    explicit FrmTreeView(const UiTexts& texts, QWidget* parent = nullptr);

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
};

}  // namespace qv
