#include "list/list.h"

#include <cstdlib>
#include <iostream>

void Insere(ListaLinearEnc& l, int valor) {
    No* novo = static_cast<No*>(std::malloc(sizeof(No)));
    if (novo == nullptr) {
        // Nothing is linked yet, so the list stays whole. Earlier output is
        // flushed before the program ends, so none of it is lost.
        std::cout.flush();
        std::cerr << "Erro: memoria insuficiente para alocar um no da lista.\n";
        std::exit(EXIT_FAILURE);
    }
    novo->valor = valor;
    novo->prox = l.inicio;
    l.inicio = novo;
    l.nElementos++;
}

void Remove(ListaLinearEnc& l, int valor) {
    No* anterior = nullptr;
    No* atual = l.inicio;
    while (atual != nullptr && atual->valor != valor) {
        anterior = atual;
        atual = atual->prox;
    }
    if (atual == nullptr) {
        return;
    }
    if (anterior == nullptr) {
        l.inicio = atual->prox;
    } else {
        anterior->prox = atual->prox;
    }
    std::free(atual);
    l.nElementos--;
}

int Busca(ListaLinearEnc l, int valor) {
    int posicao = 1;
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        if (p->valor == valor) {
            return posicao;
        }
        posicao++;
    }
    return -1;
}

void Imprime(ListaLinearEnc l) {
    std::cout << "# elementos: " << l.nElementos << " [";
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        std::cout << p->valor << " ";
    }
    std::cout << "]\n";
}
