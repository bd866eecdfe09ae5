#pragma once

#include "PropertyPage.h"

#include "DeviceLink.h"
#include "OperationDriver.h"

#include "CompareDialog.h"

#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QProgressBar;
class CSettings;

namespace Ui {
class CommsPage;
}

// What the Comms page is given by whoever builds it, from the command line.
struct CommsOptions {
    QString port;       // the port the port box starts with (else the one of the last run)
    PortFactory ports;  // where the link's ports come from (empty: the system's)
};

// The "Comms" tab: picks the port, starts a read, a write or a firmware load on the device
// link, loads and saves settings files, and drives the link with a 100 ms poll while shown.
// The port box's text, and the folder of each file dialog, are remembered between runs.
class CCommsPage : public CPropertyPage {
    Q_OBJECT
public:
    // `settings` is the window's model, `link` the device link on it; both are kept by
    // reference and must outlive the page.
    CCommsPage(CSettings &settings, CDeviceLink &link, const CommsOptions &options, QWidget *parent = nullptr);
    ~CCommsPage() override;

    bool OnSetActive() override;
    bool OnKillActive() override;

    // What a file dialog is asked to show. The filter is in Qt's form ("Caption (*.ext)").
    struct FileDialogRequest {
        bool bSave = false;
        QString title;
        QString filter;
        QString defaultSuffix;
        QString initialName;
        // Where the dialog opens (empty: the current folder).
        QString directory;
        // Folders offered in the side bar beside the standard places.
        QStringList places;
    };
    // Shows a file dialog and returns the chosen full path, or an empty text for Cancel.
    // Tests put their own in place of the real dialog.
    using FileChooser = std::function<QString(const FileDialogRequest &)>;
    FileChooser m_fnChooseFile;
    static QString RunFileDialog(QWidget *parent, const FileDialogRequest &request);

    // Asks before a firmware load: the file, its size, the port, and that the device's program
    // is erased first. True for "Load Firmware"; "Cancel" is the default.
    using FirmwareQuestion = std::function<bool(const QString &fileName, qint64 size, const QString &port)>;
    FirmwareQuestion m_fnConfirmFirmware;
    static bool AskFirmwareLoad(QWidget *parent, const QString &fileName, qint64 size,
                                const QString &port);

    // Asked before Write Config (unless the user turned it off): `text` says what will change
    // on the device or that it is unknown, `changes` lists it (device now, after the write).
    // True writes; *dontShowAgain turns the question off for later writes.
    using WriteQuestion = std::function<bool(const QString &text, const std::vector<SettingDifference> &changes,
                                             bool *dontShowAgain)>;
    WriteQuestion m_fnConfirmWrite;
    static bool AskWrite(QWidget *parent, const QString &text, const std::vector<SettingDifference> &changes,
                         bool *dontShowAgain);

    // Set by the window. Asked before Read Config or Load Settings replaces the settings
    // (`action` is the button's caption); true goes on. Without it the page goes on.
    std::function<bool(const QString &action)> m_fnConfirmDiscard;
    // Called once the settings match the device or a file: after "Read Complete", "Write
    // Complete", a load and a save that succeeded.
    std::function<void()> m_fnSettingsSettled;

    // Set by the window: opens the Compare dialog, on the verify's read-back when `readBack`.
    std::function<void(bool readBack)> m_fnCompare;

    // What a device is known to hold: the settings and where that knowledge came from.
    struct KnownDevice {
        CSettings settings;
        QString kind;  // "read" or "written"
        QDateTime time;
        QString port;
        bool fromHistory = false;
    };
    // The last read or write of `port` in this run, else the newest history entry of that port.
    std::optional<KnownDevice> KnownDeviceOn(const QString &port) const;
    // What the Compare dialog offers, the one to start on first: the read-back of a verify that
    // found differences when `readBack`, else the device on the port in the box when known,
    // what the last read changed, the defaults. The file source asks for its file when chosen.
    std::vector<CompareSource> CompareSources(bool readBack);
    // Whether Write Config first shows what will change (remembered between runs); the write
    // summary's "Don't show" turns it off, the Compare dialog on and off.
    bool WriteSummaryShown() const;
    void ShowWriteSummary(bool show);
    // The words the write summary starts with for a device known as `known`.
    static QString SummaryText(int changes, const KnownDevice &known);

    // What device operation is under way, as "a settings read", "a settings write" or "a
    // firmware load"; empty when none is.
    QString RunningOperation() const;
    // The Save Settings dialog and the save; true when the settings were saved.
    bool SaveSettingsInteractive();

    // Ports that record their bytes to `path` (rezar-config --trace), for the link. False
    // with *error set when the file cannot be written.
    static bool TraceTo(const QString &path, PortFactory *ports, QString *error);

    void OnPollTimer();
    void OnReadConfig();
    void OnWriteConfig();
    void OnReloadFirmware();
    void OnLoadSettings();
    void OnSaveSettings();
    void OnCompare();

    bool IsPolling() const { return m_timer.isActive(); }
    // The page's device link, on the window's settings model.
    CDeviceLink &Link() { return m_link; }
    const COperationDriver &Driver() const { return m_driver; }

    QComboBox *m_cboPort = nullptr;
    QLabel *m_lblStatus = nullptr;
    QLabel *m_lblStatusDebug = nullptr;
    QLabel *m_lblPortResolution = nullptr;
    QProgressBar *m_pProgress = nullptr;

protected:
    void AttachControls() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FillPortList();
    // The port box's text as it stands: the picked entry or whatever was typed.
    std::string PortText() const;
    void ShowStatus();
    // A result of the page's own (a settings file loaded or saved, a firmware file refused),
    // shown until the link has news.
    void ShowOwnStatus(const QString &status, const QString &debug);
    // The line under the port box: what its text stands for on this computer.
    void ShowPortResolution();
    void RememberPort() const;
    // After a start: the port remembered once it was used.
    void Started();
    void OnOperationEnded();
    // Runs a file dialog with the folder remembered under `key`, and remembers the chosen one.
    QString ChooseFile(const char *key, FileDialogRequest request);
    bool ConfirmDiscard(const QString &action) const;
    void SettingsSettled() const;
    // The write summary, unless turned off; true when the write may go ahead.
    bool ConfirmWrite();
    // After a completed read or write: what the device now holds; for a verify, the
    // differences it found.
    void KeepKnownDevice(COperationDriver::Operation operation, bool verified);

    std::unique_ptr<Ui::CommsPage> m_ui;
    CSettings &m_settings;
    CDeviceLink &m_link;
    COperationDriver m_driver;
    QString m_strStartPort;
    QTimer m_timer;
    // The status and debug texts shown, and the link's reports they were made from.
    QString m_strStatus;
    QString m_strDebug;
    uint64_t m_nLinkStatus = 0;
    uint64_t m_nLinkNote = 0;
    bool m_bPortListFilled = false;
    // The resolution line's whole text; the label shows it elided to its width.
    QString m_strResolution;
    // What each port's device held after this run's last read or write of it, by port text.
    std::map<QString, KnownDevice> m_known;
    // The window's settings just before the running (or last) read, and once it completed,
    // just after it.
    std::unique_ptr<CSettings> m_pBeforeRead;
    std::unique_ptr<CSettings> m_pAfterRead;
    // What the device listed back after a verified write.
    CSettings m_readBack;
    bool m_bVerifying = false;
    bool m_bReadBackKept = false;
};
