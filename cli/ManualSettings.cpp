// rezar-manual-settings: the SETTINGS section of rezar-cli's manual, made from the setting table
// and its help table, in English. Not installed: a build step for the manual's source.
//
//   rezar-manual-settings            prints the section
//   rezar-manual-settings MANUAL     puts it into MANUAL in place of the one there

#include "SettingHelp.h"
#include "Settings.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Source lines of the help text break at blanks before this many columns, so that a change of
// one help reads as a change of a few lines.
constexpr size_t kSourceLineColumns = 92;

const char kIntroduction[] =
    ".SH SETTINGS\n"
    "Each bank holds these settings, in the order of the settings text: the key as a settings\n"
    "file writes it, its default, the page of\n"
    ".BR rezar\\-config (1)\n"
    "that shows it, and what it does.\n"
    ".B rezar\\-cli help\n"
    ".I KEY\n"
    "tells the same with the setting's type, label and unit, in the user's language.\n";

// Text for roff: a backslash printed as one, every '-' a hyphen-minus (what the key or value
// holds, never a hyphen roff may break at), and inside a quoted argument a '"' as a character.
std::string Escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else if (c == '"')
            out += "\\(dq";
        else
            out += c;
    }
    return out;
}

// A text line that begins with '.' or '\'' would be read as a request: \& in front keeps it text.
std::string TextLine(const std::string &line)
{
    return (!line.empty() && (line[0] == '.' || line[0] == '\'')) ? "\\&" + line : line;
}

// Help text as source lines of at most kSourceLineColumns, broken at blanks.
std::string HelpLines(const std::string &help)
{
    std::istringstream words(help);
    std::string out, line, word;
    while (words >> word) {
        if (!line.empty() && line.size() + 1 + word.size() > kSourceLineColumns) {
            out += TextLine(line) + '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    return out + TextLine(line) + '\n';
}

std::string Section()
{
    std::string roff = kIntroduction;
    for (size_t i = 0; i < g_settingTable.size(); ++i) {
        const Setting &setting = g_settingTable[i];
        const SettingHelp &help = g_settingHelp[i];
        std::string key = setting.key;
        for (char &c : key)
            c = char(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        roff += ".TP\n.B " + key + "\n";
        roff += ".RB \"Default \" \"" + Escaped(setting.DefaultText()) + "\" \", on the " + Escaped(help.page)
                + " page.\"\n.br\n";
        roff += HelpLines(Escaped(help.help));
    }
    return roff;
}

// MANUAL with its SETTINGS section, from its heading to the next heading, replaced by SECTION;
// false when MANUAL has no such section.
bool Replace(std::string &manual, const std::string &section)
{
    const size_t start = manual.find("\n.SH SETTINGS\n");
    if (start == std::string::npos)
        return false;
    const size_t end = manual.find("\n.SH ", start + 1);
    manual.replace(start + 1, end == std::string::npos ? std::string::npos : end - start, section);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 1) {
        std::cout << Section();
        return std::cout.flush() ? 0 : 1;
    }
    if (argc != 2) {
        std::cerr << "usage: rezar-manual-settings [MANUAL]\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string manual = text.str();
    if (!in || !Replace(manual, Section())) {
        std::cerr << "rezar-manual-settings: no SETTINGS section in " << argv[1] << "\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << manual;
    return out.flush() ? 0 : 1;
}
