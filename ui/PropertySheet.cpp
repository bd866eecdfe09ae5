#include "PropertySheet.h"

#include "PropertyPage.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The tab widget asks for the width of all its captions, so that at the opening size every
// caption is readable without scrolling; it can still be made narrower, and then its tab bar
// scrolls.
class SheetTabs : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

    QSize sizeHint() const override
    {
        // With scroll buttons on, QTabWidget counts at most 200 pixels of its tab bar.
        const QSize hint = QTabWidget::sizeHint();
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        const QSize captions = style()->sizeFromContents(
            QStyle::CT_TabWidget, &option, QSize(tabBar()->sizeHint().width(), 0), this);
        return QSize(qMax(hint.width(), captions.width()), hint.height());
    }
};

// Holds one page in its tab. At the page's own size nothing changes: no frame, no background
// of its own, no scroll bars; a window smaller than the page scrolls it instead of cutting it.
class PageScroller : public QScrollArea {
public:
    explicit PageScroller(QWidget *page)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(page);
        // The tab's own background shows through, as it did behind the page alone.
        setAutoFillBackground(false);
        viewport()->setAutoFillBackground(false);
        page->setAutoFillBackground(false);
    }

    // The page's size, not QScrollArea's capped guess: the sheet opens at the size it had
    // before its pages could scroll.
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

} // namespace

CPropertySheet::CPropertySheet(const QString &caption, QWidget *parent)
    : QDialog(parent), m_pTabs(new SheetTabs(this)), m_pButtonRow(new QHBoxLayout)
{
    setWindowTitle(caption);
    m_pTabs->setObjectName("tabs");
    // The sheet opens wide enough for every caption; made narrower (a small screen), its tab
    // bar scrolls rather than holding the window wide.
    m_pTabs->setUsesScrollButtons(true);
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
    m_pTabs->addTab(new PageScroller(page), page->Caption());
}

QScrollArea *CPropertySheet::PageScrollArea(int index) const
{
    return qobject_cast<QScrollArea *>(m_pTabs->widget(index));
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
        // Unless it was given a size, the sheet opens at its pages' size (QWidget would cap a
        // window at two thirds of the screen), or the whole screen where that is smaller.
        if (!testAttribute(Qt::WA_Resized))
            resize(OpeningSize());
    }
    if (!m_bRunning) {
        m_bRunning = true;
        OnTabChanged(m_pTabs->currentIndex());
    }
    QDialog::showEvent(event);
}

QSize CPropertySheet::OpeningSize() const
{
    QSize size = sizeHint().expandedTo(minimumSizeHint());
    if (const QScreen *screen = this->screen()) {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        const QSize room = screen->availableSize()
            - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
        size = size.boundedTo(room).expandedTo(minimumSizeHint());
    }
    return size;
}

void CPropertySheet::OnTabChanged(int index)
{
    if (!m_bRunning)
        return;
    if (m_pActive)
        m_pActive->OnKillActive();
    m_pActive = index >= 0 && size_t(index) < m_pages.size() ? m_pages[size_t(index)] : nullptr;
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
