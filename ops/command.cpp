#include "command.h"

#include "key_file_choice.h"
#include "key_file_loading.h"

namespace votrana {

Command::Command(Platform& platform, OperationsState& state)
    : person_(platform.person),
      machine_(platform.machine),
      state_(state),
      notifier_(platform.person, textsFor(state.japaneseUi)),
      texts_(notifier_.texts()),
      style_(machine_.pathStyle())
{
}

std::optional<std::string> Command::chooseFile(const FileDialogRequest& request, CommandButton button)
{
    FileDialogAnswer answer = person_.chooseFile(request);
    if (answer.outcome == FileDialogAnswer::Outcome::failed) {
        fail(openFileErrorText(texts_, answer.errorCode));
        return std::nullopt;
    }
    person_.repaintButton(button);
    if (answer.outcome == FileDialogAnswer::Outcome::cancelled) {
        return std::nullopt;
    }
    return std::move(answer.path);
}

bool Command::askForKeyFile()
{
    const KeyDialogResult result = person_.showKeyFileDialog(state_.keyFileChoice);
    if (result == KeyDialogResult::notShown) {
        notifier_.systemError(texts_.dialogNotShown);
        return failed();
    }
    return result == KeyDialogResult::ok;
}

bool Command::loadKey(const std::string& path, KeyDirection direction, std::string_view notFound)
{
    if (!machine_.exists(path)) {
        return refuse(notFound);
    }
    const KeyFileLoading loading = loadKeyFile(machine_, path, direction, state_.keyTables);
    if (loading == KeyFileLoading::readFailed) {
        return fail(texts_.readWriteFailed);
    }
    return loading == KeyFileLoading::loaded || refuse(keyFileFailureText(texts_, loading));
}

bool Command::refuse(std::string_view text)
{
    notifier_.error(text);
    outcome_ = CommandOutcome::refused;
    return false;
}

bool Command::refuseWithWarning(std::string_view text)
{
    notifier_.warning(text);
    outcome_ = CommandOutcome::refused;
    return false;
}

bool Command::fail(std::string_view text)
{
    notifier_.error(text);
    return failed();
}

bool Command::failed()
{
    outcome_ = CommandOutcome::failed;
    return false;
}

}  // namespace votrana
