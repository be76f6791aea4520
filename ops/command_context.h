// What a command works with: the person and the machine, the state kept between commands, and the
// texts of the UI language. The Coding and Decoding commands each derive from it.
#pragma once

#include "notifier.h"
#include "operations_state.h"
#include "platform.h"
#include "texts.h"

namespace votrana {

class CommandContext {
public:
    CommandContext(Platform& platform, OperationsState& state)
        : person_(platform.person),
          machine_(platform.machine),
          platform_(platform),
          state_(state),
          notifier_(platform.person, textsFor(state.japaneseUi)),
          texts_(notifier_.texts()),
          style_(machine_.pathStyle())
    {
    }

protected:
    Person& person_;
    Machine& machine_;
    Platform& platform_;
    OperationsState& state_;
    Notifier notifier_;
    const Texts& texts_;
    PathStyle style_;
};

}  // namespace votrana
