// Everything a window asks or tells the user in a modal box goes through Prompts, so tests can
// install scripted answers instead of clicking dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QWidget;

namespace qv {

enum class PromptIcon { None, Information, Exclamation, Critical, Question };
enum class PromptButtons { Ok, OkCancel, YesNoCancel, RetryCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

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

// The prompts in force: real dialogs unless a test installed others.
Prompts& CurrentPrompts();
// Installs prompts (not owned); nullptr goes back to the real dialogs.
void SetPrompts(Prompts* prompts);

// Real Qt message boxes and file dialogs. The button texts follow the UI language.
class DialogPrompts : public Prompts {
public:
    PromptAnswer Message(QWidget* parent, const PromptRequest& request) override;
    QString OpenFileName(QWidget* parent, const FileRequest& request) override;
    QString SaveFileName(QWidget* parent, const FileRequest& request) override;
};

// For tests: answers from queues (Cancel / "" when a queue is empty) and a record of every request.
class ScriptedPrompts : public Prompts {
public:
    std::deque<PromptAnswer> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::vector<PromptRequest> messages;
    std::vector<FileRequest> fileRequests;

    PromptAnswer Message(QWidget* parent, const PromptRequest& request) override;
    QString OpenFileName(QWidget* parent, const FileRequest& request) override;
    QString SaveFileName(QWidget* parent, const FileRequest& request) override;
};

// Installs scripted prompts for the life of a scope.
class ScopedPrompts {
public:
    explicit ScopedPrompts(Prompts& prompts) { SetPrompts(&prompts); }
    ~ScopedPrompts() { SetPrompts(nullptr); }
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;
};

}  // namespace qv
