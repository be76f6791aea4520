#include "disk_checks.h"
#include "faulty_machine.h"

#include <gtest/gtest.h>

namespace votrana {
namespace {

TEST(FreeSpace, NeedsTheLengthAnd1000BytesIn64Bits)
{
    testing::FaultyMachine machine;
    constexpr std::uint64_t fiveGiB = std::uint64_t{5} << 30;
    machine.freeBytes = fiveGiB + 1000;
    EXPECT_TRUE(hasEnoughFreeSpace(machine, "/", fiveGiB));
    EXPECT_FALSE(hasEnoughFreeSpace(machine, "/", fiveGiB + 1));
    machine.freeBytes = 999;
    EXPECT_FALSE(hasEnoughFreeSpace(machine, "/", 0));
    machine.freeBytes = UINT64_MAX;
    EXPECT_FALSE(hasEnoughFreeSpace(machine, "/", UINT64_MAX - 999));
    EXPECT_TRUE(hasEnoughFreeSpace(machine, "/", UINT64_MAX - 1000));
    // A drive that cannot tell its free space leaves the judgement to the checked writes.
    machine.freeBytes.reset();
    EXPECT_TRUE(hasEnoughFreeSpace(machine, "", fiveGiB));
}

}  // namespace
}  // namespace votrana
