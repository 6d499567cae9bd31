#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestProcess : public QObject {
    Q_OBJECT
private:
    QString probe;

    QProcess* Run(const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        auto* p = new QProcess(this);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->setProcessEnvironment(environment);
        p->start(probe, arguments);
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
        QProcess* p = Run({QStringLiteral("fatal")});
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(!p->readAll().contains("returned"));
    }

    void toolkitOptionsOnTheCommandLineDoNothing()
    {
        // The environment still chooses the platform and the scale.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        QProcess* p = Run({QStringLiteral("toolkit"), QStringLiteral("-reverse"), QStringLiteral("-platform"),
                           QStringLiteral("minimal"), QStringLiteral("-stylesheet"), QStringLiteral("/nonexistent")},
                          environment);
        QCOMPARE(p->exitCode(), 0);
        const QByteArray out = p->readAll();
        QVERIFY2(out.split('\n').contains("toolkit: LeftToRight offscreen 2 1"), out.constData());
    }

    void closingTheMainWindowEndsAtOnceWithZero()
    {
        QTemporaryDir folder;
        QProcess* p = Run({QStringLiteral("close"), folder.path()});
        const QByteArray out = p->readAll();
        QCOMPARE(p->exitStatus(), QProcess::NormalExit); // no abort on the running thread
        QCOMPARE(p->exitCode(), 0);
        QVERIFY2(!out.contains("loop returned"), out.constData());
        QVERIFY2(!out.contains("QThread: Destroyed"), out.constData());

        // What shutdown writes is complete on disk although the process
        // ended at once: the colour file with its five default keys.
        QFile colours(folder.filePath(QStringLiteral("default.col")));
        QVERIFY(colours.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = colours.readAll().trimmed().split('\n');
        QStringList keys;
        for (const QByteArray& line : lines)
            keys << QString::fromLatin1(line.trimmed());
        QCOMPARE(keys, (QStringList{QStringLiteral("[Colors]"), QStringLiteral("transparent=16777215"),
                                    QStringLiteral("app_buttons=14539474"), QStringLiteral("app_legend=8421376"),
                                    QStringLiteral("app_info=0"), QStringLiteral("but_transp=1")}));
    }

    void writeErrorAtShutdownBlocksTheWindowsThenEndsWithZero_data()
    {
        QTest::addColumn<QStringList>("blockers"); // made folders, or a file, where something is to be written
        QTest::addColumn<QByteArray>("told");
        // A folder where the colour file goes that cannot be moved aside, a
        // file where the settings folder goes: not writable, not even for root.
        QTest::newRow("colour file") << QStringList{"default.col/inside", "default.col.bad/inside"}
                                     << QByteArray("kolorów skórki");
        QTest::newRow("settings folder") << QStringList{"Morvane"} << QByteArray("ustawień programu");
    }

    void writeErrorAtShutdownBlocksTheWindowsThenEndsWithZero()
    {
        QFETCH(QStringList, blockers);
        QFETCH(QByteArray, told);
        QTemporaryDir folder;
        for (const QString& blocker : blockers) {
            if (blocker.contains(QLatin1Char('/')))
                QVERIFY(QDir(folder.path()).mkpath(blocker));
            else
                QVERIFY(QFile(folder.filePath(blocker)).open(QIODevice::WriteOnly));
        }
        QProcess* p = Run({QStringLiteral("closebox"), folder.path()});
        const QByteArray out = p->readAll();
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QCOMPARE(p->exitCode(), 0);
        QByteArrayList boxes, texts;
        for (const QByteArray& line : out.split('\n'))
            if (line.startsWith("box: "))
                boxes << line;
            else if (line.startsWith("text: "))
                texts << line;
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0],
                 QByteArray("box: Błąd! modality=") + QByteArray::number(int(Qt::ApplicationModal)) + " blocking=1");
        QVERIFY2(texts[0].contains(told), texts[0].constData());
        QVERIFY2(!out.contains("loop returned"), out.constData());
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
