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

QIcon ToolIcon(const QString& tool) {
    QStyle* style = QApplication::style();
    if (tool == "miNew") return style->standardIcon(QStyle::SP_FileIcon);
    if (tool == "miOpen") return style->standardIcon(QStyle::SP_DialogOpenButton);
    if (tool == "miSave") return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (tool == "miPrint") return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    if (tool == "miRead") return style->standardIcon(QStyle::SP_ArrowDown);
    if (tool == "miWrite") return style->standardIcon(QStyle::SP_ArrowUp);
    if (tool == "miAbout") return style->standardIcon(QStyle::SP_MessageBoxInformation);
    return {};
}

// The usual keys of a desktop program, on the menu entries only: the same key on the tool bar's
// copy of a tool would make it ambiguous, and Qt would then run neither.
QKeySequence ToolShortcut(const QString& tool) {
    if (tool == "miNew") return QKeySequence::New;
    if (tool == "miOpen") return QKeySequence::Open;
    if (tool == "miClose") return QKeySequence(Qt::CTRL | Qt::Key_W);
    if (tool == "miSave") return QKeySequence::Save;
    if (tool == "miPrintList") return QKeySequence::Print;
    return {};
}

bool IsCheckable(const QString& tool) {
    return tool == "miTreeView" || tool == "miToolBar" || tool == "miStatusBar" ||
           tool == "miChinese" || tool == "miEnglish";
}

}  // namespace

MainBar::MainBar(QMainWindow* window, const UiTexts& texts)
    : QObject(window), texts_(texts), window_(window) {
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
            auto* action = new QAction(host);
            action->setObjectName(entry.name);
            action->setCheckable(IsCheckable(entry.name));
            if (band.kind == BandKind::ToolBar) action->setIcon(ToolIcon(entry.name));
            if (band.kind == BandKind::Menu) action->setShortcut(ToolShortcut(entry.name));
            if (const char* dropDown = DropDownBandOf(entry.name);
                dropDown && band.kind != BandKind::ToolBar && menus_.contains(dropDown) &&
                QString(dropDown) != band.name) {
                action->setMenu(menus_.value(dropDown));
            } else {
                const QString name = entry.name;
                connect(action, &QAction::triggered, this, [this, name] { emit ToolClick(name); });
            }
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
    for (const BandSpec& band : BuiltInBarLayout()) {
        for (const ToolSpec& entry : band.tools) {
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
