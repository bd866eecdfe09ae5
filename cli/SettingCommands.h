#pragma once

// The commands that describe the settings themselves rather than a device or a file's values:
// keys, help and changed. They read the setting table and its help table, nothing else.

#include "CliOptions.h"

#include <string>

class CSettings;

int CmdKeys(const CliOptions &options);
int CmdHelp(const CliOptions &options);
int CmdChanged(const CliOptions &options);

// The settings text of both banks' headers and only the lines whose values differ from the
// defaults: loaded over the defaults it gives settings back.
std::string ChangedText(const CSettings &settings);
