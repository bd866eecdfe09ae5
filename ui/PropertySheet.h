#pragma once

#include <QDialog>

#include <vector>

class CPropertyPage;
class QHBoxLayout;
class QPushButton;
class QScrollArea;
class QTabWidget;

// A dialog with tabs and a button row. Leaving a tab stores its page (OnKillActive) before the
// new one loads (OnSetActive); closing the dialog stores the shown page too.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CPropertySheet(const QString &caption, QWidget *parent = nullptr);

    void AddPage(CPropertyPage *page);
    CPropertyPage *GetActivePage() const;
    int GetActiveIndex() const;
    bool SetActivePage(int index);
    // Runs the sheet modally; returns the dialog's result.
    int DoModal();

    QTabWidget *Tabs() const { return m_pTabs; }
    // Each page stands in a scroll area of its own, the tab's widget: a window smaller than
    // the page scrolls it.
    QScrollArea *PageScrollArea(int index) const;

protected:
    // Called once, before the sheet is first shown (after all pages were added).
    virtual void OnInitDialog();

    QHBoxLayout *ButtonRow() const { return m_pButtonRow; }
    // For a derived sheet's destructor when its pages are members: they are destroyed before
    // this base, and removing their tabs must not activate or store any of them.
    void StopPages();

    // The size the sheet opens at when nothing else sized it: what its pages ask for, within
    // the screen's free area.
    QSize OpeningSize() const;

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void OnTabChanged(int index);

    QTabWidget *m_pTabs;
    QHBoxLayout *m_pButtonRow;
    std::vector<CPropertyPage *> m_pages;
    CPropertyPage *m_pActive = nullptr;
    bool m_bInitialised = false;  // OnInitDialog has run
    bool m_bRunning = false;      // shown; tab changes activate pages
};
