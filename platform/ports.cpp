#include "platform/ports.h"

PlatformPorts Ports;
