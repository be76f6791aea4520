#include "disk_checks.h"
#include "faulty_machine.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

// In 64 bits; a drive that cannot tell its free space leaves the judgement to the checked writes.
TEST(FreeSpace, NeedsTheLengthAndTheMargin)
{
    testing::FaultyMachine machine;
    constexpr std::uint64_t fiveGiB = std::uint64_t{5} << 30;
    machine.freeBytes = fiveGiB + freeSpaceMargin;
    EXPECT_TRUE(hasEnoughFreeSpace(machine, "/", fiveGiB));
    EXPECT_FALSE(hasEnoughFreeSpace(machine, "/", fiveGiB + 1));
    machine.freeBytes.reset();
    EXPECT_TRUE(hasEnoughFreeSpace(machine, "", fiveGiB));
}

}  // namespace
}  // namespace votrana
