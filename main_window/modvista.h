// The common-controls initialisation that gives the controls the desktop's visual styles.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "forms/declare.h"
#include "forms/types.h"

namespace modvista {

using InitCommonControlsExFunction = forms::DeclaredFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>;

// comctl32's InitCommonControlsEx, bound on its first call.
extern const InitCommonControlsExFunction InitCommonControlsEx;

// True when the call was made, False when the runtime could not bind it. Never raises.
forms::Boolean InitVisualStyles(const InitCommonControlsExFunction& initCommonControlsEx = InitCommonControlsEx);

}  // namespace modvista
