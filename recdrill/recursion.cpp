#include "recdrill/recursion.h"

#include <climits>
#include <cstdint>

// The int whose two's-complement bits are those of u. C++17 leaves the plain
// conversion of a value past INT_MAX to the implementation; this one is defined.
static int ComoInt(std::uint32_t u) {
    return u <= INT_MAX ? static_cast<int>(u) : static_cast<int>(u - 0x80000000u) + INT_MIN;
}

int NumVal(const No* p) {
    if (p == nullptr) {
        return 0;
    }
    return 1 + NumVal(p->prox);
}

int Produto(const No* p) {
    if (p == nullptr) {
        return 1;
    }
    // Multiplied as unsigned 32-bit, which wraps where a signed int would overflow.
    const std::uint32_t resto = static_cast<std::uint32_t>(Produto(p->prox));
    return ComoInt(static_cast<std::uint32_t>(p->valor) * resto);
}

int Maior(const No* p) {
    if (p == nullptr) {
        return SEM_VALOR;
    }
    const int maiorDoResto = Maior(p->prox);
    return p->valor > maiorDoResto ? p->valor : maiorDoResto;
}
