#include <cstdio>

#include "output/output.h"

int main() {
    int x = 2;
    int y = 3;

    x = x + y;      // 5
    y = y + x;      // 8, with the new x
    x = y + 2 * x;  // 18, with the new y
    bool xbemmaior = x < 3 * y;

    std::printf("O valor de x é %d\n", x);
    std::printf("O valor de y é %d\n", y);
    std::printf("O valor lógico de xbemmaior é %d\n", static_cast<int>(xbemmaior));
    return EncerraSaida();
}
