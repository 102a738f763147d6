// The desktop way of working with files: the title and its modified mark, opening by path, by
// drop and from the recent files, the usual shortcuts, the channel list on paper and as PDF, and
// `qv730 FILE.tw`.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "data/data_file.h"
#include "editors/channel/frm_channel.h"
#include "language/ui_language.h"
#include "shell/file_drop.h"
#include "shell/main_bar.h"
#include "shell/recent_files_menu.h"
#include "shell_fixture.h"
#include "support/pdf_text.h"

using qv::Editor;
using qv::PromptAnswer;
using qv::test::Channels;
using qv::test::ShellFixture;

namespace {

QTableView* Grid(qv::MainWindow& window) {
    return window.findChild<QTableView*>("ChannelGrid");
}

// A .tw file in the folder whose channel 1 carries `name`.
QString DataFile(const ShellFixture& shell, const QString& fileName, const QString& name = {}) {
    qv::RadioData data;
    qv::LoadFile(shell.Folder() + "/default.tw", data);
    qv::ChannelTable table(data, shell.services.texts);
    table.RefreshAll();
    if (!name.isEmpty()) table.SetCellAsUser(1, 1, name);
    table.SaveData();
    const QString path = QDir(shell.Folder()).filePath(fileName);
    if (!qv::SaveFile(path, data.image).ok) qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Drags data onto a widget and drops it there; true when the drop was taken.
bool DropOn(QWidget* target, QMimeData& mime) {
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

QAction* RecentEntry(qv::MainWindow& window, int number) {
    return window.Bar().Menu("miFile")->findChild<QAction*>(QString("miRecent%1").arg(number));
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void titleNamesTheFileOpenedOrSaved();
    void modifiedMarkFollowsTheEditorsWithoutTouchingTheImage();
    void modifiedMarkNeedsNoFileName();
    void modifiedMarkComesWithTheKeyThatCommitsACell();
    void openPathAsksFirst_data();
    void openPathAsksFirst();
    void openPathOfABadFileKeepsWhatWasThere();
    void droppedDataFiles_data();
    void droppedDataFiles();
    void droppingATwFileOpensIt();
    void recentFilesNewestFirstAtMostFiveAndKept();
    void missingRecentFileIsRemovedWithAMessage_data();
    void missingRecentFileIsRemovedWithAMessage();
    void newOpenSaveHaveTheirShortcuts();
    void channelListEntriesInBothLanguages();
    void printPreviewShowsOnePage_data();
    void printPreviewShowsOnePage();
    void exportPdfWritesThePageOrSaysWhyNot();
    void commandLineOpensTheFileNamed();
};

void TestDesktop::titleNamesTheFileOpenedOrSaved() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QCOMPARE(window.windowTitle(), QString("QV-730[*]"));
    QVERIFY(window.OpenPath(DataFile(shell, "plan.tw")));
    QCOMPARE(window.windowTitle(), QString("QV-730 - plan.tw[*]"));
    QVERIFY(!window.isWindowModified());

    // A failed save keeps the title; a good one names the new file.
    shell.prompts.saveNames = {shell.Folder() + "/no/such/folder/x.tw"};
    window.OnToolClick("miSave");
    QCOMPARE(window.windowTitle(), QString("QV-730 - plan.tw[*]"));
    shell.prompts.saveNames = {shell.Folder() + "/copy.tw"};
    window.OnToolClick("miSave");
    QCOMPARE(window.windowTitle(), QString("QV-730 - copy.tw[*]"));

    // The language does not change it; New goes back to the bare title.
    window.OnToolClick("miChinese");
    QCOMPARE(window.windowTitle(), QString("QV-730 - copy.tw[*]"));
    window.OnToolClick("miNew");
    QCOMPARE(window.windowTitle(), QString("QV-730[*]"));
    QVERIFY(!window.isWindowModified());
}

void TestDesktop::modifiedMarkFollowsTheEditorsWithoutTouchingTheImage() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(window.OpenPath(DataFile(shell, "plan.tw")));
    const qv::RadioImage image = window.Data().image;

    QVERIFY(Channels(window).SetCellAsUser(1, 1, "EDIT"));  // stored into the image as made
    window.UpdateModifiedMark();
    QVERIFY(window.isWindowModified());
    QVERIFY(window.Data().ImageModified());

    QVERIFY(Channels(window).SetCellAsUser(1, 1, ""));  // back to what the file holds
    window.UpdateModifiedMark();
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.Data().image, image);

    // Another editor's controls count the same way; the open editor holds what would be saved,
    // so its control wins over a byte poked underneath it.
    window.OnToolClick("miCommonSet");
    auto* squelch = window.findChild<QComboBox*>("Combo1_15");
    QVERIFY(squelch);
    squelch->setCurrentIndex((squelch->currentIndex() + 1) % squelch->count());
    window.UpdateModifiedMark();
    QVERIFY(window.isWindowModified());
    squelch->setCurrentIndex((squelch->currentIndex() + squelch->count() - 1) % squelch->count());
    window.Data().image[0x182] ^= 1;
    window.UpdateModifiedMark();
    QVERIFY(!window.isWindowModified());
    window.Data().image[0x182] ^= 1;
    window.Data().image[0x0011] ^= 1;  // a byte no open editor holds
    window.UpdateModifiedMark();
    QVERIFY(window.isWindowModified());
}

// After the start, New or a Read the title names no file, and edits are still unsaved.
void TestDesktop::modifiedMarkNeedsNoFileName() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(window.OpenPath(DataFile(shell, "plan.tw")));
    window.OnToolClick("miNew");
    QCOMPARE(window.windowTitle(), QString("QV-730[*]"));
    QVERIFY(!window.isWindowModified());
    QVERIFY(Channels(window).SetCellAsUser(1, 1, "EDIT"));
    window.UpdateModifiedMark();
    QVERIFY(window.isWindowModified());
    QVERIFY(Channels(window).SetCellAsUser(1, 1, ""));  // as New left it
    window.UpdateModifiedMark();
    QVERIFY(!window.isWindowModified());
}

void TestDesktop::modifiedMarkComesWithTheKeyThatCommitsACell() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.OpenPath(DataFile(shell, "plan.tw")));
    QTableView* grid = Grid(window);
    grid->setCurrentIndex(grid->model()->index(0, 0));  // channel 1, CH Name
    grid->setFocus();
    // The mark is worked out after each key while the user types; every key stays in the open
    // cell editor and nothing counts as changed until the cell is committed.
    QTest::keyClick(grid, 'A');
    QCoreApplication::processEvents();
    auto* name = window.findChild<QLineEdit*>("TxtChannel");
    QVERIFY(name && name->isVisible());
    QTest::keyClick(name, 'B');
    QCoreApplication::processEvents();
    QCOMPARE(name->text(), QString("AB"));
    QVERIFY(name->isVisible());
    QVERIFY(!window.isWindowModified());
    QTest::keyClick(name, Qt::Key_Return);
    QTRY_VERIFY(window.isWindowModified());
    QCOMPARE(Channels(window).Cell(1, 1), QString("AB"));
}

void TestDesktop::openPathAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Cancel keeps the edits") << int(PromptAnswer::Cancel) << false;
    QTest::newRow("No opens the file") << int(PromptAnswer::No) << true;
}

void TestDesktop::openPathAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, opened);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const QString other = DataFile(shell, "other.tw", "OTHER");
    window.Data().image[0x0001] = 0x11;  // an unsaved change
    shell.prompts.answers = {PromptAnswer(answer)};
    QCOMPARE(window.OpenPath(other), opened);
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].text, QString("File has been modified, save it now?"));
    QCOMPARE(Channels(window).Cell(1, 1), opened ? QString("OTHER") : QString());
    QCOMPARE(window.TitleFile(), opened ? other : QString());
    QCOMPARE(window.RecentFiles()->Files(), opened ? QStringList{other} : QStringList{});
}

void TestDesktop::openPathOfABadFileKeepsWhatWasThere() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const qv::RadioImage image = window.Data().image;
    for (const QString& bad : {shell.Folder() + "/Radio.INI", shell.Folder() + "/missing.tw"}) {
        QVERIFY(!window.OpenPath(bad));
        QCOMPARE(shell.prompts.messages.back().text,
                 "Incorrect File Type.\n" + QDir::toNativeSeparators(bad));
        QCOMPARE(window.Data().image, image);
        QCOMPARE(window.windowTitle(), QString("QV-730[*]"));
        QVERIFY(window.RecentFiles()->Files().isEmpty());
    }
    QVERIFY(!QFile::exists(shell.Folder() + "/missing.tw"));
}

void TestDesktop::droppedDataFiles_data() {
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("found");
    const QUrl tw = QUrl::fromLocalFile("/home/u/plan.tw");
    QTest::newRow("a .tw file") << QList<QUrl>{tw} << "/home/u/plan.tw";
    QTest::newRow("upper-case extension")
        << QList<QUrl>{QUrl::fromLocalFile("/home/u/PLAN.TW")} << "/home/u/PLAN.TW";
    QTest::newRow("the first .tw among others")
        << QList<QUrl>{QUrl::fromLocalFile("/home/u/plan.csv"), tw} << "/home/u/plan.tw";
    QTest::newRow("no .tw file") << QList<QUrl>{QUrl::fromLocalFile("/home/u/plan.csv")} << "";
    QTest::newRow("a web address") << QList<QUrl>{QUrl("https://example.org/plan.tw")} << "";
    QTest::newRow("no addresses") << QList<QUrl>{} << "";
}

void TestDesktop::droppedDataFiles() {
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, found);
    QMimeData mime;
    if (!urls.isEmpty()) mime.setUrls(urls);
    mime.setText("plain text");
    QCOMPARE(qv::DroppedDataFile(&mime), found);
}

void TestDesktop::droppingATwFileOpensIt() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const QString plan = DataFile(shell, "plan.tw", "DROP");

    // On the grid, with an unsaved change: the question first; Cancel opens nothing.
    window.Data().image[0x0001] = 0x11;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(plan)});
    shell.prompts.answers = {PromptAnswer::Cancel};
    QVERIFY(DropOn(Grid(window)->viewport(), mime));
    QTRY_COMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].text, QString("File has been modified, save it now?"));
    QCOMPARE(window.TitleFile(), QString());

    // On a text box of an editor: the file opens and the box does not take its name as text.
    window.ShowCustomizedSignal();
    auto* box = window.findChild<QLineEdit*>("TxtQT_0");
    QVERIFY(box);
    const QString boxText = box->text();
    shell.prompts.answers = {PromptAnswer::No};
    QVERIFY(DropOn(box, mime));
    QTRY_COMPARE(window.TitleFile(), plan);
    QCOMPARE(box->text(), boxText);
    window.ShowChannel();
    QCOMPARE(Channels(window).Cell(1, 1), QString("DROP"));
    QCOMPARE(window.windowTitle(), QString("QV-730 - plan.tw[*]"));

    // Anything else is refused by the window.
    QMimeData csv;
    csv.setUrls({QUrl::fromLocalFile(shell.Folder() + "/plan.csv")});
    QVERIFY(!DropOn(Grid(window)->viewport(), csv));
}

void TestDesktop::recentFilesNewestFirstAtMostFiveAndKept() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(!RecentEntry(window, 1)->isVisible());
    QStringList paths;
    for (const char* name : {"a.tw", "b.tw", "c.tw", "d.tw", "e.tw", "f&g.tw"}) {
        paths << DataFile(shell, name);
        QVERIFY(window.OpenPath(paths.back()));
    }
    const QStringList newestFive{paths[5], paths[4], paths[3], paths[2], paths[1]};
    QCOMPARE(window.RecentFiles()->Files(), newestFive);
    QCOMPARE(RecentEntry(window, 1)->text(),
             "&1 " + QDir::toNativeSeparators(paths[5]).replace("&", "&&"));
    QCOMPARE(RecentEntry(window, 5)->text(), "&5 " + QDir::toNativeSeparators(paths[1]));

    // Opening one again moves it to the front; saving puts the saved file there.
    QVERIFY(window.OpenPath(paths[3]));
    QCOMPARE(window.RecentFiles()->Files(),
             (QStringList{paths[3], paths[5], paths[4], paths[2], paths[1]}));
    shell.prompts.saveNames = {shell.Folder() + "/saved.tw"};
    window.OnToolClick("miSave");
    QCOMPARE(window.RecentFiles()->Files().first(), shell.Folder() + "/saved.tw");

    // A click on an entry opens it; the entries sit above Exit.
    RecentEntry(window, 2)->trigger();
    QCOMPARE(window.TitleFile(), paths[3]);
    const QList<QAction*> menu = window.Bar().Menu("miFile")->actions();
    QVERIFY(menu.indexOf(RecentEntry(window, 5)) <
            menu.indexOf(window.Bar().Tool("miFile", "miExit")));

    // The next start shows the same list.
    const QStringList kept = window.RecentFiles()->Files();
    shell.window = std::make_unique<qv::MainWindow>(shell.services.context);
    QCOMPARE(shell.Window().RecentFiles()->Files(), kept);
    QVERIFY(RecentEntry(shell.Window(), 5)->isVisible());
}

void TestDesktop::missingRecentFileIsRemovedWithAMessage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << int(qv::Language::English)
                             << "The file %1 no longer exists. It has been removed from the "
                                "recent files.";
    QTest::newRow("Chinese") << int(qv::Language::Chinese)
                             << "文件 %1 已不存在，已从最近的文件中移除。";
}

void TestDesktop::missingRecentFileIsRemovedWithAMessage() {
    QFETCH(int, language);
    QFETCH(QString, message);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    const QString gone = DataFile(shell, "gone.tw", "GONE");
    const QString kept = DataFile(shell, "kept.tw");
    // Opened by a path the list stores in another spelling, so the list holds the only copy of
    // the text, as when it comes from the settings store.
    QVERIFY(window.OpenPath(QFileInfo(gone).path() + "/./gone.tw"));
    QVERIFY(window.OpenPath(kept));
    QVERIFY(QFile::remove(gone));
    window.SwitchLanguage(static_cast<qv::Language>(language));
    const qv::RadioImage image = window.Data().image;
    // Every receiver of the entry's path still has it after the window has removed the entry
    // (read in place, through a view, so that a path already freed shows as one).
    QString pathSeenLast;
    QObject::connect(
        window.RecentFiles(), &qv::RecentFilesMenu::OpenRequested, &window,
        [&pathSeenLast](const QString& path) { pathSeenLast = QStringView(path).toString(); });

    RecentEntry(window, 2)->trigger();
    QCOMPARE(pathSeenLast, gone);
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    QCOMPARE(shell.prompts.messages[0].text, message.arg(QDir::toNativeSeparators(gone)));
    QCOMPARE(shell.prompts.messages[0].title, QString("QV-730"));
    QCOMPARE(window.RecentFiles()->Files(), QStringList{kept});
    QVERIFY(!RecentEntry(window, 2)->isVisible());
    QCOMPARE(window.Data().image, image);
    QCOMPARE(window.TitleFile(), kept);
    QCOMPARE(shell.services.settings.GetUserList("RecentFiles"), QStringList{kept});
}

void TestDesktop::newOpenSaveHaveTheirShortcuts() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    qv::MainBar& bar = window.Bar();
    for (const auto& [tool, caption, key] :
         {std::tuple{"miNew", "&New", Qt::Key_N}, std::tuple{"miOpen", "&Open", Qt::Key_O},
          std::tuple{"miSave", "&Save", Qt::Key_S}}) {
        QCOMPARE(bar.Tool("miFile", tool)->shortcut(), QKeySequence(Qt::CTRL | key));
        QCOMPARE(bar.Tool("miFile", tool)->text(), QString(caption));
        // One action in both bands, so the key has one owner.
        QCOMPARE(bar.Tool("ToolBar", tool), bar.Tool("miFile", tool));
    }

    QCOMPARE(bar.Tool("miFile", "miPrintList")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    // The keys run the commands.
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(shell.prompts.fileRequests.size(), std::size_t(1));
    QCOMPARE(shell.prompts.fileRequests[0].filter, QString("tw Files (*.tw)"));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shell.prompts.fileRequests.size(), std::size_t(2));
    QCOMPARE(QFileInfo(shell.prompts.fileRequests[1].fileName).fileName(), QString("Untitled.tw"));
    window.Data().image[0x0800] ^= 1;  // an unsaved change
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(shell.prompts.messages.back().text, QString("File has been modified, save it now?"));
}

void TestDesktop::channelListEntriesInBothLanguages() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    qv::MainBar& bar = window.Bar();
    QCOMPARE(bar.Tool("miFile", "miPrintList")->text(), QString("Print Channel List..."));
    QCOMPARE(bar.Tool("miFile", "miExportPdf")->text(), QString("Export Channel List (PDF)..."));
    window.OnToolClick("miChinese");
    QCOMPARE(bar.Tool("miFile", "miPrintList")->text(), QString("打印信道表..."));
    QCOMPARE(bar.Tool("miFile", "miExportPdf")->text(), QString("导出信道表 (PDF)..."));
    QVERIFY(bar.Tool("miFile", "miPrintList")->isVisible());

    // The hidden miPrint stays hidden and does nothing.
    QVERIFY(!bar.Tool("miFile", "miPrint")->isVisible());
    QVERIFY(!bar.Tool("ToolBar", "miPrint")->isVisible());
    window.OnToolClick("miPrint");
    QVERIFY(shell.prompts.messages.empty() && shell.prompts.fileRequests.empty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestDesktop::printPreviewShowsOnePage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << int(qv::Language::English) << "Print Channel List";
    QTest::newRow("Chinese") << int(qv::Language::Chinese) << "打印信道表";
}

void TestDesktop::printPreviewShowsOnePage() {
    QFETCH(int, language);
    QFETCH(QString, title);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.SwitchLanguage(static_cast<qv::Language>(language));
    QVERIFY(Channels(window).SetCellAsUser(1, 1, "PAPER"));
    QString shownTitle;
    int pages = -1;
    qv::test::OnNextModal([&](QWidget* modal) {
        shownTitle = modal->windowTitle();
        if (auto* preview = modal->findChild<QPrintPreviewWidget*>()) pages = preview->pageCount();
        static_cast<QDialog*>(modal)->reject();
    });
    window.OnToolClick("miPrintList");
    QCOMPARE(shownTitle, title);
    QCOMPARE(pages, 1);
    // The page showed the grid's edit; the edit still counts as unsaved.
    QVERIFY(window.Data().ImageModified());
    QVERIFY(shell.prompts.messages.empty());
}

void TestDesktop::exportPdfWritesThePageOrSaysWhyNot() {
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    QVERIFY(window.OpenPath(DataFile(shell, "plan.tw")));
    QVERIFY(Channels(window).SetCellAsUser(2, 1, "PAPER"));
    const QString pdf = shell.Folder() + "/list.pdf";
    shell.prompts.saveNames = {pdf};
    window.OnToolClick("miExportPdf");
    QCOMPARE(shell.prompts.fileRequests.back().fileName, shell.Folder() + "/plan.pdf");
    QCOMPARE(shell.prompts.fileRequests.back().filter, QString("PDF Files (*.pdf)"));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.read(5) == "%PDF-");
    written.close();
    QVERIFY(window.Data().ImageModified());  // exporting saved nothing
    if (qv::test::HavePdfToText()) {
        const QString text = qv::test::PdfText(pdf);
        QVERIFY2(text.contains("File: plan.tw"), qPrintable(text));
        QVERIFY(text.contains("PAPER"));
        QCOMPARE(qv::test::PdfPageCount(pdf), 1);
    }

    // A folder that does not exist: the save failure's words, the file and the reason, and
    // nothing written.
    const QString bad = shell.Folder() + "/no/such/folder/list.pdf";
    shell.prompts.saveNames = {bad};
    window.OnToolClick("miChinese");
    window.OnToolClick("miExportPdf");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
    const QStringList lines = shell.prompts.messages[0].text.split('\n');
    QCOMPARE(lines.value(0), QString("文件保存失败。"));
    QCOMPARE(lines.value(1), QDir::toNativeSeparators(bad));
    QVERIFY(!lines.value(3).isEmpty());
    QCOMPARE(shell.prompts.messages[0].icon, qv::PromptIcon::Exclamation);
    QVERIFY(!QFile::exists(bad));
    // Cancel writes nothing and says nothing.
    window.OnToolClick("miExportPdf");
    QCOMPARE(shell.prompts.messages.size(), std::size_t(1));
}

void TestDesktop::commandLineOpensTheFileNamed() {
    // The program itself: `qv730 plan.tw` from the file's folder opens it, so it heads the recent
    // files kept in the settings store.
    QTemporaryDir work;
    QTemporaryDir config;
    ShellFixture shell;
    const QString plan = DataFile(shell, "plan.tw", "ARGV");
    QVERIFY(QFile::copy(plan, work.filePath("plan.tw")));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(work.path());
    program.start(QCoreApplication::applicationDirPath() + "/qv730",
                  {"--startup-probe", "plan.tw"});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitCode(), 0);
    QSettings store(config.filePath("QV/QV-730.conf"), QSettings::IniFormat);
    QCOMPARE(store.value("RecentFiles").toStringList(), QStringList{work.filePath("plan.tw")});

    program.start(QCoreApplication::applicationDirPath() + "/qv730", {"--help"});
    QVERIFY(program.waitForFinished(120000));
    QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).contains("FILE.tw"));
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
