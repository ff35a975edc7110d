#pragma once

// One open/close cycle of each notice, and the round that opens many at once.
// Each returns an empty text when the notice opened, answered as it should
// and closed with everything it started ended, or what went wrong.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "caller_thread.h"
#include "soak_module.h"

struct SoakContext {
    SoakModule module;
    std::wstring directory;  // of the module, the string modules and the test spooler
    HANDLE printer;          // a printer of the test spooler, for the cross-session road
    // Below version 6 the sending entries show their notices in this process
    // even when allowed to send them: there the direct cycles allow it.
    BOOL allowSend;
    CallerThread caller;
    std::vector<std::unique_ptr<CallerThread>> crowd;  // for notices opened at once

    std::wstring Path(const wchar_t* fileName) const { return directory + fileName; }
};

// VJobStorageDialog on even cycles, the receiving entry on odd ones.
std::wstring JobStorageCycle(SoakContext& soak, int cycle);
// VDisplayDialog in this process on even cycles, the receiving entry (message
// box first) on odd ones.
std::wstring DuplexModalCycle(SoakContext& soak, int cycle);
std::wstring DuplexModelessCycle(SoakContext& soak, int cycle);
// The receiving entry, closed in turn by OK, Cancel, the third button and the
// close box, with a short and a growing message.
std::wstring WarningCycle(SoakContext& soak, int cycle);
// IShowWarningDialog below version 6: the notice on the caller's thread,
// answered with the button that closed it.
std::wstring WarningDirectCycle(SoakContext& soak, int cycle);
// Through the test spooler's channel and host: the warning, the modal and the
// modeless manual duplex instructions in turn.
std::wstring CrossSessionCycle(SoakContext& soak, int cycle);

// Opens count notices at once from count threads (a quarter of each kind:
// job storage, modal and modeless manual duplex, warning), waits until all
// are on screen, then closes them all through their buttons. *peak gets the
// process's figures while they are all open.
struct ProcessFigures;
std::wstring ConcurrentRound(SoakContext& soak, int count, ProcessFigures* peak);
