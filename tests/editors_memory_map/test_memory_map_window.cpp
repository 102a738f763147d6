// The memory map window driven with real keys and clicks, offscreen.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "editors/memory_map/frm_memory_map.h"
#include "editors/memory_map/memory_map_model.h"

using namespace qv;

class TestMemoryMapWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensOnTheFirstCellAndFollowsTheCurrentCell();
    void hexKeyOpensTheEditorAndEnterCommits();
    void lettersAreUpperCaseWhateverTheShiftState();
    void editorTakesAtMostTwoHexDigits();
    void emptyEditorCommitsFF();
    void escapeRestoresTheCell();
    void enterWrapsOnlyUpToRow7E_data();
    void enterWrapsOnlyUpToRow7E();
    void leavingTheEditorCommits();
    void clickOpensTheEditorOnTheClickedCell();
    void scrollingCancelsTheEdit();
    void addressBoxGoesToTheAddress_data();
    void addressBoxGoesToTheAddress();
    void addressBoxWithoutChangeStaysPut();
    void addressBoxEscapeRestoresItsText();
    void cancelKeepsTheImageAndOkStoresEveryByte();

private:
    QTableView* Grid() { return window_->findChild<QTableView*>("msgMemory"); }
    // The cell editor open now; closed ones linger until the event loop deletes them.
    QLineEdit* Editor() {
        for (QLineEdit* editor : window_->findChildren<QLineEdit*>("txtMemory")) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    QLineEdit* Address() { return window_->findChild<QLineEdit*>("TxtAddr"); }
    QString Value() { return window_->findChild<QLabel*>("LblValue")->text(); }
    QString CellAt(int address) { return window_->Model().CellText(address / 16, address % 16); }
    int CurrentAddress() {
        const QModelIndex current = Grid()->currentIndex();
        return current.row() * 16 + current.column();
    }
    void GoTo(int address) {
        Grid()->setCurrentIndex(window_->Model().index(address / 16, address % 16));
    }

    RadioData data_;
    QPointer<FrmMemoryMap> window_;
};

void TestMemoryMapWindow::init() {
    for (int a = 0; a < kImageSize; ++a) data_.image[a] = static_cast<std::uint8_t>(a % 251);
    data_.image[0x0123] = 0x4A;
    window_ = new FrmMemoryMap(data_);
    window_->show();
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    Grid()->setFocus();
}

void TestMemoryMapWindow::cleanup() {
    delete window_;
}

void TestMemoryMapWindow::opensOnTheFirstCellAndFollowsTheCurrentCell() {
    QCOMPARE(window_->objectName(), QStringLiteral("frmMemoryMap"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Memory Map"));
    QCOMPARE(CurrentAddress(), 0);
    QCOMPARE(Address()->text(), QStringLiteral("0000"));
    QCOMPARE(Value(), QStringLiteral("0"));
    QVERIFY(!Editor());
    GoTo(0x0123);
    QCOMPARE(Address()->text(), QStringLiteral("0123"));
    QCOMPARE(Value(), QStringLiteral("74"));
    QTest::keyClick(Grid(), Qt::Key_Down);
    QCOMPARE(Address()->text(), QStringLiteral("0133"));
}

void TestMemoryMapWindow::hexKeyOpensTheEditorAndEnterCommits() {
    GoTo(0x0040);
    QTest::keyClick(Grid(), Qt::Key_7);
    QVERIFY(Editor());
    QCOMPARE(Editor()->text(), QStringLiteral("7"));
    QCOMPARE(Editor()->cursorPosition(), 1);
    QCOMPARE(Editor()->geometry(), Grid()->visualRect(window_->Model().index(4, 0)));
    QTest::keyClick(Editor(), Qt::Key_Return);
    QVERIFY(!Editor());
    QCOMPARE(CellAt(0x0040), QStringLiteral("07"));
    QCOMPARE(CurrentAddress(), 0x0041);
    QVERIFY(Grid()->hasFocus());
    // The keypad's digits and Enter do the same.
    QTest::keyClick(Grid(), Qt::Key_9, Qt::KeypadModifier);
    QCOMPARE(Editor()->text(), QStringLiteral("9"));
    QTest::keyClick(Editor(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(CellAt(0x0041), QStringLiteral("09"));
    QCOMPARE(int(data_.image[0x0040]), 0x40 % 251);  // not before OK
}

void TestMemoryMapWindow::lettersAreUpperCaseWhateverTheShiftState() {
    QTest::keyClick(Grid(), Qt::Key_C, Qt::NoModifier);
    QCOMPARE(Editor()->text(), QStringLiteral("C"));
    QTest::keyClick(Editor(), 'b');
    QCOMPARE(Editor()->text(), QStringLiteral("CB"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::keyClick(Grid(), Qt::Key_E, Qt::ShiftModifier);
    QCOMPARE(Editor()->text(), QStringLiteral("E"));
    QTest::keyClick(Editor(), Qt::Key_Escape);
    // G is no hex digit: no editor.
    QTest::keyClick(Grid(), Qt::Key_G);
    QVERIFY(!Editor());
    QCOMPARE(CellAt(0), QStringLiteral("CB"));
}

void TestMemoryMapWindow::editorTakesAtMostTwoHexDigits() {
    GoTo(0x0123);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QCOMPARE(Editor()->text(), QStringLiteral("4A"));
    QCOMPARE(Editor()->selectedText(), QStringLiteral("4A"));
    QTest::keyClicks(Editor(), "1g2x3");  // the selection is replaced; g, x and a third digit not
    QCOMPARE(Editor()->text(), QStringLiteral("12"));
    QTest::keyClick(Editor(), Qt::Key_Backspace);
    QTest::keyClick(Editor(), 'f');
    QCOMPARE(Editor()->text(), QStringLiteral("1F"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    QCOMPARE(CellAt(0x0123), QStringLiteral("1F"));
}

void TestMemoryMapWindow::emptyEditorCommitsFF() {
    GoTo(0x0010);
    QTest::keyClick(Grid(), Qt::Key_Return);
    QTest::keyClick(Editor(), Qt::Key_Backspace);
    QCOMPARE(Editor()->text(), QString());
    QTest::keyClick(Editor(), Qt::Key_Return);
    QCOMPARE(CellAt(0x0010), QStringLiteral("FF"));
}

void TestMemoryMapWindow::escapeRestoresTheCell() {
    GoTo(0x0123);
    QTest::keyClick(Grid(), Qt::Key_3);
    QTest::keyClick(Editor(), Qt::Key_Escape);
    QVERIFY(!Editor());
    QVERIFY(Grid()->hasFocus());
    QCOMPARE(CellAt(0x0123), QStringLiteral("4A"));
    QCOMPARE(CurrentAddress(), 0x0123);
}

void TestMemoryMapWindow::enterWrapsOnlyUpToRow7E_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("next");
    QTest::newRow("07EF wraps") << 0x07EF << 0x07F0;
    QTest::newRow("07FF stays") << 0x07FF << 0x07FF;
}

void TestMemoryMapWindow::enterWrapsOnlyUpToRow7E() {
    QFETCH(int, address);
    QFETCH(int, next);
    GoTo(address);
    QTest::keyClick(Grid(), Qt::Key_5);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QCOMPARE(CellAt(address), QStringLiteral("05"));
    QCOMPARE(CurrentAddress(), next);
}

void TestMemoryMapWindow::leavingTheEditorCommits() {
    GoTo(0x0020);
    QTest::keyClick(Grid(), Qt::Key_A);
    Address()->setFocus(Qt::TabFocusReason);
    QVERIFY(!Editor());
    QCOMPARE(CellAt(0x0020), QStringLiteral("0A"));
}

void TestMemoryMapWindow::clickOpensTheEditorOnTheClickedCell() {
    const QModelIndex cell = window_->Model().index(3, 5);
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->visualRect(cell).center());
    QVERIFY(Editor());
    QCOMPARE(CurrentAddress(), 0x0035);
    QCOMPARE(Editor()->text(), CellAt(0x0035));
}

void TestMemoryMapWindow::scrollingCancelsTheEdit() {
    GoTo(0x0030);
    QTest::keyClick(Grid(), Qt::Key_1);
    Grid()->verticalScrollBar()->setValue(Grid()->verticalScrollBar()->value() + 3);
    QVERIFY(!Editor());
    QCOMPARE(CellAt(0x0030), QStringLiteral("30"));
}

void TestMemoryMapWindow::addressBoxGoesToTheAddress_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("address");
    QTest::newRow("1A") << "1A"
                        << "001A" << 0x001A;
    QTest::newRow("5000") << "5000"
                          << "3FFF" << 0x3FFF;
    QTest::newRow("3FFF") << "3FFF"
                          << "3FFF" << 0x3FFF;
    QTest::newRow("lower case") << "7ef"
                                << "07EF" << 0x07EF;
}

void TestMemoryMapWindow::addressBoxGoesToTheAddress() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, address);
    Address()->setFocus(Qt::MouseFocusReason);
    Address()->selectAll();
    QTest::keyClicks(Address(), typed + "z");  // z is refused
    QTest::keyClick(Address(), Qt::Key_Return);
    QCOMPARE(Address()->text(), shown);
    QCOMPARE(CurrentAddress(), address);
    QVERIFY(Editor());
    QVERIFY(Editor()->hasFocus());
    QCOMPARE(Editor()->text(), CellAt(address));
    // The row is scrolled to the top when it can be.
    if (address < 0x3F00) {
        QCOMPARE(Grid()->rowAt(0), address / 16);
    }
}

void TestMemoryMapWindow::addressBoxWithoutChangeStaysPut() {
    GoTo(0x0123);
    Address()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Address(), Qt::Key_Return);
    Grid()->setFocus();
    QCOMPARE(CurrentAddress(), 0x0123);
    QVERIFY(!Editor());
}

void TestMemoryMapWindow::addressBoxEscapeRestoresItsText() {
    Address()->setFocus(Qt::MouseFocusReason);
    Address()->selectAll();
    QTest::keyClicks(Address(), "12");
    QTest::keyClick(Address(), Qt::Key_Escape);
    QCOMPARE(Address()->text(), QStringLiteral("0000"));
    Grid()->setFocus();
    QCOMPARE(CurrentAddress(), 0);
    QVERIFY(!Editor());
}

void TestMemoryMapWindow::cancelKeepsTheImageAndOkStoresEveryByte() {
    const RadioImage original = data_.image;
    QTest::keyClick(Grid(), Qt::Key_7);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    QTRY_VERIFY(window_.isNull());  // closing deletes the window
    QVERIFY(data_.image == original);

    init();
    QTest::keyClick(Grid(), Qt::Key_7);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTest::keyClick(Grid(), Qt::Key_B);  // still open when OK is pressed
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(window_.isNull());
    RadioImage expected = original;
    expected[0] = 0x07;
    expected[1] = 0x0B;
    QVERIFY(data_.image == expected);
}

QTEST_MAIN(TestMemoryMapWindow)
#include "test_memory_map_window.moc"
