// Everything a window asks or tells the user in a modal box goes through the Prompts of its
// context, so tests give scripted answers instead of clicking dialogs.
#pragma once

#include <QString>
#include <QStringList>

#include "language/ui_language.h"

class QWidget;

namespace qv {

enum class PromptIcon { None, Information, Exclamation, Critical, Question };
// OkAnotherRadio and RetryAnotherRadioCancel add "Write Another Radio" (answer AnotherRadio).
enum class PromptButtons {
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    OkAnotherRadio,
    RetryAnotherRadioCancel
};
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry, AnotherRadio };

struct PromptRequest {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultButton = PromptAnswer::Ok;
};

struct FileRequest {
    QString caption;
    QString fileName;  // offered name (save) or "" (open)
    QString filter;    // "tw Files (*.tw)"
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer Message(QWidget* parent, const PromptRequest& request) = 0;
    // The chosen path, or "" when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual QString SaveFileName(QWidget* parent, const FileRequest& request) = 0;
};

// Real Qt message boxes and file dialogs. The button texts follow the language of `texts`, which
// the program switches at run time.
class DialogPrompts : public Prompts {
public:
    explicit DialogPrompts(const UiTexts& texts) : texts_(texts) {}
    PromptAnswer Message(QWidget* parent, const PromptRequest& request) override;
    QString OpenFileName(QWidget* parent, const FileRequest& request) override;
    QString SaveFileName(QWidget* parent, const FileRequest& request) override;

private:
    const UiTexts& texts_;
};

}  // namespace qv
