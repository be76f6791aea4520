// The Decoding command's refusals and failures. The key file is never written, and the decoded file
// takes its name only when it is whole and decoded with the key that is there at the end.
#include "command_fixture.h"
#include "disk_checks.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace votrana::testing {
namespace {

using F = RefusalTest;
using enum CommandOutcome;
const Bytes identity = identityKeyFile();
const Bytes codingHalfOnly = [] {
    Bytes key = identityKeyFile();
    std::fill(key.begin() + 256, key.end(), 0);
    return key;
}();

const auto refuse = [](const char* operation) {
    return [operation](F& f) { f.machine.refuse = [operation](std::string_view op) { return op == operation; }; };
};

// clang-format off
const Refusal refusals[] = {
    {.name = "Damaged", .chosen = "broken.___", .arrange = [](F& f) { writeFile(f.folder.path("broken.___"), {0x61}); },
     .texts = {&Texts::damagedCodedFile}, .outcome = failed, .askedForKey = false},
    {.name = "AFolder", .chosen = "folder.___", .arrange = [](F& f) { makeFolder(f.folder.path("folder.___")); },
     .texts = {&Texts::cannotOpenAssignedFile}, .askedForKey = false},
    {.name = "MissingFile", .chosen = "missing.___", .texts = {&Texts::noAssignedFile}, .askedForKey = false},
    {.name = "DecompressedFileNotMade", .arrange = refuse("create"), .texts = {&Texts::cannotCreateDecompressedFile},
     .askedForKey = false},
    {.name = "KeyDialogCancelled", .arrange = [](F& f) { f.person.keyResult = KeyDialogResult::cancelled; },
     .outcome = cancelled},
    {.name = "StopAsked", .arrange = [](F& f) { f.person.stopAtReport = 1; }, .outcome = cancelled,
     .askedForKey = false},
    {.name = "MissingUserKey", .userKey = "missing.key", .texts = {&Texts::userKeyFileNotFound}},
    {.name = "MissingKeyBeside", .arrange = [](F& f) { std::filesystem::remove(pathOf(f.keyPath)); },
     .texts = {&Texts::defaultKeyFileNotFound}},
    {.name = "KeyFileAFolder", .userKey = "keys", .arrange = [](F& f) { makeFolder(f.folder.path("keys")); },
     .texts = {&Texts::cannotOpenKeyFile}},
    {.name = "KeyForCodingOnly", .userKey = "my.key", .arrange = [](F& f) {
         writeFile(f.folder.path("my.key"), codingHalfOnly); },
     .texts = {&Texts::incorrectKeyFile}},
    {.name = "FreeSpaceOneByteShort",
     .arrange = [](F& f) { f.machine.freeBytes = f.source.size() + freeSpaceMargin - 1; },
     .texts = {&Texts::notEnoughFreeSpace}, .caption = &Texts::warningCaption, .icon = MessageIcon::warning},
    {.name = "ReadOnlyDecodedFile", .arrange = [](F& f) { makeReadOnly(f.reportPath); },
     .texts = {&Texts::cannotCreateDecodedFile}},
    {.name = "UserKeyAtTheDecodedName", .userKey = "report.txt", .arrange = [](F& f) {
         writeFile(f.reportPath, readFile(f.keyPath).value()); },
     .texts = {&Texts::cannotCreateDecodedFile}},
    {.name = "DecodedNameNotTaken", .arrange = refuse("replace"), .texts = {&Texts::cannotCreateDecodedFile},
     .outcome = failed, .worked = true},
    // Another run codes anew while this one substitutes: its bytes are not put in place.
    {.name = "KeyReplacedMeanwhile", .arrange = [](F& f) {
         f.changed[f.keyPath] = identity;
         f.person.onProgress = [&f](WorkStage stage) {
             if (stage == WorkStage::decoding) {
                 writeFile(f.keyPath, identity);
             }
         }; },
     .texts = {&Texts::readWriteFailed}, .outcome = failed, .worked = true},
};
// clang-format on

TEST_P(RefusalTest, Decoding)
{
    expectRefused(true);
}
INSTANTIATE_TEST_SUITE_P(Decoding, RefusalTest, ::testing::ValuesIn(refusals),
                         [](const auto& info) { return info.param.name; });

#if !defined(_WIN32)
// A new file lets no more users read it than the file it comes from, nor than the file it replaces;
// a generated key is its owner's alone, whatever the umask.
TEST_F(CommandFixture, PermissionsNeverWiden)
{
    const mode_t umask = ::umask(0);
    writeFile(reportPath, source);
    ::chmod(reportPath.c_str(), 0640);
    code();
    EXPECT_EQ(machine.permissions(codedPath), 0640u);
    EXPECT_EQ(machine.permissions(keyPath), 0600u);
    ::chmod(reportPath.c_str(), 0604);
    decode();
    EXPECT_EQ(machine.permissions(reportPath), 0600u);
    ::umask(umask);
}
#endif

}  // namespace
}  // namespace votrana::testing
