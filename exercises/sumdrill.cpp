#include <cstdio>

#include "output/output.h"

int main() {
    int a = 10;
    int b = 20;
    int c = a + b;

    // The float nearest to 70/3, 23.33333396911621; a double would hold 23.333333333333332.
    float f = 70.0f / 3.0f;

    std::printf("o valor de c é: %d \n", c);
    std::printf("o valor de f é: %f \n", static_cast<double>(f));
    return EncerraSaida();
}
