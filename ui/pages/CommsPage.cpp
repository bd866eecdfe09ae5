#include "CommsPage.h"

#include "ui_CommsPage.h"

#include "DeviceLink.h"
#include "FirmwareFile.h"
#include "History.h"
#include "LinkText.h"
#include "SerialPort.h"
#include "Settings.h"
#include "TraceSerialPort.h"

#include <QCheckBox>
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
const char kVerifyKey[] = "comms/verifyAfterWriting";
const char kNoWriteSummaryKey[] = "comms/noWriteSummary";

bool RememberedFlag(const char *key)
{
    const QSettings store(kOrganisation, kApplication);
    return store.value(key, false).toBool();
}

void RememberFlag(const char *key, bool value)
{
    QSettings store(kOrganisation, kApplication);
    store.setValue(key, value);
}

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
// expect them.
std::string ToSystem(const QString &text)
{
    return LinkText::ToSystem(text);
}

QString FromSystem(const std::string &text)
{
    return LinkText::FromSystem(text);
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

CCommsPage::CCommsPage(CSettings &settings, CDeviceLink &link, const CommsOptions &options, QWidget *parent)
    : CPropertyPage(parent), m_ui(std::make_unique<Ui::CommsPage>()), m_settings(settings), m_link(link),
      m_driver(link, settings), m_strStartPort(options.port)
{
    if (options.ports)
        m_link.SetPortFactory(options.ports);
    m_nLinkStatus = m_link.StatusCount();
    m_nLinkNote = m_link.NoteCount();
    m_strStatus = LinkText::Status(m_link.Status());
    m_strDebug = LinkText::Note(m_link.Note());
    m_ui->setupUi(this);
    m_fnChooseFile = [this](const FileDialogRequest &request) {
        return RunFileDialog(this, request);
    };
    m_fnConfirmFirmware = [this](const QString &fileName, qint64 size, const QString &port) {
        return AskFirmwareLoad(this, fileName, size, port);
    };
    m_fnConfirmWrite = [this](const QString &text, const std::vector<SettingDifference> &changes, bool *dontShow) {
        return AskWrite(this, text, changes, dontShow);
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
    connect(m_ui->compareButton, &QPushButton::clicked, this, &CCommsPage::OnCompare);
    m_ui->verifyCheck->setChecked(RememberedFlag(kVerifyKey));
    connect(m_ui->verifyCheck, &QCheckBox::toggled, this, [](bool on) { RememberFlag(kVerifyKey, on); });
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
    const QString start = !m_strStartPort.isEmpty() ? m_strStartPort : Remembered(kPortKey);
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

void CCommsPage::ShowOwnStatus(const QString &status, const QString &debug)
{
    m_nLinkStatus = m_link.StatusCount();
    m_nLinkNote = m_link.NoteCount();
    m_strStatus = status;
    m_strDebug = debug;
    ShowStatus();
}

void CCommsPage::ShowStatus()
{
    // Each text is made only when the link has news for it; a result of the page's own stays
    // until then.
    if (m_link.StatusCount() != m_nLinkStatus) {
        m_nLinkStatus = m_link.StatusCount();
        m_strStatus = LinkText::Status(m_link.Status());
    }
    if (m_link.NoteCount() != m_nLinkNote) {
        m_nLinkNote = m_link.NoteCount();
        m_strDebug = LinkText::Note(m_link.Note());
    }
    SetElidedLine(m_lblStatus, m_strStatus);
    SetElidedLine(m_lblStatusDebug, m_strDebug);
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
    if (m_driver.Poll())
        OnOperationEnded();
    ShowStatus();
}

void CCommsPage::OnOperationEnded()
{
    // A failure to keep the history must not spoil the completed operation: it is only logged.
    if (const QString &error = m_driver.HistoryError(); !error.isEmpty())
        qWarning("rezar-config: the %s settings were not kept in the history: %s",
                 m_driver.Last() == COperationDriver::Operation::Read ? "read" : "written", qPrintable(error));
    const COperationDriver::Operation operation = m_driver.Last();
    const bool verifying = std::exchange(m_bVerifying, false);
    if (m_link.Outcome() != LinkOutcome::Completed
        || (operation != COperationDriver::Operation::Read && operation != COperationDriver::Operation::Write))
        return;
    KeepKnownDevice(operation, verifying);
    if (!verifying) {
        SettingsSettled();
        return;
    }
    const int differences = int(SettingDifferences(m_settings, m_readBack).size());
    const int missing = m_link.SettingsMissing();
    if (differences == 0 && missing == 0) {
        SettingsSettled();
        return;
    }
    // The device does not hold what the window has: the settings stay unsettled, and the
    // status says so instead of "Write Complete".
    QString status = differences == 1 ? tr("The device holds 1 setting otherwise than written")
                                      : tr("The device holds %1 settings otherwise than written").arg(differences);
    if (missing > 0)
        status += tr("; %1 of %2 settings were not read back").arg(missing).arg(kSettingCount * 2);
    ShowOwnStatus(status, LinkText::Note(m_link.Note()));
    m_bReadBackKept = true;
    // After the poll that ended the write, not inside it.
    if (m_fnCompare)
        QTimer::singleShot(0, this, [this] { m_fnCompare(true); });
}

void CCommsPage::KeepKnownDevice(COperationDriver::Operation operation, bool verified)
{
    const bool read = operation == COperationDriver::Operation::Read;
    const QString port = FromSystem(m_link.PortName());
    KnownDevice &known = m_known[port];
    known.settings = read || !verified ? m_settings : m_readBack;
    known.kind = read ? QStringLiteral("read") : QStringLiteral("written");
    known.time = QDateTime::currentDateTime();
    known.port = port;
    known.fromHistory = false;
    if (read && m_pBeforeRead)
        m_pAfterRead = std::make_unique<CSettings>(m_settings);
}

QString CCommsPage::RunningOperation() const
{
    switch (m_driver.Running()) {
    case COperationDriver::Operation::Read:
        return QStringLiteral("a settings read");
    case COperationDriver::Operation::Write:
        return QStringLiteral("a settings write");
    case COperationDriver::Operation::Firmware:
        return QStringLiteral("a firmware load");
    case COperationDriver::Operation::None:
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

void CCommsPage::Started()
{
    RememberPort();
    ShowStatus();
}

void CCommsPage::OnReadConfig()
{
    if (!ConfirmDiscard(QStringLiteral("Read Config")))
        return;
    m_pBeforeRead = std::make_unique<CSettings>(m_settings);
    m_pAfterRead.reset();
    // A write cut off by this read leaves no verify behind.
    m_bVerifying = false;
    m_driver.StartRead(PortText());
    Started();
}

void CCommsPage::OnWriteConfig()
{
    if (!ConfirmWrite())
        return;
    m_bVerifying = m_ui->verifyCheck->isChecked();
    m_bReadBackKept = false;
    m_readBack = CSettings();
    m_driver.StartWrite(PortText(), m_bVerifying ? &m_readBack : nullptr);
    Started();
}

std::optional<CCommsPage::KnownDevice> CCommsPage::KnownDeviceOn(const QString &port) const
{
    if (const auto it = m_known.find(port); it != m_known.end())
        return it->second;
    for (const HistoryEntry &entry : ListHistory()) {
        if (entry.port != port)
            continue;
        // The newest entry of the port only: an older one says nothing about the device now.
        KnownDevice known;
        if (known.settings.LoadFile(ToSystem(entry.path)) != 0)
            return std::nullopt;
        known.kind = entry.kind;
        known.time = entry.time;
        known.port = port;
        known.fromHistory = true;
        return known;
    }
    return std::nullopt;
}

QString CCommsPage::SummaryText(int changes, const KnownDevice &known)
{
    const bool read = known.kind == QLatin1String("read");
    QString source;
    if (known.fromHistory)
        source = read ? tr("compared with the read of %1 from %2, kept in the history")
                      : tr("compared with the write of %1 to %2, kept in the history");
    else
        source = read ? tr("compared with the read of %1 from %2") : tr("compared with the write of %1 to %2");
    source = source.arg(known.time.toString(known.fromHistory ? QStringLiteral("yyyy-MM-dd HH:mm")
                                                              : QStringLiteral("HH:mm")),
                        known.port);
    if (changes == 0)
        return tr("Nothing will change on the device (%1): the write may still go ahead.").arg(source);
    return changes == 1 ? tr("1 setting will change on the device (%1)").arg(source)
                        : tr("%1 settings will change on the device (%2)").arg(changes).arg(source);
}

bool CCommsPage::WriteSummaryShown() const
{
    return !RememberedFlag(kNoWriteSummaryKey);
}

void CCommsPage::ShowWriteSummary(bool show)
{
    RememberFlag(kNoWriteSummaryKey, !show);
}

bool CCommsPage::ConfirmWrite()
{
    if (!WriteSummaryShown())
        return true;
    const std::optional<KnownDevice> known = KnownDeviceOn(m_cboPort->currentText());
    std::vector<SettingDifference> differences;
    QString text = tr("The device's current settings are unknown: read them first to see what will change");
    if (known) {
        differences = SettingDifferences(known->settings, m_settings);
        text = SummaryText(int(differences.size()), *known);
    }
    bool dontShow = false;
    const bool write = m_fnConfirmWrite(text, differences, &dontShow);
    if (dontShow)
        RememberFlag(kNoWriteSummaryKey, true);
    return write;
}

bool CCommsPage::AskWrite(QWidget *parent, const QString &text, const std::vector<SettingDifference> &changes,
                          bool *dontShowAgain)
{
    CWriteSummary summary(text, changes, parent);
    const bool write = summary.exec() == QDialog::Accepted;
    *dontShowAgain = summary.DontShowAgain();
    return write;
}

void CCommsPage::OnCompare()
{
    if (m_fnCompare)
        m_fnCompare(false);
}

std::vector<CompareSource> CCommsPage::CompareSources(bool readBack)
{
    std::vector<CompareSource> sources;
    const QString port = m_cboPort->currentText();
    if (readBack && m_bReadBackKept) {
        auto kept = std::make_shared<CSettings>(m_readBack);
        sources.push_back({tr("What the device read back after the write"),
                           [kept](CSettings &other, QString *) { other = *kept; return true; }, nullptr,
                           QString(), tr("Read back")});
    }
    if (const std::optional<KnownDevice> known = KnownDeviceOn(port)) {
        auto settings = std::make_shared<CSettings>(known->settings);
        sources.push_back({tr("The device on %1 (%2)").arg(port, known->time.toString("yyyy-MM-dd HH:mm")),
                           [settings](CSettings &other, QString *) { other = *settings; return true; }, nullptr,
                           QString(), tr("On the device")});
    }
    if (m_pBeforeRead && m_pAfterRead) {
        auto before = std::make_shared<CSettings>(*m_pBeforeRead);
        sources.push_back({tr("What the last read changed"),
                           [before](CSettings &other, QString *) { other = *before; return true; },
                           std::make_shared<CSettings>(*m_pAfterRead), tr("After the read"), tr("Before the read")});
    }
    sources.push_back({tr("The defaults"), [](CSettings &, QString *) { return true; }, nullptr, QString(),
                       tr("Default")});
    sources.push_back({tr("A settings file\u2026"),
                       [this](CSettings &other, QString *error) {
                           const QString chosen = ChooseFile(kLoadFolderKey, {false, "Compare with Settings File",
                                                                              kSettingsFilter, "txt", QString(),
                                                                              QString(), {HistoryFolder()}});
                           if (chosen.isEmpty())
                               return false;
                           // Over the defaults, through the checks of Load Settings.
                           std::string reason;
                           if (other.LoadFile(ToSystem(chosen), nullptr, &reason) != 0) {
                               *error = tr("Couldn't open file %1").arg(chosen) + QStringLiteral(": ")
                                        + FromSystem(reason);
                               return false;
                           }
                           *error = chosen;
                           return true;
                       },
                       nullptr, QString(), tr("File")});
    for (const HistoryEntry &entry : ListHistory()) {
        const QString path = entry.path;
        sources.push_back({tr("History: %1 %2 %3 %4")
                               .arg(entry.time.toString("yyyy-MM-dd HH:mm:ss"),
                                    entry.kind == QLatin1String("read") ? tr("read from") : tr("written to"),
                                    entry.port.isEmpty() ? QStringLiteral("?") : entry.port,
                                    FromSystem(entry.mycall)),
                           [path](CSettings &other, QString *error) {
                               std::string reason;
                               if (other.LoadFile(ToSystem(path), nullptr, &reason) == 0)
                                   return true;
                               *error = tr("Couldn't open file %1").arg(path) + QStringLiteral(": ") + FromSystem(reason);
                               return false;
                           },
                           nullptr, QString(), tr("In the history")});
    }
    return sources;
}

void CCommsPage::OnReloadFirmware()
{
    const QString chosen = ChooseFile(
        kFirmwareFolderKey, {false, "Select Firmware File", kFirmwareFilter, "qwn", QString(), QString(), {}});
    if (chosen.isEmpty())
        return;
    const std::string path = ToSystem(chosen);
    // The link's own load and check, made before the user is asked to confirm a load.
    const FirmwareImage image = LoadFirmwareFile(path);
    if (!image.Ok()) {
        ShowOwnStatus(LinkText::Status(FirmwareRefusedStatus(path, image)), LinkText::Note(FirmwareRefusedNote(image)));
        return;
    }
    // Nothing reaches the port before the user has seen what is about to be erased and loaded.
    if (!m_fnConfirmFirmware(QFileInfo(chosen).fileName(), image.size, m_cboPort->currentText()))
        return;
    m_bVerifying = false;
    m_driver.StartFirmware(PortText(), path);
    Started();
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
    switch (m_settings.LoadFile(path, &summary, &reason)) {
    case 0:
        ShowOwnStatus(tr("Loaded %1").arg(chosen), FromSystem(summary));
        SettingsSettled();
        break;
    case 1:
        ShowOwnStatus(tr("Couldn't open file %1").arg(chosen), FromSystem(reason));
        break;
    default:
        ShowOwnStatus(tr("Couldn't read file %1").arg(chosen), FromSystem(reason));
        break;
    }
}

bool CCommsPage::SaveSettingsInteractive()
{
    const QString chosen = ChooseFile(
        kSaveFolderKey, {true, "Save Settings File", kSettingsFilter, "txt", "settings1.txt", QString(), {}});
    if (chosen.isEmpty())
        return false;
    const std::string path = ToSystem(chosen);
    const bool saved = m_settings.SaveFile(path) == 0;
    ShowOwnStatus(saved ? tr("Saved %1").arg(chosen) : tr("Couldn't open file %1").arg(chosen), QString());
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

bool CCommsPage::TraceTo(const QString &path, PortFactory *ports, QString *error)
{
    auto trace = std::make_shared<CTraceFile>();
    if (!trace->Open(ToSystem(path), "rezar-config")) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    *ports = [trace] { return WithTrace(CreateSystemSerialPort(), trace); };
    return true;
}
