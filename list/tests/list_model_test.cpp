// A long random run of Insere, Remove and Busca, checked after every step
// against a std::vector that holds the same values front to back.

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "list/list.h"
#include "testing/list_support.h"

namespace {

// A small range, so values repeat, plus the extremes.
const int kPool[] = {-2, -1, 0, 1, 2, 3, INT_MIN, INT_MAX, SEM_VALOR};

std::string Line(const std::vector<int>& model) {
    std::string line = "# elementos: " + std::to_string(model.size()) + " [";
    for (int v : model) {
        line += std::to_string(v) + " ";
    }
    return line + "]\n";
}

int ModelBusca(const std::vector<int>& model, int value) {
    auto it = std::find(model.begin(), model.end(), value);
    return it == model.end() ? -1 : static_cast<int>(it - model.begin()) + 1;
}

class ListModelTest : public testing::TestWithParam<std::uint32_t> {};

TEST_P(ListModelTest, AgreesWithAVectorAfterEveryStep) {
    const std::uint32_t seed = GetParam();
    // mt19937 gives the same sequence everywhere; the standard distributions do
    // not, so the draws are taken with a plain modulo.
    std::mt19937 rng(seed);
    auto draw = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };

    TestList list;
    std::vector<int> model;
    const int steps = 10000;
    for (int step = 1; step <= steps; step++) {
        const int value = kPool[draw(std::size(kPool))];
        const std::size_t op = draw(10);
        std::string done;
        if (op < 5) {
            Insere(list.l, value);
            model.insert(model.begin(), value);
            done = "Insere ";
        } else if (op < 9) {
            Remove(list.l, value);
            auto it = std::find(model.begin(), model.end(), value);
            if (it != model.end()) {
                model.erase(it);
            }
            done = "Remove ";
        } else {
            done = "Busca ";
        }
        const std::string where = "seed " + std::to_string(seed) + ", step " +
                                  std::to_string(step) + " (" + done + std::to_string(value) + ")";

        ASSERT_EQ(Values(list.l), model) << where;
        ASSERT_EQ(list.l.nElementos, static_cast<int>(model.size())) << where;
        ASSERT_EQ(Busca(list.l, value), ModelBusca(model, value)) << where;
        ASSERT_EQ(CaptureStdout([&] { Imprime(list.l); }), Line(model)) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ListModelTest, testing::Values(1u, 2u, 20261211u));

}  // namespace
