// MainBar: the menu bar, the tool bar and the docked tree band of the main window, addressed the
// way the commands address them: a band by name, a tool of a band by name. Built from the built-in
// layout on a QMenuBar, a QToolBar and a QDockWidget; a tool is the command's own action, so the
// same command in two bands is one action.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "language/ui_language.h"

class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

namespace qv {

class CommandActions;

class MainBar : public QObject {
    Q_OBJECT
public:
    MainBar(QMainWindow* window, CommandActions& commands, const UiTexts& texts);

    // Sets every caption of the built-in layout in the current language.
    void ApplyLayout();

    // The action of a tool of a band: the command's action, or the entry that drops a menu
    // down; nullptr when the band holds no such tool.
    QAction* Tool(const QString& band, const QString& tool) const;
    bool HasBand(const QString& band) const;
    void SetToolChecked(const QString& band, const QString& tool, bool checked);
    void SetToolVisible(const QString& band, const QString& tool, bool visible);
    void SetBandVisible(const QString& band, bool visible);
    bool BandVisible(const QString& band) const;
    // Puts a window into a tool of a band (the tree window into "BandTree").
    void HostWindow(const QString& band, const QString& tool, QWidget* window);
    // Makes the bar lay itself out again after visibility changes.
    void RecalcLayout();

    QMenu* Menu(const QString& band) const { return menus_.value(band); }
    QToolBar* ToolBar() const { return toolBar_; }
    QDockWidget* TreeDock() const { return treeDock_; }

signals:
    void BandClose(const QString& bandName);

private:
    const UiTexts& texts_;
    CommandActions& commands_;

    void Build();
    QString Key(const QString& band, const QString& tool) const { return band + '/' + tool; }

    QMainWindow* window_;
    QHash<QString, QAction*> tools_;    // "band/tool"
    QHash<QString, QMenu*> menus_;      // drop-down bands
    QHash<QString, QString> captions_;  // band name -> English caption
    QToolBar* toolBar_ = nullptr;
    QDockWidget* treeDock_ = nullptr;
};

}  // namespace qv
