#include "command_fixture.h"

#include "coding.h"
#include "decoding.h"
#include "temporary_file.h"

#include <numeric>

namespace votrana {

void PrintTo(const Message& message, std::ostream* out)
{
    *out << "{\"" << message.text << "\", \"" << message.caption << "\", icon " << static_cast<int>(message.icon)
         << (message.systemModal ? ", system-modal}" : "}");
}

namespace testing {

Bytes sampleText(std::size_t length)
{
    static const std::string words[] = {"key ", "file ", "coded ", "the ", "of ", "data\n", "Votrana ", "-> "};
    Bytes bytes;
    for (std::uint32_t state = 12345; bytes.size() < length;) {
        state = state * 1103515245 + 12345;
        const std::string& word = words[(state >> 16) % 8];
        bytes.insert(bytes.end(), word.begin(), word.end());
        bytes.push_back(static_cast<std::uint8_t>(state >> 24));
    }
    bytes.resize(length);
    return bytes;
}

Bytes identityKeyFile()
{
    Bytes bytes(512);
    std::iota(bytes.begin(), bytes.end(), 0);
    return bytes;
}

void makeReadOnly(const std::string& path)
{
    std::filesystem::permissions(pathOf(path), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
}

void makeFolder(const std::string& path)
{
    std::filesystem::remove(pathOf(path));
    std::filesystem::create_directory(pathOf(path));
}

void CommandFixture::answer(const std::string& path, const std::string& userKey)
{
    person.fileAnswer = {FileDialogAnswer::Outcome::chosen, path, 0};
    person.keyChoice = {!userKey.empty(), userKey};
    person.keyResult = KeyDialogResult::ok;
}

void CommandFixture::runCommand(bool decoding)
{
    outcome = decoding ? runDecoding(platform, state) : runCoding(platform, state);
}

Files CommandFixture::filesNow(bool withTemporaries) const
{
    Files files;
    for (const std::string& name : folder.names()) {
        if (withTemporaries || !isTemporaryName(name)) {
            files[folder.path(name)] = readFile(folder.path(name));
        }
    }
    return files;
}

void CommandFixture::lay(const Files& files)
{
    for (const std::string& name : folder.names()) {
        std::filesystem::remove_all(pathOf(folder.path(name)));
    }
    for (const auto& [path, bytes] : files) {
        bytes ? writeFile(path, *bytes) : makeFolder(path);
    }
}

void RefusalTest::SetUp()
{
    writeFile(reportPath, source);
    code();
    ASSERT_TRUE(succeeded());
    writeFile(reportPath, older);
    person = ScriptedPerson();
}

void RefusalTest::expectRefused(bool decoding)
{
    const Refusal& row = GetParam();
    const std::string chosen = row.chosen ? folder.path(row.chosen) : decoding ? codedPath : reportPath;
    answer(chosen, row.userKey ? folder.path(row.userKey) : "");
    if (row.arrange) {
        row.arrange(*this);
    }
    Files expected = filesNow();
    runCommand(decoding);
    for (const auto& [path, bytes] : changed) {
        expected[path] = bytes;
    }
    const Texts& texts = textsFor(state.japaneseUi);
    std::vector<Message> told;
    for (const Text text : row.texts) {
        told.push_back(
            {text == &Texts::openFileError ? openFileErrorText(texts, dialogError) : std::string(texts.*text),
             std::string(texts.*row.caption), row.icon, row.caption == &Texts::systemErrorCaption});
    }
    EXPECT_EQ(person.messages, told);
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_EQ(filesNow(), expected);
    EXPECT_EQ(person.keyDialogs, row.askedForKey ? 1 : 0);
    EXPECT_EQ(std::ranges::count(person.stages, decoding ? WorkStage::decoding : WorkStage::coding) > 0, row.worked);
    EXPECT_TRUE(person.stopAtReport == 0 || person.stages.size() == person.stopAtReport);  // no more work after a stop
    EXPECT_EQ(person.cursors.empty() ? Cursor::arrow : person.cursors.back(), Cursor::arrow);
    const bool dialogFailed = person.fileAnswer.outcome == FileDialogAnswer::Outcome::failed;
    EXPECT_EQ(person.repaints,
              std::vector(dialogFailed ? 0 : 1, decoding ? CommandButton::decoding : CommandButton::coding));
}

}  // namespace testing
}  // namespace votrana
