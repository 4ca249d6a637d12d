// The Delete button: finds autorun.inf at the root of the chosen drive, asks, removes it
// through the command interpreter and tells the user what became of it.
#include "forms/error_handling.h"
#include "forms/message_box.h"
#include "forms/process.h"
#include "main_window/frm_auto.h"
#include "main_window/system_interpreter.h"

namespace {

constexpr wchar_t kFolderName[] = L"\\autorun.inf";
constexpr wchar_t kRemoveCommand[] = L"cmd /c rd /s /q \\\\.\\";
constexpr wchar_t kQuestion[] = L"Are you sure you want to delete Autorun.inf folder ?";
constexpr wchar_t kWarning[] = L"Attention: All Folders Autorun.inf and its contents will be deleted ...";
constexpr wchar_t kDeleted[] = L"Autorun.inf folder deleted successfully ...!!!";
constexpr wchar_t kNotDeleted[] = L"Autorun.inf folder could NOT be deleted ...";
constexpr wchar_t kNotFound[] = L"Autorun.inf folder is NOT found ...";
constexpr wchar_t kAttention[] = L"Attention !";

// Runs the removal command and waits for it. False when the interpreter could not be started.
// It is the system's own interpreter, so a cmd.exe on the stick or in the current folder is
// never run; and it starts in the system directory, so it keeps no folder on the stick busy.
bool RunToEnd(const std::wstring& commandLine) {
  const std::wstring system = SystemDirectory();
  forms::StartedProgram started;
  try {
    started = forms::StartProgram(SystemCommandInterpreter(), commandLine, forms::kMinimizedFocus, system);
  } catch (const forms::RuntimeError& error) {
    if (error.Number() != forms::kFileNotFound) throw;
    return false;
  }
  forms::WaitModally(started.process.Get());
  return true;
}

// "Gone" counts only while the drive still answers: a drive pulled out meanwhile hides the
// folder as well as a removal would.
bool RootAnswers(const std::wstring& drive) {
  return GetFileAttributesW((drive + L"\\").c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void frmAuto::cmdHapus_Click() {
  forms::LeaveSilentlyOnError([this] {
    std::wstring path = Label1().Caption() + kFolderName;
    if (FolderExists(path) != forms::True) {
      forms::MsgBox(kNotFound, MB_OK | MB_ICONSTOP, kAttention);
      return;
    }
    const std::wstring confirmation = std::wstring(kQuestion) + L"\r\n\r\n" + kWarning;
    if (forms::MsgBox(confirmation, MB_OKCANCEL | MB_ICONQUESTION, L"Confirmation") != IDOK) return;
    const std::wstring drive = Label1().Caption();
    // The interpreter's exit code says nothing reliable: only a second look tells.
    if (RunToEnd(kRemoveCommand + drive + kFolderName) && FolderExists(path) != forms::True && RootAnswers(drive)) {
      forms::MsgBox(kDeleted, MB_OK | MB_ICONINFORMATION, L"Information");
    } else {
      forms::MsgBox(kNotDeleted, MB_OK | MB_ICONSTOP, kAttention);
    }
  });
}
