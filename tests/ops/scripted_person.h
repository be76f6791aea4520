// A person who answers the dialogs from a script and remembers everything shown to them.
#pragma once

#include "key_file_choice.h"
#include "platform.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace votrana::testing {

class ScriptedPerson final : public Person {
public:
    // What the key-file dialog does: it may switch the key before it ends with `result`.
    struct KeyDialogScript {
        KeyDialogResult result = KeyDialogResult::ok;
        std::optional<bool> useUserKey;
        std::optional<std::string> keyFilePath;
    };

    void choose(const std::string& path) { fileAnswers.push_back({FileDialogAnswer::Outcome::chosen, path, 0}); }
    void cancelFileDialog() { fileAnswers.push_back({FileDialogAnswer::Outcome::cancelled, {}, 0}); }
    void failFileDialog(std::uint32_t code) { fileAnswers.push_back({FileDialogAnswer::Outcome::failed, {}, code}); }
    void useApplicationKey() { keyAnswers.push_back({KeyDialogResult::ok, false, std::string()}); }
    void useUserKey(const std::string& path) { keyAnswers.push_back({KeyDialogResult::ok, true, path}); }
    void answerKeyDialog(KeyDialogScript script) { keyAnswers.push_back(std::move(script)); }

    void showMessage(const Message& message) override { messages.push_back(message); }
    FileDialogAnswer chooseFile(const FileDialogRequest& request) override
    {
        fileDialogs.push_back(
            {std::string(request.title), std::string(request.filterName), std::string(request.filterPattern)});
        return next(fileAnswers);
    }
    KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) override
    {
        ++keyDialogs;
        const KeyDialogScript script = next(keyAnswers);
        choice.useUserKey = script.useUserKey.value_or(choice.useUserKey);
        choice.keyFilePath = script.keyFilePath.value_or(choice.keyFilePath);
        return script.result;
    }
    void repaintButton(CommandButton button) override { repaints.push_back(button); }
    void setCursor(Cursor cursor) override { cursors.push_back(cursor); }
    void showProgress(WorkStage stage, std::uint64_t, std::uint64_t) override
    {
        ++progressReports;
        if (onProgress) {
            onProgress(stage);
        }
    }
    bool stopRequested() override { return stopAtProgressReport != 0 && progressReports >= stopAtProgressReport; }

    std::deque<FileDialogAnswer> fileAnswers;
    std::deque<KeyDialogScript> keyAnswers;

    struct FileDialogSeen {
        std::string title, filterName, filterPattern;
    };
    std::vector<FileDialogSeen> fileDialogs;
    int keyDialogs = 0;
    std::vector<Message> messages;
    std::vector<CommandButton> repaints;
    std::vector<Cursor> cursors;
    int progressReports = 0;
    // The person asks for a stop once this many progress reports were shown; 0 never.
    int stopAtProgressReport = 0;
    // What happens elsewhere while the command reports its progress.
    std::function<void(WorkStage)> onProgress;

private:
    template <typename Answer>
    static Answer next(std::deque<Answer>& answers)
    {
        if (answers.empty()) {
            throw std::logic_error("a dialog that the script does not expect");
        }
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

}  // namespace votrana::testing
