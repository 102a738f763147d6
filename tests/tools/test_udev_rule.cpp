// The programming-cable udev rule, read as udev reads it: every line a list of KEY op "value"
// pairs with the operators udev allows for the key, every GOTO with its LABEL, and every adapter
// line giving the user access and keeping the modem manager away. (The machine may have no
// udevadm to verify it.)
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Pair {
    QString key;
    QString op;
    QString value;
};

// One rule line as its pairs, or nothing when it does not read as udev's syntax.
std::optional<QList<Pair>> ParseRuleLine(const QString& line) {
    static const QRegularExpression pair(
        QStringLiteral("\\G\\s*([A-Z_]+(?:\\{[A-Za-z0-9_]+\\})?)\\s*(==|!=|\\+=|-=|:=|=)\\s*"
                       "\"([^\"]*)\"\\s*(,|$)"));
    QList<Pair> pairs;
    qsizetype at = 0;
    while (at < line.size()) {
        const auto match = pair.match(line, at);
        if (!match.hasMatch()) return std::nullopt;
        pairs << Pair{match.captured(1), match.captured(2), match.captured(3)};
        at = match.capturedEnd();
    }
    return pairs;
}

bool IsMatch(const QString& op) {
    return op == "==" || op == "!=";
}

// The keys this rule may use and whether each matches, assigns or may do either.
enum class KeyUse { Match, Assign, Either };
std::optional<KeyUse> UseOf(const QString& key) {
    static const QHash<QString, KeyUse> keys = {
        {"ACTION", KeyUse::Match}, {"SUBSYSTEM", KeyUse::Match}, {"SUBSYSTEMS", KeyUse::Match},
        {"KERNEL", KeyUse::Match}, {"TAG", KeyUse::Assign},      {"GOTO", KeyUse::Assign},
        {"LABEL", KeyUse::Assign}};
    if (key.startsWith("ATTRS{")) return KeyUse::Match;
    if (key.startsWith("ENV{")) return KeyUse::Either;
    if (const auto use = keys.find(key); use != keys.end()) return *use;
    return std::nullopt;
}

}  // namespace

class TestUdevRule : public QObject {
    Q_OBJECT

private slots:
    void ruleReadsAsUdevSyntaxAndCoversTheAdapters() {
        const QString path = QStringLiteral(QV730_UDEV_RULE);
        // Numbered ahead of the seat rules that turn "uaccess" into access for the user.
        const QString name = QFileInfo(path).fileName();
        QVERIFY2(QRegularExpression("^[0-6][0-9]-[a-z0-9-]+\\.rules$").match(name).hasMatch(),
                 qPrintable(name));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QSet<QString> labels, gotos, adapters;
        int lineNumber = 0;
        for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
            ++lineNumber;
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith('#')) continue;
            const auto pairs = ParseRuleLine(line);
            QVERIFY2(pairs, qPrintable(QString("line %1: %2").arg(lineNumber).arg(line)));
            QHash<QString, Pair> byKey;
            for (const Pair& p : *pairs) {
                const auto use = UseOf(p.key);
                QVERIFY2(use, qPrintable(QString("line %1: key %2").arg(lineNumber).arg(p.key)));
                if (*use == KeyUse::Match) QVERIFY2(IsMatch(p.op), qPrintable(raw));
                if (*use == KeyUse::Assign) QVERIFY2(!IsMatch(p.op), qPrintable(raw));
                if (p.key == "LABEL") labels << p.value;
                if (p.key == "GOTO") gotos << p.value;
                byKey.insert(p.key, p);
            }
            if (!byKey.contains("ATTRS{idVendor}")) continue;
            // An adapter line: USB ids as udev spells them, access and the modem manager kept off.
            static const QRegularExpression hexId("^[0-9a-f]{4}$");
            const QString vendor = byKey["ATTRS{idVendor}"].value;
            const QString product = byKey.value("ATTRS{idProduct}").value;
            QVERIFY2(hexId.match(vendor).hasMatch() && hexId.match(product).hasMatch(),
                     qPrintable(raw));
            QCOMPARE(byKey.value("TAG").op, QString("+="));
            QCOMPARE(byKey.value("TAG").value, QString("uaccess"));
            QCOMPARE(byKey.value("ENV{ID_MM_DEVICE_IGNORE}").op, QString("="));
            QCOMPARE(byKey.value("ENV{ID_MM_DEVICE_IGNORE}").value, QString("1"));
            QVERIFY2(!adapters.contains(vendor + ':' + product), qPrintable(raw));
            adapters << vendor + ':' + product;
        }
        QCOMPARE(gotos, labels);
        // The common programming-cable chips: CH340, PL2303, FTDI FT232R, CP210x.
        for (const char* id : {"1a86:7523", "067b:2303", "0403:6001", "10c4:ea60"}) {
            QVERIFY2(adapters.contains(id), id);
        }
    }

    void parserRefusesWhatUdevRefuses() {
        QVERIFY(ParseRuleLine("ATTRS{idVendor}==\"1a86\", TAG+=\"uaccess\""));
        QVERIFY(!ParseRuleLine("ATTRS{idVendor}==\"1a86\" TAG+=\"uaccess\""));  // no comma
        QVERIFY(!ParseRuleLine("ATTRS{idVendor}==1a86"));                       // no quotes
        QVERIFY(!ParseRuleLine("ATTRS{idVendor}==\"1a86"));                     // open quote
        QVERIFY(!UseOf("ATTR_TYPO"));
    }
};

QTEST_GUILESS_MAIN(TestUdevRule)
#include "test_udev_rule.moc"
