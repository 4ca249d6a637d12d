// The main window: the drive picker, the removal of autorun.inf, the links, About and Exit.
// The Delete button's handler, cmdHapus_Click, has a file of its own: folder_removal.cpp.
#pragma once

#include <windows.h>

#include <string>

#include "forms/declare.h"
#include "forms/form.h"
#include "forms/types.h"

class frmAuto : public forms::FormWithHandlers<frmAuto> {
 public:
  frmAuto();

  // True when `sPath` names an existing directory. The path goes to the system as it is.
  forms::Boolean FolderExists(std::wstring& sPath);

 private:
  struct Handlers;  // the table of control events, in frm_auto.cpp
  static const forms::DeclaredFunction<DWORD(WINAPI*)(LPCSTR)> GetFileAttributesA;
  static const forms::DeclaredFunction<HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)> ShellExecuteA;

  void Form_Initialize() override;
  void Form_Activate() override;
  void Form_QueryUnload(std::int16_t& Cancel, std::int16_t& UnloadMode) override;
  void Drive1_Change();
  void UpdateDriveLetter();
  void cmdHapus_Click();
  void Command1_Click();
  void Command2_Click();
  void Label5_Click();
  void Label6_Click();

  forms::Control& Label1() { return Controls(L"Label1"); }
};
