// Customized CTCSS/DCS tones (0x190-0x19B, 0x1A0-0x1AB): the model's rules for loading, storing,
// typing and leaving a box, and the FrmCustomizedSignal window with real keys.
#include <QApplication>
#include <QLabel>

#include "codecs/tone_table.h"
#include "editors/customized/customized_tone_model.h"
#include "editors/customized/frm_customized_signal.h"
#include "settings_test_support.h"
#include "support/ui_texts.h"

using namespace qv;
using namespace qv::test;

namespace {

QByteArray Pair(int low, int high) {
    QByteArray pair;
    pair.append(static_cast<char>(low)).append(static_cast<char>(high));
    return pair;
}

int CtcssAddress(int slot) {
    return kCustomCtcssAddress + 2 * slot;
}
int DcsAddress(int slot) {
    return kCustomDcsAddress + 2 * slot;
}

}  // namespace

class TestCustomizedTones : public QObject, SettingsWindowFixture<FrmCustomizedSignal> {
    Q_OBJECT

    QLineEdit* Box(const char* name) { return window_->findChild<QLineEdit*>(name); }

    // Clicks into the box, types the keys, then tabs out of it; returns what the box shows.
    QString TypeAndLeave(const char* name, const QString& keys) {
        QLineEdit* box = Box(name);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);  // type over the whole text
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Tab);
        return box->text();
    }

private slots:
    void init() {
        data_ = RadioData{};
        for (int a = kCustomCtcssAddress; a < kCustomDcsAddress + 2 * kCustomSlots; ++a) {
            data_.image[a] = 0xFF;
        }
    }
    void cleanup() { CloseWindow(); }

    void loadShowsOnlyFittingTones_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("stored");  // low, high
        QTest::addColumn<QString>("shown");
        QTest::newRow("CTCSS none") << CtcssAddress(0) << Pair(0xFF, 0xFF) << "";
        QTest::newRow("CTCSS slot holding a DCS code") << CtcssAddress(1) << Pair(0x23, 0x80) << "";
        QTest::newRow("CTCSS 69.3") << CtcssAddress(2) << Pair(0x93, 0x06) << "69.3";
        QTest::newRow("CTCSS 67.0 lowest") << CtcssAddress(3) << Pair(0x70, 0x06) << "67.0";
        QTest::newRow("CTCSS 254.1 highest") << CtcssAddress(4) << Pair(0x41, 0x25) << "254.1";
        QTest::newRow("CTCSS 66.9 too low") << CtcssAddress(5) << Pair(0x69, 0x06) << "";
        QTest::newRow("CTCSS 254.2 too high") << CtcssAddress(0) << Pair(0x42, 0x25) << "";
        QTest::newRow("CTCSS non-decimal nibbles") << CtcssAddress(0) << Pair(0xA0, 0x10) << "";
        QTest::newRow("DCS normal") << DcsAddress(0) << Pair(0x23, 0x80) << "D023N";
        QTest::newRow("DCS inverted") << DcsAddress(5) << Pair(0x54, 0xC7) << "D754I";
        QTest::newRow("DCS slot holding a CTCSS tone") << DcsAddress(1) << Pair(0x70, 0x06) << "";
        QTest::newRow("DCS none") << DcsAddress(2) << Pair(0xFF, 0xFF) << "";
    }

    void loadShowsOnlyFittingTones() {
        QFETCH(int, address);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        PutBytes(data_.image, address, stored);
        const bool dcs = address >= kCustomDcsAddress;
        const int slot = (address - (dcs ? kCustomDcsAddress : kCustomCtcssAddress)) / 2;
        const CustomizedTones tones = CustomizedToneModel(data_.image).Load(texts_);
        QCOMPARE(dcs ? tones.dcs[slot] : tones.ctcss[slot], shown);

        OpenWindow();
        const QString name = QString::fromLatin1(dcs ? "TxtDQT_%1" : "TxtQT_%1").arg(slot);
        QCOMPARE(Shown(window_.get(), name), shown);
    }

    void ctcssKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit into empty") << ""
                                          << "7" << true;
        QTest::newRow("point into empty") << ""
                                          << "." << false;
        QTest::newRow("point after one digit") << "6"
                                               << "." << false;
        QTest::newRow("point after two digits") << "67"
                                                << "." << true;
        QTest::newRow("second point passes the filter") << "67."
                                                        << "." << true;
        QTest::newRow("comma") << "67"
                               << "," << false;
        QTest::newRow("letter") << "67"
                                << "a" << false;
        QTest::newRow("minus") << ""
                               << "-" << false;
        QTest::newRow("non-ASCII digit") << "" << QString(QChar(0x0663)) << false;
    }

    void ctcssKeys() {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QCOMPARE(CustomizedToneModel::CtcssKeyAccepted(text, typed[0]), accepted);
    }

    void dcsKeys_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");  // the character taken, "" when refused
        QTest::newRow("D into empty") << ""
                                      << "D"
                                      << "D";
        QTest::newRow("d becomes D") << ""
                                     << "d"
                                     << "D";
        QTest::newRow("D at any time") << "D02"
                                       << "D"
                                       << "D";
        QTest::newRow("digit needs a leading D") << ""
                                                 << "0"
                                                 << "";
        QTest::newRow("digit after D") << "D"
                                       << "0"
                                       << "0";
        QTest::newRow("8 and 9 accepted") << "D0"
                                          << "9"
                                          << "9";
        QTest::newRow("fourth digit refused") << "D023"
                                              << "1"
                                              << "";
        QTest::newRow("n after three digits") << "D023"
                                              << "n"
                                              << "N";
        QTest::newRow("I after three digits") << "D023"
                                              << "I"
                                              << "I";
        QTest::newRow("N too early") << "D02"
                                     << "N"
                                     << "";
        QTest::newRow("other letter") << "D02"
                                      << "x"
                                      << "";
        QTest::newRow("point") << "D02"
                               << "."
                               << "";
    }

    void dcsKeys() {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, result);
        const std::optional<QChar> taken = CustomizedToneModel::DcsKeyAccepted(text, typed[0]);
        QCOMPARE(taken ? QString(*taken) : QString(), result);
    }

    void leavingABox_data() {
        QTest::addColumn<bool>("dcs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("result");
        QTest::newRow("CTCSS 100 gets one decimal") << false << "100"
                                                    << ""
                                                    << "100.0";
        QTest::newRow("CTCSS 254.1 stays") << false << "254.1"
                                           << "88.5"
                                           << "254.1";
        QTest::newRow("CTCSS 66.9 reverts") << false << "66.9"
                                            << "88.5"
                                            << "88.5";
        QTest::newRow("CTCSS 254.2 reverts") << false << "254.2"
                                             << "88.5"
                                             << "88.5";
        QTest::newRow("CTCSS emptied stays empty") << false << ""
                                                   << "88.5"
                                                   << "";
        QTest::newRow("CTCSS two points reverts") << false << "67..5"
                                                  << "88.5"
                                                  << "88.5";
        QTest::newRow("CTCSS pasted letters revert") << false << "7x.5"
                                                     << ""
                                                     << "";
        QTest::newRow("CTCSS comma decimal") << false << "100,5"
                                             << ""
                                             << "100.5";
        QTest::newRow("CTCSS unchanged text untouched") << false << "100"
                                                        << "100"
                                                        << "100";
        QTest::newRow("DCS D023 gets N") << true << "D023"
                                         << ""
                                         << "D023N";
        QTest::newRow("DCS D02 reverts") << true << "D02"
                                         << "D754I"
                                         << "D754I";
        QTest::newRow("DCS D999 gets N") << true << "D999"
                                         << ""
                                         << "D999N";
        QTest::newRow("DCS D999I reverts") << true << "D999I"
                                           << "D023N"
                                           << "D023N";
        QTest::newRow("DCS D777I stays") << true << "D777I"
                                         << ""
                                         << "D777I";
        QTest::newRow("DCS D inside the code reverts") << true << "D02D"
                                                       << "D023N"
                                                       << "D023N";
        QTest::newRow("DCS emptied stays empty") << true << ""
                                                 << "D023N"
                                                 << "";
    }

    void leavingABox() {
        QFETCH(bool, dcs);
        QFETCH(QString, text);
        QFETCH(QString, saved);
        QFETCH(QString, result);
        QCOMPARE(dcs ? CustomizedToneModel::DcsAfterEdit(text, saved)
                     : CustomizedToneModel::CtcssAfterEdit(text, saved, texts_.locale()),
                 result);
    }

    void typingIntoTheRealBoxes() {
        PutBytes(data_.image, CtcssAddress(1), Pair(0x85, 0x08));  // 88.5
        OpenWindow();
        QCOMPARE(TypeAndLeave("TxtQT_0", ".1a00"), QString("100.0"));  // "." and "a" refused
        QCOMPARE(TypeAndLeave("TxtQT_1", "66.9"), QString("88.5"));
        QCOMPARE(TypeAndLeave("TxtQT_1", "254.1"), QString("254.1"));
        QCOMPARE(TypeAndLeave("TxtQT_2", "67..5"), QString(""));        // not a number: reverts
        QCOMPARE(TypeAndLeave("TxtQT_3", "100.55"), QString("100.5"));  // five characters at most
        QCOMPARE(TypeAndLeave("TxtDQT_0", "9d023"), QString("D023N"));  // 9 refused before D
        QCOMPARE(TypeAndLeave("TxtDQT_1", "d089i"), QString("D089I"));
        QCOMPARE(TypeAndLeave("TxtDQT_2", "D02"), QString(""));
        QCOMPARE(TypeAndLeave("TxtDQT_3", "D999I"), QString(""));
        QCOMPARE(TypeAndLeave("TxtDQT_4", "D999"), QString("D999N"));
    }

    void escapeRestoresAndEnterMovesOn() {
        PutBytes(data_.image, DcsAddress(0), Pair(0x23, 0x80));
        OpenWindow();
        QLineEdit* box = Box("TxtDQT_0");
        QTest::mouseClick(box, Qt::LeftButton);
        QCoreApplication::processEvents();  // getting focus selects the whole text
        QCOMPARE(box->selectedText(), QString("D023N"));
        QTest::keyClicks(box, "D7");  // replaces the selected text
        QCOMPARE(box->text(), QString("D7"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(box->text(), QString("D023N"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Box("TxtDQT_1")));

        QLineEdit* last = Box("TxtQT_5");
        QTest::mouseClick(last, Qt::LeftButton);
        QTest::keyClick(last, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Box("TxtDQT_0")));
    }

    void pastedTextIsCheckedOnLeaving() {
        OpenWindow();
        QLineEdit* box = Box("TxtDQT_0");
        QTest::mouseClick(box, Qt::LeftButton);
        box->insert("DD0D");  // what a paste can put past the key filter
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->text(), QString(""));
    }

    void savingStoresTonesTheChannelListOffers() {
        OpenWindow();
        TypeAndLeave("TxtQT_0", "100.5");
        TypeAndLeave("TxtDQT_2", "D089");
        window_->SaveData();
        QCOMPARE(Hex(data_.image, CtcssAddress(0), 2), QString("05 10"));
        QCOMPARE(Hex(data_.image, DcsAddress(2), 2), QString("89 80"));
        const QStringList toneList = BuildToneList(data_.image, qv::test::kEnglish);
        QVERIFY(toneList.contains("122 - 100.5Hz"));
        QVERIFY(toneList.contains("213 - D089N"));
    }

    void savingWhileStillInABoxChecksItFirst() {
        OpenWindow();
        QLineEdit* box = Box("TxtDQT_1");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, "D023");
        window_->SaveData();  // the main window stores with the cursor still in the box
        QCOMPARE(box->text(), QString("D023N"));
        QCOMPARE(Hex(data_.image, DcsAddress(1), 2), QString("23 80"));

        QLineEdit* ctcss = Box("TxtQT_4");
        QTest::mouseClick(ctcss, Qt::LeftButton);
        QTest::keyClicks(ctcss, "67..");
        window_->SaveData();
        QCOMPARE(ctcss->text(), QString(""));
        QCOMPARE(Hex(data_.image, CtcssAddress(4), 2), QString("FF FF"));
    }

    void emptyingABoxKeepsTheStoredTone() {
        PutBytes(data_.image, CtcssAddress(3), Pair(0x05, 0x10));
        OpenWindow();
        QCOMPARE(TypeAndLeave("TxtQT_3", ""), QString(""));
        window_->SaveData();
        QCOMPARE(Hex(data_.image, CtcssAddress(3), 2), QString("05 10"));
        window_->RefreshAll();
        QCOMPARE(Box("TxtQT_3")->text(), QString("100.5"));
    }

    // Storing what was loaded never changes a byte, whatever the slots hold.
    void savingWhatWasLoadedChangesNothing() {
        QRandomGenerator rng(31);
        OpenWindow();
        for (int i = 0; i < 3000; ++i) {
            RadioImage image = RandomImage(rng);
            // Slots with real tones often, so the round trip is exercised, not just skipped.
            for (int k = 0; k < kCustomSlots; ++k) {
                if (rng.bounded(2)) {
                    const int tenths = 670 + rng.bounded(2541 - 670 + 1);
                    image[CtcssAddress(k)] =
                        static_cast<std::uint8_t>((tenths / 10 % 10) << 4 | tenths % 10);
                    image[CtcssAddress(k) + 1] =
                        static_cast<std::uint8_t>((tenths / 1000) << 4 | tenths / 100 % 10);
                }
                if (rng.bounded(2)) {
                    image[DcsAddress(k)] =
                        static_cast<std::uint8_t>(rng.bounded(8) << 4 | rng.bounded(8));
                    image[DcsAddress(k) + 1] =
                        static_cast<std::uint8_t>((rng.bounded(2) ? 0x80 : 0xC0) | rng.bounded(8));
                }
            }
            const RadioImage before = image;
            CustomizedToneModel model(image);
            model.Save(model.Load(texts_), texts_);
            QCOMPARE(ByteChanges(before, image), QStringList());
            if (i % 20 == 0) {  // and through the window
                data_.image = before;
                window_->RefreshAll();
                window_->SaveData();
                QCOMPARE(ByteChanges(before, data_.image), QStringList());
            }
        }
    }

    void captionsInBothLanguages() {
        OpenWindow();
        QCOMPARE(window_->objectName(), QString("FrmCustomizedSignal"));
        QCOMPARE(window_->windowTitle(), QString("Customized CTCSS/DCS"));
        QVERIFY(!window_->findChild<QWidget*>("Command1_0"));
        QVERIFY(!window_->findChild<QWidget*>("Command1_1"));
        VerifyShown(
            window_.get(),
            {"lblTitle_0=Customized CTCSS/DCS", "LblQT_0=122 - Customized CTCSS 1 [Hz]",
             "LblQT_5=127 - Customized CTCSS 6 [Hz]", "LblDQT_0=211 - Customized DCS 1 [OCT]",
             "LblDQT_5=216 - Customized DCS 6 [OCT]"});
        texts_.SetLanguage(Language::Chinese);
        window_->RefreshAll();
        QCOMPARE(window_->windowTitle(), QString("自定义亚音"));
        VerifyShown(window_.get(), {"lblTitle_0=自定义亚音", "LblQT_0=122 - 自定义模拟亚音 1 [Hz]",
                                    "LblDQT_5=216 - 自定义数字亚音 6 [OCT]"});
    }

    void closingStoresNothing() {
        OpenWindow();
        const RadioImage before = data_.image;
        TypeAndLeave("TxtQT_0", "100");
        window_->CloseEditor();
        QCOMPARE(ByteChanges(before, data_.image), QStringList());
    }
};

QTEST_MAIN(TestCustomizedTones)
#include "test_customized_tones.moc"
