// The channel window driven with real keys and clicks, offscreen: which editor opens where, how
// it commits, where Enter goes, and the two service keys.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "channel_test_support.h"
#include "codecs/channel_name.h"
#include "data/data_file.h"
#include "editors/channel/frm_channel.h"
#include "support/test_context.h"

using namespace qv;
using namespace qv::channel;
using namespace qv::test;

class TestChannelWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTheTableWithItsNamesAndColours();
    void clickOnAnEmptyRowOpensItsRxFrequency();
    void clickOnModeOrLockedCellsOpensNothing();
    void typedDigitOpensTheFrequencyEditorAndEnterCreatesAChannel();
    void frequencyListEntryAndUnchangedText();
    void emptyListEntryDeletesTheChannel();
    void txFrequencyEnterDerivesModeAndMovesOn();
    void leavingAnEditorCommitsIt();
    void nameEditorKeys();
    void optionListEnterMoves_data();
    void optionListEnterMoves();
    void toneChosenOnSimplexRowFollowsToTx();
    void saveDataAndClosingCommitTheOpenEditor();
    void languageSwitchRebuildsTheTexts();
    void memoryMapKeyAsksForTheMemoryMap();
    void templateKeySavesWhatTheGridShows();

private:
    QTableView* Grid() { return window_->findChild<QTableView*>("ChannelGrid"); }
    // The cell editors exist while they are open.
    QComboBox* Combo(const char* name) { return OpenEditor<QComboBox>(name); }
    QLineEdit* NameEditor() { return OpenEditor<QLineEdit>("TxtChannel"); }
    template <typename Editor>
    Editor* OpenEditor(const char* name) {
        for (Editor* editor : window_->findChildren<Editor*>(name)) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    bool NoEditorOpen() {
        return !Combo("CboFreq") && !Combo("CboChannel_0") && !Combo("CboChannel_1") &&
               !NameEditor();
    }
    // The colour the grid paints a cell with.
    QRgb CellColour(int row, int column) {
        const QImage shot = Grid()->viewport()->grab().toImage();
        const QRect cell = Grid()->visualRect(IndexOf(row, column));
        return shot.pixel(cell.left() + 3, cell.top() + 2);
    }
    QString Cell(int row, int column) { return window_->Table().Cell(row, column); }
    QModelIndex IndexOf(int row, int column) { return Grid()->model()->index(row - 1, column - 1); }
    void Click(int row, int column) {
        Grid()->scrollTo(IndexOf(row, column));
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          Grid()->visualRect(IndexOf(row, column)).center());
    }
    void GoTo(int row, int column) {
        Grid()->setCurrentIndex(IndexOf(row, column));
        Grid()->setFocus();
    }
    void Recreate();

    RadioData data_;
    QTemporaryDir appFolder_;  // where the template key stores default.tw
    std::unique_ptr<test::TestContext> services_;
    std::unique_ptr<FrmChannel> window_;
};

void TestChannelWindow::init() {
    data_ = BlankRadio();
    PutRecord(data_.image, 1, SimplexRecord());
    EncodeChannelName(data_.image, 1, "BASE");
    PutRecord(data_.image, 2, "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF");  // repeater
    PutRecord(data_.image, 3, "25 06 60 44 FF FF FF FF FF FF FF FF 28 40 FE FF");  // RX only
    Recreate();
}

void TestChannelWindow::Recreate() {
    window_.reset();
    if (!services_) services_ = std::make_unique<test::TestContext>(appFolder_.path());
    window_ = std::make_unique<FrmChannel>(data_, services_->context);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    Grid()->setFocus();
}

void TestChannelWindow::cleanup() {
    window_.reset();
    services_.reset();
}

void TestChannelWindow::showsTheTableWithItsNamesAndColours() {
    QCOMPARE(window_->objectName(), QStringLiteral("frmChannel"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Channels"));
    QCOMPARE(window_->findChild<QLabel*>("lblTitle_0")->text(), QStringLiteral("Channels"));
    QVERIFY(NoEditorOpen());
    QAbstractItemModel* model = Grid()->model();
    QCOMPARE(model->rowCount(), 16);
    QCOMPARE(model->columnCount(), 12);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("CH Name"));
    QCOMPARE(model->headerData(15, Qt::Vertical).toString(), QStringLiteral("16"));
    QCOMPARE(IndexOf(1, kColName).data().toString(), QStringLiteral("BASE"));
    // With room for all, each column has its width in twips.
    window_->resize(TwipsToPixels(20000), window_->height());
    QTRY_COMPARE(Grid()->columnWidth(kColRxTone - 1), TwipsToPixels(1600));
    QCOMPARE(Grid()->verticalHeader()->width(), TwipsToPixels(750));
    // Display-only cells look different; editable ones keep the view's colour.
    const QRgb shadow = Grid()->palette().color(QPalette::Dark).rgb();
    QCOMPARE(CellColour(1, kColMode), shadow);
    QCOMPARE(CellColour(1, kColTxFreq), shadow);
    QVERIFY(CellColour(2, kColTxFreq) != shadow);
    QVERIFY(CellColour(1, kColRxFreq) != shadow);
    QCOMPARE(window_->CurRow(), 1);
    QCOMPARE(window_->CurCol(), 1);
}

void TestChannelWindow::clickOnAnEmptyRowOpensItsRxFrequency() {
    Click(7, kColRxTone);
    QCOMPARE(window_->CurCol(), int(kColRxFreq));
    QVERIFY(Combo("CboFreq"));
    QVERIFY(Combo("CboFreq")->hasFocus());
    const QRect cell = Grid()->visualRect(IndexOf(7, kColRxFreq));
    QCOMPARE(Combo("CboFreq")->x(), cell.x());
    QCOMPARE(Combo("CboFreq")->width(), cell.width() + TwipsToPixels(150));
    // On a row without TX frequency the TX tone sends to the TX frequency, which is locked.
    Click(3, kColTxTone);
    QCOMPARE(window_->CurCol(), int(kColTxFreq));
    QVERIFY(!Combo("CboFreq"));
}

void TestChannelWindow::clickOnModeOrLockedCellsOpensNothing() {
    for (int column : {int(kColMode), int(kColPower), int(kColBandwidth), int(kColTxTone)}) {
        Click(1, column);
        QCOMPARE(window_->CurCol(), column);
        for (const char* name : {"CboFreq", "CboChannel_0", "CboChannel_1"}) {
            QVERIFY(!Combo(name));
        }
        QVERIFY(!NameEditor());
    }
    // Keys on the Mode cell of an empty row go to its RX frequency first.
    GoTo(9, kColMode);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QCOMPARE(window_->CurCol(), int(kColRxFreq));
    QVERIFY(Combo("CboFreq"));
}

void TestChannelWindow::typedDigitOpensTheFrequencyEditorAndEnterCreatesAChannel() {
    GoTo(5, kColName);
    QTest::keyClick(Grid(), '4');
    QCOMPARE(window_->CurCol(), int(kColRxFreq));
    QComboBox* editor = Combo("CboFreq");
    QVERIFY(editor->isVisible());
    // The digit opens the editor and is its first character.
    QCOMPARE(editor->currentText(), QStringLiteral("4"));
    QCOMPARE(editor->lineEdit()->cursorPosition(), 1);
    QCOMPARE(editor->count(), 9);
    QTest::keyClicks(editor->lineEdit(), "46.0063");
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QVERIFY(Grid()->hasFocus());
    QCOMPARE(window_->CurCol(), int(kColRxTone));
    QCOMPARE(window_->Table().RowTexts(5),
             (QStringList{"5", "", "Simplex", "446.00625", "None", "446.00625", "None", "Low",
                          "Narrow", "Yes", "Off", "On", "No"}));
    QCOMPARE(editor->count(), 9);  // typed text is not added to the list
    QCOMPARE(int(data_.image.at(5, 13)), 0x40);
}

void TestChannelWindow::frequencyListEntryAndUnchangedText() {
    PutRecord(data_.image, 1, "00 50 60 44 00 50 60 44 FF FF FF FF 28 40 FE FF");  // 446.05
    window_->RefreshAll();
    GoTo(1, kColRxFreq);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QComboBox* editor = Combo("CboFreq");
    QCOMPARE(editor->currentIndex(), -1);
    QCOMPARE(editor->currentText(), QStringLiteral("446.05000"));
    QTest::keyClick(editor->lineEdit(), Qt::Key_Return);
    QCOMPARE(Cell(1, kColRxFreq), QStringLiteral("446.05000"));

    GoTo(1, kColRxFreq);
    QTest::keyClick(Grid(), '.');
    editor = Combo("CboFreq");
    editor->setCurrentIndex(3);  // as chosen from the list
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Cell(1, kColRxFreq), QStringLiteral("446.03125"));
    QCOMPARE(Cell(1, kColTxFreq), QStringLiteral("446.03125"));  // simplex: TX follows
}

void TestChannelWindow::emptyListEntryDeletesTheChannel() {
    Click(2, kColRxFreq);
    QComboBox* editor = Combo("CboFreq");
    QCOMPARE(editor->currentText(), QStringLiteral("446.00625"));
    editor->setCurrentIndex(0);
    QTest::keyClick(editor, Qt::Key_Return);
    QStringList expected(kTableColumns, QString());
    expected[0] = "2";
    expected[kColMode] = "Simplex";  // as in a freshly opened editor, not the deleted mode
    QCOMPARE(window_->Table().RowTexts(2), expected);
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 2 * 16, 4), QStringLiteral("FF FF FF FF"));
}

void TestChannelWindow::txFrequencyEnterDerivesModeAndMovesOn() {
    GoTo(2, kColTxFreq);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QTest::keyClicks(Combo("CboFreq")->lineEdit(), "446.00625");
    QTest::keyClick(Combo("CboFreq")->lineEdit(), Qt::Key_Return);
    QCOMPARE(Cell(2, kColMode), QStringLiteral("Simplex"));
    QVERIFY(window_->Table().IsDisplayOnly(2, kColTxFreq));
    QCOMPARE(window_->CurCol(), int(kColTxTone));
}

void TestChannelWindow::leavingAnEditorCommitsIt() {
    GoTo(1, kColRxFreq);
    QTest::keyClick(Grid(), '4');
    QTest::keyClicks(Combo("CboFreq")->lineEdit(), "46.1");
    Click(2, kColName);  // focus leaves the editor for the grid
    QCOMPARE(Cell(1, kColRxFreq), QStringLiteral("446.10000"));
    QCOMPARE(Cell(1, kColTxFreq), QStringLiteral("446.10000"));
    QVERIFY(!Combo("CboFreq"));
    QVERIFY(NameEditor());  // the click opened the clicked cell's editor
    QCOMPARE(window_->CurRow(), 2);

    NameEditor()->setText("NEW");
    window_->findChild<QLabel*>("lblTitle_0")->setFocusPolicy(Qt::StrongFocus);
    window_->findChild<QLabel*>("lblTitle_0")->setFocus();
    QCOMPARE(Cell(2, kColName), QStringLiteral("NEW"));
    QCOMPARE(window_->CurCol(), int(kColName));  // focus loss does not move
}

void TestChannelWindow::nameEditorKeys() {
    GoTo(1, kColName);
    QTest::keyClick(Grid(), 'a');
    QLineEdit* editor = NameEditor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("A"));
    QCOMPARE(editor->cursorPosition(), 1);
    QTest::keyClicks(editor, "b{|}~1");  // { | } ~ lie above code 122
    QCOMPARE(editor->text(), QStringLiteral("Ab1"));
    QTest::keyClicks(editor, "23456");
    QCOMPARE(editor->text(), QStringLiteral("Ab1234"));  // six at most
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QVERIFY(Grid()->hasFocus());
    QCOMPARE(Cell(1, kColName), QStringLiteral("BASE"));

    QTest::keyClick(Grid(), Qt::Key_Return);
    editor = NameEditor();
    QCOMPARE(editor->selectedText(), QStringLiteral("BASE"));
    QTest::keyClicks(editor, "z z");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Cell(1, kColName), QStringLiteral("z z"));
    QCOMPARE(window_->CurCol(), int(kColMode));
    // A stored name with characters above 122 can still be edited around them.
    EncodeChannelName(data_.image, 1, "A|B");
    window_->RefreshAll();
    GoTo(1, kColName);
    QTest::keyClick(Grid(), Qt::Key_Return);
    editor = NameEditor();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, "C~");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Cell(1, kColName), QStringLiteral("A|C"));
    // Keys that are neither letters nor digits open nothing.
    GoTo(1, kColName);
    QTest::keyClick(Grid(), '-');
    QVERIFY(NoEditorOpen());
}

void TestChannelWindow::optionListEnterMoves_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");  // 0: the choice is left as it is
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("next");
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    QTest::newRow("scan to busy lock") << 1 << int(kColScan) << up << "No" << int(kColBusyLock);
    QTest::newRow("unchanged scan") << 1 << int(kColScan) << 0 << "Yes" << int(kColBusyLock);
    QTest::newRow("talk around to name")
        << 1 << int(kColTalkAround) << up << "Yes" << int(kColName);
    QTest::newRow("busy lock") << 1 << int(kColBusyLock) << down << "Carrier Squelch"
                               << int(kColReverseBurst);
    QTest::newRow("repeater rx tone to tx freq")
        << 2 << int(kColRxTone) << down << "1 - 67.0Hz" << int(kColTxFreq);
    QTest::newRow("rx only rx tone to scan")
        << 3 << int(kColRxTone) << 0 << "None" << int(kColScan);
}

void TestChannelWindow::optionListEnterMoves() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(QString, cell);
    QFETCH(int, next);
    GoTo(row, column);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QComboBox* editor = Combo(column == kColRxTone ? "CboChannel_0" : "CboChannel_1");
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->currentText(), Cell(row, column));
    if (key != 0) QTest::keyClick(editor, Qt::Key(key));
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QCOMPARE(Cell(row, column), cell);
    QCOMPARE(window_->CurCol(), next);
    QVERIFY(Grid()->hasFocus());
}

void TestChannelWindow::toneChosenOnSimplexRowFollowsToTx() {
    Click(1, kColRxTone);
    QComboBox* editor = Combo("CboChannel_0");
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->count(), 1 + 38 + 83 + 83);
    QCOMPARE(editor->itemText(0), QStringLiteral("None"));
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(Cell(1, kColRxTone), QStringLiteral("2 - 71.9Hz"));
    QCOMPARE(Cell(1, kColTxTone), QStringLiteral("2 - 71.9Hz"));
    QCOMPARE(window_->CurCol(), int(kColScan));
    // Esc closes a list and keeps the cell as it was.
    Click(1, kColScan);
    QTest::keyClick(Combo("CboChannel_1"), Qt::Key_Down);
    QTest::keyClick(Combo("CboChannel_1"), Qt::Key_Escape);
    QVERIFY(NoEditorOpen());
    QCOMPARE(Cell(1, kColScan), QStringLiteral("Yes"));
}

void TestChannelWindow::saveDataAndClosingCommitTheOpenEditor() {
    GoTo(1, kColName);
    QTest::keyClick(Grid(), 'q');
    window_->SaveData();
    QVERIFY(!NameEditor());
    QCOMPARE(DecodeChannelName(data_.image, 1), QStringLiteral("Q"));

    GoTo(1, kColName);
    QTest::keyClick(Grid(), 'w');
    window_->close();
    QCOMPARE(DecodeChannelName(data_.image, 1), QStringLiteral("W"));
}

void TestChannelWindow::languageSwitchRebuildsTheTexts() {
    services_->context.SetLanguage(Language::Chinese);
    window_->RefreshAll();
    QCOMPARE(window_->windowTitle(), QStringLiteral("信道"));
    QCOMPARE(window_->findChild<QLabel*>("lblTitle_0")->text(), QStringLiteral("信道"));
    QCOMPARE(Grid()->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("脱网"));
    QCOMPARE(Cell(1, kColMode), QStringLiteral("单工"));
    QCOMPARE(Cell(9, kColMode), QStringLiteral("单工"));
    GoTo(1, kColTalkAround);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QCOMPARE(Combo("CboChannel_1")->itemText(0), QStringLiteral("是"));
    QTest::keyClick(Combo("CboChannel_1"), Qt::Key_Return);
    Click(1, kColRxTone);
    QCOMPARE(Combo("CboChannel_0")->itemText(0), QStringLiteral("无"));
}

void TestChannelWindow::memoryMapKeyAsksForTheMemoryMap() {
    // The memory map belongs to the main window: the channel window only asks for it.
    QSignalSpy asked(window_.get(), &FrmChannel::MemoryMapRequested);
    const auto service = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    QTest::keyClick(Grid(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(asked.size(), 0);  // all three modifiers or nothing
    QTest::keyClick(Grid(), Qt::Key_M, service);
    QCOMPARE(asked.size(), 1);
    QVERIFY(!window_->findChild<QWidget*>("frmMemoryMap"));
}

void TestChannelWindow::templateKeySavesWhatTheGridShows() {
    const QDir folder(appFolder_.path());
    QFile::remove(folder.filePath("default.tw"));
    const auto service = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
    ScriptedPrompts& prompts = services_->prompts;

    GoTo(1, kColName);
    QTest::keyClick(Grid(), 't');  // a pending edit is stored first
    QTest::keyClick(NameEditor(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!QFile::exists(folder.filePath("default.tw")));  // all three modifiers or nothing
    QTest::keyClick(NameEditor(), Qt::Key_D, service);
    RadioData saved;
    QCOMPARE(LoadFile(folder.filePath("default.tw"), saved), LoadStatus::Ok);
    QCOMPARE(DecodeChannelName(saved.image, 1), QStringLiteral("T"));
    QVERIFY(saved.image == data_.image);
    QVERIFY(prompts.messages.empty());

    // A folder that cannot take the file: the error's own text, and the old file stays whole.
    window_.reset();
    services_ = std::make_unique<test::TestContext>(folder.filePath("missing"));
    Recreate();
    QTest::keyClick(Grid(), Qt::Key_D, service);
    const std::vector<PromptRequest>& shown = services_->prompts.messages;
    QCOMPARE(shown.size(), size_t(1));
    QVERIFY(!shown[0].text.isEmpty());
    QCOMPARE(shown[0].title, QStringLiteral("QV-730"));
    QCOMPARE(shown[0].icon, PromptIcon::Exclamation);
}

QTEST_MAIN(TestChannelWindow)
#include "test_channel_window.moc"
