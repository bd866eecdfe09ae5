#pragma once

#include <QWidget>

// One tab of the main sheet. The sheet calls OnKillActive() on the page being left before
// OnSetActive() on the page being shown; AttachControls() runs once, before the first
// activation.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(QWidget *parent = nullptr);

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

    // Runs AttachControls() the first time only.
    void EnsureAttached();

protected:
    // Attaches the controls: the base applies the forms' edit-box styles.
    virtual void AttachControls();

private:
    bool m_bAttached = false;
};

// Applies an edit box's styles from the dynamic properties of its form: `upperCase` (letters
// shown and stored in upper case) and `digitsOnly` (typed or pasted non-digits refused, while
// text the program put there, such as "-3", stays editable). Every box also keeps a single
// line (a typed or pasted text is cut at its first CR or LF; text the program put there stays
// byte for byte) and takes a value of any length.
void ApplyEditStyles(QWidget *page);
