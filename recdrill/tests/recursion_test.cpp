#include <climits>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "list/list.h"
#include "recdrill/recursion.h"
#include "testing/list_support.h"

namespace {

// One table row: a chain and what a function of its first node gives for it.
struct ChainCase {
    Chain chain;
    int expected;
};

struct RecursiveFunctionCases {
    const char* name;
    int (*function)(const No*);
    std::vector<ChainCase> cases;
};

void PrintTo(const RecursiveFunctionCases& f, std::ostream* os) { *os << f.name; }

class RecursiveFunctionTest : public testing::TestWithParam<RecursiveFunctionCases> {};

TEST_P(RecursiveFunctionTest, AnswersAndLeavesTheChainAsItWas) {
    const RecursiveFunctionCases& f = GetParam();
    for (const ChainCase& c : f.cases) {
        TestList list(c.chain);
        const std::vector<const No*> nodes = Nodes(list.l);

        EXPECT_EQ(f.function(list.l.inicio), c.expected)
            << f.name << " of " << testing::PrintToString(c.chain);
        EXPECT_EQ(Values(list.l), c.chain);
        EXPECT_EQ(Nodes(list.l), nodes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Recursion, RecursiveFunctionTest,
    testing::Values(
        RecursiveFunctionCases{
            "NumVal", NumVal, {{{}, 0}, {{7}, 1}, {{4, 5, 6}, 3}, {Chain(5000, 1), 5000}}},
        RecursiveFunctionCases{"Produto",
                               Produto,
                               {{{}, 1},
                                {{9}, 9},
                                {{INT_MAX}, INT_MAX},
                                {{INT_MIN}, INT_MIN},
                                {{2, -3, 4}, -24},
                                {{5, 0, 7}, 0},
                                {{0, INT_MAX, INT_MAX}, 0},
                                {{INT_MAX, 0, INT_MAX}, 0},
                                {{-1, -1, -1}, -1},
                                {{46340, 46340}, 2147395600},  // the largest square that fits
                                // Past 32 bits: the low 32 bits, as a two's-complement int.
                                {{50000, 50000}, -1794967296},   // 2500000000 - 2^32
                                {{100000, 100000}, 1410065408},  // 10^10 - 2 * 2^32
                                {{65536, 65536}, 0},             // 2^32
                                {{INT_MIN, -1}, INT_MIN},        // 2^31
                                {{INT_MAX, INT_MAX}, 1},         // 2^62 - 2^32 + 1
                                // 13! = 6227020800, less 2^32
                                {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, 1932053504}}},
        RecursiveFunctionCases{"Maior",
                               Maior,
                               {{{}, SEM_VALOR},
                                {{3}, 3},
                                {{-7, -2, -9}, -2},
                                {{9, 1, 4}, 9},
                                {{1, 4, 9}, 9},
                                {{4, 9, 9, 2}, 9},
                                {{INT_MIN, INT_MAX}, INT_MAX},
                                {{SEM_VALOR + 1, INT_MIN}, SEM_VALOR + 1},
                                // Values of SEM_VALOR or less cannot beat the empty chain's answer.
                                {{INT_MIN, SEM_VALOR - 1}, SEM_VALOR}}}),
    [](const testing::TestParamInfo<RecursiveFunctionCases>& info) { return info.param.name; });

}  // namespace
