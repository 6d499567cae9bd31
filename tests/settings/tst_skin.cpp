// The skin on the real main window: which files loadskin writes and reads,
// the captions' colours, the window's outline, the colour file's writer,
// the folder rule and the background paint.
#include "app/TForm1.h"
#include "app/Toolbar.h"
#include "data/SettingsValues.h"
#include "settings/Skin.h"
#include "tests/FileSizeLimit.h"
#include "tests/app/FakeMessages.h"
#include "widgets/ZfkButton.h"

#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FakePaths final : public PathService {
public:
    FakePaths() { platform::SetPaths(this); }
    ~FakePaths() override { platform::SetPaths(nullptr); }
    QString ProgramFolder() const override { return folder; }
    QString SettingsFile() const override { return folder + QStringLiteral("/Zefirak.reg"); }
    QString folder;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray SmallBmp(QColor colour)
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return bytes;
}

QByteArray Le32(uint32_t v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char(v >> (8 * i)));
    return b;
}

// count, 32-byte header, rectangles
QByteArray RegionBytes(const QList<QRect>& rects)
{
    QByteArray body = Le32(32) + Le32(1) + Le32(uint32_t(rects.size())) + Le32(uint32_t(rects.size() * 16));
    body += Le32(0) + Le32(0) + Le32(0) + Le32(0);
    for (const QRect& r : rects)
        body += Le32(uint32_t(r.left())) + Le32(uint32_t(r.top())) + Le32(uint32_t(r.right() + 1))
                + Le32(uint32_t(r.bottom() + 1));
    return Le32(uint32_t(body.size())) + body;
}

// The default outline drawn from the design: five panels whose first and
// last six rows are inset by 6, 4, 3, 2, 1, 1 pixels.
QRegion DesignOutline()
{
    const QList<QRect> panels = {QRect(QPoint(4, 3), QPoint(787, 45)), QRect(QPoint(3, 61), QPoint(606, 356)),
                                 QRect(QPoint(617, 62), QPoint(785, 354)), QRect(QPoint(3, 367), QPoint(603, 400)),
                                 QRect(QPoint(617, 367), QPoint(784, 399))};
    const int inset[6] = {6, 4, 3, 2, 1, 1};
    QRegion region;
    for (const QRect& p : panels)
        for (int y = p.top(); y <= p.bottom(); ++y) {
            const int fromTop = y - p.top(), fromBottom = p.bottom() - y;
            const int in = fromTop < 6 ? inset[fromTop] : fromBottom < 6 ? inset[fromBottom] : 0;
            region += QRect(p.left() + in, y, p.width() - 2 * in, 1);
        }
    return region;
}

QColor TextColour(QWidget* w) { return w->palette().color(QPalette::WindowText); }

// Counts the paints of a window: every one runs FormPaint and reads the
// background picture from disk.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w)
        : m_window(w)
    {
        w->installEventFilter(this);
    }
    int paints = 0;
    int whole = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            ++paints;
            if ((QRegion(m_window->rect()) - static_cast<QPaintEvent*>(event)->region()).isEmpty())
                ++whole;
        }
        return false;
    }

private:
    QWidget* m_window;
};

const QByteArray DefaultCol = "[Colors]\r\ntransparent=16777215\r\napp_buttons=14539474\r\n"
                              "app_legend=8421376\r\napp_info=0\r\nbut_transp=1\r\n";

} // namespace

class TestSkin : public QObject {
    Q_OBJECT

    TForm1* m_form = nullptr;
    FakePaths m_paths;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString File(const QString& name) const { return m_dir->filePath(name); }

    // Every caption that shows the legend colour, and every one that shows the info colour.
    QList<QWidget*> Legend() const { return {m_form->Label37, m_form->zegar, m_form->Podglad}; }
    QList<QWidget*> Info() const
    {
        QList<QWidget*> list{m_form->lantanowce, m_form->aktynowce};
        for (QLabel* l : m_form->a)
            list << l;
        for (QLabel* l : m_form->b)
            list << l;
        return list;
    }

    void ExpectCaptions(QColor legend, QColor info)
    {
        for (QWidget* w : Legend())
            QVERIFY2(TextColour(w) == legend, qPrintable(w->objectName()));
        for (QWidget* w : Info())
            QVERIFY2(TextColour(w) == info, qPrintable(w->objectName()));
    }

    void PaintCaptions(QColor c)
    {
        for (QWidget* w : Legend() + Info()) {
            QPalette pal = w->palette();
            pal.setColor(QPalette::WindowText, c);
            w->setPalette(pal);
        }
    }

    // A complete default skin, "default.col" included, so that the next
    // load writes nothing.
    void LoadDefaultsInto(const QString& folder)
    {
        m_paths.folder = folder;
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(WriteColors(QString(), 16777215, 14539474, 8421376, 0, true), QString());
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
        QCoreApplication::setApplicationName(QStringLiteral("Zefirak"));
        QVERIFY(ColorScheme.but_transp); // before any load
        m_form = new TForm1;
    }

    // The window's clock thread must end before the program's statics go.
    void cleanupTestCase()
    {
        delete m_form;
        m_form = nullptr;
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_paths.folder = m_dir->path();
        m_form->clearMask();
        SkinRegion = TSkinRegion{};
    }

    void backgroundIsReadWithoutImagePlugins()
    {
        // Left to guess, the reader would load every image plugin at the
        // first paint to ask each whether it knows the file. First of the
        // tests: those that write pictures load the plugins themselves.
        LoadDefaultsInto(m_dir->path());
        QImage canvas(m_form->size(), QImage::Format_RGB32);
        QPainter painter(&canvas);
        m_form->FormPaint(painter);
        QCOMPARE(canvas.pixelColor(8, 20), QColor(Qt::black));
        QVERIFY(!ReadAll(QStringLiteral("/proc/self/maps")).contains("/imageformats/"));
    }

    void emptyFolderGetsTheBuiltInSkin()
    {
        FakeMessages fake;
        SkinName = QStringLiteral("mine");
        PaintCaptions(Qt::magenta);
        m_form->loadskin(QStringLiteral("whatever"), 0x123456);

        QCOMPARE(ReadAll(File("default.bmp")).size(), 956726);
        QCOMPARE(ReadAll(File("default.bmp")), ReadAll(QStringLiteral(ZFK_DEFAULT_BMP)));
        QCOMPARE(ReadAll(File("zfkmain.rgn")).size(), 1044);
        QCOMPARE(ReadAll(File("zfkmain.rgn")), ReadAll(QStringLiteral(ZFK_ZFKMAIN_RGN)));
        QVERIFY(!QFile::exists(File("default.col")));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // no probe left behind
        QCOMPARE(QDir::current(), QDir(m_dir->path()));
        QCOMPARE(SkinName, QStringLiteral("default"));
        QCOMPARE(ColorScheme, TColorScheme{});
        ExpectCaptions(QColor(0, 128, 128), Qt::black);

        QCOMPARE(SkinRegion.count, 1040u);
        QCOMPARE(m_form->mask().boundingRect(), QRect(3, 3, 785, 398));
        QCOMPARE(m_form->mask(), DesignOutline());
        QVERIFY(fake.boxes.isEmpty());

        // The colour file appears with the first write, exactly so.
        QCOMPARE(WriteColors(SkinName, ColorScheme.transparent, ColorScheme.app_buttons, ColorScheme.app_legend,
                             ColorScheme.app_info, ColorScheme.but_transp),
                 QString());
        QCOMPARE(ReadAll(File("default.col")), DefaultCol);
    }

    void missingOutlineIsWrittenAloneKeepingPictureAndColours()
    {
        FakeMessages fake;
        const QByteArray col = "[Colors]\r\napp_legend=255\r\n";
        WriteAll(File("default.col"), col);
        const QByteArray ownBmp = SmallBmp(Qt::green); // the user's own picture
        WriteAll(File("default.bmp"), ownBmp);
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);

        QCOMPARE(ReadAll(File("default.bmp")), ownBmp);
        QCOMPARE(ReadAll(File("zfkmain.rgn")), ReadAll(QStringLiteral(ZFK_ZFKMAIN_RGN)));
        QCOMPARE(ReadAll(File("default.col")), col);
        QCOMPARE(ColorScheme.app_legend, 255u);
        ExpectCaptions(Qt::red, Qt::black);
        QCOMPARE(m_form->mask(), DesignOutline());
        QVERIFY(fake.boxes.isEmpty());
    }

    void presentFilesAreReadNotWritten()
    {
        FakeMessages fake;
        LoadDefaultsInto(m_dir->path());
        const QByteArray ownBmp = SmallBmp(Qt::green);
        WriteAll(File("default.bmp"), ownBmp);
        WriteAll(File("default.col"), "[Colors]\napp_info=abc\napp_legend=0x00FF00\ntransparent=$123456\n"
                                      "app_buttons=0X10\nbut_transp=0\n");
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);

        QCOMPARE(ReadAll(File("default.bmp")), ownBmp);
        QCOMPARE(ColorScheme.app_info, 0u);
        QCOMPARE(ColorScheme.app_legend, 0x00FF00u);
        QCOMPARE(ColorScheme.transparent, 0x123456u);
        QCOMPARE(ColorScheme.app_buttons, 0x10u);
        QVERIFY(!ColorScheme.but_transp);
        ExpectCaptions(QColor(0, 255, 0), Qt::black);

        // A missing file brings the built-in files back; the written
        // defaults give way to what "default.col" says, the flag included.
        QFile::remove(File("default.bmp"));
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(ReadAll(File("default.bmp")).size(), 956726);
        QCOMPARE(ColorScheme.app_legend, 0x00FF00u);
        QVERIFY(!ColorScheme.but_transp);
        QVERIFY(fake.boxes.isEmpty());
    }

    void writeDefaultSkinResetsColoursButNotTheFlag()
    {
        ColorScheme = TColorScheme{1, 2, 3, 4, false};
        QCOMPARE(WriteDefaultSkin().size(), 0);
        QCOMPARE(ColorScheme, (TColorScheme{16777215, 14539474, 8421376, 0, false}));
        QVERIFY(!QFile::exists(File("default.col")));
        QCOMPARE(ReadAll(File("zfkmain.rgn")).size(), 1044);
    }

    void writeColorsKeepsTheRestOfTheFile()
    {
        const QByteArray before = "[Window]\r\nleft=5\r\n[Colors]\r\nmine=yes\r\napp_info=1\r\n[Z]\r\nk=v\r\n";
        WriteAll(File("default.col"), before);
        QCOMPARE(WriteColors(QString(), 1, 2, 255, 0x80000010, false), QString());
        QCOMPARE(ReadAll(File("default.col")),
                 QByteArray("[Window]\r\nleft=5\r\n[Colors]\r\nmine=yes\r\napp_info=-2147483632\r\n"
                            "transparent=1\r\napp_buttons=2\r\napp_legend=255\r\nbut_transp=0\r\n"
                            "[Z]\r\nk=v\r\n"));
        QCOMPARE(ReadColors(QString()), (TColorScheme{1, 2, 255, 0x80000010, false}));
        // No temporary file is left beside it.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"default.col"});

        // A file that cannot be read is not replaced by a poorer one.
        if (geteuid() != 0) {
            QFile::setPermissions(File("default.col"), QFileDevice::WriteOwner);
            QVERIFY(!WriteColors(QString(), 0, 0, 0, 0, true).isEmpty());
            QFile::setPermissions(File("default.col"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        // Too big to be a colour scheme: read as none, and at the next write
        // kept aside once and replaced by the colours alone.
        const QByteArray huge = QByteArray(2 << 20, ' ') + "[Colors]\r\napp_info=5\r\n";
        WriteAll(File("default.col"), huge);
        QCOMPARE(ReadColors(QString()), TColorScheme{});
        QCOMPARE(WriteColors(QString(), 0, 0, 0, 0, true), QString());
        QCOMPARE(ReadAll(File("default.col.bad")), huge);
        QCOMPARE(ReadColors(QString()), (TColorScheme{0, 0, 0, 0, true}));
        QCOMPARE(WriteColors(QString(), 1, 1, 1, 1, true), QString());
        QCOMPARE(ReadAll(File("default.col.bad")), huge);
    }

    void editedOutlineTakesEffectAtNextLoad()
    {
        LoadDefaultsInto(m_dir->path());
        QCOMPARE(m_form->mask(), DesignOutline());
        const QList<QRect> rects{QRect(0, 0, 100, 50), QRect(200, 10, 30, 30)};
        WriteAll(File("zfkmain.rgn"), RegionBytes(rects));
        QCOMPARE(m_form->mask(), DesignOutline()); // not before the next load
        FakeMessages fake;
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(m_form->mask(), QRegion(rects[0]) + QRegion(rects[1]));
        QCOMPARE(SkinRegion.count, 64u);
        QCOMPARE(SkinRegion.data.size(), size_t(64));
        QVERIFY(fake.boxes.isEmpty());
    }

    void damagedOutlineIsSetAsideOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = RegionBytes({QRect(0, 0, 100, 50), QRect(0, 60, 100, 50)});
        auto patched = [&](int at, uint32_t v) { return good.left(at) + Le32(v) + good.mid(at + 4); };
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("count only") << Le32(64);
        QTest::newRow("count beyond the file") << good.left(good.size() - 1);
        QTest::newRow("huge count") << patched(0, 0xFFFFFFF0) + QByteArray(100, '\0');
        QTest::newRow("header size 40") << patched(4, 40);
        QTest::newRow("not rectangles") << patched(8, 2);
        QTest::newRow("rectangle count 3") << patched(12, 3);
        QTest::newRow("no rectangles") << RegionBytes({});
        QTest::newRow("inverted") << patched(4 + 32 + 8, 0xFFFFFFF6); // right = -10 < left = 0
        QTest::newRow("absurdly large") << patched(4 + 32 + 12, 0x7FFFFFFF);
    }

    void damagedOutlineIsSetAsideOnce()
    {
        QFETCH(QByteArray, bytes);
        LoadDefaultsInto(m_dir->path());
        QVERIFY(!m_form->mask().isEmpty());
        WriteAll(File("zfkmain.rgn"), bytes);
        WriteAll(File("zfkmain.rgn.bad"), "older damage");
        FakeMessages fake;
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Błąd!"));
        QVERIFY(fake.boxes[0].text.startsWith(QStringLiteral("Plik kształtu okna jest uszkodzony (")));
        QVERIFY(fake.boxes[0].text.contains(File("zfkmain.rgn.bad")));
        // The user's file is kept beside, the built-in one takes its place
        // and shapes the window at once.
        QCOMPARE(ReadAll(File("zfkmain.rgn.bad")), bytes);
        QCOMPARE(ReadAll(File("zfkmain.rgn")), ReadAll(QStringLiteral(ZFK_ZFKMAIN_RGN)));
        QCOMPARE(m_form->mask(), DesignOutline());
        QCOMPARE(SkinRegion.count, 1040u);

        // The next load, as the next start, is clean.
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(m_form->mask(), DesignOutline());
    }

    void damagedOutlineThatCannotBeSetAsideLeavesTheFullRectangle()
    {
        // Something that cannot be replaced, root or not, where the damaged
        // file would go: the file stays where it is and the window
        // rectangular, as the message says.
        const QByteArray bytes = Le32(64);
        LoadDefaultsInto(m_dir->path());
        WriteAll(File("zfkmain.rgn"), bytes);
        QVERIFY(QDir(m_dir->path()).mkpath("zfkmain.rgn.bad/inside"));
        FakeMessages fake;
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QVERIFY(m_form->mask().isEmpty());
        QCOMPARE(SkinRegion.count, 0u);
        QVERIFY(SkinRegion.data.empty());
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Błąd!"));
        QVERIFY(fake.boxes[0].text.contains(File("zfkmain.rgn")));
        QVERIFY(fake.boxes[0].text.contains(QStringLiteral("pozostanie prostokątne")));
        QCOMPARE(ReadAll(File("zfkmain.rgn")), bytes); // the file is the user's to mend
    }

    void outlineThatCannotBeOpenedIsReported()
    {
        // A folder in its place that cannot be moved aside (a full folder
        // holds the place): nothing is written, and it cannot be opened.
        LoadDefaultsInto(m_dir->path());
        m_form->clearMask(); // as at start-up
        QFile::remove(File("zfkmain.rgn"));
        QVERIFY(QDir(m_dir->path()).mkdir("zfkmain.rgn"));
        QVERIFY(QDir(m_dir->path()).mkpath("zfkmain.rgn.bad/inside"));
        WriteAll(File("default.col"), "[Colors]\r\napp_info=255\r\n");
        FakeMessages fake;
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(fake.boxes.size(), 1);
        QCOMPARE(fake.boxes[0].caption, QStringLiteral("Błąd!"));
        QVERIFY(fake.boxes[0].text.contains(File("zfkmain.rgn")));
        QVERIFY(m_form->mask().isEmpty());
        ExpectCaptions(QColor(0, 128, 128), Qt::red); // the colours were applied first
    }

    // A link to a device, a pipe or a folder where a skin file belongs is
    // moved aside whole at the load and the built-in file, or at the next
    // write the colours, take its place; no box, no wait.
    void notAFileInASkinFilesPlaceIsMovedAside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("what");
        for (const char* name : {"default.col", "zfkmain.rgn", "default.bmp"}) {
            for (const char* what : {"link to /dev/zero", "pipe", "folder"})
                QTest::addRow("%s, %s", name, what) << name << what;
        }
    }
    void notAFileInASkinFilesPlaceIsMovedAside()
    {
        QFETCH(QString, name);
        QFETCH(QString, what);
        LoadDefaultsInto(m_dir->path());
        const QString path = File(name);
        QFile::remove(path);
        if (what == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (what == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        struct stat original {};
        QCOMPARE(::lstat(QFile::encodeName(path).constData(), &original), 0);

        FakeMessages fake;
        m_form->clearMask();
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(WriteColors(QString(), 1, 2, 3, 4, true), QString());
        QVERIFY(fake.boxes.isEmpty());
        struct stat aside {};
        QCOMPARE(::lstat(QFile::encodeName(path + ".bad").constData(), &aside), 0);
        QCOMPARE(aside.st_ino, original.st_ino);
        QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
        QCOMPARE(m_form->mask(), DesignOutline());
        QCOMPARE(ReadColors(QString()), (TColorScheme{1, 2, 3, 4, true}));
    }

    // A disk that fills up: only the file that could not be written is
    // named, with the system's reason, and only it is tried again.
    void fullDiskNamesOnlyTheSkinFileThatFailed()
    {
        // A real full disk where the tests may mount one, else a limit on
        // the size of the files this process writes.
        const QString folder = File("maly");
        QVERIFY(QDir().mkdir(folder));
        const bool mounted =
            geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
        const auto unmount = qScopeGuard([&] {
            if (mounted)
                ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
        });
        std::optional<FileSizeLimit> limit;
        if (!mounted) {
            limit.emplace(64 * 1024);
            QVERIFY(limit->Applied());
        }
        const QString reason = QString::fromLocal8Bit(std::strerror(mounted ? ENOSPC : EFBIG));

        FakeMessages fake;
        m_paths.folder = folder;
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(fake.boxes.size(), 1);
        const QString text = fake.boxes[0].text;
        QVERIFY2(text.contains(QDir(folder).filePath("default.bmp")) && text.contains(reason), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("zfkmain.rgn")), qPrintable(text));
        QCOMPARE(m_form->mask(), DesignOutline()); // the outline was written

        // The next start: the outline is there and left alone.
        const QByteArray ownOutline = RegionBytes({QRect(0, 0, 100, 50)});
        WriteAll(QDir(folder).filePath("zfkmain.rgn"), ownOutline);
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        QCOMPARE(fake.boxes.size(), 2);
        QVERIFY(!fake.boxes[1].text.contains(QLatin1String("zfkmain.rgn")));
        QCOMPARE(ReadAll(QDir(folder).filePath("zfkmain.rgn")), ownOutline);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"zfkmain.rgn"})); // no temporary file left behind
    }

    void unwritableProgramFolderUsesTheUserFolder()
    {
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(user.contains(QLatin1String(".qttest"))); // never the real user's folder
        QDir(user).removeRecursively();

        // A read-only folder; root writes through permission bits, so for
        // root the folder is made unwritable by putting it under a regular
        // file instead.
        WriteAll(File("plain"), "x");
        QString program = File("plain/program");
        const bool root = geteuid() == 0;
        if (!root) {
            program = File("readonly");
            QVERIFY(QDir(m_dir->path()).mkdir("readonly"));
            QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        auto restore = qScopeGuard([&] {
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        QVERIFY(!FolderWritable(program));
        QCOMPARE(ChooseSkinFolder(program, user), user);
        QVERIFY(QDir(user).exists()); // created for the purpose
        QCOMPARE(ChooseSkinFolder(m_dir->path(), user), m_dir->path());
        QCOMPARE(ChooseSkinFolder(program, File("plain/user")), program); // nothing better
        QCOMPARE(ChooseSkinFolder(program, QString()), program);

        FakeMessages fake;
        LoadDefaultsInto(program);
        QCOMPARE(ReadAll(QDir(user).filePath("default.bmp")).size(), 956726);
        QCOMPARE(ReadAll(QDir(user).filePath("zfkmain.rgn")).size(), 1044);
        QCOMPARE(m_form->mask(), DesignOutline());
        QCOMPARE(WriteColors(QString(), 1, 2, 3, 4, true), QString());
        QCOMPARE(ReadColors(QString()), (TColorScheme{1, 2, 3, 4, true}));
        QVERIFY(QFile::exists(QDir(user).filePath("default.col")));
        QVERIFY(fake.boxes.isEmpty());

        // Nowhere to write: one message, and the window stays rectangular.
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", File("plain/data").toLocal8Bit());
        m_form->clearMask();
        m_form->loadskin(QStringLiteral("default"), 0xFFFFFF);
        qunsetenv("XDG_DATA_HOME");
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(fake.boxes.size(), 1);
        QVERIFY(fake.boxes[0].text.contains(QLatin1String("zfkmain.rgn")));
        QVERIFY(m_form->mask().isEmpty());
        QDir(user).removeRecursively();
    }

    void folderWritableFollowsPermissions()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; covered above by a folder under a file");
        QVERIFY(FolderWritable(m_dir->path()));
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool writable = FolderWritable(m_dir->path());
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!writable);
    }

    void paintDrawsTheFileUnscaledAtEveryPaint()
    {
        LoadDefaultsInto(m_dir->path());
        QImage canvas(m_form->size(), QImage::Format_RGB32);
        auto paint = [&] {
            canvas.fill(Qt::magenta);
            QPainter painter(&canvas);
            m_form->FormPaint(painter);
        };
        FakeMessages fake;
        paint();
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::white));       // outside the panels
        QCOMPARE(canvas.pixelColor(8, 20), QColor(Qt::black));      // 5-pixel border of the top strip
        QCOMPARE(canvas.pixelColor(9, 20), QColor(210, 218, 221));  // its fill
        QCOMPARE(canvas.pixelColor(786, 300), QColor(Qt::white));   // right of the right panel
        QCOMPARE(canvas.pixelColor(786, 413), QColor(Qt::magenta)); // below the 404 rows

        WriteAll(File("default.bmp"), SmallBmp(Qt::red));
        paint();
        QCOMPARE(canvas.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(2, 2), QColor(Qt::magenta));

        WriteAll(File("default.bmp"), "BM not a picture");
        paint();
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::magenta));
        QFile::remove(File("default.bmp"));
        paint();
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::magenta));
        QVERIFY(fake.boxes.isEmpty());

        // The window paints its own colour under the picture.
        QFile::remove(File("default.bmp"));
        const QImage shot = m_form->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 0), QColor(210, 218, 221));
    }

    // A picture of few colours is held with a colour table, one of many as
    // it is; either way every pixel paints as the file has it.
    void backgroundPaintsEveryPixelAsTheFileHasIt_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<QImage::Format>("depth");
        QTest::newRow("the default skin's three") << 0 << QImage::Format_RGB32;
        QTest::newRow("256") << 256 << QImage::Format_RGB32;
        QTest::newRow("257") << 257 << QImage::Format_RGB32;
        QTest::newRow("two, in a 1-bit file") << 2 << QImage::Format_Mono;
    }

    void backgroundPaintsEveryPixelAsTheFileHasIt()
    {
        QFETCH(int, colours);
        QFETCH(QImage::Format, depth);
        LoadDefaultsInto(m_dir->path());
        if (colours > 0) {
            QImage picture(64, 40, QImage::Format_RGB32);
            for (int i = 0; i < picture.width() * picture.height(); ++i)
                picture.setPixel(i % 64, i / 64, qRgb(i % colours, (i % colours) / 3, 255 - i % colours % 200));
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(picture.convertToFormat(depth).save(&buffer, "BMP"));
            WriteAll(File("default.bmp"), buffer.data());
        }
        const QImage file = QImage(File("default.bmp")).convertToFormat(QImage::Format_RGB32);
        QImage canvas(m_form->size(), QImage::Format_RGB32);
        canvas.fill(Qt::magenta);
        QPainter painter(&canvas);
        m_form->FormPaint(painter);
        painter.end();
        const QRect both = file.rect() & canvas.rect(); // the default is two pixels wider than the window
        QCOMPARE(canvas.copy(both), file.copy(both));
    }

    void hoverOverElementsPaintsNoWholeWindow()
    {
        LoadDefaultsInto(m_dir->path());
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
        QTest::qWait(50);
        PaintCounter counter(m_form);
        for (TZfkButton97* button : ElementButtons) {
            QTest::mouseMove(button, button->rect().center());
            QCoreApplication::processEvents();
            QVERIFY(m_form->Podglad->text().startsWith(button->Caption() + QLatin1String(" - ")));
        }
        QCoreApplication::processEvents();
        // The status line is transparent, so its new text repaints the
        // window under it; the buttons themselves paint opaquely.
        qInfo("hovering over all %d element buttons: %d paints of the window, %d of them whole",
              int(ElementButtons.size()), counter.paints, counter.whole);
        m_form->hide();
        QCOMPARE(counter.whole, 0);
    }
};

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
