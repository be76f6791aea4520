// Coding and Decoding through the program: with the application's key, with a user's key typed into the
// field, and with one chosen with Browse; the messages, and what lies on disk after each step.
#include "checks.h"
#include "dialogs.h"
#include "files.h"
#include "report.h"
#include "script.h"
#include "steps.h"
#include "text.h"
#include "window_search.h"

namespace guitest {

namespace {

std::wstring nameOf(const std::wstring& path)
{
    return path.substr(path.find_last_of(L'\\') + 1);
}

std::string codingReport(const Context& context, const std::wstring& coded, const std::wstring& key)
{
    return cat(context.texts->codingDone, utf8(coded), context.texts->keyFileLabel, utf8(key));
}

std::string decodingReport(const Context& context, const std::wstring& decoded, const std::wstring& key)
{
    return cat(context.texts->decodingDone, utf8(decoded), context.texts->keyFileLabel, utf8(key));
}

// Coding and then Decoding of one file with the application's key, step by step.
void roundTripWithApplicationKey(const Context& context, Program& program, const std::wstring& source,
                                 const Bytes& plain, const char* what)
{
    const std::wstring folder = source.substr(0, source.find_last_of(L'\\'));
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = keyNameOf(coded);

    program.click(coding);
    HWND dialog = expectOpenFileDialog(program, cat("Coding ", what), context.texts->codeFileTitle,
                                       context.texts->allFilesFilter);
    screenshot(cat("open-file-dialog-", what));
    if (dialog == nullptr || !openFileDialog::choose(dialog, source)) {
        return;
    }
    HWND keyDialog = expectKeyDialog(context, program, cat("Coding ", what));
    if (!answerKeyDialog(context, program, keyDialog, {KeyChoice::Way::applicationKey, {}}, cat("Coding ", what))) {
        return;
    }
    expectMessage(program, cat("Coding ", what), informationMessage(context, codingReport(context, coded, key)),
                  cat("coding-done-", what));
    const std::set<std::wstring> names{nameOf(source), nameOf(coded), nameOf(key)};
    report().check(folderNames(folder) == names,
                   cat("Coding ", what, " writes ", utf8(nameOf(coded)), " and ", utf8(nameOf(key)),
                       " beside the source, and no temporary file"),
                   describe(folderNames(folder)));
    const std::optional<Bytes> keyBytes = readFile(key);
    report().check(keyBytes && isKeyFile(*keyBytes),
                   cat("the key file is 512 bytes: a table of 0..255 and its inverse"),
                   keyBytes ? cat(keyBytes->size(), " bytes") : "missing");
    const std::optional<Bytes> codedBytes = readFile(coded);
    report().check(readFile(source) == plain && codedBytes && !codedBytes->empty() && *codedBytes != plain,
                   "the source is unchanged, and the coded file holds other bytes",
                   codedBytes ? cat("coded file of ", codedBytes->size(), " bytes") : "no coded file");

    DeleteFileW(source.c_str());
    if (!runDecoding(context, program, cat("Decoding ", what), coded, {KeyChoice::Way::unchanged, {}})) {
        return;
    }
    expectMessage(program, cat("Decoding ", what), informationMessage(context, decodingReport(context, source, key)),
                  cat("decoding-done-", what));
    report().check(readFile(source) == plain,
                   cat("the decoded ", utf8(nameOf(source)), " equals the source byte for byte"));
    report().check(readFile(coded) == codedBytes && readFile(key) == keyBytes && folderNames(folder) == names,
                   "the coded file and the key file are unchanged, and no temporary file is left",
                   describe(folderNames(folder)));
}

// Coding and then Decoding with a user's key file, typed into the field or chosen with Browse. With
// `keepSource` the source stays in place and is overwritten by the decoded file.
void roundTripWithUserKey(const Context& context, Program& program, const std::wstring& source, const Bytes& plain,
                          const KeyChoice& choice, const char* what, const char* shotName, bool keepSource)
{
    const std::wstring folder = source.substr(0, source.find_last_of(L'\\'));
    const std::wstring coded = codedNameOf(source);
    if (!runCoding(context, program, cat("Coding ", what), source, choice)) {
        return;
    }
    expectMessage(program, cat("Coding ", what), informationMessage(context, codingReport(context, coded, choice.path)),
                  shotName);
    const std::set<std::wstring> names{nameOf(source), nameOf(coded)};
    report().check(folderNames(folder) == names && readFile(source) == plain,
                   cat("Coding ", what, " writes only the coded file, and the source is unchanged"),
                   describe(folderNames(folder)));
    const std::optional<Bytes> codedBytes = readFile(coded);
    const std::optional<Bytes> keyBytes = readFile(choice.path);

    if (keepSource) {
        writeFile(source, Bytes(100, 0x55));
    } else {
        DeleteFileW(source.c_str());
    }
    if (!runDecoding(context, program, cat("Decoding ", what), coded, {KeyChoice::Way::unchanged, {}})) {
        return;
    }
    expectMessage(program, cat("Decoding ", what),
                  informationMessage(context, decodingReport(context, source, choice.path)));
    report().check(readFile(source) == plain,
                   keepSource ? cat("the decoded file replaces the file of its name and equals the source")
                              : cat("the decoded file equals the source byte for byte"));
    report().check(readFile(coded) == codedBytes && readFile(choice.path) == keyBytes && folderNames(folder) == names,
                   "the coded file and the user's key file are unchanged, and no temporary file is left",
                   describe(folderNames(folder)));
}

}  // namespace

void checkCodingAndDecoding(Context& context)
{
    const std::wstring folder = context.work + L"\\coding";
    const std::wstring readmeFolder = context.work + L"\\coding-no-extension";
    const std::wstring emptyFolder = context.work + L"\\coding-empty";
    const std::wstring typedFolder = context.work + L"\\user-key-typed";
    const std::wstring browsedFolder = context.work + L"\\user-key-browsed";
    const std::wstring keys = context.work + L"\\my keys";
    const Bytes report1 = sampleBytes(40000, 1);
    const Bytes readme = sampleBytes(3000, 2);
    const Bytes data = sampleBytes(70000, 3);
    const Bytes archive = sampleBytes(20000, 4);
    const bool ready = makeFolder(folder) && makeFolder(readmeFolder) && makeFolder(emptyFolder) &&
                       writeFile(emptyFolder + L"\\empty.txt", {}) && makeFolder(typedFolder) &&
                       makeFolder(browsedFolder) && makeFolder(keys) && writeFile(folder + L"\\report.txt", report1) &&
                       writeFile(readmeFolder + L"\\README", readme) && writeFile(typedFolder + L"\\data.bin", data) &&
                       writeFile(browsedFolder + L"\\archive.tar.gz", archive) &&
                       writeFile(keys + L"\\typed.key", keyFileBytes(21)) &&
                       writeFile(keys + L"\\browsed.key", keyFileBytes(22));
    if (!report().check(ready, "the files to code and two user's key files are ready")) {
        return;
    }
    std::unique_ptr<Program> program = startProgram(context, "Coding and Decoding");
    if (!program) {
        return;
    }
    roundTripWithApplicationKey(context, *program, folder + L"\\report.txt", report1, "report.txt");
    // A file without extension, and an empty file.
    roundTripWithApplicationKey(context, *program, readmeFolder + L"\\README", readme, "README");
    roundTripWithApplicationKey(context, *program, emptyFolder + L"\\empty.txt", {}, "empty.txt");

    // The key file as typed: its name in other letters than on disk, and a lower-case drive letter.
    std::wstring typedKey = keys + L"\\TYPED.KEY";
    typedKey[0] = static_cast<wchar_t>(towlower(typedKey[0]));
    roundTripWithUserKey(context, *program, typedFolder + L"\\data.bin", data, {KeyChoice::Way::typed, typedKey},
                         "with a typed user's key", "coding-done-typed-key", false);
    roundTripWithUserKey(context, *program, browsedFolder + L"\\archive.tar.gz", archive,
                         {KeyChoice::Way::browsed, keys + L"\\browsed.key"}, "with a user's key from Browse",
                         "coding-done-browsed-key", true);
    endProgram(program);
}

}  // namespace guitest
