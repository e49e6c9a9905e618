#include "settings/platform_ports.h"

PlatformPorts Ports;
