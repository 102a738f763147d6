// The rules behind the recent files and the title, without a window.
#include <QDir>
#include <QTest>

#include "shell/recent_file_list.h"
#include "shell/window_title.h"

class TestDesktopRules : public QObject {
    Q_OBJECT
private slots:
    void recentFileList_data();
    void recentFileList();
    void relativePathsBecomeAbsolute();
    void captions_data();
    void captions();
    void titles_data();
    void titles();
};

void TestDesktopRules::recentFileList_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("first file") << QStringList{} << "/a.tw" << QStringList{"/a.tw"};
    QTest::newRow("newest first") << QStringList{"/a.tw"} << "/b.tw"
                                  << QStringList{"/b.tw", "/a.tw"};
    QTest::newRow("again moves to the front, once")
        << QStringList{"/a.tw", "/b.tw", "/c.tw"} << "/b.tw"
        << QStringList{"/b.tw", "/a.tw", "/c.tw"};
    QTest::newRow("the same file by another spelling")
        << QStringList{"/x/a.tw", "/b.tw"} << "/x/../x/./a.tw" << QStringList{"/x/a.tw", "/b.tw"};
    QTest::newRow("five at most") << QStringList{"/1.tw", "/2.tw", "/3.tw", "/4.tw", "/5.tw"}
                                  << "/6.tw"
                                  << QStringList{"/6.tw", "/1.tw", "/2.tw", "/3.tw", "/4.tw"};
    QTest::newRow("empty entries of a damaged store go")
        << QStringList{"", "/a.tw", ""} << "/b.tw" << QStringList{"/b.tw", "/a.tw"};
}

void TestDesktopRules::recentFileList() {
    QFETCH(QStringList, before);
    QFETCH(QString, added);
    QFETCH(QStringList, after);
    QCOMPARE(qv::WithRecentFile(before, added), after);
    QCOMPARE(qv::WithoutRecentFile(after, added), after.mid(1));
}

void TestDesktopRules::relativePathsBecomeAbsolute() {
    QCOMPARE(qv::WithRecentFile({}, "plan.tw"), QStringList{QDir::current().filePath("plan.tw")});
}

void TestDesktopRules::captions_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");
    QTest::newRow("number as Alt letter") << 0 << "/home/u/plan.tw"
                                          << "&1 /home/u/plan.tw";
    QTest::newRow("ampersand shown as itself") << 4 << "/r&d/a.tw"
                                               << "&5 /r&&d/a.tw";
    const QString longPath = "/home/user/" + QString(60, 'x') + "/channels/plan.tw";
    QTest::newRow("long path shortened in the middle")
        << 1 << longPath << "&2 " + longPath.left(19) + "..." + longPath.right(42);
}

void TestDesktopRules::captions() {
    QFETCH(int, index);
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QCOMPARE(qv::RecentFileCaption(index, QDir::fromNativeSeparators(path)),
             QString(caption).replace('/', QDir::separator()));
}

void TestDesktopRules::titles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("no file yet") << ""
                                 << "QV-730[*]";
    QTest::newRow("file name only") << "/home/u/plan.tw"
                                    << "QV-730 - plan.tw[*]";
    QTest::newRow("placeholder in the name") << "/a[*].tw"
                                             << "QV-730 - a[[*].tw[*]";
}

void TestDesktopRules::titles() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(qv::MainWindowTitle(path), title);
}

QTEST_MAIN(TestDesktopRules)
#include "test_desktop_rules.moc"
