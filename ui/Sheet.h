#pragma once

#include "PropertySheet.h"

#include <memory>

class CBasicPage;
class CBeaconPage;
class CCommsPage;
class CDisplayPage;
class CGPSPage;
class CPacketPage;
class CPortsPage;
class CPositionPage;
class CPositionTimingPage;
class CTelemetryPage;
class QLabel;
class QPushButton;

// The program's one window: ten tabs, the bank label and "&Close".
class CSheet : public CPropertySheet {
    Q_OBJECT
public:
    CSheet();
    ~CSheet() override;

protected:
    void OnInitDialog() override;

private:
    // The bank page reports the bank it shows; the label follows it from any tab.
    void OnBankChanged(int bank);

    std::unique_ptr<CBasicPage> m_pBasicPage;
    std::unique_ptr<CPortsPage> m_pPortsPage;
    std::unique_ptr<CPositionPage> m_pPositionPage;
    std::unique_ptr<CPositionTimingPage> m_pPositionTimingPage;
    std::unique_ptr<CGPSPage> m_pGpsPage;
    std::unique_ptr<CBeaconPage> m_pBeaconPage;
    std::unique_ptr<CTelemetryPage> m_pTelemetryPage;
    std::unique_ptr<CPacketPage> m_pPacketPage;
    std::unique_ptr<CDisplayPage> m_pDisplayPage;
    std::unique_ptr<CCommsPage> m_pCommsPage;

    QLabel *m_pBankLabel = nullptr;
    QPushButton *m_pCloseButton = nullptr;
};
