#include "app/shell_port.h"
#include "app/start_up.h"
#include "output/win32/win32_clipboard_port.h"
#include "platform/win32/message_box_port.h"
#include "settings/win32/registry_settings_store.h"
#include "platform/win32/resource_record_source.h"

void InstallPlatformPorts() {
    static MessageBoxPort messages;
    static ResourceRecordSource records;
    static RegistrySettingsStore store;
    static Win32ShellPort shell;
    static Win32ClipboardPort clipboard;
    Ports.Messages = &messages;
    Ports.Records = &records;
    Ports.Store = &store;
    Ports.Shell = &shell;
    Ports.Clipboard = &clipboard;
}
