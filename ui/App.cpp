#include "App.h"

#include "Sheet.h"

#include "Settings.h"

#include <QCoreApplication>

CQuillwrenAlphaConfigApp g_theApp;
CSettings g_settings;

bool CQuillwrenAlphaConfigApp::InitInstance()
{
    CWinApp::InitInstance();
    // What the window remembers between runs, and the history of device operations, live
    // under these names (rezar-cli uses the same).
    QCoreApplication::setOrganizationName("Quillwren");
    QCoreApplication::setApplicationName("rezar-config");

    // The window's one model: the sheet and its pages are handed it.
    CSheet sheet(g_settings, m_comms);
    sheet.DoModal();
    return false;
}

QIcon AppIcon()
{
    // rezar_ui is a static library: its resources are registered by hand (repeats are no-ops).
    Q_INIT_RESOURCE(rezar);
#ifdef Q_OS_WIN
    // The Qt shipped for Windows reads no SVG.
    return QIcon(QStringLiteral(":/rezar.ico"));
#else
    return QIcon(QStringLiteral(":/rezar.svg"));
#endif
}
