// The refusals, each with its text, caption and icon, and what it leaves on disk: the program's own file,
// a missing file, user's key files that are not key files, a key for Coding only used to decode, a missing
// application's key, damaged coded files, a read-only key file in the new key's place, a folder in the
// decoded file's place, and a folder where nothing can be written.
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

// The folder as it was: the same names, and the files given unchanged.
bool unchanged(const std::wstring& folder, const std::set<std::wstring>& names,
               const std::vector<std::pair<std::wstring, Bytes>>& files, std::string& detail)
{
    bool same = folderNames(folder) == names;
    for (const auto& [path, bytes] : files) {
        same = same && readFile(path) == bytes;
    }
    detail = describe(folderNames(folder));
    return same;
}

struct Snapshot {
    std::wstring folder;
    std::set<std::wstring> names;
    std::vector<std::pair<std::wstring, Bytes>> files;
};

Snapshot snapshot(const std::wstring& folder)
{
    Snapshot result{folder, folderNames(folder), {}};
    for (const std::wstring& name : result.names) {
        const std::wstring path = folder + L"\\" + name;
        if (std::optional<Bytes> bytes = readFile(path)) {
            result.files.emplace_back(path, std::move(*bytes));
        }
    }
    return result;
}

void checkUnchanged(const Snapshot& before, std::string_view step, std::string_view what)
{
    // The command removes its temporary files as it ends, on its own thread, after its message has gone.
    std::string detail;
    const bool same =
        waitUntil([&] { return unchanged(before.folder, before.names, before.files, detail); }, windowWaitMs);
    report().check(same, cat(step, ": ", what), detail);
}

// Codes a file with the application's key or a user's key, for the refusals of Decoding.
bool codeForLater(const Context& context, Program& program, const std::wstring& source, const KeyChoice& choice)
{
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = choice.way == KeyChoice::Way::applicationKey ? keyNameOf(coded) : choice.path;
    return runCoding(context, program, cat("Coding ", utf8(source.substr(source.find_last_of(L'\\') + 1))), source,
                     choice) &&
           expectMessage(program, "Coding a file for a later refusal",
                         informationMessage(context, cat(context.texts->codingDone, utf8(coded),
                                                         context.texts->keyFileLabel, utf8(key))));
}

void refuseProgramItself(const Context& context, Program& program)
{
    const Snapshot before = snapshot(context.appFolder);
    for (const std::wstring& name : {std::wstring(L"votra_95.exe"), std::wstring(L"Votra_95.Exe")}) {
        const std::string step = cat("Coding the program itself as ", utf8(name));
        if (chooseFileToCode(context, program, step, context.appFolder + L"\\" + name)) {
            expectMessage(program, step, errorMessage(context, context.texts->programItself),
                          name == L"votra_95.exe" ? "refusal-program-itself" : "");
        }
    }
    checkUnchanged(before, "the program itself", "nothing is written beside the program");
}

void refuseMissingFiles(const Context& context, Program& program, const std::wstring& folder)
{
    const Snapshot before = snapshot(folder);
    if (chooseFileToCode(context, program, "Coding a missing file", folder + L"\\missing.txt")) {
        expectMessage(program, "Coding a missing file", errorMessage(context, context.texts->noAssignedFile),
                      "refusal-missing-file");
    }
    if (chooseFileToDecode(context, program, "Decoding a missing file", folder + L"\\missing_txt.___")) {
        expectMessage(program, "Decoding a missing file", errorMessage(context, context.texts->noAssignedFile));
    }
    checkUnchanged(before, "missing files", "nothing is written");
}

void refuseWrongUserKeys(const Context& context, Program& program, const std::wstring& folder)
{
    const std::wstring source = folder + L"\\plain.txt";
    const Bytes valid = keyFileBytes(31);
    Bytes longer = valid;
    longer.push_back(0);
    Bytes firstHalfBroken = valid;
    firstHalfBroken[0] = firstHalfBroken[1];
    // What the field names: a file with these bytes, nothing, a folder, or nothing at all (an empty field).
    enum class Named { file, nothing, folder, emptyField };
    struct WrongKey {
        const char* what;
        Named named;
        Bytes bytes;
        std::string_view message;
    };
    const WrongKey keys[] = {
        {"a user's key file of 511 bytes", Named::file, Bytes(valid.begin(), valid.end() - 1),
         context.texts->incorrectKeyFile},
        {"a user's key file of 513 bytes", Named::file, longer, context.texts->incorrectKeyFile},
        {"a user's key file whose first half is no table", Named::file, firstHalfBroken,
         context.texts->incorrectKeyFile},
        {"a user's key file that does not exist", Named::nothing, {}, context.texts->userKeyFileNotFound},
        {"a folder as the user's key file", Named::folder, {}, context.texts->cannotOpenKeyFile},
        {"an empty field for the user's key file", Named::emptyField, {}, context.texts->userKeyFileNotFound},
    };
    int serial = 0;
    for (const WrongKey& key : keys) {
        const std::wstring path = key.named == Named::emptyField
                                      ? std::wstring()
                                      : context.work + L"\\wrong keys\\key" + wide(cat(++serial)) + L".key";
        if (key.named == Named::file) {
            writeFile(path, key.bytes);
        } else if (key.named == Named::folder) {
            makeFolder(path);
        }
        const Snapshot before = snapshot(folder);
        const std::string step = cat("Coding with ", key.what);
        if (runCoding(context, program, step, source, {KeyChoice::Way::typed, path})) {
            expectMessage(program, step, errorMessage(context, key.message), serial == 1 ? "refusal-key-511" : "");
        }
        checkUnchanged(before, step, "nothing is written");
    }
}

void refuseKeyForCodingOnly(const Context& context, Program& program, const std::wstring& folder)
{
    const std::wstring source = folder + L"\\half.txt";
    const std::wstring coded = codedNameOf(source);
    Bytes codingOnly = keyFileBytes(41);
    std::fill(codingOnly.begin() + 256, codingOnly.end(), std::uint8_t{0});
    const std::wstring key = context.work + L"\\wrong keys\\coding only.key";
    if (!writeFile(key, codingOnly) || !codeForLater(context, program, source, {KeyChoice::Way::typed, key})) {
        report().check(false, "a key file valid for Coding only codes a file");
        return;
    }
    DeleteFileW(source.c_str());
    const Snapshot before = snapshot(folder);
    const std::string step = "Decoding with a key file valid for Coding only";
    if (runDecoding(context, program, step, coded, {KeyChoice::Way::unchanged, {}})) {
        expectMessage(program, step, errorMessage(context, context.texts->incorrectKeyFile));
    }
    checkUnchanged(before, step, "the coded file is unchanged; no decoded or temporary file");
}

void refuseMissingApplicationKey(const Context& context, Program& program, const std::wstring& folder)
{
    const std::wstring source = folder + L"\\lost.txt";
    const std::wstring coded = codedNameOf(source);
    if (!codeForLater(context, program, source, {KeyChoice::Way::applicationKey, {}})) {
        return;
    }
    DeleteFileW(keyNameOf(coded).c_str());
    DeleteFileW(source.c_str());
    const Snapshot before = snapshot(folder);
    const std::string step = "Decoding without the application's key file";
    if (runDecoding(context, program, step, coded, {KeyChoice::Way::applicationKey, {}})) {
        expectMessage(program, step, errorMessage(context, context.texts->defaultKeyFileNotFound),
                      "refusal-no-application-key");
    }
    checkUnchanged(before, step, "the coded file is unchanged; no decoded or temporary file");
}

void refuseDamagedFiles(const Context& context, Program& program, const std::wstring& folder)
{
    const std::wstring source = folder + L"\\damaged.txt";
    const std::wstring coded = codedNameOf(source);
    if (!codeForLater(context, program, source, {KeyChoice::Way::applicationKey, {}})) {
        return;
    }
    DeleteFileW(source.c_str());
    // Cut in half: the stream ends before its end code.
    const std::optional<Bytes> whole = readFile(coded);
    writeFile(coded, Bytes(whole->begin(), whole->begin() + static_cast<std::ptrdiff_t>(whole->size() / 2)));
    // Zero bytes: literal codes, and the end code never comes.
    writeFile(folder + L"\\zeros_bin.___", Bytes(4000, 0x00));
    // A whole stream with a byte after it.
    Bytes appended = *whole;
    appended.push_back(0x00);
    writeFile(folder + L"\\appended_bin.___", appended);
    const Snapshot before = snapshot(folder);
    for (const std::wstring& damaged : {coded, folder + L"\\zeros_bin.___", folder + L"\\appended_bin.___"}) {
        const std::string step = cat("Decoding the damaged ", utf8(damaged.substr(damaged.find_last_of(L'\\') + 1)));
        // The program's own words: no wording is given for a damaged file.
        if (chooseFileToDecode(context, program, step, damaged)) {
            expectMessage(program, step, errorMessage(context, context.programTexts->damagedCodedFile),
                          damaged == coded ? "refusal-damaged" : "");
        }
    }
    checkUnchanged(before, "damaged coded files", "the coded files are unchanged; no decoded or temporary file");
}

void refuseReadOnlyKey(const Context& context, Program& program, const std::wstring& folder)
{
    const std::wstring source = folder + L"\\held.txt";
    const std::wstring key = keyNameOf(codedNameOf(source));
    if (!codeForLater(context, program, source, {KeyChoice::Way::applicationKey, {}})) {
        return;
    }
    SetFileAttributesW(key.c_str(), FILE_ATTRIBUTE_READONLY);
    const Snapshot before = snapshot(folder);
    const std::string step = "Coding again where the key file is read-only";
    if (runCoding(context, program, step, source, {KeyChoice::Way::applicationKey, {}})) {
        expectMessage(program, step, errorMessage(context, context.texts->cannotCreateKeyFile),
                      "refusal-read-only-key");
    }
    checkUnchanged(before, step, "the earlier coded file and key file are unchanged; no temporary file");
    SetFileAttributesW(key.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void refuseFolderInTheWay(const Context& context, Program& program, const std::wstring& folder)
{
    const std::wstring source = folder + L"\\blocked.txt";
    const std::wstring coded = codedNameOf(source);
    if (!codeForLater(context, program, source, {KeyChoice::Way::applicationKey, {}})) {
        return;
    }
    DeleteFileW(source.c_str());
    makeFolder(source);
    const Snapshot before = snapshot(folder);
    const std::string step = "Decoding where a folder has the decoded file's name";
    if (runDecoding(context, program, step, coded, {KeyChoice::Way::applicationKey, {}})) {
        expectMessage(program, step, errorMessage(context, context.texts->cannotCreateDecodedFile));
    }
    checkUnchanged(before, step, "the coded file is unchanged; no temporary file");
}

void refuseLockedFolder(const Context& context, Program& program)
{
    const std::wstring relative = L"work\\locked";
    const std::wstring folder = context.folder + L"\\" + relative;
    const std::wstring source = folder + L"\\locked.txt";
    const std::wstring coded = codedNameOf(source);
    const std::wstring key = context.work + L"\\wrong keys\\good.key";
    if (!makeFolder(folder) || !writeFile(source, sampleBytes(8000, 51)) || !writeFile(key, keyFileBytes(52)) ||
        !codeForLater(context, program, source, {KeyChoice::Way::applicationKey, {}})) {
        report().check(false, "a coded file in the folder to lock");
        return;
    }
    const LockOutcome lock = lockFolder(relative);
    if (lock != LockOutcome::locked) {
        const char* why = lock == LockOutcome::unsupported
                              ? "this machine cannot make a folder unwritable for the driver"
                              : "no script answered the request to lock a folder";
        report().skip("Coding and Decoding in a folder where nothing can be written", why);
        return;
    }
    const Snapshot before = snapshot(folder);
    const std::string appKeyStep = "Coding in a folder where nothing can be written, with the application's key";
    if (runCoding(context, program, appKeyStep, source, {KeyChoice::Way::applicationKey, {}})) {
        expectMessage(program, appKeyStep, errorMessage(context, context.texts->cannotCreateKeyFile),
                      "refusal-locked-folder");
    }
    const std::string userKeyStep = "Coding in a folder where nothing can be written, with a user's key";
    if (runCoding(context, program, userKeyStep, source, {KeyChoice::Way::typed, key})) {
        expectMessage(program, userKeyStep, errorMessage(context, context.texts->cannotCreateCodedFile));
    }
    const std::string decodingStep = "Decoding in a folder where nothing can be written";
    if (chooseFileToDecode(context, program, decodingStep, coded)) {
        expectMessage(program, decodingStep, errorMessage(context, context.texts->cannotCreateDecompressedFile));
    }
    checkUnchanged(before, "a folder where nothing can be written", "nothing in it changes");
    unlockFolder(relative);
}

}  // namespace

void checkRefusals(Context& context)
{
    const std::wstring folder = context.work + L"\\refusals";
    const bool ready = makeFolder(folder) && makeFolder(context.work + L"\\wrong keys") &&
                       writeFile(folder + L"\\plain.txt", sampleBytes(6000, 61)) &&
                       writeFile(folder + L"\\half.txt", sampleBytes(6000, 62)) &&
                       writeFile(folder + L"\\lost.txt", sampleBytes(6000, 63)) &&
                       writeFile(folder + L"\\damaged.txt", sampleBytes(60000, 64)) &&
                       writeFile(folder + L"\\held.txt", sampleBytes(6000, 65)) &&
                       writeFile(folder + L"\\blocked.txt", sampleBytes(6000, 66));
    if (!report().check(ready, "the files for the refusals are ready")) {
        return;
    }
    std::unique_ptr<Program> program = startProgram(context, "refusals");
    if (!program) {
        return;
    }
    refuseProgramItself(context, *program);
    refuseMissingFiles(context, *program, folder);
    refuseWrongUserKeys(context, *program, folder);
    refuseKeyForCodingOnly(context, *program, folder);
    refuseMissingApplicationKey(context, *program, folder);
    refuseDamagedFiles(context, *program, folder);
    refuseReadOnlyKey(context, *program, folder);
    refuseFolderInTheWay(context, *program, folder);
    refuseLockedFolder(context, *program);
    endProgram(program);
}

}  // namespace guitest
