// Linked with --wrap=malloc, every malloc call of the program's own objects
// comes here. The call whose number is in FALHA_MALLOC_EM returns null; the
// others go to the real malloc. The count covers only the program's own calls:
// the C and C++ runtimes are shared libraries and keep their malloc.

#include <cstddef>
#include <cstdlib>

// The linker gives these reserved names their meaning under --wrap.
extern "C" void* __real_malloc(std::size_t size);  // NOLINT(bugprone-reserved-identifier)

extern "C" void* __wrap_malloc(std::size_t size) {  // NOLINT(bugprone-reserved-identifier)
    static const char* const setting = std::getenv("FALHA_MALLOC_EM");
    static const long failAt = setting != nullptr ? std::strtol(setting, nullptr, 10) : 0;
    static long calls = 0;
    if (++calls == failAt) {
        return nullptr;
    }
    return __real_malloc(size);
}
