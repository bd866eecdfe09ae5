#include "App.h"

#include "Sheet.h"

#include <QCoreApplication>

CQuillwrenAlphaConfigApp g_theApp;

bool CQuillwrenAlphaConfigApp::InitInstance()
{
    CWinApp::InitInstance();
    // The program keeps no settings of its own; the name is only the framework's key.
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");

    CSheet sheet;
    sheet.DoModal();
    return false;
}

QIcon AppIcon()
{
    // rezar_ui is a static library: its resources are registered by hand (repeats are no-ops).
    Q_INIT_RESOURCE(rezar);
    return QIcon(QStringLiteral(":/rezar.svg"));
}
