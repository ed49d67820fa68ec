#ifndef BSTDRILL_NROAB_H
#define BSTDRILL_NROAB_H

// How many binary search trees hold n distinct keys: 1 for n = 0 (the empty
// tree), 0 for a negative n. Direct recursion with nothing remembered, so one
// call makes 3^n calls in all. From n = 20 on the count is past int's range and
// the result is its low 32 bits, read as a two's-complement int.
int NroAB(int n);

#endif
