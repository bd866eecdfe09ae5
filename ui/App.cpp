#include "ui/App.h"

#include "ui/Sheet.h"

#include <QCoreApplication>

CQuillwrenAlphaConfigApp g_theApp;

bool CQuillwrenAlphaConfigApp::InitInstance()
{
    CWinApp::InitInstance();
    // The program keeps no settings of its own; the name is only the framework's key.
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");

    CSheet sheet;
    m_pSheet = &sheet;
    sheet.DoModal();
    m_pSheet = nullptr;
    return false;
}

void CQuillwrenAlphaConfigApp::SetBankLabel(const QString &text)
{
    if (m_pSheet)
        m_pSheet->SetBankLabel(text);
}
