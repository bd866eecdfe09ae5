#pragma once

#include "CommsPage.h"
#include "WinApp.h"

#include <QIcon>

class CQuillwrenAlphaConfigApp : public CWinApp {
public:
    // Shows the main sheet modally; returns false so that the program ends when it closes.
    bool InitInstance() override;

    // What the command line asked of the Comms page; set by main() before InitInstance.
    CommsOptions m_comms;
};

extern CQuillwrenAlphaConfigApp g_theApp;
// The window's one settings model, handed to the sheet; nothing else names it.
extern CSettings g_settings;

// The application icon (res/rezar.svg), for the application and the sheet.
QIcon AppIcon();
