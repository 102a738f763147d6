// qv730-radiosim: a virtual QV-730 on a pseudo-terminal. It prints the path of the port to open,
// answers the clone protocol from its own image, logs every frame it receives, and on request
// paces its bytes at 9600 baud, misbehaves, and saves its image when it is stopped.
#include <poll.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>

#include "data/data_file.h"
#include "pseudo_terminal.h"
#include "virtual_radio.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void RequestStop(int) {
    g_stop = 1;
}

// One byte at 9600 baud with a start bit, 8 data bits and a stop bit.
constexpr long kByteNanoseconds = 10L * 1000000000L / 9600;
constexpr int kPartialFrameTimeoutMs = 500;

using Nanoseconds = long long;

Nanoseconds Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return Nanoseconds(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void SleepUntil(Nanoseconds when) {
    timespec until{static_cast<time_t>(when / 1000000000LL),
                   static_cast<long>(when % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR && !g_stop) {
    }
}

class Line {
public:
    Line(int fd, bool paced) : fd_(fd), paced_(paced) {}

    // Bytes from the program. When paced, they are taken to arrive one per byte time.
    QByteArray Read() {
        char buffer[512];
        const ssize_t count = read(fd_, buffer, sizeof buffer);
        if (count <= 0) return {};
        inboundDoneAt_ = std::max(inboundDoneAt_, Now()) + count * kByteNanoseconds;
        return QByteArray(buffer, int(count));
    }

    // Bytes to the program. When paced, the reply begins once the frame has fully arrived and
    // then leaves one byte per byte time.
    void Send(const QByteArray& bytes) {
        if (!paced_) {
            WriteAll(bytes);
            return;
        }
        Nanoseconds slot = std::max(Now(), inboundDoneAt_);
        for (char byte : bytes) {
            SleepUntil(slot);
            WriteAll(QByteArray(1, byte));
            slot += kByteNanoseconds;
        }
        SleepUntil(slot);
    }

private:
    void WriteAll(const QByteArray& bytes) {
        qsizetype done = 0;
        while (done < bytes.size() && !g_stop) {
            const ssize_t count = write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
            if (count > 0) {
                done += count;
            } else if (errno == EAGAIN || errno == EINTR) {
                pollfd wait{fd_, POLLOUT, 0};
                poll(&wait, 1, 10);
            } else {
                return;
            }
        }
    }

    int fd_;
    bool paced_;
    Nanoseconds inboundDoneAt_ = 0;
};

void Log(FILE* log, const QString& line) {
    std::fprintf(log, "%s\n", line.toLocal8Bit().constData());
    std::fflush(log);
}

int Fail(const QString& message) {
    std::fprintf(stderr, "qv730-radiosim: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// Where radio n is saved when it is disconnected: FILE-n.tw beside FILE.tw.
QString SavePathOf(const QString& savePath, int radioNumber) {
    QString stem = savePath;
    if (stem.endsWith(QStringLiteral(".tw"), Qt::CaseInsensitive)) stem.chop(3);
    return QStringLiteral("%1-%2.tw").arg(stem).arg(radioNumber);
}

int SaveRadio(FILE* log, const QString& path, const qv::RadioImage& image) {
    const qv::SaveResult saved = qv::SaveFile(path, image);
    if (!saved.ok) return Fail(QStringLiteral("%1: %2").arg(path, saved.error));
    Log(log, QStringLiteral("saved %1").arg(path));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qv730-radiosim");
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A virtual QV-730 radio on a pseudo-terminal. Prints the port to open on its first line,\n"
        "then one line for every frame received. Stop it with Ctrl+C or SIGTERM.");
    parser.addHelpOption();
    const QCommandLineOption image(
        "image",
        "Answer from this .tw file (default: default.tw). Given more than once, radio n holds "
        "the n-th image (see --swap-after-sessions), starting over after the last.",
        "FILE.tw");
    const QCommandLineOption save(
        "save",
        "Save the image to this .tw file when stopped. A radio disconnected before (see "
        "--swap-after-sessions) is saved beside it as FILE-n.tw, n its number from 1.",
        "FILE.tw");
    const QCommandLineOption link("link", "Also make PATH a symbolic link to the port.", "PATH");
    const QCommandLineOption pace("pace", "Send and take bytes at the pace of 9600 baud.");
    const QCommandLineOption silent("silent", "Never answer.");
    const QCommandLineOption wrong("wrong-first-byte",
                                   "The reply to frame N starts with 0x15 instead.", "N");
    const QCommandLineOption split("split-reply", "The reply to frame N comes in two parts.", "N");
    const QCommandLineOption pause("split-pause", "Pause between the two parts (default 30).", "MS",
                                   "30");
    const QCommandLineOption stop("stop-mid-reply",
                                  "The reply to frame N stops after its first part.", "N");
    const QCommandLineOption answerFrom("answer-from", "Frames before frame N get no answer.", "N");
    const QCommandLineOption silentFrom("silent-from",
                                        "Frame N and every later frame get no answer.", "N");
    const QCommandLineOption corrupt(
        "corrupt-write",
        "The row of the N-th write frame (counting write frames only, from 1) is acknowledged but "
        "stored with one byte changed.",
        "N");
    const QCommandLineOption swap(
        "swap-after-sessions",
        "After every K sessions (a handshake to its End frame) another radio is connected: it "
        "holds the next --image as it was at the start.",
        "K");
    parser.addOptions({image, save, link, pace, silent, wrong, split, pause, stop, answerFrom,
                       silentFrom, corrupt, swap});
    parser.process(app);

    QStringList imagePaths = parser.values(image);
    if (imagePaths.isEmpty()) imagePaths << QDir(app.applicationDirPath()).filePath("default.tw");
    std::vector<qv::RadioImage> images;
    for (const QString& imagePath : imagePaths) {
        qv::RadioData data;
        if (qv::LoadFile(imagePath, data) != qv::LoadStatus::Ok) {
            return Fail(
                QStringLiteral("%1: %2").arg(imagePath, qv::LoadFailureText(qv::UiTexts())));
        }
        // The image exactly as stored, before any band-limit repair.
        images.push_back(data.baseline);
    }

    qv::sim::Misbehaviour misbehaviour;
    misbehaviour.silent = parser.isSet(silent);
    misbehaviour.wrongFirstByte = parser.value(wrong).toInt();
    misbehaviour.splitReply = parser.value(split).toInt();
    misbehaviour.splitPauseMs = parser.value(pause).toInt();
    misbehaviour.stopMidReply = parser.value(stop).toInt();
    misbehaviour.answerFrom = parser.value(answerFrom).toInt();
    misbehaviour.silentFrom = parser.value(silentFrom).toInt();
    misbehaviour.corruptWrite = parser.value(corrupt).toInt();
    misbehaviour.sessionsPerRadio = parser.value(swap).toInt();
    qv::sim::VirtualRadio radio(std::move(images), misbehaviour);

    qv::sim::PseudoTerminal pty;
    std::string error;
    if (!qv::sim::OpenPseudoTerminal(pty, error)) return Fail(QString::fromStdString(error));
    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(QString::fromStdString(pty.slavePath), linkPath)) {
            return Fail(QStringLiteral("%1: cannot make the link").arg(linkPath));
        }
    }

    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    FILE* log = stdout;
    Log(log, QString::fromStdString(pty.slavePath));

    int status = 0;
    Line line(pty.master, parser.isSet(pace));
    Nanoseconds lastByteAt = Now();
    while (!g_stop) {
        pollfd wait{pty.master, POLLIN, 0};
        const int ready = poll(&wait, 1, 100);
        if (ready <= 0) {
            // A frame that stopped arriving part way is forgotten once the line stays quiet.
            if (radio.HasPartialFrame() &&
                Now() - lastByteAt > Nanoseconds(kPartialFrameTimeoutMs) * 1000000) {
                for (const auto& dropped : radio.DropPartialFrame()) Log(log, dropped.log);
            }
            continue;
        }
        const QByteArray bytes = line.Read();
        if (bytes.isEmpty()) {
            usleep(10000);
            continue;
        }
        lastByteAt = Now();
        for (const auto& result : radio.Receive(bytes)) {
            Log(log, result.log);
            if (!result.reply.first.isEmpty()) line.Send(result.reply.first);
            if (!result.reply.second.isEmpty()) {
                SleepUntil(Now() + Nanoseconds(result.reply.pauseMs) * 1000000);
                line.Send(result.reply.second);
            }
        }
        if (radio.SwapDue()) {
            // The radio just disconnected is kept before the next one takes its place.
            if (parser.isSet(save)) {
                status |= SaveRadio(log, SavePathOf(parser.value(save), radio.RadioNumber()),
                                    radio.image());
            }
            Log(log, QStringLiteral("radio %1 connected").arg(radio.ConnectNextRadio()));
        }
    }

    if (parser.isSet(save)) status |= SaveRadio(log, parser.value(save), radio.image());
    if (!linkPath.isEmpty()) QFile::remove(linkPath);
    qv::sim::ClosePseudoTerminal(pty);
    return status;
}
