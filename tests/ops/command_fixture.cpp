#include "command_fixture.h"

#include "coding.h"
#include "decoding.h"

#include <numeric>

namespace votrana {

void PrintTo(const Message& message, std::ostream* out)
{
    *out << "{\"" << message.text << "\", \"" << message.caption << "\", icon " << static_cast<int>(message.icon)
         << (message.systemModal ? ", system-modal}" : "}");
}

namespace testing {

Message CommandFixture::shown(Bilingual text, Bilingual caption, MessageIcon icon) const
{
    const bool japanese = state.japaneseUi;
    return Message{japanese ? text.japanese : text.english, japanese ? caption.japanese : caption.english, icon, false};
}

void CommandFixture::code(const std::string& name)
{
    person.choose(folder.path(name));
    person.useApplicationKey();
    outcome = runCoding(platform, state);
}

void CommandFixture::decode(const std::string& name)
{
    person.choose(folder.path(name));
    person.useApplicationKey();
    outcome = runDecoding(platform, state);
}

Bytes keyFileOf(const Bytes& codingHalf, const Bytes& decodingHalf)
{
    Bytes bytes = codingHalf;
    bytes.insert(bytes.end(), decodingHalf.begin(), decodingHalf.end());
    return bytes;
}

Bytes identityKeyFile()
{
    Bytes half(256);
    std::iota(half.begin(), half.end(), 0);
    return keyFileOf(half, half);
}

Bytes sampleText(std::size_t length)
{
    static const std::string words[] = {"key ", "file ", "coded ", "the ", "of ", "data\n", "Votrana ", "-> "};
    Bytes bytes;
    std::uint32_t state = 12345;
    while (bytes.size() < length) {
        state = state * 1103515245 + 12345;
        const std::string& word = words[(state >> 16) % 8];
        bytes.insert(bytes.end(), word.begin(), word.end());
        bytes.push_back(static_cast<std::uint8_t>(state >> 24));
    }
    bytes.resize(length);
    return bytes;
}

}  // namespace testing
}  // namespace votrana
