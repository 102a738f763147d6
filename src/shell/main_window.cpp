#include "shell/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QTranslator>

#include "context/app_context.h"
#include "desktop/prompts.h"
#include "editors/audio/frm_audio.h"
#include "editors/channel/csv/channel_csv.h"
#include "editors/channel/frm_channel.h"
#include "editors/customized/frm_customized_signal.h"
#include "editors/key/frm_key.h"
#include "editors/memory_map/frm_memory_map.h"
#include "editors/setting/frm_setting.h"
#include "language/ui_language.h"
#include "link/clone.h"
#include "link_dialogs/frm_clone.h"
#include "link_driver/link_settings.h"
#include "platform/settings_store.h"
#include "shell/bar_layout.h"
#include "shell/command_actions.h"
#include "shell/frm_tree_view.h"
#include "shell/main_bar.h"
#include "shell/startup_rules.h"
#include "shell/window_title.h"

namespace qv {

namespace {

const char* const kLanguageValue = "Language";
int Index(Editor editor) {
    return static_cast<int>(editor);
}

}  // namespace

MainWindow::MainWindow(AppContext& context) : context_(context) {
    setObjectName("MDIForm1");
    setWindowIcon(QIcon(":/icons/qv730.png"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("MdiArea");
    setCentralWidget(mdi_);
    history_ = new DocumentHistory(data_, context_.texts(), this);
    commands_ = new CommandActions(this, context_.texts());
    BindCommands();
    mdi_->viewport()->installEventFilter(this);
    bar_ = new MainBar(this, *commands_, context_.texts());
    bar_->TreeDock()->hide();  // the tree is docked by the first RefreshAll
    connect(bar_, &MainBar::BandClose, this, &MainWindow::OnBandClose);
    tree_ = new FrmTreeView(context_.texts(), this);
    tree_->SetCommands(commands_);
    BuildStatusBar();
    // Wide enough for every column of the channel grid beside the tree, within the screen.
    QSize size(1280, 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    resize(size);
    resizeDocks({bar_->TreeDock()}, {240}, Qt::Horizontal);
    SetUpDesktop();
    StartUp();
}

MainWindow::~MainWindow() {
    // The work area goes with the window; its resizes no longer concern the editors.
    mdi_->viewport()->removeEventFilter(this);
    // The editors go while the history their stores are steps of still exists.
    delete mdi_;
}

void MainWindow::StartUp() {
    // The language from the settings store; a stored number that is not a byte is reported.
    if (const auto language = LanguageFromStored(context_.settings().GetRegValue(kLanguageValue))) {
        context_.SetLanguage(*language);
        ApplyQtTranslations();
        // The port the last complete transfer used, so a cable found once is found again.
        const int lastPort = context_.settings().GetLastComPort();
        context_.SetComPort(lastPort ? lastPort : kStartComPort);
    } else {
        context_.SetLanguage(Language::English);
        context_.prompts().Message(this, {QStringLiteral("Overflow"), AppTitle(),
                                          PromptIcon::Exclamation, PromptButtons::Ok});
    }
    // The caption, every view shown, an untitled file, the folder the template comes from, and
    // the bars as their layout has them with the current language checked.
    setWindowTitle(MainWindowTitle(QString()));
    viewFlags_ = kViewTree | kViewToolBar | kViewStatusBar;
    currentFileName_ = QStringLiteral("Untitled.tw");
    appPath_ = AppPathFrom(QDir::toNativeSeparators(context_.AppFolder()));
    bar_->ApplyLayout();
    CheckLanguageTools();
    // The template; on failure the image stays all zero.
    LoadTemplate();
    // The clone dialog, prepared and hidden, with the link timing of Radio.INI.
    clone_ = new FrmClone(data_, context_, ReadLinkTiming(context_.IniFolder()), this);
    // The program opens on the channel editor.
    ShowChannel();
}

void MainWindow::ToggleView(int bit) {
    viewFlags_ ^= bit;
    UpdateView();
}

void MainWindow::OnBandClose(const QString& bandName) {
    if (bandName != "BandTree") return;
    bar_->SetToolChecked("miView", "miTreeView", false);
    viewFlags_ &= ~kViewTree;
}

void MainWindow::SaveAll() {
    for (int i = 0; i < kEditorCount; ++i) {
        if (EditorVisible(Editor(i))) editors_[i]->StoreAsStep();
    }
}

void MainWindow::RefreshAll() {
    bar_->ApplyLayout();
    history_->Retranslate();  // the steps' names and the Undo and Redo entries
    CheckLanguageTools();
    bar_->HostWindow("BandTree", "frmTreeView", tree_);
    UpdateView();
    tree_->RefreshFace();
    for (int i = 0; i < kEditorCount; ++i) {
        if (!EditorVisible(Editor(i))) continue;
        editors_[i]->RefreshAll();
        FitFrame(editors_[i]);
    }
}

void MainWindow::FitFrame(EditorWindow* window) {
    // Texts of the other language may need more room than the frame has; it grows, never
    // shrinks, so a size the user chose stays.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->Frame())) {
        sub->resize(sub->size().expandedTo(sub->minimumSizeHint()));
    }
}

void MainWindow::HideAll() {
    for (int i = 0; i < kEditorCount; ++i) {
        if (EditorVisible(Editor(i))) editors_[i]->Frame()->hide();
    }
}

void MainWindow::UpdateView() {
    const bool tree = viewFlags_ & kViewTree;
    bar_->SetToolChecked("miView", "miTreeView", tree);
    bar_->SetBandVisible("BandTree", tree);
    const bool toolBar = viewFlags_ & kViewToolBar;
    bar_->SetToolChecked("miView", "miToolBar", toolBar);
    bar_->SetBandVisible("ToolBar", toolBar);
    const bool status = viewFlags_ & kViewStatusBar;
    bar_->SetToolChecked("miView", "miStatusBar", status);
    statusBar()->setVisible(status);
    // Tools of commands this program does not offer stay hidden whatever the layout says.
    for (const BandTool& hidden : HiddenTools())
        bar_->SetToolVisible(hidden.band, hidden.tool, false);
    bar_->RecalcLayout();
}

void MainWindow::ApplyQtTranslations() {
    // Qt's own dialogs (the file dialogs) speak the UI language too, where Qt's catalogue is
    // installed.
    // The window owns the translator, so it leaves the application with the window.
    if (!qtTranslator_) qtTranslator_ = new QTranslator(this);
    QCoreApplication::removeTranslator(qtTranslator_);
    if (context_.texts().IsChinese() &&
        qtTranslator_->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTranslator_);
    }
}

void MainWindow::CheckLanguageTools() {
    bar_->SetToolChecked("miLanguage", "miChinese", context_.texts().IsChinese());
    bar_->SetToolChecked("miLanguage", "miEnglish", !context_.texts().IsChinese());
}

void MainWindow::SwitchLanguage(Language language) {
    SaveAll();
    context_.SetLanguage(language);
    ApplyQtTranslations();
    CheckLanguageTools();
    // The tone list's None entry is rebuilt by the channel editor's refresh.
    RefreshAll();
    UpdateClock();
}

EditorWindow* MainWindow::EditorOf(Editor editor) const {
    return editors_[Index(editor)];
}

bool MainWindow::EditorVisible(Editor editor) const {
    EditorWindow* window = editors_[Index(editor)];
    return window && !window->Frame()->isHidden();
}

EditorWindow* MainWindow::CreateEditor(Editor editor) {
    EditorWindow* window = nullptr;
    switch (editor) {
        case Editor::Setting:
            window = new FrmSetting(data_, context_.texts());
            break;
        case Editor::Audio:
            window = new FrmAudio(data_, context_.texts());
            break;
        case Editor::Key:
            window = new FrmKey(data_, context_.texts());
            break;
        case Editor::Channel: {
            auto* channel = new FrmChannel(data_, context_, history_);
            connect(channel, &FrmChannel::MemoryMapRequested, this, &MainWindow::ShowMemoryMap);
            // The grid's context menu offers the Edit menu's own actions.
            channel->UseEditActions({commands_->Action("miUndo"), commands_->Action("miRedo"),
                                     commands_->Action("miCut"), commands_->Action("miCopy"),
                                     commands_->Action("miPaste"),
                                     commands_->Action("miDeleteChannels")});
            connect(channel, &FrmChannel::RowSelectionChanged, this,
                    &MainWindow::UpdateEditActions);
            connect(channel, &QObject::destroyed, this, &MainWindow::UpdateEditActions,
                    Qt::QueuedConnection);
            window = channel;
            break;
        }
        case Editor::CustomizedSignal:
            window = new FrmCustomizedSignal(data_, context_.texts());
            break;
    }
    window->SetHistory(history_);
    const QSize size = window->size();
    QMdiSubWindow* sub = mdi_->addSubWindow(window);
    sub->setAttribute(
        Qt::WA_DeleteOnClose);  // closing discards the window; the next show builds it anew
    sub->setWindowIcon(windowIcon());
    // File > Close owns Ctrl+W and stores the editor first; the same key on the sub-window's own
    // menu would make it ambiguous, and Qt would then run neither.
    if (QMenu* system = sub->systemMenu()) {
        for (QAction* action : system->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) {
                QList<QKeySequence> keys = action->shortcuts();
                keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W));
                action->setShortcuts(keys);
            }
        }
    }
    // The sub-window takes the size the editor chose for itself, plus its own frame and title.
    QStyle* style = sub->style();
    const int frame = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
    sub->resize(size.width() + 2 * frame, size.height() + title + frame);
    editors_[Index(editor)] = window;
    return window;
}

void MainWindow::CloseActiveEditor() {
    // At most one editor is shown at a time; what it holds is kept, as the channel editor's own
    // close box keeps it, as a step Undo can take back.
    for (int i = 0; i < kEditorCount; ++i) {
        if (!EditorVisible(Editor(i))) continue;
        editors_[i]->StoreAsStep();
        editors_[i]->CloseEditor();
    }
}

void MainWindow::FillWorkArea(QWidget* frame) {
    channelFills_ = true;
    filling_ = true;
    frame->setGeometry(QRect(QPoint(0, 0), mdi_->viewport()->size()));
    filling_ = false;
    frame->removeEventFilter(this);
    frame->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A channel window that fills the work area keeps filling it as the main window is resized;
    // once the user has moved or sized it, it stays as the user left it.
    const bool resized = event->type() == QEvent::Resize;
    const bool moved = event->type() == QEvent::Move;
    if ((resized || moved) && mdi_ && EditorVisible(Editor::Channel)) {
        QWidget* frame = EditorOf(Editor::Channel)->Frame();
        if (watched == mdi_->viewport() && resized && channelFills_) FillWorkArea(frame);
        if (watched == frame && !filling_ &&
            frame->geometry() != QRect(QPoint(0, 0), mdi_->viewport()->size())) {
            channelFills_ = false;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowMemoryMap() {
    // A window of its own beside the editors; there is never more than one, and asking again
    // brings it forward as it is.
    auto* map =
        findChild<FrmMemoryMap*>(QStringLiteral("frmMemoryMap"), Qt::FindDirectChildrenOnly);
    if (!map) {
        map = new FrmMemoryMap(data_, this);
        map->SetHistory(history_);
        connect(map, &FrmMemoryMap::Stored, this, &MainWindow::ShowRestoredData);
        map->show();
    }
    map->raise();
    map->activateWindow();
}

void MainWindow::ShowEditor(Editor editor) {
    if (EditorVisible(editor)) return;
    SaveAll();
    HideAll();
    EditorWindow* window = EditorOf(editor);
    if (!window) window = CreateEditor(editor);
    window->Frame()->show();
    window->show();
    window->RefreshAll();
    FitFrame(window);
    // The channel grid is wide: its window opens filling the work area (FillWorkArea).
    if (editor == Editor::Channel) FillWorkArea(window->Frame());
    window->Frame()->raise();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->Frame())) mdi_->setActiveSubWindow(sub);
    UpdateEditActions();
}

void MainWindow::ReadCommand() {
    if (!ConfirmUnsavedChanges()) return;
    clone_->SetFirstRow(kReadFirstRow);
    clone_->SetLastRow(kReadLastRow);
    clone_->SetCloneMode(CloneMode::Read);
    // A read that failed or was cancelled has left the image and its baseline as they were.
    if (clone_->exec() != QDialog::Accepted) return;
    // After a complete read the image is the radio's, no longer the file's the title names.
    ForgetFile();
    data_.CopyToBaseline();
    data_.LoadBandLimits();
    history_->Reset();  // the radio's data is a new document
    RefreshAll();
}

void MainWindow::WriteCommand() {
    PrepareImageForWrite(data_.image);
    // The write's own bytes are no change of the user's: no undo takes them back.
    history_->Adopt();
    clone_->SetFirstRow(kWriteFirstRow);
    clone_->SetLastRow(kWriteLastRow);
    clone_->SetCloneMode(CloneMode::Write);
    clone_->exec();
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar");
    datePanel_ = new QLabel(bar);
    timePanel_ = new QLabel(bar);
    datePanel_->setObjectName("StatusBar_Date");
    timePanel_->setObjectName("StatusBar_Time");
    bar->addPermanentWidget(datePanel_);
    bar->addPermanentWidget(timePanel_);
    clock_ = new QTimer(this);
    connect(clock_, &QTimer::timeout, this, &MainWindow::UpdateClock);
    clock_->start(1000);
    UpdateClock();
}

void MainWindow::UpdateClock() {
    const QLocale locale = context_.texts().IsChinese() ? QLocale(QLocale::Chinese, QLocale::China)
                                                        : context_.texts().locale();
    datePanel_->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    timePanel_->setText(locale.toString(QTime::currentTime(), QLocale::LongFormat));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Exit and the close box alike: unsaved changes are saved, dropped or keep the program open.
    if (!ConfirmUnsavedChanges()) {
        event->ignore();
        return;
    }
    // The language is kept for the next start; a store that cannot be written goes unnoticed.
    context_.settings().SetRegValue(kLanguageValue,
                                    QString::number(int(context_.texts().language())));
    if (clone_) clone_->close();
    // The secondary windows close here. The channel editor is left to go with the main window:
    // its own close step stores the grid into the image, which the question above has already
    // settled, so closing it here would only store the same edits once more.
    for (Editor editor : {Editor::Setting, Editor::Audio, Editor::Key, Editor::CustomizedSignal}) {
        if (EditorWindow* window = EditorOf(editor)) window->Frame()->close();
    }
    event->accept();
}

}  // namespace qv
