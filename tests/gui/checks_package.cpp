// The program as it comes out of votrana-VERSION-win64.zip: it starts from the unpacked folder, and Help
// finds the readme of its language beside it (with no program for PDF documents in the prefix, Help then
// says that it could not open it, not that it is missing).
#include "checks.h"
#include "files.h"
#include "report.h"
#include "steps.h"
#include "text.h"

namespace guitest {

void checkPackagedProgram(Context& context)
{
    const std::wstring own = context.japanese ? L"VOTRA_9J.PDF" : L"VOTRA_9E.PDF";
    report().check(fileExists(context.appFolder + L"\\" + own), cat("the unpacked folder holds ", utf8(own)));
    std::unique_ptr<Program> program = startProgram(context, "the unpacked program");
    if (!program) {
        return;
    }
    program->click(help);
    expectMessage(*program, "Help finds the readme beside the unpacked program",
                  errorMessage(context, context.texts->readmeNotOpened), "package-help");
    report().check(endProgram(program), "Exit ends the unpacked program with exit code 0");
}

}  // namespace guitest
