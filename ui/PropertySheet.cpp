#include "PropertySheet.h"

#include "PropertyPage.h"

#include <QHBoxLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString &caption, QWidget *parent)
    : QDialog(parent), m_pTabs(new QTabWidget(this)), m_pButtonRow(new QHBoxLayout)
{
    setWindowTitle(caption);
    m_pTabs->setObjectName("tabs");
    // Every caption stays readable: the sheet grows to fit the tabs instead of scrolling them.
    m_pTabs->setUsesScrollButtons(false);
    m_pTabs->tabBar()->setElideMode(Qt::ElideNone);
    m_pTabs->tabBar()->setExpanding(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addLayout(m_pButtonRow);
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
}

void CPropertySheet::AddPage(CPropertyPage *page)
{
    m_pages.push_back(page);
    // Adding the first tab makes it current; its activation waits until the sheet is shown.
    const QSignalBlocker block(m_pTabs);
    m_pTabs->addTab(page, page->Caption());
}

CPropertyPage *CPropertySheet::GetActivePage() const
{
    return m_pActive;
}

int CPropertySheet::GetActiveIndex() const
{
    return m_pTabs->currentIndex();
}

bool CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= m_pTabs->count())
        return false;
    m_pTabs->setCurrentIndex(index);
    return true;
}

int CPropertySheet::DoModal()
{
    return exec();
}

void CPropertySheet::OnInitDialog() {}

void CPropertySheet::showEvent(QShowEvent *event)
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    if (!m_bRunning) {
        m_bRunning = true;
        OnTabChanged(m_pTabs->currentIndex());
    }
    QDialog::showEvent(event);
}

void CPropertySheet::OnTabChanged(int index)
{
    if (!m_bRunning)
        return;
    if (m_pActive)
        m_pActive->OnKillActive();
    m_pActive = index >= 0 ? static_cast<CPropertyPage *>(m_pTabs->widget(index)) : nullptr;
    if (m_pActive) {
        m_pActive->EnsureAttached();
        m_pActive->OnSetActive();
    }
}

void CPropertySheet::StopPages()
{
    disconnect(m_pTabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);
    m_pActive = nullptr;
    m_bRunning = false;
}

void CPropertySheet::done(int result)
{
    // However the sheet closes, the shown page keeps what the user typed.
    if (m_pActive) {
        m_pActive->OnKillActive();
        m_pActive = nullptr;
    }
    m_bRunning = false;
    QDialog::done(result);
}
