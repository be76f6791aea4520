#include "progress_pacing.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

TEST(ProgressPacing, TheWindowComesAfterHalfASecondUnlessTheEndIsNear)
{
    struct Case {
        PassTiming pass;
        bool due;
    };
    const Case cases[] = {
        {{10, 100, 499, 499}, false},   // not yet half a second
        {{10, 100, 500, 500}, true},    // half a second, most of it to go
        {{50, 100, 500, 500}, true},    // as long again to go
        {{60, 100, 500, 500}, false},   // the end is near
        {{10, 100, 600, 50}, false},    // a pass that began late and goes fast
        {{10, 100, 600, 60}, true},     // one that goes a little slower
        {{0, 100, 600, 600}, true},     // nothing read yet: no pace to judge by
        {{100, 100, 900, 900}, false},  // the pass is over (flushing, placing)
        {{0, 0, 900, 900}, false},      // an empty file
    };
    for (const Case& c : cases) {
        EXPECT_EQ(progressWindowDue(c.pass), c.due)
            << c.pass.done << "/" << c.pass.total << " after " << c.pass.workingMs << " ms, pass " << c.pass.passMs;
    }
}

}  // namespace
}  // namespace votrana
