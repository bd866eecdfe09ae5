#pragma once

#include "CliOptions.h"

#include <string>

class CSettings;

int CmdDefaults(const CliOptions &options);
int CmdLoad(const CliOptions &options);
int CmdDiff(const CliOptions &options);
int CmdHistory(const CliOptions &options);

// Loads path over settings as Load Settings does; names the file and the reason on stderr
// when it cannot be read. "-" is standard input, and a FIFO or pipe is read as well (the
// window refuses those); both are bounded by kMaxStreamBytes. Returns true on success and puts
// the parse summary into summary.
bool LoadSettingsFile(CSettings &settings, const std::string &path, std::string &summary);

// Puts standard input, output and error into binary mode where the C library has a text mode
// (Windows, where every LF written would gain a CR: a settings text's CR LF would come out as
// CR CR LF, and one read would lose its CR), so that they carry the same bytes on every
// system. Called once at the start, before anything is read or written.
void UseBinaryStreams();

// Writes bytes to stdout unchanged and makes sure they got out; on a failed or short write
// says so on stderr ("cannot write standard output: ...") and returns false.
[[nodiscard]] bool WriteStdout(const std::string &text);

// The settings whose values differ between a and b, one line each: bank, key (lower case),
// value in a, value in b, separated by tabs, in the order of the settings text.
std::string DifferenceLines(const CSettings &a, const CSettings &b);

// diff's output and exit status: DifferenceLines on stdout, then DiffSame or DiffDiffers, or
// DiffTrouble when stdout did not take them.
int PrintDifferences(const CSettings &a, const CSettings &b);
