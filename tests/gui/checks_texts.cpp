// The program's own text tables against the texts it must show (no window needed).
#include "checks.h"
#include "report.h"
#include "text.h"

#include <vector>

namespace guitest {

namespace {

struct Pair {
    const char* name;
    std::string_view expected;
    std::string_view program;
};

}  // namespace

void checkTextTables(Context& context)
{
    const ExpectedTexts& expected = *context.texts;
    const votrana::Texts& program = *context.programTexts;
    const votrana::AppTexts& app = *context.programAppTexts;
    const std::vector<Pair> pairs{
        {"window title", expected.windowTitle, app.windowTitle},
        {"label Coding", expected.labels[0], app.labels[0]},
        {"label Decoding", expected.labels[1], app.labels[1]},
        {"label About", expected.labels[2], app.labels[2]},
        {"label Help", expected.labels[3], app.labels[3]},
        {"label Exit", expected.labels[4], app.labels[4]},
        {"readme missing", expected.readmeMissing, app.readmeMissing},
        {"readme not opened", expected.readmeNotOpened, app.readmeNotOpened},
        {"progress of Coding", expected.workStages[0], app.workStages[0]},
        {"progress of Decompressing", expected.workStages[1], app.workStages[1]},
        {"progress of Decoding", expected.workStages[2], app.workStages[2]},
        {"title of Coding's open-file dialog", expected.codeFileTitle, program.codeFileTitle},
        {"title of Decoding's open-file dialog", expected.decodeFileTitle, program.decodeFileTitle},
        {"title of the Browse dialog", expected.browseKeyTitle, program.browseKeyTitle},
        {"title of the key-file dialog", expected.keyDialogTitle, program.keyDialogTitle},
        {"file type All Files", expected.allFilesFilter, program.allFilesFilter},
        {"file type Coded Files", expected.codedFilesFilter, program.codedFilesFilter},
        {"file type Key Files", expected.keyFilesFilter, program.keyFilesFilter},
        {"caption Error", expected.errorCaption, program.errorCaption},
        {"caption Warning", expected.warningCaption, program.warningCaption},
        {"caption Information", expected.informationCaption, program.informationCaption},
        {"caption System Error", expected.systemErrorCaption, program.systemErrorCaption},
        {"program itself", expected.programItself, program.programItself},
        {"no assigned file", expected.noAssignedFile, program.noAssignedFile},
        {"not on a fixed disk", expected.notOnFixedDisk, program.notOnFixedDisk},
        {"cannot create a key file", expected.cannotCreateKeyFile, program.cannotCreateKeyFile},
        {"user's key file not found", expected.userKeyFileNotFound, program.userKeyFileNotFound},
        {"application's key file not found", expected.defaultKeyFileNotFound, program.defaultKeyFileNotFound},
        {"cannot open a key file", expected.cannotOpenKeyFile, program.cannotOpenKeyFile},
        {"not a correct key file", expected.incorrectKeyFile, program.incorrectKeyFile},
        {"cannot create a coded file", expected.cannotCreateCodedFile, program.cannotCreateCodedFile},
        {"cannot create a decompressed file", expected.cannotCreateDecompressedFile,
         program.cannotCreateDecompressedFile},
        {"cannot create a decoded file", expected.cannotCreateDecodedFile, program.cannotCreateDecodedFile},
        {"coding done", expected.codingDone, program.codingDone},
        {"decoding done", expected.decodingDone, program.decodingDone},
        {"key file line", expected.keyFileLabel, program.keyFileLabel},
    };
    std::string differing;
    for (const Pair& pair : pairs) {
        if (pair.expected != pair.program) {
            differing += cat(differing.empty() ? "" : "; ", pair.name, ": program has '", printable(pair.program),
                             "', expected '", printable(pair.expected), "'");
        }
    }
    report().check(differing.empty(), cat("the program's ", pairs.size(), " texts are the expected ones"), differing);
    // Texts the program adds for failures that have no given wording: present in both languages.
    const votrana::Texts& other = votrana::textsFor(!context.japanese);
    const bool ownTexts = !program.damagedCodedFile.empty() && !program.readWriteFailed.empty() &&
                          program.damagedCodedFile != other.damagedCodedFile &&
                          program.readWriteFailed != other.readWriteFailed;
    report().check(ownTexts, "the program's own failure texts (damaged file, read or write) exist in this language",
                   cat("'", printable(program.damagedCodedFile), "', '", printable(program.readWriteFailed), "'"));
}

}  // namespace guitest
