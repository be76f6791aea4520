#include "report.h"

#include "text.h"

#include <windows.h>

#include <cstdio>

namespace guitest {

namespace {

const ULONGLONG startTick = GetTickCount64();

}  // namespace

unsigned long long elapsedMs()
{
    return GetTickCount64() - startTick;
}

Report& report()
{
    static Report theReport;
    return theReport;
}

void Report::print(std::string_view line) const
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Report::group(std::string_view name)
{
    group_ = name;
    print(cat("== ", name, " (", elapsedMs(), " ms)"));
}

bool Report::check(bool ok, std::string_view what, std::string_view detail)
{
    ++(ok ? passed_ : failed_);
    std::string line = cat(ok ? "PASS " : "FAIL ", group_, ": ", what);
    if (!detail.empty()) {
        line += cat(" :: ", detail);
    }
    print(line);
    return ok;
}

void Report::skip(std::string_view what, std::string_view why)
{
    ++skipped_;
    print(cat("SKIP ", group_, ": ", what, " :: ", why));
}

void Report::note(std::string_view text)
{
    print(cat("     ", text));
}

void Report::summary() const
{
    if (skipped_ > 0) {
        print(cat(skipped_, " skipped (not possible on this machine)"));
    }
    print(cat(passed_, " passed, ", failed_, " failed"));
}

}  // namespace guitest
