// Japanese file and folder names (in either language of the program): the coded file, the key file and
// the decoded file take the right names, and the messages name them.
#include "checks.h"
#include "files.h"
#include "report.h"
#include "script.h"
#include "steps.h"
#include "text.h"

namespace guitest {

namespace {

void roundTrip(const Context& context, Program& program, const std::wstring& source, const Bytes& plain,
               const KeyChoice& choice, const std::set<std::wstring>& namesAfterCoding, std::string_view shotName)
{
    const std::wstring folder = source.substr(0, source.find_last_of(L'\\'));
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = choice.way == KeyChoice::Way::applicationKey ? keyNameOf(coded) : choice.path;
    const std::string name = utf8(source.substr(folder.size() + 1));
    if (!runCoding(context, program, cat("Coding ", name), source, choice)) {
        return;
    }
    expectMessage(program, cat("Coding ", name),
                  informationMessage(
                      context, cat(context.texts->codingDone, utf8(coded), context.texts->keyFileLabel, utf8(key))),
                  shotName);
    report().check(folderNames(folder) == namesAfterCoding && readFile(source) == plain,
                   cat("Coding ", name, " writes ", describe(namesAfterCoding)), describe(folderNames(folder)));
    DeleteFileW(source.c_str());
    if (!runDecoding(context, program, cat("Decoding ", utf8(coded.substr(folder.size() + 1))), coded,
                     {KeyChoice::Way::unchanged, {}})) {
        return;
    }
    expectMessage(program, cat("Decoding ", utf8(coded.substr(folder.size() + 1))),
                  informationMessage(
                      context, cat(context.texts->decodingDone, utf8(source), context.texts->keyFileLabel, utf8(key))));
    report().check(readFile(source) == plain && folderNames(folder) == namesAfterCoding,
                   cat("Decoding gives back ", name, " byte for byte, and nothing else"),
                   describe(folderNames(folder)));
}

}  // namespace

void checkJapaneseNames(Context& context)
{
    const std::wstring folder = context.work + L"\\フォルダ_一";
    const std::wstring report1 = folder + L"\\報告書.txt";
    const std::wstring photoFolder = context.work + L"\\写真 と 鍵";
    const std::wstring photo = photoFolder + L"\\夏休み";
    const std::wstring key = photoFolder + L"\\鍵ファイル.key";
    const Bytes reportBytes = sampleBytes(25000, 71);
    const Bytes photoBytes = sampleBytes(9000, 72);
    std::string failed;
    const auto step = [&](bool done, const char* what) {
        if (!done && failed.empty()) {
            failed = cat(what, ": error ", GetLastError());
        }
    };
    step(makeFolder(folder), "folder フォルダ_一");
    step(makeFolder(photoFolder), "folder 写真 と 鍵");
    step(writeFile(report1, reportBytes), "報告書.txt");
    step(writeFile(photo, photoBytes), "夏休み");
    step(writeFile(key, keyFileBytes(73)), "鍵ファイル.key");
    if (!report().check(failed.empty(), "files with Japanese names are ready", failed)) {
        return;
    }
    std::unique_ptr<Program> program = startProgram(context, "Japanese names");
    if (!program) {
        return;
    }
    roundTrip(context, *program, report1, reportBytes, {KeyChoice::Way::applicationKey, {}},
              {L"報告書.txt", L"報告書_txt.___", L"報告書_txt.KEY"}, "japanese-names-coding-done");
    // No extension, and a user's key with a Japanese name typed into the field.
    roundTrip(context, *program, photo, photoBytes, {KeyChoice::Way::typed, key},
              {L"夏休み", L"夏休み____.___", L"鍵ファイル.key"}, {});
    endProgram(program);
}

}  // namespace guitest
