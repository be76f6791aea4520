// The Decoding command driven by a scripted person over a real folder, in both languages. After every
// way out the coded file must be back under its name, unchanged, with no temporary file beside it.
#include "decoding.h"

#include "command_fixture.h"
#include "key_table.h"
#include "lzw_codec.h"

#include <filesystem>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace votrana::testing {
namespace {

using Names = std::vector<std::string>;

class DecodingTest : public CommandFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        state.japaneseUi = GetParam();
        writeFile(folder.path("report.txt"), plain);
        code("report.txt");
        coded = readFile(folder.path("report_txt.___")).value();
        key = readFile(folder.path("report_txt.KEY")).value();
        writeFile(folder.path("report.txt"), bytesOf("an older report"));
        person = ScriptedPerson();
    }

    void decodeWithUserKey(const std::string& keyPath)
    {
        person.choose(folder.path("report_txt.___"));
        person.useUserKey(keyPath);
        outcome = runDecoding(platform, state);
    }

    // The command stopped with `messages`; every file is as it was before.
    void expectNothingChanged(const std::vector<Message>& messages, const Names& extra = {})
    {
        EXPECT_EQ(person.messages, messages);
        Names names{"report.txt", "report_txt.KEY", "report_txt.___"};
        names.insert(names.end(), extra.begin(), extra.end());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(folder.names(), names);
        EXPECT_EQ(readFile(folder.path("report_txt.___")), coded);
        EXPECT_EQ(readFile(folder.path("report_txt.KEY")), key);
        EXPECT_EQ(readFile(folder.path("report.txt")), bytesOf("an older report"));
    }

    const Bytes plain = sampleText(120000);
    Bytes coded;
    Bytes key;
};

INSTANTIATE_TEST_SUITE_P(Languages, DecodingTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Japanese" : "English"; });

TEST_P(DecodingTest, DecodesOverAFileOfTheDecodedName)
{
    decode("report_txt.___");

    const std::string decoded = folder.path("report.txt");
    const std::string keyPath = folder.path("report_txt.KEY");
    const std::string english =
        "Following file has been created by decoding;\n  " + decoded + "\nKey file;\n  " + keyPath;
    const std::string japanese =
        "復号化で下記のファイルが作成されました;\n  " + decoded + "\nキー・ファイル;\n  " + keyPath;
    EXPECT_EQ(person.messages, std::vector{shown({english.c_str(), japanese.c_str()}, {"Information", "お知らせ"},
                                                 MessageIcon::information)});
    EXPECT_EQ(readFile(decoded), plain);
    EXPECT_EQ(readFile(folder.path("report_txt.___")), coded);
    EXPECT_EQ(readFile(keyPath), key);
    EXPECT_EQ(folder.names(), (Names{"report.txt", "report_txt.KEY", "report_txt.___"}));
    EXPECT_EQ(person.repaints, std::vector<CommandButton>{CommandButton::decoding});
    EXPECT_EQ(person.cursors.back(), Cursor::arrow);
}

TEST_P(DecodingTest, TheEmptyStreamDecodesToAnEmptyFile)
{
    writeFile(folder.path("empty____.___"), {0xFF, 0xFF, 0x00});
    writeFile(folder.path("empty____.KEY"), identityKeyFile());
    decode("empty____.___");
    EXPECT_TRUE(succeeded());
    EXPECT_EQ(readFile(folder.path("empty")), Bytes{});
}

TEST_P(DecodingTest, DialogsThatEndTheCommand)
{
    person.failFileDialog(0x3003);
    outcome = runDecoding(platform, state);
    person.cancelFileDialog();
    outcome = runDecoding(platform, state);
    EXPECT_EQ(person.repaints, std::vector<CommandButton>{CommandButton::decoding});
    expectNothingChanged({error({"GetOpenFileName error 0x3003", "GetOpenFileName エラー 0x3003"})});

    // The key-file dialog comes after the decompression.
    person = ScriptedPerson();
    person.choose(folder.path("report_txt.___"));
    person.answerKeyDialog({KeyDialogResult::cancelled, {}, {}});
    person.choose(folder.path("report_txt.___"));
    person.answerKeyDialog({KeyDialogResult::notShown, {}, {}});
    outcome = runDecoding(platform, state);
    outcome = runDecoding(platform, state);
    Message notShown = shown({"Unable to display dialog.", "ダイアログを表示できません."},
                             {"System Error", "システム・エラー"}, MessageIcon::error);
    notShown.systemModal = true;
    expectNothingChanged({notShown});
}

// Only one whole coded stream decodes: anything before or after it, or in place of it, is damage, and
// is refused before the person is asked for a key.
TEST_P(DecodingTest, RefusalsBeforeTheKeyFileDialog)
{
    const Message damaged =
        error({"The coded file is damaged and cannot be decoded.", "暗号化ファイルが壊れているため復号化できません."});
    const auto joined = [](Bytes first, const Bytes& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    };
    const Bytes random = compressBytes(sampleText(3000));
    const struct {
        const char* name;
        std::optional<Bytes> bytes;  // a folder when unset
        Message refusal;
    } cases[] = {
        {"broken.___", Bytes{0x61}, damaged},
        {"appended.___", joined(coded, {0x00}), damaged},
        {"joined.___", joined(coded, coded), damaged},
        {"fill.___", Bytes{0x61, 0x62, 0xFF, 0x7F, 0xD8, 0xBF, 0x41}, damaged},
        {"random.___", Bytes(random.rbegin(), random.rend()), damaged},
        {"key.___", key, damaged},
        {"folder.___", std::nullopt, error({"Unable to open an assigned file.", "指定されたファイルを開けません."})},
    };
    Names extra;
    for (const auto& [name, bytes, refusal] : cases) {
        if (bytes) {
            writeFile(folder.path(name), *bytes);
        } else {
            std::filesystem::create_directory(folder.path(name));
        }
        extra.push_back(name);
        person = ScriptedPerson();
        decode(name);
        EXPECT_EQ(person.messages, std::vector{refusal}) << name;
    }
    person = ScriptedPerson();
    decode("missing.___");
    EXPECT_EQ(person.messages,
              std::vector{error({"No assigned file in the directory.", "指定されたファイルはありません."})});
    machine.refuse = [](std::string_view operation, const std::string&) { return operation == "create"; };
    person = ScriptedPerson();
    decode("report_txt.___");
    EXPECT_EQ(person.messages,
              std::vector{error({"Unable to create a coded file.", "復号化ファイルを作成できません."})});
    EXPECT_EQ(person.keyDialogs, 0);
    expectNothingChanged(person.messages, extra);
}

TEST_P(DecodingTest, RefusalsOfTheKeyFile)
{
    decodeWithUserKey(folder.path("missing.key"));
    decodeWithUserKey("");
    std::filesystem::create_directory(folder.path("keys"));
    decodeWithUserKey(folder.path("keys"));
    const Bytes identity = identityKeyFile();
    writeFile(folder.path("coding-only.key"), keyFileOf(Bytes(identity.begin(), identity.begin() + 256), Bytes(256)));
    decodeWithUserKey(folder.path("coding-only.key"));
    std::filesystem::rename(folder.path("report_txt.KEY"), folder.path("elsewhere.key"));
    decode("report_txt.___");
    std::filesystem::rename(folder.path("elsewhere.key"), folder.path("report_txt.KEY"));

    const Message notFound = error({"Unable to find the coding/decoding key file for the assigned file.",
                                    "指定のファイル用の暗号化/復号化キー・ファイルが見つかりません."});
    expectNothingChanged(
        {notFound, notFound,
         error({"Unable to open a coding/decoding key file.", "暗号化/復号化キー・ファイルを開けません."}),
         error({"Not a correct coding/decoding key file.", "正しい暗号化/復号化キー・ファイルではありません."}),
         error({"No coding/decoding key file for the assigned file in the same directory.",
                "指定ファイル用の暗号化/復号化キー・ファイルが同じディレクトリにありません."})},
        {"coding-only.key", "keys"});
}

TEST_P(DecodingTest, RefusalsAfterTheKeyFile)
{
    const Message decodedRefused = error({"Unable to create a decoded file.", "復号化ファイルを作成できません."});
    machine.freeBytes = plain.size() + 999;
    decode("report_txt.___");
    machine.freeBytes.reset();
    machine.refuse = [](std::string_view operation, const std::string&) { return operation == "replace"; };
    decode("report_txt.___");
    machine.refuse = nullptr;
    // A read-only file of the decoded name is refused before any byte is decoded.
    const std::filesystem::path decoded = pathOf(folder.path("report.txt"));
    std::filesystem::permissions(decoded, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const std::size_t cursorsBefore = person.cursors.size();
    decode("report_txt.___");
    EXPECT_EQ(person.cursors.size(), cursorsBefore + 2);  // only the decompression's
    std::filesystem::permissions(decoded, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    // Another run replaces the key file while this one substitutes: its bytes are not put in place.
    person.onProgress = [&](WorkStage stage) {
        if (stage == WorkStage::decoding) {
            writeFile(folder.path("report_txt.KEY"), identityKeyFile());
        }
    };
    decode("report_txt.___");
    person.onProgress = nullptr;
    writeFile(folder.path("report_txt.KEY"), key);
    expectNothingChanged({warning({"Not enough free diskspace.", "ディスクの空容量が不足です."}), decodedRefused,
                          decodedRefused,
                          error({"Failed in reading or writing a file.", "ファイルの読み書きに失敗しました."})});

    // The key file is never written, not even when it has the decoded file's name.
    writeFile(folder.path("report.txt"), key);
    person = ScriptedPerson();
    decodeWithUserKey(folder.path("report.txt"));
    EXPECT_EQ(person.messages, std::vector{decodedRefused});
    EXPECT_EQ(readFile(folder.path("report.txt")), key);
}

#if !defined(_WIN32)
// A new file lets no more users read it than the file it comes from, nor than the file it replaces;
// a generated key is its owner's alone, whatever the umask.
TEST_P(DecodingTest, PermissionsNeverWiden)
{
    const auto modeOf = [&](const char* name) { return machine.permissions(folder.path(name)); };
    EXPECT_EQ(modeOf("report_txt.KEY"), 0600u);
    const mode_t umask = ::umask(0);
    ::chmod(folder.path("report.txt").c_str(), 0640);
    code("report.txt");
    EXPECT_EQ(modeOf("report_txt.___"), 0640u);
    EXPECT_EQ(modeOf("report_txt.KEY"), 0600u);
    ::chmod(folder.path("report.txt").c_str(), 0604);
    decode("report_txt.___");
    EXPECT_EQ(modeOf("report.txt"), 0600u);
    ::umask(umask);
}
#endif

}  // namespace
}  // namespace votrana::testing
