// The channel table without any widget: decoding records into cell texts, the editing rules and
// the bytes written back.
#include <QSignalSpy>
#include <QtTest>

#include "channel_test_support.h"
#include "codecs/channel_name.h"
#include "codecs/number_text.h"
#include "editors/channel/channel_table.h"
#include "loaded_table.h"

using namespace qv;
using namespace qv::channel;
using namespace qv::test;

class TestChannelTable : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { texts = UiTexts(); }

    void headersFollowTheLanguage_data();
    void headersFollowTheLanguage();
    void flagByteLoadsAsTexts_data();
    void flagByteLoadsAsTexts();
    void flagByteSavesFromTexts_data();
    void flagByteSavesFromTexts();
    void modeIsDerivedFromTheCells_data();
    void modeIsDerivedFromTheCells();
    void emptyRecordLoadsAndSavesAsBlank();
    void rxOnlyRecordSavesWithoutTransmitSide();
    void toneOutsideTheListIsLost();
    void namesAndScanBitsRoundTrip();
    void savingTouchesOnlyItsOwnScanBit();
    void newChannelDefaults_data();
    void newChannelDefaults();
    void rxFrequencyRules_data();
    void rxFrequencyRules();
    void emptyRxFrequencyDeletesTheChannel();
    void txFrequencyRules();
    void outOfBandIsSaidInTheUsersWords_data();
    void outOfBandIsSaidInTheUsersWords();
    void frequencyEditorCharacters_data();
    void frequencyEditorCharacters();
    void rxToneFollowsOnSimplexRowsOnly();
    void unchangedOrEmptyChoiceChangesNothing();
    void busyLockCtcssDcsInChinese();
    void typedToneFindsTheToneNotTheEntryNumber_data();
    void typedToneFindsTheToneNotTheEntryNumber();
    void enterMovesToTheNextEditableColumn_data();
    void enterMovesToTheNextEditableColumn();
    void redirectionAndEditors();
    void emptyRowModeFollowsLanguageSwitch();
    void setCellAsUserFollowsTheEditorRules();
    void typedValuesFollowTheSameRules();
    void loadAsksForTheFirstCell();

private:
    // The language and locale the tables of a test speak in; English and "." unless it switches.
    UiTexts texts;
};

// ---- Layout and texts ----

void TestChannelTable::headersFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QString>("mode");
    QTest::newRow("English") << int(Language::English)
                             << QStringList{"No.",          "CH Name",      "Mode",
                                            "RX Freq.",     "RX CTCSS/DCS", "TX Freq.",
                                            "TX CTCSS/DCS", "TX Power",     "Bandwidth",
                                            "Scan",         "Busy Lock",    "Reverse Burst",
                                            "Talk Around"}
                             << "Simplex";
    QTest::newRow("Chinese") << int(Language::Chinese)
                             << QStringList{"信道号",   "信道名称", "信道模式", "接收频率",
                                            "接收亚音", "发射频率", "发射亚音", "发射功率",
                                            "信道带宽", "扫描",     "繁忙锁定", "尾音消除",
                                            "脱网"}
                             << "单工";
}

void TestChannelTable::headersFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, headers);
    QFETCH(QString, mode);
    texts.SetLanguage(static_cast<qv::Language>(language));
    LoadedTable loaded(texts);
    auto& [data, table] = loaded;
    QCOMPARE(table.RowTexts(0), headers);
    QCOMPARE(table.Cell(16, kColNumber), QStringLiteral("16"));
    QCOMPARE(table.Cell(5, kColMode), mode);
    for (int column : {kColMode, kColPower, kColBandwidth}) QVERIFY(table.IsDisplayOnly(3, column));
    QCOMPARE(table.FrequencyChoices(),
             (QStringList{"", "446.00625", "446.01875", "446.03125", "446.04375", "446.05625",
                          "446.06875", "446.08125", "446.09375"}));
}

// ---- Flag byte ----

void TestChannelTable::flagByteLoadsAsTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("flag");
    // TX Power, Bandwidth, Busy Lock, Reverse Burst, Talk Around
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all clear") << int(Language::English) << "00"
                               << QStringList{"Low", "Narrow", "Off", "Off", "Yes"};
    QTest::newRow("all set") << int(Language::English) << "3C"
                             << QStringList{"High", "Wide", "Off", "On", "No"};
    QTest::newRow("busy lock 1") << int(Language::English) << "01"
                                 << QStringList{"Low", "Narrow", "CTCSS/DCS", "Off", "Yes"};
    QTest::newRow("busy lock 2") << int(Language::English) << "02"
                                 << QStringList{"Low", "Narrow", "Carrier Squelch", "Off", "Yes"};
    QTest::newRow("busy lock 3 reads Off")
        << int(Language::English) << "03" << QStringList{"Low", "Narrow", "Off", "Off", "Yes"};
    QTest::newRow("zh all clear") << int(Language::Chinese) << "00"
                                  << QStringList{"低", "窄带", "关", "关", "是"};
    QTest::newRow("zh all set") << int(Language::Chinese) << "3C"
                                << QStringList{"高", "宽带", "关", "开", "否"};
    QTest::newRow("zh busy lock 1")
        << int(Language::Chinese) << "01" << QStringList{"低", "窄带", "亚音", "关", "是"};
    QTest::newRow("zh busy lock 2")
        << int(Language::Chinese) << "02" << QStringList{"低", "窄带", "载波", "关", "是"};
    QTest::newRow("mode bits ignored")
        << int(Language::English) << "C0" << QStringList{"Low", "Narrow", "Off", "Off", "Yes"};
}

void TestChannelTable::flagByteLoadsAsTexts() {
    QFETCH(int, language);
    QFETCH(QString, flag);
    QFETCH(QStringList, shown);
    texts.SetLanguage(static_cast<qv::Language>(language));
    LoadedTable loaded(texts, {{4, SimplexRecord(flag)}});
    auto& [data, table] = loaded;
    const QStringList cells{table.Cell(4, kColPower), table.Cell(4, kColBandwidth),
                            table.Cell(4, kColBusyLock), table.Cell(4, kColReverseBurst),
                            table.Cell(4, kColTalkAround)};
    QCOMPARE(cells, shown);
}

void TestChannelTable::flagByteSavesFromTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("column");  // 0: no edit
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("savedFlag");
    const QString repeater = "25 06 60 44 75 18 60 44 FF FF FF FF 00 40 FE FF";
    const QString rxOnly = "25 06 60 44 FF FF FF FF FF FF FF FF 00 40 FE FF";
    QTest::newRow("busy lock 3 saves 0")
        << int(Language::English) << SimplexRecord("03") << 0 << "" << 0x00;
    QTest::newRow("kept bits") << int(Language::English) << SimplexRecord("3D") << 0 << "" << 0x3D;
    QTest::newRow("mode bits rebuilt")
        << int(Language::English) << SimplexRecord("C0") << 0 << "" << 0x00;
    QTest::newRow("talk around no")
        << int(Language::English) << SimplexRecord("00") << int(kColTalkAround) << "No" << 0x08;
    QTest::newRow("talk around yes")
        << int(Language::English) << SimplexRecord("08") << int(kColTalkAround) << "Yes" << 0x00;
    QTest::newRow("reverse burst off")
        << int(Language::English) << SimplexRecord("20") << int(kColReverseBurst) << "Off" << 0x00;
    QTest::newRow("carrier squelch") << int(Language::English) << SimplexRecord("00")
                                     << int(kColBusyLock) << "Carrier Squelch" << 0x02;
    QTest::newRow("ctcss/dcs") << int(Language::English) << SimplexRecord("02") << int(kColBusyLock)
                               << "CTCSS/DCS" << 0x01;
    QTest::newRow("zh ctcss/dcs") << int(Language::Chinese) << SimplexRecord("00")
                                  << int(kColBusyLock) << "亚音" << 0x01;
    QTest::newRow("zh carrier") << int(Language::Chinese) << SimplexRecord("00")
                                << int(kColBusyLock) << "载波" << 0x02;
    QTest::newRow("zh talk around no")
        << int(Language::Chinese) << SimplexRecord("00") << int(kColTalkAround) << "否" << 0x08;
    QTest::newRow("zh kept bits") << int(Language::Chinese) << SimplexRecord("3D") << 0 << ""
                                  << 0x3D;
    QTest::newRow("repeater mode") << int(Language::English) << repeater << 0 << "" << 0x40;
    QTest::newRow("rx only mode") << int(Language::English) << rxOnly << 0 << "" << 0x80;
    QTest::newRow("zh repeater mode") << int(Language::Chinese) << repeater << 0 << "" << 0x40;
    QTest::newRow("zh rx only mode") << int(Language::Chinese) << rxOnly << 0 << "" << 0x80;
}

void TestChannelTable::flagByteSavesFromTexts() {
    QFETCH(int, language);
    QFETCH(QString, record);
    QFETCH(int, column);
    QFETCH(QString, choice);
    QFETCH(int, savedFlag);
    texts.SetLanguage(static_cast<qv::Language>(language));
    LoadedTable loaded(texts, {{7, record}});
    auto& [data, table] = loaded;
    if (column != 0) QVERIFY(table.SetCellAsUser(7, column, choice));
    table.SaveData();
    QCOMPARE(int(data.image.at(7, 12)), savedFlag);
    QCOMPARE(Hex(data.image, 7 * 16 + 13, 3), QStringLiteral("40 FE FF"));  // not written
}

// ---- Modes ----

void TestChannelTable::modeIsDerivedFromTheCells_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("txFreq");
    QTest::addColumn<QString>("txTone");
    QTest::addColumn<bool>("txLocked");
    QTest::newRow("simplex") << SimplexRecord() << "Simplex"
                             << "446.00625"
                             << "None" << true;
    QTest::newRow("simplex with tones") << "25 06 60 44 25 06 60 44 70 06 70 06 28 40 FE FF"
                                        << "Simplex"
                                        << "446.00625"
                                        << "1 - 67.0Hz" << true;
    QTest::newRow("other tx tone") << "25 06 60 44 25 06 60 44 70 06 23 80 28 40 FE FF"
                                   << "Repeater"
                                   << "446.00625"
                                   << "39 - D023N" << false;
    QTest::newRow("other tx frequency") << "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF"
                                        << "Repeater"
                                        << "446.01875"
                                        << "None" << false;
    QTest::newRow("stored mode bits are not trusted")
        << "25 06 60 44 75 18 60 44 FF FF FF FF A8 40 FE FF"
        << "Repeater"
        << "446.01875"
        << "None" << false;
    QTest::newRow("no tx frequency") << "25 06 60 44 FF FF FF FF 70 06 70 06 28 40 FE FF"
                                     << "RX only"
                                     << ""
                                     << "" << true;
    QTest::newRow("tx frequency with one FF byte")
        << "25 06 60 44 25 06 FF 44 FF FF FF FF 28 40 FE FF"
        << "RX only"
        << ""
        << "" << true;
}

void TestChannelTable::modeIsDerivedFromTheCells() {
    QFETCH(QString, record);
    QFETCH(QString, mode);
    QFETCH(QString, txFreq);
    QFETCH(QString, txTone);
    QFETCH(bool, txLocked);
    LoadedTable loaded(texts, {{2, record}});
    auto& [data, table] = loaded;
    QCOMPARE(table.Cell(2, kColMode), mode);
    QCOMPARE(table.Cell(2, kColTxFreq), txFreq);
    QCOMPARE(table.Cell(2, kColTxTone), txTone);
    QCOMPARE(table.IsDisplayOnly(2, kColTxFreq), txLocked);
    QCOMPARE(table.IsDisplayOnly(2, kColTxTone), txLocked);
}

void TestChannelTable::emptyRecordLoadsAndSavesAsBlank() {
    LoadedTable loaded(texts, {{9, "FF FF FF FF 25 06 60 44 70 06 70 06 28 40 FE 12"}},
                       [&](RadioData& radio) {
                           EncodeChannelName(radio.image, 9, "OLD");
                           SetScanFlag(radio.image, 9, 1);
                           PutRecord(radio.image, 10, SimplexRecord());
                           SetScanFlag(radio.image, 10, 1);
                           PutBytes(radio.image, 0x2000 + 5 * 9, "01 02 03 04 05");
                       });
    auto& [data, table] = loaded;
    QStringList expected(kTableColumns, QString());
    expected[kColNumber] = "9";
    expected[kColMode] = "Simplex";
    QCOMPARE(table.RowTexts(9), expected);
    QVERIFY(!table.IsDisplayOnly(9, kColTxFreq));
    table.SaveData();
    QCOMPARE(Hex(data.image, 9 * 16, 16), QString("FF ").repeated(15) + "FF");
    QCOMPARE(Hex(data.image, 0x110 + 6 * 8, 6), QStringLiteral("FF FF FF FF FF FF"));
    QCOMPARE(GetScanFlag(data.image, 9), 0);
    QCOMPARE(GetScanFlag(data.image, 10), 1);
    QCOMPARE(Hex(data.image, 0x2000 + 5 * 9, 5), QStringLiteral("01 02 03 04 05"));
}

void TestChannelTable::rxOnlyRecordSavesWithoutTransmitSide() {
    LoadedTable loaded(texts, {{3, "25 06 60 44 FF FF FF FF 70 06 70 06 28 40 FE FF"}});
    auto& [data, table] = loaded;
    table.SaveData();
    QCOMPARE(Hex(data.image, 3 * 16, 13), QStringLiteral("25 06 60 44 FF FF FF FF 70 06 FF FF A8"));
}

void TestChannelTable::toneOutsideTheListIsLost() {
    // 69.3 Hz is no standard tone: it reads as None and is stored as none, unless a customized
    // CTCSS slot holds it.
    for (bool customized : {false, true}) {
        LoadedTable loaded(texts, {{1, "25 06 60 44 25 06 60 44 93 06 93 06 28 40 FE FF"}},
                           [&](RadioData& radio) {
                               if (customized) PutBytes(radio.image, 0x190 + 2, "93 06");
                           });
        auto& [data, table] = loaded;
        QCOMPARE(table.Cell(1, kColRxTone), customized ? "123 - 69.3Hz" : "None");
        table.SaveData();
        QCOMPARE(Hex(data.image, 16 + 8, 4), customized ? "93 06 93 06" : "FF FF FF FF");
    }
}

// ---- Names and scan bits ----

void TestChannelTable::namesAndScanBitsRoundTrip() {
    RadioData data = BlankRadio();
    const QStringList names{"AB1", "ZZZZZZ", "", "a b|~", QString::fromLatin1("\xC4x")};
    for (int i = 0; i < names.size(); ++i) {
        PutRecord(data.image, i + 1, SimplexRecord());
        EncodeChannelName(data.image, i + 1, names[i]);
        SetScanFlag(data.image, i + 1, i % 2);
    }
    PutRecord(data.image, 9, SimplexRecord());
    SetScanFlag(data.image, 9, 1);
    const RadioImage before = data.image;

    ChannelTable table(data, texts);
    table.RefreshAll();
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(table.Cell(i + 1, kColName), names[i]);
        QCOMPARE(table.Cell(i + 1, kColScan), i % 2 ? "Yes" : "No");
    }
    QCOMPARE(table.Cell(9, kColScan), QStringLiteral("Yes"));
    table.SaveData();
    QCOMPARE(Hex(data.image, 0x110, 6), QStringLiteral("41 42 31 FF FF FF"));
    QCOMPARE(Hex(data.image, 0x110, 0x60), Hex(before, 0x110, 0x60));
    QCOMPARE(int(data.image[0x171] & 0x01), 1);  // channel 9 is bit 0 of 0x171
}

void TestChannelTable::savingTouchesOnlyItsOwnScanBit() {
    LoadedTable loaded(texts, {{8, SimplexRecord()}}, [&](RadioData& radio) {
        radio.image[0x170] = 0xFF;
        radio.image[0x171] = 0x00;
    });
    auto& [data, table] = loaded;
    QVERIFY(table.SetCellAsUser(8, kColScan, "No"));
    table.SaveData();
    // Channel 8 is bit 7 of 0x170; channels 1-7 are empty and lose theirs.
    QCOMPARE(int(data.image[0x170]), 0x00);
    PutRecord(data.image, 1, SimplexRecord());
    data.image[0x170] = 0x00;
    table.RefreshAll();
    QVERIFY(table.SetCellAsUser(8, kColScan, "Yes"));
    table.SaveData();
    QCOMPARE(int(data.image[0x170]), 0x80);
}

// ---- Creating, changing and deleting channels ----

void TestChannelTable::newChannelDefaults_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("row");
    QTest::newRow("English") << int(Language::English)
                             << QStringList{"5",         "",     "Simplex", "446.00625", "None",
                                            "446.00625", "None", "Low",     "Narrow",    "Yes",
                                            "Off",       "On",   "No"};
    QTest::newRow("Chinese") << int(Language::Chinese)
                             << QStringList{"5",         "",   "单工", "446.00625", "无",
                                            "446.00625", "无", "低",   "窄带",      "是",
                                            "关",        "开", "否"};
}

void TestChannelTable::newChannelDefaults() {
    QFETCH(int, language);
    QFETCH(QStringList, row);
    texts.SetLanguage(static_cast<qv::Language>(language));
    LoadedTable loaded(texts, {}, [&](RadioData& radio) {
        PutBytes(radio.image, 5 * 16 + 12, "00 00 00 77");
        PutBytes(radio.image, 0x2000 + 5 * 5, "00 00 00 00 00");
    });
    auto& [data, table] = loaded;
    table.CommitFrequency(5, kColRxFreq, "446.00625");
    QCOMPARE(table.RowTexts(5), row);
    // Written into the image at once: bytes 12-14 and the five-byte slot.
    QCOMPARE(Hex(data.image, 5 * 16 + 12, 4), QStringLiteral("34 40 FE 77"));
    QCOMPARE(Hex(data.image, 0x2000 + 5 * 5, 5), QStringLiteral("FF FF FF FF FF"));
    QVERIFY(!table.IsDisplayOnly(5, kColTxFreq));  // editable until a DeriveMode locks it

    table.SaveData();
    QCOMPARE(Hex(data.image, 5 * 16, 16),
             QStringLiteral("25 06 60 44 25 06 60 44 FF FF FF FF 28 40 FE 77"));
    QCOMPARE(GetScanFlag(data.image, 5), 1);
    QCOMPARE(Hex(data.image, 0x110 + 6 * 4, 6), QStringLiteral("FF FF FF FF FF FF"));
}

void TestChannelTable::rxFrequencyRules_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    const QString repeater = "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF";
    QTest::newRow("simplex follows") << SimplexRecord() << "446.1"
                                     << "446.10000"
                                     << "446.10000";
    QTest::newRow("repeater keeps tx") << repeater << "446.1"
                                       << "446.10000"
                                       << "446.01875";
    // Outside the band nothing is stored: no frequency is moved to the band edge.
    for (const char* outside :
         {"500", "abc", "146.52", "162.55", "800", "4461", "399.995", "480.005", "480.00625"}) {
        QTest::newRow(qPrintable(QStringLiteral("outside the band: %1").arg(outside)))
            << SimplexRecord() << outside << "446.00625"
            << "446.00625";
    }
    // What snapping to the raster puts on the band edge is the edge.
    QTest::newRow("lower edge after snapping") << SimplexRecord() << "399.99999"
                                               << "400.00000"
                                               << "400.00000";
    QTest::newRow("upper edge after snapping") << SimplexRecord() << "480.00499"
                                               << "480.00000"
                                               << "480.00000";
    QTest::newRow("upper edge") << SimplexRecord() << "480"
                                << "480.00000"
                                << "480.00000";
    QTest::newRow("snapped") << repeater << "446.0124"
                             << "446.01000"
                             << "446.01875";
    QTest::newRow("list entry") << repeater << "446.09375"
                                << "446.09375"
                                << "446.01875";
}

void TestChannelTable::rxFrequencyRules() {
    QFETCH(QString, record);
    QFETCH(QString, typed);
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    LoadedTable loaded(texts, {{12, record}});
    auto& [data, table] = loaded;
    const QString mode = table.Cell(12, kColMode);
    const ChannelTableState before = table.State();
    const bool stored = table.CommitFrequency(12, kColRxFreq, typed);
    QCOMPARE(stored, table.FrequencyRefusal(typed).isEmpty());
    QCOMPARE(stored, !(table.State() == before));
    QCOMPARE(table.Cell(12, kColRxFreq), rx);
    QCOMPARE(table.Cell(12, kColTxFreq), tx);
    QCOMPARE(table.Cell(12, kColMode), mode);  // no new mode until the TX side is edited
}

void TestChannelTable::emptyRxFrequencyDeletesTheChannel() {
    LoadedTable loaded(texts, {{6, "25 06 60 44 75 18 60 44 70 06 23 80 3F 40 FE 55"}},
                       [&](RadioData& radio) {
                           EncodeChannelName(radio.image, 6, "GONE");
                           SetScanFlag(radio.image, 6, 1);
                       });
    auto& [data, table] = loaded;
    QCOMPARE(table.Cell(6, kColMode), QStringLiteral("Repeater"));
    table.CommitFrequency(6, kColRxFreq, "");
    QStringList expected(kTableColumns, QString());
    expected[kColNumber] = "6";
    expected[kColMode] = "Simplex";  // as in a freshly opened editor, not the deleted mode
    QCOMPARE(table.RowTexts(6), expected);
    table.SaveData();
    QCOMPARE(Hex(data.image, 6 * 16, 16), QString("FF ").repeated(15) + "FF");
    QCOMPARE(DecodeChannelName(data.image, 6), QString());
    QCOMPARE(GetScanFlag(data.image, 6), 0);
}

void TestChannelTable::txFrequencyRules() {
    LoadedTable loaded(texts, {{1, "25 06 60 44 FF FF FF FF 70 06 70 06 28 40 FE FF"}});  // RX only
    auto& [data, table] = loaded;
    QVERIFY(table.IsDisplayOnly(1, kColTxFreq));
    QCOMPARE(table.EditorFor(1, kColTxFreq), CellEditor::None);

    // A new channel's TX side is open: a different TX frequency makes it a repeater ...
    table.CommitFrequency(2, kColRxFreq, "446.00625");
    table.CommitFrequency(2, kColTxFreq, "446.0188");
    QCOMPARE(table.Cell(2, kColTxFreq), QStringLiteral("446.01875"));
    QCOMPARE(table.Cell(2, kColMode), QStringLiteral("Repeater"));
    QVERIFY(!table.IsDisplayOnly(2, kColTxTone));
    // A stray "8", a missed point or a repeater offset that leaves the band stores nothing: the
    // channel stays a repeater on 446.01875, not one transmitting on a band edge.
    for (const char* typed : {"8", "4461", "486.01875", "346.01875"}) {
        QVERIFY(!table.CommitFrequency(2, kColTxFreq, typed));
        QCOMPARE(table.Cell(2, kColTxFreq), QStringLiteral("446.01875"));
    }
    QCOMPARE(table.Cell(2, kColMode), QStringLiteral("Repeater"));
    // ... an empty one makes it RX only, with both TX cells empty and locked ...
    table.CommitFrequency(2, kColTxFreq, "");
    QCOMPARE(table.Cell(2, kColMode), QStringLiteral("RX only"));
    QCOMPARE(table.Cell(2, kColTxTone), QString());
    QVERIFY(table.IsDisplayOnly(2, kColTxFreq));
    // ... and the TX frequency equal to RX (tones equal) makes it simplex.
    table.CommitFrequency(3, kColRxFreq, "446.5");
    table.SetTxFrequency(3, "");
    table.CommitFrequency(3, kColTxFreq, "446.5");
    QCOMPARE(table.Cell(3, kColTxTone), QStringLiteral("None"));
    QCOMPARE(table.Cell(3, kColMode), QStringLiteral("Simplex"));
    QVERIFY(table.IsDisplayOnly(3, kColTxFreq));
}

// Why a typed frequency is refused, in the user's language and number format, with the band the
// image holds.
void TestChannelTable::outOfBandIsSaidInTheUsersWords_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("lower");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("English") << int(Language::English) << "C" << 400.f
                             << "4461 MHz is outside this radio's band, 400.00000 to 480.00000 MHz";
    QTest::newRow("Chinese") << int(Language::Chinese) << "C" << 400.f
                             << "4461 MHz 超出本机频段（400.00000 至 480.00000 MHz）";
    QTest::newRow("decimal comma, another band")
        << int(Language::English) << "de_DE" << 420.f
        << "4461 MHz is outside this radio's band, 420,00000 to 480,00000 MHz";
}

void TestChannelTable::outOfBandIsSaidInTheUsersWords() {
    QFETCH(int, language);
    QFETCH(QString, locale);
    QFETCH(float, lower);
    QFETCH(QString, refusal);
    texts = UiTexts(Language(language), QLocale(locale));
    LoadedTable loaded(texts, {}, [&](RadioData& radio) { radio.BandLowerMHz = lower; });
    ChannelTable& table = loaded.table;
    QCOMPARE(table.FrequencyRefusal("4461"), refusal);
    QCOMPARE(table.FrequencyRefusal(""), QString());  // deletes the channel
    QCOMPARE(table.FrequencyRefusal(FormatFixed(446.1, 1, texts.locale())), QString());
}

void TestChannelTable::frequencyEditorCharacters_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits and a dot") << "C"
                                      << "446.1" << true << "446.1";
    QTest::newRow("nothing yet") << "C"
                                 << "" << true << "";
    QTest::newRow("a dot first") << "C"
                                 << "." << true << ".";
    QTest::newRow("dot becomes the comma") << "de_DE"
                                           << "446.1" << true << "446,1";
    QTest::newRow("the locale's own comma") << "de_DE"
                                            << "446,1" << true << "446,1";
    QTest::newRow("comma where the dot is the separator") << "C"
                                                          << "446,1" << false << "";
    QTest::newRow("a second separator") << "C"
                                        << "446.1." << false << "";
    QTest::newRow("dot and comma") << "de_DE"
                                   << "4.4,6" << false << "";
    QTest::newRow("a letter") << "C"
                              << "446a" << false << "";
    QTest::newRow("a sign") << "C"
                            << "-446" << false << "";
    QTest::newRow("a blank") << "C"
                             << "446 1" << false << "";
    QTest::newRow("an exponent") << "C"
                                 << "4E2" << false << "";
    QTest::newRow("a digit of another script") << "C"
                                               << "٤٤٦" << false << "";
}

void TestChannelTable::frequencyEditorCharacters() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);
    texts.SetLocale(QLocale(locale));
    RadioData data = BlankRadio();
    const ChannelTable table(data, texts);
    const std::optional<QString> result = table.AcceptedFrequencyText(typed);
    QCOMPARE(result.has_value(), accepted);
    if (accepted) QCOMPARE(*result, shown);
}

void TestChannelTable::rxToneFollowsOnSimplexRowsOnly() {
    LoadedTable loaded(
        texts, {{1, SimplexRecord()}, {2, "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF"}});
    auto& [data, table] = loaded;
    const QString tone = table.ToneDisplayList().at(1);
    QCOMPARE(tone, QStringLiteral("1 - 67.0Hz"));
    table.CommitChoice(1, kColRxTone, tone, table.Cell(1, kColRxTone));
    table.CommitChoice(2, kColRxTone, tone, table.Cell(2, kColRxTone));
    QCOMPARE(table.Cell(1, kColTxTone), tone);
    QCOMPARE(table.Cell(2, kColTxTone), QStringLiteral("None"));
    table.SaveData();
    QCOMPARE(Hex(data.image, 16 + 8, 4), QStringLiteral("70 06 70 06"));
    QCOMPARE(Hex(data.image, 32 + 8, 4), QStringLiteral("70 06 FF FF"));
}

void TestChannelTable::unchangedOrEmptyChoiceChangesNothing() {
    LoadedTable loaded(texts, {{1, SimplexRecord("02")}});  // busy lock "Carrier Squelch"
    auto& [data, table] = loaded;
    QSignalSpy changes(&table, &ChannelTable::dataChanged);
    table.CommitChoice(1, kColScan, "Yes", "Yes");
    // Nothing chosen must not wipe the cell.
    table.CommitChoice(1, kColBusyLock, "", "Carrier Squelch");
    QCOMPARE(changes.count(), 0);
    QCOMPARE(table.Cell(1, kColBusyLock), QStringLiteral("Carrier Squelch"));
    table.SaveData();
    QCOMPARE(int(data.image.at(1, 12) & 0x03), 2);
}

void TestChannelTable::typedToneFindsTheToneNotTheEntryNumber_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("entry");
    QTest::newRow("67, not entry 67") << "C"
                                      << "67" << 1;
    QTest::newRow("one digit") << "C"
                               << "2" << 32;  // 203.5 Hz, the first tone with a 2
    QTest::newRow("DCS, any case") << "C"
                                   << "d02" << 39;
    QTest::newRow("inverted DCS") << "C"
                                  << "D023I" << 122;
    QTest::newRow("None") << "C"
                          << "no" << 0;
    QTest::newRow("no such tone") << "C"
                                  << "69.3" << -1;
    QTest::newRow("decimal comma, typed dot") << "de_DE"
                                              << "67.0" << 1;
    QTest::newRow("decimal comma, typed comma") << "de_DE"
                                                << "71,9" << 2;
}

void TestChannelTable::typedToneFindsTheToneNotTheEntryNumber() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(int, entry);
    texts.SetLocale(QLocale(locale));
    LoadedTable loaded(texts);
    auto& [data, table] = loaded;
    QCOMPARE(table.ToneEntryTyped(typed), entry);
    texts.SetLocale(QLocale::c());
}

void TestChannelTable::busyLockCtcssDcsInChinese() {
    texts.SetLanguage(Language::Chinese);
    LoadedTable loaded(texts, {{1, SimplexRecord("00")}});
    auto& [data, table] = loaded;
    QCOMPARE(table.OptionList(kColBusyLock), (QStringList{"关", "载波", "亚音"}));
    QVERIFY(table.SetCellAsUser(1, kColBusyLock, "亚音"));
    table.SaveData();
    QCOMPARE(int(data.image.at(1, 12) & 0x03), 1);
    table.RefreshAll();
    QCOMPARE(table.Cell(1, kColBusyLock), QStringLiteral("亚音"));  // one name, the list's
    table.SaveData();
    QCOMPARE(int(data.image.at(1, 12) & 0x03), 1);
}

void TestChannelTable::enterMovesToTheNextEditableColumn_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("hiddenColumn");
    QTest::addColumn<int>("to");
    const QString repeater = "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF";
    const QString rxOnly = "25 06 60 44 FF FF FF FF FF FF FF FF 28 40 FE FF";
    QTest::newRow("scan to busy lock") << SimplexRecord() << 9 << 0 << 10;
    QTest::newRow("talk around wraps to name") << SimplexRecord() << 12 << 0 << 1;
    QTest::newRow("simplex rx tone skips locked") << SimplexRecord() << 4 << 0 << 9;
    QTest::newRow("repeater rx tone to tx freq") << repeater << 4 << 0 << 5;
    QTest::newRow("repeater tx tone to scan") << repeater << 6 << 0 << 9;
    QTest::newRow("rx only rx tone") << rxOnly << 4 << 0 << 9;
    QTest::newRow("zero-width column skipped") << SimplexRecord() << 9 << 10 << 11;
    QTest::newRow("zero-width name skipped") << SimplexRecord() << 12 << 1 << 3;
}

void TestChannelTable::enterMovesToTheNextEditableColumn() {
    QFETCH(QString, record);
    QFETCH(int, from);
    QFETCH(int, hiddenColumn);
    QFETCH(int, to);
    LoadedTable loaded(texts, {{4, record}});
    auto& [data, table] = loaded;
    QCOMPARE(table.NextColumnAfterChoice(4, from, [&](int c) { return c == hiddenColumn; }), to);
}

void TestChannelTable::redirectionAndEditors() {
    LoadedTable loaded(
        texts, {{1, SimplexRecord()}, {2, "25 06 60 44 FF FF FF FF FF FF FF FF 28 40 FE FF"}});
    auto& [data, table] = loaded;
    // An empty row sends every cell to its RX frequency; a row without TX frequency sends its
    // TX tone to the TX frequency.
    for (int column = 1; column < kTableColumns; ++column) {
        QCOMPARE(table.RedirectColumn(3, column), int(kColRxFreq));
    }
    QCOMPARE(table.RedirectColumn(2, kColTxTone), int(kColTxFreq));
    QCOMPARE(table.RedirectColumn(2, kColRxTone), int(kColRxTone));
    QCOMPARE(table.RedirectColumn(1, kColTxTone), int(kColTxTone));

    const QList<CellEditor> simplexEditors{
        CellEditor::None,  CellEditor::Name,   CellEditor::None,   CellEditor::Frequency,
        CellEditor::Tone,  CellEditor::None,   CellEditor::None,   CellEditor::None,
        CellEditor::None,  CellEditor::Option, CellEditor::Option, CellEditor::Option,
        CellEditor::Option};
    for (int column = 0; column < kTableColumns; ++column) {
        QCOMPARE(table.EditorFor(1, column), simplexEditors[column]);
    }
    QCOMPARE(table.EditorFor(3, kColRxTone), CellEditor::None);  // nothing to choose a tone for
    QCOMPARE(table.EditorFor(3, kColRxFreq), CellEditor::Frequency);
    QCOMPARE(table.EditorFor(0, kColName), CellEditor::None);
}

void TestChannelTable::emptyRowModeFollowsLanguageSwitch() {
    LoadedTable loaded(texts);
    auto& [data, table] = loaded;
    texts.SetLanguage(Language::Chinese);
    table.RefreshAll();
    QCOMPARE(table.Cell(1, kColMode), QStringLiteral("单工"));
    table.CommitFrequency(1, kColRxFreq, "446.00625");
    table.SaveData();
    QCOMPARE(int(data.image.at(1, 12)), 0x28);  // stored as simplex, not as RX only
}

void TestChannelTable::setCellAsUserFollowsTheEditorRules() {
    LoadedTable loaded(texts, {{1, "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF"}});
    auto& [data, table] = loaded;
    // An empty row takes its RX frequency first.
    QVERIFY(!table.SetCellAsUser(2, kColName, "X"));
    QVERIFY(!table.SetCellAsUser(2, kColRxTone, "1 - 67.0Hz"));
    QVERIFY(table.SetCellAsUser(2, kColRxFreq, "446.05625"));
    QVERIFY(table.SetCellAsUser(2, kColName, "ab{c}de|fgh"));
    QCOMPARE(table.Cell(2, kColName), QStringLiteral("abcdef"));  // { } | refused, six kept
    // Tones: an entry, or the tone part alone.
    QVERIFY(table.SetCellAsUser(1, kColRxTone, "D023N"));
    QCOMPARE(table.Cell(1, kColRxTone), QStringLiteral("39 - D023N"));
    QVERIFY(table.SetCellAsUser(1, kColTxTone, "250.3Hz"));
    QCOMPARE(table.Cell(1, kColTxTone), QStringLiteral("38 - 250.3Hz"));
    QVERIFY(!table.SetCellAsUser(1, kColTxTone, "69.3Hz"));
    // Options: the list entries and what a loaded cell shows; display-only cells refuse.
    QVERIFY(!table.SetCellAsUser(1, kColScan, "Maybe"));
    QVERIFY(table.SetCellAsUser(1, kColBusyLock, "Carrier"));
    QVERIFY(!table.SetCellAsUser(1, kColPower, "High"));
    QVERIFY(!table.SetCellAsUser(1, kColMode, "Simplex"));
    // The TX frequency goes through DeriveMode.
    QVERIFY(table.SetCellAsUser(1, kColTxFreq, ""));
    QCOMPARE(table.Cell(1, kColMode), QStringLiteral("RX only"));
    QVERIFY(!table.SetCellAsUser(1, kColTxFreq, "446.1"));  // now locked
}

// The typed setters (used by the CSV import) run the rules the grid runs, in one edit each.
void TestChannelTable::typedValuesFollowTheSameRules() {
    LoadedTable loaded(texts, {{1, "25 06 60 44 25 06 60 44 FF FF FF FF 28 40 FE FF"}});  // Simplex
    auto& [data, table] = loaded;
    QSignalSpy edits(&table, &ChannelTable::edited);
    // An empty row takes its RX frequency first, which makes a channel with the defaults.
    QVERIFY(!table.SetName(2, "X"));
    QVERIFY(!table.SetScan(2, false));
    QVERIFY(!table.SetTone(2, kColRxTone, Tone::Ctcss(670)));
    QCOMPARE(edits.count(), 0);
    QVERIFY(!table.SetRxFrequencyUnits(2, 50000000));  // 500 MHz: outside the band, refused
    QVERIFY(table.IsEmptyChannel(2));
    QVERIFY(table.SetRxFrequencyUnits(2, 48000000));
    QCOMPARE(table.Record(2).rx, std::optional(48000000));
    QCOMPARE(table.Record(2).tx, std::optional(48000000));
    QVERIFY(table.Record(2).scan && table.Record(2).reverseBurst && !table.Record(2).talkAround);
    QCOMPARE(int(data.image.at(2, 13)), 0x40);
    table.SetRxFrequencyUnits(1, 44600624);  // onto the raster; the Simplex TX follows
    QCOMPARE(table.Record(1).rx, std::optional(44600500));
    QCOMPARE(table.Record(1).tx, std::optional(44600500));
    QCOMPARE(edits.count(), 2);

    // Tones: only listed ones, and the TX tone follows on a Simplex row.
    QVERIFY(!table.SetTone(1, kColRxTone, Tone::Ctcss(693)));  // no customized slot holds it
    QVERIFY(table.SetTone(1, kColRxTone, Tone::Dcs(0x023, false)));
    QCOMPARE(table.Cell(1, kColTxTone), QStringLiteral("39 - D023N"));
    QVERIFY(!table.SetTone(1, kColTxTone, Tone::Ctcss(670)));  // Simplex: TX is display-only
    table.SetTxFrequencyUnits(1, std::nullopt);
    table.DeriveMode(1);
    QCOMPARE(table.Record(1).mode, ChannelMode::RxOnly);
    QCOMPARE(table.Record(1).txTone, Tone{});
    QVERIFY(!table.SetTone(1, kColTxTone, Tone::Ctcss(670)));  // no TX frequency

    QVERIFY(table.SetBusyLock(1, BusyLock::Carrier));
    QVERIFY(table.SetName(1, "SEVENCH"));
    QCOMPARE(table.Record(1).name, QByteArray("SEVENC"));
    table.SaveData();
    QCOMPARE(int(data.image.at(1, 12)), 0xAA);  // RX only, Carrier, Reverse Burst, no Talk Around
    table.SetRxFrequencyUnits(1, std::nullopt);
    QVERIFY(table.Record(1).IsEmpty());
}

void TestChannelTable::loadAsksForTheFirstCell() {
    RadioData data = BlankRadio();
    PutRecord(data.image, 1, SimplexRecord());
    ChannelTable table(data, texts);
    QSignalSpy requests(&table, &ChannelTable::currentCellRequested);
    table.RefreshAll();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.first(), (QList<QVariant>{1, 1}));
    table.CommitFrequency(1, kColTxFreq, "446.1");
    QCOMPARE(requests.last(), (QList<QVariant>{1, int(kColMode)}));
}

QTEST_GUILESS_MAIN(TestChannelTable)
#include "test_channel_table.moc"
