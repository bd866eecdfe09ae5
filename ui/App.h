#pragma once

#include "WinApp.h"

#include <QIcon>
#include <QString>

class CSheet;

class CQuillwrenAlphaConfigApp : public CWinApp {
public:
    // Shows the main sheet modally; returns false so that the program ends when it closes.
    bool InitInstance() override;
    // Sets the sheet's bank label while the sheet is shown; does nothing otherwise.
    void SetBankLabel(const QString &text);

    CSheet *m_pSheet = nullptr;
};

extern CQuillwrenAlphaConfigApp g_theApp;

// The application icon (res/rezar.svg), for the application and the sheet.
QIcon AppIcon();
