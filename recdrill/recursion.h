#ifndef RECDRILL_RECURSION_H
#define RECDRILL_RECURSION_H

#include "list/list.h"

// Questions about a chain of nodes, from the node given to the end, answered by
// recursion: one call per node and no loop, so the depth of the recursion is
// the length of the chain. A null pointer is the empty chain. No node is
// changed or freed.

// How many nodes there are.
int NumVal(const No* p);

// The product of the values; 1 for the empty chain. A product past int's range
// gives its low 32 bits, read as a two's-complement int.
int Produto(const No* p);

// The largest value, or SEM_VALOR for the empty chain (and for a chain whose
// values are all SEM_VALOR or less).
int Maior(const No* p);

#endif
