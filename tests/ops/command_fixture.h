// A scripted person and a real temporary folder, to drive the Coding and Decoding commands.
#pragma once

#include "command_outcome.h"
#include "faulty_machine.h"
#include "file_names.h"
#include "key_file_choice.h"
#include "operations_state.h"
#include "temp_folder.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>

namespace votrana {

void PrintTo(const Message& message, std::ostream* out);

namespace testing {

// A person who answers the dialogs as told and remembers everything shown to them.
class ScriptedPerson final : public Person {
public:
    void showMessage(const Message& message) override { messages.push_back(message); }
    FileDialogAnswer chooseFile(const FileDialogRequest&) override { return fileAnswer; }
    KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) override
    {
        ++keyDialogs;
        choice = keyChoice;
        return keyResult;
    }
    void repaintButton(CommandButton button) override { repaints.push_back(button); }
    void setCursor(Cursor cursor) override { cursors.push_back(cursor); }
    void showProgress(WorkStage stage, std::uint64_t, std::uint64_t) override
    {
        stages.push_back(stage);
        if (onProgress) {
            onProgress(stage);
        }
    }
    bool stopRequested() override { return stopAtReport != 0 && stages.size() >= stopAtReport; }

    FileDialogAnswer fileAnswer;
    KeyFileChoice keyChoice;  // what the key-file dialog switches to before it ends
    KeyDialogResult keyResult = KeyDialogResult::ok;
    int keyDialogs = 0;
    std::vector<Message> messages;
    std::vector<CommandButton> repaints;
    std::vector<Cursor> cursors;
    std::vector<WorkStage> stages;              // of every progress report
    std::size_t stopAtReport = 0;               // the person asks for a stop at this progress report; 0 never
    std::function<void(WorkStage)> onProgress;  // what happens elsewhere meanwhile
};

// Every entry of a folder by its path: a file's bytes, nullopt for a folder.
using Files = std::map<std::string, std::optional<Bytes>>;

// Varied text of `length` bytes that runs past the codec's blocks and fills its dictionary.
Bytes sampleText(std::size_t length);
Bytes identityKeyFile();
void makeReadOnly(const std::string& path);
void makeFolder(const std::string& path);  // in place of the file there
// The extended error of an open-file dialog that failed.
constexpr std::uint32_t dialogError = 0x3003;

class CommandFixture : public ::testing::Test {
public:
    // Coding or Decoding of `path`, with the application's key or else `userKey`; no person's
    // answers other than these.
    void run(bool decoding, const std::string& path, const std::string& userKey = {})
    {
        answer(path, userKey);
        runCommand(decoding);
    }
    // The person's answers: the file, and the application's key or else `userKey`.
    void answer(const std::string& path, const std::string& userKey);
    void runCommand(bool decoding);
    void code(const std::string& userKey = {}) { run(false, reportPath, userKey); }
    void decode() { run(true, codedPath); }
    bool succeeded() const { return outcome == CommandOutcome::done; }
    Files filesNow(bool withTemporaries = true) const;
    void lay(const Files& files);

    TempFolder folder;
    ScriptedPerson person;
    FaultyMachine machine;
    Platform platform{person, machine};
    OperationsState state;
    CommandOutcome outcome = CommandOutcome::done;
    const Bytes source = sampleText(200000);
    const std::string reportPath = folder.path("report.txt");
    const std::string codedPath = codedFilePathFor(reportPath, machine.pathStyle());
    const std::string keyPath = defaultKeyPathFor(codedPath, machine.pathStyle());
};

// A way a command ends without success: the scene and the person's answers where they differ from
// the usual ones, what the person is then told, and how far the command came. Every file must stay
// as it was, but for what another program changes meanwhile.
class RefusalTest;
using Text = std::string_view Texts::*;
struct Refusal {
    const char* name;
    const char* chosen = nullptr;   // in the folder; else the file the command is for
    const char* userKey = nullptr;  // in the folder; else the application's key
    std::function<void(RefusalTest&)> arrange = {};
    std::vector<Text> texts = {};
    Text caption = &Texts::errorCaption;
    MessageIcon icon = MessageIcon::error;
    CommandOutcome outcome = CommandOutcome::refused;
    bool askedForKey = true;
    bool worked = false;  // the command's own pass over the bytes began
};
inline void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

// Over a folder with a coded file and its key, and an older file of the decoded name.
class RefusalTest : public CommandFixture, public ::testing::WithParamInterface<Refusal> {
public:
    void SetUp() override;
    void expectRefused(bool decoding);

    const Bytes older = bytesOf("an older report");
    Files changed;  // by another program while the command runs
};

}  // namespace testing
}  // namespace votrana
