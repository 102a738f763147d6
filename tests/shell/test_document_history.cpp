// The document's undo history through the real main window, offscreen: edits typed into the grid,
// Save, undo and redo with the keys and the Edit menu; editors switched in between; a CSV import
// and every settings window's OK undone byte for byte; the memory map's OK; and the commands as
// actions, the Edit menu in both languages.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include "data/data_file.h"
#include "editors/channel/channel_texts.h"
#include "editors/common/document_history.h"
#include "editors/memory_map/frm_memory_map.h"
#include "editors/memory_map/memory_map_model.h"
#include "shell/bar_layout.h"
#include "shell/command_actions.h"
#include "shell/frm_tree_view.h"
#include "shell/main_bar.h"
#include "shell_fixture.h"

using qv::Editor;
using qv::PromptAnswer;
using qv::test::Channels;
using qv::test::ShellFixture;
using namespace qv::channel;

namespace {

QAction* Command(qv::MainWindow& window, const char* name) {
    return window.Commands().Action(name);
}

QTableView* Grid(qv::MainWindow& window) {
    return window.findChild<QTableView*>("ChannelGrid");
}

// Types the text into a cell of the channel grid with the keyboard and commits it with Enter, as
// a user does: arrow onto the cell, type, Enter.
void TypeIntoCell(qv::MainWindow& window, int row, int column, const QString& text) {
    QTableView* grid = Grid(window);
    grid->setCurrentIndex(grid->model()->index(row - 1, column - 1));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Return);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    if (auto* box = qobject_cast<QComboBox*>(editor)) editor = box->lineEdit();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// A program with a file open (so the title has its "*") and the main window active.
void OpenPlan(ShellFixture& shell, QString* path = nullptr) {
    qv::MainWindow& window = shell.Window();
    const QString plan = shell.Folder() + "/plan.tw";
    QVERIFY(qv::SaveFile(plan, window.Data().image).ok);
    QVERIFY(window.OpenPath(plan));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (path) *path = plan;
}

// A row as a table freshly loaded from the image shows it: what an open editor must show.
QStringList LoadedRow(qv::MainWindow& window, const qv::UiTexts& texts, int row) {
    qv::RadioData copy = window.Data();
    qv::ChannelTable table(copy, texts);
    table.RefreshAll();
    return table.RowTexts(row);
}

bool Modified(qv::MainWindow& window) {
    window.UpdateModifiedMark();
    return window.isWindowModified();
}

}  // namespace

class TestDocumentHistory : public QObject {
    Q_OBJECT
private slots:
    void editSaveUndoRedoWithTheKeys();
    void switchingEditorsKeepsTheHistory();
    void importUndoneRestoresEveryByte_data();
    void importUndoneRestoresEveryByte();
    void settingsWindowStoresAreSteps_data();
    void settingsWindowStoresAreSteps();
    void memoryMapOkIsAStep();
    void aThousandEditsHoldLittleMemory();
    void editMenuInBothLanguages();
    void everyToolOfTheLayoutIsACommand();
};

void TestDocumentHistory::editSaveUndoRedoWithTheKeys() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QString plan;
    OpenPlan(shell, &plan);
    const QString before = Channels(window).Cell(3, kColRxFreq);

    TypeIntoCell(window, 3, kColRxFreq, "446.2");
    QCOMPARE(Channels(window).Cell(3, kColRxFreq), QString("446.20000"));
    QCOMPARE(Command(window, "miUndo")->text(), QString("Undo Type in Channel 3 RX Freq."));
    QVERIFY(Modified(window));

    // Save keeps the history and marks where the file stands in it.
    shell.prompts.saveNames = {plan};
    window.OnToolClick("miSave");
    QVERIFY(!Modified(window));
    QCOMPARE(window.History().Stack().count(), 1);
    QVERIFY(Command(window, "miUndo")->isEnabled());

    // Ctrl+Z takes the edit back: the data differs from the file again.
    Grid(window)->setFocus();
    QTest::keyClick(Grid(window), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Channels(window).Cell(3, kColRxFreq), before);
    QVERIFY(Modified(window));
    QCOMPARE(Command(window, "miRedo")->text(), QString("Redo Type in Channel 3 RX Freq."));
    // Ctrl+Y brings it back, which is the saved file: no mark.
    QTest::keyClick(Grid(window), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Channels(window).Cell(3, kColRxFreq), QString("446.20000"));
    QVERIFY(!Modified(window));
    QCOMPARE(window.windowTitle(), QString("QV-730 - plan.tw[*]"));

    // Undone past the save and saved again: the file holds the undone data, and the history
    // still reaches both.
    QTest::keyClick(Grid(window), Qt::Key_Z, Qt::ControlModifier);
    shell.prompts.saveNames = {plan};
    window.OnToolClick("miSave");
    QVERIFY(!Modified(window));
    qv::RadioData saved;
    QCOMPARE(qv::LoadFile(plan, saved), qv::LoadStatus::Ok);
    QCOMPARE(saved.image, window.Data().image);
    QTest::keyClick(Grid(window), Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(Modified(window));
}

void TestDocumentHistory::switchingEditorsKeepsTheHistory() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    OpenPlan(shell);
    const qv::RadioImage original = window.Data().image;
    TypeIntoCell(window, 2, kColName, "HILL");
    const qv::RadioImage named = window.Data().image;

    // The tree opens General Settings; a choice left in it (no OK) is the latest change, so Undo
    // takes it back, and the window shows that at once.
    QTreeWidget* tree = window.TreeView()->Tree0();
    emit tree->itemClicked(window.TreeView()->Node("Item2"), 0);
    QVERIFY(window.EditorVisible(Editor::Setting));
    auto* squelch = window.EditorOf(Editor::Setting)->findChild<QComboBox*>("Combo1_15");
    const int squelchBefore = squelch->currentIndex();
    squelch->setCurrentIndex((squelchBefore + 3) % squelch->count());
    Command(window, "miUndo")->trigger();
    QCOMPARE(squelch->currentIndex(), squelchBefore);
    QCOMPARE(window.Data().image, named);
    QCOMPARE(Command(window, "miRedo")->text(), QString("Redo General Settings"));

    // The channel edit, made in another editor, is undone from here too.
    QCOMPARE(Command(window, "miUndo")->text(), QString("Undo Type in Channel 2 CH Name"));
    Command(window, "miUndo")->trigger();
    QCOMPARE(window.Data().image, original);
    QVERIFY(!Modified(window));
    window.OnToolClick("miChannel");
    QCOMPARE(Channels(window).Cell(2, kColName), QString());

    // Redo both; each editor shows what it holds when it is shown.
    Command(window, "miRedo")->trigger();
    QCOMPARE(Channels(window).Cell(2, kColName), QString("HILL"));  // the open editor at once
    Command(window, "miRedo")->trigger();
    window.OnToolClick("miCommonSet");
    squelch = window.EditorOf(Editor::Setting)->findChild<QComboBox*>("Combo1_15");
    QCOMPARE(squelch->currentIndex(), (squelchBefore + 3) % squelch->count());
    QCOMPARE(window.History().Stack().count(), 2);
}

void TestDocumentHistory::importUndoneRestoresEveryByte_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("answer");  // the question of the common format, or -1 for none
    QTest::newRow("native") << QByteArray(
                                   "No.,CH Name,RX Freq.,RX CTCSS/DCS\n"
                                   "3,HILL,446.1,67.0\n"
                                   "9,NEW,445.5,D023N\n")
                            << -1;
    QTest::newRow("common, renumbered")
        << QByteArray(
               "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq\n"
               "1,RPT,446.018750,-,5.000000,Tone,94.8,88.5\n"
               "2,PMR,446.006250,,0.000000,TSQL,88.5,67.0\n")
        << int(PromptAnswer::Yes);
}

void TestDocumentHistory::importUndoneRestoresEveryByte() {
    QFETCH(QByteArray, csv);
    QFETCH(int, answer);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    OpenPlan(shell);
    const QString path = shell.Folder() + "/plan.csv";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    const qv::RadioImage before = window.Data().image;

    shell.prompts.openNames = {path};
    if (answer >= 0) shell.prompts.answers = {PromptAnswer(answer)};
    window.OnToolClick("miImportCsv");
    const qv::RadioImage imported = window.Data().image;
    QVERIFY(!(imported == before));
    QCOMPARE(window.History().Stack().count(), 1);
    QCOMPARE(Command(window, "miUndo")->text(), QString("Undo Import Channels"));

    Command(window, "miUndo")->trigger();
    QCOMPARE(window.Data().image, before);
    for (int row = 1; row <= kChannelRows; ++row) {
        QCOMPARE(Channels(window).RowTexts(row), LoadedRow(window, shell.services.texts, row));
    }
    QVERIFY(!Modified(window));
    Command(window, "miRedo")->trigger();
    QCOMPARE(window.Data().image, imported);
    QVERIFY(Modified(window));

    // A refused import is no step.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("No.,RX Freq.\n3,abc\n");
    file.close();
    shell.prompts.openNames = {path};
    window.OnToolClick("miImportCsv");
    QCOMPARE(window.Data().image, imported);
    QCOMPARE(window.History().Stack().count(), 1);
}

void TestDocumentHistory::settingsWindowStoresAreSteps_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("editor");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("chineseStep");
    QTest::newRow("General Settings, OK") << "miCommonSet" << int(Editor::Setting) << "Combo1_15"
                                          << "General Settings"
                                          << "整机设置";
    QTest::newRow("Audio Settings, OK") << "miAudio" << int(Editor::Audio) << "Combo1_2"
                                        << "Audio Settings"
                                        << "音频设置";
    QTest::newRow("Side Button Function Settings, OK")
        << "miKeySet" << int(Editor::Key) << "CboKey_1"
        << "Side Button Function Settings"
        << "侧键功能设置";
    // The customized tones have no OK: the main window stores them when another editor opens.
    QTest::newRow("Customized CTCSS/DCS, stored by a switch")
        << "miCustomizedSignal" << int(Editor::CustomizedSignal) << "TxtQT_0"
        << "Customized CTCSS/DCS"
        << "自定义亚音";
}

void TestDocumentHistory::settingsWindowStoresAreSteps() {
    QFETCH(QString, tool);
    QFETCH(int, editor);
    QFETCH(QString, control);
    QFETCH(QString, step);
    QFETCH(QString, chineseStep);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    OpenPlan(shell);
    const qv::RadioImage before = window.Data().image;

    window.OnToolClick(tool);
    qv::EditorWindow* settings = window.EditorOf(Editor(editor));
    QVERIFY(settings && window.EditorVisible(Editor(editor)));
    if (auto* list = settings->findChild<QComboBox*>(control)) {
        list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        auto* ok = settings->findChild<QPushButton*>("Command1_0");
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!window.EditorVisible(Editor(editor)));
    } else {
        auto* box = settings->findChild<QLineEdit*>(control);
        QVERIFY(box);
        box->setText("123.4");
        window.OnToolClick("miChannel");
    }
    const qv::RadioImage stored = window.Data().image;
    QVERIFY(!(stored == before));
    QCOMPARE(window.History().Stack().count(), 1);
    QCOMPARE(Command(window, "miUndo")->text(), "Undo " + step);

    window.OnToolClick("miChinese");
    QCOMPARE(Command(window, "miUndo")->text(), "撤销" + chineseStep);
    Command(window, "miUndo")->trigger();
    QCOMPARE(window.Data().image, before);
    QCOMPARE(Command(window, "miRedo")->text(), "重做" + chineseStep);
    Command(window, "miRedo")->trigger();
    QCOMPARE(window.Data().image, stored);

    // Opened again, the window shows the undone state.
    Command(window, "miUndo")->trigger();
    window.OnToolClick(tool);
    settings = window.EditorOf(Editor(editor));
    settings->StoreFinishedEdits();
    QCOMPARE(window.Data().image, before);
}

void TestDocumentHistory::memoryMapOkIsAStep() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    OpenPlan(shell);
    const qv::RadioImage before = window.Data().image;
    window.ShowMemoryMap();
    auto* map = window.findChild<qv::FrmMemoryMap*>("frmMemoryMap");
    QVERIFY(map);
    // Channel 1's name, byte by byte in the map.
    map->Model().CommitCell(0x11, 0, "5A");
    QTest::mouseClick(map->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCOMPARE(int(window.Data().image[0x110]), 0x5A);
    QCOMPARE(Channels(window).Cell(1, kColName).left(1), QString("Z"));  // shown at once
    QCOMPARE(Command(window, "miUndo")->text(), QString("Undo Memory Map"));
    Command(window, "miUndo")->trigger();
    QCOMPARE(window.Data().image, before);
    QCOMPARE(Channels(window).RowTexts(1), LoadedRow(window, shell.services.texts, 1));
}

void TestDocumentHistory::aThousandEditsHoldLittleMemory() {
    // A step keeps the bytes it changed, not the 16 KB image: 1,000 steps of two whole-image
    // copies would hold 32 MB.
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    for (int i = 0; i < 1000; ++i) {
        QVERIFY(Channels(window).SetCellAsUser(1 + i % 8, kColName, QString("N%1").arg(i)));
    }
    QCOMPARE(window.History().Stack().count(), 1000);
    const std::size_t held = window.History().HeldBytes();
    QVERIFY2(held < 1024 * 1024, qPrintable(QString::number(held)));
    for (int i = 0; i < 1000; ++i) Command(window, "miUndo")->trigger();
    QVERIFY(!window.Data().ImageModified());
}

void TestDocumentHistory::editMenuInBothLanguages() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    OpenPlan(shell);
    qv::MainBar& bar = window.Bar();
    // Between File and Radio Settings, apart from "miEdit" (the radio settings editors).
    QList<QAction*> entries;
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->isVisible()) entries << entry;
    }
    QCOMPARE(entries.value(0)->objectName(), QString("miFile"));
    QCOMPARE(entries.value(1)->objectName(), QString("miEditMenu"));
    QCOMPARE(entries.value(2)->objectName(), QString("miEdit"));
    QCOMPARE(entries.value(1)->text(), QString("Edit"));
    QMenu* edit = bar.Menu("miEditMenu");
    QVERIFY(edit && edit != bar.Menu("miEdit"));

    const char* names[] = {"miUndo", "miRedo", "miCut", "miCopy", "miPaste", "miDeleteChannels"};
    const QStringList english = {"Undo", "Redo", "Cu&t", "&Copy", "&Paste", "&Delete Channels"};
    const QStringList chinese = {"撤销",     "重做",     "剪切(&T)",
                                 "复制(&C)", "粘贴(&P)", "删除信道(&D)"};
    const QList<QKeySequence> keys = {QKeySequence::keyBindings(QKeySequence::Undo).value(0),
                                      QKeySequence::keyBindings(QKeySequence::Redo).value(0),
                                      QKeySequence(QKeySequence::Cut),
                                      QKeySequence(QKeySequence::Copy),
                                      QKeySequence(QKeySequence::Paste),
                                      QKeySequence(QKeySequence::Delete)};
    QList<QAction*> menuEntries;
    for (QAction* entry : edit->actions()) {
        if (!entry->isSeparator()) menuEntries << entry;
    }
    QList<QAction*> gridEntries;
    for (QAction* entry : Grid(window)->actions()) {
        if (!entry->isSeparator()) gridEntries << entry;
    }
    for (int i = 0; i < 6; ++i) {
        QAction* action = Command(window, names[i]);
        QCOMPARE(action->text(), english[i]);
        QCOMPARE(action->shortcut(), keys[i]);
        QCOMPARE(menuEntries.value(i), action);
        QCOMPARE(gridEntries.value(i), action);  // the grid's context menu: the same actions
    }
    QVERIFY(Command(window, "miRedo")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(Command(window, "miRedo")
                ->shortcuts()
                .contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    // What is enabled: nothing to undo yet; Copy and Paste with the grid; Cut and Delete
    // Channels with whole channels selected.
    QVERIFY(!Command(window, "miUndo")->isEnabled());
    QVERIFY(Command(window, "miCopy")->isEnabled() && Command(window, "miPaste")->isEnabled());
    QVERIFY(!Command(window, "miCut")->isEnabled());
    Grid(window)->selectRow(4);
    QVERIFY(Command(window, "miCut")->isEnabled() &&
            Command(window, "miDeleteChannels")->isEnabled());
    Command(window, "miCut")->trigger();
    QVERIFY(Channels(window).IsEmptyChannel(5));
    Grid(window)->setCurrentIndex(Grid(window)->model()->index(11, kColName - 1));
    Command(window, "miPaste")->trigger();
    QCOMPARE(Channels(window).Cell(12, kColRxFreq), QString("446.05625"));
    QCOMPARE(Command(window, "miUndo")->text(), QString("Undo Paste Channels"));
    window.OnToolClick("miCommonSet");
    for (const char* gridOnly : {"miCut", "miCopy", "miPaste", "miDeleteChannels"}) {
        QVERIFY2(!Command(window, gridOnly)->isEnabled(), gridOnly);
    }

    window.OnToolClick("miChinese");
    QCOMPARE(entries.value(1)->text(), QString("编辑"));
    QCOMPARE(Command(window, "miUndo")->text(), QString("撤销粘贴信道"));
    Command(window, "miUndo")->trigger();
    QCOMPARE(Command(window, "miUndo")->text(), QString("撤销剪切信道"));
    QCOMPARE(Command(window, "miRedo")->text(), QString("重做粘贴信道"));
    Command(window, "miUndo")->trigger();
    Command(window, "miRedo")->trigger();
    for (int i = 2; i < 6; ++i) QCOMPARE(Command(window, names[i])->text(), chinese[i]);
    window.History().Reset();
    QCOMPARE(Command(window, "miUndo")->text(), chinese[0]);
    QCOMPARE(Command(window, "miRedo")->text(), chinese[1]);
}

void TestDocumentHistory::everyToolOfTheLayoutIsACommand() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    // Every tool the layout names is a command with something bound to it, and every command
    // bound is a tool of the layout: a misspelt name fails here instead of doing nothing.
    QStringList bound;
    for (const auto& command : qv::MainWindow::CommandTable()) bound << command.name;
    QStringList tools;
    for (const qv::BandSpec& band : qv::BuiltInBarLayout()) {
        if (band.kind == qv::BandKind::Dock) continue;
        for (const qv::ToolSpec& tool : band.tools) {
            if (qv::DropDownBandOf(tool.name)) {
                QVERIFY2(window.Bar().Menu(qv::DropDownBandOf(tool.name)), tool.name);
                continue;
            }
            tools << tool.name;
            QVERIFY2(bound.contains(tool.name), tool.name);
            QVERIFY2(window.Commands().IsDefined(tool.name), tool.name);
            // One action wherever the tool is shown.
            QCOMPARE(window.Bar().Tool(band.name, tool.name), Command(window, tool.name));
        }
    }
    for (const QString& name : bound) QVERIFY2(tools.contains(name), qPrintable(name));
    QCOMPARE(window.findChildren<QAction*>("miSave").size(), 1);

    // A name that is no command is reported, and runs nothing.
    QVERIFY(!window.OnToolClick("MiChannel"));
    QVERIFY(!window.Commands().Define("miNoSuchTool", [] {}));
    // The tree's nodes trigger the same actions the menu shows.
    for (const char* key : {"Item2", "Item9", "Item10", "Item11"}) {
        QVERIFY2(Command(window, qPrintable(qv::FrmTreeView::CommandOf(key))), key);
    }
    int opened = 0;
    connect(Command(window, "miKeySet"), &QAction::triggered, this, [&opened] { ++opened; });
    emit window.TreeView()->Tree0()->itemClicked(window.TreeView()->Node("Item11"), 0);
    QCOMPARE(opened, 1);
    QVERIFY(window.EditorVisible(Editor::Key));
}

QTEST_MAIN(TestDocumentHistory)
#include "test_document_history.moc"
