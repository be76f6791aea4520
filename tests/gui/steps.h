// Steps that many checks share: starting the program, meeting its dialogs and message boxes, ending it.
#pragma once

#include "checks.h"
#include "message_box.h"
#include "program.h"

#include <memory>
#include <string>
#include <string_view>

namespace guitest {

// Starts the copy of the program in the work folder and checks that its main window shows.
std::unique_ptr<Program> startProgram(const Context& context, std::string_view step);
// Ends the program with its Exit button (or, failing that, by force); true when it ended with code 0.
bool endProgram(std::unique_ptr<Program>& program);

// Waits for the open-file dialog after a click and checks its title, file type and owner. `other` is a
// dialog that is open already (the key-file dialog, for Browse).
HWND expectOpenFileDialog(Program& program, std::string_view step, std::string_view title, std::string_view fileType,
                          HWND other = nullptr);
// Waits for the key-file dialog and checks its title and owner.
HWND expectKeyDialog(const Context& context, Program& program, std::string_view step);

struct ExpectedMessage {
    std::string_view caption;
    std::string text;
    BoxIcon icon = BoxIcon::error;
};
ExpectedMessage errorMessage(const Context& context, std::string_view text);
ExpectedMessage warningMessage(const Context& context, std::string_view text);
ExpectedMessage informationMessage(const Context& context, std::string text);

// Waits for a message box owned by the main window, checks caption, text and icon in one check,
// saves a screenshot when a name is given, and presses OK.
bool expectMessage(Program& program, std::string_view step, const ExpectedMessage& expected,
                   std::string_view screenshotName = {});
// Checks that no dialog or message box of the program shows for a while.
bool expectNoMessage(Program& program, std::string_view step, int ms = 700);

// The key file the user chooses in the key-file dialog.
struct KeyChoice {
    enum class Way { applicationKey, typed, browsed, unchanged };
    Way way = Way::applicationKey;
    std::wstring path;
};
// Answers an open key-file dialog with the choice and OK; true when it went as asked.
bool answerKeyDialog(const Context& context, Program& program, HWND dialog, const KeyChoice& choice,
                     std::string_view step);

// Coding or Decoding of one file through the dialogs, up to the message that follows: the open-file
// dialog's title and file type are checked, and the key-file dialog answered.
bool runCoding(const Context& context, Program& program, std::string_view step, const std::wstring& file,
               const KeyChoice& choice);
bool runDecoding(const Context& context, Program& program, std::string_view step, const std::wstring& file,
                 const KeyChoice& choice);
// The same until the open-file dialog has taken the file (refusals come before the key-file dialog).
bool chooseFileToCode(const Context& context, Program& program, std::string_view step, const std::wstring& file);
bool chooseFileToDecode(const Context& context, Program& program, std::string_view step, const std::wstring& file);

// The names that the program's rules (ops/file_names.h) give a coded file beside its source, and the
// application's key file beside a coded file.
std::wstring codedNameOf(const std::wstring& source);
std::wstring keyNameOf(const std::wstring& coded);

}  // namespace guitest
