// A program on the forms runtime whose Click handlers fail (failing_handlers_contract.h),
// so that a test can watch the runtime's default handling of an error leaving a handler.
#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

#include "forms/form.h"
#include "forms/project.h"
#include "forms/runtime_error.h"
#include "tests/forms/failing_handlers_contract.h"

namespace {

using forms::ControlClass;
using namespace failing_handlers;

constexpr forms::ControlDescription kControls[] = {
    {.type = ControlClass::CommandButton, .name = L"Command1", .caption = kRuntimeErrorButton,
     .box = {120, 120, 1455, 375}, .tabIndex = 0},
    {.type = ControlClass::CommandButton, .name = L"Command2", .caption = kOutOfMemoryButton,
     .box = {120, 600, 1455, 375}, .tabIndex = 1},
    {.type = ControlClass::CommandButton, .name = L"Command3", .caption = kOtherExceptionButton,
     .box = {120, 1080, 1455, 375}, .tabIndex = 2},
    {.type = ControlClass::CommandButton, .name = L"Command4", .caption = kCountButton,
     .box = {120, 1560, 1455, 375}, .tabIndex = 3, .toolTipText = kCountToolTip},
    {.type = ControlClass::Label, .name = L"Label1", .caption = L"0", .box = {1800, 1620, 975, 255}},
};

constexpr forms::FormDescription kDescription{
    .name = L"frmFailing", .caption = kWindowCaption, .clientWidth = 3000, .clientHeight = 2100,
    .controls = kControls};

class frmFailing : public forms::FormWithHandlers<frmFailing> {
 public:
  frmFailing();

 private:
  struct Handlers;  // the table of control events, below

  void Command1_Click() { throw forms::RuntimeError(forms::kFileNotFound); }
  void Command2_Click() { throw std::bad_alloc(); }
  void Command3_Click() { throw std::logic_error("not a runtime error"); }
  void Command4_Click() {
    forms::Control& count = Controls(L"Label1");
    count.SetCaption(std::to_wstring(std::stoi(count.Caption()) + 1));
  }
};

struct frmFailing::Handlers {
  static constexpr forms::EventHandler<frmFailing> kTable[] = {
      {L"Command1", forms::Event::Click, &frmFailing::Command1_Click},
      {L"Command2", forms::Event::Click, &frmFailing::Command2_Click},
      {L"Command3", forms::Event::Click, &frmFailing::Command3_Click},
      {L"Command4", forms::Event::Click, &frmFailing::Command4_Click},
  };
  static_assert(forms::HandlersMatch<frmFailing>(kDescription, kTable),
                "every handler names a control of the window and an event that it raises");
};

frmFailing::frmFailing() : FormWithHandlers(kDescription, Handlers::kTable) {}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  static const forms::Project project{
      kProjectTitle, []() -> std::unique_ptr<forms::Form> { return forms::NewForm<frmFailing>(); }};
  return forms::Run(project);
}
