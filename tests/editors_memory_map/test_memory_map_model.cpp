// The memory map's working copy: hex texts, committed edits, the address box and OK's write-back.
#include <QtTest>

#include "editors/memory_map/memory_map_model.h"

using namespace qv;

class TestMemoryMapModel : public QObject {
    Q_OBJECT
private slots:
    void showsEveryByteAsTwoHexDigits();
    void committedEdits_data();
    void committedEdits();
    void addressBox_data();
    void addressBox();
    void enterMoves_data();
    void enterMoves();
    void storeWritesEveryByteAndOnlyOnStore();
};

void TestMemoryMapModel::showsEveryByteAsTwoHexDigits() {
    RadioImage image;
    image[0x0123] = 0x4A;
    image[0x3FFF] = 0x0B;
    MemoryMapModel model(image);
    QCOMPARE(model.rowCount(), 1024);
    QCOMPARE(model.columnCount(), 16);
    QCOMPARE(model.index(0x12, 3).data().toString(), QStringLiteral("4A"));
    QCOMPARE(model.CellText(0x3FF, 0xF), QStringLiteral("0B"));
    QCOMPARE(model.CellText(0, 0), QStringLiteral("00"));
    QCOMPARE(model.headerData(0x12, Qt::Vertical).toString(), QStringLiteral("012"));
    QCOMPARE(model.headerData(0x3FF, Qt::Vertical).toString(), QStringLiteral("3FF"));
    QCOMPARE(model.headerData(0xB, Qt::Horizontal).toString(), QStringLiteral("B"));
    QCOMPARE(MemoryMapModel::AddressText(0x12, 3), QStringLiteral("0123"));
    QCOMPARE(model.LastAddress(), 0x3FFF);
}

void TestMemoryMapModel::committedEdits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("cell");
    QTest::newRow("empty is FF") << "" << true << "FF";
    QTest::newRow("one digit padded") << "7" << true << "07";
    QTest::newRow("two digits") << "A5" << true << "A5";
    QTest::newRow("lower case") << "c3" << true << "C3";
    QTest::newRow("three digits refused") << "123" << false << "5A";
    QTest::newRow("non-hex refused") << "G1" << false << "5A";
}

void TestMemoryMapModel::committedEdits() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, cell);
    RadioImage image;
    image[0x0201] = 0x5A;
    MemoryMapModel model(image);
    QCOMPARE(model.CommitCell(0x20, 1, text), accepted);
    QCOMPARE(model.CellText(0x20, 1), cell);
    QCOMPARE(int(image[0x0201]), 0x5A);  // nothing reaches the image before OK
}

void TestMemoryMapModel::addressBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("padded") << "1A"
                            << "001A";
    QTest::newRow("capped") << "5000"
                            << "3FFF";
    QTest::newRow("last address") << "3FFF"
                                  << "3FFF";
    QTest::newRow("just beyond") << "4000"
                                 << "3FFF";
    QTest::newRow("empty") << ""
                           << "0000";
    QTest::newRow("lower case") << "7ef"
                                << "07EF";
}

void TestMemoryMapModel::addressBox() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    RadioImage image;
    MemoryMapModel model(image);
    QCOMPARE(model.NormalizeAddress(typed), shown);
}

void TestMemoryMapModel::enterMoves_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("next");
    QTest::newRow("next column") << 0x0013 << 0x0014;
    QTest::newRow("wraps below row 7F") << 0x07EF << 0x07F0;
    QTest::newRow("first row wraps") << 0x000F << 0x0010;
    QTest::newRow("row 7F stays") << 0x07FF << 0x07FF;
    QTest::newRow("later rows stay") << 0x3FFF << 0x3FFF;
    QTest::newRow("later rows move within") << 0x3FFE << 0x3FFF;
}

void TestMemoryMapModel::enterMoves() {
    QFETCH(int, address);
    QFETCH(int, next);
    const auto [row, column] = MemoryMapModel::CellAfterEnter(address / 16, address % 16);
    QCOMPARE(row * 16 + column, next);
}

void TestMemoryMapModel::storeWritesEveryByteAndOnlyOnStore() {
    RadioImage image;
    for (int a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a * 7);
    const RadioImage original = image;
    MemoryMapModel model(image);
    model.Store(image);
    QVERIFY(image == original);  // OK without edits changes nothing

    QVERIFY(model.CommitCell(0, 0, "7"));
    QVERIFY(model.CommitCell(0x3FF, 15, ""));
    for (int a = 0; a < kImageSize; ++a) image[a] = 0x11;  // another window wrote meanwhile
    model.Store(image);
    RadioImage expected = original;
    expected[0] = 0x07;
    expected[0x3FFF] = 0xFF;
    QVERIFY(image == expected);
}

QTEST_GUILESS_MAIN(TestMemoryMapModel)
#include "test_memory_map_model.moc"
