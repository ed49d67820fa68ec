#include "listdrill/ex3.h"

#include <limits>

int Ex3a(ListaLinearEnc l) {
    int positivos = 0;
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        if (p->valor > 0) {
            positivos++;
        }
    }
    return positivos;
}

int Ex3b(ListaLinearEnc l) {
    int maior = SEM_VALOR;
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        if (p->valor > maior) {
            maior = p->valor;
        }
    }
    return maior;
}

int Ex3c(ListaLinearEnc l) {
    if (l.inicio == nullptr) {
        return SEM_VALOR;
    }
    No* p = l.inicio;
    while (p->prox != nullptr) {
        p = p->prox;
    }
    return p->valor;
}

int Ex3dver1(ListaLinearEnc l, int k) {
    // A negative k would ask for a walk longer than the chain (and
    // nElementos - k could overflow).
    if (k < 0) {
        return SEM_VALOR;
    }
    No* p = l.inicio;
    for (int i = 1; i <= l.nElementos - k && p != nullptr; i++) {
        p = p->prox;
    }
    return p != nullptr ? p->valor : SEM_VALOR;
}

int Ex3dver2(ListaLinearEnc l, int k) {
    if (k < 1) {
        return SEM_VALOR;
    }
    No* frente = l.inicio;
    for (int i = 1; i <= k; i++) {
        if (frente == nullptr) {
            return SEM_VALOR;  // fewer than k nodes
        }
        frente = frente->prox;
    }
    No* tras = l.inicio;
    while (frente != nullptr) {
        frente = frente->prox;
        tras = tras->prox;
    }
    return tras->valor;
}

int Ex3f(ListaLinearEnc l) {
    if (l.inicio == nullptr) {
        return 1;
    }
    int anterior = l.inicio->valor;
    for (No* p = l.inicio->prox; p != nullptr; p = p->prox) {
        if (p->valor < anterior) {
            return 0;
        }
        anterior = p->valor;
    }
    return 1;
}

double Ex3g(ListaLinearEnc l) {
    // 0.0 / 0 is NaN in IEEE arithmetic, but C++ leaves a division by zero
    // undefined, so the empty list is answered directly.
    if (l.nElementos == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double soma = 0.0;
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        soma += static_cast<double>(p->valor);
    }
    return soma / static_cast<double>(l.nElementos);
}

ListaLinearEnc Ex3h(ListaLinearEnc l) {
    ListaLinearEnc distintos = {nullptr, 0};
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        if (Busca(distintos, p->valor) == -1) {
            Insere(distintos, p->valor);
        }
    }
    return distintos;
}
