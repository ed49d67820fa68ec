#include <algorithm>
#include <climits>
#include <cmath>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "list/list.h"
#include "listdrill/ex3.h"
#include "testing/list_support.h"

namespace {

// One table row: a chain and what a function of one list gives for it.
struct IntCase {
    Chain chain;
    int expected;
};

struct IntFunctionCases {
    const char* name;
    int (*function)(ListaLinearEnc);
    std::vector<IntCase> cases;
};

void PrintTo(const IntFunctionCases& f, std::ostream* os) { *os << f.name; }

class IntFunctionTest : public testing::TestWithParam<IntFunctionCases> {};

TEST_P(IntFunctionTest, AnswersAndLeavesTheListAsItWas) {
    const IntFunctionCases& f = GetParam();
    for (const IntCase& c : f.cases) {
        TestList list(c.chain);
        const ListaLinearEnc before = list.l;
        const std::vector<const No*> nodes = Nodes(list.l);

        EXPECT_EQ(f.function(list.l), c.expected)
            << f.name << " of " << testing::PrintToString(c.chain);
        EXPECT_EQ(Values(list.l), c.chain);
        EXPECT_EQ(Nodes(list.l), nodes);
        EXPECT_EQ(list.l.nElementos, before.nElementos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, IntFunctionTest,
    testing::Values(
        IntFunctionCases{
            "Ex3a",  // values greater than 0
            Ex3a,
            {{{}, 0}, {{3, 0, -2, 5}, 2}, {{0, -1, INT_MIN}, 0}, {{INT_MAX, 1, 1}, 3}}},
        IntFunctionCases{"Ex3b",  // the largest value
                         Ex3b,
                         {{{}, SEM_VALOR},
                          {{-5, -3}, -3},
                          {{1, INT_MAX, 3}, INT_MAX},
                          {{4, 9, 9, 2}, 9},
                          {{SEM_VALOR}, SEM_VALOR},
                          {{INT_MIN, SEM_VALOR - 1}, SEM_VALOR},
                          {{INT_MIN, SEM_VALOR + 1}, SEM_VALOR + 1}}},
        IntFunctionCases{"Ex3c",  // the last value
                         Ex3c,
                         {{{}, SEM_VALOR}, {{8}, 8}, {{6, 7, 4, 5}, 5}, {{1, INT_MIN}, INT_MIN}}},
        IntFunctionCases{"Ex3f",  // 1 when the values never decrease
                         Ex3f,
                         {{{}, 1},
                          {{7}, 1},
                          {{1, 2, 2, 3}, 1},
                          {{5, 5, 5}, 1},
                          {{INT_MIN, 0, INT_MAX}, 1},
                          {{1, 3, 2}, 0},
                          {{2, 1}, 0},
                          {{1, 2, 3, 4, 0}, 0}}}),
    [](const testing::TestParamInfo<IntFunctionCases>& info) { return info.param.name; });

// Both versions of the k-th value from the end, side by side.
struct KthCase {
    Chain chain;
    int k;
    int ver1;
    int ver2;
};

void PrintTo(const KthCase& c, std::ostream* os) {
    *os << "k " << c.k << " of " << testing::PrintToString(c.chain);
}

class KthFromEndTest : public testing::TestWithParam<KthCase> {};

TEST_P(KthFromEndTest, BothVersions) {
    const KthCase& c = GetParam();
    TestList list(c.chain);
    EXPECT_EQ(Ex3dver1(list.l, c.k), c.ver1);
    EXPECT_EQ(Ex3dver2(list.l, c.k), c.ver2);
    EXPECT_EQ(Values(list.l), c.chain);
}

const Chain kFour = {6, 7, 4, 5};

INSTANTIATE_TEST_SUITE_P(InRange, KthFromEndTest,
                         testing::Values(KthCase{kFour, 1, 5, 5}, KthCase{kFour, 2, 4, 4},
                                         KthCase{kFour, 3, 7, 7}, KthCase{kFour, 4, 6, 6},
                                         KthCase{{9}, 1, 9, 9}));

// Outside 1 to the number of nodes: version 1 walks by the count, so k = 0
// runs off the end and k past the count stays at the front; version 2 has no
// answer there. Neither walks past the last node.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, KthFromEndTest,
    testing::Values(KthCase{kFour, 0, SEM_VALOR, SEM_VALOR}, KthCase{kFour, 5, 6, SEM_VALOR},
                    KthCase{kFour, 9, 6, SEM_VALOR}, KthCase{kFour, INT_MAX, 6, SEM_VALOR},
                    KthCase{kFour, -1, SEM_VALOR, SEM_VALOR},
                    KthCase{kFour, INT_MIN, SEM_VALOR, SEM_VALOR},
                    KthCase{{}, 0, SEM_VALOR, SEM_VALOR}, KthCase{{}, 1, SEM_VALOR, SEM_VALOR},
                    KthCase{{}, -1, SEM_VALOR, SEM_VALOR}));

TEST(Ex3dver1, StopsAtTheEndWhenTheCountOverstatesTheChain) {
    TestList list{6, 7};
    ListaLinearEnc stale = list.l;
    stale.nElementos = 10;
    EXPECT_EQ(Ex3dver1(stale, 1), SEM_VALOR);
    EXPECT_EQ(Ex3dver1(stale, 9), 7);
}

struct MeanCase {
    Chain chain;
    double mean;
};

void PrintTo(const MeanCase& c, std::ostream* os) { *os << testing::PrintToString(c.chain); }

class Ex3gTest : public testing::TestWithParam<MeanCase> {};

TEST_P(Ex3gTest, AddsInDoublePrecision) {
    const MeanCase& c = GetParam();
    TestList list(c.chain);
    EXPECT_DOUBLE_EQ(Ex3g(list.l), c.mean);
}

INSTANTIATE_TEST_SUITE_P(Cases, Ex3gTest,
                         testing::Values(MeanCase{{1, 2}, 1.5}, MeanCase{{7}, 7.0},
                                         MeanCase{{-1, 1}, 0.0}, MeanCase{{1, 2, 2}, 5.0 / 3.0},
                                         MeanCase{{INT_MAX, INT_MAX}, 2147483647.0},
                                         MeanCase{{INT_MIN, INT_MIN, INT_MIN}, -2147483648.0}));

TEST(Ex3g, EmptyListGivesNaN) {
    TestList list;
    EXPECT_TRUE(std::isnan(Ex3g(list.l)));
}

struct DistinctCase {
    Chain chain;
    Chain distinct;
};

void PrintTo(const DistinctCase& c, std::ostream* os) { *os << testing::PrintToString(c.chain); }

class Ex3hTest : public testing::TestWithParam<DistinctCase> {};

TEST_P(Ex3hTest, BuildsAFreshListOfDistinctValues) {
    const DistinctCase& c = GetParam();
    TestList list(c.chain);
    const std::vector<const No*> argumentNodes = Nodes(list.l);

    TestList result(Ex3h(list.l));

    EXPECT_EQ(Values(result.l), c.distinct);
    EXPECT_EQ(result.l.nElementos, static_cast<int>(c.distinct.size()));
    EXPECT_EQ(Values(list.l), c.chain);
    EXPECT_EQ(Nodes(list.l), argumentNodes);
    for (const No* node : Nodes(result.l)) {
        EXPECT_EQ(std::count(argumentNodes.begin(), argumentNodes.end(), node), 0)
            << "the result shares a node with the argument";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Ex3hTest,
                         testing::Values(DistinctCase{{}, {}}, DistinctCase{{4, 4, 4}, {4}},
                                         DistinctCase{{1, 2, 3}, {3, 2, 1}},
                                         DistinctCase{{0, 6, 6, 7, 4, 5}, {5, 4, 7, 6, 0}},
                                         DistinctCase{{INT_MIN, -1, INT_MIN, INT_MAX, -1},
                                                      {INT_MAX, -1, INT_MIN}}));

}  // namespace
