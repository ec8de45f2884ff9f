// Signed search page packages with the real program: copies of zantor with
// a trusted key in their "keys/" folder fetch packages from a real nginx.
// Keys are made here with minisign; each package's page sends a beacon to
// the site when it runs, so the access log shows which pages ran.

#include <QtTest>

#include "nginxfixture.h"
#include "programprocess.h"
#include "testsupport.h"

namespace {

const QString PackagePath = QStringLiteral("/tvo/z_tvo_z/zantor/views/webpane.tvor");

bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return ok;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

} // namespace

class TestPackageSignature : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyVerifiedPackagesRun_data();
    void onlyVerifiedPackagesRun();

private:
    // A package whose page sends the beacon "/beacon/<name>" when it runs.
    QString makePackage(const QString &name);
    bool sign(const QString &file, const QString &secretKey, const QStringList &extra = {});
    QString siteFolder(const QString &site) const { return m_site.filePath(site) + PackagePath; }
    QString accessLog() const { return QString::fromUtf8(readAll(m_nginx.prefixPath() + QStringLiteral("/logs/access.log"))); }

    QTemporaryDir m_work;
    QTemporaryDir m_site;
    NginxFixture m_nginx;
    QString m_minisign;
};

void TestPackageSignature::initTestCase()
{
    TestSupport::isolateUserFolders();
    m_minisign = TestSupport::findProgram(QStringLiteral("minisign"));
    if (m_minisign.isEmpty())
        QSKIP("minisign is not installed");
    if (NginxFixture::program().isEmpty())
        QSKIP("nginx is not installed");
    QVERIFY2(m_nginx.start(m_site.path(), QStringLiteral("location /beacon/ { return 204; }")),
             qPrintable(m_nginx.errorString()));
    // Two key pairs: one the program trusts, one it does not. Unencrypted
    // (-W), so signing needs no password.
    for (const char *name : {"trusted", "stranger"}) {
        const QString base = m_work.filePath(QString::fromLatin1(name));
        QString output;
        QVERIFY2(run(m_minisign, {QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-p"),
                                  base + QStringLiteral(".pub"), QStringLiteral("-s"), base + QStringLiteral(".key")},
                     &output),
                 qPrintable(output));
    }
}

QString TestPackageSignature::makePackage(const QString &name)
{
    const QString folder = m_work.filePath(QStringLiteral("src-") + name);
    QDir().mkpath(folder);
    const QByteArray page = "<html><head><title>" + name.toUtf8() + "</title></head><body>"
                            "<script>new Image().src = '" + m_nginx.url(QStringLiteral("/beacon/") + name).toUtf8()
        + "';</script></body></html>";
    if (!writeAll(folder + QStringLiteral("/search.html"), page))
        return QString();
    writeAll(folder + QStringLiteral("/webpane.qrc"),
             "<RCC><qresource prefix=\"/webpane\"><file>search.html</file></qresource></RCC>");
    const QString package = folder + QStringLiteral("/webpane.tvor");
    QString output;
    if (!run(QStringLiteral(ZANTOR_RCC), {QStringLiteral("--binary"), QStringLiteral("--output"), package,
                                          folder + QStringLiteral("/webpane.qrc")},
             &output)) {
        qWarning("%s", qPrintable(output));
        return QString();
    }
    return package;
}

bool TestPackageSignature::sign(const QString &file, const QString &secretKey, const QStringList &extra)
{
    QString output;
    const bool ok = run(m_minisign, QStringList{QStringLiteral("-S"), QStringLiteral("-s"), secretKey,
                                                QStringLiteral("-m"), file} + extra,
                        &output);
    if (!ok)
        qWarning("%s", qPrintable(output));
    return ok;
}

void TestPackageSignature::onlyVerifiedPackagesRun_data()
{
    QTest::addColumn<QString>("signature");  // how the served package is signed
    QTest::addColumn<bool>("used");
    QTest::addColumn<QString>("reason");     // in the log line of a refusal

    QTest::newRow("unsigned") << "none" << false << "no signature";
    QTest::newRow("untrusted key") << "stranger" << false << "not trusted";
    QTest::newRow("trusted comment names another file") << "other file" << false << "not meant for webpane.tvor";
    QTest::newRow("damaged signature") << "damaged" << false << "does not match";
    QTest::newRow("package changed after signing") << "changed" << false << "does not match";
    QTest::newRow("kept copy changed on disk") << "kept changed" << false << "kept search page package refused";
    QTest::newRow("good") << "good" << true << "";
    QTest::newRow("good, legacy signature") << "legacy" << true << "";
}

void TestPackageSignature::onlyVerifiedPackagesRun()
{
    QFETCH(QString, signature);
    QFETCH(bool, used);
    QFETCH(QString, reason);

    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(QStringLiteral("\\W+")),
                                                                             QStringLiteral("-"));
    // The program in a folder of its own: the shipped package and the
    // trusted key beside it; its own home and data folders.
    QTemporaryDir box;
    const QString program = box.filePath(QStringLiteral("zantor"));
    QVERIFY(QFile::copy(QStringLiteral(ZANTOR_PATH), program));
    QVERIFY(QFile::copy(TestSupport::binDir() + QStringLiteral("/webpane.tvor"), box.filePath(QStringLiteral("webpane.tvor"))));
    QVERIFY(QDir().mkpath(box.filePath(QStringLiteral("keys"))));
    QVERIFY(QFile::copy(m_work.filePath(QStringLiteral("trusted.pub")), box.filePath(QStringLiteral("keys/trusted.pub"))));
    QProcessEnvironment env;
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        env.insert(QString::fromLatin1(variable), box.filePath(QStringLiteral("home/") + QString::fromLatin1(variable)));
    env.insert(QStringLiteral("ZANTOR_HOME_URL"), m_nginx.url(name).remove(QRegularExpression(QStringLiteral("/$"))));
    const QString kept = box.filePath(QStringLiteral("home/XDG_DATA_HOME/Zantor/zantor/views/webpane.tvor"));

    const QString package = makePackage(name);
    QVERIFY(!package.isEmpty());
    const QString trustedKey = m_work.filePath(QStringLiteral("trusted.key"));
    const QString served = siteFolder(name);
    QVERIFY(writeAll(served, readAll(package)));
    if (signature == QLatin1String("good")) {
        // The way the README tells a publisher to sign.
        QString output;
        QVERIFY2(run(TestSupport::sourceDir() + QStringLiteral("/tools/sign-package"),
                     {QStringLiteral("sign"), trustedKey, served}, &output),
                 qPrintable(output));
    } else if (signature == QLatin1String("damaged") || signature == QLatin1String("changed")
               || signature == QLatin1String("kept changed")) {
        QVERIFY(sign(served, trustedKey));
    } else if (signature == QLatin1String("legacy")) {
        QVERIFY(sign(served, trustedKey, {QStringLiteral("-l")}));
    } else if (signature == QLatin1String("stranger")) {
        QVERIFY(sign(served, m_work.filePath(QStringLiteral("stranger.key"))));
    } else if (signature == QLatin1String("other file")) {
        QVERIFY(sign(served, trustedKey, {QStringLiteral("-t"), QStringLiteral("timestamp:1\tfile:webpane-old.tvor")}));
    }
    if (signature == QLatin1String("damaged")) {
        QList<QByteArray> lines = readAll(served + QStringLiteral(".minisig")).split('\n');
        QVERIFY(lines.size() >= 4);
        lines[1][20] = lines[1][20] == 'A' ? 'B' : 'A';
        QVERIFY(writeAll(served + QStringLiteral(".minisig"), lines.join('\n')));
    } else if (signature == QLatin1String("changed")) {
        // Another page under the old signature.
        QVERIFY(writeAll(served, readAll(makePackage(name + QStringLiteral("-swapped")))));
    }

    if (signature == QLatin1String("kept changed")) {
        // A first start keeps the verified package; then the kept copy is
        // swapped on disk and the site serves nothing any more.
        ProgramProcess first(program, QStringLiteral("zantor.*"), env);
        first.start();
        QTRY_VERIFY2_WITH_TIMEOUT(first.logged(QStringLiteral("search page package: ") + kept), qPrintable(first.log()), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(accessLog().contains(QStringLiteral("/beacon/") + name + QLatin1Char(' ')), 20000);
        QVERIFY(QFile::exists(kept + QStringLiteral(".minisig")));
        first.process().terminate();
        QVERIFY(first.process().waitForFinished(20000));
        QVERIFY(QFile::remove(served));
        QVERIFY(writeAll(kept, readAll(makePackage(name + QStringLiteral("-swapped")))));
    }

    ProgramProcess zantor(program, QStringLiteral("zantor.*"), env);
    zantor.start();
    const QString usedPackage = used ? kept : box.filePath(QStringLiteral("webpane.tvor"));
    QTRY_VERIFY2_WITH_TIMEOUT(zantor.logged(QStringLiteral("search page package: ") + usedPackage + QLatin1Char('\n')),
                              qPrintable(zantor.log()), 30000);
    const QString beacon = QStringLiteral("/beacon/") + name + QLatin1Char(' ');
    if (used) {
        QTRY_VERIFY_WITH_TIMEOUT(accessLog().contains(beacon), 20000);
        QCOMPARE(readAll(kept), readAll(package));
        QVERIFY(!zantor.logged(QStringLiteral("refused")));
    } else {
        QVERIFY2(zantor.logged(reason), qPrintable(zantor.log()));
        // The refused page never runs; the shipped one does.
        QTest::qWait(1500);
        QVERIFY(!accessLog().contains(QStringLiteral("/beacon/") + name + QStringLiteral("-swapped ")));
        if (signature != QLatin1String("kept changed")) {
            QVERIFY(!accessLog().contains(beacon));
            QVERIFY(!QFile::exists(kept));
        }
    }
    QVERIFY(!QFile::exists(kept + QStringLiteral(".part")));
    QVERIFY(!QFile::exists(kept + QStringLiteral(".minisig.part")));
}

QTEST_GUILESS_MAIN(TestPackageSignature)
#include "tst_packagesignature.moc"
