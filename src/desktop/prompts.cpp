#include "desktop/prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "language/ui_language.h"

namespace qv {

namespace {

QMessageBox::Icon ToQtIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Exclamation:
            return QMessageBox::Warning;
        case PromptIcon::Critical:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonText {
    PromptAnswer answer;
    QMessageBox::ButtonRole role;
    const char* english;
};

// The buttons of each set, with the captions the system shows in each language.
std::vector<ButtonText> ButtonsOf(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return {
                {PromptAnswer::Ok, QMessageBox::AcceptRole, QT_TRANSLATE_NOOP("Prompts", "OK")}};
        case PromptButtons::OkCancel:
            return {{PromptAnswer::Ok, QMessageBox::AcceptRole, QT_TRANSLATE_NOOP("Prompts", "OK")},
                    {PromptAnswer::Cancel, QMessageBox::RejectRole,
                     QT_TRANSLATE_NOOP("Prompts", "Cancel")}};
        case PromptButtons::YesNo:
            return {{PromptAnswer::Yes, QMessageBox::YesRole, QT_TRANSLATE_NOOP("Prompts", "Yes")},
                    {PromptAnswer::No, QMessageBox::NoRole, QT_TRANSLATE_NOOP("Prompts", "No")}};
        case PromptButtons::YesNoCancel:
            return {{PromptAnswer::Yes, QMessageBox::YesRole, QT_TRANSLATE_NOOP("Prompts", "Yes")},
                    {PromptAnswer::No, QMessageBox::NoRole, QT_TRANSLATE_NOOP("Prompts", "No")},
                    {PromptAnswer::Cancel, QMessageBox::RejectRole,
                     QT_TRANSLATE_NOOP("Prompts", "Cancel")}};
        case PromptButtons::RetryCancel:
            return {{PromptAnswer::Retry, QMessageBox::AcceptRole,
                     QT_TRANSLATE_NOOP("Prompts", "Retry")},
                    {PromptAnswer::Cancel, QMessageBox::RejectRole,
                     QT_TRANSLATE_NOOP("Prompts", "Cancel")}};
        case PromptButtons::OkAnotherRadio:
            return {{PromptAnswer::Ok, QMessageBox::AcceptRole, QT_TRANSLATE_NOOP("Prompts", "OK")},
                    {PromptAnswer::AnotherRadio, QMessageBox::ActionRole,
                     QT_TRANSLATE_NOOP("Prompts", "Write Another Radio")}};
        case PromptButtons::RetryAnotherRadioCancel:
            return {{PromptAnswer::Retry, QMessageBox::AcceptRole,
                     QT_TRANSLATE_NOOP("Prompts", "Retry")},
                    {PromptAnswer::AnotherRadio, QMessageBox::ActionRole,
                     QT_TRANSLATE_NOOP("Prompts", "Write Another Radio")},
                    {PromptAnswer::Cancel, QMessageBox::RejectRole,
                     QT_TRANSLATE_NOOP("Prompts", "Cancel")}};
    }
    return {};
}

}  // namespace

PromptAnswer DialogPrompts::Message(QWidget* parent, const PromptRequest& request) {
    QMessageBox box(ToQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton,
                    parent);
    std::vector<std::pair<QAbstractButton*, PromptAnswer>> made;
    // Esc answers Cancel, else No (a question that changes nothing on No), else the only button.
    QAbstractButton* escape = nullptr;
    int escapeRank = -1;
    for (const ButtonText& button : ButtonsOf(request.buttons)) {
        QPushButton* added = box.addButton(texts_.UiText("Prompts", button.english), button.role);
        made.emplace_back(added, button.answer);
        if (button.answer == request.defaultButton) box.setDefaultButton(added);
        const int rank = button.answer == PromptAnswer::Cancel ? 2
                         : button.answer == PromptAnswer::No   ? 1
                                                               : 0;
        if (rank > escapeRank) {
            escape = added;
            escapeRank = rank;
        }
    }
    box.setEscapeButton(escape);
    box.exec();
    for (const auto& [button, answer] : made) {
        if (box.clickedButton() == button) return answer;
    }
    return PromptAnswer::Cancel;
}

QString DialogPrompts::OpenFileName(QWidget* parent, const FileRequest& request) {
    return QFileDialog::getOpenFileName(parent, request.caption, request.fileName, request.filter,
                                        nullptr, QFileDialog::ReadOnly);
}

QString DialogPrompts::SaveFileName(QWidget* parent, const FileRequest& request) {
    // The dialog asks before overwriting an existing file.
    return QFileDialog::getSaveFileName(parent, request.caption, request.fileName, request.filter);
}

}  // namespace qv
