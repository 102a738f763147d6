// The user-interface language and the texts chosen by it. English texts are the keys; the Chinese
// texts come from the embedded catalogue translations/*.ts, compiled at build time.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace qv {

// The two languages of the user interface, with the numbers the settings store keeps for them.
enum class Language : std::uint8_t { English = 0, Chinese = 1 };

// The text for a chosen language: the English text itself, or its Chinese translation in the
// given context. A text without a translation stays English (numbers, tone names, hex).
QString UiTextIn(Language language, const char* context, const char* english);

// How the user interface speaks: the words of its language and the decimal separator of its
// locale. The program keeps one in its context and switches its language at run time; a test or
// a command-line run makes the one it needs. Nothing else holds a language or a locale.
class UiTexts {
public:
    explicit UiTexts(Language language = Language::English, QLocale locale = QLocale::c())
        : language_(language), locale_(std::move(locale)) {}

    Language language() const { return language_; }
    void SetLanguage(Language language) { language_ = language; }
    bool IsChinese() const { return language_ == Language::Chinese; }

    // The locale whose decimal separator numbers are shown and read with.
    const QLocale& locale() const { return locale_; }
    void SetLocale(const QLocale& locale) { locale_ = locale; }

    // The text in this language (the update target reads every call of this name).
    QString UiText(const char* context, const char* english) const {
        return UiTextIn(language_, context, english);
    }

    // Words several windows show: "Off" / "关", "On" / "开".
    QString Off() const { return UiText("Common", "Off"); }
    QString On() const { return UiText("Common", "On"); }

private:
    Language language_;
    QLocale locale_;
};

// The application title: main window caption, default message-box title, product name.
inline QString AppTitle() {
    return QStringLiteral("QV-730");
}

}  // namespace qv
