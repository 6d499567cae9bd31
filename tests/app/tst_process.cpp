#include <QProcess>
#include <QtTest>

class TestProcess : public QObject {
    Q_OBJECT
private:
    QString probe;

    QProcess* Run(const QString& mode)
    {
        auto* p = new QProcess(this);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(probe, {mode});
        if (!p->waitForFinished(30000))
            p->kill();
        return p;
    }

private slots:
    void initTestCase()
    {
        probe = QStringLiteral(ZFK_PROBE);
        QVERIFY(QFile::exists(probe));
    }

    void fatalNoticeEndsWithZero()
    {
        QProcess* p = Run(QStringLiteral("fatal"));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(!p->readAll().contains("returned"));
    }

    void closingTheMainWindowEndsAtOnceWithZero()
    {
        QProcess* p = Run(QStringLiteral("close"));
        const QByteArray out = p->readAll();
        QCOMPARE(p->exitStatus(), QProcess::NormalExit); // no abort on the running thread
        QCOMPARE(p->exitCode(), 0);
        QVERIFY2(!out.contains("loop returned"), out.constData());
        QVERIFY2(!out.contains("QThread: Destroyed"), out.constData());
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
