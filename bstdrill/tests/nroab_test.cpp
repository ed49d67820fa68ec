#include <gtest/gtest.h>

#include "bstdrill/nroab.h"

namespace {

// The number of binary search trees on n keys, n = 0 to 19 (the Catalan numbers).
// 19 keys give the largest count that fits in a signed 32-bit int.
constexpr int kCounts[] = {1,       1,       2,        5,         14,        42,        132,
                           429,     1430,    4862,     16796,     58786,     208012,    742900,
                           2674440, 9694845, 35357670, 129644790, 477638700, 1767263190};

TEST(NroAB, CountsTheTreesOnUpToFourteenKeys) {
    for (int n = 0; n <= 14; n++) {
        EXPECT_EQ(NroAB(n), kCounts[n]) << "n = " << n;
    }
}

TEST(NroAB, NegativeKeyCountsGiveZero) {
    for (int n : {-1, -2, -19}) {
        EXPECT_EQ(NroAB(n), 0) << "n = " << n;
    }
}

// 3^n calls each: about 1.7 * 10^9 calls in all for 15 to 19 keys.
TEST(NroABManyKeys, CountsTheTreesOnFifteenToNineteenKeys) {
    for (int n = 15; n <= 19; n++) {
        EXPECT_EQ(NroAB(n), kCounts[n]) << "n = " << n;
    }
}

// 20 keys give 6564120420 trees, the first count past int's range: the result
// is its low 32 bits, 6564120420 - 2^32 = 2269153124, read as an int.
// 3.5 * 10^9 calls.
TEST(NroABManyKeys, TwentyKeysGiveTheLowThirtyTwoBitsOfTheCount) {
    EXPECT_EQ(NroAB(20), 2269153124LL - 4294967296LL);
}

}  // namespace
