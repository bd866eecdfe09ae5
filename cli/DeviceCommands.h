#pragma once

#include "CliOptions.h"

int CmdPorts(const CliOptions &options);
int CmdRead(const CliOptions &options);
int CmdWrite(const CliOptions &options);
int CmdFlash(const CliOptions &options);
