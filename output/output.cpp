#include "output/output.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

int EncerraSaida() {
    // std::cout writes through stdout, so a failed write shows in the stream's
    // state, in stdout's error indicator, or in the flush or close.
    std::cout.flush();
    bool escrita = !std::cout.fail();
    escrita = std::fflush(stdout) == 0 && escrita;
    escrita = std::ferror(stdout) == 0 && escrita;

    // The runtime flushes std::cout once more when the program ends. Detached
    // from its buffer it touches nothing, so that flush cannot reach the
    // closed stdout.
    std::cout.rdbuf(nullptr);
    escrita = std::fclose(stdout) == 0 && escrita;

    if (!escrita) {
        std::fputs("Erro: nao foi possivel escrever na saida padrao.\n", stderr);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
