// Typing in the channel grid as a user does, keyboard only: the key that opens a frequency
// editor is its first character, the editor takes only digits and the decimal separator, and Esc
// in any editor leaves the channel as it was. What counts is what reaches the image.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "channel_test_support.h"
#include "codecs/number_text.h"
#include "editors/channel/channel_texts.h"
#include "editors/channel/frm_channel.h"
#include "support/test_context.h"
#include "support/ui_texts.h"

using namespace qv;
using namespace qv::channel;
using namespace qv::test;

class TestChannelTyping : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typedKeyIsTheFrequencysFirstCharacter_data();
    void typedKeyIsTheFrequencysFirstCharacter();
    void frequencyEditorRefusesOtherKeys_data();
    void frequencyEditorRefusesOtherKeys();
    void escapeLeavesTheChannelAsItWas_data();
    void escapeLeavesTheChannelAsItWas();
    void outOfBandIsRefusedAndTheEditorStaysOpen_data();
    void outOfBandIsRefusedAndTheEditorStaysOpen();
    void aRefusedEditorOutlivesAClickElsewhere();
    void typingAToneGoesToThatTone_data();
    void typingAToneGoesToThatTone();
    void nameEditorSaysWhichCharactersTheRadioTakes_data();
    void nameEditorSaysWhichCharactersTheRadioTakes();
    void busyLockHasOneName_data();
    void busyLockHasOneName();
    void lockedTxCellAsksToMakeARepeater_data();
    void lockedTxCellAsksToMakeARepeater();

private:
    QTableView* Grid() { return window_->findChild<QTableView*>("ChannelGrid"); }
    // The frequency editor open now; closed editors linger until the event loop deletes them.
    QComboBox* FrequencyEditor() {
        for (QComboBox* editor : window_->findChildren<QComboBox*>("CboFreq")) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    QModelIndex IndexOf(int row, int column) { return Grid()->model()->index(row - 1, column - 1); }
    QString Shown(int row, int column) { return IndexOf(row, column).data().toString(); }
    // Onto a cell with the arrow keys only, from the name column of the row.
    void ArrowTo(int row, int column) {
        Grid()->setCurrentIndex(IndexOf(row, kColName));
        Grid()->setFocus();
        for (int c = kColName; c < column; ++c) QTest::keyClick(Grid(), Qt::Key_Right);
        QCOMPARE(Grid()->currentIndex(), IndexOf(row, column));
    }
    // Each key goes where the keyboard focus is, as it does for a user.
    void Type(const QString& keys) {
        for (QChar key : keys) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // The note beside a refused frequency editor, when one shows.
    QString RefusalShown() {
        auto* note = Grid()->viewport()->findChild<QLabel*>("lblFrequencyRefused");
        return note && note->isVisible() ? note->text() : QString();
    }
    bool AnyNameEditorShown() {
        for (QWidget* editor : window_->findChildren<QWidget*>("TxtChannel")) {
            if (editor->isVisible()) return true;
        }
        return false;
    }
    template <typename Editor>
    Editor* Open(const char* name) {
        for (Editor* editor : window_->findChildren<Editor*>(name)) {
            if (editor->isVisible()) return editor;
        }
        return nullptr;
    }
    void UseLanguage(int language) {
        services_.context.SetLanguage(Language(language));
        window_->RefreshAll();
    }
    bool AnyEditorShown() {
        for (const char* name : {"CboFreq", "CboChannel_0", "CboChannel_1", "TxtChannel"}) {
            for (QWidget* editor : window_->findChildren<QWidget*>(name)) {
                if (editor->isVisible()) return true;
            }
        }
        return false;
    }

    RadioData data_;
    test::TestContext services_;
    std::unique_ptr<FrmChannel> window_;
};

void TestChannelTyping::init() {
    data_ = BlankRadio();
    PutRecord(data_.image, 1, SimplexRecord());
    PutRecord(data_.image, 2, "25 06 60 44 75 18 60 44 FF FF FF FF 28 40 FE FF");  // repeater
    window_ = std::make_unique<FrmChannel>(data_, services_.context);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestChannelTyping::cleanup() {
    window_.reset();
    services_.prompts.messages.clear();
    services_.prompts.answers.clear();
    services_.texts = UiTexts();  // a test that chose a locale leaves "." for the next
}

void TestChannelTyping::typedKeyIsTheFrequencysFirstCharacter_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");  // what the editor shows before Enter
    QTest::addColumn<QString>("rxBytes");
    QTest::addColumn<QString>("txBytes");
    const int rx = kColRxFreq;
    const int tx = kColTxFreq;
    // 446.1 MHz is 00 00 61 44; 446.00625 MHz, the rows' first frequency, 25 06 60 44.
    QTest::newRow("RX of a simplex row, TX follows") << 1 << rx << "C"
                                                     << "446.1"
                                                     << "00 00 61 44"
                                                     << "00 00 61 44";
    QTest::newRow("TX of a repeater row") << 2 << tx << "C"
                                          << "446.1"
                                          << "25 06 60 44"
                                          << "00 00 61 44";
    QTest::newRow("an empty row becomes a channel") << 7 << rx << "C"
                                                    << "446.1"
                                                    << "00 00 61 44"
                                                    << "00 00 61 44";
    QTest::newRow("decimal comma: the typed dot is the separator") << 1 << rx << "de_DE"
                                                                   << "446,1"
                                                                   << "00 00 61 44"
                                                                   << "00 00 61 44";
}

void TestChannelTyping::typedKeyIsTheFrequencysFirstCharacter() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    QFETCH(QString, rxBytes);
    QFETCH(QString, txBytes);
    services_.texts.SetLocale(QLocale(locale));
    window_->RefreshAll();
    ArrowTo(row, column);
    Type("4");
    QVERIFY(FrequencyEditor());
    QCOMPARE(FrequencyEditor()->currentText(), QStringLiteral("4"));
    QCOMPARE(FrequencyEditor()->lineEdit()->cursorPosition(), 1);
    Type("46.1");
    QCOMPARE(FrequencyEditor()->currentText(), shown);
    Press(Qt::Key_Return);
    QVERIFY(!FrequencyEditor());
    QCOMPARE(Shown(row, column), FormatFixed(446.1, 5, services_.texts.locale()));
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16 * row, 4), rxBytes);
    QCOMPARE(Hex(data_.image, 16 * row + 4, 4), txBytes);
}

void TestChannelTyping::frequencyEditorRefusesOtherKeys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("rxBytes");
    QTest::newRow("letters between digits") << "446a.1b"
                                            << "446.1"
                                            << "00 00 61 44";
    QTest::newRow("letters and signs at the end") << "446x-+ "
                                                  << "446"
                                                  << "00 00 60 44";
    QTest::newRow("a second separator") << "446.1.2"
                                        << "446.12"
                                        << "00 20 61 44";
    QTest::newRow("letters first: nothing opens, nothing changes") << "abc"
                                                                   << ""
                                                                   << "25 06 60 44";
}

void TestChannelTyping::frequencyEditorRefusesOtherKeys() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, rxBytes);
    ArrowTo(1, kColRxFreq);
    Type(keys);
    QCOMPARE(FrequencyEditor() != nullptr, !shown.isEmpty());
    if (FrequencyEditor()) {
        QCOMPARE(FrequencyEditor()->currentText(), shown);
        Press(Qt::Key_Return);
    }
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16, 4), rxBytes);

    // A list entry is still chosen as it is.
    ArrowTo(1, kColRxFreq);
    Press(Qt::Key_Return);
    FrequencyEditor()->setCurrentIndex(3);
    Press(Qt::Key_Return);
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16, 4), QStringLiteral("25 31 60 44"));  // 446.03125
}

void TestChannelTyping::escapeLeavesTheChannelAsItWas_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");  // typed after the editor opened; "v" / "^" arrow keys
    QTest::addColumn<QString>("editor");
    QTest::newRow("RX frequency") << 1 << int(kColRxFreq) << "440"
                                  << "CboFreq";
    QTest::newRow("TX frequency") << 2 << int(kColTxFreq) << "440"
                                  << "CboFreq";
    QTest::newRow("RX tone") << 1 << int(kColRxTone) << "vv"
                             << "CboChannel_0";
    QTest::newRow("TX tone") << 2 << int(kColTxTone) << "v"
                             << "CboChannel_0";
    QTest::newRow("scan") << 1 << int(kColScan) << "^"
                          << "CboChannel_1";
    QTest::newRow("busy lock") << 1 << int(kColBusyLock) << "v"
                               << "CboChannel_1";
    QTest::newRow("name") << 1 << int(kColName) << "XY"
                          << "TxtChannel";
}

void TestChannelTyping::escapeLeavesTheChannelAsItWas() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, editor);
    window_->SaveData();  // the image as this editor stores it, untouched by the user
    const RadioImage before = data_.image;
    const QStringList shownBefore = window_->Table().RowTexts(row);

    ArrowTo(row, column);
    Press(Qt::Key_Return);
    QVERIFY(AnyEditorShown());
    QVERIFY(window_->findChild<QWidget*>(editor));
    for (QChar key : keys) {
        if (key == u'v' || key == u'^') {
            Press(key == u'v' ? Qt::Key_Down : Qt::Key_Up);
        } else {
            Type(key);
        }
    }
    Press(Qt::Key_Escape);
    QVERIFY(!AnyEditorShown());
    QVERIFY(Grid()->hasFocus());
    QCOMPARE(Grid()->currentIndex(), IndexOf(row, column));
    for (int c = 1; c < kTableColumns; ++c) QCOMPARE(Shown(row, c), shownBefore[c]);

    // Clicking elsewhere afterwards stores nothing of what was typed.
    const QRect elsewhere = Grid()->visualRect(IndexOf(5, kColMode));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, elsewhere.center());
    window_->SaveData();
    QVERIFY(data_.image == before);
}

void TestChannelTyping::outOfBandIsRefusedAndTheEditorStaysOpen_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");  // "" when the value is stored
    QTest::addColumn<QString>("bytes");    // the frequency field afterwards
    const int rx = kColRxFreq;
    const int tx = kColTxFreq;
    const int english = int(Language::English);
    const QString band = " MHz is outside this radio's band, 400.00000 to 480.00000 MHz";
    QTest::newRow("a 2 m frequency on a simplex row") << 1 << rx << english << "146.52"
                                                      << "146.52" + band << "25 06 60 44";
    QTest::newRow("a missed point on a repeater's TX") << 2 << tx << english << "4461"
                                                       << "4461" + band << "75 18 60 44";
    QTest::newRow("a stray 8 on a repeater's TX") << 2 << tx << english << "8"
                                                  << "8" + band << "75 18 60 44";
    QTest::newRow("an 800 MHz channel on an empty row") << 7 << rx << english << "851.0125"
                                                        << "851.0125" + band << "FF FF FF FF";
    QTest::newRow("a weather receiver, in Chinese")
        << 1 << rx << int(Language::Chinese) << "162.55"
        << "162.55 MHz 超出本机频段（400.00000 至 480.00000 MHz）"
        << "25 06 60 44";
    QTest::newRow("the lower band edge after snapping") << 1 << rx << english << "399.99999"
                                                        << ""
                                                        << "00 00 00 40";
    QTest::newRow("the upper band edge") << 2 << tx << english << "480"
                                         << ""
                                         << "00 00 00 48";
}

// A typed frequency outside the band is not stored: the editor stays open with the text
// selected and says why; Esc puts the old value back.
void TestChannelTyping::outOfBandIsRefusedAndTheEditorStaysOpen() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QString, bytes);
    services_.texts.SetLanguage(Language(language));
    window_->RefreshAll();
    const QString shownBefore = Shown(row, column);
    const int field = 16 * row + (column == kColTxFreq ? 4 : 0);

    ArrowTo(row, column);
    Type(typed);
    Press(Qt::Key_Return);
    if (refusal.isEmpty()) {
        QVERIFY(!FrequencyEditor());
        window_->SaveData();
        QCOMPARE(Hex(data_.image, field, 4), bytes);
        return;
    }
    QVERIFY(FrequencyEditor());
    QCOMPARE(FrequencyEditor()->lineEdit()->selectedText(), typed);
    QVERIFY(FrequencyEditor()->lineEdit()->hasFocus());
    QCOMPARE(RefusalShown(), refusal);
    QCOMPARE(Shown(row, column), shownBefore);
    window_->SaveData();  // storing the window keeps the editor and stores nothing of it
    QVERIFY(FrequencyEditor());
    QCOMPARE(Hex(data_.image, field, 4), bytes);

    // Typing again hides the note; a value in the band is then stored.
    Type("446.1");
    QCOMPARE(RefusalShown(), QString());
    Press(Qt::Key_Escape);  // ... or Esc gives the cell back as it was
    QVERIFY(!FrequencyEditor());
    QCOMPARE(Shown(row, column), shownBefore);
    QVERIFY(Grid()->hasFocus());
    window_->SaveData();
    QCOMPARE(Hex(data_.image, field, 4), bytes);
}

// Leaving the refused editor with the mouse (another cell) stores nothing and keeps it open on
// its cell; the user retypes.
void TestChannelTyping::aRefusedEditorOutlivesAClickElsewhere() {
    ArrowTo(2, kColTxFreq);
    Type("4461");
    const QRect elsewhere = Grid()->visualRect(IndexOf(5, kColName));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, elsewhere.center());
    QTest::qWait(20);
    QVERIFY(FrequencyEditor());
    QCOMPARE(Grid()->currentIndex(), IndexOf(2, kColTxFreq));
    QVERIFY(RefusalShown().startsWith("4461 MHz is outside"));
    QVERIFY(!AnyNameEditorShown());
    FrequencyEditor()->lineEdit()->selectAll();
    Type("446.2");
    Press(Qt::Key_Return);
    QVERIFY(!FrequencyEditor());
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 2 * 16 + 4, 4), QStringLiteral("00 00 62 44"));
}

void TestChannelTyping::typingAToneGoesToThatTone_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("bytes");  // the RX and TX tone fields, low byte first
    for (int language : {int(Language::English), int(Language::Chinese)}) {
        const QString in = language == int(Language::Chinese) ? " (Chinese)" : "";
        // Entry 67 of the list is "67 - D172N"; typing 67 means the tone, not the position.
        QTest::newRow(qPrintable("67" + in)) << language << "67"
                                             << "1 - 67.0Hz"
                                             << "70 06 70 06";
        QTest::newRow(qPrintable("67.0" + in)) << language << "67.0"
                                               << "1 - 67.0Hz"
                                               << "70 06 70 06";
        QTest::newRow(qPrintable("250.3" + in)) << language << "250.3"
                                                << "38 - 250.3Hz"
                                                << "03 25 03 25";
        QTest::newRow(qPrintable("D023" + in)) << language << "D023"
                                               << "39 - D023N"
                                               << "23 80 23 80";
        QTest::newRow(qPrintable("d023n" + in)) << language << "d023n"
                                                << "39 - D023N"
                                                << "23 80 23 80";
        QTest::newRow(qPrintable("d754i" + in)) << language << "d754i"
                                                << "210 - D754I"
                                                << "54 C7 54 C7";
    }
}

// Enter on the RX tone of a Simplex channel, the tone typed, Enter: that tone, and TX follows.
void TestChannelTyping::typingAToneGoesToThatTone() {
    QFETCH(int, language);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    QFETCH(QString, bytes);
    UseLanguage(language);
    ArrowTo(1, kColRxTone);
    Press(Qt::Key_Return);
    auto* list = Open<QComboBox>("CboChannel_0");
    QVERIFY(list);
    Type(keys);
    QCOMPARE(list->currentText(), entry);
    Press(Qt::Key_Return);
    QCOMPARE(Shown(1, kColRxTone), entry);
    QCOMPARE(Shown(1, kColTxTone), entry);
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16 + 8, 4), bytes);
}

void TestChannelTyping::nameEditorSaysWhichCharactersTheRadioTakes_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("begins");
    QTest::newRow("English") << int(Language::English) << "The radio stores up to 6 characters";
    QTest::newRow("Chinese") << int(Language::Chinese) << "对讲机的信道名称最多 6 个字符";
}

// A character the radio cannot store is refused with a word: the tooltip says which it takes.
void TestChannelTyping::nameEditorSaysWhichCharactersTheRadioTakes() {
    QFETCH(int, language);
    QFETCH(QString, begins);
    UseLanguage(language);
    ArrowTo(1, kColName);
    Press(Qt::Key_Return);
    auto* name = Open<QLineEdit>("TxtChannel");
    QVERIFY(name);
    QVERIFY2(name->toolTip().startsWith(begins), qPrintable(name->toolTip()));
    QTest::keyClick(name, 'A');
    // A Chinese character arrives as text with no key of its own, as an input method gives it.
    QKeyEvent chinese(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("中"));
    QApplication::sendEvent(name, &chinese);
    QTest::keyClick(name, '~');
    QCOMPARE(name->text(), QStringLiteral("A"));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), name->toolTip());
    Press(Qt::Key_Escape);
}

void TestChannelTyping::busyLockHasOneName_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("carrier");
    QTest::addColumn<QString>("ctcssDcs");
    QTest::newRow("English") << int(Language::English) << "Carrier Squelch"
                             << "CTCSS/DCS";
    QTest::newRow("Chinese") << int(Language::Chinese) << "载波"
                             << "亚音";
}

// However a busy lock value got there (loaded, chosen, pasted with the CSV's word), the cell
// shows the list's name for it and the list opens on it.
void TestChannelTyping::busyLockHasOneName() {
    QFETCH(int, language);
    QFETCH(QString, carrier);
    QFETCH(QString, ctcssDcs);
    PutRecord(data_.image, 3, SimplexRecord("2A"));  // busy lock 2
    PutRecord(data_.image, 4, SimplexRecord("29"));  // busy lock 1
    UseLanguage(language);
    QCOMPARE(Shown(3, kColBusyLock), carrier);
    QCOMPARE(Shown(4, kColBusyLock), ctcssDcs);

    ArrowTo(3, kColBusyLock);
    Press(Qt::Key_Return);
    auto* list = Open<QComboBox>("CboChannel_1");
    QVERIFY(list);
    QCOMPARE(list->currentIndex(), 1);
    QCOMPARE(list->currentText(), carrier);
    Press(Qt::Key_Escape);

    // Chosen from the list, the name stays the same after the data is stored and loaded again.
    ArrowTo(1, kColBusyLock);
    Press(Qt::Key_Return);
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);
    QCOMPARE(Shown(1, kColBusyLock), carrier);
    window_->SaveData();
    window_->RefreshAll();
    QCOMPARE(Shown(1, kColBusyLock), carrier);

    // Pasted with the CSV's words, which stay accepted.
    ArrowTo(5, kColName);
    QVERIFY(
        window_->PasteRowsText("No.\tRX Freq.\tBusy Lock\n5\t446.1\tCarrier\n"
                               "6\t446.2\tCTCSS/DCS\n"));
    QCOMPARE(Shown(5, kColBusyLock), carrier);
    QCOMPARE(Shown(6, kColBusyLock), ctcssDcs);
}

void TestChannelTyping::lockedTxCellAsksToMakeARepeater_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("how");  // "enter", "double-click" or "type"
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    const QString english = "Make channel 1 a repeater?";
    const QString chinese = "将信道 1 设为中继？";
    for (const char* how : {"enter", "double-click", "type"}) {
        QTest::newRow(qPrintable(QString(how) + ", Yes"))
            << int(Language::English) << how << int(PromptAnswer::Yes) << english;
        QTest::newRow(qPrintable(QString(how) + ", No"))
            << int(Language::English) << how << int(PromptAnswer::No) << english;
        QTest::newRow(qPrintable(QString(how) + ", Yes (Chinese)"))
            << int(Language::Chinese) << how << int(PromptAnswer::Yes) << chinese;
    }
}

// A loaded Simplex channel's TX cells are locked; Enter, a double-click or a key there asks
// whether the channel is to become a repeater. Yes unlocks them and the Mode follows from what
// is typed; No leaves the channel as it was.
void TestChannelTyping::lockedTxCellAsksToMakeARepeater() {
    QFETCH(int, language);
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(QString, question);
    UseLanguage(language);
    const QString simplex = window_->Table().Cell(1, kColMode);
    window_->SaveData();  // the image as this editor stores it, untouched by the user
    const RadioImage before = data_.image;
    QVERIFY(window_->Table().IsDisplayOnly(1, kColTxFreq));
    services_.prompts.answers = {PromptAnswer(answer)};

    ArrowTo(1, kColTxFreq);
    if (how == "enter") {
        Press(Qt::Key_Return);
    } else if (how == "double-click") {
        const QPoint cell = Grid()->visualRect(IndexOf(1, kColTxFreq)).center();
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, cell);
    } else {
        Type("4");
    }
    QCOMPARE(services_.prompts.messages.size(), std::size_t(1));
    QCOMPARE(services_.prompts.messages[0].text, question);
    QCOMPARE(services_.prompts.messages[0].buttons, PromptButtons::YesNo);
    if (answer == int(PromptAnswer::No)) {
        QVERIFY(!AnyEditorShown());
        QVERIFY(window_->Table().IsDisplayOnly(1, kColTxFreq));
        window_->SaveData();
        QVERIFY(data_.image == before);
        return;
    }
    // Yes: the TX frequency editor is open (with the typed key as its first character).
    QVERIFY(FrequencyEditor());
    QVERIFY(!window_->Table().IsDisplayOnly(1, kColTxTone));
    QCOMPARE(Shown(1, kColMode), simplex);  // nothing typed yet
    if (how != "type") Type("4");
    Type("41.00625");
    Press(Qt::Key_Return);
    QCOMPARE(Shown(1, kColMode), window_->Table().texts().UiText("Channel", "Repeater"));
    window_->SaveData();
    QCOMPARE(Hex(data_.image, 16, 8), QStringLiteral("25 06 60 44 25 06 10 44"));
    QCOMPARE(int(data_.image.at(1, 12) >> 6), 1);  // stored as a repeater

    // A TX tone alone is typed into the TX side too: the Mode follows it.
    PutRecord(data_.image, 3, SimplexRecord());
    window_->RefreshAll();
    services_.prompts.answers = {PromptAnswer::Yes};
    ArrowTo(3, kColTxTone);
    Press(Qt::Key_Return);
    QVERIFY(Open<QComboBox>("CboChannel_0"));
    Type("67");
    Press(Qt::Key_Return);
    QCOMPARE(Shown(3, kColMode), window_->Table().texts().UiText("Channel", "Repeater"));
}

QTEST_MAIN(TestChannelTyping)
#include "test_channel_typing.moc"
