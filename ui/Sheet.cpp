#include "Sheet.h"

#include "App.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

CSheet::CSheet() : CPropertySheet("Quillwren Rezar Configuration")
{
    setObjectName("sheet");
    // The tab order is the order the pages are added in.
    AddPage(&m_basicPage);
    AddPage(&m_portsPage);
    AddPage(&m_positionPage);
    AddPage(&m_positionTimingPage);
    AddPage(&m_gpsPage);
    AddPage(&m_beaconPage);
    AddPage(&m_telemetryPage);
    AddPage(&m_packetPage);
    AddPage(&m_displayPage);
    AddPage(&m_commsPage);

    // The bank label stands at the left end of the button row, "&Close" at the right, where
    // the help button of a classic property sheet stands. No Apply, OK/Cancel or Help.
    m_pBankLabel = new QLabel("BANK:0", this);
    m_pBankLabel->setObjectName("bankLabel");
    m_pBankLabel->setMinimumWidth(m_pBankLabel->fontMetrics().horizontalAdvance("BANK:0") * 2);
    m_pCloseButton = new QPushButton("&Close", this);
    m_pCloseButton->setObjectName("closeButton");
    m_pCloseButton->setDefault(false);
    m_pCloseButton->setAutoDefault(false);
    connect(m_pCloseButton, &QPushButton::clicked, this, &QDialog::accept);
    ButtonRow()->addWidget(m_pBankLabel);
    ButtonRow()->addStretch(1);
    ButtonRow()->addWidget(m_pCloseButton);

    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(AppIcon());
}

CSheet::~CSheet()
{
    // The pages are members and go before the base: no tab change may reach them on the way.
    StopPages();
}

void CSheet::SetBankLabel(const QString &text)
{
    m_pBankLabel->setText(text);
}

void CSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
#ifdef Q_OS_WIN
    // The system menu gets its own "Mi&nimize" entry and a separator below it.
    HWND hwnd = reinterpret_cast<HWND>(winId());
    if (HMENU menu = GetSystemMenu(hwnd, FALSE)) {
        InsertMenuW(menu, 1, MF_BYPOSITION | MF_STRING, SC_MINIMIZE, L"Mi&nimize");
        InsertMenuW(menu, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        DrawMenuBar(hwnd);
    }
#endif
}
