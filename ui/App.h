#pragma once

#include "WinApp.h"

#include <QIcon>

class CQuillwrenAlphaConfigApp : public CWinApp {
public:
    // Shows the main sheet modally; returns false so that the program ends when it closes.
    bool InitInstance() override;
};

extern CQuillwrenAlphaConfigApp g_theApp;

// The application icon (res/rezar.svg), for the application and the sheet.
QIcon AppIcon();
