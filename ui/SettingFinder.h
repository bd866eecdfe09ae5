#pragma once

#include <QWidget>

class CSettings;
class CSheet;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class QToolButton;

// The sheet's search: a field and a "changed from defaults" toggle for the button row, and a
// list of the settings found that stands in place of the tabs while the field holds text or
// the toggle is on (no popup, so it fits wherever the tabs fit). Choosing an entry shows its
// setting on its page. Searching reads the current bank and never changes a value or the bank.
class CSettingFinder : public QWidget {
    Q_OBJECT
public:
    // Takes the sheet's tab area into a stack of its own, beside the list.
    CSettingFinder(CSheet &sheet, CSettings &settings);

    // Puts the keyboard into the field, its text selected (Ctrl+F).
    void Focus();
    // Back to the pages: the field emptied, the toggle off.
    void Leave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Lists what the field and the toggle ask for, or shows the pages when they ask nothing.
    void Refresh();
    void Choose(const QListWidgetItem *item);

    CSheet &m_sheet;
    CSettings &m_settings;
    QLabel *m_pLabel;
    QLineEdit *m_pField;
    QToolButton *m_pChanged;
    QListWidget *m_pResults;
    QStackedWidget *m_pStack;
};
