// The life of a window in-process: Initialize before any window, Load from the description,
// QueryUnload on every road, modal Show, program-wide instances and event routing.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/global.h"
#include "forms/internal.h"

namespace {

const forms::ControlDescription kProbeControls[] = {
    {.type = forms::ControlClass::CommandButton, .name = L"Command1", .caption = L"&Go",
     .box = {120, 120, 975, 375}, .tabIndex = 1},
    {.type = forms::ControlClass::Label, .name = L"Label1", .caption = L"probe", .box = {120, 600, 975, 255}},
};

const forms::FormDescription kProbeDescription{
    .name = L"Probe", .caption = L"Probe window", .clientWidth = 3000, .clientHeight = 1500,
    .controls = kProbeControls};

// Records what the runtime raised, and answers QueryUnload as told.
class Probe : public forms::FormWithHandlers<Probe> {
 public:
  Probe() : FormWithHandlers(kProbeDescription, kHandlers) {}

  std::vector<std::wstring> events;
  bool existedAtInitialize = true;
  std::int16_t answer = 0;
  std::vector<std::int16_t> unloadModes;

  void Form_Initialize() override {
    existedAtInitialize = IsLoaded();
    events.push_back(L"Initialize");
  }
  void Form_Activate() override { events.push_back(L"Activate"); }
  void Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode) override {
    EXPECT_EQ(Cancel, 0);
    unloadModes.push_back(UnloadMode);
    Cancel = answer;
  }

 private:
  static const forms::EventHandler<Probe> kHandlers[1];
  void Command1_Click() { events.push_back(L"Command1_Click"); }
};

const forms::EventHandler<Probe> Probe::kHandlers[1] = {
    {L"Command1", forms::Event::Click, &Probe::Command1_Click},
};

// Dispatches what is queued now.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

TEST(FormLife, InitializeRunsOnceAtCreationBeforeAnyWindowExists) {
  auto probe = forms::NewForm<Probe>();
  EXPECT_FALSE(probe->existedAtInitialize);
  EXPECT_FALSE(probe->IsLoaded());
  probe->Load();
  EXPECT_EQ(std::count(probe->events.begin(), probe->events.end(), L"Initialize"), 1);
}

TEST(FormLife, LoadBuildsTheControlsWithIdsInDescriptionOrder) {
  auto probe = forms::NewForm<Probe>();
  probe->Load();
  HWND button = GetDlgItem(probe->Handle(), 1);
  HWND label = GetDlgItem(probe->Handle(), 2);
  ASSERT_TRUE(button && label);
  wchar_t text[32];
  GetWindowTextW(button, text, 32);
  EXPECT_STREQ(text, L"&Go");
  EXPECT_EQ(probe->Controls(L"Label1").Caption(), L"probe");
  EXPECT_FALSE(IsWindowVisible(probe->Handle())) << "Load alone does not show";
  EXPECT_THROW(probe->Controls(L"Label9"), forms::RuntimeError);
}

TEST(FormLife, AControlOfAnUnloadedWindowRaises) {
  auto probe = forms::NewForm<Probe>();
  try {
    probe->Controls(L"Label1");
    FAIL();
  } catch (const forms::RuntimeError& error) {
    EXPECT_EQ(error.Number(), 364);
  }
}

TEST(FormLife, AClickReachesItsHandler) {
  auto probe = forms::NewForm<Probe>();
  probe->Show();
  SendMessageW(GetDlgItem(probe->Handle(), 1), BM_CLICK, 0, 0);
  EXPECT_EQ(probe->events.back(), L"Command1_Click");
}

TEST(FormLife, ActivateRunsAtTheFirstShow) {
  auto probe = forms::NewForm<Probe>();
  probe->Show();
  Pump();
  EXPECT_EQ(std::count(probe->events.begin(), probe->events.end(), L"Activate"), 1);
}

TEST(FormLife, QueryUnloadRunsOnEveryRoadAndCancelKeepsTheWindow) {
  struct Road {
    const char* name;
    std::int16_t mode;
    void (*close)(forms::Form&);
  };
  const Road roads[] = {
      {"Unload", forms::kFormCode, [](forms::Form& form) { forms::Global().Unload(form); }},
      {"close box", forms::kFormControlMenu, [](forms::Form& form) { SendMessageW(form.Handle(), WM_CLOSE, 0, 0); }},
      {"system menu", forms::kFormControlMenu,
       [](forms::Form& form) { SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"session end", forms::kAppWindows,
       [](forms::Form& form) {
         if (SendMessageW(form.Handle(), WM_QUERYENDSESSION, 0, 0)) SendMessageW(form.Handle(), WM_ENDSESSION, TRUE, 0);
       }},
  };
  for (const Road& road : roads) {
    auto probe = forms::NewForm<Probe>();
    probe->Show();
    probe->answer = 1;
    road.close(*probe);
    EXPECT_TRUE(probe->IsLoaded()) << road.name << ": Cancel keeps the window";
    probe->answer = 0;
    road.close(*probe);
    EXPECT_FALSE(probe->IsLoaded()) << road.name;
    EXPECT_EQ(probe->unloadModes, (std::vector<std::int16_t>{road.mode, road.mode})) << road.name;
  }
}

// What the modal window's timer saw while Show was still running.
struct ModalWatch {
  forms::Form* owner = nullptr;
  forms::Form* modal = nullptr;
  bool ran = false;
  bool ownerEnabled = true;
  bool modalVisible = false;
};
ModalWatch* modalWatch = nullptr;

void CALLBACK LookThenCloseModal(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  modalWatch->ran = true;
  modalWatch->ownerEnabled = IsWindowEnabled(modalWatch->owner->Handle()) != FALSE;
  modalWatch->modalVisible = IsWindowVisible(modalWatch->modal->Handle()) != FALSE;
  forms::Global().Unload(*modalWatch->modal);
}

TEST(FormLife, ModalShowHoldsTheCallerAndDisablesTheOtherWindows) {
  auto owner = forms::NewForm<Probe>();
  owner->Show();
  Pump();
  auto modal = forms::NewForm<Probe>();
  ModalWatch watch{owner.get(), modal.get()};
  modalWatch = &watch;
  SetTimer(nullptr, 0, 50, LookThenCloseModal);
  modal->Show(forms::ShowMode::Modal);
  EXPECT_TRUE(watch.ran) << "Show returned before its window was closed";
  EXPECT_TRUE(watch.modalVisible);
  EXPECT_FALSE(watch.ownerEnabled) << "the other window took input during the modal Show";
  EXPECT_TRUE(IsWindowEnabled(owner->Handle())) << "the other window takes input again";
  EXPECT_FALSE(modal->IsLoaded());
  Pump();
  EXPECT_EQ(std::count(owner->events.begin(), owner->events.end(), L"Activate"), 2)
      << "the owner is activated again when the modal window closes";
}

TEST(FormLife, AWindowAlreadyShownCannotBeShownModally) {
  auto probe = forms::NewForm<Probe>();
  probe->Show();
  try {
    probe->Show(forms::ShowMode::Modal);
    FAIL();
  } catch (const forms::RuntimeError& error) {
    EXPECT_EQ(error.Number(), 400);
  }
}

TEST(ProgramWide, TheInstanceIsCreatedOnFirstUseAndKeptAfterUnload) {
  Probe& first = forms::ProgramWide<Probe>();
  EXPECT_EQ(first.events.front(), L"Initialize");
  first.Show();
  forms::Global().Unload(first);
  EXPECT_FALSE(first.IsLoaded());
  Probe& second = forms::ProgramWide<Probe>();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(std::count(second.events.begin(), second.events.end(), L"Initialize"), 1);
  second.Show();
  EXPECT_TRUE(second.IsLoaded()) << "loaded afresh";
  forms::Global().Unload(second);
}

}  // namespace
