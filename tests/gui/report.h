// The driver's log: one line per check, and the closing summary "N passed, N failed".
#pragma once

#include <string>
#include <string_view>

namespace guitest {

class Report {
public:
    // Starts a group of checks; its name prefixes the lines that follow.
    void group(std::string_view name);
    // Counts and prints one check. Returns `ok`.
    bool check(bool ok, std::string_view what, std::string_view detail = {});
    // A check that this machine cannot make (printed, counted apart, never a failure).
    void skip(std::string_view what, std::string_view why);
    // A line of information: timings, what was found.
    void note(std::string_view text);
    // The closing lines; the last is exactly "N passed, N failed".
    void summary() const;

    int passed() const { return passed_; }
    int failed() const { return failed_; }

private:
    void print(std::string_view line) const;
    std::string group_;
    int passed_ = 0;
    int failed_ = 0;
    int skipped_ = 0;
};

Report& report();

// Milliseconds since the driver started.
unsigned long long elapsedMs();

}  // namespace guitest
