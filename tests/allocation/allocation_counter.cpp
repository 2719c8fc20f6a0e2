#include "tests/allocation/allocation_counter.h"

#include <dlfcn.h>
#include <execinfo.h>

#include <atomic>
#include <cstddef>
#include <new>

namespace {
std::atomic<bool> Counting{false};
std::atomic<int64_t> Calls{0};

// A C++ library under Mesa (LLVM) can reach our wrappers too: the standard-library
// templates instantiated in this program (std::string's growth, for one) are exported,
// and the dynamic linker binds the library's calls to them. Such a call has a shared
// library's frame just above; ours run from the program itself all the way up.
bool calledFromOurCode() {
  constexpr int Depth = 8;
  void* frames[Depth];
  int n = backtrace(frames, Depth);
  Dl_info self{};
  if (!dladdr(reinterpret_cast<void*>(&calledFromOurCode), &self)) return true;
  for (int i = 1; i < n; ++i) {
    Dl_info caller{};
    if (!dladdr(frames[i], &caller) || caller.dli_fbase != self.dli_fbase) return false;
  }
  return true;
}

void seen() {
  if (Counting.load(std::memory_order_relaxed) && calledFromOurCode()) {
    Calls.fetch_add(1, std::memory_order_relaxed);
  }
}
}  // namespace

void startCountingAllocations() {
  Calls = 0;
  Counting = true;
}

int64_t stopCountingAllocations() {
  Counting = false;
  return Calls;
}

// The linker sends our code's calls to __wrap_X and keeps the allocator as __real_X.
extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* p, size_t size);
void* __real_aligned_alloc(size_t alignment, size_t size);
int __real_posix_memalign(void** p, size_t alignment, size_t size);
char* __real_strdup(const char* s);
char* __real_strndup(const char* s, size_t n);
void* __real__Znwm(size_t size);
void* __real__Znam(size_t size);
void* __real__ZnwmRKSt9nothrow_t(size_t size, const std::nothrow_t& tag);
void* __real__ZnamRKSt9nothrow_t(size_t size, const std::nothrow_t& tag);
void* __real__ZnwmSt11align_val_t(size_t size, std::align_val_t alignment);
void* __real__ZnamSt11align_val_t(size_t size, std::align_val_t alignment);

void* __wrap_malloc(size_t size) {
  seen();
  return __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size) {
  seen();
  return __real_calloc(count, size);
}
void* __wrap_realloc(void* p, size_t size) {
  seen();
  return __real_realloc(p, size);
}
void* __wrap_aligned_alloc(size_t alignment, size_t size) {
  seen();
  return __real_aligned_alloc(alignment, size);
}
int __wrap_posix_memalign(void** p, size_t alignment, size_t size) {
  seen();
  return __real_posix_memalign(p, alignment, size);
}
char* __wrap_strdup(const char* s) {
  seen();
  return __real_strdup(s);
}
char* __wrap_strndup(const char* s, size_t n) {
  seen();
  return __real_strndup(s, n);
}
void* __wrap__Znwm(size_t size) {
  seen();
  return __real__Znwm(size);
}
void* __wrap__Znam(size_t size) {
  seen();
  return __real__Znam(size);
}
void* __wrap__ZnwmRKSt9nothrow_t(size_t size, const std::nothrow_t& tag) {
  seen();
  return __real__ZnwmRKSt9nothrow_t(size, tag);
}
void* __wrap__ZnamRKSt9nothrow_t(size_t size, const std::nothrow_t& tag) {
  seen();
  return __real__ZnamRKSt9nothrow_t(size, tag);
}
void* __wrap__ZnwmSt11align_val_t(size_t size, std::align_val_t alignment) {
  seen();
  return __real__ZnwmSt11align_val_t(size, alignment);
}
void* __wrap__ZnamSt11align_val_t(size_t size, std::align_val_t alignment) {
  seen();
  return __real__ZnamSt11align_val_t(size, alignment);
}
}
