#include "bstdrill/nroab.h"

#include <climits>
#include <cstdint>

static_assert(sizeof(int) * CHAR_BIT == 32, "NroAB's results are signed 32-bit ints");

// The int whose two's-complement bits are those of u. C++17 leaves the plain
// conversion of a value past INT_MAX to the implementation; this one is defined.
static int ComoInt(std::uint32_t u) {
    return u <= INT_MAX ? static_cast<int>(u) : static_cast<int>(u - 0x80000000u) + INT_MIN;
}

int NroAB(int n) {
    if (n == 0) {
        return 1;
    }
    // Summed and multiplied as unsigned 32-bit, which wraps where a signed int
    // would overflow.
    std::uint32_t soma = 0;
    for (int i = 1; i <= n; i++) {
        // i is the rank of the key at the root: i - 1 keys go left, n - i right.
        soma += static_cast<std::uint32_t>(NroAB(i - 1)) * static_cast<std::uint32_t>(NroAB(n - i));
    }
    return ComoInt(soma);
}
