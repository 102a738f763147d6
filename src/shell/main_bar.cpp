#include "shell/main_bar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "language/ui_language.h"
#include "shell/bar_layout.h"
#include "shell/command_actions.h"

namespace qv {

namespace {

// The tree band reports its own close box as the band being closed.
class ClosableDock : public QDockWidget {
public:
    using QDockWidget::QDockWidget;
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override {
        QDockWidget::closeEvent(event);
        if (event->isAccepted() && onClose) onClose();
    }
};

}  // namespace

MainBar::MainBar(QMainWindow* window, CommandActions& commands, const UiTexts& texts)
    : QObject(window), texts_(texts), commands_(commands), window_(window) {
    setObjectName("MainBar");
    Build();
    ApplyLayout();
}

void MainBar::Build() {
    const auto& layout = BuiltInBarLayout();
    // Drop-down bands first, so the menu bar and sub-menus can point at them.
    for (const BandSpec& band : layout) {
        if (band.kind != BandKind::Menu) continue;
        auto* menu = new QMenu(window_);
        menu->setObjectName(band.name);
        menus_.insert(band.name, menu);
    }
    for (const BandSpec& band : layout) {
        captions_.insert(band.name, band.caption);
        QWidget* host = nullptr;
        switch (band.kind) {
            case BandKind::MenuBar:
                host = window_->menuBar();
                host->setObjectName("Menu Bar");
                break;
            case BandKind::Menu:
                host = menus_.value(band.name);
                break;
            case BandKind::ToolBar:
                toolBar_ = new QToolBar(window_);
                toolBar_->setObjectName(band.name);
                toolBar_->setMovable(false);
                toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
                window_->addToolBar(Qt::TopToolBarArea, toolBar_);
                host = toolBar_;
                break;
            case BandKind::Dock: {
                auto* dock = new ClosableDock(window_);
                dock->setObjectName(band.name);
                dock->setFeatures(QDockWidget::DockWidgetClosable);
                dock->onClose = [this, name = QString(band.name)] { emit BandClose(name); };
                window_->addDockWidget(Qt::LeftDockWidgetArea, dock);
                treeDock_ = dock;
                continue;  // its one tool hosts a window; it has no action
            }
        }
        for (const ToolSpec& entry : band.tools) {
            QAction* action = nullptr;
            if (const char* dropDown = DropDownBandOf(entry.name);
                dropDown && band.kind != BandKind::ToolBar && menus_.contains(dropDown) &&
                QString(dropDown) != band.name) {
                // An entry that drops a menu down: the menu's own entry, named by the tool.
                action = menus_.value(dropDown)->menuAction();
                action->setObjectName(entry.name);
            } else {
                action = commands_.Action(entry.name);
            }
            if (!action) continue;  // no command of that name: the layout test names it
            if (entry.separatorBefore) {
                auto* separator = new QAction(host);
                separator->setSeparator(true);
                host->addAction(separator);
            }
            host->addAction(action);
            tools_.insert(Key(band.name, entry.name), action);
        }
    }
}

void MainBar::ApplyLayout() {
    commands_.Retranslate();
    for (const BandSpec& band : BuiltInBarLayout()) {
        for (const ToolSpec& entry : band.tools) {
            if (!DropDownBandOf(entry.name)) continue;  // the commands caption themselves
            if (QAction* action = tools_.value(Key(band.name, entry.name))) {
                action->setText(texts_.UiText("MainBar", entry.caption));
            }
        }
    }
    if (toolBar_) toolBar_->setWindowTitle(texts_.UiText("MainBar", "Tool Bar"));
    if (treeDock_) treeDock_->setWindowTitle(AppTitle());
}

QAction* MainBar::Tool(const QString& band, const QString& tool) const {
    return tools_.value(Key(band, tool));
}

bool MainBar::HasBand(const QString& band) const {
    return captions_.contains(band);
}

void MainBar::SetToolChecked(const QString& band, const QString& tool, bool checked) {
    if (QAction* action = Tool(band, tool)) action->setChecked(checked);
}

void MainBar::SetToolVisible(const QString& band, const QString& tool, bool visible) {
    if (QAction* action = Tool(band, tool)) action->setVisible(visible);
}

void MainBar::SetBandVisible(const QString& band, bool visible) {
    if (band == "ToolBar" && toolBar_) toolBar_->setVisible(visible);
    if (band == "BandTree" && treeDock_) treeDock_->setVisible(visible);
}

bool MainBar::BandVisible(const QString& band) const {
    if (band == "ToolBar" && toolBar_) return toolBar_->isVisibleTo(window_);
    if (band == "BandTree" && treeDock_) return treeDock_->isVisibleTo(window_);
    return HasBand(band);
}

void MainBar::HostWindow(const QString& band, const QString& tool, QWidget* window) {
    if (band == "BandTree" && tool == "frmTreeView" && treeDock_ && treeDock_->widget() != window) {
        treeDock_->setWidget(window);
    }
}

void MainBar::RecalcLayout() {
    if (window_->layout()) window_->layout()->activate();
}

}  // namespace qv
