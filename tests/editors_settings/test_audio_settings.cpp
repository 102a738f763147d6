// Audio and emergency settings (0x186, 0x188-0x18C): the model's byte rules and the FrmAudio
// window.

#include "editors/audio/audio_settings_model.h"
#include "editors/audio/frm_audio.h"
#include "settings_test_support.h"

using namespace qv;
using namespace qv::test;

namespace {

constexpr int kBase = AudioSettingsModel::kVoxDelayAddress;  // 0x186-0x18C, seven bytes

const FieldMask kFields = {{0x186, 0xFF}, {0x188, 0xBF}, {0x189, 0xFF},
                           {0x18A, 0xFF}, {0x18B, 0xFF}, {0x18C, 0xFF}};

// Every field in range; annunciation 0, 1, or the unlisted 3 that the window keeps.
RadioImage InRangeImage(QRandomGenerator& rng) {
    RadioImage image = RandomImage(rng);
    const int annunciation[] = {0, 1, 3};
    image[0x186] = static_cast<std::uint8_t>(rng.bounded(5));
    image[0x188] =
        static_cast<std::uint8_t>(rng.bounded(3) | rng.bounded(3) << 2 |
                                  annunciation[rng.bounded(3)] << 4 | (image[0x188] & 0xC0));
    image[0x189] = static_cast<std::uint8_t>(rng.bounded(4) | rng.bounded(3) << 4);
    image[0x18A] =
        static_cast<std::uint8_t>(rng.bounded(4) | rng.bounded(3) << 2 | rng.bounded(4) << 4);
    image[0x18B] = static_cast<std::uint8_t>(rng.bounded(16));
    image[0x18C] = static_cast<std::uint8_t>(rng.bounded(20));
    return image;
}

// 0x186, 0x187 (not ours), 0x188 ... 0x18C.
QByteArray Seven(std::initializer_list<int> bytes) {
    QByteArray out;
    for (int b : bytes) out.append(static_cast<char>(b));
    return out;
}

}  // namespace

class TestAudioSettings : public QObject, SettingsWindowFixture<FrmAudio> {
    Q_OBJECT

private slots:
    void init() { data_ = RadioData{}; }
    void cleanup() { CloseWindow(); }

    void okShowsAndNormalisesFields_data() {
        QTest::addColumn<QByteArray>("stored");  // 0x186-0x18C
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("0x188 = 00: gains High, annunciation Off, lone worker on")
            << Seven({1, 0x5A, 0x00, 0x00, 0x20, 0, 4})
            << QStringList{"Combo1_0=High", "Combo1_1=High",   "Combo1_5=Off", "ChkEmergency_0=set",
                           "Combo1_4=1.0",  "Combo1_7=1750Hz", "Check1_0=set", "Check1_1=set"}
            << Seven({1, 0x5A, 0x00, 0x00, 0x20, 0, 4});
        QTest::newRow("in range everywhere")
            << Seven({4, 0x00, 0x96, 0x23, 0x3A, 15, 19})
            << QStringList{"Combo1_0=Low",     "Combo1_1=Medium",
                           "Combo1_5=English", "ChkEmergency_0=clear",
                           "Combo1_2=Low",     "Combo1_3=Low",
                           "Combo1_4=3.0",     "Check1_0=set",
                           "Check1_1=clear",   "cboEmergency_0=Select CH",
                           "Combo1_7=2100Hz",  "cboEmergency_1=CH 16",
                           "cboEmergency_3=20"}
            << Seven({4, 0x00, 0x96, 0x23, 0x3A, 15, 19});
        QTest::newRow("0x18A = F3: tones off, burst tone falls back to 1750Hz")
            << Seven({1, 0, 0x00, 0x00, 0xF3, 0, 4})
            << QStringList{"Check1_0=clear", "Check1_1=clear", "cboEmergency_0=Current CH",
                           "Combo1_7=1750Hz"}
            << Seven({1, 0, 0x00, 0x00, 0x23, 0, 4});
        QTest::newRow("0x189 = 34: VOX 4 and iVOX 3 out of range")
            << Seven({1, 0, 0x00, 0x34, 0x20, 0, 4}) << QStringList{"Combo1_2=Off", "Combo1_3=High"}
            << Seven({1, 0, 0x00, 0x00, 0x20, 0, 4});
        QTest::newRow("gains 3 and emergency mode 3 fall back")
            << Seven({1, 0, 0x0F, 0x00, 0x2C, 0, 4})
            << QStringList{"Combo1_0=Medium", "Combo1_1=Medium", "cboEmergency_0=Current CH"}
            << Seven({1, 0, 0x05, 0x00, 0x20, 0, 4});
        QTest::newRow("whole bytes past their lists")
            << Seven({5, 0, 0x00, 0x00, 0x20, 16, 20})
            << QStringList{"Combo1_4=1.0", "cboEmergency_1=CH 1", "cboEmergency_3=5"}
            << Seven({1, 0, 0x00, 0x00, 0x20, 0, 4});
        QTest::newRow("whole bytes at 255")
            << Seven({255, 0, 0x00, 0x00, 0x20, 255, 255})
            << QStringList{"Combo1_4=1.0", "cboEmergency_1=CH 1", "cboEmergency_3=5"}
            << Seven({1, 0, 0x00, 0x00, 0x20, 0, 4});
        QTest::newRow("annunciation 2 shows Off and is saved as 0")
            << Seven({1, 0, 0x20, 0x00, 0x20, 0, 4}) << QStringList{"Combo1_5=Off"}
            << Seven({1, 0, 0x00, 0x00, 0x20, 0, 4});
        QTest::newRow("annunciation 3 shows no entry and is kept")
            << Seven({1, 0, 0x30, 0x00, 0x20, 0, 4}) << QStringList{"Combo1_5=", "Combo1_5.count=2"}
            << Seven({1, 0, 0x30, 0x00, 0x20, 0, 4});
        QTest::newRow("bit 6 of 0x188 and 0x187 are not ours")
            << Seven({1, 0xFF, 0x40, 0x00, 0x20, 0, 4}) << QStringList{"ChkEmergency_0=set"}
            << Seven({1, 0xFF, 0x40, 0x00, 0x20, 0, 4});
    }

    void okShowsAndNormalisesFields() {
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, written);
        PutBytes(data_.image, kBase, stored);
        const RadioImage before = data_.image;

        auto* window = OpenWindow();
        VerifyShown(window, shown);
        ClickButton(window, "Command1_0");

        QVERIFY(!window->isVisible());
        QCOMPARE(Hex(data_.image, kBase, 7), Hex(written));
        QCOMPARE(ChangesOutside(before, data_.image, kFields), QStringList());
    }

    void choosingAnAnnunciationReplacesTheUnlistedCode() {
        PutBytes(data_.image, kBase, Seven({1, 0, 0xF0, 0x00, 0x20, 0, 4}));  // code 3
        auto* window = OpenWindow();
        auto* list = window->findChild<QComboBox*>("Combo1_5");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);  // "English"
        ClickButton(window, "Command1_0");
        QCOMPARE(int(data_.image[0x188]), 0xD0);
    }

    void editsAreStoredInTheirOwnBits() {
        data_.image[0x18A] = 0x20;
        data_.image[0x188] = 0x40;
        auto* window = OpenWindow();
        window->findChild<QCheckBox*>("Check1_1")->click();        // roger beep off: bit 1
        window->findChild<QCheckBox*>("ChkEmergency_0")->click();  // lone worker off: bit 7
        window->findChild<QComboBox*>("cboEmergency_0")->setCurrentIndex(1);  // PRI CH
        window->SaveData();
        QCOMPARE(int(data_.image[0x18A]), 0x26);
        QCOMPARE(int(data_.image[0x188]), 0xC0);
    }

    void cancelLeavesTheImageAsItWas() {
        VerifyCancelLeavesTheImage(7, [](FrmAudio* window) {
            window->findChild<QCheckBox*>("Check1_0")->click();
            window->findChild<QComboBox*>("Combo1_2")->setCurrentIndex(3);
            window->findChild<QComboBox*>("cboEmergency_3")->setCurrentIndex(0);
        });
    }

    void okWithoutChangesKeepsEveryInRangeImage() {
        VerifyStoringWithoutChangesKeeps(11, InRangeImage);
    }

    void modelKeepsInRangeImagesAndTouchesOnlyItsBits() {
        QRandomGenerator rng(12);
        for (int i = 0; i < 3000 && !QTest::currentTestFailed(); ++i) {
            VerifySaveOfLoadKeeps<AudioSettingsModel>(InRangeImage(rng));
            VerifySaveOfLoadTouchesOnlyFields<AudioSettingsModel>(RandomImage(rng), kFields);
        }
    }

    void listsHoldExactlyTheirEntriesAfterRefreshes() {
        auto* window = OpenWindow();
        for (int i = 0; i < 4; ++i) window->RefreshAll();
        const QStringList gains{"High", "Medium", "Low"};
        QCOMPARE(Entries(window, "Combo1_0"), gains);
        QCOMPARE(Entries(window, "Combo1_1"), gains);
        QCOMPARE(Entries(window, "Combo1_3"), gains);
        QCOMPARE(Entries(window, "Combo1_2"), (QStringList{"Off", "High", "Medium", "Low"}));
        QCOMPARE(Entries(window, "Combo1_4"), (QStringList{"0.5", "1.0", "1.5", "2.0", "3.0"}));
        QCOMPARE(Entries(window, "Combo1_5"), (QStringList{"Off", "English"}));
        QCOMPARE(Entries(window, "Combo1_7"),
                 (QStringList{"1000Hz", "1450Hz", "1750Hz", "2100Hz"}));
        QCOMPARE(Entries(window, "cboEmergency_0"),
                 (QStringList{"Current CH", "PRI CH", "Select CH"}));
        QCOMPARE(Entries(window, "cboEmergency_1").size(), 16);
        QCOMPARE(Entries(window, "cboEmergency_1").last(), QString("CH 16"));
        QCOMPARE(Entries(window, "cboEmergency_3").size(), 20);
        QCOMPARE(Entries(window, "cboEmergency_3").last(), QString("20"));
        QVERIFY(!window->findChild<QWidget*>("Combo1_7")->isVisible());
        QVERIFY(!window->findChild<QWidget*>("Label1_7")->isVisible());
    }

    void chineseAfterALanguageSwitch() {
        PutBytes(data_.image, kBase, Seven({1, 0, 0x10, 0x21, 0x24, 3, 4}));
        const RadioImage before = data_.image;
        auto* window = OpenWindow();
        texts_.SetLanguage(Language::Chinese);
        window->RefreshAll();
        QCOMPARE(window->windowTitle(), QString("音频设置"));
        VerifyShown(
            window,
            {"lblTitle_0=音频设置", "Label1_0=麦克风增益", "Combo1_0=高", "Combo1_5=英文",
             "Combo1_2=高", "Combo1_3=低", "Label1_4=声控延时 (秒)", "cboEmergency_0=优先信道",
             "cboEmergency_1=信道 4", "lblEmergency_3=单独工作计时器(分钟)", "Check1_1=set"});
        QCOMPARE(window->findChild<QGroupBox*>("FraEmergency")->title(), QString("报警设置"));
        QCOMPARE(window->findChild<QCheckBox*>("ChkEmergency_0")->text(), QString("单独工作模式"));
        ClickButton(window, "Command1_0");
        QCOMPARE(ByteChanges(before, data_.image), QStringList());
    }

    void describesTheSettingsInWords() {
        PutBytes(data_.image, kBase, Seven({2, 0, 0x31, 0x12, 0x09, 6, 9}));
        AudioSettingsModel model(data_.image);
        QStringList lines;
        for (const SettingText& t : model.Describe(texts_)) lines << t.caption + ": " + t.value;
        QCOMPARE(lines,
                 (QStringList{"Microphone Gain: Medium", "Accessory Microphone Gain: High",
                              "VOX Level: Medium", "iVOX Level: Medium", "VOX delay (Sec): 1.5",
                              "Channel Annunciation: 3", "Call Tone: Off", "Roger Beep Tone: On",
                              "Emergency Channel: Select CH", "Select Channel: CH 7",
                              "Lone Worker Mode: On", "Lone Worker Timer(min): 10"}));
    }
};

QTEST_MAIN(TestAudioSettings)
#include "test_audio_settings.moc"
