// What each list operation costs, beside the same work done with
// std::forward_list<int>, which also allocates one node per value and follows
// one pointer per step. Every pair builds its data the same way, so the two
// lists get the same allocator and the same memory layout.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <forward_list>
#include <iostream>
#include <iterator>
#include <streambuf>
#include <string>
#include <utility>

#include "bstdrill/nroab.h"
#include "list/list.h"
#include "listdrill/ex3.h"
#include "recdrill/recursion.h"

namespace {

// A value that no list below holds.
constexpr int kAbsent = -1;

// n values inserted in order, so the first inserted (the oldest) is last.
ListaLinearEnc MakeList(int n) {
    ListaLinearEnc l = {nullptr, 0};
    for (int i = 0; i < n; i++) {
        Insere(l, i);
    }
    return l;
}

std::forward_list<int> MakeForwardList(int n) {
    std::forward_list<int> fl;
    for (int i = 0; i < n; i++) {
        fl.push_front(i);
    }
    return fl;
}

void Free(ListaLinearEnc& l) {
    while (l.inicio != nullptr) {
        No* next = l.inicio->prox;
        std::free(l.inicio);
        l.inicio = next;
    }
    l.nElementos = 0;
}

// A stream buffer that takes every byte and keeps none.
class Discard : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// While alive, std::cout writes into a Discard.
class DiscardCout {
public:
    DiscardCout() : saved_(std::cout.rdbuf(&discard_)) {}
    ~DiscardCout() { std::cout.rdbuf(saved_); }
    DiscardCout(const DiscardCout&) = delete;
    DiscardCout& operator=(const DiscardCout&) = delete;

private:
    Discard discard_;
    std::streambuf* saved_;
};

int N(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void PerElement(benchmark::State& state, int n) {
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["n"] = n;
}

// Insere of n values, and freeing them.
void BM_Insere(benchmark::State& state) {
    const int n = N(state);
    for (auto _ : state) {
        ListaLinearEnc l = {nullptr, 0};
        for (int i = 0; i < n; i++) {
            Insere(l, i);
        }
        benchmark::DoNotOptimize(l.inicio);
        Free(l);
    }
    PerElement(state, n);
}

void BM_Insere_ForwardList(benchmark::State& state) {
    const int n = N(state);
    for (auto _ : state) {
        std::forward_list<int> fl;
        for (int i = 0; i < n; i++) {
            fl.push_front(i);
        }
        benchmark::DoNotOptimize(fl.begin());
        fl.clear();
    }
    PerElement(state, n);
}

// Busca of a value that is not there: a walk of the whole chain.
void BM_Busca(benchmark::State& state) {
    const int n = N(state);
    ListaLinearEnc l = MakeList(n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Busca(l, kAbsent));
    }
    Free(l);
    PerElement(state, n);
}

void BM_Busca_ForwardList(benchmark::State& state) {
    const int n = N(state);
    const std::forward_list<int> fl = MakeForwardList(n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::find(fl.begin(), fl.end(), kAbsent));
    }
    PerElement(state, n);
}

// Remove of the oldest value, the last node: a walk of the whole chain and a
// free. One value is inserted at the front each time, so the list keeps n
// values and the next oldest is again the last.
void BM_Remove(benchmark::State& state) {
    const int n = N(state);
    ListaLinearEnc l = MakeList(n);
    int oldest = 0;
    int newest = n;
    for (auto _ : state) {
        Remove(l, oldest++);
        Insere(l, newest++);
    }
    Free(l);
    PerElement(state, n);
}

void BM_Remove_ForwardList(benchmark::State& state) {
    const int n = N(state);
    std::forward_list<int> fl = MakeForwardList(n);
    int oldest = 0;
    int newest = n;
    for (auto _ : state) {
        // The node before the first that holds the value, as Remove walks.
        const int value = oldest++;
        auto before = fl.before_begin();
        for (auto it = fl.begin(); it != fl.end() && *it != value; ++it) {
            before = it;
        }
        if (std::next(before) != fl.end()) {
            fl.erase_after(before);
        }
        fl.push_front(newest++);
    }
    PerElement(state, n);
}

// Imprime of the list into a stream buffer that drops the bytes.
void BM_Imprime(benchmark::State& state) {
    const int n = N(state);
    ListaLinearEnc l = MakeList(n);
    const DiscardCout discard;
    for (auto _ : state) {
        Imprime(l);
    }
    Free(l);
    PerElement(state, n);
}

void BM_Imprime_ForwardList(benchmark::State& state) {
    const int n = N(state);
    const std::forward_list<int> fl = MakeForwardList(n);
    const DiscardCout discard;
    for (auto _ : state) {
        std::cout << "# elementos: " << n << " [";
        for (int v : fl) {
            std::cout << v << " ";
        }
        std::cout << "]\n";
    }
    PerElement(state, n);
}

// Ex3h of n values, d of them distinct (i % d), and freeing its result. Each
// value is looked for among the distinct ones found so far: about n * d steps.
ListaLinearEnc MakeRepeating(int n, int d) {
    ListaLinearEnc l = {nullptr, 0};
    for (int i = 0; i < n; i++) {
        Insere(l, i % d);
    }
    return l;
}

void BM_Ex3h(benchmark::State& state) {
    const int n = N(state);
    const int d = static_cast<int>(state.range(1));
    ListaLinearEnc l = MakeRepeating(n, d);
    for (auto _ : state) {
        ListaLinearEnc distintos = Ex3h(l);
        benchmark::DoNotOptimize(distintos.inicio);
        Free(distintos);
    }
    Free(l);
    PerElement(state, n);
    state.counters["d"] = d;
}

void BM_Ex3h_ForwardList(benchmark::State& state) {
    const int n = N(state);
    const int d = static_cast<int>(state.range(1));
    std::forward_list<int> fl;
    for (int i = 0; i < n; i++) {
        fl.push_front(i % d);
    }
    for (auto _ : state) {
        std::forward_list<int> distinct;
        for (int v : fl) {
            if (std::find(distinct.begin(), distinct.end(), v) == distinct.end()) {
                distinct.push_front(v);
            }
        }
        benchmark::DoNotOptimize(distinct.begin());
    }
    PerElement(state, n);
    state.counters["d"] = d;
}

// NumVal's recursion against a loop over the same chain.
void BM_NumVal(benchmark::State& state) {
    const int n = N(state);
    ListaLinearEnc l = MakeList(n);
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumVal(l.inicio));
    }
    Free(l);
    PerElement(state, n);
}

void BM_NumVal_Loop(benchmark::State& state) {
    const int n = N(state);
    ListaLinearEnc l = MakeList(n);
    for (auto _ : state) {
        int count = 0;
        for (const No* p = l.inicio; p != nullptr; p = p->prox) {
            count++;
        }
        benchmark::DoNotOptimize(count);
    }
    Free(l);
    PerElement(state, n);
}

// NroAB(n) makes 3^n calls in all.
void BM_NroAB(benchmark::State& state) {
    const int n = N(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(NroAB(n));
    }
    double calls = 1;
    for (int i = 0; i < n; i++) {
        calls *= 3;
    }
    state.counters["n"] = n;
    state.counters["calls"] = calls;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(calls));
}

// Each benchmark runs a fixed number of iterations, enough for about 4 * 10^7
// steps over the nodes, instead of letting the library pick a count after a
// few trial runs. Trial runs free and rebuild the lists, and the order of the
// freed nodes, which the next list is built from, depended on how many
// iterations the last trial made: the two sides of a pair then walked lists
// laid out differently in memory. With one fixed count, both sides make the
// same allocations in the same order, and so get the same layout.
std::int64_t IterationsFor(double stepsPerIteration) {
    return std::max<std::int64_t>(20, static_cast<std::int64_t>(4e7 / stepsPerIteration));
}

using Function = void (*)(benchmark::State&);

// Registered as name/n (or name/n/d), with its iteration count.
void Register(const char* name, Function f, int n, int d = 0) {
    benchmark::internal::Benchmark* b = benchmark::RegisterBenchmark(name, f);
    if (d != 0) {
        b->Args({n, d});
    } else {
        b->Arg(n);
    }
    b->Iterations(IterationsFor(static_cast<double>(n) * (d != 0 ? d : 1)));
}

void RegisterAll() {
    const struct {
        const char* name;
        Function f;
    } linear[] = {
        {"BM_Insere", BM_Insere},   {"BM_Insere_ForwardList", BM_Insere_ForwardList},
        {"BM_Busca", BM_Busca},     {"BM_Busca_ForwardList", BM_Busca_ForwardList},
        {"BM_Remove", BM_Remove},   {"BM_Remove_ForwardList", BM_Remove_ForwardList},
        {"BM_Imprime", BM_Imprime}, {"BM_Imprime_ForwardList", BM_Imprime_ForwardList},
        {"BM_NumVal", BM_NumVal},   {"BM_NumVal_Loop", BM_NumVal_Loop},
    };
    for (const auto& bench : linear) {
        for (int n = 100; n <= 1000000; n *= 10) {
            Register(bench.name, bench.f, n);
        }
    }
    // Ex3h: a few distinct values with n growing, then n fixed and d growing.
    for (const auto& [name, f] :
         {std::pair{"BM_Ex3h", BM_Ex3h}, std::pair{"BM_Ex3h_ForwardList", BM_Ex3h_ForwardList}}) {
        for (int n = 100; n <= 1000000; n *= 10) {
            Register(name, f, n, 10);
        }
        for (int d = 100; d <= 10000; d *= 10) {
            Register(name, f, 10000, d);
        }
    }
    benchmark::RegisterBenchmark("BM_NroAB", BM_NroAB)->DenseRange(1, 15);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
