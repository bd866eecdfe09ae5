#pragma once

#include "ui/PropertySheet.h"
#include "ui/pages/BasicPage.h"
#include "ui/pages/BeaconPage.h"
#include "ui/pages/CommsPage.h"
#include "ui/pages/DisplayPage.h"
#include "ui/pages/GPSPage.h"
#include "ui/pages/PacketPage.h"
#include "ui/pages/PortsPage.h"
#include "ui/pages/PositionPage.h"
#include "ui/pages/PositionTimingPage.h"
#include "ui/pages/TelemetryPage.h"

class QLabel;
class QPushButton;

// The program's one window: ten tabs, the bank label and "&Close".
class CSheet : public CPropertySheet {
    Q_OBJECT
public:
    CSheet();
    ~CSheet() override;

    void SetBankLabel(const QString &text);

    CBasicPage m_basicPage;
    CPortsPage m_portsPage;
    CPositionPage m_positionPage;
    CPositionTimingPage m_positionTimingPage;
    CGPSPage m_gpsPage;
    CBeaconPage m_beaconPage;
    CTelemetryPage m_telemetryPage;
    CPacketPage m_packetPage;
    CDisplayPage m_displayPage;
    CCommsPage m_commsPage;

    QLabel *m_pBankLabel = nullptr;
    QPushButton *m_pCloseButton = nullptr;

protected:
    void OnInitDialog() override;
};
