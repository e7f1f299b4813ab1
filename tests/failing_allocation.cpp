// Replaces the global allocator so that every request above 256 KiB fails as exhausted memory
// does: through the installed new-handler.
#include <cstdlib>
#include <new>

namespace {
constexpr std::size_t kLimit = 256 * 1024;
}

void* operator new(std::size_t size) {
  for (;;) {
    if (size <= kLimit) {
      if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    }
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}

void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
