#include "Sheet.h"

#include "App.h"
#include "BasicPage.h"
#include "BeaconPage.h"
#include "CommsPage.h"
#include "DisplayPage.h"
#include "GPSPage.h"
#include "PacketPage.h"
#include "PortsPage.h"
#include "PositionPage.h"
#include "PositionTimingPage.h"
#include "TelemetryPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

CSheet::CSheet()
    : CPropertySheet("Quillwren Rezar Configuration"),
      m_pBasicPage(std::make_unique<CBasicPage>()),
      m_pPortsPage(std::make_unique<CPortsPage>()),
      m_pPositionPage(std::make_unique<CPositionPage>()),
      m_pPositionTimingPage(std::make_unique<CPositionTimingPage>()),
      m_pGpsPage(std::make_unique<CGPSPage>()),
      m_pBeaconPage(std::make_unique<CBeaconPage>()),
      m_pTelemetryPage(std::make_unique<CTelemetryPage>()),
      m_pPacketPage(std::make_unique<CPacketPage>()),
      m_pDisplayPage(std::make_unique<CDisplayPage>()),
      m_pCommsPage(std::make_unique<CCommsPage>())
{
    setObjectName("sheet");
    // The tab order is the order the pages are added in.
    AddPage(m_pBasicPage.get());
    AddPage(m_pPortsPage.get());
    AddPage(m_pPositionPage.get());
    AddPage(m_pPositionTimingPage.get());
    AddPage(m_pGpsPage.get());
    AddPage(m_pBeaconPage.get());
    AddPage(m_pTelemetryPage.get());
    AddPage(m_pPacketPage.get());
    AddPage(m_pDisplayPage.get());
    AddPage(m_pCommsPage.get());

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
    connect(m_pTelemetryPage.get(), &CTelemetryPage::bankChanged, this, &CSheet::OnBankChanged);

    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(AppIcon());
}

CSheet::~CSheet()
{
    // The pages are owned here and go before the base: no tab change may reach them on the way.
    StopPages();
}

void CSheet::OnBankChanged(int bank)
{
    m_pBankLabel->setText(QStringLiteral("BANK:%1").arg(bank));
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
