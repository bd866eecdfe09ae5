#include "CommsPage.h"

#include "ui_CommsPage.h"

#include "ConfigOptions.h"

#include "DeviceLink.h"
#include "FirmwareCheck.h"
#include "History.h"
#include "SerialPort.h"
#include "Settings.h"
#include "TraceSerialPort.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int kPortCount = 20;

const char kSettingsFilter[] = "Quillwren Rezar Settings files *.txt (*.txt)";
const char kFirmwareFilter[] = "Quillwren Firmware files *.qwn (*.qwn)";

// Remembered between runs, under the program's own names whatever the application object says.
const char kOrganisation[] = "Quillwren";
const char kApplication[] = "rezar-config";
const char kPortKey[] = "comms/port";
const char kFirmwareFolderKey[] = "folders/firmware";
const char kLoadFolderKey[] = "folders/loadSettings";
const char kSaveFolderKey[] = "folders/saveSettings";

// A store that cannot be read gives the defaults, and one that cannot be written keeps the
// values for this run only: neither stops the page.
QString Remembered(const char *key)
{
    const QSettings store(kOrganisation, kApplication);
    return store.value(key).toString();
}

void Remember(const char *key, const QString &value)
{
    QSettings store(kOrganisation, kApplication);
    store.setValue(key, value);
}

// File and port names go to the system in its own 8-bit encoding, as the model and the link
// expect them; status texts come back in the same encoding.
std::string ToSystem(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

QString FromSystem(const std::string &text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

// A tool tip that looks like markup would be rendered as such: it is escaped, so the user
// sees the text as it came.
QString PlainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}

// A text wider than its line is shortened in the middle, so that both the start (what
// happened) and the end (the file name) stay readable; the whole text is the line's tool tip.
void SetElidedLine(QLabel *line, const QString &text)
{
    const int width = line->contentsRect().width();
    const QString shown =
        width > 0 ? line->fontMetrics().elidedText(text, Qt::ElideMiddle, width) : text;
    line->setText(shown);
    line->setToolTip(shown == text ? QString() : PlainToolTip(text));
}

} // namespace

CCommsPage::CCommsPage(QWidget *parent)
    : CPropertyPage(parent), m_ui(std::make_unique<Ui::CommsPage>()), m_link(g_settings)
{
    m_ui->setupUi(this);
    m_fnChooseFile = [this](const FileDialogRequest &request) {
        return RunFileDialog(this, request);
    };
    m_fnConfirmFirmware = [this](const QString &fileName, qint64 size, const QString &port) {
        return AskFirmwareLoad(this, fileName, size, port);
    };
    m_ui->progressBar->hide();
#ifdef Q_OS_WIN
    // COM names are the system's own there: there is nothing to resolve.
    m_ui->portResolution->hide();
#endif
    m_timer.setInterval(CDeviceLink::kPollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CCommsPage::OnPollTimer);
    connect(m_ui->readConfigButton, &QPushButton::clicked, this, &CCommsPage::OnReadConfig);
    connect(m_ui->writeConfigButton, &QPushButton::clicked, this, &CCommsPage::OnWriteConfig);
    connect(m_ui->reloadFirmwareButton, &QPushButton::clicked, this,
            &CCommsPage::OnReloadFirmware);
    connect(m_ui->loadSettingsButton, &QPushButton::clicked, this, &CCommsPage::OnLoadSettings);
    connect(m_ui->saveSettingsButton, &QPushButton::clicked, this, &CCommsPage::OnSaveSettings);
}

CCommsPage::~CCommsPage()
{
    if (m_bPortListFilled)
        RememberPort();
}

void CCommsPage::AttachControls()
{
    CPropertyPage::AttachControls();
    m_cboPort = m_ui->portCombo;
    m_lblStatus = m_ui->statusLine;
    m_lblStatusDebug = m_ui->statusDebugLine;
    m_lblPortResolution = m_ui->portResolution;
    m_pProgress = m_ui->progressBar;
    // A typed port name is used as typed: no completion may turn "COM2" into "COM20".
    m_cboPort->setCompleter(nullptr);
    // The port given on the command line, else the one of the last run.
    const QString start =
        !g_configOptions.port.isEmpty() ? g_configOptions.port : Remembered(kPortKey);
    m_cboPort->setEditText(start);
    connect(m_cboPort, &QComboBox::editTextChanged, this, &CCommsPage::ShowPortResolution);
}

bool CCommsPage::OnSetActive()
{
    FillPortList();
    ShowPortResolution();
    m_timer.start();
    return CPropertyPage::OnSetActive();
}

bool CCommsPage::OnKillActive()
{
    // While another tab is shown the link stands still, its port left open.
    m_timer.stop();
    RememberPort();
    return CPropertyPage::OnKillActive();
}

void CCommsPage::resizeEvent(QResizeEvent *event)
{
    CPropertyPage::resizeEvent(event);
    if (m_lblPortResolution)
        SetElidedLine(m_lblPortResolution, m_strResolution);
}

void CCommsPage::FillPortList()
{
    // The list is rebuilt, the box's text kept as it was, typed or picked. Only the very first
    // fill with nothing to start from shows the first entry.
    const QString text = m_cboPort->currentText();
    const bool keep = m_bPortListFilled || !text.isEmpty();
    const QSignalBlocker block(m_cboPort);
    m_cboPort->clear();
    for (int n = 1; n <= kPortCount; ++n)
        m_cboPort->addItem(QStringLiteral("COM%1").arg(n));
    if (keep) {
        m_cboPort->setCurrentIndex(m_cboPort->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        m_cboPort->setEditText(text);
    }
    m_bPortListFilled = true;
}

std::string CCommsPage::PortText() const
{
    return ToSystem(m_cboPort->currentText());
}

void CCommsPage::RememberPort() const
{
    if (m_cboPort)
        Remember(kPortKey, m_cboPort->currentText());
}

void CCommsPage::ShowPortResolution()
{
#ifndef Q_OS_WIN
    const std::string name = PortText();
    const std::string resolved = ResolvePortName(name);
    const std::vector<PortListing> ports = ListSerialPorts();
    const QString path = FromSystem(resolved);
    if (resolved.empty() || !QFileInfo::exists(path)) {
        m_strResolution = ports.size() == 1
                              ? QStringLiteral("→ no such port (1 serial port present)")
                              : QStringLiteral("→ no such port (%1 serial ports present)").arg(ports.size());
    } else {
        // A link (/dev/serial/by-id/…, a stand-in's link) shows the device it leads to.
        const QString device = QFileInfo(path).canonicalFilePath();
        m_strResolution = QStringLiteral("→ ") + (device.isEmpty() ? path : device);
        for (const PortListing &port : ports) {
            if (QFileInfo(FromSystem(port.path)).canonicalFilePath() == device && !port.description.empty()) {
                m_strResolution += QStringLiteral(" · ") + FromSystem(port.description);
                break;
            }
        }
    }
    SetElidedLine(m_lblPortResolution, m_strResolution);
#endif
}

void CCommsPage::ShowStatus()
{
    SetElidedLine(m_lblStatus, FromSystem(m_link.GetStatus()));
    SetElidedLine(m_lblStatusDebug, FromSystem(m_link.GetStatusDebug()));
    const LinkProgress progress = m_link.Progress();
    const bool show = m_link.IsRunning() && progress.total > 0;
    if (show) {
        // Firmware files stay far below INT_MAX bytes; the bound is for the arithmetic only.
        const int total = int(std::min<int64_t>(progress.total, INT_MAX));
        const int done = int(std::clamp<int64_t>(progress.done, 0, total));
        if (m_pProgress->maximum() != total || m_pProgress->value() != done) {
            // A progress bar repaints at once on a new value; with updates off for the change
            // the drawing is left to the next paint and the poll does not wait for it.
            m_pProgress->setUpdatesEnabled(false);
            m_pProgress->setRange(0, total);
            m_pProgress->setValue(done);
            m_pProgress->setUpdatesEnabled(true);
        }
    }
    m_pProgress->setVisible(show);
}

void CCommsPage::OnPollTimer()
{
    const bool wasRunning = m_link.IsRunning();
    m_link.Poll();
    if (wasRunning && !m_link.IsRunning())
        OnOperationEnded();
    ShowStatus();
}

void CCommsPage::OnOperationEnded()
{
    const Operation operation = std::exchange(m_operation, Operation::None);
    if (m_link.Outcome() != LinkOutcome::Completed)
        return;
    if (operation != Operation::Read && operation != Operation::Write)
        return;
    // What the device holds now, kept for later: a failure to keep it must not spoil the
    // completed operation, so it is only logged.
    QString error;
    const QString kind = operation == Operation::Read ? QStringLiteral("read") : QStringLiteral("written");
    if (RecordHistory(g_settings, kind, FromSystem(m_link.PortName()), &error).isEmpty())
        qWarning("rezar-config: the %s settings were not kept in the history: %s", qPrintable(kind),
                 qPrintable(error));
    SettingsSettled();
}

QString CCommsPage::RunningOperation() const
{
    switch (m_link.State()) {
    case LinkState::ReadAwaitBanner:
    case LinkState::ReadAwaitMenu:
    case LinkState::ReadReceiving:
        // A write's read-back passes through the read states too; this page starts none.
        return QStringLiteral("a settings read");
    case LinkState::WriteAwaitBanner:
    case LinkState::WriteAwaitMenu:
    case LinkState::WriteSending:
        return QStringLiteral("a settings write");
    case LinkState::LoaderAwaitPrompt:
    case LinkState::LoaderAwaitBanner:
    case LinkState::LoaderErasing:
    case LinkState::LoaderSending:
        return QStringLiteral("a firmware load");
    case LinkState::Idle:
    case LinkState::Complete:
        break;
    }
    return QString();
}

bool CCommsPage::ConfirmDiscard(const QString &action) const
{
    return !m_fnConfirmDiscard || m_fnConfirmDiscard(action);
}

void CCommsPage::SettingsSettled() const
{
    if (m_fnSettingsSettled)
        m_fnSettingsSettled();
}

void CCommsPage::Started(Operation operation, bool started)
{
    RememberPort();
    m_operation = started ? operation : Operation::None;
    ShowStatus();
}

void CCommsPage::OnReadConfig()
{
    if (!ConfirmDiscard(QStringLiteral("Read Config")))
        return;
    Started(Operation::Read, m_link.StartRead(PortText()));
}

void CCommsPage::OnWriteConfig()
{
    Started(Operation::Write, m_link.StartWrite(PortText()));
}

bool CCommsPage::CheckFirmwareFile(const std::string &path, qint64 *size)
{
    // The same checks and words as the link's own, so that a file the link would refuse is
    // refused before anyone is asked to confirm a load.
    const std::string cannotOpen = "Couldn't open file " + path;
    QFile file;
    std::string reason;
    if (!OpenRegularFile(path, file, reason)) {
        m_link.SetStatus(cannotOpen, reason);
        return false;
    }
    *size = file.size();
    if (*size == 0) {
        m_link.SetStatus(cannotOpen, "the file is empty");
        return false;
    }
    if (*size > CDeviceLink::kMaxFirmwareBytes) {
        m_link.SetStatus(cannotOpen, "the file is larger than 16 MiB (" + std::to_string(*size) + " bytes)");
        return false;
    }
    const QByteArray content = file.read(*size);
    if (content.size() != *size) {
        m_link.SetStatus("Couldn't read file " + path, file.errorString().toStdString());
        return false;
    }
    const std::string problem = CheckFirmware(std::string_view(content.constData(), size_t(content.size())));
    if (!problem.empty()) {
        m_link.SetStatus("Not a valid firmware file " + path, problem);
        return false;
    }
    return true;
}

void CCommsPage::OnReloadFirmware()
{
    const QString chosen = ChooseFile(
        kFirmwareFolderKey, {false, "Select Firmware File", kFirmwareFilter, "qwn", QString(), QString(), {}});
    if (chosen.isEmpty())
        return;
    const std::string path = ToSystem(chosen);
    qint64 size = 0;
    if (!CheckFirmwareFile(path, &size)) {
        ShowStatus();
        return;
    }
    // Nothing reaches the port before the user has seen what is about to be erased and loaded.
    if (!m_fnConfirmFirmware(QFileInfo(chosen).fileName(), size, m_cboPort->currentText()))
        return;
    Started(Operation::Firmware, m_link.StartFirmware(PortText(), path));
}

bool CCommsPage::AskFirmwareLoad(QWidget *parent, const QString &fileName, qint64 size, const QString &port)
{
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Re-Load Firmware"));
    box.setIcon(QMessageBox::Warning);
    // File and port names are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QStringLiteral("Load the firmware file %1 (%2 bytes) into the device on port %3?\n\n"
                               "The device's program is erased first. Keep the device powered "
                               "until the load completes.")
                    .arg(fileName, QString::number(size), port));
    QPushButton *load = box.addButton(QStringLiteral("&Load Firmware"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == load;
}

QString CCommsPage::ChooseFile(const char *key, FileDialogRequest request)
{
    request.directory = Remembered(key);
    const QString chosen = m_fnChooseFile(request);
    if (!chosen.isEmpty())
        Remember(key, QFileInfo(chosen).absolutePath());
    return chosen;
}

void CCommsPage::OnLoadSettings()
{
    if (!ConfirmDiscard(QStringLiteral("Load Settings")))
        return;
    // The history is offered beside the standard places; it exists once something was kept,
    // and is made here so that the side bar can show it from the start.
    const QString history = HistoryFolder();
    QDir().mkpath(history);
    const QString chosen = ChooseFile(
        kLoadFolderKey, {false, "Load Settings File", kSettingsFilter, "txt", QString(), QString(), {history}});
    if (chosen.isEmpty())
        return;
    const std::string path = ToSystem(chosen);
    std::string summary;
    std::string reason;
    switch (g_settings.LoadFile(path, &summary, &reason)) {
    case 0:
        m_link.SetStatus("Loaded " + path, summary);
        SettingsSettled();
        break;
    case 1:
        m_link.SetStatus("Couldn't open file " + path, reason);
        break;
    default:
        m_link.SetStatus("Couldn't read file " + path, reason);
        break;
    }
    ShowStatus();
}

bool CCommsPage::SaveSettingsInteractive()
{
    const QString chosen = ChooseFile(
        kSaveFolderKey, {true, "Save Settings File", kSettingsFilter, "txt", "settings1.txt", QString(), {}});
    if (chosen.isEmpty())
        return false;
    const std::string path = ToSystem(chosen);
    const bool saved = g_settings.SaveFile(path) == 0;
    m_link.SetStatus((saved ? "Saved " : "Couldn't open file ") + path, std::string());
    ShowStatus();
    if (saved)
        SettingsSettled();
    return saved;
}

void CCommsPage::OnSaveSettings()
{
    SaveSettingsInteractive();
}

QString CCommsPage::RunFileDialog(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(request.bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog takes a name that does not exist yet too; the model or the link then
    // reports that it couldn't open it. A save asks before it overwrites (Qt's default).
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    // Shows the caption alone ("... files *.txt"), without Qt's "(*.txt)".
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.places.isEmpty()) {
        // A system dialog may not take extra places: this one is Qt's own, so they show.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QList<QUrl> urls = dialog.sidebarUrls();
        for (const QString &place : request.places)
            if (const QUrl url = QUrl::fromLocalFile(place); !urls.contains(url))
                urls << url;
        dialog.setSidebarUrls(urls);
    }
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool CCommsPage::TraceTo(const QString &path, QString *error)
{
    auto trace = std::make_shared<CTraceFile>();
    if (!trace->Open(ToSystem(path), "rezar-config")) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    CDeviceLink::SetPortFactory([trace] { return WithTrace(CreateSystemSerialPort(), trace); });
    return true;
}
