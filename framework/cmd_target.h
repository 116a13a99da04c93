// Command routing shared by windows and the application object.
#pragma once

#include <windows.h>

// Codes passed with a command: run it, or report its menu item's state.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// The framework's help command, sent for F1 and handled by the application object.
constexpr UINT ID_HELP = 0xE146;

// Something that can handle commands by identifier.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Handles command `id` with notification `code` (CN_COMMAND, a control notification such as
    // BN_CLICKED, or CN_UPDATE_COMMAND_UI with a CCmdUI in `extra`). For CN_COMMAND a non-null
    // `extra` only asks whether a handler exists. Returns TRUE when handled.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra) {
        (void)id;
        (void)code;
        (void)extra;
        return FALSE;
    }
};

// Runs a command handler unless the call only probes for one; for the switch of an OnCmdMsg.
template <typename T>
BOOL RunCommand(T* target, void (T::*handler)(), void* probe) {
    if (probe == nullptr) (target->*handler)();
    return TRUE;
}
