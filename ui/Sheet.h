#pragma once

#include "PropertySheet.h"
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
