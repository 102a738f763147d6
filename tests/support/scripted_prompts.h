// Prompts that answer from queues (Cancel, or "" for a file, when a queue is empty) and record
// every request, so a test drives a window's questions without clicking a dialog.
#pragma once

#include <deque>
#include <vector>

#include "desktop/prompts.h"

namespace qv::test {

class ScriptedPrompts : public Prompts {
public:
    std::deque<PromptAnswer> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::vector<PromptRequest> messages;
    std::vector<FileRequest> fileRequests;

    PromptAnswer Message(QWidget*, const PromptRequest& request) override {
        messages.push_back(request);
        return TakeFront(answers, PromptAnswer::Cancel);
    }
    QString OpenFileName(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return TakeFront(openNames, QString());
    }
    QString SaveFileName(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return TakeFront(saveNames, QString());
    }

private:
    template <typename T>
    static T TakeFront(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace qv::test
