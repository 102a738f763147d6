// Side button functions (0x18D, 0x18E): the model's nibble rules and the frmKey window.

#include "editors/key/frm_key.h"
#include "editors/key/side_button_model.h"
#include "settings_test_support.h"

using namespace qv;
using namespace qv::test;

namespace {

const FieldMask kFields = {{0x18D, 0xFF}, {0x18E, 0xFF}};

RadioImage InRangeImage(QRandomGenerator& rng) {
    static const int shortCodes[] = {7, 1, 2, 4, 6};
    static const int longCodes[] = {7, 2, 4, 6};
    RadioImage image = RandomImage(rng);
    for (int address : {0x18D, 0x18E}) {
        image[address] =
            static_cast<std::uint8_t>(shortCodes[rng.bounded(5)] | longCodes[rng.bounded(4)] << 4);
    }
    return image;
}

}  // namespace

class TestSideButtons : public QObject, SettingsWindowFixture<FrmKey> {
    Q_OBJECT

private slots:
    void init() { data_ = RadioData{}; }
    void cleanup() { CloseWindow(); }

    void okShowsAndNormalisesAssignments_data() {
        QTest::addColumn<int>("p1");
        QTest::addColumn<int>("p2");
        QTest::addColumn<QStringList>("shown");  // CboKey 0..3
        QTest::addColumn<int>("writtenP1");
        QTest::addColumn<int>("writtenP2");

        const QString none = "No Operation", scan = "Scan + Temporary Delete",
                      emergency = "Emergency Calling", monitor = "Monitor",
                      repeater = "Repeater / Talkaround";
        QTest::newRow("77 77: nothing assigned")
            << 0x77 << 0x77 << QStringList{none, none, none, none} << 0x77 << 0x77;
        QTest::newRow("00 00: fallbacks")
            << 0x00 << 0x00 << QStringList{none, none, emergency, repeater} << 0x77 << 0x62;
        QTest::newRow("11: scan has no long press")
            << 0x11 << 0x77 << QStringList{scan, none, none, none} << 0x71 << 0x77;
        QTest::newRow("46 on P2") << 0x77 << 0x46 << QStringList{none, none, repeater, monitor}
                                  << 0x77 << 0x46;
        QTest::newRow("every function")
            << 0x42 << 0x26 << QStringList{emergency, monitor, repeater, emergency} << 0x42 << 0x26;
        QTest::newRow("unassignable 3, 5 and 8-15")
            << 0x35 << 0xF8 << QStringList{none, none, emergency, repeater} << 0x77 << 0x62;
    }

    void okShowsAndNormalisesAssignments() {
        QFETCH(int, p1);
        QFETCH(int, p2);
        QFETCH(QStringList, shown);
        QFETCH(int, writtenP1);
        QFETCH(int, writtenP2);
        data_.image[0x18D] = static_cast<std::uint8_t>(p1);
        data_.image[0x18E] = static_cast<std::uint8_t>(p2);
        const RadioImage before = data_.image;

        auto* window = OpenWindow();
        QStringList actual;
        for (int i = 0; i < 4; ++i) actual << Shown(window, QStringLiteral("CboKey_%1").arg(i));
        QCOMPARE(actual, shown);
        ClickButton(window, "Command1_0");

        QVERIFY(!window->isVisible());
        QCOMPARE(QString::number(data_.image[0x18D], 16), QString::number(writtenP1, 16));
        QCOMPARE(QString::number(data_.image[0x18E], 16), QString::number(writtenP2, 16));
        QCOMPARE(ChangesOutside(before, data_.image, kFields), QStringList());
    }

    void changingOneAssignmentChangesOnlyItsNibble() {
        QRandomGenerator rng(3);
        data_.image = InRangeImage(rng);
        data_.image[0x18D] = 0x42;
        const RadioImage before = data_.image;
        auto* window = OpenWindow();
        auto* p1Long = window->findChild<QComboBox*>("CboKey_1");
        p1Long->setFocus();
        QTest::keyClick(p1Long, Qt::Key_End);  // Repeater / Talkaround, code 6
        ClickButton(window, "Command1_0");
        QCOMPARE(ByteChanges(before, data_.image), QStringList{"0x18d: 42 -> 62"});
    }

    void cancelLeavesTheImageAsItWas() {
        VerifyCancelLeavesTheImage(4, [](FrmKey* window) {
            for (int i = 0; i < 4; ++i) {
                window->findChild<QComboBox*>(QStringLiteral("CboKey_%1").arg(i))
                    ->setCurrentIndex(1);
            }
        });
    }

    void okWithoutChangesKeepsEveryInRangeImage() {
        VerifyStoringWithoutChangesKeeps(21, InRangeImage);
    }

    // Every one of the 256 values of each byte: only the two bytes change, and a second save
    // changes nothing more.
    void modelTouchesOnlyItsBytesForEveryValue() {
        QRandomGenerator rng(22);
        for (int value = 0; value < 256 && !QTest::currentTestFailed(); ++value) {
            RadioImage image = RandomImage(rng);
            image[0x18D] = static_cast<std::uint8_t>(value);
            image[0x18E] = static_cast<std::uint8_t>(255 - value);
            VerifySaveOfLoadTouchesOnlyFields<SideButtonModel>(image, kFields);
        }
    }

    void listsHoldExactlyTheirEntriesAfterRefreshes() {
        auto* window = OpenWindow();
        for (int i = 0; i < 4; ++i) window->RefreshAll();
        const QStringList shortPress{"No Operation", "Scan + Temporary Delete", "Emergency Calling",
                                     "Monitor", "Repeater / Talkaround"};
        const QStringList longPress{"No Operation", "Emergency Calling", "Monitor",
                                    "Repeater / Talkaround"};
        QCOMPARE(Entries(window, "CboKey_0"), shortPress);
        QCOMPARE(Entries(window, "CboKey_1"), longPress);
        QCOMPARE(Entries(window, "CboKey_2"), shortPress);
        QCOMPARE(Entries(window, "CboKey_3"), longPress);
        VerifyShown(window, {"lblTitle_0=Side Button Function Settings", "LblKey_0=Short Press",
                             "LblKey_1=Long Press", "LblKey_2=Short Press", "LblKey_3=Long Press"});
        QCOMPARE(window->findChild<QGroupBox*>("FraKey_0")->title(), QString("Side Button P1"));
        QCOMPARE(window->findChild<QGroupBox*>("FraKey_1")->title(), QString("Side Button P2"));
        QCOMPARE(window->objectName(), QString("frmKey"));
    }

    void chineseAfterALanguageSwitch() {
        data_.image[0x18D] = 0x71;
        data_.image[0x18E] = 0x64;
        const RadioImage before = data_.image;
        auto* window = OpenWindow();
        texts_.SetLanguage(Language::Chinese);
        window->RefreshAll();
        QCOMPARE(window->windowTitle(), QString("侧键功能设置"));
        VerifyShown(window, {"lblTitle_0=侧键功能设置", "CboKey_0=扫描/信道暂时删除", "CboKey_1=无",
                             "CboKey_2=监听", "CboKey_3=中继/脱网", "LblKey_0=短按",
                             "LblKey_3=长按", "Command1_0=确定(&O)"});
        QCOMPARE(window->findChild<QGroupBox*>("FraKey_1")->title(), QString("侧键 P2"));
        ClickButton(window, "Command1_0");
        QCOMPARE(ByteChanges(before, data_.image), QStringList());
    }

    void describesTheAssignmentsInWords() {
        data_.image[0x18D] = 0x21;
        data_.image[0x18E] = 0x00;
        QStringList lines;
        for (const SettingText& t : SideButtonModel(data_.image).Describe(texts_)) {
            lines << t.caption + ": " + t.value;
        }
        QCOMPARE(lines, (QStringList{"Side Button P1 Short Press: Scan + Temporary Delete",
                                     "Side Button P1 Long Press: Emergency Calling",
                                     "Side Button P2 Short Press: Emergency Calling",
                                     "Side Button P2 Long Press: Repeater / Talkaround"}));
    }
};

QTEST_MAIN(TestSideButtons)
#include "test_side_buttons.moc"
