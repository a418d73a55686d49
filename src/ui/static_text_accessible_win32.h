// Lets a window of the program's own class be seen as static text. The
// system's accessibility proxy already names such a window by its text, but
// gives it the role of a plain client area; answering WM_GETOBJECT with an
// object that passes every call to the proxy's own, its role alone changed,
// tells screen readers that the window is text to read.
#pragma once

#include <windows.h>

// For WM_GETOBJECT of window: true, and the answer in *result, when asked for
// the client object; false (default handling) otherwise or when the system has
// no accessibility library. The library is loaded at the first request, so a
// run without an accessibility client never loads it.
bool AnswerAsStaticText(HWND window, WPARAM flags, LPARAM objectId, LRESULT* result);

// IAccessible's interface id, written out. Where oleacc's import library is on
// the link line (the test suites), x86_64 ld resolves IID_IAccessible to the
// library's import thunk, not to the id, and every call that names it fails.
extern const IID kAccessibleInterfaceId;
