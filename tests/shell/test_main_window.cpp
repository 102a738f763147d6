// The main window through its real dispatcher, by tool name: start-up and shutdown, the editor
// group, view switches, the language switch and the two radio commands.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>

#include "codecs/channel_name.h"
#include "data/data_file.h"
#include "editors/channel/frm_channel.h"
#include "editors/memory_map/frm_memory_map.h"
#include "editors/memory_map/memory_map_model.h"
#include "language/ui_language.h"
#include "link_dialogs/frm_clone.h"
#include "platform/settings_store.h"
#include "shell/frm_about.h"
#include "shell/frm_tree_view.h"
#include "shell/main_bar.h"
#include "shell_fixture.h"

using qv::Editor;
using qv::test::Channels;
using qv::test::ShellFixture;

namespace {

bool OnlyVisible(qv::MainWindow& window, Editor editor) {
    for (int i = 0; i < qv::kEditorCount; ++i) {
        if (window.EditorVisible(Editor(i)) != (Editor(i) == editor)) return false;
    }
    return true;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void startUpPreselectsThePortOfTheLastTransfer();
    void startUpLanguage_data();
    void startUpLanguage();
    void startUpReadsLinkTiming();
    void missingTemplateLeavesAZeroImage();
    void showingAnotherEditorStoresTheOpenOne();
    void treeNodesOpenEditors();
    void memoryMapKeyOpensOneMemoryMap();
    void languageSwitchKeepsEnteredValues();
    void viewTogglesAndBandClose();
    void hiddenToolsStayHidden();
    void toolsThatDoNothing();
    void channelWindowFillsTheWorkAreaWithEveryColumnInView_data();
    void channelWindowFillsTheWorkAreaWithEveryColumnInView();
    void fileCloseClosesTheOpenEditorAndKeepsItsData_data();
    void fileCloseClosesTheOpenEditorAndKeepsItsData();
    void readThatFailsChangesNothing();
    void writePreparesTheCopyRows();
    void exitStoresTheOpenEditorsAndTheLanguage();
    void aboutBoxShowsTheVersionAndOpensTheWebPage();
};

// The port of the last complete transfer is the one in use at the next start; none stored, or a
// stored value that is no port, gives COM1.
void TestMainWindow::startUpPreselectsThePortOfTheLastTransfer() {
    ShellFixture shell;
    QCOMPARE(int(shell.services.context.ComPort()), 1);
    for (const auto& [stored, port] : {std::pair{3, 3}, {16, 16}, {17, 1}, {0, 1}}) {
        QVERIFY(shell.services.settings.SetLastComPort(stored));
        shell.window = std::make_unique<qv::MainWindow>(shell.services.context);
        QCOMPARE(int(shell.services.context.ComPort()), port);
    }
}

void TestMainWindow::startUpState() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QCOMPARE(window.windowTitle(), QString("QV-730[*]"));
    QCOMPARE(window.objectName(), QString("MDIForm1"));
    QCOMPARE(window.ViewFlags(), 7);
    QCOMPARE(window.CurrentFileName(), QString("Untitled.tw"));
    QVERIFY(window.AppPath().endsWith('/'));
    QVERIFY(OnlyVisible(window, Editor::Channel));
    QVERIFY(!window.Data().ImageModified());
    QCOMPARE(Channels(window).Cell(1, 3), QString("446.00625"));
    QVERIFY(window.Clone() && window.Clone()->isHidden());
    QCOMPARE(window.Clone()->CloneMode(), qv::CloneMode::Read);
    QVERIFY(shell.prompts.messages.empty());
    QVERIFY(window.Bar().Tool("miLanguage", "miEnglish")->isChecked());
    QVERIFY(!window.Bar().Tool("miLanguage", "miChinese")->isChecked());
    QCOMPARE(window.Bar().TreeDock()->widget(), window.TreeView());
}

void TestMainWindow::startUpLanguage_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("storedAtExit");
    QTest::addColumn<bool>("overflowShown");
    QTest::newRow("1: Chinese") << "1" << 1 << "1" << false;
    QTest::newRow("missing: English") << QString() << 0 << "0" << false;
    QTest::newRow("not a number: English") << "zh" << 0 << "0" << false;
    QTest::newRow("7: Chinese, stored back as 1") << "7" << 1 << "1" << false;
    QTest::newRow("300: Overflow, English") << "300" << 0 << "0" << true;
}

void TestMainWindow::startUpLanguage() {
    QFETCH(QString, stored);
    QFETCH(int, language);
    QFETCH(QString, storedAtExit);
    QFETCH(bool, overflowShown);
    ShellFixture shell(stored);
    QCOMPARE(int(shell.services.texts.language()), language);
    QCOMPARE(!shell.prompts.messages.empty(), overflowShown);
    if (overflowShown) QCOMPARE(shell.prompts.messages[0].text, QString("Overflow"));
    const QString channels = shell.Window().TreeView()->Node("Item10")->text(0);
    QCOMPARE(channels, language ? QString("信道") : QString("Channels"));
    shell.Window().close();
    QCOMPARE(shell.StoredLanguage(), storedAtExit);
}

void TestMainWindow::startUpReadsLinkTiming() {
    ShellFixture shell(QString(), "ComInterval[ms]=12.5\nComRecvCount =13.5\n");
    QCOMPARE(shell.Window().Clone()->RecvInterval(), 12);
    QCOMPARE(shell.Window().Clone()->RecvLimit(), 14);
}

void TestMainWindow::missingTemplateLeavesAZeroImage() {
    // A template that is not a .tw file: the message naming the file in a second line, an
    // all-zero image, the editor still shown; in both languages.
    for (const auto& [stored, text] :
         {std::pair{"0", "Incorrect File Type."}, std::pair{"1", "文件类型不正确。"}}) {
        ShellFixture shell(stored);
        const QString path = shell.Folder() + "/default.tw";
        QFile bad(path);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a data file");
        bad.close();
        shell.prompts.messages.clear();
        shell.window = std::make_unique<qv::MainWindow>(shell.services.context);
        QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
        QCOMPARE(shell.prompts.messages[0].text,
                 QString(text) + "\n" + QDir::toNativeSeparators(path));
        QCOMPARE(shell.prompts.messages[0].title,
                 qv::LoadFailureTitle(qv::LoadStatus::DecodeError));
        QCOMPARE(shell.Window().Data().image, qv::RadioImage{});
        QVERIFY(shell.Window().EditorVisible(Editor::Channel));
    }
    // A missing template is named the same way.
    ShellFixture shell;
    QVERIFY(QFile::remove(shell.Folder() + "/default.tw"));
    shell.prompts.messages.clear();
    shell.window = std::make_unique<qv::MainWindow>(shell.services.context);
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QVERIFY(shell.prompts.messages[0].text.endsWith(
        "\n" + QDir::toNativeSeparators(shell.Folder() + "/default.tw")));
}

void TestMainWindow::showingAnotherEditorStoresTheOpenOne() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(Channels(window).SetCellAsUser(1, 1, "HOME"));
    QCOMPARE(int(window.Data().image[0x110]), int('H'));  // the grid stores as it is edited
    window.OnToolClick("miCommonSet");
    QCOMPARE(int(window.Data().image[0x110]), int('H'));
    QVERIFY(OnlyVisible(window, Editor::Setting));
    QVERIFY(window.Data().ImageModified());  // stored, yet not saved

    // A second click while it is visible changes nothing.
    auto* squelch = window.EditorOf(Editor::Setting)->findChild<QComboBox*>("Combo1_15");
    QVERIFY(squelch);
    squelch->setCurrentIndex(7);
    const qv::RadioImage before = window.Data().image;
    window.OnToolClick("miCommonSet");
    QCOMPARE(window.Data().image, before);
    QCOMPARE(squelch->currentIndex(), 7);

    for (const char* tool : {"miAudio", "miKeySet", "miCustomizedSignal", "miChannel"}) {
        window.OnToolClick(tool);
        QCOMPARE(int(window.Data().image[0x182]), 7);  // stored when the general settings were left
    }
    QVERIFY(OnlyVisible(window, Editor::Channel));
    QCOMPARE(Channels(window).Cell(1, 1), QString("HOME"));
}

void TestMainWindow::memoryMapKeyOpensOneMemoryMap() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.EditorOf(Editor::Channel)->findChild<QWidget*>("ChannelGrid");
    QVERIFY(grid);
    grid->setFocus();
    const auto service = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    QTest::keyClick(grid, Qt::Key_M, service);
    auto* map = window.findChild<qv::FrmMemoryMap*>("frmMemoryMap");
    QVERIFY(map);
    QVERIFY(map->isVisible());
    QVERIFY(map->isWindow());
    map->Model().CommitCell(0, 0, "77");
    window.activateWindow();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_M, service);
    QCOMPARE(window.findChildren<qv::FrmMemoryMap*>().size(), 1);
    QCOMPARE(map->Model().CellText(0, 0), QStringLiteral("77"));  // brought forward, not refilled
}

void TestMainWindow::treeNodesOpenEditors() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QTreeWidget* tree = window.TreeView()->Tree0();
    const struct {
        const char* key;
        Editor editor;
    } nodes[] = {{"Item2", Editor::Setting},
                 {"Item9", Editor::Audio},
                 {"Item11", Editor::Key},
                 {"Item10", Editor::Channel}};
    for (const auto& node : nodes) {
        emit tree->itemClicked(window.TreeView()->Node(node.key), 0);
        QVERIFY2(OnlyVisible(window, node.editor), node.key);
    }
    emit tree->itemClicked(window.TreeView()->Node("Root"), 0);
    QVERIFY(OnlyVisible(window, Editor::Channel));
}

void TestMainWindow::languageSwitchKeepsEnteredValues() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick("miCommonSet");
    auto* squelch = window.EditorOf(Editor::Setting)->findChild<QComboBox*>("Combo1_15");
    auto* timeout = window.EditorOf(Editor::Setting)->findChild<QComboBox*>("Combo1_16");
    squelch->setCurrentIndex(8);
    timeout->setCurrentIndex(0);
    QTreeWidgetItem* selected = window.TreeView()->Tree0()->currentItem();

    window.OnToolClick("miChinese");
    QCOMPARE(int(shell.services.texts.language()), 1);
    QCOMPARE(squelch->currentIndex(), 8);
    QCOMPARE(timeout->currentText(), QString("关"));
    QCOMPARE(window.EditorOf(Editor::Setting)->windowTitle(), QString("整机设置"));
    QCOMPARE(window.TreeView()->Node("Item2")->text(0), QString("整机设置"));
    QCOMPARE(window.TreeView()->Tree0()->currentItem(), selected);
    QCOMPARE(window.Bar().Tool("Menu Bar", "miFile")->text(), QString("文件"));
    QCOMPARE(window.Bar().Tool("miFile", "miNew")->text(), QString("新建(&N)"));
    QCOMPARE(window.Bar().Tool("miFile", "miExit")->text(), QString("退出(&X)"));
    QVERIFY(window.Bar().Tool("miLanguage", "miChinese")->isChecked());
    QVERIFY(!window.Bar().Tool("miLanguage", "miEnglish")->isChecked());
    const QString date = window.findChild<QLabel*>("StatusBar_Date")->text();
    QVERIFY2(!date.contains(QRegularExpression("[A-Za-z]")), qPrintable(date));

    window.OnToolClick("miChannel");
    QCOMPARE(Channels(window).Cell(1, 4), QString("无"));
    QCOMPARE(Channels(window).Cell(1, 2), QString("单工"));
    window.OnToolClick("miEnglish");
    QCOMPARE(Channels(window).Cell(1, 4), QString("None"));
    QCOMPARE(int(window.Data().image[0x182]), 8);
}

void TestMainWindow::viewTogglesAndBandClose() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.show();
    QAction* treeTool = window.Bar().Tool("miView", "miTreeView");
    QDockWidget* dock = window.Bar().TreeDock();
    window.OnToolClick("miTreeView");
    QCOMPARE(window.ViewFlags(), 6);
    QVERIFY(!treeTool->isChecked());
    QVERIFY(dock->isHidden());
    window.OnToolClick("miTreeView");
    QCOMPARE(window.ViewFlags(), 7);
    QVERIFY(treeTool->isChecked());
    QVERIFY(!dock->isHidden());

    dock->close();  // the band's own close box
    QCOMPARE(window.ViewFlags(), 6);
    QVERIFY(!treeTool->isChecked());
    window.OnToolClick("miTreeView");
    QVERIFY(!dock->isHidden());

    window.OnToolClick("miToolBar");
    QVERIFY(window.Bar().ToolBar()->isHidden());
    window.OnToolClick("miStatusBar");
    QVERIFY(window.statusBar()->isHidden());
    QCOMPARE(window.ViewFlags(), 1);
    window.OnToolClick("miStatusBar");
    QVERIFY(!window.statusBar()->isHidden());
}

void TestMainWindow::hiddenToolsStayHidden() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick("miChinese");  // a refresh re-applies the layout
    const QStringList hidden = {
        "miFile/miPrint", "ToolBar/miPrint", "Menu Bar/miModel",         "Menu Bar/miWindows",
        "miSet/miInit",   "miEdit/miScan",   "miEdit/miEmergency",       "miEdit/miDTMF",
        "miEdit/mi5Tone", "miEdit/miEmbed",  "miEdit/miCustomizedSignal"};
    for (const QString& tool : hidden) {
        QAction* action = window.Bar().Tool(tool.section('/', 0, 0), tool.section('/', 1));
        QVERIFY2(action && !action->isVisible(), qPrintable(tool));
    }
    QVERIFY(window.Bar().Tool("miFile", "miClose")->isVisible());
    QVERIFY(window.Bar().Tool("miEdit", "miChannel")->isVisible());
}

void TestMainWindow::toolsThatDoNothing() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(Channels(window).SetCellAsUser(2, 1, "PEND"));
    const qv::RadioImage before = window.Data().image;
    for (const char* tool :
         {"miPrint", "miModelInfo", "miInit", "miScan", "miEmergency", "miDTMF", "mi5Tone",
          "miEmbed", "miCascade", "miTileH", "miTileV", "miArrange", "miCloseAll", "MiChannel"}) {
        window.OnToolClick(tool);
        QVERIFY2(OnlyVisible(window, Editor::Channel), tool);
    }
    QCOMPARE(window.Data().image, before);
    QCOMPARE(Channels(window).Cell(2, 1), QString("PEND"));
    QVERIFY(shell.prompts.messages.empty());
}

void TestMainWindow::channelWindowFillsTheWorkAreaWithEveryColumnInView_data() {
    QTest::addColumn<QString>("languageTool");
    QTest::addColumn<QString>("gridName");
    QTest::addColumn<QString>("treeName");
    QTest::newRow("English") << "miEnglish"
                             << "Channel table"
                             << "Navigation";
    QTest::newRow("Chinese") << "miChinese"
                             << "信道表"
                             << "导航";
}

// The channel window fills the work area and follows it; at the size the program opens with on
// a 1366 x 768 screen every column is in view. The grid and the tree have accessible names.
void TestMainWindow::channelWindowFillsTheWorkAreaWithEveryColumnInView() {
    QFETCH(QString, languageTool);
    QFETCH(QString, gridName);
    QFETCH(QString, treeName);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick(languageTool);
    window.resize(1280, 760);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* frame = window.EditorOf(Editor::Channel)->Frame();
    const QRect workArea(QPoint(0, 0), window.MdiArea()->viewport()->size());
    QTRY_COMPARE(frame->geometry(), workArea);
    auto* grid = window.findChild<QTableView*>("ChannelGrid");
    QTRY_VERIFY(!grid->horizontalScrollBar()->isVisible());
    int columns = grid->verticalHeader()->width();
    for (int c = 0; c < grid->model()->columnCount(); ++c) columns += grid->columnWidth(c);
    QVERIFY2(columns <= grid->width(), qPrintable(QString::number(columns)));
    QCOMPARE(grid->accessibleName(), gridName);
    QCOMPARE(window.TreeView()->Tree0()->accessibleName(), treeName);

    // It follows the main window while the user has not moved or sized it.
    window.resize(1366, 740);
    QTRY_COMPARE(frame->geometry(), QRect(QPoint(0, 0), window.MdiArea()->viewport()->size()));
    frame->setGeometry(10, 10, 500, 300);
    window.resize(1200, 700);
    QTest::qWait(50);
    QCOMPARE(frame->geometry(), QRect(10, 10, 500, 300));
}

void TestMainWindow::fileCloseClosesTheOpenEditorAndKeepsItsData_data() {
    QTest::addColumn<QString>("languageTool");
    QTest::addColumn<QString>("caption");
    QTest::newRow("English") << "miEnglish"
                             << "&Close";
    QTest::newRow("Chinese") << "miChinese"
                             << "关闭(&C)";
}

// Ctrl+W on the real window, as a user presses it: the editor shown goes, what it held stays.
void TestMainWindow::fileCloseClosesTheOpenEditorAndKeepsItsData() {
    QFETCH(QString, languageTool);
    QFETCH(QString, caption);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick(languageTool);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* close = window.Bar().Tool("miFile", "miClose");
    QCOMPARE(close->text(), caption);
    QCOMPARE(close->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));

    QVERIFY(Channels(window).SetCellAsUser(2, 1, "KEPT"));  // in the grid only
    QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!window.EditorVisible(Editor::Channel));
    QCOMPARE(qv::DecodeChannelName(window.Data().image, 2), QString("KEPT"));

    window.OnToolClick("miCommonSet");
    auto* squelch = window.EditorOf(Editor::Setting)->findChild<QComboBox*>("Combo1_15");
    const std::uint8_t squelchBefore = window.Data().image[0x182];
    const int chosen = squelchBefore == 3 ? 5 : 3;  // a level the data does not hold yet
    squelch->setCurrentIndex(chosen);
    window.OnToolClick("miClose");
    QVERIFY(!window.EditorVisible(Editor::Setting));
    QCOMPARE(int(window.Data().image[0x182]), chosen);
    QVERIFY(shell.prompts.messages.empty());
    // What Close stored is a step of the history of its own: Undo takes back just that.
    window.OnToolClick("miUndo");
    QCOMPARE(window.Data().image[0x182], squelchBefore);
    QCOMPARE(qv::DecodeChannelName(window.Data().image, 2), QString("KEPT"));

    // With no editor open, Close does nothing.
    window.OnToolClick("miClose");
    QVERIFY(shell.prompts.messages.empty());
}

void TestMainWindow::readThatFailsChangesNothing() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.Data().image[0x0005] = 0x42;  // an unsaved change, kept on purpose (No)
    QVERIFY(window.Data().ImageModified());
    const qv::RadioData before = window.Data();
    // OK on the clone dialog: COM1 leads to a device that does not exist, so the port fails.
    qv::test::OnNextModal(
        [](QWidget* dialog) { dialog->findChild<QPushButton*>("Command1")->click(); });
    shell.prompts.answers = {qv::PromptAnswer::No};
    window.OnToolClick("miRead");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(2));
    QCOMPARE(shell.prompts.messages[0].text, QString("File has been modified, save it now?"));
    QCOMPARE(shell.prompts.messages[1].icon, qv::PromptIcon::Exclamation);
    QCOMPARE(window.Clone()->FirstRow(), 1);
    QCOMPARE(window.Clone()->LastRow(), 26);
    QCOMPARE(window.Data().image, before.image);
    QCOMPARE(window.Data().baseline, before.baseline);
    QVERIFY(window.Data().ImageModified());  // still counted as unsaved
}

void TestMainWindow::writePreparesTheCopyRows() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(Channels(window).SetCellAsUser(3, 1, "W3"));
    qv::test::OnNextModal([](QWidget* dialog) { dialog->close(); });  // Cancel at once
    window.OnToolClick("miWrite");
    const qv::RadioImage& image = window.Data().image;
    QCOMPARE(int(image[0x171A]), 0);
    for (int row = 1; row <= 26; ++row) {
        for (int column = 0; column < 16; ++column) {
            QCOMPARE(image.at(row + 37, column), image.at(row, column));
        }
    }
    QCOMPARE(int(image[0x110 + 12]), int('W'));  // the grid was stored first
    QCOMPARE(window.Clone()->LastRow(), 63);
    QCOMPARE(window.Clone()->CloneMode(), qv::CloneMode::Write);
    QVERIFY(window.Data().ImageModified());  // the preparation is not part of the baseline

    // So Open asks about unsaved changes; Cancel ends it without a file dialog.
    shell.prompts.answers = {qv::PromptAnswer::Cancel};
    window.OnToolClick("miOpen");
    QCOMPARE(shell.prompts.messages.back().text, QString("File has been modified, save it now?"));
    QVERIFY(shell.prompts.fileRequests.empty());
}

void TestMainWindow::exitStoresTheOpenEditorsAndTheLanguage() {
    ShellFixture shell("0");
    qv::MainWindow& window = shell.Window();
    window.show();
    window.OnToolClick("miChinese");
    QVERIFY(Channels(window).SetCellAsUser(4, 1, "EXIT"));
    shell.prompts.answers = {qv::PromptAnswer::No};
    window.OnToolClick("miExit");
    QCOMPARE(int(window.Data().image[0x110 + 18]), int('E'));
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].text, QString("文件已被修改，是否保存？"));
    QVERIFY(!window.isVisible());
    QCOMPARE(shell.StoredLanguage(), QString("1"));
}

void TestMainWindow::aboutBoxShowsTheVersionAndOpensTheWebPage() {
    ShellFixture shell;
    for (const auto& [tool, title, line] :
         {std::tuple{"miEnglish", "About", "QV-730 Programming SoftWare V1.1.0"},
          std::tuple{"miChinese", "关于", "QV-730 编程软件 V1.1.0"}}) {
        shell.Window().OnToolClick(tool);
        qv::test::OnNextModal([&, title = QString(title), line = QString(line)](QWidget* about) {
            QCOMPARE(about->objectName(), QString("frmAbout"));
            QCOMPARE(about->windowTitle(), title);
            auto* label0 = about->findChild<QLabel*>("lblAbout_0");
            QCOMPARE(label0->text(), line);
            QVERIFY(about->findChild<QLabel*>("lblAbout_1")->isHidden());
            QTest::mouseClick(about->findChild<QLabel*>("lblAbout_3"), Qt::LeftButton);
            about->findChild<QPushButton*>("cmdOK")->click();
        });
        shell.Window().OnToolClick("miAbout");
    }
    QCOMPARE(shell.services.openedUrls, (QStringList{qv::kMakerWebAddress, qv::kMakerWebAddress}));
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
