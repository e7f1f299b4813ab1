// Compiler differences, kept here so that the rest of the tree is plain C++17.
#pragma once

#if defined(_MSC_VER)
#include <intrin.h>
#define QUINTREL_NOINLINE __declspec(noinline)
#define QUINTREL_RETURN_ADDRESS() _ReturnAddress()
#else
#define QUINTREL_NOINLINE __attribute__((noinline))
#define QUINTREL_RETURN_ADDRESS() __builtin_return_address(0)
#endif
