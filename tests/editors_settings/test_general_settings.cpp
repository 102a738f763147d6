// General settings (0x180-0x185): the model's byte rules and the frmSetting window.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "editors/setting/frm_setting.h"
#include "editors/setting/general_settings_model.h"
#include "settings_test_support.h"

using namespace qv;
using namespace qv::test;

namespace {

constexpr int kBase = GeneralSettingsModel::kFlagsAddress;

const FieldMask kFields = {{0x180, 0x1F}, {0x181, 0xFF}, {0x182, 0xFF},
                           {0x183, 0xFF}, {0x184, 0xFF}, {0x185, 0xFF}};

// An image whose six bytes all hold values the window can show as they are. Priority scanning
// without a priority channel is left out: the priority-channel rule changes it on purpose.
RadioImage InRangeImage(QRandomGenerator& rng) {
    RadioImage image = RandomImage(rng);
    image[0x181] = static_cast<std::uint8_t>(rng.bounded(4));
    image[0x182] = static_cast<std::uint8_t>(rng.bounded(10));
    image[0x183] = static_cast<std::uint8_t>(rng.bounded(17));
    image[0x184] = static_cast<std::uint8_t>(rng.bounded(16));
    image[0x185] = static_cast<std::uint8_t>(rng.bounded(16));
    if (image[0x183] == GeneralSettingsModel::kPriorityOff) image[0x180] |= 0x10;
    return image;
}

QByteArray Six(std::initializer_list<int> bytes) {
    QByteArray out;
    for (int b : bytes) out.append(static_cast<char>(b));
    return out;
}

}  // namespace

class TestGeneralSettings : public QObject, SettingsWindowFixture<FrmSetting> {
    Q_OBJECT

private slots:
    void init() { data_ = RadioData{}; }
    void cleanup() { CloseWindow(); }

    void okShowsAndNormalisesFields_data() {
        QTest::addColumn<QByteArray>("stored");  // 0x180-0x185
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("in range, Priority with CH 4")
            << Six({0x07, 2, 9, 3, 0, 15})
            << QStringList{"Check1_3=set",       "Check1_1=set",          "Check1_2=set",
                           "Combo1_7=240°",      "Combo1_16=120",         "Combo1_15=9",
                           "cboScan_0=Priority", "cboScan_0.enabled=yes", "cboScan_3=CH 4",
                           "cboScan_10=1",       "cboScan_11=16"}
            << Six({0x07, 2, 9, 3, 0, 15});
        QTest::newRow("priority channel 16 forces Normal")
            << Six({0x00, 0, 0, 16, 4, 9})
            << QStringList{"cboScan_3=Off", "cboScan_0=Normal", "cboScan_0.enabled=no",
                           "Check1_3=clear", "Combo1_7=240°"}
            << Six({0x10, 0, 0, 16, 4, 9});
        QTest::newRow("priority channel 17 reads as Off")
            << Six({0x00, 0, 0, 17, 4, 9})
            << QStringList{"cboScan_3=Off", "cboScan_0=Normal", "cboScan_0.enabled=no"}
            << Six({0x10, 0, 0, 16, 4, 9});
        QTest::newRow("priority channel 255 reads as Off")
            << Six({0x10, 0, 0, 255, 4, 9}) << QStringList{"cboScan_3=Off"}
            << Six({0x10, 0, 0, 16, 4, 9});
        QTest::newRow("CH 16 is the highest channel")
            << Six({0x00, 0, 0, 15, 4, 9}) << QStringList{"cboScan_3=CH 16", "cboScan_0=Priority"}
            << Six({0x00, 0, 0, 15, 4, 9});
        QTest::newRow("out-of-range bytes show their fallbacks")
            << Six({0x10, 4, 10, 0, 16, 16})
            << QStringList{"Combo1_16=Off", "Combo1_15=4", "cboScan_10=5", "cboScan_11=10",
                           "cboScan_3=CH 1"}
            << Six({0x10, 0, 4, 0, 4, 9});
        QTest::newRow("largest out-of-range bytes")
            << Six({0x10, 255, 255, 0, 255, 255}) << QStringList{"Combo1_16=Off", "Combo1_15=4"}
            << Six({0x10, 0, 4, 0, 4, 9});
        QTest::newRow("unused bits and the hidden phase are carried")
            << Six({0xF8, 1, 5, 7, 2, 3}) << QStringList{"Combo1_7=180°", "cboScan_0=Normal"}
            << Six({0xF8, 1, 5, 7, 2, 3});
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
        QCOMPARE(Hex(data_.image, kBase, 6), Hex(written));
        QCOMPARE(ChangesOutside(before, data_.image, kFields), QStringList());
    }

    // Priority scanning needs a priority channel, on the real lists with real keys.
    void priorityChannelRuleOnTheLists() {
        PutBytes(data_.image, kBase, Six({0x00, 0, 0, 3, 4, 9}));  // Priority, CH 4
        auto* window = OpenWindow();
        auto* priority = window->findChild<QComboBox*>("cboScan_3");
        priority->setFocus();
        QTest::keyClick(priority, Qt::Key_Home);  // "Off"
        VerifyShown(window, {"cboScan_3=Off", "cboScan_0=Normal", "cboScan_0.enabled=no"});

        QTest::keyClick(priority, Qt::Key_Down);  // CH 1
        VerifyShown(window, {"cboScan_3=CH 1", "cboScan_0=Normal", "cboScan_0.enabled=yes"});

        auto* scanMode = window->findChild<QComboBox*>("cboScan_0");
        QTest::keyClick(scanMode, Qt::Key_End);  // "Priority" can be chosen again
        window->SaveData();
        QCOMPARE(data_.image[0x180] & 0x10, 0);
        QCOMPARE(int(data_.image[0x183]), 0);
    }

    void cancelLeavesTheImageAsItWas() {
        VerifyCancelLeavesTheImage(5, [](FrmSetting* window) {
            window->findChild<QCheckBox*>("Check1_1")->click();
            window->findChild<QComboBox*>("Combo1_15")->setCurrentIndex(2);
            window->findChild<QComboBox*>("cboScan_3")->setCurrentIndex(0);
        });
    }

    void okWithoutChangesKeepsEveryInRangeImage() {
        VerifyStoringWithoutChangesKeeps(1, InRangeImage);
    }

    void modelKeepsInRangeImagesAndTouchesOnlyItsBits() {
        QRandomGenerator rng(2);
        for (int i = 0; i < 3000 && !QTest::currentTestFailed(); ++i) {
            VerifySaveOfLoadKeeps<GeneralSettingsModel>(InRangeImage(rng));
            VerifySaveOfLoadTouchesOnlyFields<GeneralSettingsModel>(RandomImage(rng), kFields);
        }
    }

    void listsHoldExactlyTheirEntriesAfterRefreshes() {
        auto* window = OpenWindow();
        for (int i = 0; i < 5; ++i) window->RefreshAll();
        QCOMPARE(Entries(window, "Combo1_16"), (QStringList{"Off", "60", "120", "180"}));
        QCOMPARE(Entries(window, "Combo1_15"),
                 (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QCOMPARE(Entries(window, "Combo1_7"), (QStringList{"180°", "240°"}));
        QCOMPARE(Entries(window, "cboScan_0"), (QStringList{"Normal", "Priority"}));
        const QStringList priority = Entries(window, "cboScan_3");
        QCOMPARE(priority.size(), 17);
        QCOMPARE(priority.first(), QString("Off"));
        QCOMPARE(priority[1], QString("CH 1"));
        QCOMPARE(priority.last(), QString("CH 16"));
        for (const char* name : {"cboScan_10", "cboScan_11"}) {
            const QStringList resume = Entries(window, name);
            QCOMPARE(resume.size(), 16);
            QCOMPARE(resume.first(), QString("1"));
            QCOMPARE(resume.last(), QString("16"));
        }
    }

    void captionsInEnglish() {
        auto* window = OpenWindow();
        QCOMPARE(window->objectName(), QString("frmSetting"));
        QCOMPARE(window->windowTitle(), QString("General Settings"));
        VerifyShown(
            window,
            {"lblTitle_0=General Settings", "Label1_18=Transmit Timeout Timer(Sec)",
             "Label1_17=Squelch Level", "Check1_3=clear", "lblScan_10=Scan Resume Time 1 (Sec)",
             "lblScan_11=Scan Resume Time 2 (Sec)", "Command1_0=&OK", "Command1_1=&Cancel"});
        QVERIFY(!window->findChild<QWidget*>("Combo1_7")->isVisible());
        QVERIFY(!window->findChild<QWidget*>("Label1_7")->isVisible());
        QCOMPARE(window->findChild<QCheckBox*>("Check1_3")->text(),
                 QString("Enable Restore Factory Default Settings"));
    }

    void chineseAfterALanguageSwitch() {
        PutBytes(data_.image, kBase, Six({0x10, 0, 4, 16, 4, 9}));
        const RadioImage before = data_.image;
        auto* window = OpenWindow();
        texts_.SetLanguage(Language::Chinese);
        window->RefreshAll();
        QCOMPARE(window->windowTitle(), QString("整机设置"));
        VerifyShown(window, {"lblTitle_0=整机设置", "Frame2.enabled=yes", "Combo1_16=关",
                             "cboScan_3=关", "cboScan_0=普通", "Label1_18=发射超时定时器(秒)",
                             "lblScan_10=扫描恢复时间 1 (秒)", "Command1_0=确定(&O)",
                             "Command1_1=取消(&C)"});
        QCOMPARE(window->findChild<QGroupBox*>("Frame2")->title(), QString("扫描设置"));
        const QStringList priority = Entries(window, "cboScan_3");
        QCOMPARE(priority[1], QString("信道 1"));
        QCOMPARE(priority.last(), QString("信道 16"));
        QCOMPARE(Entries(window, "cboScan_0"), (QStringList{"普通", "优先"}));
        ClickButton(window, "Command1_0");
        QCOMPARE(ByteChanges(before, data_.image), QStringList());
    }

    void enterMovesTheFocusOn() {
        auto* window = OpenWindow();
        auto* timeout = window->findChild<QComboBox*>("Combo1_16");
        timeout->setFocus();
        QTest::keyClick(timeout, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Combo1_15"));
        auto* box = window->findChild<QCheckBox*>("Check1_2");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Combo1_16"));
    }

    void tabReachesTheButtonsLast() {
        auto* window = OpenWindow();
        QStringList order;
        QWidget* w = window->findChild<QWidget*>("Check1_3");
        for (int i = 0; i < 60 && w && w != window; ++i, w = w->nextInFocusChain()) {
            if (w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus)) {
                order << w->objectName();
            }
        }
        QCOMPARE(order.mid(0, 10).join(' '),
                 QString("Check1_3 Check1_1 Check1_2 Combo1_16 Combo1_15 cboScan_0 cboScan_3 "
                         "cboScan_10 cboScan_11 Command1_0"));
    }

    void frameFollowsTheWindowSize() {
        auto* window = OpenWindow();
        window->resize(700, 800);
        auto* frame = window->findChild<QWidget*>("Frame1");
        QCOMPARE(frame->width(), 700 - TwipsToPixels(200));
        QCOMPARE(frame->height(), 800 - TwipsToPixels(100));
    }

    void okClosesItsSubWindow() {
        QMdiArea area;
        auto* window = new FrmSetting(data_, texts_, nullptr);
        QPointer<QMdiSubWindow> sub = area.addSubWindow(window);
        area.show();
        sub->show();
        PutBytes(data_.image, kBase, Six({0x00, 9, 9, 3, 4, 9}));
        window->RefreshAll();
        ClickButton(window, "Command1_0");
        QTRY_VERIFY(sub.isNull() || !sub->isVisible());
        QCOMPARE(int(data_.image[0x181]), 0);  // 9 was out of range: stored as "Off"
    }

    void describesTheSettingsInWords() {
        PutBytes(data_.image, kBase, Six({0x02, 2, 3, 3, 4, 9}));
        GeneralSettingsModel model(data_.image);
        const SettingTexts english = model.Describe(texts_);
        QStringList lines;
        for (const SettingText& t : english) lines << t.caption + ": " + t.value;
        QCOMPARE(
            lines,
            (QStringList{"Enable Restore Factory Default Settings: Off", "Battery Save: On",
                         "Enable Radio to Radio Cloning: Off", "Transmit Timeout Timer(Sec): 120",
                         "Squelch Level: 3", "Scan Mode: Priority", "Priority Channel: CH 4",
                         "Scan Resume Time 1 (Sec): 5", "Scan Resume Time 2 (Sec): 10"}));
        texts_.SetLanguage(Language::Chinese);
        const SettingTexts chinese = model.Describe(texts_);
        QCOMPARE(chinese[1].caption + ": " + chinese[1].value, QString("省电功能: 开"));
        QCOMPARE(chinese[6].caption + ": " + chinese[6].value, QString("优先信道: 信道 4"));
    }
};

QTEST_MAIN(TestGeneralSettings)
#include "test_general_settings.moc"
