#pragma once

#include <QVariant>
#include <QWidget>

#include <string_view>

#include <memory>
#include <vector>

class CBank;
class CSettings;
struct Setting;

// One tab of the main sheet. The sheet calls OnKillActive() on the page being left before
// OnSetActive() on the page being shown; AttachControls() runs once, before the first
// activation.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(QWidget *parent = nullptr);
    ~CPropertyPage() override;

    // The page's bindings, each control listed once with its conversion and used both ways:
    // `store` false shows the current bank in the controls, `store` true takes the controls
    // into it. The base binds nothing.
    virtual void DoDataExchange(bool store);
    // Loads the controls from the current bank. Pages with rules (enables, derived texts)
    // call the base first and apply them to what it loaded.
    virtual bool OnSetActive();
    // Stores the controls into the current bank; a page can always be left.
    virtual bool OnKillActive();

    // The tab caption: the form's window title.
    QString Caption() const { return windowTitle(); }

    // Runs AttachControls() the first time only, then gives every bound control its help
    // (tool tip, accessible name and description), its marker and its "Reset to default".
    void EnsureAttached();

    // The controls bound to settings: the page's children named after a setting's key, in the
    // order of the setting table; empty until the page is attached.
    QList<QWidget *> BoundControls() const;
    // True when what a bound control holds now would store a value other than the default.
    bool DiffersFromDefault(const QWidget *control) const;
    // Puts the default into a bound control as the user would type or pick it, so that the
    // page's own rules follow through the signals they listen to.
    void ResetToDefault(QWidget *control);

protected:
    // Attaches the controls: the base applies the forms' edit-box styles.
    virtual void AttachControls();

    // The bank DoDataExchange() works on: the current bank of `settings`, or the page's scratch
    // bank while it compares its controls with the defaults (which never touches the model).
    CBank &ExchangeBank(CSettings &settings);

private:
    struct BoundControl {
        QWidget *control;
        std::vector<const Setting *> settings;  // the settings it shows (the TimeStamp list: two)
        QVariant shownDefault;                  // what it shows for the defaults
        QList<QWidget *> markers;               // what turns bold while it differs
        bool differs = false;
    };

    void AttachBoundControls();
    const BoundControl *Bound(const QWidget *control) const;
    // Stores the controls into a scratch bank and marks those whose value differs from the
    // default's.
    void UpdateMarkers();
    void ShowSettingMenu(QWidget *control, QWidget *source, const QPoint &pos);

    bool m_bAttached = false;
    std::vector<BoundControl> m_bound;
    // The defaults as the controls store them, which is what a control is compared with.
    std::unique_ptr<CBank> m_pDefaults;
    CBank *m_pScratch = nullptr;
};

// A tool tip that shows `text` as typed, never as markup, wrapped to a readable width.
QString PlainTextToolTip(const QString &text);
// "KEY · default VALUE", with " · unit" where the setting has one: the default as the settings
// text writes it.
QString SettingKeyLine(const Setting &setting);
// The words of a bound control's tool tip: its help, then the key line of each setting it shows.
QString SettingTip(const std::vector<const Setting *> &settings);

// The object name of the control that shows a setting: its key, but TIMEHMS has no control of
// its own — the TimeStamp list (`timestamp`) carries it with TIMESTAMP.
QString SettingControlName(std::string_view key);

// Applies an edit box's styles from the dynamic properties of its form: `upperCase` (letters
// shown and stored in upper case) and `digitsOnly` (typed or pasted non-digits refused, while
// text the program put there, such as "-3", stays editable). Every box also keeps a single
// line (a typed or pasted text is cut at its first CR or LF; text the program put there stays
// byte for byte) and takes a value of any length.
void ApplyEditStyles(QWidget *page);
