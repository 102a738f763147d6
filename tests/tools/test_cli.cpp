// qv730-cli as a user runs it: outputs, exit codes, and that a failure writes nothing.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include "data/data_file.h"
#include "support/pdf_text.h"

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Cli(const QStringList& args, const QByteArray& input = QByteArray()) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + "/qv730-cli", args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Template() {
    return QCoreApplication::applicationDirPath() + "/default.tw";
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A pseudo-terminal standing in for a serial device while it lives: its path opens like a port.
class PseudoTerminal {
public:
    PseudoTerminal() : master_(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            path_ = QString::fromLocal8Bit(ptsname(master_));
        }
    }
    ~PseudoTerminal() {
        if (master_ >= 0) close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    QString path() const { return path_; }

private:
    int master_;
    QString path_;
};

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void dumpPrintsEveryRow();
    void portsListsEachDeviceAndWhetherItOpens();
    void unpackThenPackRoundTrips();
    void infoShowsChannelsAndSettingsInWords();
    void errorsAreOneLineAndWriteNothing_data();
    void errorsAreOneLineAndWriteNothing();
    void exportPdfWritesTheChannelList_data();
    void exportPdfWritesTheChannelList();
    void helpAndVersion();
    void infoShowsCustomizedTonesAndEscapesNames();
    void csvThroughStandardStreams();
    void commonFormatWithRenumberAndANote();
    void skipUnusableLeavesOutWhatTheRadioCannotHold();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestCli::dumpPrintsEveryRow() {
    const Run run = Cli({"dump", Template()});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1024);
    QCOMPARE(lines[0], QString("000 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(lines[1], QString("001 25 06 60 44 25 06 60 44 FF FF FF FF 28 40 FE FF"));
    QCOMPARE(lines[0x1AB].left(15), QString("1AB 48 00 40 00"));
    QCOMPARE(lines[1023].left(4), QString("3FF "));
}

void TestCli::infoShowsChannelsAndSettingsInWords() {
    const Run run = Cli({"info", Template()});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split('\n');
    QVERIFY(lines[0].startsWith("No.  CH Name  Mode"));
    QVERIFY(lines[0].contains("RX CTCSS/DCS") && lines[0].endsWith("Talk Around"));
    QCOMPARE(lines[1].simplified(),
             QString("1 Simplex 446.00625 None 446.00625 None Low Narrow Yes Off On No"));
    QCOMPARE(lines[16], QString("16"));  // an empty channel as the CSV writes it
    for (const char* words :
         {"Squelch Level", "Priority Channel", "Microphone Gain", "Emergency Channel",
          "Lone Worker Timer(min)", "Side Button P1 Short Press", "Repeater / Talkaround"}) {
        QVERIFY2(run.out.contains(words), words);
    }
    QVERIFY(Cli({"info"}).exitCode != 0);
}

void TestCli::unpackThenPackRoundTrips() {
    const QString raw = dir->filePath("image.bin");
    const QString packed = dir->filePath("again.tw");
    QCOMPARE(Cli({"unpack", Template(), raw}).exitCode, 0);
    QCOMPARE(ReadAll(raw).size(), 16384);
    QCOMPARE(Cli({"pack", raw, packed}).exitCode, 0);
    QCOMPARE(ReadAll(packed), ReadAll(Template()));
}

void TestCli::errorsAreOneLineAndWriteNothing_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing argument") << QStringList{"dump"} << "usage: qv730-cli dump FILE.tw";
    QTest::newRow("extra argument") << QStringList{"unpack", "a", "b", "c"} << "usage:";
    QTest::newRow("missing file") << QStringList{"unpack", "nothing.tw", "out.bin"}
                                  << "Incorrect File Type.";
    QTest::newRow("wrong size") << QStringList{"pack", "short.bin", "out.tw"} << "16384 bytes";
    QTest::newRow("not a .tw file")
        << QStringList{"unpack", "short.bin", "out.bin"} << "Incorrect File Type.";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
    QTest::newRow("import-csv without -o")
        << QStringList{"import-csv", "TEMPLATE", "plan.csv"} << "usage: qv730-cli import-csv";
    QTest::newRow("unknown csv format")
        << QStringList{"export-csv", "--format", "other", "TEMPLATE", "out.csv"} << "--format";
    QTest::newRow("unwritable output")
        << QStringList{"unpack", "TEMPLATE", "no/such/dir/x.bin"} << "no/such/dir/x.bin";
    QTest::newRow("export-pdf without output")
        << QStringList{"export-pdf", "TEMPLATE"}
        << "usage: qv730-cli export-pdf FILE.tw OUT.pdf [--lang en|zh]";
    QTest::newRow("export-pdf in another language")
        << QStringList{"export-pdf", "TEMPLATE", "out.pdf", "--lang", "fr"}
        << "--lang fr: the language is en or zh";
    QTest::newRow("read without --port")
        << QStringList{"read", "-o", "out.tw"} << "usage: qv730-cli read --port PORT -o OUT.tw";
    QTest::newRow("option without its value")
        << QStringList{"write", "TEMPLATE", "--port"} << "usage: qv730-cli write";
    QTest::newRow("unknown option")
        << QStringList{"dump", "--rows", "4", "TEMPLATE"} << "usage: qv730-cli dump FILE.tw";
    QTest::newRow("unknown option before the command")
        << QStringList{"--verbose", "dump"} << "Unknown option 'verbose'";
    QTest::newRow("export-pdf of a bad file")
        << QStringList{"export-pdf", "short.bin", "out.pdf"} << "Incorrect File Type.";
    QTest::newRow("export-pdf to a missing folder")
        << QStringList{"export-pdf", "TEMPLATE", "no/such/dir/x.pdf"} << "no/such/dir/x.pdf";
}

void TestCli::errorsAreOneLineAndWriteNothing() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QFile shortFile(dir->filePath("short.bin"));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(100, 'x'));
    shortFile.close();
    for (QString& arg : args) {
        if (arg == "TEMPLATE")
            arg = Template();
        else if (!arg.startsWith('-') && arg.contains('.'))
            arg = dir->filePath(arg);
    }
    const QStringList before = QDir(dir->path()).entryList(QDir::Files);
    const Run run = Cli(args);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), before);
}

void TestCli::exportPdfWritesTheChannelList_data() {
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("English by default")
        << QStringList{} << QStringList{"QV-730 Channel List", "File: default.tw", "446.00625"};
    QTest::newRow("English") << QStringList{"--lang", "en"}
                             << QStringList{"Squelch Level", "Side Button P1 Short Press"};
    QTest::newRow("Chinese") << QStringList{"--lang", "zh"}
                             << QStringList{"QV-730 信道表", "文件：default.tw", "静噪电平",
                                            "侧键 P1 长按"};
}

void TestCli::exportPdfWritesTheChannelList() {
    QFETCH(QStringList, language);
    QFETCH(QStringList, words);
    const QString pdf = dir->filePath("list.pdf");
    const Run run = Cli(QStringList{"export-pdf", Template(), pdf} + language);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());  // nothing on stderr, not even the platform's chatter
    QVERIFY(ReadAll(pdf).startsWith("%PDF-"));
    if (!qv::test::HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed");
    QCOMPARE(qv::test::PdfPageCount(pdf), 1);
    const QString text = qv::test::PdfText(pdf);
    for (const QString& word : words) QVERIFY2(text.contains(word), qPrintable(word + "\n" + text));
}

// ports: the ports Radio.INI names and whether each opens now, with what to do for those that
// do not. COM4 on are the machine's own devices, whatever they are.
void TestCli::portsListsEachDeviceAndWhetherItOpens() {
    PseudoTerminal free, held;
    QVERIFY(!free.path().isEmpty() && !held.path().isEmpty());
    QFile ini(dir->filePath("Radio.INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QString("[Ports]\nCOM1=%1\nCOM2=/nonexistent/ttyQV\nCOM3=%2\n")
                  .arg(free.path(), held.path())
                  .toUtf8());
    ini.close();
    // Another program has COM3 open.
    QSerialPort other(held.path());
    QVERIFY(other.open(QIODevice::ReadWrite));

    const Run run = Cli({"ports", "--ini-dir", dir->path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QStringList lines = run.out.split('\n');
    QVERIFY2(lines[0].simplified() == "port device description USB id serial number opens",
             qPrintable(lines[0]));
    QVERIFY2(lines[1].simplified() == "COM1 " + free.path() + " yes", qPrintable(lines[1]));
    QVERIFY2(lines[2].simplified() == "COM2 /nonexistent/ttyQV no: No such file or directory",
             qPrintable(lines[2]));
    QVERIFY2(lines[3].startsWith("COM3") && lines[3].contains(" no: "), qPrintable(lines[3]));
    QVERIFY2(run.out.contains("\nCOM2: No cable is plugged in, or it is on another port: "
                              "\"qv730-cli ports\" lists the ports and their devices.\n"),
             qPrintable(run.out));
    QVERIFY2(run.out.contains("\nCOM3: Another program holds " + held.path() + ": close it."),
             qPrintable(run.out));
    // Once the other program lets go, COM3 opens.
    other.close();
    const Run again = Cli({"ports", "--ini-dir", dir->path()});
    QVERIFY2(again.out.split('\n')[3].simplified() == "COM3 " + held.path() + " yes",
             qPrintable(again.out));
}

void TestCli::helpAndVersion() {
    const Run help = Cli({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char* command : {"dump", "pack", "unpack", "info", "export-pdf"}) {
        QVERIFY2(help.out.contains(command), command);
    }
    // Each command's help names its options with what they mean; no line of any help is wider
    // than a 100-column terminal.
    const Run readHelp = Cli({"read", "--help"});
    QCOMPARE(readHelp.exitCode, 0);
    for (const char* option : {"--port PORT", "-o OUT.tw", "--base FILE.tw", "--ini-dir FOLDER"})
        QVERIFY2(readHelp.out.contains(option), option);
    QVERIFY(readHelp.out.startsWith("usage: qv730-cli read --port PORT -o OUT.tw"));
    for (const Run& run : {help, readHelp, Cli({"import-csv", "-h"})}) {
        QVERIFY(!run.out.isEmpty());
        for (const QString& line : run.out.split('\n'))
            QVERIFY2(line.size() <= 100, qPrintable(line));
    }
    QCOMPARE(Cli({}).exitCode, 2);  // no command: the help, as a usage error
    const Run version = Cli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out.trimmed(), QString("qv730-cli 1.1.0"));
}

void TestCli::infoShowsCustomizedTonesAndEscapesNames() {
    qv::RadioData data;
    QCOMPARE(qv::LoadFile(Template(), data), qv::LoadStatus::Ok);
    data.image[0x190] = 0x05;  // customized CTCSS 1: 100.5 Hz
    data.image[0x191] = 0x10;
    data.image[0x1A2] = 0x23;  // customized DCS 2: D023I
    data.image[0x1A3] = 0xC0;
    const std::uint8_t name[] = {'A', 0x12, '\\', 'B', 0xFF, 0xFF};
    for (int i = 0; i < 6; ++i) data.image[0x110 + i] = name[i];
    const QString path = dir->filePath("custom.tw");
    QVERIFY(qv::SaveFile(path, data.image).ok);

    const Run run = Cli({"info", path});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split('\n');
    QVERIFY2(lines[1].startsWith("1    A\\x12\\\\B  Simplex"), qPrintable(lines[1]));
    QVERIFY(run.out.contains("\nCustomized CTCSS/DCS\n"));
    QVERIFY(run.out.contains("  122 - Customized CTCSS 1 [Hz]  100.5\n"));
    QVERIFY(run.out.contains("  123 - Customized CTCSS 2 [Hz]  None\n"));
    QVERIFY(run.out.contains("  212 - Customized DCS 2 [OCT]   D023I\n"));
    QVERIFY(run.out.contains("  216 - Customized DCS 6 [OCT]   None\n"));
}

// export-csv to standard output, edited, and import-csv from standard input.
void TestCli::csvThroughStandardStreams() {
    const Run exported = Cli({"export-csv", Template(), "-"});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(exported.out.startsWith("No.,CH Name,Mode,RX Freq.,"));
    QCOMPARE(Cli({"export-csv", Template(), dir->filePath("plan.csv")}).exitCode, 0);
    QCOMPARE(ReadAll(dir->filePath("plan.csv")), exported.out.toUtf8());

    const QString same = dir->filePath("same.tw");
    QCOMPARE(Cli({"import-csv", Template(), "-", "-o", same}, exported.out.toUtf8()).exitCode, 0);
    QCOMPARE(ReadAll(same), ReadAll(Template()));  // an unchanged plan changes no byte

    QString edited = exported.out;
    edited.replace("\n3,,Simplex,", "\n3,HILL,Simplex,");
    const QString out = dir->filePath("edited.tw");
    const Run imported = Cli({"import-csv", Template(), "-", "-o", out}, edited.toUtf8());
    QCOMPARE(imported.exitCode, 0);
    QVERIFY(imported.err.isEmpty());
    QVERIFY(Cli({"info", out}).out.split('\n')[3].startsWith("3    HILL"));

    const Run bad = Cli({"import-csv", Template(), "-", "-o", dir->filePath("bad.tw")},
                        "No.,RX Freq.\n9,446,1\n");
    QCOMPARE(bad.exitCode, 1);
    QCOMPARE(bad.err, QString("qv730-cli: standard input: line 2: the row has 3 cells but the "
                              "header only 2 (quote a cell that holds a comma)\n"));
    QVERIFY(!QFile::exists(dir->filePath("bad.tw")));
}

void TestCli::commonFormatWithRenumberAndANote() {
    const Run exported = Cli({"export-csv", "--format", "common", Template(), "-"});
    QCOMPARE(exported.exitCode, 0);
    QVERIFY(exported.out.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
    QCOMPARE(exported.out.count('\n'), 9);  // the header and the eight channels

    const QByteArray plan =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Power\n"
        "40,HILL,446.1,,0,TSQL,88.5,67.0,FM,5.0W\n"
        "41,VALLEY,446.2,,0,,88.5,88.5,FM,5.0W\n";
    const QString out = dir->filePath("plan.tw");
    const Run located = Cli({"import-csv", Template(), "-", "-o", out}, plan);
    QCOMPARE(located.exitCode, 1);
    QVERIFY2(located.err.contains("line 2, column \"Location\""), qPrintable(located.err));
    QVERIFY(!QFile::exists(out));

    const Run renumbered = Cli({"import-csv", "--renumber", Template(), "-", "-o", out}, plan);
    QCOMPARE(renumbered.exitCode, 0);
    QCOMPARE(renumbered.err, QString("qv730-cli: note: Power and Mode are not applied: this "
                                     "radio's power and bandwidth are fixed (line 2: Power "
                                     "\"5.0W\", Mode \"FM\")\n"));
    const QStringList lines = Cli({"info", out}).out.split('\n');
    QCOMPARE(lines[1].simplified(), QString("1 HILL Simplex 446.10000 1 - 67.0Hz 446.10000 "
                                            "1 - 67.0Hz Low Narrow Yes Off On No"));
    QVERIFY(lines[2].startsWith("2    VALLEY"));

    const Run native = Cli({"import-csv", "--renumber", Template(), "-", "-o", out},
                           exported.out.toUtf8().replace("Location", "No."));
    QCOMPARE(native.exitCode, 1);
    QVERIFY(native.err.contains("--renumber is for the common channel CSV"));
}

// A plan of another program with rows outside the band: refused as a whole, or with
// --skip-unusable imported without them, one line on standard error for each row left out.
void TestCli::skipUnusableLeavesOutWhatTheRadioCannotHold() {
    QByteArray plan =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\n"
        "1,National Simp,446.000000,,0.000000,,88.5,88.5,FM\n"
        "2,2M RPT,146.940000,-,0.600000,Tone,100.0,88.5,FM\n"
        "3,UHF RPT,442.100000,+,50.000000,,88.5,88.5,FM\n"
        "4,TOWER,446.100000,,0.000000,,88.5,88.5,AM\n";
    const QString out = dir->filePath("plan.tw");
    const QString band = " is outside this radio's band (400.00000 to 480.00000 MHz)";
    const Run refused = Cli({"import-csv", Template(), "-", "-o", out}, plan);
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.err, "qv730-cli: standard input: line 3, column \"Frequency\": 146.94000 MHz" +
                              band + "\n");
    QVERIFY(!QFile::exists(out));

    const Run skipped = Cli({"import-csv", "--skip-unusable", Template(), "-", "-o", out}, plan);
    QCOMPARE(skipped.exitCode, 0);
    QCOMPARE(skipped.err.split('\n', Qt::SkipEmptyParts),
             QStringList({"qv730-cli: skipped: standard input: line 3, column \"Frequency\": "
                          "146.94000 MHz" +
                              band,
                          "qv730-cli: skipped: standard input: line 4, column \"Offset\": TX "
                          "492.10000 MHz" +
                              band,
                          "qv730-cli: note: Power and Mode are not applied: this radio's power "
                          "and bandwidth are fixed (line 2: Mode \"FM\"; line 5: Mode \"AM\")",
                          "qv730-cli: note: Names longer than six characters are cut to six: "
                          "line 2: \"National Simp\" stored as \"Nation\""}));
    const QStringList lines = Cli({"info", out}).out.split('\n');
    QVERIFY2(lines[1].startsWith("1    Nation"), qPrintable(lines[1]));
    QVERIFY(lines[2].contains("446.01875"));  // the template's channel 2, left as it was
    QVERIFY(lines[4].startsWith("4    TOWER"));

    // Renumbered: the usable rows fill channels 1, 2, ...; nothing usable, nothing written.
    const QString renumbered = dir->filePath("renumbered.tw");
    const Run filled = Cli(
        {"import-csv", "--skip-unusable", "--renumber", Template(), "-", "-o", renumbered}, plan);
    QCOMPARE(filled.exitCode, 0);
    QVERIFY(Cli({"info", renumbered}).out.split('\n')[2].startsWith("2    TOWER"));
    const QString none = dir->filePath("none.tw");
    const Run nothing = Cli({"import-csv", "--skip-unusable", Template(), "-", "-o", none},
                            "Location,Name,Frequency\n1,AIR,118.1\n");
    QCOMPARE(nothing.exitCode, 1);
    QVERIFY(nothing.err.contains("skipped: standard input: line 2, column \"Frequency\""));
    QVERIFY(nothing.err.endsWith("no row of the plan can be stored in this radio\n"));
    QVERIFY(!QFile::exists(none));

    // This program's own format stays all or nothing.
    const Run native = Cli({"import-csv", "--skip-unusable", Template(), "-", "-o", none},
                           "No.,RX Freq.\n1,146.52\n");
    QCOMPARE(native.exitCode, 1);
    QVERIFY(native.err.contains("--skip-unusable is for the common channel CSV"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
