#include "progress_pacing.h"

namespace votrana {

bool progressWindowDue(const PassTiming& pass)
{
    if (pass.workingMs < progressWindowDelayMs || pass.done >= pass.total) {
        return false;
    }
    if (pass.done == 0) {
        return true;
    }
    const double restMs =
        static_cast<double>(pass.passMs) * static_cast<double>(pass.total - pass.done) / static_cast<double>(pass.done);
    return restMs >= static_cast<double>(progressWindowDelayMs);
}

}  // namespace votrana
