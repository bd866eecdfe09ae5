#pragma once

#include "CliOptions.h"

class CSettings;

int CmdDefaults(const CliOptions &options);
int CmdLoad(const CliOptions &options);
int CmdDiff(const CliOptions &options);

// Loads path over g_settings as Load Settings does; names the file on stderr when it cannot
// be opened. Returns true on success and puts the parse summary into summary.
bool LoadSettingsFile(const std::string &path, std::string &summary);
// The same into another model.
bool LoadSettingsFile(CSettings &settings, const std::string &path, std::string &summary);
