#pragma once
// The top-level windows of the X11 display, one row each, with the process that owns them.

#include "platform/TextTable.h"

namespace quillbat {

// Fields of a window row.
namespace WindowField {
inline constexpr int kHandle = 1;  // the window id, in decimal
inline constexpr int kClassName = 2;  // the class part of WM_CLASS
inline constexpr int kProcessId = 3;  // _NET_WM_PID, "0" when the window does not say
inline constexpr int kThreadId = 4;  // always "0": X11 does not tell
inline constexpr int kTitle = 5;
inline constexpr int kState = 6;  // see kVisibleTopLevel
inline constexpr int kCount = 6;
}  // namespace WindowField

// The state of a visible window that belongs to no other window. A hidden one without an
// owner has "-1"; a window that belongs to another (WM_TRANSIENT_FOR) has that window's id.
inline constexpr const char* kVisibleTopLevel = "0";

// Fills rows with every top-level window (the root's children and the clients the window
// manager holds inside its frames). False when there is no X11 display, or the session is
// Wayland's, where windows of native Wayland programs would be missing from the list.
bool GetWindowList(TextTable& rows);

}  // namespace quillbat
