#include "data/ui_language.h"

#include <QDir>
#include <QTranslator>
#include <memory>
#include <vector>

namespace qv {

namespace {

std::uint8_t g_language = kEnglish;

// Every compiled catalogue under :/i18n, loaded once on first use.
const std::vector<std::unique_ptr<QTranslator>>& ChineseCatalogues() {
    static const auto catalogues = [] {
        std::vector<std::unique_ptr<QTranslator>> list;
        const QDir dir(QStringLiteral(":/i18n"));
        for (const QString& name : dir.entryList({QStringLiteral("*.qm")}, QDir::Files)) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(dir.filePath(name))) list.push_back(std::move(translator));
        }
        return list;
    }();
    return catalogues;
}

}  // namespace

std::uint8_t UiLanguage() {
    return g_language;
}

void SetUiLanguage(std::uint8_t language) {
    g_language = language == kChinese ? kChinese : kEnglish;
}

QString UiTextIn(std::uint8_t language, const char* context, const char* english) {
    if (language == kChinese) {
        for (const auto& catalogue : ChineseCatalogues()) {
            const QString text = catalogue->translate(context, english);
            if (!text.isEmpty()) return text;
        }
    }
    return QString::fromUtf8(english);
}

QString UiText(const char* context, const char* english) {
    return UiTextIn(g_language, context, english);
}

QString OffText() {
    return UiText("Common", "Off");
}

QString OnText() {
    return UiText("Common", "On");
}

}  // namespace qv
