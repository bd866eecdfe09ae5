#pragma once

#include <QWidget>

// One tab of the main sheet. The sheet calls OnKillActive() on the page being left before
// OnSetActive() on the page being shown; DoDataExchange() runs once, before the first
// activation, and attaches the controls (the base applies the forms' edit-box styles).
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(QWidget *parent = nullptr);

    virtual void DoDataExchange();
    // Load the controls from the current bank (pages override and then call the base).
    virtual bool OnSetActive();
    // Store the controls into the current bank; a page can always be left.
    virtual bool OnKillActive();

    // The tab caption: the form's window title.
    QString Caption() const { return windowTitle(); }

    // Runs DoDataExchange() the first time only.
    void EnsureAttached();

private:
    bool m_bAttached = false;
};

// Applies an edit box's styles from the dynamic properties of its form: `upperCase` (letters
// shown and stored in upper case) and `digitsOnly` (typed or pasted non-digits refused, while
// text the program put there, such as "-3", stays editable).
void ApplyEditStyles(QWidget *page);
