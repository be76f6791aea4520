#include "console_person.h"

#include "interruption.h"
#include "key_file_choice.h"

namespace votrana {

namespace {

constexpr std::uint64_t progressThreshold = std::uint64_t{64} << 20;

}  // namespace

void ConsolePerson::prepare(std::string argument, std::string path, std::optional<std::string> keyFile)
{
    argument_ = std::move(argument);
    path_ = std::move(path);
    keyFile_ = std::move(keyFile);
    reportLost_ = false;
    shownPercent_ = -1;
}

void ConsolePerson::showMessage(const Message& message)
{
    clearProgress();
    if (message.icon == MessageIcon::information) {
        out_ << message.text << '\n' << std::flush;
        reportLost_ = !out_.good();
        return;
    }
    err_ << "votrana: " << argument_ << ": " << message.caption << ": " << message.text << '\n' << std::flush;
}

FileDialogAnswer ConsolePerson::chooseFile(const FileDialogRequest&)
{
    return FileDialogAnswer{FileDialogAnswer::Outcome::chosen, path_, 0};
}

KeyDialogResult ConsolePerson::showKeyFileDialog(KeyFileChoice& choice)
{
    choice.useUserKey = keyFile_.has_value();
    choice.keyFilePath = keyFile_.value_or(std::string());
    return KeyDialogResult::ok;
}

void ConsolePerson::showProgress(WorkStage stage, std::uint64_t done, std::uint64_t total)
{
    if (!progressWanted_ || total <= progressThreshold) {
        return;
    }
    if (done >= total) {
        clearProgress();
        return;
    }
    const int percent = static_cast<int>(done * 100 / total);
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        err_ << "\rvotrana: " << argument_ << ": " << stageName(texts_, stage) << ' ' << percent << '%' << std::flush;
    }
}

bool ConsolePerson::stopRequested()
{
    return interruptingSignal() != 0;
}

void ConsolePerson::clearProgress()
{
    if (shownPercent_ >= 0) {
        err_ << "\r\033[K" << std::flush;
        shownPercent_ = -1;
    }
}

}  // namespace votrana
