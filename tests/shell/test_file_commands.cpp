// New, Open and Save with their questions, dialogs and messages.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include "codecs/channel_name.h"
#include "data/data_file.h"
#include "editors/channel/frm_channel.h"
#include "language/ui_language.h"
#include "shell/command_actions.h"
#include "shell/last_folder.h"
#include "shell/main_bar.h"
#include "shell_fixture.h"

using qv::Editor;
using qv::PromptAnswer;
using qv::test::Channels;
using qv::test::ShellFixture;

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void newOffersToSaveUnsavedChanges_data();
    void newOffersToSaveUnsavedChanges();
    void newWithoutChangesAsksNothing();
    void saveAlwaysAsksForANameAndOffersTheCurrentOne();
    void saveFailureNamesTheFileInTheUiLanguage_data();
    void saveFailureNamesTheFileInTheUiLanguage();
    void onlyACompleteSaveCountsAsSaved_data();
    void onlyACompleteSaveCountsAsSaved();
    void openAsksOnlyWhenTheImageChanged();
    void openAnswers_data();
    void openAnswers();
    void openRejectsBadFilesWithTheirTitles();
    void channelPlanExportAndImport();
    void commonChannelPlanAsksForRenumbering();
    void replacingTheDataClearsTheUndoHistory();
    void aPlanThatDoesNotFitIsChosenFrom();
    void cancellingTheChoiceChangesNothing();
    void dialogsStartWhereTheUserLastWas_data();
    void dialogsStartWhereTheUserLastWas();
};

void TestFileCommands::newOffersToSaveUnsavedChanges_data() {
    QTest::addColumn<QString>("languageTool");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveNameGiven");
    QTest::addColumn<bool>("cleared");
    const QString english = "File has been modified, save it now?";
    const QString chinese = "文件已被修改，是否保存？";
    QTest::newRow("Cancel keeps everything")
        << "miEnglish" << english << int(PromptAnswer::Cancel) << false << false;
    QTest::newRow("No clears") << "miEnglish" << english << int(PromptAnswer::No) << false << true;
    QTest::newRow("Yes saves, then clears")
        << "miEnglish" << english << int(PromptAnswer::Yes) << true << true;
    QTest::newRow("Yes with a cancelled save keeps everything")
        << "miEnglish" << english << int(PromptAnswer::Yes) << false << false;
    QTest::newRow("Chinese, No clears")
        << "miChinese" << chinese << int(PromptAnswer::No) << false << true;
    QTest::newRow("Chinese, Yes saves, then clears")
        << "miChinese" << chinese << int(PromptAnswer::Yes) << true << true;
}

// New asks the question Open, Read and Exit ask, and nothing after it: no second question.
void TestFileCommands::newOffersToSaveUnsavedChanges() {
    QFETCH(QString, languageTool);
    QFETCH(QString, question);
    QFETCH(int, answer);
    QFETCH(bool, saveNameGiven);
    QFETCH(bool, cleared);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick(languageTool);
    const qv::RadioImage fresh = window.Data().image;
    QVERIFY(Channels(window).SetCellAsUser(1, 3, "450"));  // in the grid only
    const QString savePath = shell.Folder() + "/before.tw";
    shell.prompts.answers = {PromptAnswer(answer)};
    if (saveNameGiven) shell.prompts.saveNames = {savePath};
    window.OnToolClick("miNew");

    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    const qv::PromptRequest& asked = shell.prompts.messages[0];
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.title, QString("QV-730"));
    QCOMPARE(asked.buttons, qv::PromptButtons::YesNoCancel);
    QCOMPARE(asked.icon, qv::PromptIcon::Exclamation);
    QCOMPARE(QFile::exists(savePath), saveNameGiven);
    if (saveNameGiven) {
        qv::RadioData saved;
        QCOMPARE(qv::LoadFile(savePath, saved), qv::LoadStatus::Ok);
        QVERIFY(saved.image != fresh);  // the edit reached the file before New cleared it
    }
    QCOMPARE(Channels(window).Cell(1, 3), cleared ? QString("446.00625") : QString("450.00000"));
    QCOMPARE(window.Data().image == fresh, cleared);
    if (cleared) QVERIFY(!window.Data().ImageModified());
}

void TestFileCommands::newWithoutChangesAsksNothing() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const qv::RadioImage fresh = window.Data().image;
    window.Data().image[0x0800] ^= 0x11;  // a byte no editor holds
    window.Data().CopyToBaseline();       // as after a Read: nothing unsaved
    window.OnToolClick("miNew");
    QVERIFY(shell.prompts.messages.empty());
    QCOMPARE(window.Data().image, fresh);
    QCOMPARE(window.CurrentFileName(), QString("Untitled.tw"));
}

void TestFileCommands::saveAlwaysAsksForANameAndOffersTheCurrentOne() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(Channels(window).SetCellAsUser(5, 1, "SAVED"));
    const QString path = shell.Folder() + "/mine.tw";
    shell.prompts.saveNames = {path};
    const QString offered =
        qv::InLastUsedFolder(shell.services.settings, "Untitled.tw");  // no file is open
    window.OnToolClick("miSave");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, offered);
    QCOMPARE(shell.prompts.fileRequests.back().filter, QString("tw Files (*.tw)"));
    QCOMPARE(window.CurrentFileName(), path);
    qv::RadioData saved;
    QCOMPARE(qv::LoadFile(path, saved), qv::LoadStatus::Ok);
    QCOMPARE(saved.image, window.Data().image);
    QCOMPARE(qv::DecodeChannelName(saved.image, 5), QString("SAVED"));

    // The next Save asks again and offers the name just used; Cancel writes nothing.
    window.OnToolClick("miSave");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, path);
    QVERIFY(shell.prompts.messages.empty());
}

void TestFileCommands::saveFailureNamesTheFileInTheUiLanguage_data() {
    QTest::addColumn<QString>("languageTool");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("English") << "miEnglish"
                             << "The file could not be saved.";
    QTest::newRow("Chinese") << "miChinese"
                             << "文件保存失败。";
}

void TestFileCommands::saveFailureNamesTheFileInTheUiLanguage() {
    QFETCH(QString, languageTool);
    QFETCH(QString, firstLine);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick(languageTool);
    const QString path = shell.Folder() + "/no/such/folder/x.tw";
    const QString systemText = qv::SaveFile(path, window.Data().image).error;
    QVERIFY(!systemText.isEmpty());
    shell.prompts.saveNames = {path};
    window.OnToolClick("miSave");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].title, QString("QV-730"));
    QCOMPARE(shell.prompts.messages[0].icon, qv::PromptIcon::Exclamation);
    // A line in the user's language, the file, then the system's own description.
    const QStringList lines = shell.prompts.messages[0].text.split('\n');
    QCOMPARE(lines.value(0), firstLine);
    QCOMPARE(lines.value(1), QDir::toNativeSeparators(path));
    QCOMPARE(lines.mid(2).join('\n').trimmed(), systemText);
}

void TestFileCommands::onlyACompleteSaveCountsAsSaved_data() {
    QTest::addColumn<QString>("saveAs");  // "" for a cancelled dialog
    QTest::addColumn<bool>("saved");
    QTest::newRow("saved") << "mine.tw" << true;
    QTest::newRow("dialog cancelled") << "" << false;
    QTest::newRow("folder cannot be written") << "no/such/folder/x.tw" << false;
}

void TestFileCommands::onlyACompleteSaveCountsAsSaved() {
    QFETCH(QString, saveAs);
    QFETCH(bool, saved);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(Channels(window).SetCellAsUser(2, 1, "KEEP"));
    const QString path = shell.Folder() + '/' + saveAs;
    if (!saveAs.isEmpty()) shell.prompts.saveNames = {path};
    window.OnToolClick("miSave");
    QCOMPARE(int(window.Data().image[0x110 + 6]), int('K'));  // stored either way
    QCOMPARE(window.Data().ImageModified(), !saved);
    QCOMPARE(window.CurrentFileName(), saved ? path : QString("Untitled.tw"));

    // So Open asks before it replaces unsaved data, and only then.
    shell.prompts.messages.clear();
    shell.prompts.answers = {PromptAnswer::Cancel};
    window.OnToolClick("miOpen");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(saved ? 0 : 1));
    QCOMPARE(Channels(window).Cell(2, 1), QString("KEEP"));
}

void TestFileCommands::openAsksOnlyWhenTheImageChanged() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    // Nothing changed: no question, straight to the open dialog.
    window.OnToolClick("miOpen");
    QVERIFY(shell.prompts.messages.empty());
    QCOMPARE(shell.prompts.fileRequests.size(), std::size_t(1));
    QCOMPARE(shell.prompts.fileRequests[0].fileName, qv::LastUsedFolder(shell.services.settings));
    // Edits still in the grid count as changes.
    QVERIFY(Channels(window).SetCellAsUser(1, 1, "GRID"));
    shell.prompts.answers = {PromptAnswer::No};
    window.OnToolClick("miOpen");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.fileRequests.size(), std::size_t(2));
    QCOMPARE(Channels(window).Cell(1, 1), QString("GRID"));  // a cancelled dialog ends silently
}

void TestFileCommands::openAnswers_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveNameGiven");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Cancel ends the command") << int(PromptAnswer::Cancel) << false << false;
    QTest::newRow("No opens without saving") << int(PromptAnswer::No) << false << true;
    QTest::newRow("Yes saves, then opens") << int(PromptAnswer::Yes) << true << true;
    QTest::newRow("Yes with a cancelled save ends") << int(PromptAnswer::Yes) << false << false;
}

void TestFileCommands::openAnswers() {
    QFETCH(int, answer);
    QFETCH(bool, saveNameGiven);
    QFETCH(bool, opened);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    qv::RadioImage other = window.Data().image;
    qv::EncodeChannelName(other, 1, "OTHER");
    const QString otherPath = shell.Folder() + "/other.tw";
    QVERIFY(qv::SaveFile(otherPath, other).ok);

    window.Data().image[0x0001] = 0x11;  // an unsaved change
    const QString savePath = shell.Folder() + "/before.tw";
    shell.prompts.answers = {PromptAnswer(answer)};
    if (saveNameGiven) shell.prompts.saveNames = {savePath};
    shell.prompts.openNames = {otherPath};
    window.OnToolClick("miOpen");

    QCOMPARE(shell.prompts.messages[0].buttons, qv::PromptButtons::YesNoCancel);
    QCOMPARE(shell.prompts.messages[0].title, QString("QV-730"));
    QCOMPARE(QFile::exists(savePath), saveNameGiven);
    QCOMPARE(window.Data().image == other, opened);
    QCOMPARE(Channels(window).Cell(1, 1), opened ? QString("OTHER") : QString());
    QCOMPARE(window.CurrentFileName(), saveNameGiven ? savePath : QString("Untitled.tw"));
    if (opened) QVERIFY(!window.Data().ImageModified());
}

void TestFileCommands::openRejectsBadFilesWithTheirTitles() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const qv::RadioImage before = window.Data().image;
    const QString wrongMarker = shell.Folder() + "/marker.tw";
    qv::ByteBuffer plain = qv::PlainContent(before);
    plain[0] = 's';
    qv::EncodeBuffer(plain);
    QFile file(wrongMarker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(plain.data()), qint64(plain.size()));
    file.close();

    // Each refusal names the file on its second line, in either language.
    const QStringList files = {wrongMarker, shell.Folder() + "/missing.tw",
                               shell.Folder() + "/Radio.INI"};
    const QStringList titles = {"QV-730", "QV-730", "Error"};
    for (const char* language : {"miEnglish", "miChinese"}) {
        window.OnToolClick(language);
        const QString firstLine =
            QString(language) == "miChinese" ? "文件类型不正确。" : "Incorrect File Type.";
        for (int i = 0; i < files.size(); ++i) {
            shell.prompts.openNames = {files[i]};
            window.OnToolClick("miOpen");
            QCOMPARE(shell.prompts.messages.back().text,
                     firstLine + '\n' + QDir::toNativeSeparators(files[i]));
            QCOMPARE(shell.prompts.messages.back().title, titles[i]);
            QCOMPARE(shell.prompts.messages.back().icon, qv::PromptIcon::Critical);
            QCOMPARE(window.Data().image, before);
        }
    }
    QVERIFY(!QFile::exists(shell.Folder() + "/missing.tw"));
}

void TestFileCommands::channelPlanExportAndImport() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(Channels(window).SetCellAsUser(1, 1, "GRID"));  // stored before the export
    const QString path = shell.Folder() + "/plan.csv";
    shell.prompts.saveNames = {path};
    window.OnToolClick("miExportCsv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray csv = file.readAll();
    file.close();
    QVERIFY(csv.contains("1,GRID,Simplex,446.00625,"));

    csv.replace("1,GRID,", "1,PLAN,");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    shell.prompts.openNames = {path};
    window.OnToolClick("miImportCsv");
    QVERIFY(shell.prompts.messages.empty());
    QCOMPARE(Channels(window).Cell(1, 1), QString("PLAN"));
    QVERIFY(window.Data().ImageModified());

    // A bad plan: the message names the line and column; nothing changes.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("No.,RX Freq.\r\n1,446\r\n99,446\r\n");
    file.close();
    window.OnToolClick("miChinese");
    const qv::RadioImage before = window.Data().image;
    shell.prompts.openNames = {path};
    window.OnToolClick("miImportCsv");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QVERIFY(shell.prompts.messages[0].text.startsWith(QString("信道表未导入。")));
    QVERIFY(shell.prompts.messages[0].text.contains("第 3 行，列 \"No.\""));
    QCOMPARE(window.Data().image, before);
    QCOMPARE(window.Bar().Tool("miFile", "miImportCsv")->text(), QString("导入信道 (CSV)..."));
}

// A plan from another radio program: the common format goes out through its own menu entry and
// comes in through the same import, which asks whether to fill channels in file order.
void TestFileCommands::commonChannelPlanAsksForRenumbering() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const QString exported = shell.Folder() + "/common.csv";
    shell.prompts.saveNames = {exported};
    const QString offered = qv::InLastUsedFolder(shell.services.settings, "channels-common.csv");
    window.OnToolClick("miExportCsvCommon");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, offered);
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
    file.close();

    const QString plan = shell.Folder() + "/club.csv";
    QFile planFile(plan);
    QVERIFY(planFile.open(QIODevice::WriteOnly));
    planFile.write(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Power\r\n"
        "101,HILL,446.1,,0,TSQL,88.5,67.0,5.0W\r\n"
        "102,VALLEY,446.2,-,1,,88.5,88.5,5.0W\r\n");
    planFile.close();
    window.OnToolClick("miChinese");
    const qv::RadioImage before = window.Data().image;

    // Cancel: nothing happens.
    shell.prompts.openNames = {plan};
    shell.prompts.answers = {qv::PromptAnswer::Cancel};
    window.OnToolClick("miImportCsv");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].buttons, qv::PromptButtons::YesNoCancel);
    QVERIFY(shell.prompts.messages[0].text.startsWith(
        QString("此文件是其他写频软件通用 CSV 格式的信道表。")));
    QCOMPARE(window.Data().image, before);

    // No: the locations name no channel of this radio.
    shell.prompts.openNames = {plan};
    shell.prompts.answers = {qv::PromptAnswer::No};
    window.OnToolClick("miImportCsv");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(3));
    QVERIFY(shell.prompts.messages[2].text.contains("第 2 行，列 \"Location\""));
    QCOMPARE(window.Data().image, before);

    // Yes: channels 1 and 2 in file order, and the power of the source radio is not applied.
    shell.prompts.openNames = {plan};
    shell.prompts.answers = {qv::PromptAnswer::Yes};
    window.OnToolClick("miImportCsv");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(5));
    QCOMPARE(shell.prompts.messages[4].icon, qv::PromptIcon::Information);
    QVERIFY(shell.prompts.messages[4].text.startsWith(
        QString("未导入功率 (Power) 和模式 (Mode)：本机的发射功率和信道带宽是固定的。\n\n"
                "第 2 行：Power \"5.0W\"")));
    QCOMPARE(Channels(window).Cell(1, 1), QString("HILL"));
    QCOMPARE(Channels(window).Cell(2, 5), QString("445.20000"));
    QVERIFY(window.Data().ImageModified());
    QCOMPARE(window.Bar().Tool("miFile", "miExportCsvCommon")->text(),
             QString("导出信道 (通用 CSV)..."));
}

void TestFileCommands::dialogsStartWhereTheUserLastWas_data() {
    QTest::addColumn<QString>("languageTool");
    QTest::addColumn<QString>("csvDone");
    QTest::addColumn<QString>("pdfDone");
    QTest::newRow("English") << "miEnglish"
                             << "Channels exported to %1"
                             << "Channel list exported to %1";
    QTest::newRow("Chinese") << "miChinese"
                             << "信道已导出到 %1"
                             << "信道表已导出到 %1";
}

// Save starts on the file that is open; Open, the exports and the import start in the folder
// last used, also after a restart; a finished export says so in the status bar.
void TestFileCommands::dialogsStartWhereTheUserLastWas() {
    QFETCH(QString, languageTool);
    QFETCH(QString, csvDone);
    QFETCH(QString, pdfDone);
    ShellFixture shell;
    QTemporaryDir plans;
    QTemporaryDir exports;
    const QString plan = plans.filePath("plan.tw");
    QVERIFY(qv::SaveFile(plan, shell.Window().Data().image).ok);
    shell.Window().OnToolClick(languageTool);

    shell.prompts.openNames = {plan};
    shell.Window().OnToolClick("miOpen");
    QCOMPARE(shell.Window().TitleFile(), plan);
    shell.Window().OnToolClick("miSave");  // cancelled
    QCOMPARE(shell.prompts.fileRequests.back().fileName, plan);
    shell.Window().OnToolClick("miOpen");  // cancelled
    QCOMPARE(shell.prompts.fileRequests.back().fileName, plans.path());

    const QString csv = exports.filePath("club.csv");
    shell.prompts.saveNames = {csv};
    shell.Window().OnToolClick("miExportCsv");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, plans.filePath("channels.csv"));
    QVERIFY(QFile::exists(csv));
    QCOMPARE(shell.Window().statusBar()->currentMessage(),
             csvDone.arg(QDir::toNativeSeparators(csv)));
    shell.Window().OnToolClick("miImportCsv");  // cancelled
    QCOMPARE(shell.prompts.fileRequests.back().fileName, exports.path());
    const QString pdf = exports.filePath("plan.pdf");
    shell.prompts.saveNames = {pdf};
    shell.Window().OnToolClick("miExportPdf");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, pdf);
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(shell.Window().statusBar()->currentMessage(),
             pdfDone.arg(QDir::toNativeSeparators(pdf)));
    // The file that is open is still where Save starts.
    shell.Window().OnToolClick("miSave");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, plan);
    QVERIFY(shell.prompts.messages.empty());

    // Data that is no file's yet: a new file in the folder last used.
    shell.Window().OnToolClick("miNew");
    shell.Window().OnToolClick("miSave");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, exports.filePath("Untitled.tw"));

    // The next start remembers the folder.
    shell.window.reset();
    shell.window = std::make_unique<qv::MainWindow>(shell.services.context);
    shell.Window().OnToolClick("miOpen");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, exports.path());
}

namespace {

// A plan from another program with more rows than the radio has channels: 18 UHF channels with a
// long name among them, a 2 m repeater and a weather receiver the radio cannot hold.
QString WriteLargePlan(const QString& folder) {
    QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq\r\n"
        "0,2M RPT,146.940000,-,0.600000,Tone,100.0,88.5\r\n"
        "1,NOAA 1,162.550000,off,0.000000,,88.5,88.5\r\n"
        "2,National Simp,446.000000,,0.000000,,88.5,88.5\r\n";
    for (int n = 1; n <= 17; ++n) {
        csv += QByteArray::number(2 + n) + ",U" + QByteArray::number(n) + ",44" +
               QByteArray::number(n % 8) + ".500000,,0.000000,,88.5,88.5\r\n";
    }
    const QString path = folder + "/large.csv";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(csv);
    return path;
}

QAbstractItemModel* PlanModel(QWidget* dialog) {
    return dialog->findChild<QTableView*>("PlanGrid")->model();
}

// Space on the check box of a row, as a keyboard user toggles it.
void ToggleWithSpace(QWidget* dialog, int row) {
    auto* grid = dialog->findChild<QTableView*>("PlanGrid");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, 0));
    QTest::keyClick(grid, Qt::Key_Space);
}

}  // namespace

// More rows than channels, and rows the radio cannot hold: a dialog to choose from, not an
// error; OK imports the checked rows as one edit that Undo takes back.
void TestFileCommands::aPlanThatDoesNotFitIsChosenFrom() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.OnToolClick("miChinese");
    QUndoStack& history = window.History().Stack();
    QVERIFY(Channels(window).SetCellAsUser(5, 1, "MINE"));  // an edit before the import
    window.SaveAll();
    const qv::RadioImage before = window.Data().image;
    const int steps = history.count();

    shell.prompts.openNames = {WriteLargePlan(shell.Folder())};
    bool looked = false;
    qv::test::OnNextModal([&](QWidget* dialog) {
        looked = true;
        QCOMPARE(dialog->windowTitle(), QString("选择要导入的信道"));
        QAbstractItemModel* plan = PlanModel(dialog);
        QCOMPARE(plan->rowCount(), 20);
        // The rows the radio cannot hold: unchecked, greyed, the reason in words.
        for (int row : {0, 1}) {
            QCOMPARE(plan->index(row, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
            QVERIFY(!(plan->flags(plan->index(row, 0)) & Qt::ItemIsEnabled));
            QVERIFY(plan->index(row, 8).data().toString().contains("超出本机频段"));
        }
        QCOMPARE(plan->index(2, 3).data().toString(), QString("Nation"));
        // 16 of the 18 usable rows are checked; the 17th check is refused.
        QCOMPARE(plan->index(18, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        ToggleWithSpace(dialog, 18);
        QCOMPARE(plan->index(18, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        // Uncheck one, check another: it takes the channel given up; then a channel is changed.
        ToggleWithSpace(dialog, 3);
        QCOMPARE(plan->index(3, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        ToggleWithSpace(dialog, 18);
        QCOMPARE(plan->index(18, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(plan->index(18, 1).data().toString(), QString("2"));
        QVERIFY(plan->setData(plan->index(2, 1), 16));  // "Nation" to 16, U15 takes its 1
        QVERIFY(dialog->findChild<QLabel*>("lblPlanSummary")->text().startsWith("已选 16 行"));
        dialog->findChild<QPushButton*>("Command1_0")->click();
    });
    window.OnToolClick("miImportCsv");
    QVERIFY(looked);

    qv::ChannelTable& table = Channels(window);
    QCOMPARE(table.Cell(16, 1), QString("Nation"));
    QCOMPARE(table.Cell(1, 1), QString("U15"));
    QCOMPARE(table.Cell(2, 1), QString("U16"));
    QCOMPARE(table.Cell(3, 1), QString("U2"));
    QCOMPARE(table.Cell(5, 1), QString("U4"));
    QCOMPARE(table.Cell(9, 1), QString("U8"));
    // The names cut to six are said, in the user's language.
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].text,
             QString("超过六个字符的名称已截为六个字符：\n第 4 行：“National Simp”存为“Nation”"));
    // One edit: Undo gives back the channels as they were before the import, the edit before
    // it stays.
    QCOMPARE(history.count(), steps + 1);
    QCOMPARE(history.undoText(), QString("导入信道"));
    history.undo();
    window.SaveAll();
    QCOMPARE(window.Data().image, before);
    QCOMPARE(table.Cell(5, 1), QString("MINE"));
}

void TestFileCommands::cancellingTheChoiceChangesNothing() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.SaveAll();
    const qv::RadioImage before = window.Data().image;
    shell.prompts.openNames = {WriteLargePlan(shell.Folder())};
    qv::test::OnNextModal([&](QWidget* dialog) {
        QCOMPARE(dialog->windowTitle(), QString("Choose the Channels to Import"));
        QVERIFY(PlanModel(dialog)->index(0, 8).data().toString().startsWith(
            "column \"Frequency\": 146.94000 MHz is outside this radio's band"));
        ToggleWithSpace(dialog, 5);
        dialog->findChild<QPushButton*>("Command1_1")->click();
    });
    window.OnToolClick("miImportCsv");
    QVERIFY(shell.prompts.messages.empty());
    QCOMPARE(window.History().Stack().count(), 0);
    window.SaveAll();
    QCOMPARE(window.Data().image, before);
}

QTEST_MAIN(TestFileCommands)
void TestFileCommands::replacingTheDataClearsTheUndoHistory() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QUndoStack& history = window.History().Stack();
    const QString path = shell.Folder() + "/plan.tw";
    QVERIFY(qv::SaveFile(path, window.Data().image).ok);

    // New and Open each leave nothing to undo; the language switch keeps the history.
    QVERIFY(Channels(window).SetCellAsUser(1, 3, "450"));
    QCOMPARE(history.count(), 1);
    shell.prompts.answers = {PromptAnswer::No};
    window.OnToolClick("miNew");
    QCOMPARE(history.count(), 0);

    QVERIFY(Channels(window).SetCellAsUser(1, 3, "450"));
    shell.prompts.answers = {PromptAnswer::No};  // drop the change, open the file
    shell.prompts.openNames = {path};
    window.OnToolClick("miOpen");
    QCOMPARE(Channels(window).Cell(1, 3), QString("446.00625"));
    QCOMPARE(history.count(), 0);

    QVERIFY(Channels(window).SetCellAsUser(1, 3, "450"));
    window.SwitchLanguage(qv::Language::Chinese);
    QCOMPARE(history.count(), 1);
    QCOMPARE(Channels(window).Cell(1, 3), QString("450.00000"));
    QCOMPARE(window.Commands().Action("miUndo")->text(), QString("撤销输入信道 1 的接收频率"));
}

#include "test_file_commands.moc"
