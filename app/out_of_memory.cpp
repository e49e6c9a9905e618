#include "app/start_up.h"
#include "platform/allocation.h"
#include "settings/settings_persistence.h"

namespace {

void AbortForLackOfMemory() {
    MessageBoxW(nullptr, kOutOfMemoryText, kOutOfMemoryCaption, MB_ICONERROR);
    SaveAndQuit();
    ExitProcess(0);
}

}  // namespace

void InstallOutOfMemoryHandler() { SetAbortHook(AbortForLackOfMemory); }
