#pragma once

// The window's settings side by side with another set (the device as last read, a history
// entry, a file, the defaults): one row per differing setting, rows that can be opened on
// their page or taken into the window. The write summary shows the same rows before a write.

#include "Settings.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// One setting whose value differs: `mine` as the window (or the first set) holds it, `other`
// as the compared set does, both as the settings text writes them.
struct SettingDifference {
    int bank = 0;
    const Setting *setting = nullptr;
    std::string mine;
    std::string other;
};

// Every differing setting of both banks, bank 0 first, in table order.
std::vector<SettingDifference> SettingDifferences(const CSettings &mine, const CSettings &other);

// Something to compare the window with, as the chooser lists it.
struct CompareSource {
    QString caption;
    // Fills `other`; false with *note saying why when it cannot. May ask the user (a file
    // dialog): false with an empty note is a Cancel. On success *note may name what was
    // loaded (a file's path), for the summary line.
    std::function<bool(CSettings &other, QString *note)> load;
    // Both sides of their own (what a read changed): the window is not one of them.
    std::shared_ptr<const CSettings> mine;
    QString mineHeader;
    QString otherHeader;
};

class CCompareDialog : public QDialog {
    Q_OBJECT
public:
    // `window` is the window's model: "Take selected" writes into it. The chooser starts on
    // source `first`.
    CCompareDialog(CSettings &window, std::vector<CompareSource> sources, int first, QWidget *parent = nullptr);
    ~CCompareDialog() override;

    // The key of the row the user opened (the dialog then closes); empty when none was.
    const std::string &OpenedKey() const { return m_strOpenedKey; }
    // Whether "Take selected" changed the window's model.
    bool Took() const { return m_bTook; }

    QComboBox *m_cboSource = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_lblSummary = nullptr;
    // Whether Write Config first shows what will change: the caller sets it and follows it.
    QCheckBox *m_pShowWriteSummary = nullptr;

private:
    void OnSourceChosen(int index);
    void Refresh();
    void OnTakeSelected();
    void OnOpenRow(int row);

    CSettings &m_window;
    std::vector<CompareSource> m_sources;
    int m_nSource = -1;
    QString m_strNote;
    CSettings m_other;
    std::vector<SettingDifference> m_differences;
    QPushButton *m_pTake = nullptr;
    QPushButton *m_pOpen = nullptr;
    std::string m_strOpenedKey;
    bool m_bTook = false;
};

// Asked before Write Config: what will change on the device, or that it is not known.
// "Write" is the default; the check box turns the step off for later writes.
class CWriteSummary : public QDialog {
    Q_OBJECT
public:
    CWriteSummary(const QString &text, const std::vector<SettingDifference> &differences, QWidget *parent = nullptr);

    bool DontShowAgain() const;

private:
    QCheckBox *m_pDontShow = nullptr;
};

// The rows of a difference table: bank, label, page, key, the two values; the first column
// carries a check box where `checkable`.
QTableWidget *NewDifferenceTable(const QString &mineHeader, const QString &otherHeader, QWidget *parent);
void FillDifferenceTable(QTableWidget *table, const std::vector<SettingDifference> &differences, bool checkable);
