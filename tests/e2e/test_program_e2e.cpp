// The whole program against the virtual radio, as a user goes: start, read the radio, edit a
// channel in the grid, save a file, open it again, write the radio; the radio's memory then
// holds what the program sent, byte for byte.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "codecs/channel_name.h"
#include "data/data_file.h"
#include "e2e_files.h"
#include "editors/channel/frm_channel.h"
#include "link_dialogs/frm_clone.h"
#include "radio_sim_process.h"
#include "shell/main_window.h"
#include "support/next_modal.h"
#include "support/test_context.h"

namespace {

qv::RadioData LoadOrFail(const QString& path) {
    qv::RadioData data;
    if (qv::LoadFile(path, data) != qv::LoadStatus::Ok) qFatal("cannot load %s", qPrintable(path));
    return data;
}

// Presses OK on the clone dialog as soon as it is shown.
void PressOkOnCloneDialog() {
    qv::test::OnNextModal(
        [](QWidget* dialog) { dialog->findChild<QPushButton*>("Command1")->click(); });
}

// What both tests start from: a program folder with the template and a Radio.INI whose COM1 is
// the virtual radio, a radio holding the template with the test's changes, and the main window
// shown over that folder.
class ProgramOverVirtualRadio {
public:
    // Starts the virtual radio with what `radio` holds now and the given switches, then the
    // program; false when either could not start.
    bool Start(const QStringList& radioSwitches, int interval, int limit) {
        if (!QFile::copy(bin_ + "/default.tw", folder.filePath("default.tw"))) return false;
        if (!qv::SaveFile(folder.filePath("radio.tw"), radio.image).ok) return false;
        sim = std::make_unique<RadioSimProcess>(
            QStringList{"--image", folder.filePath("radio.tw")} + radioSwitches);
        if (sim->path().isEmpty()) return false;
        if (!qv::test::WriteRadioIni(folder.path(), sim->path(), interval, limit)) return false;
        window = std::make_unique<qv::MainWindow>(services.context);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    qv::FrmChannel& Channels() const {
        return *static_cast<qv::FrmChannel*>(window->EditorOf(qv::Editor::Channel));
    }

private:
    const QString bin_ = QCoreApplication::applicationDirPath();

public:
    QTemporaryDir folder;
    qv::RadioData radio = LoadOrFail(bin_ + "/default.tw");
    std::unique_ptr<RadioSimProcess> sim;
    qv::test::TestContext services{folder.path()};
    qv::test::ScriptedPrompts& prompts = services.prompts;
    std::unique_ptr<qv::MainWindow> window;
};

}  // namespace

class TestProgramE2e : public QObject {
    Q_OBJECT
private slots:
    void readEditSaveOpenWrite();
    void aReadThatBreaksOffLeavesTheUsersDataAsItWas();
};

void TestProgramE2e::readEditSaveOpenWrite() {
    ProgramOverVirtualRadio program;
    // The radio holds other channels than the template: a named channel 2, a channel 12.
    const qv::RadioData& radio = program.radio;
    qv::EncodeChannelName(program.radio.image, 2, "RADIO");
    for (int column = 0; column < 16; ++column)
        program.radio.image.at(12, column) = program.radio.image.at(1, column);
    program.radio.image[0x182] = 0x07;  // squelch 7
    QVERIFY(program.Start({"--save", program.folder.filePath("radio-after.tw")}, 20, 100));
    qv::MainWindow& window = *program.window;
    qv::test::ScriptedPrompts& prompts = program.prompts;

    // Read: the program now shows the radio's channels and settings.
    PressOkOnCloneDialog();
    prompts.answers = {qv::PromptAnswer::Ok};
    window.OnToolClick("miRead");
    QCOMPARE(prompts.messages.back().text, QString("Reading Complete!"));
    QVERIFY(qv::test::RowsEqual(window.Data().image, radio.image, 1, 26));
    QVERIFY(!window.Data().ImageModified());
    qv::FrmChannel* channels = &program.Channels();
    QCOMPARE(channels->Table().Cell(2, 1), QString("RADIO"));
    QCOMPARE(channels->Table().Cell(12, 3), QString("446.00625"));

    // Edit: type a name for channel 3 into the grid.
    auto* grid = channels->findChild<QTableView*>("ChannelGrid");
    QVERIFY(grid);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(3 - 1, 1 - 1));  // channel 3, CH Name
    QTest::keyClicks(grid, "h");
    auto* name = channels->findChild<QLineEdit*>("TxtChannel");
    QVERIFY(name && name->isVisible());
    QTest::keyClicks(name, "ILL{3");  // "{" is refused
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(channels->Table().Cell(3, 1), QString("HILL3"));

    // Save, then open the file again.
    const QString saved = program.folder.filePath("edited.tw");
    prompts.saveNames = {saved};
    window.OnToolClick("miSave");
    QCOMPARE(window.CurrentFileName(), saved);
    QVERIFY(!window.Data().ImageModified());
    window.Data().image = qv::RadioImage{};  // forget it, then open the file
    window.Data().CopyToBaseline();
    prompts.openNames = {saved};
    prompts.answers = {qv::PromptAnswer::No};  // the grid still differs from the zeroed image
    window.OnToolClick("miOpen");
    QCOMPARE(channels->Table().Cell(3, 1), QString("HILL3"));
    QCOMPARE(qv::DecodeChannelName(window.Data().image, 2), QString("RADIO"));
    QCOMPARE(window.windowTitle(), QString("QV-730 - edited.tw[*]"));
    QVERIFY(!window.isWindowModified());

    // Write: rows 1-26 and their copy in rows 38-63 reach the radio, after a backup of what it
    // held, and are read back (both on as the program starts).
    PressOkOnCloneDialog();
    prompts.answers = {qv::PromptAnswer::Ok};
    window.OnToolClick("miWrite");
    QCOMPARE(prompts.messages.back().text,
             QString("Writing Complete! The radio was read back and holds what was written."));
    QVERIFY(window.isWindowModified());  // the preparation for writing is not in the file
    const QString backup = window.Clone()->LastBackupPath();
    QVERIFY(qv::test::RowsEqual(LoadOrFail(backup).baseline, radio.image, 1, 26));

    // File > Open Radio Backup opens the Open dialog in the backups folder.
    prompts.openNames = {backup};
    prompts.answers = {qv::PromptAnswer::No};  // the write's preparation is unsaved
    window.OnToolClick("miOpenBackup");
    QCOMPARE(QDir(prompts.fileRequests.back().fileName).absolutePath(),
             QDir(window.Clone()->BackupFolder()).absolutePath());
    QVERIFY(qv::test::RowsEqual(window.Data().image, radio.image, 1, 26));
    prompts.openNames = {saved};
    window.OnToolClick("miOpen");

    // A complete read: the data is the radio's now, no longer the file's the title named. The
    // write's preparation is unsaved, so the read asks first; No lets it replace the data.
    PressOkOnCloneDialog();
    prompts.answers = {qv::PromptAnswer::No, qv::PromptAnswer::Ok};
    window.OnToolClick("miRead");
    QCOMPARE(prompts.messages.back().text, QString("Reading Complete!"));
    QCOMPARE(window.windowTitle(), QString("QV-730[*]"));
    QVERIFY(!window.isWindowModified());
    const QStringList log = program.sim->Stop();
    // The data read is unsaved as soon as it is edited, with no file in the title.
    auto* edited = static_cast<qv::FrmChannel*>(window.EditorOf(qv::Editor::Channel));
    const qv::RadioImage read = window.Data().image;
    QVERIFY(edited->Table().SetCellAsUser(4, 1, "EDIT"));
    window.UpdateModifiedMark();
    QVERIFY(window.isWindowModified());
    QVERIFY(edited->Table().SetCellAsUser(4, 1, qv::DecodeChannelName(read, 4)));
    QVERIFY(log.size() >= 28 + 28 + 54 + 54);
    const qv::RadioData after = LoadOrFail(program.folder.filePath("radio-after.tw"));
    QVERIFY(qv::test::RowsEqual(after.image, window.Data().image, 1, 26));
    // Rows 38-63 hold the copy of rows 1-26 the write sent.
    QVERIFY(std::equal(after.image.data() + 38 * 16, after.image.data() + 64 * 16,
                       after.image.data() + 16));
    QCOMPARE(qv::DecodeChannelName(after.image, 3), QString("HILL3"));
    QCOMPARE(int(after.image[0x182]), 7);
    QVERIFY(qv::test::RowsEqual(after.image, radio.image, 0, 0));  // nothing else was sent
    QVERIFY(qv::test::RowsEqual(after.image, radio.image, 27, 37));
}

void TestProgramE2e::aReadThatBreaksOffLeavesTheUsersDataAsItWas() {
    ProgramOverVirtualRadio program;
    for (int channel = 1; channel <= 8; ++channel)
        qv::EncodeChannelName(program.radio.image, channel, QString("RADIO%1").arg(channel));
    // The reply for row 9 (frame 10) breaks off, as when the cable is pulled.
    QVERIFY(program.Start({"--stop-mid-reply", "10"}, 20, 20));
    qv::MainWindow& window = *program.window;
    qv::test::ScriptedPrompts& prompts = program.prompts;
    qv::FrmChannel* channels = &program.Channels();
    QVERIFY(channels->Table().SetCellAsUser(1, 1, "MINE"));
    window.SaveAll();  // stores the grid; the baseline stays where the template put it
    const qv::RadioData before = window.Data();

    // No to the question, OK on the clone dialog, Cancel when the connection fails.
    PressOkOnCloneDialog();
    prompts.answers = {qv::PromptAnswer::No, qv::PromptAnswer::Cancel};
    window.OnToolClick("miRead");
    QCOMPARE(prompts.messages.size(), std::size_t(2));
    QCOMPARE(prompts.messages[0].text, QString("File has been modified, save it now?"));
    QCOMPARE(prompts.messages[1].text, QString("Connection Fail!"));
    QCOMPARE(program.sim->Stop().filter("read ").size(), 9);  // rows 1 to 8 had arrived

    QCOMPARE(window.Data().image, before.image);
    QCOMPARE(window.Data().baseline, before.baseline);
    QCOMPARE(channels->Table().Cell(1, 1), QString("MINE"));
    QCOMPARE(channels->Table().Cell(2, 1), QString());
    // The edit still counts as unsaved: the next Open asks again.
    prompts.messages.clear();
    window.OnToolClick("miOpen");
    QCOMPARE(prompts.messages.size(), std::size_t(1));
}

QTEST_MAIN(TestProgramE2e)
#include "test_program_e2e.moc"
