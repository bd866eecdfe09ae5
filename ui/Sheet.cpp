#include "Sheet.h"

#include "App.h"
#include "BasicPage.h"
#include "BeaconPage.h"
#include "CommsPage.h"
#include "DisplayPage.h"
#include "GPSPage.h"
#include "PacketPage.h"
#include "PortsPage.h"
#include "PositionPage.h"
#include "PositionTimingPage.h"
#include "PropertyPage.h"
#include "SettingFinder.h"
#include "TelemetryPage.h"

#include "CompareDialog.h"
#include "SettingHelp.h"
#include "Settings.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QSettings>

#include <variant>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Remembered between runs, beside the Comms page's port and folders.
const char kOrganisation[] = "Quillwren";
const char kApplication[] = "rezar-config";
const char kGeometryKey[] = "window/geometry";
const char kTabKey[] = "window/tab";

bool SameBanks(const CSettings &a, const CSettings &b)
{
    for (int bank = 0; bank < 2; ++bank)
        for (const Setting &setting : g_settingTable) {
            const bool same = std::visit(
                [&](auto member) { return a.Bank(bank).*member == b.Bank(bank).*member; },
                setting.member);
            if (!same)
                return false;
        }
    return true;
}

} // namespace

CSheet::CSheet(CSettings &settings, const CommsOptions &comms)
    : CPropertySheet(tr("Quillwren Rezar Configuration")),
      m_settings(settings),
      m_pLink(std::make_unique<CDeviceLink>(m_settings, comms.ports)),
      m_pBasicPage(std::make_unique<CBasicPage>(m_settings)),
      m_pPortsPage(std::make_unique<CPortsPage>(m_settings)),
      m_pPositionPage(std::make_unique<CPositionPage>(m_settings)),
      m_pPositionTimingPage(std::make_unique<CPositionTimingPage>(m_settings)),
      m_pGpsPage(std::make_unique<CGPSPage>(m_settings)),
      m_pBeaconPage(std::make_unique<CBeaconPage>(m_settings)),
      m_pTelemetryPage(std::make_unique<CTelemetryPage>(m_settings)),
      m_pPacketPage(std::make_unique<CPacketPage>(m_settings)),
      m_pDisplayPage(std::make_unique<CDisplayPage>(m_settings)),
      m_pCommsPage(std::make_unique<CCommsPage>(m_settings, *m_pLink, comms)),
      m_pBaseline(std::make_unique<CSettings>(m_settings))
{
    setObjectName("sheet");
    // The tab order is the order the pages are added in.
    AddPage(m_pBasicPage.get());
    AddPage(m_pPortsPage.get());
    AddPage(m_pPositionPage.get());
    AddPage(m_pPositionTimingPage.get());
    AddPage(m_pGpsPage.get());
    AddPage(m_pBeaconPage.get());
    AddPage(m_pTelemetryPage.get());
    AddPage(m_pPacketPage.get());
    AddPage(m_pDisplayPage.get());
    AddPage(m_pCommsPage.get());

    // The bank label stands at the left end of the button row, the search before "&Close" at
    // the right, where the help button of a classic property sheet stands. No Apply, OK/Cancel
    // or Help.
    m_pBankLabel = new QLabel(tr("BANK:%1").arg(0), this);
    m_pBankLabel->setObjectName("bankLabel");
    m_pBankLabel->setTextFormat(Qt::PlainText);
    m_pBankLabel->setMinimumWidth(m_pBankLabel->fontMetrics().horizontalAdvance(tr("BANK:%1").arg(0)) * 2);
    // Made before Close, which follows it in the tab order as in the row.
    m_pFinder = new CSettingFinder(*this, m_settings);
    m_pCloseButton = new QPushButton(tr("&Close"), this);
    m_pCloseButton->setObjectName("closeButton");
    m_pCloseButton->setDefault(false);
    m_pCloseButton->setAutoDefault(false);
    connect(m_pCloseButton, &QPushButton::clicked, this, &CSheet::OnClose);
    ButtonRow()->addWidget(m_pBankLabel);
    ButtonRow()->addStretch(1);
    ButtonRow()->addWidget(m_pFinder);
    ButtonRow()->addWidget(m_pCloseButton);
    connect(m_pTelemetryPage.get(), &CTelemetryPage::bankChanged, this, &CSheet::OnBankChanged);

    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(AppIcon());

    m_pCommsPage->m_fnConfirmDiscard = [this](const QString &action) {
        return ConfirmDiscard(action);
    };
    m_pCommsPage->m_fnSettingsSettled = [this] { SettleSettings(); };
    m_pCommsPage->m_fnCompare = [this](bool readBack) { OpenCompare(readBack); };
    auto *compare = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(compare, &QShortcut::activated, this, [this] { OpenCompare(); });
    RestoreRemembered();
}

CSheet::~CSheet()
{
    // The pages are owned here and go before the base: no tab change may reach them on the way.
    StopPages();
}

void CSheet::OnBankChanged(int bank)
{
    m_pBankLabel->setText(tr("BANK:%1").arg(bank));
}

void CSheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
#ifdef Q_OS_WIN
    // The system menu gets its own "Mi&nimize" entry and a separator below it.
    HWND hwnd = reinterpret_cast<HWND>(winId());
    if (HMENU menu = GetSystemMenu(hwnd, FALSE)) {
        const QString minimize = tr("Mi&nimize");
        InsertMenuW(menu, 1, MF_BYPOSITION | MF_STRING, SC_MINIMIZE, reinterpret_cast<LPCWSTR>(minimize.utf16()));
        InsertMenuW(menu, 2, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        DrawMenuBar(hwnd);
    }
#endif
}

bool CSheet::HasUnsavedChanges()
{
    if (CPropertyPage *page = GetActivePage())
        page->DoDataExchange(true);
    return !SameBanks(m_settings, *m_pBaseline);
}

void CSheet::SettleSettings()
{
    *m_pBaseline = m_settings;
}

bool CSheet::AskAboutChanges(const QString &question, const QString &discardCaption)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), question, QMessageBox::NoButton, this);
    box.setObjectName("unsavedChangesQuestion");
    box.setTextFormat(Qt::PlainText);
    QPushButton *save = box.addButton(tr("&Save Settings\u2026"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(discardCaption, QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    // Enter never loses the changes; Esc leaves everything as it was.
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == discard)
        return true;
    if (box.clickedButton() == save) {
        // The save reports on the Comms page, which may not have been shown yet.
        m_pCommsPage->EnsureAttached();
        return m_pCommsPage->SaveSettingsInteractive();
    }
    return false;
}

bool CSheet::ConfirmDiscard(const QString &action)
{
    if (!HasUnsavedChanges())
        return true;
    return AskAboutChanges(
        tr("The settings have changes that were not saved to a file or written to "
           "the device. %1 replaces them.").arg(action),
        tr("&Discard changes"));
}

bool CSheet::CanClose()
{
    QString running = m_pCommsPage->RunningOperation();
    if (!running.isEmpty()) {
        running[0] = running[0].toUpper();
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("%1 is running.").arg(running), QMessageBox::NoButton,
                        this);
        box.setObjectName("closeWhileRunningQuestion");
        box.setTextFormat(Qt::PlainText);
        box.setInformativeText(tr("If the window closes now, the device may be left half-written "
                                  "or without firmware."));
        QPushButton *close = box.addButton(tr("Close &anyway"), QMessageBox::DestructiveRole);
        QPushButton *keep = box.addButton(tr("&Keep open"), QMessageBox::RejectRole);
        box.setDefaultButton(keep);
        box.setEscapeButton(keep);
        box.exec();
        if (box.clickedButton() != close)
            return false;
    }
    if (!HasUnsavedChanges())
        return true;
    return AskAboutChanges(tr("The settings have changes that were not saved to a file or "
                              "written to the device."),
                           tr("Close &without saving"));
}

void CSheet::OnClose()
{
    if (CanClose())
        accept();
}

void CSheet::reject()
{
    if (CanClose())
        CPropertySheet::reject();
}

void CSheet::done(int result)
{
    Remember();
    CPropertySheet::done(result);
}

QWidget *CSheet::SettingControl(std::string_view key, int *pageIndex) const
{
    const QString name = SettingControlName(key);
    // A few settings stand on the Basic page too; the page the help names is their home.
    const SettingHelp *help = FindSettingHelp(key);
    const QString home = help ? SettingHelpText(help->page) : QString();
    QWidget *found = nullptr;
    for (int index = 0; index < Tabs()->count(); ++index) {
        const QScrollArea *area = PageScrollArea(index);
        QWidget *control = area && area->widget() ? area->widget()->findChild<QWidget *>(name) : nullptr;
        if (!control || (found && Tabs()->tabText(index) != home))
            continue;
        found = control;
        if (pageIndex)
            *pageIndex = index;
        if (Tabs()->tabText(index) == home)
            break;
    }
    return found;
}

bool CSheet::ShowSetting(std::string_view key)
{
    int index = -1;
    QWidget *control = SettingControl(key, &index);
    if (!control)
        return false;
    SetActivePage(index);
    PageScrollArea(index)->ensureWidgetVisible(control);
    // A control its page's rules disabled cannot take the keyboard: the tab bar takes it, on
    // the page the user asked for, rather than leaving it where the request came from.
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
    else
        Tabs()->tabBar()->setFocus(Qt::OtherFocusReason);

    // A frame in the palette's highlight colour, above the control and deaf to the mouse: it
    // reads in light and dark themes alike and leaves the control's own look untouched.
    QWidget *page = PageScrollArea(index)->widget();
    delete m_pFoundMarker;
    auto *marker = new QFrame(page);
    marker->setObjectName("foundMarker");
    marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker->setFrameShape(QFrame::Box);
    marker->setLineWidth(2);
    QPalette palette = marker->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    marker->setPalette(palette);
    const QRect around(control->mapTo(page, QPoint(0, 0)), control->size());
    marker->setGeometry(around.adjusted(-3, -3, 3, 3));
    marker->show();
    marker->raise();
    m_pFoundMarker = marker;
    QTimer::singleShot(1500, marker, [this, marker] {
        if (m_pFoundMarker == marker)
            m_pFoundMarker = nullptr;
        marker->deleteLater();
    });
    return true;
}

void CSheet::OpenCompare(bool readBack)
{
    CPropertyPage *shown = GetActivePage();
    if (shown)
        shown->DoDataExchange(true);
    // The sources read the port box, which exists once the Comms page was attached.
    m_pCommsPage->EnsureAttached();
    CCompareDialog dialog(m_settings, m_pCommsPage->CompareSources(readBack), 0, this);
    dialog.m_pShowWriteSummary->setChecked(m_pCommsPage->WriteSummaryShown());
    connect(dialog.m_pShowWriteSummary, &QCheckBox::toggled, m_pCommsPage.get(), &CCommsPage::ShowWriteSummary);
    dialog.exec();
    // Taken values show at once on the shown page; the others load theirs when visited.
    if (dialog.Took() && shown)
        shown->OnSetActive();
    // The page of a bank-1 row shows the bank the window shows: the bank label says which.
    if (!dialog.OpenedKey().empty())
        ShowSetting(dialog.OpenedKey());
}

void CSheet::RestoreRemembered()
{
    // A store that cannot be read, or holds nonsense, gives the opening defaults.
    const QSettings store(kOrganisation, kApplication);
    const QByteArray geometry = store.value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    bool ok = false;
    const int tab = store.value(kTabKey).toInt(&ok);
    if (ok)
        SetActivePage(tab);
}

void CSheet::Remember() const
{
    // One that cannot be written forgets: the window closes all the same.
    QSettings store(kOrganisation, kApplication);
    store.setValue(kGeometryKey, saveGeometry());
    store.setValue(kTabKey, GetActiveIndex());
}
