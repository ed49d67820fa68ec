#include <iostream>

#include "list/list.h"
#include "output/output.h"
#include "recdrill/recursion.h"

int main() {
    ListaLinearEnc lista = {nullptr, 0};

    std::cout << "O  Numero de Valores da Lista Encadeada eh = " << NumVal(lista.inicio) << "\n";
    return EncerraSaida();
}
