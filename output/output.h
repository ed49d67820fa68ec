#ifndef OUTPUT_OUTPUT_H
#define OUTPUT_OUTPUT_H

// The last step of every program: makes sure that what it wrote reached
// standard output. It flushes std::cout and the C stream stdout, then closes
// stdout. When every byte was written it answers EXIT_SUCCESS; when a write,
// the flush or the close failed (a full disk, a closed standard output) it
// writes a message on standard error and answers EXIT_FAILURE. Nothing may be
// written to standard output after it.
int EncerraSaida();

#endif
