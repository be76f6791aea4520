#include "command_worker.h"

namespace votrana {

CommandWorker::CommandWorker() : wake_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

CommandWorker::~CommandWorker()
{
    if (thread_.joinable()) {
        thread_.join();
    }
    CloseHandle(wake_);
}

void CommandWorker::start(std::function<void()> work)
{
    thread_ = std::thread([this, work = std::move(work)] {
        work();
        {
            const std::lock_guard lock(mutex_);
            ended_ = true;
        }
        SetEvent(wake_);
    });
}

void CommandWorker::callOnWindowThread(const std::function<void()>& call)
{
    std::unique_lock lock(mutex_);
    call_ = &call;
    SetEvent(wake_);
    callDone_.wait(lock, [this] { return call_ == nullptr; });
}

void CommandWorker::reportProgress(WorkStage stage, std::uint64_t done, std::uint64_t total)
{
    const std::lock_guard lock(mutex_);
    // A pass of another stage, or one that starts again, is a new pass.
    if (!pass_.started || pass_.stage != stage || done < pass_.done) {
        pass_.started = true;
        pass_.stage = stage;
        pass_.startedAtMs = GetTickCount64();
    }
    pass_.done = done;
    pass_.total = total;
}

void CommandWorker::setFileName(std::string name)
{
    const std::lock_guard lock(mutex_);
    fileName_ = std::move(name);
}

bool CommandWorker::hasCall()
{
    const std::lock_guard lock(mutex_);
    return call_ != nullptr;
}

void CommandWorker::serveCall()
{
    const std::function<void()>* call = nullptr;
    {
        const std::lock_guard lock(mutex_);
        call = call_;
    }
    if (call == nullptr) {
        return;
    }
    (*call)();
    {
        const std::lock_guard lock(mutex_);
        call_ = nullptr;
        // The next call's pass starts afresh.
        pass_.started = false;
    }
    callDone_.notify_all();
}

bool CommandWorker::ended()
{
    const std::lock_guard lock(mutex_);
    return ended_;
}

PassReport CommandWorker::passReport()
{
    const std::lock_guard lock(mutex_);
    return pass_;
}

std::string CommandWorker::fileName()
{
    const std::lock_guard lock(mutex_);
    return fileName_;
}

}  // namespace votrana
