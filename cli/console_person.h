// The person side of the seam for the command-line tool: the dialogs are answered from the command
// line, the messages are printed.
#pragma once

#include "cli_texts.h"
#include "platform.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace votrana {

class ConsolePerson final : public Person {
public:
    // Progress is shown on `err` only when `progressWanted` (the tool asks for it when `err` is a
    // terminal), and only for passes over more than 64 MiB.
    ConsolePerson(std::ostream& out, std::ostream& err, const CliTexts& texts, bool progressWanted)
        : out_(out), err_(err), texts_(texts), progressWanted_(progressWanted)
    {
    }

    // The answers for the next command: `path` in place of the open-file dialog, and OK in the key-file
    // dialog with the user's `keyFile` when there is one, else the application's key.
    void prepare(std::string argument, std::string path, std::optional<std::string> keyFile);
    // True when the report of success of the last command could not be written.
    bool reportLost() const { return reportLost_; }

    void showMessage(const Message& message) override;
    FileDialogAnswer chooseFile(const FileDialogRequest& request) override;
    KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) override;
    void repaintButton(CommandButton) override {}
    void setCursor(Cursor) override {}
    void showProgress(WorkStage stage, std::uint64_t done, std::uint64_t total) override;
    // An interrupting signal asks for the stop.
    bool stopRequested() override;

private:
    void clearProgress();

    std::ostream& out_;
    std::ostream& err_;
    const CliTexts& texts_;
    bool progressWanted_;
    std::string argument_;
    std::string path_;
    std::optional<std::string> keyFile_;
    bool reportLost_ = false;
    int shownPercent_ = -1;
};

}  // namespace votrana
