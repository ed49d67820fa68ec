#ifndef LISTDRILL_EX3_H
#define LISTDRILL_EX3_H

#include "list/list.h"

// The list exercise sheet. Every function reads the list it is given and
// changes neither the record nor any node.

// How many nodes hold a value greater than 0.
int Ex3a(ListaLinearEnc l);

// The largest value, or SEM_VALOR for an empty list (and for one whose values
// are all SEM_VALOR or less).
int Ex3b(ListaLinearEnc l);

// The value of the last node, or SEM_VALOR for an empty list.
int Ex3c(ListaLinearEnc l);

// The k-th value counted from the end, found by walking nElementos - k nodes:
// k = 1 is the last node, k = nElementos the first. k = 0 gives SEM_VALOR and
// k > nElementos gives the first node's value. A negative k gives SEM_VALOR,
// and the walk never goes past the last node, even when nElementos overstates
// the chain.
int Ex3dver1(ListaLinearEnc l, int k);

// The k-th value counted from the end, found with a leading pointer k nodes
// ahead of a trailing one; ignores nElementos. k outside 1 to the number of
// nodes gives SEM_VALOR.
int Ex3dver2(ListaLinearEnc l, int k);

// 1 when the values never decrease from front to back (an empty list
// included), else 0.
int Ex3f(ListaLinearEnc l);

// The mean of the values: their sum in double precision over nElementos. An
// empty list gives a quiet NaN.
double Ex3g(ListaLinearEnc l);

// A new list holding each distinct value once, in the reverse order of first
// appearance. Its nodes are fresh allocations that belong to the result.
ListaLinearEnc Ex3h(ListaLinearEnc l);

#endif
