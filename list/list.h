#ifndef LIST_LIST_H
#define LIST_LIST_H

#include <climits>

// A singly linked list of ints. Each node comes from malloc on its own and
// belongs to the chain; Remove frees the node it unlinks. Nothing frees a whole
// list: a list still holding nodes at the end is left to the end of the process.

static_assert(sizeof(int) * CHAR_BIT == 32, "the lists hold signed 32-bit ints");

struct No {
    int valor;
    No* prox;  // null at the last node
};

// A plain record: copying it copies the pointer and the count, and the copy
// sees the same nodes. Functions that only read a list take it by value; those
// that change it take it by reference. An empty list is {nullptr, 0}.
struct ListaLinearEnc {
    No* inicio;      // null when the list is empty
    int nElementos;  // nodes reachable from inicio, while only Insere and Remove change the list
};

// The answer where there is no element to report. A list that really holds
// -1000000 cannot be told apart from that case.
constexpr int SEM_VALOR = -1000000;

// Links a new node holding valor at the front. Duplicates are welcome. When no
// node can be allocated it writes a message on standard error and ends the
// program with EXIT_FAILURE, after flushing standard output; the list is not
// touched.
void Insere(ListaLinearEnc& l, int valor);

// Unlinks and frees the node nearest the front that holds valor. When no node
// holds it, nothing changes.
void Remove(ListaLinearEnc& l, int valor);

// The 1-based position of the first node holding valor, or -1. Walks the chain
// and does not look at nElementos.
int Busca(ListaLinearEnc l, int valor);

// Writes one line to standard output: "# elementos: ", the stored nElementos,
// " [", each value followed by a space, and "]\n".
void Imprime(ListaLinearEnc l);

#endif
