// The rules start-up applies to the stored language and the application folder.
#include <QTest>

#include "shell/startup_rules.h"

class TestStartupRules : public QObject {
    Q_OBJECT
private slots:
    void language_data();
    void language();
    void appPathGetsExactlyOneSeparator();
};

void TestStartupRules::language_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("language");  // -1: cannot be converted
    QTest::newRow("1 is Chinese") << "1" << 1;
    QTest::newRow("0 is English") << "0" << 0;
    QTest::newRow("missing or empty is English") << "" << 0;
    QTest::newRow("not a number is English") << "zh" << 0;
    QTest::newRow("7 becomes Chinese") << "7" << 1;
    QTest::newRow("255 is still a byte") << "255" << 1;
    QTest::newRow("leading number only") << "0abc" << 0;
    QTest::newRow("256 does not fit a byte") << "256" << -1;
    QTest::newRow("negative does not fit a byte") << "-1" << -1;
}

void TestStartupRules::language() {
    QFETCH(QString, stored);
    QFETCH(int, language);
    const auto result = qv::LanguageFromStored(stored);
    QCOMPARE(result ? int(*result) : -1, language);
}

void TestStartupRules::appPathGetsExactlyOneSeparator() {
    QCOMPARE(qv::AppPathFrom("C:\\Program Files\\QV\\"), QString("C:\\Program Files\\QV\\"));
    QCOMPARE(qv::AppPathFrom("/opt/qv730/"), QString("/opt/qv730/"));
    QCOMPARE(qv::AppPathFrom("/opt/qv730"), QString("/opt/qv730/"));
}

QTEST_GUILESS_MAIN(TestStartupRules)
#include "test_startup_rules.moc"
