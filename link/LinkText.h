#pragma once

// The words for what the link reports: the status line and the debug line of the Comms page,
// and rezar-cli's status lines, made from the link's values in this one place and passed
// through Qt's translation system (context "LinkText"). Device lines, settings lines, file and
// port names and the system's own reasons are put in as they are, never translated.

#include "LinkEvents.h"

#include <QCoreApplication>
#include <QString>

class LinkText {
    Q_DECLARE_TR_FUNCTIONS(LinkText)
public:
    // The status line before anything was started.
    static QString Ready();
    static QString Status(const LinkStatus &status);
    static QString Note(const LinkNote &note);

    // The same as bytes in the system's encoding, for a terminal: what came from the device or
    // the settings model goes out exactly as it came.
    static std::string StatusBytes(const LinkStatus &status);
    static std::string NoteBytes(const LinkNote &note);

    // Bytes in the system's encoding (file and port names, device lines) as a text, and back.
    static QString FromSystem(const std::string &bytes);
    static std::string ToSystem(const QString &text);
};
