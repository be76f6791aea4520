// Every text of the commands (ops/texts.h), of the window program (app_texts.h) and of the tool
// (cli_texts.h), in both languages, against texts.golden: one line a text, "table.member", the English
// and the Japanese text, separated by tabs, with newline, tab and backslash written \n, \t and \\, and a
// space at the end of a line written "\ ", which editors keep.
#include "app_texts.h"
#include "cli_texts.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace votrana {
namespace {

// clang-format off
#define OPS_TEXTS(X) X(codeFileTitle) X(decodeFileTitle) X(browseKeyTitle) X(keyDialogTitle) X(allFilesFilter) \
    X(allFilesPattern) X(codedFilesFilter) X(codedFilesPattern) X(keyFilesFilter) X(keyFilesPattern) X(errorCaption) \
    X(warningCaption) X(informationCaption) X(systemErrorCaption) X(openFileError) X(dialogNotShown) X(programItself) \
    X(noAssignedFile) X(notOnFixedDisk) X(cannotOpenAssignedFile) X(notEnoughFreeSpace) X(cannotCreateKeyFile) \
    X(userKeyFileNotFound) X(defaultKeyFileNotFound) X(cannotOpenKeyFile) X(incorrectKeyFile) X(cannotCreateCodedFile) \
    X(compressionFailed) X(cannotCreateDecodedFile) X(cannotCreateDecompressedFile) X(damagedCodedFile) \
    X(readWriteFailed) X(codingDone) X(decodingDone) X(keyFileLabel)
#define CLI_TEXTS(X) X(usage) X(tryHelp) X(noCommand) X(unknownCommand) X(unknownOption) X(noFile) X(keyWithoutFile) \
    X(keyTwice) X(standardStreamsWithoutKey) X(standardStreamsTwice) X(notToTerminal) X(keyFileMade) X(coding) \
    X(decompressing) X(decoding)
#define APP_TEXTS(X) X(windowTitle) X(labels[0]) X(labels[1]) X(labels[2]) X(labels[3]) X(labels[4]) \
    X(aboutNotShown) X(readmeMissing) X(readmeNotOpened) X(workStages[0]) X(workStages[1]) X(workStages[2])
// clang-format on

// A member missing from the lists above leaves its table larger than the members listed.
#define OPS_SIZE(member) +sizeof(Texts::member)
#define CLI_SIZE(member) +sizeof(CliTexts::member)
#define APP_SIZE(member) +sizeof(AppTexts::member)
static_assert(sizeof(Texts) == 0 OPS_TEXTS(OPS_SIZE) && sizeof(CliTexts) == 0 CLI_TEXTS(CLI_SIZE) &&
              sizeof(AppTexts) == 0 APP_TEXTS(APP_SIZE));

TEST(Texts, EveryTextInBothLanguagesIsTheGoldenOne)
{
    std::map<std::string, std::pair<std::string, std::string>> code, golden;  // name -> English, Japanese
#define ADD(table, texts, member)                                                                                      \
    code[table #member] = {std::string(texts(false).member), std::string(texts(true).member)};
#define OPS_ADD(member) ADD("texts.", textsFor, member)
#define CLI_ADD(member) ADD("cli.", cliTextsFor, member)
#define APP_ADD(member) ADD("app.", appTextsFor, member)
    OPS_TEXTS(OPS_ADD) CLI_TEXTS(CLI_ADD) APP_TEXTS(APP_ADD);
    std::ifstream in(VOTRANA_TEXTS_GOLDEN);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\t') {
                fields.emplace_back();
            } else if (line[i] == '\\' && i + 1 < line.size()) {
                const char c = line[++i];
                fields.back() += c == 'n' ? '\n' : c == 't' ? '\t' : c;
            } else {
                fields.back() += line[i];
            }
        }
        ASSERT_EQ(fields.size(), 3u) << line;
        golden[fields[0]] = {fields[1], fields[2]};
    }
    for (const auto& [name, texts] : code) {
        EXPECT_EQ(golden[name], texts) << name;
    }
    EXPECT_EQ(golden.size(), code.size()) << "texts.golden holds texts that the code does not";
}

}  // namespace
}  // namespace votrana
