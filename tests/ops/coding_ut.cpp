// The Coding command's refusals and failures, and the report of its success.
#include "command_fixture.h"
#include "disk_checks.h"

#include <filesystem>

namespace votrana::testing {
namespace {

using F = RefusalTest;
using enum CommandOutcome;
constexpr auto warning = MessageIcon::warning;
constexpr auto failedDialog = FileDialogAnswer::Outcome::failed;
constexpr auto margin = freeSpaceMargin;
const Bytes identity = identityKeyFile();

const auto refuseCreation = [](int which) {
    return [which](F& f) {
        f.machine.refuse = [which, n = 0](std::string_view op) mutable { return op == "create" && ++n == which; };
    };
};
const auto key = [](const Bytes& bytes) { return [bytes](F& f) { writeFile(f.folder.path("my.key"), bytes); }; };

// clang-format off
const Refusal refusals[] = {
    {.name = "ProgramItselfInOtherCase", .arrange = [](F& f) { f.state.programPath = f.folder.path("REPORT.TXT"); },
     .texts = {&Texts::programItself}, .askedForKey = false},
    {.name = "MissingFileToldInJapanese", .chosen = "missing.txt", .arrange = [](F& f) { f.state.japaneseUi = true; },
     .texts = {&Texts::noAssignedFile}, .askedForKey = false},
    {.name = "AFolder", .chosen = "folder", .arrange = [](F& f) { makeFolder(f.folder.path("folder")); },
     .texts = {&Texts::cannotOpenAssignedFile}, .askedForKey = false},
    {.name = "RemovableDisk", .arrange = [](F& f) { f.machine.drive = DriveType::removable; },
     .texts = {&Texts::notOnFixedDisk}, .caption = &Texts::warningCaption, .icon = warning, .askedForKey = false},
    {.name = "FreeSpaceOneByteShort", .arrange = [](F& f) { f.machine.freeBytes = f.older.size() + margin - 1; },
     .texts = {&Texts::notEnoughFreeSpace}, .caption = &Texts::warningCaption, .icon = warning, .askedForKey = false},
    {.name = "FileDialogFailed", .arrange = [](F& f) { f.person.fileAnswer = {failedDialog, {}, dialogError}; },
     .texts = {&Texts::openFileError}, .outcome = failed, .askedForKey = false},
    {.name = "FileDialogCancelled", .arrange = [](F& f) { f.person.fileAnswer = {}; },
     .outcome = cancelled, .askedForKey = false},
    {.name = "KeyDialogCancelled", .arrange = [](F& f) { f.person.keyResult = KeyDialogResult::cancelled; },
     .outcome = cancelled},
    {.name = "KeyDialogNotShown", .arrange = [](F& f) { f.person.keyResult = KeyDialogResult::notShown; },
     .texts = {&Texts::dialogNotShown}, .caption = &Texts::systemErrorCaption, .outcome = failed},
    {.name = "KeyFileOneByteShort", .userKey = "my.key", .arrange = key(Bytes(identity.begin(), identity.end() - 1)),
     .texts = {&Texts::incorrectKeyFile}},
    {.name = "KeyOfNoPermutation", .userKey = "my.key", .arrange = key(Bytes(512)),
     .texts = {&Texts::incorrectKeyFile}},
    {.name = "MissingKeyFile", .userKey = "missing.key", .texts = {&Texts::userKeyFileNotFound}},
    {.name = "KeyFileAFolder", .userKey = "keys", .arrange = [](F& f) { makeFolder(f.folder.path("keys")); },
     .texts = {&Texts::cannotOpenKeyFile}},
    {.name = "ReadOnlyKeyFile", .arrange = [](F& f) { makeReadOnly(f.keyPath); },
     .texts = {&Texts::cannotCreateKeyFile}},
    {.name = "FolderAtTheKeyName", .arrange = [](F& f) { makeFolder(f.keyPath); },
     .texts = {&Texts::cannotCreateKeyFile}},
    {.name = "ReadOnlyCodedFile", .arrange = [](F& f) { makeReadOnly(f.codedPath); },
     .texts = {&Texts::cannotCreateCodedFile}},
    {.name = "FolderAtTheCodedName", .arrange = [](F& f) { makeFolder(f.codedPath); },
     .texts = {&Texts::cannotCreateCodedFile}},
    {.name = "KeyTemporaryNotMade", .arrange = refuseCreation(1), .texts = {&Texts::cannotCreateKeyFile}},
    {.name = "CodedTemporaryNotMade", .arrange = refuseCreation(2), .texts = {&Texts::cannotCreateCodedFile}},
    // A stop ends the command at the next block, silently.
    {.name = "StopAsked", .arrange = [](F& f) { writeFile(f.reportPath, f.source); f.person.stopAtReport = 1; },
     .outcome = cancelled, .worked = true},
    {.name = "DiskFull", .userKey = "my.key", .arrange = [](F& f) { key(identity)(f); f.machine.failWritesFrom = 1; },
     .texts = {&Texts::readWriteFailed, &Texts::compressionFailed}, .outcome = failed, .worked = true},
};
// clang-format on

// Success names both files. An empty file needs the free-space margin alone, and its name may be as long as a coded
// name of 255 characters allows: the temporary names never make it longer. The tool's state codes on any disk.
TEST_F(CommandFixture, SuccessIsToldWithTheNamesOfTheFiles)
{
    const std::string stem(249, 'e');
    const std::string empty = folder.path(stem + ".x");
    const std::string coded = codedFilePathFor(empty, machine.pathStyle());
    const std::string key = defaultKeyPathFor(coded, machine.pathStyle());
    writeFile(empty, {});
    machine.freeBytes = freeSpaceMargin;
    machine.drive = DriveType::remote;
    state.codesOnlyFromFixedDisks = false;
    run(false, empty);
    std::filesystem::remove(pathOf(empty));
    run(true, coded);

    const Texts& texts = englishTexts();
    const auto told = [&](std::string_view done, const std::string& path) {
        return Message{std::string(done) + path + std::string(texts.keyFileLabel) + key,
                       std::string(texts.informationCaption), MessageIcon::information};
    };
    EXPECT_EQ(person.messages, (std::vector{told(texts.codingDone, coded), told(texts.decodingDone, empty)}));
    EXPECT_EQ(readFile(empty), Bytes{});
    // The wait cursor shows while the bytes are worked on, the arrow after.
    EXPECT_TRUE(std::ranges::count(person.cursors, Cursor::wait) >= 2 && person.cursors.back() == Cursor::arrow);
}

TEST_P(RefusalTest, Coding)
{
    expectRefused(false);
}
INSTANTIATE_TEST_SUITE_P(Coding, RefusalTest, ::testing::ValuesIn(refusals),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace votrana::testing
