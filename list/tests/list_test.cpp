#include <algorithm>
#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "list/list.h"
#include "testing/list_support.h"

namespace {

TEST(Insere, LinksEachValueAtTheFrontAndCountsIt) {
    TestList list;
    Insere(list.l, 5);
    const No* first = list.l.inicio;
    Insere(list.l, 4);
    Insere(list.l, 4);

    EXPECT_EQ(Values(list.l), (Chain{4, 4, 5}));
    EXPECT_EQ(list.l.nElementos, 3);
    EXPECT_EQ(Nodes(list.l).back(), first) << "earlier nodes stay where they are";
    EXPECT_EQ(first->prox, nullptr);
}

struct RemoveCase {
    const char* name;
    Chain before;
    int value;
    Chain after;
};

void PrintTo(const RemoveCase& c, std::ostream* os) {
    *os << c.name << ": Remove " << c.value << " from " << testing::PrintToString(c.before);
}

class RemoveTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveTest, UnlinksTheFirstOccurrenceOnly) {
    const RemoveCase& c = GetParam();
    TestList list(c.before);
    std::vector<const No*> staying = Nodes(list.l);
    auto match = std::find(c.before.begin(), c.before.end(), c.value);
    if (match != c.before.end()) {
        staying.erase(staying.begin() + (match - c.before.begin()));
    }

    Remove(list.l, c.value);

    EXPECT_EQ(Values(list.l), c.after);
    EXPECT_EQ(list.l.nElementos, static_cast<int>(c.after.size()));
    EXPECT_EQ(Nodes(list.l), staying) << "the nodes that stay are the same, in the same order";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemoveTest,
    testing::Values(RemoveCase{"Empty", {}, 3, {}}, RemoveCase{"Absent", {1, 2, 3}, 9, {1, 2, 3}},
                    RemoveCase{"Front", {6, 7, 4, 5}, 6, {7, 4, 5}},
                    RemoveCase{"Middle", {6, 7, 4, 5}, 4, {6, 7, 5}},
                    RemoveCase{"Last", {6, 7, 4, 5}, 5, {6, 7, 4}},
                    RemoveCase{"OnlyNode", {8}, 8, {}},
                    RemoveCase{"NearestTheFront", {6, 7, 6, 5, 6}, 6, {7, 6, 5, 6}},
                    RemoveCase{"Extreme", {INT_MAX, INT_MIN, 0}, INT_MIN, {INT_MAX, 0}}),
    [](const testing::TestParamInfo<RemoveCase>& info) { return info.param.name; });

TEST(Remove, LeavesTheNewLastNodeEndingTheChain) {
    TestList list{1, 2, 3};
    Remove(list.l, 3);
    ASSERT_EQ(Nodes(list.l).size(), 2u);
    EXPECT_EQ(list.l.inicio->prox->prox, nullptr);
}

struct BuscaCase {
    Chain chain;
    int value;
    int position;
};

void PrintTo(const BuscaCase& c, std::ostream* os) {
    *os << "Busca " << c.value << " in " << testing::PrintToString(c.chain);
}

class BuscaTest : public testing::TestWithParam<BuscaCase> {};

TEST_P(BuscaTest, GivesTheOneBasedPositionOfTheFirstMatch) {
    const BuscaCase& c = GetParam();
    TestList list(c.chain);
    EXPECT_EQ(Busca(list.l, c.value), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuscaTest,
    testing::Values(BuscaCase{{}, 0, -1}, BuscaCase{{6, 7, 4, 5}, 6, 1},
                    BuscaCase{{6, 7, 4, 5}, 4, 3}, BuscaCase{{6, 7, 4, 5}, 5, 4},
                    BuscaCase{{6, 7, 4, 5}, 9, -1}, BuscaCase{{1, 2, 1, 2}, 2, 2},
                    BuscaCase{{0, -1, INT_MIN}, INT_MIN, 3}, BuscaCase{{-1}, -1, 1}));

TEST(Busca, WalksTheChainWithoutLookingAtTheCount) {
    TestList list{3, 4};
    ListaLinearEnc wrongCount = list.l;
    wrongCount.nElementos = 0;
    EXPECT_EQ(Busca(wrongCount, 4), 2);
}

struct ImprimeCase {
    const char* name;
    Chain chain;
    std::string line;
};

void PrintTo(const ImprimeCase& c, std::ostream* os) {
    *os << c.name << ": Imprime " << testing::PrintToString(c.chain);
}

class ImprimeTest : public testing::TestWithParam<ImprimeCase> {};

TEST_P(ImprimeTest, WritesTheCountAndEveryValueOnOneLine) {
    const ImprimeCase& c = GetParam();
    TestList list(c.chain);
    EXPECT_EQ(CaptureStdout([&] { Imprime(list.l); }), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImprimeTest,
    testing::Values(ImprimeCase{"Empty", {}, "# elementos: 0 []\n"},
                    ImprimeCase{"One", {5}, "# elementos: 1 [5 ]\n"},
                    ImprimeCase{"Four", {6, 7, 4, 5}, "# elementos: 4 [6 7 4 5 ]\n"},
                    ImprimeCase{"Signs",
                                {-3, 0, INT_MIN, INT_MAX, SEM_VALOR},
                                "# elementos: 5 [-3 0 -2147483648 2147483647 -1000000 ]\n"}),
    [](const testing::TestParamInfo<ImprimeCase>& info) { return info.param.name; });

TEST(Imprime, WritesTheStoredCountNotAWalkedOne) {
    TestList list{1, 2};
    ListaLinearEnc wrongCount = list.l;
    wrongCount.nElementos = 7;
    EXPECT_EQ(CaptureStdout([&] { Imprime(wrongCount); }), "# elementos: 7 [1 2 ]\n");
}

}  // namespace
