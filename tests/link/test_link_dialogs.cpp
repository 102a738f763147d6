// The clone and port dialogs without a radio: their texts in both languages, their properties,
// the port error path, and the port choice with ports that can or cannot be used.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "language/ui_language.h"
#include "link/clone.h"
#include "link_dialogs/frm_clone.h"
#include "link_dialogs/frm_com_port.h"
#include "platform/cable_finder.h"
#include "platform/ini_file.h"
#include "support/test_context.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#endif

using namespace qv;

namespace {

// An application folder of the test's own, holding the Radio.INI given.
struct RadioIniFolder {
    QTemporaryDir dir;
    explicit RadioIniFolder(const QByteArray& content) {
        QFile file(RadioIniPath(dir.path()));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
};

template <typename T>
T* Child(QWidget& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    if (!child) qFatal("no control %s", qPrintable(name));
    return child;
}

}  // namespace

class TestLinkDialogs : public QObject {
    Q_OBJECT

private slots:

    void cloneDialogTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("status");
        QTest::newRow("English read") << 0 << 1 << "Read Data From Radio"
                                      << "&Ok"
                                      << "&Cancel"
                                      << "Press [OK] to Begin";
        QTest::newRow("English write") << 0 << 2 << "Write Data To Radio"
                                       << "&Ok"
                                       << "&Cancel"
                                       << "Press [OK] to Begin";
        QTest::newRow("English, any other mode writes") << 0 << 7 << "Write Data To Radio"
                                                        << "&Ok"
                                                        << "&Cancel"
                                                        << "Press [OK] to Begin";
        QTest::newRow("Chinese read") << 1 << 1 << "从对讲机读出数据"
                                      << "确定(&O)"
                                      << "取消(&C)"
                                      << "按【确定】开始";
        QTest::newRow("Chinese write") << 1 << 2 << "向对讲机写入数据"
                                       << "确定(&O)"
                                       << "取消(&C)"
                                       << "按【确定】开始";
    }
    void cloneDialogTexts() {
        QFETCH(int, language);
        QFETCH(int, mode);
        RadioData data;
        test::TestContext services;
        FrmClone dialog(data, services.context);
        services.context.SetLanguage(static_cast<qv::Language>(language));
        dialog.setProperty("CloneMode", mode);
        dialog.show();
        QCOMPARE(dialog.objectName(), QString("frmClone"));
        QTEST(dialog.windowTitle(), "title");
        QTEST(Child<QPushButton>(dialog, "Command1")->text(), "ok");
        QTEST(Child<QPushButton>(dialog, "Command2")->text(), "cancel");
        QTEST(Child<QLabel>(dialog, "Label1")->text(), "status");
        QCOMPARE(Child<QProgressBar>(dialog, "Prg1")->value(), 0);
        QVERIFY(Child<QPushButton>(dialog, "Command1")->isEnabled());
        QVERIFY(dialog.findChild<QTimer*>("TmrSend"));
        QVERIFY(dialog.findChild<QTimer*>("TmrReceive"));
    }

    // The write's two check boxes: shown for a write only, in the UI language, on at first, and
    // remembered in the settings store for the next showing (and the next start).
    void writeCheckBoxesAreRemembered_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("backupText");
        QTest::addColumn<QString>("verifyText");
        QTest::newRow("English") << 0 << "Back up the radio first"
                                 << "Verify after writing";
        QTest::newRow("Chinese") << 1 << "写入前备份对讲机"
                                 << "写入后校验";
    }
    void writeCheckBoxesAreRemembered() {
        QFETCH(int, language);
        RadioData data;
        test::TestContext services;
        services.context.SetLanguage(static_cast<qv::Language>(language));
        {
            FrmClone dialog(data, services.context);
            dialog.SetCloneMode(CloneMode::Write);
            dialog.show();
            auto* backup = Child<QCheckBox>(dialog, "ChkBackup");
            auto* verify = Child<QCheckBox>(dialog, "ChkVerify");
            QTEST(backup->text(), "backupText");
            QTEST(verify->text(), "verifyText");
            QVERIFY(backup->isVisible() && backup->isChecked());
            QVERIFY(verify->isVisible() && verify->isChecked());
            verify->setFocus();
            QTest::keyClick(verify, Qt::Key_Space);  // keyboard only
            QVERIFY(!verify->isChecked());
            dialog.hide();
            dialog.SetCloneMode(CloneMode::Read);
            dialog.show();
            QVERIFY(!backup->isVisible() && !verify->isVisible());
        }
        FrmClone later(data, services.context);
        later.SetCloneMode(CloneMode::Write);
        later.show();
        QVERIFY(Child<QCheckBox>(later, "ChkBackup")->isChecked());
        QVERIFY(!Child<QCheckBox>(later, "ChkVerify")->isChecked());
    }
#ifdef Q_OS_UNIX
    // What the dialog says while the transfer runs, in both languages, over a port that opens
    // (a pseudo-terminal no radio answers on).
    void statusWhileTransferring_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("status");
        QTest::newRow("English read") << 0 << 1 << "Reading...";
        QTest::newRow("English write") << 0 << 2 << "Writing...";
        QTest::newRow("Chinese read") << 1 << 1 << "读取中...";
        QTest::newRow("Chinese write") << 1 << 2 << "写入中...";
    }
    void statusWhileTransferring() {
        QFETCH(int, language);
        QFETCH(int, mode);
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0);
        QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
        RadioIniFolder ini("[Ports]\nCOM1=" + QByteArray(ptsname(master)) + "\n");
        test::TestContext services(ini.dir.path());
        RadioData data;
        {
            FrmClone dialog(data, services.context);
            services.context.SetLanguage(static_cast<qv::Language>(language));
            dialog.setProperty("CloneMode", mode);
            dialog.show();
            // Without a backup first, a write starts with the rows themselves.
            Child<QCheckBox>(dialog, "ChkBackup")->setChecked(false);
            Child<QPushButton>(dialog, "Command1")->click();
            QVERIFY(services.prompts.messages.empty());
            QTEST(Child<QLabel>(dialog, "Label1")->text(), "status");
        }
        close(master);
    }
#endif

    void clonePropertiesAreKept() {
        RadioData data;
        test::TestContext services;
        FrmClone dialog(data, services.context);
        QVERIFY(!dialog.property("Finished").toBool());
        dialog.setProperty("FirstRow", 1);
        dialog.setProperty("LastRow", 63);
        dialog.setProperty("CloneMode", 2);
        dialog.setProperty("RecvInterval", 12);
        dialog.setProperty("RecvLimit", 0);
        QCOMPARE(dialog.property("FirstRow").toInt(), 1);
        QCOMPARE(dialog.property("LastRow").toInt(), 63);
        QCOMPARE(dialog.property("CloneMode").toInt(), 2);
        QCOMPARE(dialog.property("RecvInterval").toInt(), 12);
        QCOMPARE(dialog.property("RecvLimit").toInt(), 0);
    }

    void portThatCannotBeOpenedShowsThePlatformsErrorAndCloses_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing device") << 1 << int(Language::English)
                                        << "COM1 (/nonexistent/ttyQV): No such file or directory";
        QTest::newRow("port with no device")
            << 16 << int(Language::English) << "COM16: There is no serial device for this port.";
        QTest::newRow("port with no device, Chinese")
            << 16 << int(Language::Chinese) << "COM16: 此端口没有串口设备。";
    }
    void portThatCannotBeOpenedShowsThePlatformsErrorAndCloses() {
        QFETCH(int, port);
        QFETCH(int, language);
        QFETCH(QString, text);
        RadioIniFolder ini("[Ports]\nCOM1=/nonexistent/ttyQV\n");
        test::TestContext services(ini.dir.path());
        test::ScriptedPrompts& prompts = services.prompts;
        services.context.SetComPort(port);
        RadioData data;
        for (int a = 0; a < kImageSize; ++a) data.image[a] = static_cast<std::uint8_t>(a);
        const RadioImage before = data.image;
        // The main window makes its clone dialog once, at start-up: a language chosen afterwards
        // must still reach the port's own failure text.
        FrmClone dialog(data, services.context);
        services.context.SetLanguage(static_cast<qv::Language>(language));
        QTimer::singleShot(0, &dialog, [&] { Child<QPushButton>(dialog, "Command1")->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(prompts.messages.size(), size_t(1));
        QVERIFY2(prompts.messages[0].text.contains(text), qPrintable(prompts.messages[0].text));
        QCOMPARE(prompts.messages[0].title, QString("QV-730"));
        QCOMPARE(prompts.messages[0].icon, PromptIcon::Exclamation);
        QCOMPARE(prompts.messages[0].buttons, PromptButtons::Ok);
        QVERIFY(data.image == before);
        QVERIFY(!dialog.property("Finished").toBool());
    }

    // Started with another Radio.INI folder (--ini-dir), the port dialog names the ports of that
    // file, not of the one beside the program.
    void portDialogReadsThePortsOfTheIniFolderGiven() {
        RadioIniFolder beside("[Ports]\nCOM2=/dev/ttyBESIDE\n");
        RadioIniFolder other("[Ports]\nCOM2=/dev/ttyOTHER\n");
        test::TestContext services(beside.dir.path());
        services.context.SetIniFolder(other.dir.path());
        FrmComPort dialog(services.context);
        dialog.show();
        QCOMPARE(Child<QRadioButton>(dialog, "Option1_1")->toolTip(), QString("/dev/ttyOTHER"));
        QCOMPARE(services.context.AppFolder(), beside.dir.path());
    }

    void portDialogGreysOutUnusablePortsAndKeepsTheCurrentOneSelected() {
        RadioIniFolder ini("[Ports]\nCOM2=/dev/ttyFAKE2\n");
        test::TestContext services(ini.dir.path());
        test::ScriptedPortProbe& probe = services.portProbe;
        probe.usable = {2, 5};
        FrmComPort dialog(services.context);
        dialog.show();
        QCOMPARE(dialog.objectName(), QString("frmComPort"));
        QCOMPARE(probe.asked,
                 std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
        for (int i = 0; i < 16; ++i) {
            auto* option = Child<QRadioButton>(dialog, QString("Option1_%1").arg(i));
            // A port with no device is captioned with its name alone.
            if (i != 1) QCOMPARE(option->text(), QString("COM%1").arg(i + 1));
            QCOMPARE(option->isEnabled(), i == 1 || i == 4);
        }
        QCOMPARE(Child<QRadioButton>(dialog, "Option1_1")->toolTip(), QString("/dev/ttyFAKE2"));
        QCOMPARE(Child<QRadioButton>(dialog, "Option1_1")->text(), QString("COM2 — /dev/ttyFAKE2"));
        // COM1 cannot be used, yet it is the port in use and stays selected.
        QVERIFY(Child<QRadioButton>(dialog, "Option1_0")->isChecked());
        // Every opening tests the ports again.
        dialog.hide();
        dialog.show();
        QCOMPARE(probe.asked.size(), size_t(32));
    }

    void portDialogOkAndCancel_data() {
        QTest::addColumn<int>("choose");  // option index, -1 for none
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("comPort");
        QTest::newRow("COM3 and OK") << 2 << "Command1_0" << 3;
        QTest::newRow("COM3 and Cancel") << 2 << "Command1_1" << 1;
        QTest::newRow("nothing chosen, OK") << -1 << "Command1_0" << 1;
    }
    void portDialogOkAndCancel() {
        QFETCH(int, choose);
        QFETCH(QString, button);
        QFETCH(int, comPort);
        test::TestContext services;
        services.portProbe.usable = {1, 3};
        FrmComPort dialog(services.context);
        QTimer::singleShot(0, &dialog, [&] {
            if (choose >= 0)
                Child<QRadioButton>(dialog, QString("Option1_%1").arg(choose))->click();
            Child<QPushButton>(dialog, button)->click();
        });
        dialog.exec();
        QCOMPARE(int(services.context.ComPort()), comPort);
    }

    void portDialogWithNoUsablePort() {
        test::TestContext services;
        services.context.SetComPort(4);
        FrmComPort dialog(services.context);
        QTimer::singleShot(0, &dialog, [&] {
            for (int i = 0; i < 16; ++i) {
                QVERIFY(!Child<QRadioButton>(dialog, QString("Option1_%1").arg(i))->isEnabled());
            }
            QVERIFY(Child<QRadioButton>(dialog, "Option1_3")->isChecked());
            Child<QPushButton>(dialog, "Command1_0")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(int(services.context.ComPort()), 4);
    }

    // Each port names its device and what the system says of it; a device that cannot be opened
    // says why, with the advice in its tool tip.
    void portDialogNamesEachDevice_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cable");
        QTest::addColumn<QString>("advice");
        QTest::newRow("English")
            << int(Language::English)
            << "COM1 — /dev/ttyUSB0 — USB2.0-Serial (QinHeng Electronics, USB 1A86:7523, "
               "serial number A1B2)"
            << "sudo usermod -aG dialout $USER";
        QTest::newRow("Chinese")
            << int(Language::Chinese)
            << "COM1 — /dev/ttyUSB0 — USB2.0-Serial (QinHeng Electronics, USB 1A86:7523, "
               "序列号 A1B2)"
            << "然后注销并重新登录";
    }
    void portDialogNamesEachDevice() {
        QFETCH(int, language);
        QFETCH(QString, advice);
        test::TestContext services;
        services.context.SetLanguage(static_cast<Language>(language));
        services.ports.devices = {{"ttyS0", "/dev/ttyS0", "", "", "", {}, {}},
                                  test::UsbDevice("ttyUSB0", "USB2.0-Serial", 0x1a86, 0x7523,
                                                  "QinHeng Electronics", "A1B2")};
        services.portProbe.usable = {1};
        services.portProbe.problems[2] = {PortProblem::PermissionDenied, "/dev/ttyS0",
                                          "Permission denied",
                                          DeviceState{true, false, "root", "dialout", true}};
        FrmComPort dialog(services.context);
        dialog.show();
        auto* cable = Child<QRadioButton>(dialog, "Option1_0");
        QTEST(cable->text(), "cable");
        QVERIFY(cable->isEnabled());
        auto* refused = Child<QRadioButton>(dialog, "Option1_1");
        QCOMPARE(refused->text(), QString("COM2 — /dev/ttyS0 — Permission denied"));
        QVERIFY(!refused->isEnabled());
        QVERIFY2(refused->toolTip().contains(advice), qPrintable(refused->toolTip()));
        QCOMPARE(Child<QRadioButton>(dialog, "Option1_2")->text(), QString("COM3"));
        QVERIFY(!Child<QRadioButton>(dialog, "Option1_2")->isEnabled());
    }

    // Find My Cable, the timer driven by hand: the device that appears while the dialog watches
    // is selected, whether the cable was out when the button was pressed or was pulled and
    // plugged in again afterwards.
    void findMyCableSelectsThePortOfTheDeviceThatAppeared_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("pluggedAtStart");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("watching");
        QTest::addColumn<QString>("found");
        const QString cable = "/dev/ttyUSB0 — USB2.0-Serial (USB 1A86:7523)";
        QTest::newRow("plugged in after the button")
            << int(Language::English) << false << true
            << "Plug the cable in now. Watching for 10 s..."
            << "Your cable is on COM1: " + cable + ".";
        QTest::newRow("pulled and plugged in again")
            << int(Language::English) << true << true
            << "Plug the cable in now. Watching for 10 s..."
            << "Your cable is on COM1: " + cable + ".";
        QTest::newRow("found but refused")
            << int(Language::English) << false << false
            << "Plug the cable in now. Watching for 10 s..."
            << "Your cable is on COM1: " + cable +
                   ".\nCOM1 (/dev/ttyUSB0): Permission denied\nYou may not open /dev/ttyUSB0: it "
                   "belongs to the group \"dialout\". Add yourself with \"sudo usermod -aG dialout "
                   "$USER\", then log out and log in again.";
        QTest::newRow("Chinese") << int(Language::Chinese) << false << true
                                 << "请现在插上写频线。正在等待 10 秒..."
                                 << "写频线在 COM1 上：" + cable + "。";
    }
    void findMyCableSelectsThePortOfTheDeviceThatAppeared() {
        QFETCH(int, language);
        QFETCH(bool, pluggedAtStart);
        QFETCH(bool, opens);
        const SerialDeviceInfo other{"ttyS0", "/dev/ttyS0", "", "", "", {}, {}};
        const SerialDeviceInfo cable = test::UsbDevice("ttyUSB0", "USB2.0-Serial", 0x1a86, 0x7523);
        test::TestContext services;
        services.context.SetLanguage(static_cast<Language>(language));
        services.context.SetComPort(5);
        services.ports.devices = {other};
        if (pluggedAtStart) services.ports.devices << cable;
        services.portProbe.usable = {2};
        if (opens) services.portProbe.usable.insert(1);
        services.portProbe.problems[1] = {PortProblem::PermissionDenied, "/dev/ttyUSB0",
                                          "Permission denied",
                                          DeviceState{true, false, "root", "dialout", true}};
        FrmComPort dialog(services.context);
        dialog.show();
        auto* find = Child<QPushButton>(dialog, "cmdFindCable");
        auto* status = Child<QLabel>(dialog, "lblFindCable");
        find->click();
        QVERIFY(!find->isEnabled());
        QVERIFY(Child<QTimer>(dialog, "TmrFindCable")->isActive());
        QTEST(status->text(), "watching");
        auto* finder = dialog.findChild<CableFinder*>("CableFinder");
        finder->Poll();  // nothing new yet
        QVERIFY(finder->Watching());
        if (pluggedAtStart) {
            services.ports.devices = {other};  // pulled out
            finder->Poll();
            QVERIFY(finder->Watching());
        }
        services.ports.devices = {other, cable};
        const size_t askedBefore = services.portProbe.asked.size();
        finder->Poll();
        QVERIFY(!finder->Watching());
        QVERIFY(find->isEnabled());
        // The ports are listed and tested again: the new adapter is COM1 now, USB adapters first.
        QCOMPARE(services.portProbe.asked.size(), askedBefore + 16);
        QVERIFY(Child<QRadioButton>(dialog, "Option1_0")->isChecked());
        QCOMPARE(Child<QRadioButton>(dialog, "Option1_1")->text(), QString("COM2 — /dev/ttyS0"));
        QTEST(status->text(), "found");
        dialog.accept();
        QCOMPARE(int(services.context.ComPort()), 1);
    }

    void findMyCableWhenNothingAppears_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << int(Language::English)
                                 << "No new serial device appeared. Check the cable's plug, unplug "
                                    "the cable, press Find My Cable and plug it in again.";
        QTest::newRow("Chinese")
            << int(Language::Chinese)
            << "没有出现新的串口设备。请检查写频线插头：拔下写频线，按“查找写频线”，"
               "然后重新插上。";
    }
    void findMyCableWhenNothingAppears() {
        QFETCH(int, language);
        test::TestContext services;
        services.context.SetLanguage(static_cast<Language>(language));
        services.context.SetComPort(3);
        services.ports.devices = {test::UsbDevice("ttyUSB0", "USB2.0-Serial", 0x1a86, 0x7523)};
        FrmComPort dialog(services.context);
        dialog.show();
        Child<QPushButton>(dialog, "cmdFindCable")->click();
        auto* finder = dialog.findChild<CableFinder*>("CableFinder");
        int polls = 0;
        while (finder->Watching() && polls < 1000) {
            finder->Poll();
            ++polls;
        }
        // The dialog watches for ten seconds, four looks a second.
        QCOMPARE(polls, CableFinder::kWatchMs / CableFinder::kPollMs);
        QTEST(Child<QLabel>(dialog, "lblFindCable")->text(), "text");
        QVERIFY(Child<QPushButton>(dialog, "cmdFindCable")->isEnabled());
        QVERIFY(!Child<QTimer>(dialog, "TmrFindCable")->isActive());
        QVERIFY(Child<QRadioButton>(dialog, "Option1_2")->isChecked());
    }

    void findMyCableWhenNoPortStandsForTheDevice() {
        QByteArray ini = "[Ports]\n";
        for (int port = 1; port <= 16; ++port)
            ini +=
                "COM" + QByteArray::number(port) + "=/dev/ttyS" + QByteArray::number(port) + "\n";
        RadioIniFolder folder(ini);
        test::TestContext services(folder.dir.path());
        FrmComPort dialog(services.context);
        dialog.show();
        Child<QPushButton>(dialog, "cmdFindCable")->click();
        services.ports.devices = {test::UsbDevice("ttyUSB0", "USB2.0-Serial", 0x1a86, 0x7523)};
        dialog.findChild<CableFinder*>("CableFinder")->Poll();
        QCOMPARE(Child<QLabel>(dialog, "lblFindCable")->text(),
                 QString("A device appeared (/dev/ttyUSB0), but none of COM1 to COM16 stands for "
                         "it: name it in Radio.INI, section [Ports], as COMn=/dev/ttyUSB0."));
    }

    // Closing the dialog stops the watch.
    void closingStopsFindMyCable() {
        test::TestContext services;
        FrmComPort dialog(services.context);
        dialog.show();
        Child<QPushButton>(dialog, "cmdFindCable")->click();
        dialog.reject();
        QVERIFY(!dialog.findChild<CableFinder*>("CableFinder")->Watching());
    }

    void comPortStaysWithinOneToSixteen() {
        test::TestContext services;
        QCOMPARE(int(services.context.ComPort()), 1);
        for (const auto& [set, kept] : {std::pair{3, 3}, {40, 16}, {0, 1}, {16, 16}}) {
            services.context.SetComPort(set);
            QCOMPARE(int(services.context.ComPort()), kept);
        }
    }

    void portDialogTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("hint");
        QTest::newRow("English")
            << 0 << "Communication Port"
            << "&OK"
            << "&Cancel"
            << "Find My Cable"
            << "Unplug the cable, press Find My Cable, then plug the cable in.";
        QTest::newRow("Chinese") << 1 << "通信端口"
                                 << "确定(&O)"
                                 << "取消(&C)"
                                 << "查找写频线"
                                 << "请先拔下写频线，按“查找写频线”，然后插上写频线。";
    }
    void portDialogTexts() {
        QFETCH(int, language);
        test::TestContext services;
        services.context.SetLanguage(static_cast<qv::Language>(language));
        FrmComPort dialog(services.context);
        dialog.show();
        QTEST(dialog.windowTitle(), "title");
        QTEST(Child<QGroupBox>(dialog, "Frame1")->title(), "title");
        QTEST(Child<QPushButton>(dialog, "Command1_0")->text(), "ok");
        QTEST(Child<QPushButton>(dialog, "Command1_1")->text(), "cancel");
        QTEST(Child<QPushButton>(dialog, "cmdFindCable")->text(), "find");
        QTEST(Child<QLabel>(dialog, "lblFindCable")->text(), "hint");
    }
};

QTEST_MAIN(TestLinkDialogs)
#include "test_link_dialogs.moc"
