// Tells the person, in the UI language, with the caption and icon that go with each kind of message.
#pragma once

#include "platform.h"
#include "texts.h"

#include <string_view>

namespace votrana {

class Notifier {
public:
    Notifier(Person& person, const Texts& texts) : person_(person), texts_(texts) {}

    const Texts& texts() const { return texts_; }

    void error(std::string_view text) { show(text, texts_.errorCaption, MessageIcon::error); }
    void warning(std::string_view text) { show(text, texts_.warningCaption, MessageIcon::warning); }
    void information(std::string_view text) { show(text, texts_.informationCaption, MessageIcon::information); }
    void systemError(std::string_view text)
    {
        person_.showMessage(
            Message{std::string(text), std::string(texts_.systemErrorCaption), MessageIcon::error, true});
    }

private:
    void show(std::string_view text, std::string_view caption, MessageIcon icon)
    {
        person_.showMessage(Message{std::string(text), std::string(caption), icon, false});
    }

    Person& person_;
    const Texts& texts_;
};

}  // namespace votrana
