#include <cstdio>

#include "output/output.h"

int main() {
    int x;
    // y and z are given a value where they are declared: printing a variable
    // that never had one would read an indeterminate value.
    int y = 0;
    double z = 0.0;

    x = 2;

    std::printf("x = %d\n", x);
    std::printf("y = %d\n", y);
    std::printf("z = %lf\n", z);
    return EncerraSaida();
}
