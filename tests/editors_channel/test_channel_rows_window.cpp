// The channel window as a spreadsheet, driven with real keys and clicks offscreen: undo and redo
// of every change, rows selected by their numbers, copied and pasted as tab-separated text,
// deleted, and the context menu offering all of it in both languages.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "channel_test_support.h"
#include "codecs/channel_name.h"
#include "editors/channel/frm_channel.h"
#include "support/test_context.h"

using namespace qv;
using namespace qv::channel;
using namespace qv::test;

class TestChannelRowsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void undoAndRedoCellEdits();
    void undoingAChannelCreationLeavesTheImageUnmodified();
    void loadingClearsTheHistory();
    void rowNumbersSelectRowsAndDeleteEmptiesThem();
    void emptyRowsShowTheModeOfAFreshEditor_data();
    void emptyRowsShowTheModeOfAFreshEditor();
    void copiedRowsPasteBackAsTheyWere();
    void copyGivesSpreadsheetText();
    void pasteTakesSpreadsheetTextWithoutHeader();
    void badPasteChangesNothingAndNamesTheCell_data();
    void badPasteChangesNothingAndNamesTheCell();
    void pasteAtTheBandEdges();
    void contextMenuInBothLanguages();

private:
    QTableView* Grid() { return window_->findChild<QTableView*>("ChannelGrid"); }
    QString Cell(int row, int column) { return window_->Table().Cell(row, column); }
    QModelIndex IndexOf(int row, int column) { return Grid()->model()->index(row - 1, column - 1); }
    void GoTo(int row, int column) {
        Grid()->setCurrentIndex(IndexOf(row, column));
        Grid()->setFocus();
    }
    void ClickRowNumber(int row, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* numbers = Grid()->verticalHeader();
        const int y = numbers->sectionViewportPosition(row - 1) + numbers->sectionSize(row - 1) / 2;
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers,
                          QPoint(numbers->width() / 2, y));
    }
    // The cell editor open now (closed ones linger until the event loop deletes them).
    template <typename Editor>
    Editor* Open(const char* name) {
        for (Editor* editor : window_->findChildren<Editor*>(name)) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    QAction* Action(const char* name) { return Grid()->findChild<QAction*>(name); }
    void TypeName(int row, const QString& name) {
        GoTo(row, kColName);
        QTest::keyClick(Grid(), Qt::Key_Return);
        auto* editor = Open<QLineEdit>("TxtChannel");
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    RadioData data_;
    // A refused paste tells why in a message box: recorded here, never shown.
    std::unique_ptr<test::TestContext> services_;
    ScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<FrmChannel> window_;
};

void TestChannelRowsWindow::init() {
    services_ = std::make_unique<test::TestContext>();
    prompts_ = &services_->prompts;
    data_ = BlankRadio();
    PutRecord(data_.image, 1, SimplexRecord());
    EncodeChannelName(data_.image, 1, "BASE");
    PutRecord(data_.image, 2, "25 06 60 44 75 18 60 44 70 06 23 C0 6A 40 FE 12");  // repeater
    EncodeChannelName(data_.image, 2, "RPT");
    PutRecord(data_.image, 3, "25 06 60 44 FF FF FF FF 70 06 FF FF A9 40 FE FF");  // RX only
    PutBytes(data_.image, 0x170, "01 00");  // only channel 1 scans: saving keeps every byte
    data_.CopyToBaseline();
    window_ = std::make_unique<FrmChannel>(data_, services_->context);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    Grid()->setFocus();
}

void TestChannelRowsWindow::cleanup() {
    window_.reset();
    services_.reset();
}

void TestChannelRowsWindow::undoAndRedoCellEdits() {
    TypeName(1, "ONE");
    GoTo(2, kColScan);
    QTest::keyClick(Grid(), Qt::Key_Return);
    auto* list = Open<QComboBox>("CboChannel_1");
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Cell(1, kColName), QStringLiteral("ONE"));
    QCOMPARE(Cell(2, kColScan), QStringLiteral("Yes"));
    QCOMPARE(window_->UndoStack().count(), 2);

    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Cell(2, kColScan), QStringLiteral("No"));
    QCOMPARE(Cell(1, kColName), QStringLiteral("ONE"));
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Cell(1, kColName), QStringLiteral("BASE"));
    QTest::keyClick(Grid(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Cell(1, kColName), QStringLiteral("ONE"));
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(Cell(2, kColScan), QStringLiteral("Yes"));

    // An editor opened and left unchanged, or closed with Esc, is no step.
    GoTo(1, kColName);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QTest::keyClick(Open<QLineEdit>("TxtChannel"), Qt::Key_Return);
    GoTo(1, kColName);
    QTest::keyClick(Grid(), 'x');
    QTest::keyClick(Open<QLineEdit>("TxtChannel"), Qt::Key_Escape);
    QCOMPARE(window_->UndoStack().count(), 2);
}

void TestChannelRowsWindow::undoingAChannelCreationLeavesTheImageUnmodified() {
    for (int address = 0x2000; address < 0x2060; ++address) data_.image[address] = 0x5A;
    data_.CopyToBaseline();
    window_->RefreshAll();

    GoTo(7, kColName);
    QTest::keyClicks(Grid(), "4");
    auto* editor = Open<QComboBox>("CboFreq");
    QTest::keyClicks(editor->lineEdit(), "46.1");
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QCOMPARE(Cell(7, kColRxFreq), QStringLiteral("446.10000"));
    QCOMPARE(Hex(data_.image, 0x2000 + 5 * 7, 5), QStringLiteral("FF FF FF FF FF"));
    TypeName(7, "NEW");
    TypeName(1, "CHG");

    Grid()->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window_->Table().IsEmptyChannel(7));
    QVERIFY(window_->UndoStack().isClean());
    window_->SaveData();
    QVERIFY(!data_.ImageModified());

    // Redo brings the channel back with the bytes its creation wrote.
    for (int i = 0; i < 3; ++i) QTest::keyClick(Grid(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Cell(7, kColName), QStringLiteral("NEW"));
    QCOMPARE(Hex(data_.image, 16 * 7 + 13, 2), QStringLiteral("40 FE"));
    QCOMPARE(Hex(data_.image, 0x2000 + 5 * 7, 5), QStringLiteral("FF FF FF FF FF"));
}

void TestChannelRowsWindow::loadingClearsTheHistory() {
    // On its own the window is its document: a load starts the history afresh. The edit was
    // stored into the image as it was made, so the load shows it.
    TypeName(1, "ONE");
    QCOMPARE(DecodeChannelName(data_.image, 1), QStringLiteral("ONE"));
    QCOMPARE(Action("actUndo")->text(), QStringLiteral("Undo Type in Channel 1 CH Name"));
    window_->RefreshAll();
    QCOMPARE(window_->UndoStack().count(), 0);
    QVERIFY(!Action("actUndo")->isEnabled());
    QCOMPARE(Action("actUndo")->text(), QStringLiteral("Undo"));
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Cell(1, kColName), QStringLiteral("ONE"));
}

void TestChannelRowsWindow::rowNumbersSelectRowsAndDeleteEmptiesThem() {
    ClickRowNumber(1);
    ClickRowNumber(3, Qt::ShiftModifier);
    QCOMPARE(Grid()->selectionModel()->selectedRows().size(), 3);
    ClickRowNumber(2, Qt::ControlModifier);  // Ctrl takes one row out again
    QCOMPARE(Grid()->selectionModel()->selectedRows().size(), 2);
    const QStringList second = window_->Table().RowTexts(2);

    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Delete);
    QVERIFY(window_->Table().IsEmptyChannel(1));
    QVERIFY(window_->Table().IsEmptyChannel(3));
    QCOMPARE(window_->Table().RowTexts(2), second);
    QCOMPARE(window_->UndoStack().count(), 1);
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16, 16), QString("FF ").repeated(15) + "FF");

    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Cell(1, kColName), QStringLiteral("BASE"));
    QCOMPARE(Cell(3, kColMode), QStringLiteral("RX only"));
    window_->SaveData();
    QVERIFY(!data_.ImageModified());

    // A Ctrl or Shift click extends the selection and opens no editor.
    const QRect name = Grid()->visualRect(IndexOf(2, kColName));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, name.center());
    QVERIFY(!Open<QLineEdit>("TxtChannel"));

    // Delete with no whole row selected deletes nothing.
    GoTo(1, kColName);
    QTest::keyClick(Grid(), Qt::Key_Delete);
    QVERIFY(!window_->Table().IsEmptyChannel(1));
}

void TestChannelRowsWindow::emptyRowsShowTheModeOfAFreshEditor_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("repeater");
    QTest::newRow("English") << int(Language::English) << "Repeater";
    QTest::newRow("Chinese") << int(Language::Chinese) << "中继";
}

// Deleting channels, or loading data where a channel is empty (a Read, New), leaves no word of
// the channel that was there: the Mode cell reads as in a freshly opened editor.
void TestChannelRowsWindow::emptyRowsShowTheModeOfAFreshEditor() {
    QFETCH(int, language);
    QFETCH(QString, repeater);
    services_->context.SetLanguage(Language(language));
    RadioData blank = BlankRadio();
    const QString fresh = FrmChannel(blank, services_->context).Table().Cell(13, kColMode);
    QVERIFY(!fresh.isEmpty());
    window_->RefreshAll();
    QCOMPARE(Cell(2, kColMode), repeater);

    ClickRowNumber(2);
    ClickRowNumber(3, Qt::ShiftModifier);
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_Delete);
    QCOMPARE(Cell(2, kColMode), fresh);
    QCOMPARE(Cell(3, kColMode), fresh);
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Cell(2, kColMode), repeater);

    PutRecord(data_.image, 13, "25 06 60 44 75 18 60 44 70 06 23 C0 6A 40 FE 12");
    window_->RefreshAll();
    QCOMPARE(Cell(13, kColMode), repeater);
    PutRecord(data_.image, 13, QString("FF ").repeated(16));  // the radio read has no channel 13
    window_->RefreshAll();
    QCOMPARE(Cell(13, kColMode), fresh);
    // A channel created there starts as a fresh editor's does: TX follows RX.
    QVERIFY(window_->Table().SetCellAsUser(13, kColRxFreq, "446.1"));
    QVERIFY(window_->Table().SetCellAsUser(13, kColRxFreq, "446.2"));
    QCOMPARE(Cell(13, kColTxFreq), QStringLiteral("446.20000"));
}

void TestChannelRowsWindow::copiedRowsPasteBackAsTheyWere() {
    // Every channel copied and pasted over itself gives back every byte.
    Grid()->selectAll();
    Grid()->setFocus();
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    GoTo(1, kColName);
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(prompts_->messages.empty());
    window_->SaveData();
    QVERIFY(!data_.ImageModified());

    // Rows 1-3 pasted at row 10 make channels 10-12 their copies, in one undo step.
    ClickRowNumber(1);
    ClickRowNumber(3, Qt::ShiftModifier);
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    GoTo(10, kColRxTone);
    const int steps = window_->UndoStack().count();
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(prompts_->messages.size(), std::size_t(0));
    QCOMPARE(window_->UndoStack().count(), steps + 1);
    for (int i = 0; i < 3; ++i) {
        QStringList pasted = window_->Table().RowTexts(10 + i);
        QStringList copied = window_->Table().RowTexts(1 + i);
        pasted.removeFirst();
        copied.removeFirst();
        QCOMPARE(pasted, copied);
    }
    QVERIFY(window_->Table().IsDisplayOnly(10, kColTxFreq));  // simplex, as the original
    QCOMPARE(Grid()->selectionModel()->selectedRows().size(), 3);
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16 * 11, 13), Hex(data_.image, 16 * 2, 13));
    QCOMPARE(DecodeChannelName(data_.image, 11), QStringLiteral("RPT"));
    QCOMPARE(Hex(data_.image, 16 * 11 + 13, 2), QStringLiteral("40 FE"));  // created channels
    QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
    for (int row = 10; row <= 12; ++row) QVERIFY(window_->Table().IsEmptyChannel(row));
}

void TestChannelRowsWindow::copyGivesSpreadsheetText() {
    GoTo(2, kColName);  // no row selected: the current row
    QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].split(u'\t'),
             (QStringList{"No.", "CH Name", "Mode", "RX Freq.", "RX CTCSS/DCS", "TX Freq.",
                          "TX CTCSS/DCS", "TX Power", "Bandwidth", "Scan", "Busy Lock",
                          "Reverse Burst", "Talk Around"}));
    QCOMPARE(lines[1].split(u'\t'),
             (QStringList{"2", "RPT", "Repeater", "446.00625", "67.0", "446.01875", "D023I", "Low",
                          "Narrow", "No", "Carrier", "On", "No"}));
}

void TestChannelRowsWindow::pasteTakesSpreadsheetTextWithoutHeader() {
    // As a spreadsheet copies two rows: no header, CR LF line ends, a quoted name.
    GoTo(5, kColMode);
    QVERIFY(
        window_->PasteRowsText("9\t\"A\"\"B\"\t\t446.1\t67\t\t\t\t\tYes\tOff\tOn\tNo\r\n"
                               "\tCH2\t\t446.2\t\t446.3\tD023N\t\t\tNo\t\t\t\r\n"));
    QCOMPARE(Cell(5, kColName), QStringLiteral("A\"B"));
    QCOMPARE(Cell(5, kColRxTone), QStringLiteral("1 - 67.0Hz"));
    QCOMPARE(Cell(5, kColMode), QStringLiteral("RX only"));  // an empty TX Freq. field
    QCOMPARE(Cell(6, kColTxTone), QStringLiteral("39 - D023N"));
    QCOMPARE(Cell(6, kColMode), QStringLiteral("Repeater"));
    QCOMPARE(Cell(6, kColScan), QStringLiteral("No"));
    QVERIFY(window_->Table().IsEmptyChannel(9));  // the number in the text is not where it goes
    QCOMPARE(window_->UndoStack().count(), 1);
}

void TestChannelRowsWindow::badPasteChangesNothingAndNamesTheCell_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString header = "No.\tCH Name\tRX Freq.\tRX CTCSS/DCS\n";
    QTest::newRow("bad tone on the second line")
        << 4 << header + "1\tA\t446.1\t67.0\n2\tB\t446.2\t69.3\n"
        << "channel 5, column \"RX CTCSS/DCS\"";
    QTest::newRow("not a frequency") << 1 << "1\tA\t\tabc\n"
                                     << "channel 1, column \"RX Freq.\"";
    QTest::newRow("too many rows") << 15 << header + "1\t\t\t\n2\t\t\t\n3\t\t\t\n"
                                   << "from channel 15 on only 2 fit";
    QTest::newRow("nothing") << 1 << "\n \t \n"
                             << "no channels";
    QTest::newRow("long name") << 2 << "\tTOOLONGNAME\t\t446.1\n"
                               << "channel 2, column \"CH Name\"";
    // Outside the band, far or by one raster step, nothing is pasted: no channel is moved to
    // the band edge.
    const QString band = " is outside this radio's band (400.00000 to 480.00000 MHz)";
    const QString columns = "No.\tCH Name\tRX Freq.\tTX Freq.\n";
    QTest::newRow("a 2 m channel") << 3 << columns + "1\t2M\t147.38\t147.38\n"
                                   << "channel 3, column \"RX Freq.\": 147.38000 MHz" + band;
    QTest::newRow("a 162 MHz receiver") << 3 << columns + "1\tWX\t162.55\t\n"
                                        << "channel 3, column \"RX Freq.\": 162.55000 MHz" + band;
    QTest::newRow("an 800 MHz channel") << 3 << columns + "1\tTRUNK\t851.0125\t851.0125\n"
                                        << "channel 3, column \"RX Freq.\": 851.01250 MHz" + band;
    QTest::newRow("a repeater whose offset leaves the band")
        << 3 << columns + "1\tRPT\t446.1\t486.1\n"
        << "channel 3, column \"TX Freq.\": 486.10000 MHz" + band;
    QTest::newRow("one step below the lower edge")
        << 3 << columns + "1\tLOW\t399.995\t\n"
        << "channel 3, column \"RX Freq.\": 399.99500 MHz" + band;
    QTest::newRow("one step above the upper edge")
        << 3 << columns + "1\tHIGH\t480.005\t\n"
        << "channel 3, column \"RX Freq.\": 480.00500 MHz" + band;
    // A word from elsewhere is no channel: it must not empty the channel it lands on.
    QTest::newRow("a single word") << 1 << "hello"
                                   << "channel 1: the line has 1 fields";
}

void TestChannelRowsWindow::badPasteChangesNothingAndNamesTheCell() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, message);
    ScriptedPrompts& prompts = *prompts_;
    const ChannelTableState before = window_->Table().State();
    const RadioImage image = data_.image;

    GoTo(row, kColName);
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(prompts.messages.size(), std::size_t(1));
    QVERIFY2(prompts.messages[0].text.contains(message), qPrintable(prompts.messages[0].text));
    QVERIFY(prompts.messages[0].text.startsWith("The channels cannot be pasted: "));
    QCOMPARE(prompts.messages[0].title, QStringLiteral("QV-730"));
    QVERIFY(window_->Table().State() == before);
    QVERIFY(data_.image == image);
    QCOMPARE(window_->UndoStack().count(), 0);
}

// What snapping puts on the band edges is the edge; a refused paste says why in Chinese too.
void TestChannelRowsWindow::pasteAtTheBandEdges() {
    GoTo(3, kColName);
    QGuiApplication::clipboard()->setText(
        "No.\tCH Name\tRX Freq.\tTX Freq.\n"
        "1\tEDGE\t399.99999\t480.00499\n");
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(prompts_->messages.empty());
    QCOMPARE(Cell(3, kColRxFreq), QStringLiteral("400.00000"));
    QCOMPARE(Cell(3, kColTxFreq), QStringLiteral("480.00000"));

    services_->texts.SetLanguage(Language::Chinese);
    window_->RefreshAll();
    GoTo(4, kColName);
    QGuiApplication::clipboard()->setText("1\tWX\t\t162.55\n");
    QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(prompts_->messages.size(), std::size_t(1));
    QCOMPARE(prompts_->messages[0].text,
             QStringLiteral("无法粘贴信道：信道 4，列“接收频率”：162.55000 MHz 超出本机频段"
                            "（400.00000 至 480.00000 MHz）"));
}

void TestChannelRowsWindow::contextMenuInBothLanguages() {
    QCOMPARE(Grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    const char* names[] = {"actUndo", "actRedo", "actCut", "actCopy", "actPaste", "actDelete"};
    const QStringList english{"Undo", "Redo", "Cut", "Copy", "Paste", "Delete Channels"};
    const QStringList chinese{"撤销", "重做", "剪切", "复制", "粘贴", "删除信道"};
    for (int i = 0; i < 6; ++i) QCOMPARE(Action(names[i])->text(), english[i]);
    QVERIFY(!Action("actUndo")->isEnabled());
    services_->context.SetLanguage(Language::Chinese);
    window_->RefreshAll();
    for (int i = 0; i < 6; ++i) QCOMPARE(Action(names[i])->text(), chinese[i]);

    // The menu's entries do what the keys do; Delete channels only while rows are selected.
    QVERIFY(!Action("actDelete")->isEnabled());
    ClickRowNumber(2);
    QVERIFY(Action("actDelete")->isEnabled());
    Action("actDelete")->trigger();
    QVERIFY(window_->Table().IsEmptyChannel(2));
    QVERIFY(Action("actUndo")->isEnabled());
    QCOMPARE(Action("actUndo")->text(), QStringLiteral("撤销删除信道"));
    Action("actUndo")->trigger();
    QCOMPARE(Cell(2, kColName), QStringLiteral("RPT"));
    QCOMPARE(Cell(2, kColMode), QStringLiteral("中继"));
    QCOMPARE(Action("actRedo")->text(), QStringLiteral("重做删除信道"));

    // Cut takes the selected channels to the clipboard and empties them, in one step.
    ClickRowNumber(1);
    QVERIFY(Action("actCut")->isEnabled());
    Action("actCut")->trigger();
    QVERIFY(window_->Table().IsEmptyChannel(1));
    QVERIFY(QGuiApplication::clipboard()->text().contains("BASE"));
    QCOMPARE(Action("actUndo")->text(), QStringLiteral("撤销剪切信道"));
    // A refused paste says so in Chinese too.
    QVERIFY(!window_->PasteRowsText("hello"));
    QVERIFY(prompts_->messages.back().text.startsWith(QStringLiteral("无法粘贴信道：")));
}

QTEST_MAIN(TestChannelRowsWindow)
#include "test_channel_rows_window.moc"
