// The clone driver on its two timers over a byte channel with no serial port behind it: a whole
// read through a scripted line, a line that refuses the bytes, a line that fails and one that
// stays silent.
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "link_driver/clone_driver.h"
#include "platform/byte_channel.h"
#include "support/bytes.h"
#include "support/fake_radio.h"
#include "support/scripted_line.h"

using namespace qv;

namespace {

using test::ScriptedLine;

struct Rig {
    RadioData data;
    ScriptedLine line;
    QTimer sendTimer;
    QTimer receiveTimer;
    CloneDriver driver{data.image, line, sendTimer, receiveTimer};
    QSignalSpy completed{&driver, &CloneDriver::completed};
    QSignalSpy failed{&driver, &CloneDriver::failed};

    Rig() {
        driver.engine().Timing.RecvInterval = 1;
        driver.engine().Timing.RecvLimit = 3;
    }
    // Runs until the driver completes or fails.
    void Run() {
        driver.Begin();
        QTRY_VERIFY_WITH_TIMEOUT(completed.size() + failed.size() > 0, 20000);
    }
};

}  // namespace

class TestCloneDriver : public QObject {
    Q_OBJECT

private slots:
    void aReadThroughTheLineBringsTheRadiosRows() {
        Rig rig;
        rig.Run();
        QCOMPARE(rig.completed.size(), 1);
        QCOMPARE(rig.failed.size(), 0);
        QCOMPARE(rig.line.written.first(), HandshakeFrame());
        QCOMPARE(rig.line.written.last(), EndFrame());
        QCOMPARE(rig.line.written.size(), 1 + kReadLastRow + 1);
        QVERIFY(rig.line.discards > 0);  // stale bytes go before each frame
        for (int row = kReadFirstRow; row <= kReadLastRow; ++row) {
            QCOMPARE(test::Hex(rig.data.image, row * 16, 16),
                     test::Hex(rig.line.radio.image, row * 16, 16));
        }
        QVERIFY(rig.driver.engine().Finished());
    }

    // Every way the line can let the transfer down ends in failed(), and a read that failed
    // leaves the image as it was.
    void aLineThatLetsTheTransferDownFails_data() {
        QTest::addColumn<int>("fault");  // 0 refuses writes, 1 reports a failure, 2 stays silent
        QTest::newRow("refuses the bytes") << 0;
        QTest::newRow("reports a failure") << 1;
        QTest::newRow("stays silent") << 2;
    }
    void aLineThatLetsTheTransferDownFails() {
        QFETCH(int, fault);
        Rig rig;
        rig.line.refuseWrites = fault == 0;
        rig.line.failed = fault == 1;
        rig.line.silent = fault == 2;
        const RadioImage before = rig.data.image;
        rig.Run();
        QCOMPARE(rig.failed.size(), 1);
        QCOMPARE(rig.completed.size(), 0);
        QVERIFY(rig.data.image == before);
        QVERIFY(!rig.sendTimer.isActive() && !rig.receiveTimer.isActive());
    }
};

QTEST_GUILESS_MAIN(TestCloneDriver)
#include "test_clone_driver.moc"
