#include "cli/DeviceCommands.h"

// Placeholder until the device link lands.
int CmdPorts(const CliOptions &) { return UsageError("ports: not available yet"); }
int CmdRead(const CliOptions &) { return UsageError("read: not available yet"); }
int CmdWrite(const CliOptions &) { return UsageError("write: not available yet"); }
int CmdFlash(const CliOptions &) { return UsageError("flash: not available yet"); }
