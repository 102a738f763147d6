#include "language/ui_language.h"

#include <QDir>
#include <QTranslator>
#include <memory>
#include <vector>

namespace qv {

namespace {

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

QString UiTextIn(Language language, const char* context, const char* english) {
    if (language == Language::Chinese) {
        for (const auto& catalogue : ChineseCatalogues()) {
            const QString text = catalogue->translate(context, english);
            if (!text.isEmpty()) return text;
        }
    }
    return QString::fromUtf8(english);
}

}  // namespace qv
