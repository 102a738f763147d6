// The user-interface language and the texts chosen by it. English texts are the keys; the Chinese
// texts come from the embedded catalogue translations/*.ts, compiled at build time.
#pragma once

#include <QString>
#include <cstdint>

namespace qv {

constexpr std::uint8_t kEnglish = 0;
constexpr std::uint8_t kChinese = 1;

// 0 = English, 1 = Chinese. English until start-up or a language command says otherwise.
std::uint8_t UiLanguage();
void SetUiLanguage(std::uint8_t language);

// Sets the language for the life of a scope and puts back the one before.
class ScopedUiLanguage {
public:
    explicit ScopedUiLanguage(std::uint8_t language) : previous_(UiLanguage()) {
        SetUiLanguage(language);
    }
    ~ScopedUiLanguage() { SetUiLanguage(previous_); }
    ScopedUiLanguage(const ScopedUiLanguage&) = delete;
    ScopedUiLanguage& operator=(const ScopedUiLanguage&) = delete;

private:
    std::uint8_t previous_;
};

// The text for the current language: the English text itself, or its Chinese translation in the
// given context. A text without a translation stays English (numbers, tone names, hex).
QString UiText(const char* context, const char* english);
// The same for a chosen language, whatever the current one is.
QString UiTextIn(std::uint8_t language, const char* context, const char* english);

// Words several windows show: "Off" / "关", "On" / "开".
QString OffText();
QString OnText();

// The application title: main window caption, default message-box title, product name.
inline QString AppTitle() {
    return QStringLiteral("QV-730");
}

}  // namespace qv
