#include <iostream>

#include "bstdrill/nroab.h"
#include "output/output.h"

int main() {
    // The line is left open: the output ends right after the count.
    std::cout << "O numero de arvores de busca com 3 valores eh:" << NroAB(3);
    return EncerraSaida();
}
