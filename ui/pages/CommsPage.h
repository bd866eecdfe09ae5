#pragma once

#include "PropertyPage.h"

#include "DeviceLink.h"

#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QProgressBar;

namespace Ui {
class CommsPage;
}

// The "Comms" tab: picks the port, starts a read, a write or a firmware load on the device
// link, loads and saves settings files, and drives the link with a 100 ms poll while shown.
// The port box's text, and the folder of each file dialog, are remembered between runs.
class CCommsPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CCommsPage(QWidget *parent = nullptr);
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

    // Set by the window. Asked before Read Config or Load Settings replaces the settings
    // (`action` is the button's caption); true goes on. Without it the page goes on.
    std::function<bool(const QString &action)> m_fnConfirmDiscard;
    // Called once the settings match the device or a file: after "Read Complete", "Write
    // Complete", a load and a save that succeeded.
    std::function<void()> m_fnSettingsSettled;

    // What device operation is under way, as "a settings read", "a settings write" or "a
    // firmware load"; empty when none is.
    QString RunningOperation() const;
    // The Save Settings dialog and the save; true when the settings were saved.
    bool SaveSettingsInteractive();

    // Makes every port the link opens record its bytes to `path` (rezar-config --trace).
    // False with *error set when the file cannot be written.
    static bool TraceTo(const QString &path, QString *error);

    void OnPollTimer();
    void OnReadConfig();
    void OnWriteConfig();
    void OnReloadFirmware();
    void OnLoadSettings();
    void OnSaveSettings();

    bool IsPolling() const { return m_timer.isActive(); }
    // The page's device link, on the window's settings model.
    CDeviceLink &Link() { return m_link; }

    QComboBox *m_cboPort = nullptr;
    QLabel *m_lblStatus = nullptr;
    QLabel *m_lblStatusDebug = nullptr;
    QLabel *m_lblPortResolution = nullptr;
    QProgressBar *m_pProgress = nullptr;

protected:
    void AttachControls() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Operation { None, Read, Write, Firmware };

    void FillPortList();
    // The port box's text as it stands: the picked entry or whatever was typed.
    std::string PortText() const;
    void ShowStatus();
    // The line under the port box: what its text stands for on this computer.
    void ShowPortResolution();
    void RememberPort() const;
    // After a start: which operation runs, and the port remembered once it was used.
    void Started(Operation operation, bool started);
    void OnOperationEnded();
    // The checks the link makes on a firmware file before it touches the port, made before
    // the user is asked; false with the link's status and reason shown.
    bool CheckFirmwareFile(const std::string &path, qint64 *size);
    // Runs a file dialog with the folder remembered under `key`, and remembers the chosen one.
    QString ChooseFile(const char *key, FileDialogRequest request);
    bool ConfirmDiscard(const QString &action) const;
    void SettingsSettled() const;

    std::unique_ptr<Ui::CommsPage> m_ui;
    CDeviceLink m_link;
    QTimer m_timer;
    Operation m_operation = Operation::None;
    bool m_bPortListFilled = false;
    // The resolution line's whole text; the label shows it elided to its width.
    QString m_strResolution;
};
