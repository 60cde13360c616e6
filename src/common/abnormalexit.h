#pragma once

#include <QString>

#include <functional>

// When a library ends the program from under the event loop (Qt's X11 and
// Wayland platforms call exit() once the display server is gone), nothing is
// destroyed in order: a half-made export folder, the temporary folders and the
// tools still running would stay behind. Caught at that exit, the tools are
// killed, every cleanup registered runs, this process's temporary folders go,
// and the program ends with lostDisplayStatus instead.
namespace AbnormalExit {

inline constexpr int lostDisplayStatus = 3;

// In main, once the application object exists, before the event loop runs;
// again after anyone else installs a message handler (it is chained to).
void install();
// main is returning: an ordinary end, nothing to catch.
void ordinaryEnd();

// What the abnormal end does before the program goes: the tools killed, every
// cleanup registered run (and dropped), this process's temporary folders
// removed. True when one was registered (an export was under way).
bool cleanUp();

// What to undo should the program end abnormally (a folder under way to
// remove); an id for dropping it once done. Only on the main thread.
[[nodiscard]] quint64 addCleanup(std::function<void()> cleanup);
void dropCleanup(quint64 id);

} // namespace AbnormalExit
