// Owning wrappers for the GDI and USER objects that a window creates for itself.
#pragma once

#include <windows.h>

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
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) Destroy(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteFontObject(HFONT font) { return DeleteObject(font); }
inline BOOL WINAPI DeleteBrushObject(HBRUSH brush) { return DeleteObject(brush); }
inline BOOL WINAPI DeleteBitmapObject(HBITMAP bitmap) { return DeleteObject(bitmap); }

using OwnedFont = Owned<HFONT, DeleteFontObject>;
using OwnedBrush = Owned<HBRUSH, DeleteBrushObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteBitmapObject>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedWindow = Owned<HWND, DestroyWindow>;

}  // namespace forms
