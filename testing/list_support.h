#ifndef TESTING_LIST_SUPPORT_H
#define TESTING_LIST_SUPPORT_H

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "list/list.h"

// Values of a chain, front to back.
using Chain = std::vector<int>;

// A list owned by a test: built front to back from the values given, or taken
// over from a function that returns one, and freed node by node when the test
// ends, so a leak check over the tests means something.
struct TestList {
    ListaLinearEnc l{nullptr, 0};

    TestList() = default;
    explicit TestList(const Chain& frontToBack);
    TestList(std::initializer_list<int> frontToBack) : TestList(Chain(frontToBack)) {}
    explicit TestList(ListaLinearEnc adopted) : l(adopted) {}
    TestList(const TestList&) = delete;
    TestList& operator=(const TestList&) = delete;
    ~TestList();
};

// The values of the chain from the front, walked through prox.
Chain Values(ListaLinearEnc l);

// The nodes of the chain from the front.
std::vector<const No*> Nodes(ListaLinearEnc l);

// What `body` writes to std::cout, with the stream's buffer swapped for the call.
std::string CaptureStdout(const std::function<void()>& body);

#endif
