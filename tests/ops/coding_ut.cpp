// The Coding command driven by a scripted person over a real folder, in both languages.
#include "coding.h"

#include "command_fixture.h"
#include "key_table.h"
#include "lzw_codec.h"

#include <filesystem>

namespace votrana::testing {
namespace {

using Names = std::vector<std::string>;

class CodingTest : public CommandFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        state.japaneseUi = GetParam();
        writeFile(folder.path("report.txt"), source);
    }

    void codeWithUserKey(const std::string& keyPath)
    {
        person.choose(folder.path("report.txt"));
        person.useUserKey(keyPath);
        outcome = runCoding(platform, state);
    }

    // The command stopped with `message` alone and wrote nothing.
    void expectRefusal(const Message& message, const Names& names = {"report.txt"},
                       CommandOutcome expected = CommandOutcome::refused)
    {
        EXPECT_EQ(outcome, expected);
        EXPECT_EQ(person.messages, std::vector<Message>{message});
        EXPECT_EQ(folder.names(), names);
        EXPECT_EQ(readFile(folder.path("report.txt")), source);
    }

    Bytes expectedStream(const Bytes& keyFile) const
    {
        KeyTables tables;
        loadKeyHalf(tables, keyFile, KeyDirection::coding);
        Bytes substituted = source;
        substitute(substituted, tables.codingTable);
        return compressBytes(substituted);
    }

    const Bytes source = sampleText(150000);
};

INSTANTIATE_TEST_SUITE_P(Languages, CodingTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Japanese" : "English"; });

TEST_P(CodingTest, CodesWithAGeneratedKeyBesideTheSource)
{
    code("report.txt");

    const std::string coded = folder.path("report_txt.___");
    const std::string key = folder.path("report_txt.KEY");
    const std::string english = "Following file has been created by coding;\n  " + coded + "\nKey file;\n  " + key;
    const std::string japanese = "暗号化で下記のファイルが作成されました;\n  " + coded + "\nキー・ファイル;\n  " + key;
    EXPECT_EQ(person.messages, std::vector{shown({english.c_str(), japanese.c_str()}, {"Information", "お知らせ"},
                                                 MessageIcon::information)});
    EXPECT_EQ(folder.names(), (Names{"report.txt", "report_txt.KEY", "report_txt.___"}));
    const Bytes keyFile = readFile(key).value();
    EXPECT_TRUE(checkKeyFile(keyFile, KeyDirection::coding) && checkKeyFile(keyFile, KeyDirection::decoding));
    EXPECT_EQ(readFile(coded), expectedStream(keyFile));
    EXPECT_EQ(readFile(folder.path("report.txt")), source);

    ASSERT_EQ(person.fileDialogs.size(), 1u);
    EXPECT_EQ(person.fileDialogs[0].title, GetParam() ? "暗号化するファイルの選択" : "Select a file to code.");
    EXPECT_EQ(person.fileDialogs[0].filterName, "All Files (*.*)");
    EXPECT_EQ(person.fileDialogs[0].filterPattern, "*.*");
    EXPECT_EQ(person.repaints, std::vector<CommandButton>{CommandButton::coding});
    EXPECT_EQ(person.cursors, (std::vector<Cursor>{Cursor::wait, Cursor::arrow}));
}

TEST_P(CodingTest, WithTheIdentityKeyTheCodedFileIsTheCodecStream)
{
    // Only the first half counts for Coding: the second need not be a permutation.
    const Bytes identity = identityKeyFile();
    const Bytes keyFile = keyFileOf(Bytes(identity.begin(), identity.begin() + 256), Bytes(256, 0));
    writeFile(folder.path("my.key"), keyFile);
    codeWithUserKey(folder.path("my.key"));

    EXPECT_EQ(readFile(folder.path("report_txt.___")), compressBytes(source));
    EXPECT_EQ(folder.names(), (Names{"my.key", "report.txt", "report_txt.___"}));
    EXPECT_EQ(readFile(folder.path("my.key")), keyFile);
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_TRUE(person.messages[0].text.ends_with(folder.path("my.key")));
}

TEST_P(CodingTest, CodingAgainReplacesTheCodedFileAndTheKeyFile)
{
    code("report.txt");
    const auto firstKey = readFile(folder.path("report_txt.KEY"));
    code("report.txt");

    EXPECT_EQ(person.messages.size(), 2u);
    const Bytes secondKey = readFile(folder.path("report_txt.KEY")).value();
    EXPECT_NE(firstKey, secondKey);
    EXPECT_EQ(readFile(folder.path("report_txt.___")), expectedStream(secondKey));
    EXPECT_EQ(folder.names(), (Names{"report.txt", "report_txt.KEY", "report_txt.___"}));
}

TEST_P(CodingTest, FreeSpaceOfLengthPlus1000BytesIsEnough)
{
    machine.freeBytes = source.size() + 999;
    code("report.txt");
    expectRefusal(warning({"Not enough free diskspace.", "ディスクの空容量が不足です."}));

    // An empty source needs the 1000 bytes alone, and gives the coded stream of nothing. Its name is
    // as long as a coded name of 255 characters allows: the temporary names never make it too long.
    const std::string stem(249, 'e');
    writeFile(folder.path(stem + ".x"), {});
    machine.freeBytes = 1000;
    person.messages.clear();
    code(stem + ".x");
    EXPECT_TRUE(succeeded());
    EXPECT_EQ(readFile(folder.path(stem + "_x.___")), (Bytes{0xFF, 0xFF, 0x00}));
}

TEST_P(CodingTest, RefusesBeforeTheKeyFileDialog)
{
    const auto refusal = [&](const std::string& chosen) {
        person.messages.clear();
        person.choose(chosen);
        outcome = runCoding(platform, state);
        EXPECT_EQ(person.keyDialogs, 0);
        return person.messages;
    };
    state.programPath = folder.path("VOTRA_95.EXE");
    EXPECT_EQ(refusal(folder.path("votra_95.exe")), std::vector{error({"Unable to code this executable (VOTRA_95.EXE).",
                                                                       "自分自身(VOTRA_95.EXE)は暗号化できません."})});
    EXPECT_EQ(refusal(folder.path("missing.txt")),
              std::vector{error({"No assigned file in the directory.", "指定されたファイルはありません."})});
    std::filesystem::create_directory(folder.path("folder"));
    EXPECT_EQ(refusal(folder.path("folder")),
              std::vector{error({"Unable to open an assigned file.", "指定されたファイルを開けません."})});
    for (const DriveType drive : {DriveType::removable, DriveType::remote, DriveType::other}) {
        machine.drive = drive;
        EXPECT_EQ(refusal(folder.path("report.txt")),
                  std::vector{warning({"Unable to code a file other than in the fixed disk.",
                                       "ハード・ディスク以外のファイルは暗号化できません."})});
    }
    EXPECT_EQ(folder.names(), (Names{"folder", "report.txt"}));
    // The command-line tool's state: any disk will do.
    state.codesOnlyFromFixedDisks = false;
    code("report.txt");
    EXPECT_TRUE(succeeded());
}

TEST_P(CodingTest, DialogsThatEndTheCommand)
{
    person.failFileDialog(0x3003);
    outcome = runCoding(platform, state);
    expectRefusal(error({"GetOpenFileName error 0x3003", "GetOpenFileName エラー 0x3003"}), {"report.txt"},
                  CommandOutcome::failed);
    EXPECT_TRUE(person.repaints.empty());

    person.messages.clear();
    person.cancelFileDialog();
    outcome = runCoding(platform, state);
    EXPECT_TRUE(person.messages.empty());
    EXPECT_EQ(folder.names(), Names{"report.txt"});
    EXPECT_EQ(person.repaints, std::vector<CommandButton>{CommandButton::coding});
}

TEST_P(CodingTest, KeyFileDialogNotEndedWithOk)
{
    // A switch to the user's key made before Cancel is kept.
    person.choose(folder.path("report.txt"));
    person.answerKeyDialog({KeyDialogResult::cancelled, true, folder.path("my.key")});
    outcome = runCoding(platform, state);
    EXPECT_TRUE(person.messages.empty());
    EXPECT_EQ(folder.names(), Names{"report.txt"});
    EXPECT_TRUE(state.keyFileChoice.useUserKey);
    EXPECT_EQ(outcome, CommandOutcome::cancelled);

    person.choose(folder.path("report.txt"));
    person.answerKeyDialog({KeyDialogResult::notShown, {}, {}});
    outcome = runCoding(platform, state);
    Message notShown = shown({"Unable to display dialog.", "ダイアログを表示できません."},
                             {"System Error", "システム・エラー"}, MessageIcon::error);
    notShown.systemModal = true;
    expectRefusal(notShown, {"report.txt"}, CommandOutcome::failed);
}

TEST_P(CodingTest, RefusesAUserKeyFileThatIsNoCodingKey)
{
    const Bilingual incorrect{"Not a correct coding/decoding key file.",
                              "正しい暗号化/復号化キー・ファイルではありません."};
    const Bytes identity = identityKeyFile();
    const std::pair<Bytes, Bilingual> keys[] = {
        {Bytes(identity.begin(), identity.end() - 1), incorrect},
        {keyFileOf(identity, {7}), incorrect},
        {keyFileOf(Bytes(256, 0), Bytes(identity.begin(), identity.begin() + 256)), incorrect},
    };
    for (const auto& [keyFile, text] : keys) {
        writeFile(folder.path("my.key"), keyFile);
        person.messages.clear();
        codeWithUserKey(folder.path("my.key"));
        expectRefusal(error(text), {"my.key", "report.txt"});
    }
    std::filesystem::remove(folder.path("my.key"));
    person.messages.clear();
    codeWithUserKey("");
    expectRefusal(error({"Unable to find the coding/decoding key file for the assigned file.",
                         "指定のファイル用の暗号化/復号化キー・ファイルが見つかりません."}));
    std::filesystem::create_directory(folder.path("keys"));
    person.messages.clear();
    codeWithUserKey(folder.path("keys"));
    expectRefusal(error({"Unable to open a coding/decoding key file.", "暗号化/復号化キー・ファイルを開けません."}),
                  {"keys", "report.txt"});
}

// A folder or a read-only file where a new file is to go is refused before any byte is coded, and
// an earlier pair is left as it was.
TEST_P(CodingTest, NamesItMayNotTakeAreRefusedBeforeTheWork)
{
    const Message keyRefused =
        error({"Unable to create a coding/decoding key file.", "暗号化/復号化キー・ファイルを作成できません."});
    const Message codedRefused = error({"Unable to create a coded file.", "暗号化ファイルを作成できません."});
    code("report.txt");
    const Names pair{"report.txt", "report_txt.KEY", "report_txt.___"};
    const struct {
        const char* name;
        bool folder;
        Message refusal;
    } cases[] = {
        {"report_txt.KEY", true, keyRefused},
        {"report_txt.KEY", false, keyRefused},
        {"report_txt.___", true, codedRefused},
        {"report_txt.___", false, codedRefused},
    };
    for (const auto& [name, folderThere, refusal] : cases) {
        SCOPED_TRACE(name);
        const std::filesystem::path path = pathOf(folder.path(name));
        const Bytes earlier = folderThere ? Bytes{} : readFile(folder.path(name)).value();
        if (folderThere) {
            std::filesystem::remove(path);
            std::filesystem::create_directory(path);
        } else {
            std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        }
        person = ScriptedPerson();
        code("report.txt");
        expectRefusal(refusal, pair);
        EXPECT_TRUE(person.cursors.empty());
        if (!folderThere) {
            EXPECT_EQ(readFile(folder.path(name)), earlier);
            std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
        }
        std::filesystem::remove(path);
        person = ScriptedPerson();
        code("report.txt");
    }

    // The temporary files cannot be made: the first is the key's, the second the coded file's.
    for (const int failing : {1, 2}) {
        const Bytes earlierCoded = readFile(folder.path("report_txt.___")).value();
        int creations = 0;
        machine.refuse = [&](std::string_view operation, const std::string&) {
            return operation == "create" && ++creations == failing;
        };
        person = ScriptedPerson();
        code("report.txt");
        expectRefusal(failing == 1 ? keyRefused : codedRefused, pair);
        EXPECT_EQ(readFile(folder.path("report_txt.___")), earlierCoded);
    }
}

TEST_P(CodingTest, AFailedCompressionIsReportedTwice)
{
    writeFile(folder.path("my.key"), identityKeyFile());
    machine.failWritesFrom = 1;
    codeWithUserKey(folder.path("my.key"));
    EXPECT_EQ(person.messages,
              (std::vector{error({"Failed in reading or writing a file.", "ファイルの読み書きに失敗しました."}),
                           error({"Failed in compressing the coded file.", "暗号化ファイルの圧縮に失敗しました."})}));
    EXPECT_EQ(folder.names(), (Names{"my.key", "report.txt"}));
    EXPECT_EQ(person.cursors.back(), Cursor::arrow);
}

}  // namespace
}  // namespace votrana::testing
