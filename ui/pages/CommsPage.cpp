#include "CommsPage.h"

#include "ui_CommsPage.h"

#include "DeviceLink.h"
#include "Settings.h"
#include "PageHelpers.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>

namespace {

constexpr int kPortCount = 20;

const char kSettingsFilter[] = "Quillwren Rezar Settings files *.txt (*.txt)";
const char kFirmwareFilter[] = "Quillwren Firmware files *.qwn (*.qwn)";

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

// A status text wider than its line is shortened in the middle, so that both the start (what
// happened) and the end (the file name) stay readable; the whole text is the line's tool tip.
void SetStatusLine(QLabel *line, const QString &text)
{
    const int width = line->contentsRect().width();
    const QString shown =
        width > 0 ? line->fontMetrics().elidedText(text, Qt::ElideMiddle, width) : text;
    line->setText(shown);
    line->setToolTip(shown == text ? QString() : text);
}

} // namespace

CCommsPage::CCommsPage(QWidget *parent)
    : CPropertyPage(parent), m_ui(std::make_unique<Ui::CommsPage>()), m_link(g_settings)
{
    m_ui->setupUi(this);
    m_fnChooseFile = [this](const FileDialogRequest &request) {
        return RunFileDialog(this, request);
    };
    m_timer.setInterval(CDeviceLink::kPollMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CCommsPage::OnPollTimer);
    connect(m_ui->readConfigButton, &QPushButton::clicked, this, &CCommsPage::OnReadConfig);
    connect(m_ui->writeConfigButton, &QPushButton::clicked, this, &CCommsPage::OnWriteConfig);
    connect(m_ui->reloadFirmwareButton, &QPushButton::clicked, this,
            &CCommsPage::OnReloadFirmware);
    connect(m_ui->loadSettingsButton, &QPushButton::clicked, this, &CCommsPage::OnLoadSettings);
    connect(m_ui->saveSettingsButton, &QPushButton::clicked, this, &CCommsPage::OnSaveSettings);
}

CCommsPage::~CCommsPage() = default;

void CCommsPage::AttachControls()
{
    CPropertyPage::AttachControls();
    m_cboPort = m_ui->portCombo;
    m_lblStatus = m_ui->statusLine;
    m_lblStatusDebug = m_ui->statusDebugLine;
    // A typed port name is used as typed: no completion may turn "COM2" into "COM20".
    m_cboPort->setCompleter(nullptr);
}

bool CCommsPage::OnSetActive()
{
    FillPortList();
    m_timer.start();
    return CPropertyPage::OnSetActive();
}

bool CCommsPage::OnKillActive()
{
    // While another tab is shown the link stands still, its port left open.
    m_timer.stop();
    return CPropertyPage::OnKillActive();
}

void CCommsPage::FillPortList()
{
    // Only a picked entry survives; a typed name is dropped with the old list.
    const std::string selected = GetComboText(m_cboPort);
    m_cboPort->clear();
    for (int n = 1; n <= kPortCount; ++n)
        m_cboPort->addItem(QStringLiteral("COM%1").arg(n));
    SelectComboText(m_cboPort, selected);
}

std::string CCommsPage::PortText() const
{
    return ToSystem(m_cboPort->currentText());
}

void CCommsPage::ShowStatus()
{
    SetStatusLine(m_lblStatus, FromSystem(m_link.GetStatus()));
    SetStatusLine(m_lblStatusDebug, FromSystem(m_link.GetStatusDebug()));
}

void CCommsPage::OnPollTimer()
{
    m_link.Poll();
    ShowStatus();
}

void CCommsPage::OnReadConfig()
{
    m_link.StartRead(PortText());
}

void CCommsPage::OnWriteConfig()
{
    m_link.StartWrite(PortText());
}

void CCommsPage::OnReloadFirmware()
{
    const QString path =
        m_fnChooseFile({false, "Select Firmware File", kFirmwareFilter, "qwn", QString()});
    if (path.isEmpty())
        return;
    m_link.StartFirmware(PortText(), ToSystem(path));
}

void CCommsPage::OnLoadSettings()
{
    const QString chosen =
        m_fnChooseFile({false, "Load Settings File", kSettingsFilter, "txt", QString()});
    if (chosen.isEmpty())
        return;
    const std::string path = ToSystem(chosen);
    std::string summary;
    if (g_settings.LoadFile(path, &summary) == 0)
        m_link.SetStatus("Loaded " + path, summary);
    else
        m_link.SetStatus("Couldn't open file " + path, std::string());
    ShowStatus();
}

void CCommsPage::OnSaveSettings()
{
    const QString chosen =
        m_fnChooseFile({true, "Save Settings File", kSettingsFilter, "txt", "settings1.txt"});
    if (chosen.isEmpty())
        return;
    const std::string path = ToSystem(chosen);
    if (g_settings.SaveFile(path) == 0)
        m_link.SetStatus("Saved " + path, std::string());
    else
        m_link.SetStatus("Couldn't open file " + path, std::string());
    ShowStatus();
}

QString CCommsPage::RunFileDialog(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog takes a name that does not exist yet too; the model or the link then
    // reports that it couldn't open it. A save asks before it overwrites (Qt's default).
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    // Shows the caption alone ("... files *.txt"), without Qt's "(*.txt)".
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
