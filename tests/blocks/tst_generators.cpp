// The generators of the built-in files refuse a broken source instead of
// drawing a clipped or overlapping picture, and leave no stale output behind
// for the build to pack.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

struct Run {
    int exitCode;
    QByteArray stderrText;
};

Run run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(15000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, "did not finish"};
    return {p.exitCode(), p.readAllStandardError()};
}

} // namespace

class TestGenerators : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void sourcesRedrawTheBuiltFiles()
    {
        // Same source, same bytes: the files in the program do not depend on
        // when or where they were drawn.
        QVERIFY(dir.isValid());
        QCOMPARE(run(ZFK_SKINGEN, {ZFK_SKIN_SOURCE, path("d.bmp"), path("z.rgn")}).exitCode, 0);
        QCOMPARE(readAll(path("d.bmp")), readAll(ZFK_DEFAULT_BMP));
        QCOMPARE(readAll(path("z.rgn")), readAll(ZFK_ZFKMAIN_RGN));
        QCOMPARE(run(ZFK_BANNERGEN, {ZFK_BANNER_SOURCE, path("b.bmp")}).exitCode, 0);
        QCOMPARE(readAll(path("b.bmp")), readAll(ZFK_BANNER_BMP));
    }

    void brokenSkinIsRefused_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("overlapping panels") << QByteArray("panel clash 100 100 200 200\n") << QByteArray("overlap");
        QTest::newRow("panel off the picture") << QByteArray("panel off 700 380 800 402\n") << QByteArray("outside");
        QTest::newRow("misspelt entry") << QByteArray("colur fill 1 2 3\n") << QByteArray("unknown entry");
        QTest::newRow("colour out of range") << QByteArray("colour fill 256 0 0\n") << QByteArray("range");
        QTest::newRow("not a number") << QByteArray("border 5px\n") << QByteArray("not a number");
    }
    void brokenSkinIsRefused()
    {
        QFETCH(QByteArray, extra);
        QFETCH(QByteArray, message);
        writeAll(path("skin.txt"), readAll(ZFK_SKIN_SOURCE) + extra);
        writeAll(path("old.bmp"), "stale");
        writeAll(path("old.rgn"), "stale");
        const Run r = run(ZFK_SKINGEN, {path("skin.txt"), path("old.bmp"), path("old.rgn")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.stderrText.contains(message), r.stderrText.constData());
        QVERIFY(!QFile::exists(path("old.bmp")));
        QVERIFY(!QFile::exists(path("old.rgn")));
    }

    void brokenBannerIsRefused_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("character without glyph")
            << QByteArray("text title title - 150 9 Zefirak!\n") << QByteArray("no glyph");
        QTest::newRow("text past the right edge")
            << QByteArray("text title title shadow 290 9 Zefirak\n") << QByteArray("does not fit");
        QTest::newRow("text past the bottom")
            << QByteArray("text subtitle subtitle - 150 60 okres\n") << QByteArray("does not fit");
        QTest::newRow("ragged glyph") << QByteArray("font odd 1 1\nglyph x\n##\n#.#\nend\n") << QByteArray("width");
        QTest::newRow("glyphs of two heights")
            << QByteArray("font odd 1 1\nglyph x\n#\nglyph y\n#\n#\nend\n") << QByteArray("height");
        QTest::newRow("table cell of unknown kind")
            << QByteArray("table 5 3 6 3\nMQ\nend\n") << QByteArray("unknown kind");
        QTest::newRow("font without end") << QByteArray("font odd 1 1\nglyph x\n#\n") << QByteArray("without 'end'");
    }
    void brokenBannerIsRefused()
    {
        QFETCH(QByteArray, extra);
        QFETCH(QByteArray, message);
        writeAll(path("banner.txt"), readAll(ZFK_BANNER_SOURCE) + extra);
        writeAll(path("old.bmp"), "stale");
        const Run r = run(ZFK_BANNERGEN, {path("banner.txt"), path("old.bmp")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.stderrText.contains(message), r.stderrText.constData());
        QVERIFY(!QFile::exists(path("old.bmp")));
    }
};

QTEST_GUILESS_MAIN(TestGenerators)
#include "tst_generators.moc"
