// Port errors say what to do: each failure the system reports (permission denied, port busy,
// cable pulled mid-transfer, no device) injected under the clone dialog, and the message the user
// reads, in both languages.
#include <QPushButton>
#include <QtTest>

#include "data/radio_image.h"
#include "link/clone.h"
#include "link_dialogs/frm_clone.h"
#include "platform/port_advice.h"
#include "platform/serial_link.h"
#include "support/test_context.h"

using namespace qv;
using test::PortFault;

Q_DECLARE_METATYPE(qv::test::PortFault)

namespace {

const QString kGroupAdviceEn =
    "You may not open /dev/ttyUSB0: it belongs to the group \"dialout\". Add yourself with "
    "\"sudo usermod -aG dialout $USER\", then log out and log in again.";
const QString kGroupAdviceZh =
    "您无权打开 /dev/ttyUSB0：它属于用户组“dialout”。请用“sudo usermod -aG dialout "
    "$USER”把自己加入该组，然后注销并重新登录。";
const QString kBusyAdviceEn =
    "Another program holds /dev/ttyUSB0: close it. A modem manager (ModemManager) or a "
    "braille-display service (brltty) often takes a freshly plugged USB adapter: stop it, then "
    "plug the cable in again.";
const QString kBusyAdviceZh =
    "另一个程序正在占用 /dev/ttyUSB0：请关闭它。调制解调器管理服务（ModemManager）或盲文显示服务"
    "（brltty）常会占用刚插入的 USB 适配器：请停止该服务，然后重新插入写频线。";
const QString kNoCableEn =
    "No cable is plugged in, or it is on another port: use Find My Cable in Communication Port > "
    "Port Selection.";
const QString kNoCableZh =
    "未插入写频线，或写频线在另一个端口上：请使用“通讯端口 > 端口选择”中的“查找写频线”。";

// The cable the tests plug in: COM1 is its device, the first USB adapter.
void PlugCable(test::TestContext& services) {
    services.ports.devices = {test::UsbDevice("ttyUSB0", "USB2.0-Serial", 0x1a86, 0x7523)};
}

}  // namespace

class TestPortErrors : public QObject {
    Q_OBJECT

private slots:
    void openFailureSaysWhatToDo_data() {
        QTest::addColumn<PortFault>("fault");
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        const auto en = int(Language::English);
        const auto zh = int(Language::Chinese);
        QTest::newRow("permission denied")
            << test::PermissionFault() << 1 << en
            << "COM1 (/dev/ttyUSB0): Permission denied\n" + kGroupAdviceEn;
        QTest::newRow("permission denied, Chinese")
            << test::PermissionFault() << 1 << zh
            << "COM1 (/dev/ttyUSB0): Permission denied\n" + kGroupAdviceZh;
        PortFault ownerOnly = test::PermissionFault();
        ownerOnly.state.groupMayReadWrite = false;
        QTest::newRow("only the owner may open it")
            << ownerOnly << 1 << en
            << "COM1 (/dev/ttyUSB0): Permission denied\nOnly its owner \"root\" may open "
               "/dev/ttyUSB0: ask the administrator to give you access to it (the package's "
               "rule does so for common programming cables).";
        QTest::newRow("held by another program")
            << test::BusyFault() << 1 << en
            << "COM1 (/dev/ttyUSB0): Permission error while locking the device\n" + kBusyAdviceEn;
        QTest::newRow("held by another program, Chinese")
            << test::BusyFault() << 1 << zh
            << "COM1 (/dev/ttyUSB0): Permission error while locking the device\n" + kBusyAdviceZh;
        QTest::newRow("device named but missing")
            << test::MissingFault() << 1 << en
            << "COM1 (/dev/ttyUSB0): No such file or directory\n" + kNoCableEn;
        QTest::newRow("device named but missing, Chinese")
            << test::MissingFault() << 1 << zh
            << "COM1 (/dev/ttyUSB0): No such file or directory\n" + kNoCableZh;
        // COM3 has no device at all: the system is never asked.
        QTest::newRow("no device for the port")
            << test::PermissionFault() << 3 << en
            << "COM3: There is no serial device for this port.\n" + kNoCableEn;
        QTest::newRow("no device for the port, Chinese")
            << test::PermissionFault() << 3 << zh << "COM3: 此端口没有串口设备。\n" + kNoCableZh;
    }
    void openFailureSaysWhatToDo() {
        QFETCH(PortFault, fault);
        QFETCH(int, port);
        QFETCH(int, language);
        QFETCH(QString, message);
        test::TestContext services;
        PlugCable(services);
        services.portFault = fault;
        services.context.SetComPort(port);
        RadioData data;
        const RadioImage before = data.image;
        FrmClone dialog(data, services.context);
        services.context.SetLanguage(static_cast<Language>(language));
        QTimer::singleShot(0, &dialog,
                           [&] { dialog.findChild<QPushButton*>("Command1")->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(services.prompts.messages.size(), size_t(1));
        QCOMPARE(services.prompts.messages[0].text, message);
        QCOMPARE(services.prompts.messages[0].icon, PromptIcon::Exclamation);
        QVERIFY(data.image == before);
    }

    // The cable pulled out under a transfer: the failure names the port and what to do; Retry
    // opens the port again and, with the cable still out, says there is no device.
    void cablePulledMidTransferSaysCheckThePlugAndRetry_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("retried");
        QTest::newRow("English")
            << int(Language::English)
            << "Connection Fail!\nCOM1 (/dev/ttyUSB0): Input/output error\nThe cable was "
               "unplugged or the adapter reset: check the plug and press Retry."
            << "COM1 (/dev/ttyUSB0): No such file or directory\n" + kNoCableEn;
        QTest::newRow("Chinese") << int(Language::Chinese)
                                 << "通讯出错!\nCOM1 (/dev/ttyUSB0): Input/output error\n"
                                    "写频线已被拔出或适配器已复位：请检查插头，然后按“重试”。"
                                 << "COM1 (/dev/ttyUSB0): No such file or directory\n" + kNoCableZh;
    }
    void cablePulledMidTransferSaysCheckThePlugAndRetry() {
        QFETCH(int, language);
        test::TestContext services;
        PlugCable(services);
        services.portFault = test::VanishedFault();
        services.context.SetLanguage(static_cast<Language>(language));
        services.prompts.answers = {PromptAnswer::Retry};
        RadioData data;
        FrmClone dialog(data, services.context);
        dialog.SetRecvInterval(1);
        QTimer::singleShot(0, &dialog,
                           [&] { dialog.findChild<QPushButton*>("Command1")->click(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(services.prompts.messages.size(), size_t(2));
        QTEST(services.prompts.messages[0].text, "failure");
        QCOMPARE(services.prompts.messages[0].buttons, PromptButtons::RetryCancel);
        QTEST(services.prompts.messages[1].text, "retried");
    }

    // The command line reads the same cases with its own way to go on.
    void commandLineAdvice() {
        const UiTexts english;
        const PortError vanished{PortProblem::Vanished, "/dev/ttyUSB0", "Input/output error", {}};
        QCOMPARE(PortAdvice(vanished, english, AdviceReader::CommandLine),
                 QString("The cable was unplugged or the adapter reset: check the plug and run the "
                         "command again."));
        const PortError none{PortProblem::NoDevice, "", "", {}};
        QCOMPARE(PortAdvice(none, english, AdviceReader::CommandLine),
                 QString("No cable is plugged in, or it is on another port: \"qv730-cli ports\" "
                         "lists the ports and their devices."));
        const PortError other{PortProblem::Other, "/dev/ttyS0", "Unknown error", {}};
        QCOMPARE(PortErrorMessage("COM2 (/dev/ttyS0)", other, english, AdviceReader::Program),
                 QString("COM2 (/dev/ttyS0): Unknown error"));
    }

    // On Windows a port held elsewhere answers "access denied", and the culprits are others.
    void windowsBusyAdvice() {
        const UiTexts english;
        const UiTexts chinese(Language::Chinese);
        QCOMPARE(ClassifyOpenFailure("COM3", QSerialPort::PermissionError, {}, HostSystem::Windows),
                 PortProblem::Busy);
        const PortError busy{PortProblem::Busy, "COM3", "Access is denied.", {}};
        QCOMPARE(PortAdvice(busy, english, AdviceReader::Program, HostSystem::Windows),
                 QString("Another program holds COM3: close any other programming program or "
                         "terminal program that uses it, then try again."));
        QCOMPARE(
            PortAdvice(busy, chinese, AdviceReader::Program, HostSystem::Windows),
            QString(
                "另一个程序正在占用 COM3：请关闭正在使用它的其他写频软件或终端程序，然后重试。"));
    }

    // How the system's report and the device's state become a case.
    void classification_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("accessible");
        QTest::addColumn<bool>("duringTransfer");
        QTest::addColumn<int>("problem");
        const auto P = [](PortProblem p) { return int(p); };
        QTest::newRow("refused, not ours")
            << "/dev/ttyUSB0" << int(QSerialPort::PermissionError) << true << false << false
            << P(PortProblem::PermissionDenied);
        QTest::newRow("refused, ours: busy or locked")
            << "/dev/ttyUSB0" << int(QSerialPort::PermissionError) << true << true << false
            << P(PortProblem::Busy);
        QTest::newRow("gone before the open")
            << "/dev/ttyUSB0" << int(QSerialPort::PermissionError) << false << false << false
            << P(PortProblem::NoDevice);
        QTest::newRow("not found") << "/dev/ttyUSB0" << int(QSerialPort::DeviceNotFoundError)
                                   << false << false << false << P(PortProblem::NoDevice);
        QTest::newRow("no device named") << "" << int(QSerialPort::NoError) << false << false
                                         << false << P(PortProblem::NoDevice);
        QTest::newRow("not a serial device")
            << "/dev/null" << int(QSerialPort::UnsupportedOperationError) << true << true << false
            << P(PortProblem::Other);
        QTest::newRow("removed under the transfer")
            << "/dev/ttyUSB0" << int(QSerialPort::ResourceError) << false << false << true
            << P(PortProblem::Vanished);
        QTest::newRow("write error, device gone")
            << "/dev/ttyUSB0" << int(QSerialPort::WriteError) << false << false << true
            << P(PortProblem::Vanished);
        QTest::newRow("write error, device there") << "/dev/ttyUSB0" << int(QSerialPort::WriteError)
                                                   << true << true << true << P(PortProblem::Other);
    }
    void classification() {
        QFETCH(QString, device);
        QFETCH(int, error);
        QFETCH(bool, exists);
        QFETCH(bool, accessible);
        QFETCH(bool, duringTransfer);
        const DeviceState state{exists, accessible, "root", "dialout", true};
        const auto code = static_cast<QSerialPort::SerialPortError>(error);
        const PortProblem problem =
            duringTransfer ? ClassifyTransferFailure(code, state, HostSystem::Unix)
                           : ClassifyOpenFailure(device, code, state, HostSystem::Unix);
        QTEST(int(problem), "problem");
    }

    // The real port on this machine: a device that is not there is no device.
    void realMissingDevice() {
        const UiTexts english;
        SerialLink link(english);
        QVERIFY(!link.Open("/nonexistent/ttyQV", CloneLineSettings()));
        QCOMPARE(link.LastError().problem, PortProblem::NoDevice);
        QCOMPARE(link.LastError().device, QString("/nonexistent/ttyQV"));
    }
};

QTEST_MAIN(TestPortErrors)
#include "test_port_errors.moc"
