#include "testing/list_support.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

TestList::TestList(const Chain& frontToBack) {
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it) {
        Insere(l, *it);
    }
}

TestList::~TestList() {
    No* p = l.inicio;
    while (p != nullptr) {
        No* next = p->prox;
        std::free(p);
        p = next;
    }
}

Chain Values(ListaLinearEnc l) {
    Chain values;
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        values.push_back(p->valor);
    }
    return values;
}

std::vector<const No*> Nodes(ListaLinearEnc l) {
    std::vector<const No*> nodes;
    for (No* p = l.inicio; p != nullptr; p = p->prox) {
        nodes.push_back(p);
    }
    return nodes;
}

std::string CaptureStdout(const std::function<void()>& body) {
    std::ostringstream captured;
    std::streambuf* saved = std::cout.rdbuf(captured.rdbuf());
    body();
    std::cout.rdbuf(saved);
    return captured.str();
}
