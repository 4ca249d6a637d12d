// Owners of the handles that the program, its tests and their stand-ins create: each is
// released by its owner's destructor, exactly once. Borrowed handles stay plain handles.
#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

namespace forms {

template <class Handle, BOOL(WINAPI* Destroy)(Handle)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return IsSet(handle_); }
  void Reset(Handle handle = nullptr) {
    if (IsSet(handle_)) Destroy(handle_);
    handle_ = handle;
  }

 private:
  // A kernel call that fails gives INVALID_HANDLE_VALUE as often as null.
  static bool IsSet(Handle handle) {
    if constexpr (std::is_same_v<Handle, HANDLE>) return handle && handle != INVALID_HANDLE_VALUE;
    return handle != nullptr;
  }

  Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteFontObject(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI DeleteBrushObject(HBRUSH brush) { return DeleteObject(brush); }
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) { return DeleteObject(bitmap); }
inline BOOL WINAPI CloseKernelHandle(HANDLE handle) { return CloseHandle(handle); }

using OwnedFont = Owned<HFONT, DeleteFontObject>;
using OwnedBrush = Owned<HBRUSH, DeleteBrushObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteBitmapObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedWindow = Owned<HWND, DestroyWindow>;
using OwnedMemoryDC = Owned<HDC, DeleteDC>;
// A process, thread, file or other kernel object.
using OwnedHandle = Owned<HANDLE, CloseKernelHandle>;

// A window's device context, from GetDC until the owner goes.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context for as long as the owner lives; the one it
// replaced is selected again after.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace forms
