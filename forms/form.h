// A window of the program, built from its description, and its events.
//
// Handler conventions: a window class derives from FormWithHandlers<Self> and names every
// handler after its control and event, joined by an underscore (cmdHapus_Click). The
// window's own events (Form_Initialize, Form_Activate, Form_QueryUnload) are virtual
// members; control events are routed through the class's constexpr table of EventHandler
// rows, which the class checks against its description with HandlersMatch in a
// static_assert, so that a misspelt control or an event its kind never raises does not
// compile. Handlers see no window messages. A runtime error that leaves a handler goes to
// the runtime's default handling (a message box), and the program goes on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "forms/control.h"
#include "forms/description.h"
#include "forms/error_handling.h"
#include "forms/owned.h"

namespace forms {

// What started an unload, as QueryUnload's UnloadMode receives it.
enum UnloadMode : std::int16_t {
  kFormControlMenu = 0,  // the close box, the system menu, Alt+F4
  kFormCode = 1,         // Unload
  kAppWindows = 2,       // the session is ending
};

enum class ShowMode { Modeless = 0, Modal = 1 };

class Form {
 public:
  explicit Form(const FormDescription& description);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  virtual void Form_Initialize() {}
  virtual void Form_Activate() {}
  virtual void Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode);

  const FormDescription& Description() const { return description_; }
  bool IsLoaded() const { return handle_ != nullptr; }
  HWND Handle() const { return handle_; }

  // Builds the window and its controls from the description, hidden.
  void Load();
  // Loads the window when it is not loaded and shows it. Modal: returns once it is unloaded,
  // and meanwhile the program's other windows take no input.
  void Show(ShowMode mode = ShowMode::Modeless);

  // Raises a runtime error when the window is not loaded or has no such control.
  Control& Controls(std::wstring_view name, int index = kNotAnArray);

 protected:
  virtual void RaiseControlEvent(std::wstring_view control, Event event);

 private:
  friend class FormInternals;

  bool QueryUnloadThenUnload(UnloadMode mode);
  void MoveFocus(bool backwards);
  bool PressAccessKey(wchar_t key);
  bool PressFocusedButton();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
  static LRESULT ProcessMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Raises QueryUnload; true when the handler asked to keep the window.
  bool QueryUnloadCancels(UnloadMode mode);
  void CreateControls();
  void AddToolTips();
  void OnActivate(bool active);
  void OnCommand(HWND control, WORD notification);
  void OnDeviceChange();
  // Has the controls read afresh what they show of the system, and raises Change for each
  // whose selection moved.
  void ReadControlsAfresh();
  static void ReadOutdatedFormsAfresh() noexcept;
  void Destroy();
  void FocusFirst();
  std::vector<Control*> FocusOrder() const;

  const FormDescription& description_;
  HWND handle_ = nullptr;
  int dpi_ = 96;
  std::vector<std::unique_ptr<Control>> controls_;
  OwnedBrush backBrush_;
  OwnedFont defaultFont_;
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  OwnedWindow toolTips_;
  HWND lastFocus_ = nullptr;
  std::vector<HWND> disabledByModal_;
  bool outdated_ = false;  // a device change came while a handler ran
};

template <class Owner>
struct EventHandler {
  std::wstring_view control;
  Event event;
  void (Owner::*handler)();
};

// True when every row names a control of the description whose kind raises that event.
template <class Owner>
constexpr bool HandlersMatch(const FormDescription& description, std::span<const EventHandler<Owner>> handlers) {
  for (const EventHandler<Owner>& row : handlers) {
    bool found = false;
    for (const ControlDescription& control : description.controls) {
      found = found || (control.name == row.control && Raises(control.type, row.event));
    }
    if (!found) return false;
  }
  return true;
}

template <class Owner>
class FormWithHandlers : public Form {
 protected:
  FormWithHandlers(const FormDescription& description, std::span<const EventHandler<Owner>> handlers)
      : Form(description), handlers_(handlers) {}

 private:
  void RaiseControlEvent(std::wstring_view control, Event event) final {
    for (const EventHandler<Owner>& row : handlers_) {
      if (row.control == control && row.event == event) {
        (static_cast<Owner&>(*this).*row.handler)();
        return;
      }
    }
  }

  std::span<const EventHandler<Owner>> handlers_;
};

// Creates a window object; its Initialize event runs before any window exists.
template <class F>
std::unique_ptr<F> NewForm() {
  auto form = std::make_unique<F>();
  RunEventHandler([&] { static_cast<Form&>(*form).Form_Initialize(); });
  return form;
}

}  // namespace forms
