// The one question before anything replaces the user's data or the program ends: Open, Read,
// Exit and the close box, each with every answer and every way the save that Yes starts can
// end. The edit is typed into the grid and left in its open editor, as a user leaves it.
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "codecs/channel_name.h"
#include "data/data_file.h"
#include "editors/channel/channel_texts.h"
#include "shell_fixture.h"

using qv::PromptAnswer;
using qv::test::ShellFixture;

namespace {

// Closes any modal dialog that opens (the clone dialog of Read) and remembers which it was.
class ModalWatch {
public:
    ModalWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen << modal->objectName();
                modal->close();
            }
        });
        timer_.start(10);
    }
    QStringList seen;

private:
    QTimer timer_;
};

// Types a name into channel 2 with the keyboard and leaves its editor open.
void TypeNameAndLeaveTheEditorOpen(qv::MainWindow& window, const QString& name) {
    auto* grid = window.findChild<QTableView*>("ChannelGrid");
    grid->setCurrentIndex(grid->model()->index(1, qv::channel::kColName - 1));
    grid->setFocus();
    for (QChar key : name) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    QVERIFY(window.findChild<QLineEdit*>("TxtChannel")->isVisible());
}

}  // namespace

class TestUnsavedChanges : public QObject {
    Q_OBJECT
private slots:
    void askedBeforeTheDataIsReplacedOrTheProgramEnds_data();
    void askedBeforeTheDataIsReplacedOrTheProgramEnds();
    void nothingChangedAsksNothing_data();
    void nothingChangedAsksNothing();
};

void TestUnsavedChanges::askedBeforeTheDataIsReplacedOrTheProgramEnds_data() {
    QTest::addColumn<QString>("command");  // a tool, or "close box"
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs");  // the name given to the save dialog; "" cancels it
    QTest::addColumn<bool>("goesOn");
    const QString unwritable = "no/such/folder/x.tw";
    for (const char* command : {"miOpen", "miRead", "miExit", "close box"}) {
        const QByteArray name(command);
        QTest::newRow(name + ", Cancel") << command << int(PromptAnswer::Cancel) << "" << false;
        QTest::newRow(name + ", No") << command << int(PromptAnswer::No) << "" << true;
        QTest::newRow(name + ", Yes, saved")
            << command << int(PromptAnswer::Yes) << "mine.tw" << true;
        QTest::newRow(name + ", Yes, save dialog cancelled")
            << command << int(PromptAnswer::Yes) << "" << false;
        QTest::newRow(name + ", Yes, save failed")
            << command << int(PromptAnswer::Yes) << unwritable << false;
    }
}

void TestUnsavedChanges::askedBeforeTheDataIsReplacedOrTheProgramEnds() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    qv::RadioImage other = window.Data().image;
    qv::EncodeChannelName(other, 2, "OTHER");
    const QString otherPath = shell.Folder() + "/other.tw";
    QVERIFY(qv::SaveFile(otherPath, other).ok);

    TypeNameAndLeaveTheEditorOpen(window, "EDIT");
    const QString savePath = shell.Folder() + '/' + saveAs;
    shell.prompts.answers = {PromptAnswer(answer)};
    if (!saveAs.isEmpty()) shell.prompts.saveNames = {savePath};
    shell.prompts.openNames = {otherPath};
    ModalWatch modals;
    if (command == "close box") {
        window.close();
    } else {
        window.OnToolClick(command);
    }

    QVERIFY(!shell.prompts.messages.empty());
    const qv::PromptRequest& asked = shell.prompts.messages[0];
    QCOMPARE(asked.text, QString("File has been modified, save it now?"));
    QCOMPARE(asked.title, QString("QV-730"));
    QCOMPARE(asked.icon, qv::PromptIcon::Exclamation);
    QCOMPARE(asked.buttons, qv::PromptButtons::YesNoCancel);

    // Yes runs the Save command: the file holds the edit that was still in its editor.
    const bool saved = answer == int(PromptAnswer::Yes) && saveAs == "mine.tw";
    QCOMPARE(QFile::exists(savePath) && !saveAs.isEmpty(), saved);
    if (saved) {
        qv::RadioData file;
        QCOMPARE(qv::LoadFile(savePath, file), qv::LoadStatus::Ok);
        QCOMPARE(qv::DecodeChannelName(file.image, 2), QString("EDIT"));
    }
    QCOMPARE(window.CurrentFileName(), saved ? savePath : QString("Untitled.tw"));
    if (saveAs == "no/such/folder/x.tw") {
        QCOMPARE(shell.prompts.messages.size(), std::size_t(2));
        QVERIFY(shell.prompts.messages[1].text.startsWith("The file could not be saved."));
    }

    // Going on means: Open replaced the image, Read showed its dialog, the program ended.
    if (command == "miOpen") QCOMPARE(window.Data().image == other, goesOn);
    if (command == "miRead")
        QCOMPARE(modals.seen, goesOn ? QStringList{"frmClone"} : QStringList{});
    if (command == "miExit" || command == "close box") {
        QCOMPARE(window.isVisible(), !goesOn);
        QCOMPARE(shell.StoredLanguage(), goesOn ? QString("0") : QString());
    }
    // Not going on keeps every edit, still counted as unsaved unless it was saved.
    if (!goesOn) {
        QCOMPARE(qv::DecodeChannelName(window.Data().image, 2), QString("EDIT"));
        QVERIFY(window.Data().ImageModified());
    }
}

void TestUnsavedChanges::nothingChangedAsksNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Exit") << "miExit";
    QTest::newRow("close box") << "close box";
    QTest::newRow("Read") << "miRead";
}

void TestUnsavedChanges::nothingChangedAsksNothing() {
    QFETCH(QString, command);
    ShellFixture shell;
    qv::MainWindow& window = shell.Window();
    window.show();
    // Looking through every editor and the other language stores them all, and changes nothing.
    for (const char* tool : {"miCommonSet", "miAudio", "miKeySet", "miCustomizedSignal",
                             "miChannel", "miChinese", "miEnglish"}) {
        window.OnToolClick(tool);
    }
    QVERIFY(!window.Data().ImageModified());
    ModalWatch modals;
    if (command == "close box") {
        window.close();
    } else {
        window.OnToolClick(command);
    }
    QVERIFY(shell.prompts.messages.empty());
    if (command == "miRead") {
        QCOMPARE(modals.seen, QStringList{"frmClone"});
    } else {
        QVERIFY(!window.isVisible());
        QCOMPARE(shell.StoredLanguage(), QString("0"));
    }
}

QTEST_MAIN(TestUnsavedChanges)
#include "test_unsaved_changes.moc"
