#pragma once
// Move-only owners for Windows handles and COM interfaces. Each owner closes
// its value exactly once; copying does not compile.

#include <windows.h>
// These need windows.h first.
#include <objbase.h>

#include <utility>

#include "platform/win32/system_dlls.h"

namespace kivo {

// Handle kinds whose "nothing" is NULL.
template <typename T, auto Close>
struct null_handle_traits {
  static constexpr T invalid() noexcept { return nullptr; }
  static void close(T value) noexcept { Close(value); }
};

// Handle kinds whose "nothing" is INVALID_HANDLE_VALUE (CreateFileW, FindFirstFileExW).
template <auto Close>
struct file_handle_traits {
  static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE value) noexcept { Close(value); }
};

template <typename T, typename Traits>
class unique_any {
 public:
  unique_any() noexcept = default;
  explicit unique_any(T value) noexcept : value_(value) {}
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  unique_any(unique_any&& other) noexcept : value_(other.release()) {}
  unique_any& operator=(unique_any&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~unique_any() { reset(); }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::invalid(); }
  // Frees the current value, then hands out the slot for an API to fill.
  T* put() noexcept {
    reset();
    return &value_;
  }
  T release() noexcept { return std::exchange(value_, Traits::invalid()); }
  void reset(T value = Traits::invalid()) noexcept {
    const T old = std::exchange(value_, value);
    if (old != Traits::invalid()) Traits::close(old);
  }

 private:
  T value_ = Traits::invalid();
};

namespace handle_closers {
inline void close_handle(HANDLE h) noexcept { ::CloseHandle(h); }
inline void find_close(HANDLE h) noexcept { ::FindClose(h); }
inline void reg_close_key(HKEY k) noexcept { ::RegCloseKey(k); }
inline void destroy_icon(HICON i) noexcept { ::DestroyIcon(i); }
inline void delete_object(HGDIOBJ o) noexcept { ::DeleteObject(o); }
inline void co_task_mem_free(void* p) noexcept { system_dlls::CoTaskMemFree(p); }
inline void unhook(HHOOK h) noexcept { ::UnhookWindowsHookEx(h); }
}  // namespace handle_closers

using unique_handle = unique_any<HANDLE, null_handle_traits<HANDLE, handle_closers::close_handle>>;
using unique_file_handle = unique_any<HANDLE, file_handle_traits<handle_closers::close_handle>>;
using unique_find_handle = unique_any<HANDLE, file_handle_traits<handle_closers::find_close>>;
using unique_hkey = unique_any<HKEY, null_handle_traits<HKEY, handle_closers::reg_close_key>>;
using unique_hhook = unique_any<HHOOK, null_handle_traits<HHOOK, handle_closers::unhook>>;
template <typename T>
using unique_cotaskmem = unique_any<T*, null_handle_traits<T*, handle_closers::co_task_mem_free>>;

// A COM interface pointer that releases its reference when it goes.
template <typename T>
class com_ptr {
 public:
  com_ptr() noexcept = default;
  com_ptr(const com_ptr&) = delete;
  com_ptr& operator=(const com_ptr&) = delete;
  com_ptr(com_ptr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  com_ptr& operator=(com_ptr&& other) noexcept {
    if (this != &other) reset(std::exchange(other.ptr_, nullptr));
    return *this;
  }
  ~com_ptr() { reset(); }

  T* get() const noexcept { return ptr_; }
  T* operator->() const noexcept { return ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }
  T** put() noexcept {
    reset();
    return &ptr_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
  void reset(T* ptr = nullptr) noexcept {
    T* const old = std::exchange(ptr_, ptr);
    if (old != nullptr) old->Release();
  }

  // Asks for another interface of the same object.
  template <typename U>
  HRESULT query(com_ptr<U>& other) const noexcept {
    if (ptr_ == nullptr) return E_POINTER;
    return ptr_->QueryInterface(__uuidof(U), other.put_void());
  }

 private:
  T* ptr_ = nullptr;
};

// COM for the calling thread for the lifetime of this object. CoUninitialize
// is called only when CoInitialize succeeded (S_OK or S_FALSE).
class ScopedComInit {
 public:
  ScopedComInit() noexcept : result_(system_dlls::CoInitialize(nullptr)) {}
  ScopedComInit(const ScopedComInit&) = delete;
  ScopedComInit& operator=(const ScopedComInit&) = delete;
  ~ScopedComInit() {
    if (SUCCEEDED(result_)) system_dlls::CoUninitialize();
  }
  // COM can be used: initialised here, or already running in another apartment.
  bool usable() const noexcept { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
  HRESULT result() const noexcept { return result_; }

 private:
  HRESULT result_;
};

}  // namespace kivo
