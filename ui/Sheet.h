#pragma once

#include "CommsPage.h"
#include "PropertySheet.h"

#include <memory>
#include <string_view>

class CBasicPage;
class CBeaconPage;
class CDeviceLink;
class CSettings;
class CDisplayPage;
class CGPSPage;
class CPacketPage;
class CPortsPage;
class CPositionPage;
class CPositionTimingPage;
class CSettingFinder;
class CTelemetryPage;
class QLabel;
class QPushButton;

// The program's one window: ten tabs, the bank label and "&Close".
class CSheet : public CPropertySheet {
    Q_OBJECT
public:
    // The window edits `settings` (the start code's model, which outlives it) and hands it to
    // its pages; `comms`: what the command line asked of the Comms page (its port, traced ports).
    explicit CSheet(CSettings &settings, const CommsOptions &comms = CommsOptions());
    ~CSheet() override;

    // True when the settings differ from those last read from the device, written to it,
    // loaded from a file or saved to one; the shown page's controls count (they are stored
    // first).
    bool HasUnsavedChanges();
    // The settings as they stand become the ones nothing is lost against.
    void SettleSettings();

    // Asks what the window's state calls for before it closes (an operation that runs,
    // unsaved changes); true when it may close.
    bool CanClose();

    // The control bound to a setting (key in lower case, as the setting table has it) on the
    // page its help names, and that page's index; nullptr when no page shows that setting.
    QWidget *SettingControl(std::string_view key, int *pageIndex = nullptr) const;
    // Shows the page of a setting, scrolls to its control, focuses it and marks it briefly so
    // the eye finds it. Changes no value and not the bank. False for a key no page shows.
    bool ShowSetting(std::string_view key);

    // The Compare dialog on the window's settings (the shown page's controls stored first);
    // on the verify's read-back when `readBack`. An opened row shows its setting's page.
    void OpenCompare(bool readBack = false);

    // Closes as the Close button does: only when CanClose() allows it. The window's close
    // button and Esc come here too.
    void reject() override;

protected:
    void OnInitDialog() override;
    void done(int result) override;

private:
    void OnClose();
    // Asked by the Comms page before Read Config or Load Settings replaces the settings.
    bool ConfirmDiscard(const QString &action);
    // "Save Settings…", the discarding button (its caption given), "Cancel": true to go on,
    // after a successful save or a discard.
    bool AskAboutChanges(const QString &question, const QString &discardCaption);
    // The window's place and the shown tab, as left in the last run.
    void RestoreRemembered();
    void Remember() const;

    // The bank page reports the bank it shows; the label follows it from any tab.
    void OnBankChanged(int bank);

    CSettings &m_settings;
    // The device link on the window's settings, the Comms page's; it outlives the pages.
    std::unique_ptr<CDeviceLink> m_pLink;
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

    // The settings as last read, written, loaded or saved.
    std::unique_ptr<CSettings> m_pBaseline;

    QLabel *m_pBankLabel = nullptr;
    // The frame drawn around a control that ShowSetting() found, hidden again after a moment.
    QWidget *m_pFoundMarker = nullptr;
    QPushButton *m_pCloseButton = nullptr;
    // The search field and the changed-from-defaults view, in the button row.
    CSettingFinder *m_pFinder = nullptr;
};
