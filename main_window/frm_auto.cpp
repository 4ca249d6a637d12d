#include "main_window/frm_auto.h"

#include "about_window/form1.h"
#include "forms/global.h"
#include "forms/message_box.h"
#include "forms/text.h"
#include "main_window/frm_auto_description.h"
#include "main_window/modvista.h"

struct frmAuto::Handlers {
  static constexpr forms::EventHandler<frmAuto> kTable[] = {
      {L"Drive1", forms::Event::Change, &frmAuto::Drive1_Change},
      {L"cmdHapus", forms::Event::Click, &frmAuto::cmdHapus_Click},
      {L"Command1", forms::Event::Click, &frmAuto::Command1_Click},
      {L"Command2", forms::Event::Click, &frmAuto::Command2_Click},
      {L"Label5", forms::Event::Click, &frmAuto::Label5_Click},
      {L"Label6", forms::Event::Click, &frmAuto::Label6_Click},
  };
  static_assert(forms::HandlersMatch<frmAuto>(frmAutoDescription, kTable),
                "every handler names a control of the main window and an event that it raises");
};

const forms::DeclaredFunction<DWORD(WINAPI*)(LPCSTR)> frmAuto::GetFileAttributesA{L"kernel32",
                                                                                   "GetFileAttributesA"};
const forms::DeclaredFunction<HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)>
    frmAuto::ShellExecuteA{L"shell32.dll", "ShellExecuteA"};

frmAuto::frmAuto() : FormWithHandlers(frmAutoDescription, Handlers::kTable) {}

void frmAuto::Form_Initialize() { modvista::InitVisualStyles(); }

void frmAuto::Form_Activate() { UpdateDriveLetter(); }

void frmAuto::Drive1_Change() { UpdateDriveLetter(); }

void frmAuto::UpdateDriveLetter() {
  const std::wstring letterAndColon = forms::Mid(Controls(L"Drive1").Drive(), 1, 2);
  Label1().SetCaption(letterAndColon);
}

forms::Boolean frmAuto::FolderExists(std::wstring& sPath) {
  const DWORD attributes = GetFileAttributesA(sPath);
  if (attributes == INVALID_FILE_ATTRIBUTES) return forms::False;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) == FILE_ATTRIBUTE_DIRECTORY ? forms::True : forms::False;
}

void frmAuto::Form_QueryUnload(std::int16_t& Cancel, std::int16_t&) {
  if (forms::MsgBox(L"Are you sure you want to quit ?", MB_YESNO, L"Exit") == IDNO) Cancel = 1;
}

void frmAuto::Command1_Click() { forms::Global().Unload(*this); }

void frmAuto::Command2_Click() { forms::ProgramWide<Form1>().Show(forms::ShowMode::Modal); }

void frmAuto::Label5_Click() { ShellExecuteA(nullptr, L"open", kArticle120716, nullptr, nullptr, SW_SHOWNORMAL); }

void frmAuto::Label6_Click() { ShellExecuteA(nullptr, L"open", kArticle279868, nullptr, nullptr, SW_SHOWNORMAL); }
