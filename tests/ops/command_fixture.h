// A scripted person and a real temporary folder, to drive the Coding and Decoding commands.
#pragma once

#include "command_outcome.h"
#include "faulty_machine.h"
#include "operations_state.h"
#include "scripted_person.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <ostream>

namespace votrana {

void PrintTo(const Message& message, std::ostream* out);

namespace testing {

// A text of the program in its two languages.
struct Bilingual {
    const char* english;
    const char* japanese;
};

class CommandFixture : public ::testing::Test {
protected:
    // A message as the commands show it, in the language of `state`.
    Message error(Bilingual text) const { return shown(text, {"Error", "エラー"}, MessageIcon::error); }
    Message warning(Bilingual text) const { return shown(text, {"Warning", "警告"}, MessageIcon::warning); }
    Message shown(Bilingual text, Bilingual caption, MessageIcon icon) const;

    void code(const std::string& name);    // Coding of the file `name` with the application's key
    void decode(const std::string& name);  // Decoding of `name` with the application's key
    bool succeeded() const { return outcome == CommandOutcome::done; }

    TempFolder folder;
    ScriptedPerson person;
    FaultyMachine machine;
    Platform platform{person, machine};
    OperationsState state;
    CommandOutcome outcome = CommandOutcome::done;
};

// The bytes of a key file: the identity in both halves unless given.
Bytes keyFileOf(const Bytes& codingHalf, const Bytes& decodingHalf);
Bytes identityKeyFile();
// Varied text of `length` bytes that runs past the codec's blocks and fills its dictionary.
Bytes sampleText(std::size_t length);

}  // namespace testing
}  // namespace votrana
