#include "list/list.h"
#include "listdrill/ex3.h"
#include "output/output.h"

int main() {
    const int valores[] = {5, 4, 7, 6, 6, 0};

    ListaLinearEnc lista = {nullptr, 0};
    for (int vez = 1; vez <= 2; vez++) {
        for (int v : valores) {
            Insere(lista, v);
            Imprime(lista);
        }
    }
    for (int v : valores) {
        Remove(lista, v);
        Imprime(lista);
    }

    ListaLinearEnc distintos = Ex3h(lista);
    Imprime(distintos);

    // Both lists keep their nodes until the process ends.
    return EncerraSaida();
}
