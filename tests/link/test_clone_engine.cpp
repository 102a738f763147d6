// The clone protocol driven tick by tick with no port and no clock: the frames sent, the replies
// accepted or refused, the polls allowed, the progress shown and the rows kept.
#include <QtTest>
#include <functional>

#include "link/clone.h"
#include "support/fake_radio.h"

using namespace qv;
using qv::test::Bytes;
using qv::test::FakeRadio;

namespace {

struct Transfer {
    QList<QByteArray> frames;
    QList<double> progress;  // after each frame
    CloneOutcome outcome = CloneOutcome::Running;
};

// Runs a transfer to its end, answering each frame at the first poll.
Transfer Run(CloneEngine& engine, const std::function<QByteArray(const QByteArray&)>& answer) {
    Transfer run;
    CloneStep step = engine.Begin();
    for (int ticks = 0; step.outcome == CloneOutcome::Running && ticks < 10000; ++ticks) {
        if (step.arm == CloneTimer::Send) {
            step = engine.SendTick();
            run.frames << step.frame;
            run.progress << engine.Progress();
        } else {
            step = engine.ReceiveTick(answer(run.frames.last()));
        }
    }
    run.outcome = step.outcome;
    return run;
}

// A transfer brought to the point where its handshake reply is awaited.
CloneStep SendHandshake(CloneEngine& engine) {
    engine.Begin();
    return engine.SendTick();
}

}  // namespace

class TestCloneEngine : public QObject {
    Q_OBJECT

private slots:
    void readSendsHandshakeRowsOneToTwentySixAndEnd() {
        RadioImage image;
        image[0x0005] = 0xAA;  // row 0 and rows past 26 are not part of a read
        image[0x01B0] = 0xBB;
        FakeRadio radio;
        CloneEngine engine(image);
        engine.CloneMode = CloneMode::Read;
        engine.FirstRow = kReadFirstRow;
        engine.LastRow = kReadLastRow;
        const Transfer run = Run(engine, [&](const QByteArray& f) { return radio.Answer(f); });

        QList<QByteArray> expected{QByteArray("KVMD4QZ")};
        for (int row = 1; row <= 26; ++row)
            expected << Bytes({0x52, row >> 4, (row << 4) & 0xFF, 0x10});
        expected << Bytes({0x45});
        QCOMPARE(run.frames, expected);
        QCOMPARE(run.frames[26], Bytes({0x52, 0x01, 0xA0, 0x10}));
        QCOMPARE(run.outcome, CloneOutcome::Completed);
        QVERIFY(engine.Finished());
        QVERIFY(std::equal(image.data() + 0x10, image.data() + 0x1B0, radio.image.data() + 0x10));
        QCOMPARE(image[0x0005], 0xAA);
        QCOMPARE(image[0x01B0], 0xBB);
    }

    void writeSendsRowsOneToTwentySixThenThirtyEightToSixtyThree() {
        RadioImage image;
        for (int a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a ^ (a >> 8));
        FakeRadio radio;
        const RadioImage before = radio.image;
        CloneEngine engine(image);
        engine.CloneMode = CloneMode::Write;
        engine.FirstRow = kWriteFirstRow;
        engine.LastRow = kWriteLastRow;
        const Transfer run = Run(engine, [&](const QByteArray& f) { return radio.Answer(f); });

        QCOMPARE(run.frames.size(), 54);  // handshake, 52 rows, End
        QCOMPARE(run.frames.first(), QByteArray("KVMD4QZ"));
        QCOMPARE(run.frames.last(), Bytes({0x45}));
        QList<int> addresses;
        for (int i = 1; i <= 52; ++i) {
            const QByteArray& frame = run.frames[i];
            QCOMPARE(frame.size(), 20);
            QCOMPARE(frame[0], 'W');
            QCOMPARE(frame[3], char(0x10));
            const int address = (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]);
            addresses << address;
            QCOMPARE(frame.mid(4),
                     QByteArray(reinterpret_cast<const char*>(image.data() + address), 16));
        }
        QCOMPARE(addresses.first(), 0x0010);
        QCOMPARE(addresses[25], 0x01A0);
        QCOMPARE(addresses[26], 0x0260);
        QCOMPARE(addresses.last(), 0x03F0);
        for (int i = 1; i < 52; ++i) QVERIFY(addresses[i] > addresses[i - 1]);
        QCOMPARE(run.outcome, CloneOutcome::Completed);
        // The radio now holds exactly the rows sent; rows 27-37 are its own.
        QVERIFY(std::equal(image.data() + 0x10, image.data() + 0x1B0, radio.image.data() + 0x10));
        QVERIFY(std::equal(image.data() + 0x260, image.data() + 0x400, radio.image.data() + 0x260));
        QVERIFY(
            std::equal(before.data() + 0x1B0, before.data() + 0x260, radio.image.data() + 0x1B0));
    }

    void writeProgressFollowsTheRowNumber() {
        RadioImage image;
        FakeRadio radio;
        CloneEngine engine(image);
        engine.CloneMode = CloneMode::Write;
        engine.FirstRow = 1;
        engine.LastRow = 63;
        const Transfer run = Run(engine, [&](const QByteArray& f) { return radio.Answer(f); });
        QCOMPARE(run.progress[0], 0.0);                  // handshake: unchanged from the start
        QCOMPARE(run.progress[1], 0.0);                  // row 1
        QVERIFY(qAbs(run.progress[26] - 40.32) < 0.01);  // row 26
        QVERIFY(qAbs(run.progress[27] - 59.68) < 0.01);  // row 38
        QCOMPARE(run.progress[52], 100.0);               // row 63
        QCOMPARE(run.progress[53], 100.0);               // End
    }

    void handshakeReplyRule_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ack and four bytes") << Bytes({0x06, 1, 2, 3, 4}) << true;
        QTest::newRow("six bytes, last five start with ack")
            << Bytes({0x15, 0x06, 0, 0, 0, 0}) << true;
        QTest::newRow("wrong first byte") << Bytes({0x15, 0, 0, 0, 0}) << false;
        QTest::newRow("ack not in the last five") << Bytes({0x06, 0x15, 0, 0, 0, 0}) << false;
        QTest::newRow("too short") << Bytes({0x06, 0, 0, 0}) << false;
    }
    void handshakeReplyRule() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, accepted);
        RadioImage image;
        CloneEngine engine(image);
        SendHandshake(engine);
        const CloneStep step = engine.ReceiveTick(reply);
        QCOMPARE(step.arm == CloneTimer::Send, accepted);
        QCOMPARE(engine.CurrentRow(), accepted ? engine.FirstRow : kHandshakeRow);
        if (!accepted) {
            // A reply that began and was refused fails at the next poll that brings nothing.
            QCOMPARE(step.outcome, CloneOutcome::Running);
            QCOMPARE(engine.ReceiveTick({}).outcome, CloneOutcome::Failed);
        }
    }

    void readReplyLandsInTheRequestedRowWhateverAddressItNames() {
        RadioImage image;
        CloneEngine engine(image);
        engine.FirstRow = engine.LastRow = 1;
        SendHandshake(engine);
        engine.ReceiveTick(Bytes({0x06, 0, 0, 0, 0}));
        QCOMPARE(engine.SendTick().frame, Bytes({0x52, 0x00, 0x10, 0x10}));
        QByteArray reply = Bytes({0x57, 0x03, 0x40, 0x08});  // names 0x0340, length 8
        for (int i = 0; i < 16; ++i) reply.append(char(0xC0 + i));
        QCOMPARE(engine.ReceiveTick(reply).arm, CloneTimer::Send);
        QCOMPARE(engine.CurrentRow(), kEndRow);
        QCOMPARE(image[0x10], 0);  // staged until the read has completed
        QCOMPARE(engine.SendTick().frame, EndFrame());
        QCOMPARE(engine.ReceiveTick({}).outcome, CloneOutcome::Completed);
        for (int i = 0; i < 16; ++i) QCOMPARE(image[0x10 + i], 0xC0 + i);
        QCOMPARE(image[0x340], 0);
    }

    void splitReadReply() {
        RadioImage image;
        CloneEngine engine(image);
        SendHandshake(engine);
        engine.ReceiveTick(Bytes({0x06, 0, 0, 0, 0}));
        engine.SendTick();
        QByteArray reply = Bytes({0x57, 0x00, 0x10, 0x10}) + QByteArray(16, char(0x5A));

        // 12 bytes at one poll, 8 at the next: accepted.
        QCOMPARE(engine.ReceiveTick(reply.left(12)).arm, CloneTimer::Receive);
        QCOMPARE(engine.ReceiveTick(reply.mid(12)).arm, CloneTimer::Send);
        QCOMPARE(engine.CurrentRow(), 2);

        // A poll that finds nothing between the two parts fails the transfer; the row read
        // before it never reaches the image.
        engine.SendTick();
        QCOMPARE(engine.ReceiveTick(reply.left(12)).outcome, CloneOutcome::Running);
        QCOMPARE(engine.ReceiveTick({}).outcome, CloneOutcome::Failed);
        QVERIFY(image == RadioImage{});
    }

    void silentRadioFailsOncePollsExceedRecvLimit_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("failingPoll");
        QTest::newRow("limit 0") << 0 << 1;
        QTest::newRow("limit 3") << 3 << 4;
        QTest::newRow("limit 40") << 40 << 41;
    }
    void silentRadioFailsOncePollsExceedRecvLimit() {
        QFETCH(int, limit);
        QFETCH(int, failingPoll);
        RadioImage image;
        CloneEngine engine(image);
        engine.Timing.RecvLimit = static_cast<std::int16_t>(limit);
        engine.Timing.RecvInterval = 25;
        const CloneStep sent = SendHandshake(engine);
        QCOMPARE(sent.arm, CloneTimer::Receive);
        QCOMPARE(sent.periodMs, 25);
        for (int poll = 1; poll < failingPoll; ++poll) {
            const CloneStep step = engine.ReceiveTick({});
            QCOMPARE(step.arm, CloneTimer::Receive);
            QCOMPARE(step.periodMs, 25);
        }
        QCOMPARE(engine.ReceiveTick({}).outcome, CloneOutcome::Failed);
        QCOMPARE(engine.PollCount(), failingPoll);
    }

    void wrongBytesThatKeepComingFailWhenPollsRunOut() {
        RadioImage image;
        CloneEngine engine(image);
        engine.Timing.RecvLimit = 2;
        SendHandshake(engine);
        QCOMPARE(engine.ReceiveTick(Bytes({0x15, 0, 0, 0, 0})).outcome, CloneOutcome::Running);
        QCOMPARE(engine.ReceiveTick(Bytes({0x15})).outcome, CloneOutcome::Running);
        QCOMPARE(engine.ReceiveTick(Bytes({0x15})).outcome, CloneOutcome::Failed);
    }

    void aFailedReadChangesNothingAndRetryStartsOver() {
        RadioImage image;
        for (int a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a >> 3);
        const RadioImage before = image;
        FakeRadio radio;
        CloneEngine engine(image);
        engine.Timing.RecvLimit = 0;
        // Rows 1 to 3 arrive, then the radio falls silent.
        CloneStep step = engine.Begin();
        int rowsAnswered = 0;
        while (step.outcome == CloneOutcome::Running) {
            if (step.arm == CloneTimer::Send) {
                step = engine.SendTick();
                const QByteArray reply =
                    rowsAnswered++ < 4 ? radio.Answer(step.frame) : QByteArray();
                step = engine.ReceiveTick(reply);
            }
        }
        QCOMPARE(step.outcome, CloneOutcome::Failed);
        QVERIFY(!engine.Finished());
        QVERIFY(image == before);  // not one of the three rows read

        const CloneStep retry = engine.Begin();
        QCOMPARE(retry.arm, CloneTimer::Send);
        QCOMPARE(retry.periodMs, kSendPeriodMs);
        QCOMPARE(engine.CurrentRow(), kHandshakeRow);
        QCOMPARE(engine.Progress(), 0.0);
        QCOMPARE(engine.SendTick().frame, QByteArray("KVMD4QZ"));

        // The retry that completes brings all 26 rows, and nothing else changes.
        engine.Timing.RecvLimit = 40;
        QCOMPARE(engine.ReceiveTick(radio.Answer(HandshakeFrame())).arm, CloneTimer::Send);
        const Transfer rest = [&] {
            Transfer run;
            CloneStep next{};
            next.arm = CloneTimer::Send;
            while (next.outcome == CloneOutcome::Running) {
                next = engine.SendTick();
                run.frames << next.frame;
                next = engine.ReceiveTick(radio.Answer(next.frame));
            }
            run.outcome = next.outcome;
            return run;
        }();
        QCOMPARE(rest.outcome, CloneOutcome::Completed);
        QCOMPARE(rest.frames.size(), 27);  // rows 1 to 26 and End
        RadioImage expected = before;
        std::copy(radio.image.data() + 0x10, radio.image.data() + 0x1B0, expected.data() + 0x10);
        QVERIFY(image == expected);
    }

    void nothingAfterTheEndFrameIsExamined() {
        RadioImage image;
        FakeRadio radio;
        CloneEngine engine(image);
        engine.FirstRow = engine.LastRow = 5;
        const Transfer run = Run(engine, [&](const QByteArray& f) {
            return f == EndFrame() ? Bytes({0x15, 0x15, 0x15}) : radio.Answer(f);
        });
        QCOMPARE(run.frames.size(), 3);
        QCOMPARE(run.outcome, CloneOutcome::Completed);
        // A one-row transfer shows its only row as the whole way.
        QCOMPARE(run.progress[1], 100.0);
    }

    void rowsNeverLeaveTheImage_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("dataFrames");
        QTest::newRow("last row never reached") << 795 << 1000 << 5;
        QTest::newRow("first row below zero") << -5 << 26 << 0;
        QTest::newRow("first row past the image") << 2000 << 2001 << 0;
    }
    void rowsNeverLeaveTheImage() {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, dataFrames);
        RadioImage image;
        FakeRadio radio;
        CloneEngine engine(image);
        engine.FirstRow = static_cast<std::int16_t>(first);
        engine.LastRow = static_cast<std::int16_t>(last);
        const Transfer run = Run(engine, [&](const QByteArray& f) { return radio.Answer(f); });
        QCOMPARE(run.outcome, CloneOutcome::Completed);
        QCOMPARE(run.frames.size(), dataFrames + 2);
        QCOMPARE(run.frames.last(), EndFrame());
    }

    void prepareImageForWrite() {
        RadioImage image;
        for (int a = 0; a < kImageSize; ++a) image[a] = static_cast<std::uint8_t>(a * 31 + 1);
        RadioImage expected = image;
        PrepareImageForWrite(image);
        QCOMPARE(image[0x171A], 0);
        expected[0x171A] = 0;
        std::copy_n(expected.data() + 0x10, 26 * 16, expected.data() + 0x260);
        QVERIFY(image == expected);
    }
};

QTEST_GUILESS_MAIN(TestCloneEngine)
#include "test_clone_engine.moc"
