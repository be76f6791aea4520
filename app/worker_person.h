// The person as a command on the worker thread meets it: dialogs, messages and repaints are done by
// the window thread's person while the worker waits; progress, the cursor and the wish to stop go
// through the worker's board.
#pragma once

#include "command_worker.h"
#include "platform.h"

namespace votrana {

class WorkerPerson final : public Person {
public:
    WorkerPerson(Person& windowPerson, CommandWorker& worker) : windowPerson_(windowPerson), worker_(worker) {}

    void showMessage(const Message& message) override;
    FileDialogAnswer chooseFile(const FileDialogRequest& request) override;
    KeyDialogResult showKeyFileDialog(KeyFileChoice& choice) override;
    void repaintButton(CommandButton button) override;
    void setCursor(Cursor cursor) override { worker_.wantWaitCursor(cursor == Cursor::wait); }
    void showProgress(WorkStage stage, std::uint64_t done, std::uint64_t total) override
    {
        worker_.reportProgress(stage, done, total);
    }
    bool stopRequested() override { return worker_.stopRequested(); }

private:
    Person& windowPerson_;
    CommandWorker& worker_;
};

}  // namespace votrana
