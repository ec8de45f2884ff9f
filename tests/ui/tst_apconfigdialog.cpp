// The settings dialog on real widgets over a settings file in a temporary
// home: every field loads its key and saves it, Cancel leaves the file alone,
// Reset and Reset All remove exactly their keys; the content lock goes only
// with its password.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <memory>

#include "apconfigdialog.h"
#include "appsettings.h"
#include "aptvomanager.h"
#include "applicationinfo.h"
#include "commonfunctions.h"
#include "contentlock.h"
#include "settingsstore.h"
#include "startupentry.h"
#include "uitestsupport.h"

namespace K = SettingsKeys;

namespace {

QString settingsFile() { return SettingsStore::filePath(SettingsStore::organisation, SettingsStore::application); }

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList storedKeys()
{
    SettingsStore s;
    QStringList keys = s->allKeys();
    keys.sort();
    return keys;
}

QVariant stored(const QString &key)
{
    SettingsStore s;
    return s->value(key);
}

void store(const QString &key, const QVariant &value)
{
    SettingsStore s;
    s->setValue(key, value);
}

// Every key the dialog's pages own, with a value that differs from its
// default, and three keys that belong to nobody's page.
void fillEveryKey()
{
    SettingsStore s;
    for (const QString &key : {K::AutoStartupFlag, K::MinToTrayFlag, K::CompletionPopupDialogFlag, K::AutoUpdateFlag,
                               K::ShowFloatingWindowFlag, K::MonitorClipboardFlag, K::SpeedOptimizationFlag})
        s->setValue(key, 0);
    s->setValue(K::SpeedPanelBandwidth, 512);
    s->setValue(K::DownloadedTo, QStringLiteral("/tmp/elsewhere"));
    s->setValue(K::MonitorClipboardFileTypes, QStringLiteral(".iso"));
    s->setValue(K::MaxSplitNumRadioGroup, 1);
    s->setValue(K::MaxSplitNum, 9);
    s->setValue(K::FailureRetryTimes, 7);
    s->setValue(K::DownloadSpeedLimit, 250);
    for (const QString &group : {K::SearchProxyGroup, K::HttpFtpProxyGroup}) {
        s->setValue(group + QStringLiteral("/Type"), 2);
        s->setValue(group + QStringLiteral("/Host"), QStringLiteral("proxy.example"));
        s->setValue(group + QStringLiteral("/Port"), 8080);
        s->setValue(group + QStringLiteral("/Username"), QStringLiteral("user"));
        s->setValue(group + QStringLiteral("/Password"), QStringLiteral("secret"));
    }
    s->setValue(K::VirusScanFlag, 1);
    s->setValue(K::VirusScanProgramPath, QStringLiteral("/usr/bin/scanner"));
    s->setValue(K::VirusScanProgramArgs, QStringLiteral("--quiet"));
    s->setValue(K::ContentPhrase, ContentLock::digest(QStringLiteral("password1")));
    s->setValue(K::ContentTimeStamp, 1000000000);
    s->setValue(K::ContentKeywords, QStringLiteral("one, two"));
    s->setValue(K::ScheduleTaskOption, 1);
    s->setValue(K::DownloadedToHistory, QStringList{QStringLiteral("/tmp")});
    s->setValue(K::Language, QStringLiteral("german"));
}

} // namespace

class TestApConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fieldsLoadAndSave_data();
    void fieldsLoadAndSave();
    void dependentFieldsFollowTheirSwitches();
    void pageLoadsOnceAndEditsSurviveSwitching();
    void cancelAndCloseLeaveTheFileUnchanged();
    void resetRemovesExactlyThePagesKeys_data();
    void resetRemovesExactlyThePagesKeys();
    void resetAllAsksFirst();
    void handEditedValuesAreClamped_data();
    void handEditedValuesAreClamped();
    void lockRefusals_data();
    void lockRefusals();
    void lockWithLeadingBlanksNeedsThemToUnlock();
    void keywordsWithoutLockStoreNothing();
    void resetOfLockedContentTakesThePassword();
    void browseButtonsFillTheirFields();
    void screenshotsOfEveryPage();

private:
    template<class T> T *find(const char *name) const
    {
        T *widget = m_dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qWarning("missing widget %s", name);
        return widget;
    }
    void showPage(int page) { find<QListWidget>("config_listWidget")->setCurrentRow(page); }
    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    std::unique_ptr<ApConfigDialog> m_dialog;
};

void TestApConfigDialog::init()
{
    QFile::remove(settingsFile());
    StartupEntry::remove();
    m_dialog = std::make_unique<ApConfigDialog>();
    m_dialog->show();
}

void TestApConfigDialog::cleanup()
{
    m_dialog.reset();
    StartupEntry::remove();
}

void TestApConfigDialog::fieldsLoadAndSave_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("before");
    QTest::addColumn<QVariant>("edited");
    QTest::addColumn<QVariant>("saved");

    auto row = [](const char *name, int page, const char *widget, const QString &key, QVariant before,
                  QVariant edited, QVariant saved) {
        QTest::newRow(name) << page << QString::fromLatin1(widget) << key << before << edited << saved;
    };
    const int G = ApConfigDialog::GeneralPage, P = ApConfigDialog::ProxyPage, V = ApConfigDialog::VirusScanPage;
    row("autostartup", G, "general_autostartup_checkBox", K::AutoStartupFlag, 0, true, 1);
    row("mintotray", G, "general_mintotray_checkBox", K::MinToTrayFlag, 1, false, 0);
    row("completion popup", G, "general_completionprompt_checkBox", K::CompletionPopupDialogFlag, 2, false, 0);
    row("autoupdate", G, "general_autoupdate_checkBox", K::AutoUpdateFlag, 0, true, 1);
    row("bandwidth", G, "general_speedpanelbandwidth_spinBox", K::SpeedPanelBandwidth, 450, 800, 800);
    row("floating window", G, "general_showfloatingwindow_checkBox", K::ShowFloatingWindowFlag, 0, true, 1);
    row("downloaded to", G, "general_downloadedto_lineEdit", K::DownloadedTo, "/tmp/a", "/tmp/b", "/tmp/b");
    row("monitor clipboard", G, "general_monitorclipboard_checkBox", K::MonitorClipboardFlag, 1, false, 0);
    row("file types", G, "general_monitorclipboard_lineEdit", K::MonitorClipboardFileTypes, ".zip", ".zip;.iso",
        ".zip;.iso");
    row("split custom", G, "general_maxsplitnumcustom_radioButton", K::MaxSplitNumRadioGroup, 0, true, 1);
    row("retries", G, "general_failureretrytimes_spinBox", K::FailureRetryTimes, 5, 0, 0);
    row("speed limit", G, "general_downloadspeedlimit_spinBox", K::DownloadSpeedLimit, 100, 2048, 2048);
    row("max active", G, "general_maxactivedownloads_spinBox", K::MaxActiveDownloads, 3, 0, 0);
    row("search type", P, "proxy_search_type_comboBox", K::SearchProxyGroup + "/Type", 1, 2, 2);
    row("search host", P, "proxy_search_host_lineEdit", K::SearchProxyGroup + "/Host", "a.example", "b.example",
        "b.example");
    row("search port", P, "proxy_search_port_spinBox", K::SearchProxyGroup + "/Port", 1080, 8118, 8118);
    row("search user", P, "proxy_search_username_lineEdit", K::SearchProxyGroup + "/Username", "u", "v", "v");
    row("search password", P, "proxy_search_password_lineEdit", K::SearchProxyGroup + "/Password", "p", " q ",
        " q ");
    row("httpftp type", P, "proxy_httpftp_type_comboBox", K::HttpFtpProxyGroup + "/Type", 2, 0, 0);
    row("httpftp host", P, "proxy_httpftp_host_lineEdit", K::HttpFtpProxyGroup + "/Host", "c.example", "d.example",
        "d.example");
    row("httpftp port", P, "proxy_httpftp_port_spinBox", K::HttpFtpProxyGroup + "/Port", 3129, 65535, 65535);
    row("httpftp user", P, "proxy_httpftp_username_lineEdit", K::HttpFtpProxyGroup + "/Username", "x", "y", "y");
    row("httpftp password", P, "proxy_httpftp_password_lineEdit", K::HttpFtpProxyGroup + "/Password", "1", "2",
        "2");
    row("virus flag", V, "virusscan_scan_checkBox", K::VirusScanFlag, 0, true, 1);
    row("virus path", V, "virusscan_programpath_lineEdit", K::VirusScanProgramPath, "/bin/a", "/bin/b", "/bin/b");
    row("virus args", V, "virusscan_programargs_lineEdit", K::VirusScanProgramArgs, "-a", "-b -c", "-b -c");
}

void TestApConfigDialog::fieldsLoadAndSave()
{
    QFETCH(int, page);
    QFETCH(QString, widget);
    QFETCH(QString, key);
    QFETCH(QVariant, before);
    QFETCH(QVariant, edited);
    QFETCH(QVariant, saved);

    // A dialog made after the value is stored.
    m_dialog.reset();
    store(key, before);
    // The scanner's fields are editable only while scanning is on.
    if (page == ApConfigDialog::VirusScanPage && key != K::VirusScanFlag)
        store(K::VirusScanFlag, 1);
    m_dialog = std::make_unique<ApConfigDialog>();
    m_dialog->show();
    showPage(page);
    QVERIFY(m_dialog->isPageLoaded(page));
    QVERIFY(!m_dialog->isPageChanged(page));
    auto *apply = find<QPushButton>("apply_pushButton");
    QVERIFY(!apply->isEnabled());

    QWidget *field = m_dialog->findChild<QWidget *>(widget);
    QVERIFY2(field, qPrintable(widget));
    if (auto *box = qobject_cast<QCheckBox *>(field)) {
        QCOMPARE(box->isChecked(), before.toInt() != 0);
        box->setChecked(edited.toBool());
    } else if (auto *radio = qobject_cast<QRadioButton *>(field)) {
        QCOMPARE(radio->isChecked(), before.toInt() != 0);
        radio->setChecked(edited.toBool());
    } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
        QCOMPARE(spin->value(), before.toInt());
        spin->setValue(edited.toInt());
    } else if (auto *line = qobject_cast<QLineEdit *>(field)) {
        QCOMPARE(line->text(), before.toString());
        line->clear();
        QTest::keyClicks(line, edited.toString());
    } else if (auto *combo = qobject_cast<QComboBox *>(field)) {
        QCOMPARE(combo->currentIndex(), before.toInt());
        combo->setCurrentIndex(edited.toInt());
    } else {
        QFAIL("unknown widget type");
    }
    QVERIFY(m_dialog->isPageChanged(page));
    QVERIFY(apply->isEnabled());
    QCOMPARE(stored(key), before);   // nothing is written before Apply

    click("apply_pushButton");
    QVERIFY(!apply->isEnabled());
    QVERIFY(!m_dialog->isPageChanged(page));
    QCOMPARE(stored(key).toString(), saved.toString());
    QCOMPARE(m_dialog->generalSaved(), page == ApConfigDialog::GeneralPage);
    QCOMPARE(m_dialog->proxySaved(), page == ApConfigDialog::ProxyPage);
    if (page == ApConfigDialog::GeneralPage)
        QCOMPARE(StartupEntry::isPresent(), AppSettings::autoStartupFlag());
}

void TestApConfigDialog::dependentFieldsFollowTheirSwitches()
{
    auto *clipboard = find<QCheckBox>("general_monitorclipboard_checkBox");
    auto *types = find<QLineEdit>("general_monitorclipboard_lineEdit");
    QVERIFY(clipboard->isChecked());
    QVERIFY(types->isEnabled());
    clipboard->setChecked(false);
    QVERIFY(!types->isEnabled());

    auto *automatic = find<QRadioButton>("general_maxsplitnumauto_radioButton");
    auto *custom = find<QRadioButton>("general_maxsplitnumcustom_radioButton");
    auto *splits = find<QSpinBox>("general_maxsplitnum_spinBox");
    QVERIFY(automatic->isChecked());
    QVERIFY(!splits->isEnabled());
    QCOMPARE(splits->value(), 6);
    QTest::mouseClick(custom, Qt::LeftButton);
    QVERIFY(splits->isEnabled());

    showPage(ApConfigDialog::VirusScanPage);
    auto *scan = find<QCheckBox>("virusscan_scan_checkBox");
    QVERIFY(!scan->isChecked());
    QVERIFY(!find<QWidget>("virusscan_program_widget")->isEnabled());
    scan->setChecked(true);
    QVERIFY(find<QWidget>("virusscan_program_widget")->isEnabled());
    QVERIFY(m_dialog->isPageChanged(ApConfigDialog::GeneralPage));
    QVERIFY(m_dialog->isPageChanged(ApConfigDialog::VirusScanPage));
    QVERIFY(!m_dialog->isPageChanged(ApConfigDialog::ProxyPage));

    // OK saves both pages in one go and closes.
    click("ok_pushButton");
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(stored(K::MonitorClipboardFlag).toInt(), 0);
    QCOMPARE(stored(K::MaxSplitNumRadioGroup).toInt(), 1);
    QCOMPARE(stored(K::MaxSplitNum).toInt(), 6);
    QCOMPARE(stored(K::VirusScanFlag).toInt(), 1);
    QVERIFY(!SettingsStore()->contains(K::SearchProxyGroup + QStringLiteral("/Type")));
}

void TestApConfigDialog::pageLoadsOnceAndEditsSurviveSwitching()
{
    QVERIFY(m_dialog->isPageLoaded(ApConfigDialog::GeneralPage));
    QVERIFY(!m_dialog->isPageLoaded(ApConfigDialog::ProxyPage));
    QVERIFY(!m_dialog->isPageLoaded(ApConfigDialog::ContentPage));
    auto *host = find<QLineEdit>("proxy_search_host_lineEdit");
    showPage(ApConfigDialog::ProxyPage);
    QTest::keyClicks(host, QStringLiteral("edited.example"));
    // The file changes behind the dialog; the page is not read again.
    store(K::SearchProxyGroup + QStringLiteral("/Host"), QStringLiteral("file.example"));
    showPage(ApConfigDialog::GeneralPage);
    showPage(ApConfigDialog::ProxyPage);
    QCOMPARE(host->text(), QStringLiteral("edited.example"));
    QCOMPARE(find<QStackedWidget>("config_stackedWidget")->currentIndex(), int(ApConfigDialog::ProxyPage));
}

void TestApConfigDialog::cancelAndCloseLeaveTheFileUnchanged()
{
    fillEveryKey();
    m_dialog = std::make_unique<ApConfigDialog>();
    for (int round = 0; round < 3; ++round) {
        const QByteArray before = fileBytes(settingsFile());
        QVERIFY(!before.isEmpty());
        m_dialog->show();
        showPage(ApConfigDialog::GeneralPage);
        find<QCheckBox>("general_autostartup_checkBox")->setChecked(true);
        find<QSpinBox>("general_failureretrytimes_spinBox")->setValue(1);
        QTest::keyClicks(find<QLineEdit>("general_downloadedto_lineEdit"), QStringLiteral("/more"));
        showPage(ApConfigDialog::ProxyPage);
        find<QSpinBox>("proxy_httpftp_port_spinBox")->setValue(1);
        QVERIFY(find<QPushButton>("apply_pushButton")->isEnabled());
        if (round == 0)
            click("cancel_pushButton");
        else if (round == 1)
            m_dialog->close();   // the window's close button counts as Cancel
        else
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(fileBytes(settingsFile()), before);
        QVERIFY(!m_dialog->isPageChanged(ApConfigDialog::GeneralPage));
        QVERIFY(!m_dialog->isPageChanged(ApConfigDialog::ProxyPage));
        QVERIFY(!m_dialog->generalSaved());
        QVERIFY(!StartupEntry::isPresent());
    }
}

void TestApConfigDialog::resetRemovesExactlyThePagesKeys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("rewritten");

    QTest::newRow("general") << int(ApConfigDialog::GeneralPage)
                             << QStringList{K::AutoStartupFlag,
                                            K::MinToTrayFlag,
                                            K::CompletionPopupDialogFlag,
                                            K::AutoUpdateFlag,
                                            K::SpeedPanelBandwidth,
                                            K::ShowFloatingWindowFlag,
                                            K::DownloadedTo,
                                            K::MonitorClipboardFlag,
                                            K::MonitorClipboardFileTypes,
                                            K::MaxSplitNumRadioGroup,
                                            K::MaxSplitNum,
                                            K::FailureRetryTimes,
                                            K::SpeedOptimizationFlag,
                                            K::DownloadSpeedLimit,
                                            K::MaxActiveDownloads}
                             << QStringList();
    QStringList proxyKeys;
    for (const QString &group : {K::SearchProxyGroup, K::HttpFtpProxyGroup}) {
        for (const char *name : {"Host", "Password", "Port", "Type", "Username"})
            proxyKeys << group + QLatin1Char('/') + QLatin1String(name);
    }
    QTest::newRow("proxy") << int(ApConfigDialog::ProxyPage) << proxyKeys << QStringList();
    QTest::newRow("content") << int(ApConfigDialog::ContentPage) << QStringList{K::ContentPhrase}
                             << QStringList{K::ContentTimeStamp, K::ContentKeywords};
    QTest::newRow("virus scan") << int(ApConfigDialog::VirusScanPage)
                                << QStringList{K::VirusScanFlag, K::VirusScanProgramPath, K::VirusScanProgramArgs}
                                << QStringList();
}

void TestApConfigDialog::resetRemovesExactlyThePagesKeys()
{
    QFETCH(int, page);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, rewritten);

    fillEveryKey();
    m_dialog = std::make_unique<ApConfigDialog>();
    m_dialog->show();
    showPage(page);
    const QStringList before = storedKeys();
    QVariantMap values;
    for (const QString &key : before)
        values[key] = stored(key);

    // The stored lock is lifted only with its password.
    if (page == ApConfigDialog::ContentPage)
        find<QLineEdit>("contentlock_password_2_lineEdit")->setText(QStringLiteral("password1"));
    click("reset_pushButton");

    QStringList expected = before;
    for (const QString &key : removed)
        expected.removeAll(key);
    QCOMPARE(storedKeys(), expected);
    for (const QString &key : expected) {
        if (!rewritten.contains(key))
            QCOMPARE(stored(key), values.value(key));
    }
    QVERIFY(!m_dialog->isPageChanged(page));
    QCOMPARE(m_dialog->generalSaved(), page == ApConfigDialog::GeneralPage);
    QCOMPARE(m_dialog->proxySaved(), page == ApConfigDialog::ProxyPage);

    // The widgets show the reset values.
    switch (page) {
    case ApConfigDialog::GeneralPage:
        QVERIFY(find<QCheckBox>("general_autostartup_checkBox")->isChecked());
        QCOMPARE(find<QSpinBox>("general_speedpanelbandwidth_spinBox")->value(), 300);
        QCOMPARE(find<QLineEdit>("general_downloadedto_lineEdit")->text(), Common::defaultDownloadFolder());
        QCOMPARE(find<QLineEdit>("general_monitorclipboard_lineEdit")->text(),
                 AppSettings::defaultMonitorClipboardFileTypes());
        QVERIFY(find<QRadioButton>("general_maxsplitnumauto_radioButton")->isChecked());
        QCOMPARE(find<QSpinBox>("general_maxsplitnum_spinBox")->value(), 6);
        QCOMPARE(find<QSpinBox>("general_failureretrytimes_spinBox")->value(), 3);
        QCOMPARE(find<QSpinBox>("general_downloadspeedlimit_spinBox")->value(), 0);
        QCOMPARE(find<QSpinBox>("general_maxactivedownloads_spinBox")->value(), 5);
        break;
    case ApConfigDialog::ProxyPage:
        QCOMPARE(find<QComboBox>("proxy_httpftp_type_comboBox")->currentIndex(), 0);
        QCOMPARE(find<QSpinBox>("proxy_search_port_spinBox")->value(), 3128);
        QVERIFY(find<QLineEdit>("proxy_search_host_lineEdit")->text().isEmpty());
        break;
    case ApConfigDialog::ContentPage:
        QCOMPARE(stored(K::ContentKeywords).toString(), QStringLiteral("aaaa, bbbb, cccc"));
        QVERIFY(qAbs(stored(K::ContentTimeStamp).toLongLong() - QDateTime::currentSecsSinceEpoch()) < 60);
        QCOMPARE(find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName(),
                 QStringLiteral("contentlock_unlocked_page"));
        QCOMPARE(find<QPlainTextEdit>("contentlock_keywords_plainTextEdit")->toPlainText(),
                 QStringLiteral("aaaa, bbbb, cccc"));
        QCOMPARE(find<QLabel>("contentlock_status_label")->text(),
                 QStringLiteral("Content NOT locked. Last modification time:"));
        break;
    case ApConfigDialog::VirusScanPage:
        QVERIFY(find<QLineEdit>("virusscan_programpath_lineEdit")->text().isEmpty());
        QVERIFY(find<QLineEdit>("virusscan_programargs_lineEdit")->text().isEmpty());
        break;
    default: break;
    }
}

void TestApConfigDialog::resetAllAsksFirst()
{
    fillEveryKey();
    m_dialog = std::make_unique<ApConfigDialog>();
    m_dialog->show();
    const QStringList before = storedKeys();
    {
        UiTest::InfoDialogAnswerer cancel(false);
        click("resetall_pushButton");
        QCOMPARE(cancel.texts, QStringList{QStringLiteral("Are you sure to reset all settings? Press OK to confirm.")});
    }
    QCOMPARE(storedKeys(), before);
    {
        UiTest::InfoDialogAnswerer ok(true);
        click("resetall_pushButton");
        QCOMPARE(ok.texts.size(), 1);
    }
    // Only what no page owns, and the content lock whole, stay.
    QCOMPARE(storedKeys(), QStringList({K::ContentKeywords, K::ContentPhrase, K::ContentTimeStamp,
                                        K::DownloadedToHistory, K::ScheduleTaskOption, K::Language}));
    QCOMPARE(stored(K::ContentKeywords).toString(), QStringLiteral("one, two"));
    QCOMPARE(find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("contentlock_locked_page"));
    QVERIFY(m_dialog->generalSaved());
    QVERIFY(m_dialog->proxySaved());
    for (int page = 0; page < ApConfigDialog::PageCount; ++page)
        QVERIFY(m_dialog->isPageLoaded(page));
}

void TestApConfigDialog::handEditedValuesAreClamped_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("read");
    QTest::newRow("splits too many") << K::MaxSplitNum << 500 << 20;
    QTest::newRow("splits negative") << K::MaxSplitNum << -3 << 1;
    QTest::newRow("retries") << K::FailureRetryTimes << 100000 << 99;
    QTest::newRow("proxy port") << K::HttpFtpProxyGroup + "/Port" << 99999 << 65535;
    QTest::newRow("proxy port zero") << K::SearchProxyGroup + "/Port" << 0 << 1;
    QTest::newRow("speed limit") << K::DownloadSpeedLimit << -5 << 0;
    QTest::newRow("active downloads") << K::MaxActiveDownloads << 5000 << 100;
}

void TestApConfigDialog::handEditedValuesAreClamped()
{
    QFETCH(QString, key);
    QFETCH(int, written);
    QFETCH(int, read);

    store(K::MaxSplitNumRadioGroup, 1);
    store(key, written);
    if (key == K::MaxSplitNum) {
        QCOMPARE(AppSettings::maxSplitNum(), read);
        QCOMPARE(AppSettings::splitBound(), read - 1);
        // The engine never opens more connections than the dialog allows.
        ApplicationInfo info;
        ApTvoManager manager(nullptr, &info);
        manager.readSettings();
        QCOMPARE(manager.settingsValues().splitBound, read - 1);
    } else if (key == K::FailureRetryTimes) {
        QCOMPARE(AppSettings::failureRetryTimes(), read);
    } else if (key == K::DownloadSpeedLimit) {
        QCOMPARE(AppSettings::downloadSpeedLimit(), read);
    } else if (key == K::MaxActiveDownloads) {
        QCOMPARE(AppSettings::maxActiveDownloads(), read);
    } else if (key.startsWith(K::HttpFtpProxyGroup)) {
        QCOMPARE(AppSettings::httpFtpProxy().port, read);
    } else {
        QCOMPARE(AppSettings::searchProxy().port, read);
    }
}

void TestApConfigDialog::lockRefusals_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");

    QTest::newRow("both empty") << "" << "" << "Please enter your password twice.";
    QTest::newRow("second only blanks") << "secret1" << "   " << "Please enter your password twice.";
    QTest::newRow("mismatch") << "secret1" << "secret2" << "The two passwords do not match.";
    QTest::newRow("mismatch in blanks only") << " secret1" << "secret1" << "The two passwords do not match.";
    QTest::newRow("five characters") << "abcde" << "abcde" << "Please enter a password containing minimum 6 characters or numbers.";
    QTest::newRow("five inside blanks") << "  abcde  " << "  abcde  "
                                        << "Please enter a password containing minimum 6 characters or numbers.";
}

void TestApConfigDialog::lockRefusals()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, message);

    showPage(ApConfigDialog::ContentPage);
    auto *label = find<QLabel>("contentlock_lockmessage_label");
    QVERIFY(label->isHidden());
    QTest::keyClicks(find<QLineEdit>("contentlock_password_0_lineEdit"), first);
    QTest::keyClicks(find<QLineEdit>("contentlock_password_1_lineEdit"), second);
    const QByteArray before = fileBytes(settingsFile());
    // Enter in the second field locks as the button does.
    QTest::keyClick(find<QLineEdit>("contentlock_password_1_lineEdit"), Qt::Key_Return);
    QCOMPARE(label->text(), message);
    QVERIFY(!label->isHidden());
    QCOMPARE(fileBytes(settingsFile()), before);
    QVERIFY(!ContentLock::isLocked());
    QCOMPARE(find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("contentlock_unlocked_page"));
}

void TestApConfigDialog::lockWithLeadingBlanksNeedsThemToUnlock()
{
    const QString password = QStringLiteral("   abc123");   // six characters after the blanks
    showPage(ApConfigDialog::ContentPage);
    auto *keywords = find<QPlainTextEdit>("contentlock_keywords_plainTextEdit");
    QCOMPARE(keywords->toPlainText(), QStringLiteral("aaaa, bbbb, cccc"));
    keywords->setPlainText(QStringLiteral("cats, dogs"));
    QTest::keyClicks(find<QLineEdit>("contentlock_password_0_lineEdit"), password);
    QTest::keyClicks(find<QLineEdit>("contentlock_password_1_lineEdit"), password);
    click("contentlock_lock_pushButton");

    QVERIFY(ContentLock::isLocked());
    const QString expected = QString::fromLatin1(
        QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha1).toHex());
    QCOMPARE(stored(K::ContentPhrase).toString(), expected);
    QCOMPARE(expected.size(), 40);
    QCOMPARE(stored(K::ContentKeywords).toString(), QStringLiteral("cats, dogs"));
    QVERIFY(qAbs(stored(K::ContentTimeStamp).toLongLong() - QDateTime::currentSecsSinceEpoch()) < 60);
    QCOMPARE(find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("contentlock_locked_page"));
    QCOMPARE(find<QLabel>("contentlock_status_label")->text(),
             QStringLiteral("Content is locked. Last modification time:"));
    QVERIFY(m_dialog->isPageChanged(ApConfigDialog::ContentPage));

    // Without the blanks the password is another one.
    auto *unlock = find<QLineEdit>("contentlock_password_2_lineEdit");
    auto *message = find<QLabel>("contentlock_unlockmessage_label");
    QTest::keyClicks(unlock, password.trimmed());
    QTest::keyClick(unlock, Qt::Key_Return);
    QCOMPARE(message->text(), QStringLiteral("Passwords do not match."));
    QVERIFY(!message->isHidden());
    QVERIFY(ContentLock::isLocked());

    // A new dialog shows the lock as stored.
    m_dialog = std::make_unique<ApConfigDialog>();
    m_dialog->show();
    showPage(ApConfigDialog::ContentPage);
    QCOMPARE(find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("contentlock_locked_page"));
    QVERIFY(find<QLabel>("contentlock_unlockmessage_label")->isHidden());
    QTest::keyClicks(find<QLineEdit>("contentlock_password_2_lineEdit"), password);
    click("contentlock_unlock_pushButton");
    QVERIFY(!ContentLock::isLocked());
    // Keywords and time stamp stay.
    QCOMPARE(stored(K::ContentKeywords).toString(), QStringLiteral("cats, dogs"));
    QCOMPARE(find<QPlainTextEdit>("contentlock_keywords_plainTextEdit")->toPlainText(), QStringLiteral("cats, dogs"));
    QCOMPARE(find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("contentlock_unlocked_page"));
    QCOMPARE(find<QLabel>("contentlock_status_label")->text(),
             QStringLiteral("Content NOT locked. Last modification time:"));
}

void TestApConfigDialog::keywordsWithoutLockStoreNothing()
{
    showPage(ApConfigDialog::ContentPage);
    const QByteArray before = fileBytes(settingsFile());
    find<QPlainTextEdit>("contentlock_keywords_plainTextEdit")->setPlainText(QStringLiteral("changed"));
    QVERIFY(m_dialog->isPageChanged(ApConfigDialog::ContentPage));
    QVERIFY(find<QPushButton>("apply_pushButton")->isEnabled());
    click("apply_pushButton");
    QCOMPARE(fileBytes(settingsFile()), before);
    QVERIFY(!SettingsStore()->contains(K::ContentKeywords));
}

void TestApConfigDialog::resetOfLockedContentTakesThePassword()
{
    ContentLock::lock(QStringLiteral("longpassword"), QStringLiteral("x"), QDateTime::currentDateTime());
    m_dialog = std::make_unique<ApConfigDialog>();
    m_dialog->show();
    showPage(ApConfigDialog::ContentPage);
    const auto page = [this] {
        return find<QStackedWidget>("contentlock_stackedWidget")->currentWidget()->objectName();
    };
    QCOMPARE(page(), QStringLiteral("contentlock_locked_page"));
    auto *password = find<QLineEdit>("contentlock_password_2_lineEdit");
    auto *message = find<QLabel>("contentlock_unlockmessage_label");
    // Without the password, or with a wrong one, the lock stays.
    for (const QString &typed : {QString(), QStringLiteral("wrongpassword")}) {
        password->setText(typed);
        click("reset_pushButton");
        QVERIFY(ContentLock::isLocked());
        QCOMPARE(ContentLock::keywords(), QStringLiteral("x"));
        QCOMPARE(page(), QStringLiteral("contentlock_locked_page"));
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), QStringLiteral("Enter the password to reset the locked content settings."));
    }
    password->setText(QStringLiteral("longpassword"));
    click("reset_pushButton");
    QVERIFY(!ContentLock::isLocked());
    QCOMPARE(ContentLock::keywords(), QStringLiteral("aaaa, bbbb, cccc"));
    QCOMPARE(page(), QStringLiteral("contentlock_unlocked_page"));
    for (const char *name : {"contentlock_password_0_lineEdit", "contentlock_password_1_lineEdit",
                             "contentlock_password_2_lineEdit"})
        QVERIFY(find<QLineEdit>(name)->text().isEmpty());
}

void TestApConfigDialog::browseButtonsFillTheirFields()
{
    QStringList captions;
    m_dialog->setFolderChooser([&](QWidget *, const QString &caption, const QString &) {
        captions << caption;
        return QStringLiteral("/tmp/chosen");
    });
    m_dialog->setFileChooser([&](QWidget *, const QString &caption, const QString &, const QString &filter) {
        captions << caption << filter;
        return QStringLiteral("/usr/bin/clamscan");
    });
    QTest::mouseClick(find<QWidget>("general_downloadedto_toolButton"), Qt::LeftButton);
    QCOMPARE(find<QLineEdit>("general_downloadedto_lineEdit")->text(), QStringLiteral("/tmp/chosen"));
    QVERIFY(m_dialog->isPageChanged(ApConfigDialog::GeneralPage));
    showPage(ApConfigDialog::VirusScanPage);
    find<QCheckBox>("virusscan_scan_checkBox")->setChecked(true);
    click("virusscan_programpath_pushButton");
    QCOMPARE(find<QLineEdit>("virusscan_programpath_lineEdit")->text(), QStringLiteral("/usr/bin/clamscan"));
    QCOMPARE(captions, QStringList({QStringLiteral("Choose save path"),
                                    QStringLiteral("Choose Anti-virus scanning program"),
                                    QStringLiteral("All Files (*)")}));
}

void TestApConfigDialog::screenshotsOfEveryPage()
{
    m_dialog->resize(780, 560);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    const char *names[] = {"general", "proxy", "content", "virusscan"};
    for (int page = 0; page < ApConfigDialog::PageCount; ++page) {
        showPage(page);
        QTest::qWait(50);
        const QImage shot = m_dialog->grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(UiTest::outputFolder() + QStringLiteral("/configdialog_") + QLatin1String(names[page])
                          + QStringLiteral(".png")));
    }
}

int main(int argc, char *argv[])
{
    TestSupport::isolateUserFolders();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zantor);
    TestApConfigDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_apconfigdialog.moc"
