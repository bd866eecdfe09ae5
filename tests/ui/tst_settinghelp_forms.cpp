#include "SettingHelp.h"

#include "ui_BasicPage.h"
#include "ui_BeaconPage.h"
#include "ui_CommsPage.h"
#include "ui_DisplayPage.h"
#include "ui_GPSPage.h"
#include "ui_PacketPage.h"
#include "ui_PortsPage.h"
#include "ui_PositionPage.h"
#include "ui_PositionTimingPage.h"
#include "ui_TelemetryPage.h"

#include <QtTest>

#include <memory>
#include <vector>

// The help table names each setting as its page does: the page is the caption of the form that
// holds the setting's control, the label the words beside the control. The forms are built
// straight from their generated classes, so this holds whatever the pages do with them.
class TestSettingHelpForms : public QObject {
    Q_OBJECT

    std::vector<std::unique_ptr<QWidget>> m_forms;

    template <class Form> void Build()
    {
        auto widget = std::make_unique<QWidget>();
        Form().setupUi(widget.get());
        m_forms.push_back(std::move(widget));
    }

    QWidget *FormOf(const QString &caption) const
    {
        for (const auto &form : m_forms)
            if (form->windowTitle() == caption)
                return form.get();
        return nullptr;
    }

    static QString Plain(QString text) { return text.remove('&').simplified(); }

    // The labels whose buddy is the control: those before it in the form name it, one after it
    // is its unit. A control without such a label is named by its own caption (a check box) or
    // by the title of the group box that holds it.
    static void NamesOf(QWidget *form, QWidget *control, QString &label, QString &unit)
    {
        QStringList before, after;
        bool seen = false;
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            auto *buddyLabel = qobject_cast<QLabel *>(widget);
            if (widget == control)
                seen = true;
            else if (buddyLabel && buddyLabel->buddy() == control)
                (seen ? after : before) << Plain(buddyLabel->text());
        }
        label = before.join(' ');
        unit = after.join(' ');
        if (!before.isEmpty())
            return;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            label = Plain(button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(control->parentWidget()))
            label = Plain(group->title());
    }

private slots:
    void initTestCase()
    {
        Build<Ui::BasicPage>();
        Build<Ui::PortsPage>();
        Build<Ui::PositionPage>();
        Build<Ui::PositionTimingPage>();
        Build<Ui::GPSPage>();
        Build<Ui::BeaconPage>();
        Build<Ui::TelemetryPage>();
        Build<Ui::PacketPage>();
        Build<Ui::DisplayPage>();
        Build<Ui::CommsPage>();
    }

    void namedAsOnThePage_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < g_settingHelp.size(); ++i)
            QTest::newRow(g_settingHelp[i].key) << int(i);
    }

    void namedAsOnThePage()
    {
        QFETCH(int, index);
        const SettingHelp &entry = g_settingHelp[size_t(index)];
        QWidget *form = FormOf(entry.page);
        QVERIFY2(form, entry.page);
        // The TimeStamp list sets both timestamp and timehms.
        const QString name = QString(entry.key) == "timehms" ? "timestamp" : entry.key;
        auto *control = form->findChild<QWidget *>(name);
        QVERIFY(control);

        QString label, unit;
        NamesOf(form, control, label, unit);
        QCOMPARE(QString(entry.unit), unit);
        // A label of punctuation alone (the commas between the path boxes) names nothing;
        // the table's own label must then still tell the boxes of its page apart.
        if (label.contains(QRegularExpression("\\w")))
            QCOMPARE(QString(entry.label), label);
        // Labels tell the boxes of a page apart; the TimeStamp list's two settings share one.
        for (const SettingHelp &other : g_settingHelp) {
            const bool shared = QByteArrayView(other.key) == "timehms" || name != entry.key;
            QVERIFY2(&other == &entry || shared || other.page != QByteArrayView(entry.page)
                         || other.label != QByteArrayView(entry.label),
                     other.key);
        }
    }
};

QTEST_MAIN(TestSettingHelpForms)
#include "tst_settinghelp_forms.moc"
