#pragma once

#include "CliOptions.h"

int CmdPorts(const CliOptions &options);
int CmdRead(const CliOptions &options);
int CmdWrite(const CliOptions &options);
int CmdFlash(const CliOptions &options);
// diff --device PORT [FILE]: the device's settings, read as CmdRead reads them, against FILE or
// the defaults; diff's output and exit status (3 when it gave up waiting on the device).
int DiffWithDevice(const CliOptions &options);
