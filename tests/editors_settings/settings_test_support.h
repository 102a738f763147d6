// Shared pieces of the settings editor tests: the window fixture, random images, byte comparisons
// against the bits an editor may change, and reading what a window shows by control name.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <array>
#include <cstring>
#include <memory>

#include "data/radio_image.h"
#include "language/ui_language.h"
#include "support/bytes.h"

namespace qv::test {

// Bits an editor may change: address -> mask. Every other bit of the image must stay.
using FieldMask = QMap<int, std::uint8_t>;

inline RadioImage RandomImage(QRandomGenerator& rng) {
    std::array<quint32, RadioImage::size() / 4> words;
    rng.fillRange(words.data(), static_cast<qsizetype>(words.size()));
    RadioImage image;
    std::memcpy(image.data(), words.data(), RadioImage::size());
    return image;
}

// "0x18A bit 6" style descriptions of every bit that changed outside the mask; empty when none.
inline QStringList ChangesOutside(const RadioImage& before, const RadioImage& after,
                                  const FieldMask& mask) {
    QStringList changes;
    for (int a = 0; a < RadioImage::size(); ++a) {
        if (before[a] == after[a]) continue;
        const int changed = (before[a] ^ after[a]) & ~mask.value(a, 0) & 0xFF;
        if (changed) changes << QStringLiteral("0x%1 bits %2").arg(a, 0, 16).arg(changed, 0, 2);
    }
    return changes;
}

// Every byte that differs, as "0x183: 10 -> 03".
inline QStringList ByteChanges(const RadioImage& before, const RadioImage& after) {
    QStringList changes;
    for (int a = 0; a < RadioImage::size(); ++a) {
        if (before[a] != after[a]) {
            changes << QStringLiteral("0x%1: %2 -> %3")
                           .arg(a, 0, 16)
                           .arg(before[a], 2, 16, QLatin1Char('0'))
                           .arg(after[a], 2, 16, QLatin1Char('0'));
        }
    }
    return changes;
}

// Saving what a model loaded keeps an in-range image byte for byte.
template <typename Model>
void VerifySaveOfLoadKeeps(RadioImage image) {
    const RadioImage before = image;
    Model model(image);
    model.Save(model.Load());
    QCOMPARE(ByteChanges(before, image), QStringList());
}

// For any image at all, saving what a model loaded changes no bit outside its fields, and a
// second save changes nothing more.
template <typename Model>
void VerifySaveOfLoadTouchesOnlyFields(RadioImage image, const FieldMask& fields) {
    const RadioImage before = image;
    Model model(image);
    model.Save(model.Load());
    QCOMPARE(ChangesOutside(before, image, fields), QStringList());
    const RadioImage normalised = image;
    model.Save(model.Load());
    QCOMPARE(ByteChanges(normalised, image), QStringList());
}

inline void PutBytes(RadioImage& image, int address, const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i) image[address + i] = static_cast<std::uint8_t>(bytes[i]);
}

// What a control shows: a list's selected text, "set"/"clear" for a box, a text box's text;
// "NAME.enabled" gives "yes"/"no", "NAME.count" a list's number of entries.
inline QString Shown(QWidget* window, const QString& key) {
    const QString name = key.section(u'.', 0, 0);
    const QString aspect = key.section(u'.', 1);
    auto* control = window->findChild<QWidget*>(name);
    if (!control) return QStringLiteral("<no control %1>").arg(name);
    if (aspect == u"enabled") return control->isEnabled() ? "yes" : "no";
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        if (aspect == u"count") return QString::number(list->count());
        return list->currentText();
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) return box->isChecked() ? "set" : "clear";
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    return control->property("text").toString();
}

// Compares "NAME=value" expectations with what the window shows.
inline void VerifyShown(QWidget* window, const QStringList& expectations) {
    for (const QString& expectation : expectations) {
        const QString key = expectation.section(u'=', 0, 0);
        QCOMPARE(key + u'=' + Shown(window, key), expectation);
    }
}

inline QStringList Entries(QWidget* window, const QString& listName) {
    QStringList entries;
    if (auto* list = window->findChild<QComboBox*>(listName)) {
        for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    }
    return entries;
}

inline void ClickButton(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// What every settings window test works on: radio data, all zero until a test stores bytes, and
// the editor's window opened on it as a user opens it (shown and active, so its controls get and
// lose the focus). The window lives until the next OpenWindow or CloseWindow, which the test
// class's cleanup() calls; it also puts the language back to English.
template <typename Window>
class SettingsWindowFixture {
protected:
    Window* OpenWindow() {
        window_ = std::make_unique<Window>(data_, texts_);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        if (!QTest::qWaitForWindowActive(window_.get()))
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
        return window_.get();
    }
    void CloseWindow() {
        window_.reset();
        texts_ = UiTexts();
    }

    // The behaviours every settings window shares, each driven by what differs per window.
    // Cancel after `change` has moved some controls leaves a random image (from `seed`) as it was.
    template <typename Change>
    void VerifyCancelLeavesTheImage(quint32 seed, Change change) {
        QRandomGenerator rng(seed);
        data_.image = RandomImage(rng);
        const RadioImage before = data_.image;
        Window* window = OpenWindow();
        change(window);
        ClickButton(window, "Command1_1");
        QVERIFY(!window->isVisible());
        QCOMPARE(ByteChanges(before, data_.image), QStringList());
    }
    // Loading and storing again, without a change, keeps each of 150 images the window can show
    // as they are (`inRangeImage` makes them from the generator seeded with `seed`).
    template <typename InRangeImage>
    void VerifyStoringWithoutChangesKeeps(quint32 seed, InRangeImage inRangeImage) {
        QRandomGenerator rng(seed);
        Window* window = OpenWindow();
        for (int i = 0; i < 150; ++i) {
            data_.image = inRangeImage(rng);
            const RadioImage before = data_.image;
            window->RefreshAll();
            window->SaveData();
            QCOMPARE(ByteChanges(before, data_.image), QStringList());
        }
    }

    RadioData data_;
    UiTexts texts_;  // what the windows and models of a test speak: English and "." unless switched
    std::unique_ptr<Window> window_;
};

}  // namespace qv::test
