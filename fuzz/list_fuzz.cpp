// A libFuzzer target: the input is read as a sequence of list operations and
// exercise-function calls. Each one runs on a ListaLinearEnc and on a plain
// model, a std::vector of the values front to back, and any difference aborts.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "list/list.h"
#include "listdrill/ex3.h"
#include "recdrill/recursion.h"

namespace {

// Bounds the recursion depth of NumVal, Produto and Maior, and the time per input.
constexpr std::size_t kMaxNodes = 2000;

using Model = std::vector<int>;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "list and model differ: %s\n", what);
        std::abort();
    }
}

int Value(FuzzedDataProvider& in) {
    // Mostly a few small values, so that duplicates, hits and misses are common.
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 3) : in.ConsumeIntegral<int>();
}

int K(FuzzedDataProvider& in, const Model& m) {
    const int n = static_cast<int>(m.size());
    return in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, n + 2) : in.ConsumeIntegral<int>();
}

void CheckSameChain(ListaLinearEnc l, const Model& m) {
    Check(l.nElementos == static_cast<int>(m.size()), "nElementos");
    std::size_t i = 0;
    for (const No* p = l.inicio; p != nullptr; p = p->prox, i++) {
        Check(i < m.size() && p->valor == m[i], "chain values");
    }
    Check(i == m.size(), "chain length");
}

void Free(ListaLinearEnc& l) {
    while (l.inicio != nullptr) {
        No* next = l.inicio->prox;
        std::free(l.inicio);
        l.inicio = next;
    }
    l.nElementos = 0;
}

std::string Printed(ListaLinearEnc l) {
    std::ostringstream captured;
    std::streambuf* const original = std::cout.rdbuf(captured.rdbuf());
    Imprime(l);
    std::cout.rdbuf(original);
    return captured.str();
}

std::string ModelPrinted(const Model& m) {
    std::string line = "# elementos: " + std::to_string(m.size()) + " [";
    for (int v : m) {
        line += std::to_string(v) + " ";
    }
    return line + "]\n";
}

int ModelMax(const Model& m) {
    return std::max(SEM_VALOR, m.empty() ? SEM_VALOR : *std::max_element(m.begin(), m.end()));
}

int ModelKthFromEnd(const Model& m, int k) {
    const int n = static_cast<int>(m.size());
    return k >= 1 && k <= n ? m[static_cast<std::size_t>(n - k)] : SEM_VALOR;
}

int ModelProduct(const Model& m) {
    std::uint32_t product = 1;
    for (int v : m) {
        product *= static_cast<std::uint32_t>(v);
    }
    // The two's-complement reading of the low 32 bits.
    return static_cast<int>(static_cast<std::int64_t>(product) -
                            (product > INT32_MAX ? (std::int64_t{1} << 32) : 0));
}

Model ModelDistinct(const Model& m) {
    Model distinct;
    for (int v : m) {
        if (std::find(distinct.begin(), distinct.end(), v) == distinct.end()) {
            distinct.insert(distinct.begin(), v);
        }
    }
    return distinct;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ListaLinearEnc l = {nullptr, 0};
    Model m;

    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 14)) {
            case 0: {
                if (m.size() < kMaxNodes) {
                    const int v = Value(in);
                    Insere(l, v);
                    m.insert(m.begin(), v);
                }
                break;
            }
            case 1: {
                const int v = Value(in);
                Remove(l, v);
                const auto at = std::find(m.begin(), m.end(), v);
                if (at != m.end()) {
                    m.erase(at);
                }
                break;
            }
            case 2: {
                const int v = Value(in);
                const auto at = std::find(m.begin(), m.end(), v);
                Check(Busca(l, v) == (at == m.end() ? -1 : 1 + static_cast<int>(at - m.begin())),
                      "Busca");
                break;
            }
            case 3:
                Check(Printed(l) == ModelPrinted(m), "Imprime");
                break;
            case 4:
                Check(Ex3a(l) == std::count_if(m.begin(), m.end(), [](int v) { return v > 0; }),
                      "Ex3a");
                break;
            case 5:
                Check(Ex3b(l) == ModelMax(m), "Ex3b");
                break;
            case 6:
                Check(Ex3c(l) == (m.empty() ? SEM_VALOR : m.back()), "Ex3c");
                break;
            case 7: {
                // Past the count, the walk stops at the first node.
                const int k = K(in, m);
                const int n = static_cast<int>(m.size());
                const int expected = k > n && n > 0 ? m.front() : ModelKthFromEnd(m, k);
                Check(Ex3dver1(l, k) == expected, "Ex3dver1");
                break;
            }
            case 8: {
                const int k = K(in, m);
                Check(Ex3dver2(l, k) == ModelKthFromEnd(m, k), "Ex3dver2");
                break;
            }
            case 9:
                Check(Ex3f(l) == (std::is_sorted(m.begin(), m.end()) ? 1 : 0), "Ex3f");
                break;
            case 10: {
                double sum = 0.0;
                for (int v : m) {
                    sum += static_cast<double>(v);
                }
                const double mean = Ex3g(l);
                Check(m.empty() ? std::isnan(mean) : mean == sum / static_cast<double>(m.size()),
                      "Ex3g");
                break;
            }
            case 11: {
                ListaLinearEnc distinct = Ex3h(l);
                const Model expected = ModelDistinct(m);
                CheckSameChain(distinct, expected);
                Free(distinct);
                break;
            }
            case 12:
                Check(NumVal(l.inicio) == static_cast<int>(m.size()), "NumVal");
                break;
            case 13:
                Check(Produto(l.inicio) == ModelProduct(m), "Produto");
                break;
            default:
                Check(Maior(l.inicio) == ModelMax(m), "Maior");
                break;
        }
        CheckSameChain(l, m);
    }
    Free(l);
    return 0;
}
