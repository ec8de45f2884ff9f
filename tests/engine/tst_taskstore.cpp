#include <QDir>
#include <QSettings>
#include <QtTest>

#include "appsettings.h"
#include "settingsstore.h"
#include "taskstore.h"
#include "testsupport.h"

class TestTaskStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void idsFollowTheClock();
    void idsInOneSecondAreConsecutive();
    void idsNeverGoBackWhenTheClockDoes();
    void sharedGeneratorIsStrictlyIncreasing();
    void createSkipsAnIdInUse();

    void createReadRoundTrip();
    void createDropsInvalidMirrors();
    void readMissingKeysGiveDefaults();
    void readUnknownIdGivesNothing();
    void listIdsAndRemove();
    void removeAllLeavesOtherSettings();
    void idsSkipForeignGroups();

    void stateLabelsAndIcons_data();
    void stateLabelsAndIcons();
    void shownStateAtLoad_data();
    void shownStateAtLoad();
    void urlRules_data();
    void urlRules();
    void mirrorRule_data();
    void mirrorRule();
    void percentage_data();
    void percentage();
    void completedShowsCompletedSize();
    void listCheck();

    void submitMapping_data();
    void submitMapping();
    void submitOnlyHttpFtpTasks();

    void progressWritesSizeOnce();
    void writeStateAndCreationTime();

private:
    ApTaskStore *store();
    QString organisation() const { return QStringLiteral("ZantorTest"); }
    QString application() const { return QStringLiteral("taskstore"); }

    std::unique_ptr<TaskIdGenerator> m_ids;
    std::unique_ptr<ApTaskStore> m_store;
    qint64 m_now = 1700000000;
};

void TestTaskStore::initTestCase()
{
    TestSupport::isolateUserFolders();
}

void TestTaskStore::init()
{
    m_now = 1700000000;
    m_ids = std::make_unique<TaskIdGenerator>([this] { return m_now; });
    m_store = std::make_unique<ApTaskStore>(organisation(), application(), m_ids.get());
    m_store->removeAll();
}

ApTaskStore *TestTaskStore::store()
{
    return m_store.get();
}

void TestTaskStore::idsFollowTheClock()
{
    QCOMPARE(m_ids->next(), qint64(1700000000));
    m_now += 5;
    QCOMPARE(m_ids->next(), qint64(1700000005));
    QCOMPARE(m_ids->last(), qint64(1700000005));
}

void TestTaskStore::idsInOneSecondAreConsecutive()
{
    const qint64 a = store()->create({QStringLiteral("http://example.com/a"), {}, QStringLiteral("/tmp/a"), {}, {}});
    const qint64 b = store()->create({QStringLiteral("http://example.com/b"), {}, QStringLiteral("/tmp/b"), {}, {}});
    const qint64 c = store()->create({QStringLiteral("http://example.com/c"), {}, QStringLiteral("/tmp/c"), {}, {}});
    QCOMPARE(a, m_now);
    QCOMPARE(b, a + 1);
    QCOMPARE(c, a + 2);
    // The clock catches up with the issued ids only when it passes them.
    m_now += 2;
    QCOMPARE(m_ids->next(), a + 3);
    m_now += 10;
    QCOMPARE(m_ids->next(), m_now);
}

void TestTaskStore::idsNeverGoBackWhenTheClockDoes()
{
    const qint64 first = m_ids->next();
    m_now -= 3600;
    QCOMPARE(m_ids->next(), first + 1);
}

void TestTaskStore::sharedGeneratorIsStrictlyIncreasing()
{
    TaskIdGenerator &shared = TaskIdGenerator::shared();
    qint64 previous = shared.next();
    QVERIFY(qAbs(previous - QDateTime::currentSecsSinceEpoch()) < 3600);
    for (int i = 0; i < 50; ++i) {
        const qint64 id = shared.next();
        QVERIFY(id > previous);
        previous = id;
    }
}

void TestTaskStore::createSkipsAnIdInUse()
{
    // A record left by an earlier run under the id the clock gives now (a
    // restart within the same second, or a clock set back) stays untouched.
    const qint64 old = store()->create({QStringLiteral("http://example.com/old"), {}, QStringLiteral("/tmp/old"), {}, {}});
    TaskIdGenerator freshRun([this] { return m_now; });
    ApTaskStore restarted(organisation(), application(), &freshRun);
    const qint64 id = restarted.create({QStringLiteral("http://example.com/new"), {}, QStringLiteral("/tmp/new"), {}, {}});
    QCOMPARE(id, old + 1);
    QCOMPARE(store()->read(old)->url, QStringLiteral("http://example.com/old"));
    QCOMPARE(store()->read(id)->url, QStringLiteral("http://example.com/new"));
}

void TestTaskStore::createReadRoundTrip()
{
    NewTask task;
    task.url = QStringLiteral("https://user:pw@example.com/files/big.iso");
    task.referer = QStringLiteral("https://example.com/page");
    task.savePathName = QStringLiteral("/home/someone/Downloads/big.iso");
    task.description = QStringLiteral("a note, with commas; and ünïcode");
    task.mirrorUrls = QStringList{QStringLiteral("http://mirror1.example.com/big.iso"), QStringLiteral("FTP://mirror2.example.com/big.iso")};
    const qint64 id = store()->create(task);
    QVERIFY(id > 0);
    QVERIFY(store()->contains(id));

    const std::optional<TaskRecord> r = store()->read(id);
    QVERIFY(r.has_value());
    QCOMPARE(r->id, id);
    QCOMPARE(r->taskType, HttpFtpTaskType);
    QCOMPARE(r->url, task.url);
    QCOMPARE(r->referer, task.referer);
    QCOMPARE(r->savePathName, QDir::toNativeSeparators(task.savePathName));
    QCOMPARE(r->description, task.description);
    QCOMPARE(r->mirrorUrls, task.mirrorUrls);
    QCOMPARE(r->state, int(TaskLoading));
    QCOMPARE(r->size, qint64(0));
    QCOMPARE(r->completedSize, qint64(0));
    QCOMPARE(r->creationTime, QStringLiteral("-1"));

    // The record lives where every other reader of the store looks for it.
    SettingsStore raw(organisation(), application());
    QCOMPARE(raw->value(SettingsKeys::DownloadTasks + QLatin1Char('/') + QString::number(id) + QStringLiteral("/URL")).toString(),
             task.url);
    QCOMPARE(raw->value(SettingsKeys::DownloadTasks + QLatin1Char('/') + QString::number(id) + QStringLiteral("/TaskType")).toInt(), 3);
}

void TestTaskStore::createDropsInvalidMirrors()
{
    NewTask task{QStringLiteral("http://example.com/f"), {}, QStringLiteral("/tmp/f"), {}, {}};
    task.mirrorUrls = QStringList{QStringLiteral("http://a"),  // 8 characters
                       QStringLiteral("gopher://example.com/f"), QStringLiteral("https://b"),
                       QStringLiteral("  ftp://c.example/f ")};
    const qint64 id = store()->create(task);
    QCOMPARE(store()->read(id)->mirrorUrls, QStringList({QStringLiteral("https://b"), QStringLiteral("ftp://c.example/f")}));
}

void TestTaskStore::readMissingKeysGiveDefaults()
{
    SettingsStore raw(organisation(), application());
    raw->setValue(SettingsKeys::DownloadTasks + QStringLiteral("/1234/Description"), QStringLiteral("only this"));
    raw->sync();
    const std::optional<TaskRecord> r = store()->read(1234);
    QVERIFY(r.has_value());
    QCOMPARE(r->taskType, -1);
    QCOMPARE(r->state, 0);
    QCOMPARE(r->size, qint64(0));
    QCOMPARE(r->completedSize, qint64(0));
    QCOMPARE(r->creationTime, QStringLiteral("-1"));
    QVERIFY(r->url.isEmpty());
    QVERIFY(r->mirrorUrls.isEmpty());
    QVERIFY(!TaskStore::isSubmittable(*r));
    QCOMPARE(TaskStore::checkListable(*r, {}), TaskStore::ListCheck::NotHttpFtpTask);
}

void TestTaskStore::readUnknownIdGivesNothing()
{
    QVERIFY(!store()->read(42).has_value());
    QVERIFY(!store()->contains(42));
}

void TestTaskStore::listIdsAndRemove()
{
    QVERIFY(store()->ids().isEmpty());
    QList<qint64> created;
    for (int i = 0; i < 4; ++i) {
        m_now += 100000000;  // crosses a digit boundary: order must stay numeric
        created.append(store()->create({QStringLiteral("http://example.com/%1").arg(i), {},
                                        QStringLiteral("/tmp/%1").arg(i), {}, {}}));
    }
    QCOMPARE(store()->ids(), created);
    QCOMPARE(store()->keys().size(), 4);

    store()->remove(created.at(1));
    QVERIFY(!store()->contains(created.at(1)));
    QVERIFY(!store()->read(created.at(1)).has_value());
    QCOMPARE(store()->ids(), QList<qint64>({created.at(0), created.at(2), created.at(3)}));

    store()->removeKey(QString());  // must not wipe the whole group
    QCOMPARE(store()->ids().size(), 3);
}

void TestTaskStore::removeAllLeavesOtherSettings()
{
    store()->create({QStringLiteral("http://example.com/a"), {}, QStringLiteral("/tmp/a"), {}, {}});
    {
        SettingsStore raw(organisation(), application());
        raw->setValue(SettingsKeys::Language, QStringLiteral("de"));
    }
    store()->removeAll();
    QVERIFY(store()->ids().isEmpty());
    SettingsStore raw(organisation(), application());
    QCOMPARE(raw->value(SettingsKeys::Language).toString(), QStringLiteral("de"));
}

void TestTaskStore::idsSkipForeignGroups()
{
    {
        SettingsStore raw(organisation(), application());
        raw->setValue(SettingsKeys::DownloadTasks + QStringLiteral("/notanid/URL"), QStringLiteral("x"));
        raw->setValue(SettingsKeys::DownloadTasks + QStringLiteral("/0017/URL"), QStringLiteral("x"));
    }
    const qint64 id = store()->create({QStringLiteral("http://example.com/a"), {}, QStringLiteral("/tmp/a"), {}, {}});
    QCOMPARE(store()->ids(), QList<qint64>({id}));
    QCOMPARE(store()->keys().size(), 3);
    store()->removeKey(QStringLiteral("notanid"));
    QCOMPARE(store()->keys().size(), 2);
}

void TestTaskStore::stateLabelsAndIcons_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("icon");
    QTest::newRow("0") << 0 << "Loading" << ":/icons/load.png";
    QTest::newRow("1") << 1 << "Downloading" << ":/icons/download.png";
    QTest::newRow("2") << 2 << "" << "";
    QTest::newRow("3") << 3 << "Paused" << ":/icons/paused.png";
    QTest::newRow("4") << 4 << "Stopped" << ":/icons/stopped.png";
    QTest::newRow("5") << 5 << "Completed" << ":/icons/ok.png";
    QTest::newRow("6") << 6 << "Checking" << ":/icons/load.png";
    QTest::newRow("7") << 7 << "Failed" << ":/icons/failed.png";
    QTest::newRow("8") << 8 << "" << "";
    QTest::newRow("9") << 9 << "" << "";
    QTest::newRow("10 waiting") << 10 << "Queued" << ":/icons/timer.png";
    QTest::newRow("11") << 11 << "" << "";
    QTest::newRow("-1") << -1 << "" << "";
}

void TestTaskStore::stateLabelsAndIcons()
{
    QFETCH(int, state);
    QFETCH(QString, label);
    QFETCH(QString, icon);
    QCOMPARE(TaskStore::stateLabelSource(state), label);
    QCOMPARE(TaskStore::stateLabel(state), label);  // no translator installed
    QCOMPARE(TaskStore::stateIconPath(state), icon);
}

void TestTaskStore::shownStateAtLoad_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("loading") << 0 << 0;
    QTest::newRow("downloading") << 1 << 0;
    QTest::newRow("paused") << 3 << 0;
    QTest::newRow("stopped") << 4 << 4;
    QTest::newRow("completed") << 5 << 5;
    QTest::newRow("failed") << 7 << 7;
}

void TestTaskStore::shownStateAtLoad()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    QCOMPARE(TaskStore::shownStateAtLoad(stored), shown);
}

void TestTaskStore::urlRules_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("protocol");
    QTest::newRow("http") << "http://example.com/f" << "HTTP";
    QTest::newRow("https") << "https://example.com/f" << "HTTPS";
    QTest::newRow("ftp") << "ftp://example.com/f" << "FTP";
    QTest::newRow("capitals") << "HTTP://EXAMPLE.COM/F" << "HTTP";
    QTest::newRow("mixed https") << "hTtPs://example.com/f" << "HTTPS";
    QTest::newRow("capital ftp") << "FTP://example.com/f" << "FTP";
    QTest::newRow("ftp of 7") << "ftp://a" << "";
    QTest::newRow("ftp of 8") << "ftp://ab" << "FTP";
    QTest::newRow("http of 7") << "http://" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("gopher") << "gopher://example.com/f" << "";
    QTest::newRow("file") << "file:///etc/passwd" << "";
    QTest::newRow("no scheme") << "example.com/file.zip" << "";
    QTest::newRow("scheme only prefix") << "httpfoo://example.com/f" << "";
    QTest::newRow("ftps") << "ftps://example.com/f" << "";
}

void TestTaskStore::urlRules()
{
    QFETCH(QString, url);
    QFETCH(QString, protocol);
    QCOMPARE(TaskStore::protocolText(url), protocol);
    QCOMPARE(TaskStore::isListableUrl(url), !protocol.isEmpty());
    TaskRecord r;
    r.taskType = 3;
    r.url = url;
    r.savePathName = QStringLiteral("/tmp/x");
    QCOMPARE(TaskStore::checkListable(r, {}), protocol.isEmpty() ? TaskStore::ListCheck::IncorrectUrl
                                                                 : TaskStore::ListCheck::Listable);
    QCOMPARE(TaskStore::isSubmittable(r), !protocol.isEmpty());
}

void TestTaskStore::mirrorRule_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("valid");
    QTest::newRow("http 8") << "http://a" << false;
    QTest::newRow("http 9") << "http://ab" << true;
    QTest::newRow("ftp 9") << "ftp://abc" << true;
    QTest::newRow("HTTPS") << "HTTPS://example.com" << true;
    QTest::newRow("other") << "mms://example.com/x" << false;
}

void TestTaskStore::mirrorRule()
{
    QFETCH(QString, url);
    QFETCH(bool, valid);
    QCOMPARE(TaskStore::isValidMirrorUrl(url), valid);
}

void TestTaskStore::percentage_data()
{
    QTest::addColumn<qint64>("completed");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("99 bytes") << qint64(50) << qint64(99) << 0;
    QTest::newRow("99 of 99") << qint64(99) << qint64(99) << 0;
    QTest::newRow("50 of 200") << qint64(50) << qint64(200) << 25;
    QTest::newRow("100 of 100") << qint64(100) << qint64(100) << 100;
    QTest::newRow("unknown") << qint64(5000) << qint64(0) << 0;
    QTest::newRow("negative total") << qint64(5) << qint64(-1) << 0;
    QTest::newRow("nothing yet") << qint64(0) << qint64(1000) << 0;
    QTest::newRow("rounds down") << qint64(999) << qint64(1000) << 99;
    QTest::newRow("past the total") << qint64(300) << qint64(200) << 100;
    QTest::newRow("large") << qint64(3) * 1024 * 1024 * 1024 << qint64(6) * 1024 * 1024 * 1024 << 50;
}

void TestTaskStore::percentage()
{
    QFETCH(qint64, completed);
    QFETCH(qint64, total);
    QFETCH(int, percent);
    QCOMPARE(TaskStore::percentage(completed, total), percent);
}

void TestTaskStore::completedShowsCompletedSize()
{
    TaskRecord r;
    r.size = 1000;
    r.completedSize = 400;
    r.state = TaskDownloading;
    QCOMPARE(TaskStore::shownSize(r), qint64(1000));
    r.state = TaskCompleted;
    r.completedSize = 1234;
    QCOMPARE(TaskStore::shownSize(r), qint64(1234));
    QCOMPARE(TaskStore::percentage(r.completedSize, TaskStore::shownSize(r)), 100);
}

void TestTaskStore::listCheck()
{
    TaskRecord r;
    r.taskType = 3;
    r.url = QStringLiteral("http://example.com/f");
    r.savePathName = QStringLiteral("/home/a/f.zip");
    QCOMPARE(TaskStore::checkListable(r, {QStringLiteral("/home/a/g.zip")}), TaskStore::ListCheck::Listable);
    QCOMPARE(TaskStore::checkListable(r, {QStringLiteral("/home/a/g.zip"), QDir::toNativeSeparators(r.savePathName)}),
             TaskStore::ListCheck::DuplicatePath);
    r.taskType = 2;
    QCOMPARE(TaskStore::checkListable(r, {}), TaskStore::ListCheck::NotHttpFtpTask);
}

void TestTaskStore::submitMapping_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("mirrors");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<bool>("startsAtOnce");
    const QStringList none;
    const QStringList two{QStringLiteral("http://m1.example/f"), QStringLiteral("ftp://m2.example/f")};
    QTest::newRow("http") << "http://example.com/f" << none << 0 << int(EngineTaskInput::Http) << true;
    QTest::newRow("HTTPS caps") << "HTTPS://example.com/f" << two << 1 << int(EngineTaskInput::Http) << true;
    QTest::newRow("ftp") << "ftp://example.com/f" << two << 3 << int(EngineTaskInput::Ftp) << true;
    QTest::newRow("Ftp mixed") << "Ftp://example.com/f" << none << 7 << int(EngineTaskInput::Ftp) << true;
    QTest::newRow("stopped") << "http://example.com/f" << two << 4 << int(EngineTaskInput::Http) << false;
}

void TestTaskStore::submitMapping()
{
    QFETCH(QString, url);
    QFETCH(QStringList, mirrors);
    QFETCH(int, state);
    QFETCH(int, protocol);
    QFETCH(bool, startsAtOnce);

    const qint64 id = store()->create({url, QStringLiteral("http://ref.example/"), QStringLiteral("/tmp/dl/f.bin"),
                                       QStringLiteral("d"), mirrors});
    store()->writeState(id, state);
    store()->writeProgress(id, 777, state, 5000, false);
    const TaskRecord r = *store()->read(id);
    QVERIFY(TaskStore::isSubmittable(r));
    const EngineTaskInput task = TaskStore::engineTaskInput(r);
    QCOMPARE(task.id, id);
    QCOMPARE(task.url, url);
    QCOMPARE(task.referer, QStringLiteral("http://ref.example/"));
    QCOMPARE(task.mirrors, mirrors);
    QCOMPARE(task.urlCount, mirrors.size() + 1);
    QCOMPARE(task.savePath, QDir::toNativeSeparators(QStringLiteral("/tmp/dl/f.bin")));
    QCOMPARE(task.state, state);
    QCOMPARE(int(task.protocol), protocol);
    QCOMPARE(task.startsAtOnce(), startsAtOnce);
}

void TestTaskStore::submitOnlyHttpFtpTasks()
{
    TaskRecord r;
    r.url = QStringLiteral("http://example.com/f");
    r.taskType = -1;
    QVERIFY(!TaskStore::isSubmittable(r));
    r.taskType = 4;
    QVERIFY(!TaskStore::isSubmittable(r));
    r.taskType = 3;
    QVERIFY(TaskStore::isSubmittable(r));
}

void TestTaskStore::progressWritesSizeOnce()
{
    const qint64 id = store()->create({QStringLiteral("http://example.com/f"), {}, QStringLiteral("/tmp/f"), {}, {}});
    bool sizeWritten = false;

    // Total not yet known: no Size.
    sizeWritten = store()->writeProgress(id, 0, TaskDownloading, 0, sizeWritten) || sizeWritten;
    QVERIFY(!sizeWritten);
    QCOMPARE(store()->read(id)->size, qint64(0));

    sizeWritten = store()->writeProgress(id, 100, TaskDownloading, 1000, sizeWritten) || sizeWritten;
    QVERIFY(sizeWritten);
    TaskRecord r = *store()->read(id);
    QCOMPARE(r.size, qint64(1000));
    QCOMPARE(r.completedSize, qint64(100));
    QCOMPARE(r.state, int(TaskDownloading));

    // Later passes leave Size alone even when the engine's total changes.
    QVERIFY(!store()->writeProgress(id, 600, TaskFailed, 2000, sizeWritten));
    r = *store()->read(id);
    QCOMPARE(r.size, qint64(1000));
    QCOMPARE(r.completedSize, qint64(600));
    QCOMPARE(r.state, int(TaskFailed));

    // A task deleted while its thread still ran gets no stray record back.
    store()->remove(id);
    QVERIFY(!store()->writeProgress(id, 700, TaskDownloading, 2000, false));
    QVERIFY(!store()->contains(id));
    QVERIFY(store()->keys().isEmpty());
}

void TestTaskStore::writeStateAndCreationTime()
{
    const qint64 id = store()->create({QStringLiteral("http://example.com/f"), {}, QStringLiteral("/tmp/f"), {}, {}});
    store()->writeState(id, TaskPaused);
    QCOMPARE(store()->read(id)->state, int(TaskPaused));

    const QDateTime first(QDate(2026, 3, 4), QTime(5, 6, 7));
    const QString text = store()->ensureCreationTime(id, first);
    QCOMPARE(text, first.toString());
    QCOMPARE(store()->read(id)->creationTime, first.toString());
    QCOMPARE(store()->ensureCreationTime(id, first.addDays(3)), first.toString());

    store()->writeValue(id, TaskKeys::UrlHostIp, QStringLiteral("192.0.2.1"));
    QCOMPARE(store()->read(id)->urlHostIp, QStringLiteral("192.0.2.1"));
}

QTEST_GUILESS_MAIN(TestTaskStore)
#include "tst_taskstore.moc"
