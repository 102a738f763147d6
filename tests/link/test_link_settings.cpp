// Radio.INI: reading keys, the receive timing with its rounding and fallbacks, the port numbers
// and their devices, and the serial line settings.
#include <QtTest>

#include "link_driver/link_settings.h"
#include "platform/ini_file.h"
#include "platform/serial_link.h"
#include "platform/serial_port_map.h"

using namespace qv;

namespace {

// A Radio.INI with the given content in a folder of its own.
struct IniFolder {
    QTemporaryDir dir;
    explicit IniFolder(const QByteArray& content) {
        QFile file(RadioIniPath(dir.path()));
        if (file.open(QIODevice::WriteOnly)) file.write(content);
    }
    QString path() const { return dir.path(); }
    QString file() const { return RadioIniPath(dir.path()); }
};

}  // namespace

class TestLinkSettings : public QObject {
    Q_OBJECT

private slots:
    void getIniValue_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QByteArray setup = "[Setup]\nComInterval[ms]=50\nComRecvCount =40\n";
        QTest::newRow("key with brackets") << setup << "Setup"
                                           << "ComInterval[ms]"
                                           << "50";
        QTest::newRow("key with its trailing blank") << setup << "Setup"
                                                     << "ComRecvCount "
                                                     << "40";
        QTest::newRow("key without the blank")
            << QByteArray("[Setup]\nComRecvCount=41\n") << "Setup"
            << "ComRecvCount "
            << "41";
        QTest::newRow("case of names ignored")
            << QByteArray("[setup]\ncomrecvcount = 42\n") << "Setup"
            << "ComRecvCount "
            << "42";
        QTest::newRow("missing key") << setup << "Setup"
                                     << "Other"
                                     << "";
        QTest::newRow("missing section") << setup << "Ports"
                                         << "COM1"
                                         << "";
        QTest::newRow("key of another section")
            << QByteArray("[Ports]\nComRecvCount =7\n[Setup]\n") << "Setup"
            << "ComRecvCount "
            << "";
        QTest::newRow("first of two wins") << QByteArray("[Setup]\nA=1\nA=2\n") << "Setup"
                                           << "A"
                                           << "1";
        QTest::newRow("windows line ends and quotes")
            << QByteArray("[Setup]\r\nA = \"12.5\" \r\n") << "Setup"
            << "A"
            << "12.5";
        QTest::newRow("comment line") << QByteArray("[Setup]\n;A=1\nA=2\n") << "Setup"
                                      << "A"
                                      << "2";
        QTest::newRow("NUL characters removed") << QByteArray(
                                                       "[Setup]\nA=1\0"
                                                       "2\n",
                                                       14)
                                                << "Setup"
                                                << "A"
                                                << "12";
        QTest::newRow("value cut at 9,999 characters")
            << QByteArray("[S]\nA=") + QByteArray(12000, 'x') << "S"
            << "A" << QString(9999, 'x');
    }
    void getIniValue() {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const IniFolder ini(content);
        QCOMPARE(GetIniValue(section, key, ini.file()), value);
    }

    void missingFileReadsEmpty() {
        QCOMPARE(GetIniValue("Setup", "ComInterval[ms]", "/nonexistent/Radio.INI"), QString());
    }

    void timingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");  // -99999 for "not a number"
        QTest::newRow("whole") << "50" << 50;
        QTest::newRow("12.5 rounds to even 12") << "12.5" << 12;
        QTest::newRow("13.5 rounds to even 14") << "13.5" << 14;
        QTest::newRow("12.6") << "12.6" << 13;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("decimal comma") << "12,5" << 12;
        QTest::newRow("blanks around") << " 40 " << 40;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("too large") << "32767.5" << -99999;
        QTest::newRow("text") << "fast" << -99999;
        QTest::newRow("number then text") << "12ms" << -99999;
        QTest::newRow("empty") << "" << -99999;
    }
    void timingNumber() {
        QFETCH(QString, text);
        QFETCH(int, value);
        const auto number = TimingNumber(text);
        QCOMPARE(number ? int(*number) : -99999, value);
    }

    void readLinkTiming_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("gap");
        QTest::newRow("as shipped")
            << QByteArray("[Setup]\nComInterval[ms]=50\nComRecvCount =40\n") << 50 << 40 << 500;
        QTest::newRow("rounded") << QByteArray(
                                        "[Setup]\nComInterval[ms]=12.5\nComRecvCount =13.5\n"
                                        "SessionGap[ms]=250.5\n")
                                 << 12 << 14 << 250;
        QTest::newRow("missing keys") << QByteArray("[Setup]\n") << 50 << 40 << 500;
        QTest::newRow("not numbers")
            << QByteArray("[Setup]\nComInterval[ms]=x\nComRecvCount =y\nSessionGap[ms]=z\n") << 50
            << 40 << 500;
        QTest::newRow("zero interval, zero polls, no gap")
            << QByteArray("[Setup]\nComInterval[ms]=0\nComRecvCount =0\nSessionGap[ms]=0\n") << 50
            << 0 << 0;
        QTest::newRow("negative")
            << QByteArray("[Setup]\nComInterval[ms]=-5\nComRecvCount =-1\nSessionGap[ms]=-1\n")
            << 50 << 40 << 500;
        QTest::newRow("out of range")
            << QByteArray(
                   "[Setup]\nComInterval[ms]=70000\nComRecvCount =99999\nSessionGap[ms]=40000\n")
            << 50 << 40 << 500;
    }
    void readLinkTiming() {
        QFETCH(QByteArray, content);
        QFETCH(int, interval);
        QFETCH(int, limit);
        QFETCH(int, gap);
        const IniFolder ini(content);
        const LinkTiming timing = ReadLinkTiming(ini.path());
        QCOMPARE(int(timing.RecvInterval), interval);
        QCOMPARE(int(timing.RecvLimit), limit);
        QCOMPARE(timing.SessionGapMs, gap);
    }

    void shippedRadioIniAndMissingFile() {
        // The build puts the shipped Radio.INI beside every program.
        const LinkTiming shipped = ReadLinkTiming(QCoreApplication::applicationDirPath());
        QCOMPARE(int(shipped.RecvInterval), 50);
        QCOMPARE(int(shipped.RecvLimit), 40);
        QCOMPARE(shipped.SessionGapMs, 500);
        QTemporaryDir empty;
        const LinkTiming fallback = ReadLinkTiming(empty.path());
        QCOMPARE(int(fallback.RecvInterval), 50);
        QCOMPARE(int(fallback.RecvLimit), 40);
    }

    void comPortNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("COM1") << "COM1" << 1;
        QTest::newRow("lower case") << "com16" << 16;
        QTest::newRow("COM0") << "COM0" << 0;
        QTest::newRow("COM17") << "COM17" << 0;
        QTest::newRow("device path") << "/dev/ttyUSB0" << 0;
        QTest::newRow("COM1 with more") << "COM1x" << 0;
    }
    void comPortNumber() {
        QFETCH(QString, text);
        QFETCH(int, port);
        QCOMPARE(ComPortNumber(text), port);
    }

    void portsSectionNamesTheDevice() {
        const IniFolder ini("[Ports]\nCOM1=/dev/ttyUSB7\ncom3 = /dev/pts/9\n");
        QCOMPARE(PortDeviceName(1, ini.path()), QString("/dev/ttyUSB7"));
        QCOMPARE(PortDeviceName(3, ini.path()), QString("/dev/pts/9"));
        QCOMPARE(PortDeviceName(0, ini.path()), QString());
        QCOMPARE(PortDeviceName(17, ini.path()), QString());
        const QStringList all = PortDeviceNames(ini.path());
        QCOMPARE(all.size(), 16);
        QCOMPARE(all[0], QString("/dev/ttyUSB7"));
        QCOMPARE(all[2], QString("/dev/pts/9"));
        QCOMPARE(ResolvePortArgument("COM3", ini.path()), QString("/dev/pts/9"));
        QCOMPARE(ResolvePortArgument("/dev/ttyS4", ini.path()), QString("/dev/ttyS4"));
    }

    void devicesPresentAreNumberedUsbAdaptersFirst() {
        const QStringList ordered = OrderedSerialDevices(
            {"ttyS1", "ttyUSB1", "ttyS0", "ttyACM0", "ttyUSB0", "cu.usbserial-2"});
        QCOMPARE(ordered, QStringList({"cu.usbserial-2", "ttyACM0", "ttyUSB0", "ttyUSB1", "ttyS0",
                                       "ttyS1"}));
    }

    void parseSerialSettings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("baud");
        QTest::newRow("clone line") << "9600,N,8,1" << true << 9600;
        QTest::newRow("port test line") << "19200,N,8,1" << true << 19200;
        QTest::newRow("even parity, two stop bits") << "4800,e,7,2" << true << 4800;
        QTest::newRow("unknown parity") << "9600,X,8,1" << false << 0;
        QTest::newRow("missing part") << "9600,N,8" << false << 0;
        QTest::newRow("no baud rate") << "fast,N,8,1" << false << 0;
        QTest::newRow("nine data bits") << "9600,N,9,1" << false << 0;
    }
    void parseSerialSettings() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, baud);
        const auto settings = ParseSerialSettings(text);
        QCOMPARE(settings.has_value(), valid);
        if (valid) QCOMPARE(settings->baudRate, baud);
    }

    void openingAMissingDeviceGivesThePlatformsDescription() {
        const UiTexts english;
        SerialLink link(english);
        QVERIFY(!link.Open("/nonexistent/ttyQV", CloneLineSettings(), kCloneReceiveBufferBytes));
        QVERIFY(!link.IsOpen());
        QVERIFY(link.ErrorText().contains("No such file or directory"));
        QVERIFY(!link.Open("", CloneLineSettings()));
        QCOMPARE(link.ErrorText(), QString("There is no serial device for this port."));
    }
};

QTEST_GUILESS_MAIN(TestLinkSettings)
#include "test_link_settings.moc"
