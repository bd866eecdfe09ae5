#pragma once

#include "PropertyPage.h"

#include "DeviceLink.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;

namespace Ui {
class CommsPage;
}

// The "Comms" tab: picks the port, starts a read, a write or a firmware load on the device
// link, loads and saves settings files, and drives the link with a 100 ms poll while shown.
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
    };
    // Shows a file dialog and returns the chosen full path, or an empty text for Cancel.
    // Tests put their own in place of the real dialog.
    using FileChooser = std::function<QString(const FileDialogRequest &)>;
    FileChooser m_fnChooseFile;
    static QString RunFileDialog(QWidget *parent, const FileDialogRequest &request);

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

protected:
    void AttachControls() override;

private:
    void FillPortList();
    // The port box's text as it stands: the picked entry or whatever was typed.
    std::string PortText() const;
    void ShowStatus();

    std::unique_ptr<Ui::CommsPage> m_ui;
    CDeviceLink m_link;
    QTimer m_timer;
};
