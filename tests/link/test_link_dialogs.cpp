// The clone and port dialogs without a radio: their texts in both languages, their properties,
// the port error path, and the port choice with ports that can or cannot be used.
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "language/ui_language.h"
#include "link/clone.h"
#include "link/dialogs/frm_clone.h"
#include "link/dialogs/frm_com_port.h"
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
        ScriptedPrompts& prompts = services.prompts;
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

    void portDialogGreysOutUnusablePortsAndKeepsTheCurrentOneSelected() {
        RadioIniFolder ini("[Ports]\nCOM2=/dev/ttyFAKE2\n");
        test::TestContext services(ini.dir.path());
        ScriptedPortProbe& probe = services.portProbe;
        probe.usable = {2, 5};
        FrmComPort dialog(services.context);
        dialog.show();
        QCOMPARE(dialog.objectName(), QString("frmComPort"));
        QCOMPARE(probe.asked,
                 std::vector<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
        for (int i = 0; i < 16; ++i) {
            auto* option = Child<QRadioButton>(dialog, QString("Option1_%1").arg(i));
            QCOMPARE(option->text(), QString("COM%1").arg(i + 1));
            QCOMPARE(option->isEnabled(), i == 1 || i == 4);
        }
        QCOMPARE(Child<QRadioButton>(dialog, "Option1_1")->toolTip(), QString("/dev/ttyFAKE2"));
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
        QTest::newRow("English") << 0 << "Communication Port"
                                 << "&OK"
                                 << "&Cancel";
        QTest::newRow("Chinese") << 1 << "通信端口"
                                 << "确定(&O)"
                                 << "取消(&C)";
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
    }
};

QTEST_MAIN(TestLinkDialogs)
#include "test_link_dialogs.moc"
