// The module's allocation functions. Its objects come from new (std::nothrow)
// and go back through delete. The C++ runtime's nothrow new is its throwing
// new inside a try block, so linking it brings the whole exception runtime
// into a module that never throws: the unwinder, its thread library, and the
// terminate handler with its name demangler and formatted printing, three
// times the size of the module's own code. These go straight to the
// general-purpose allocator instead.

#include <stdlib.h>

#include <new>

void* operator new(size_t size, const std::nothrow_t&) noexcept { return malloc(size != 0 ? size : 1); }

void* operator new[](size_t size, const std::nothrow_t&) noexcept { return malloc(size != 0 ? size : 1); }

void operator delete(void* block) noexcept { free(block); }

void operator delete[](void* block) noexcept { free(block); }

void operator delete(void* block, size_t) noexcept { free(block); }

void operator delete[](void* block, size_t) noexcept { free(block); }

void operator delete(void* block, const std::nothrow_t&) noexcept { free(block); }

void operator delete[](void* block, const std::nothrow_t&) noexcept { free(block); }
