// Taking an element's data out: the 14-line block on the clipboard and in a
// Windows-1250 file, the save flow with its questions and errors, and the
// commands that need a selection.
#include "app/Forms.h"
#include "data/ElementTables.h"
#include "data/ElementText.h"
#include "print/TForm3.h"
#include "tests/FileSizeLimit.h"
#include "tests/app/MainWindowKit.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Hydrogen with Polish names, as the clipboard gets it.
const QString HydrogenClipboard = QStringLiteral("***Dane Pierwiastka Chemicznego***\r\n"
                                                 "Pierwiastek: H - Wodór\r\n"
                                                 "Stan skupienia: gaz\r\n"
                                                 "Liczba atomowa: 1\r\n"
                                                 "Masa atomowa: 1.00794\r\n"
                                                 "Charakter tlenku: amfoteryczny\r\n"
                                                 "Elektroujemność: 2.1\r\n"
                                                 "Gęstość [g/cm sześcienny]: 0.0899\r\n"
                                                 "Temperatura topnienia: -259.34 C\r\n"
                                                 "Temperatura wrzenia: -252.88 C\r\n"
                                                 "Liczba izotopów stałych: 3\r\n"
                                                 "Rok odkrycia: 1766\r\n"
                                                 "Promień atomu: 30\r\n"
                                                 "Liczba elektronów w powłokach: K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0");

// The same element as saved: Windows-1250 bytes written out by hand, the
// density label of the file variant, and the final CR LF.
const QByteArray HydrogenFile =
    QByteArray("***Dane Pierwiastka Chemicznego***\r\n"
               "Pierwiastek: H - Wod\xF3r\r\n"
               "Stan skupienia: gaz\r\n"
               "Liczba atomowa: 1\r\n"
               "Masa atomowa: 1.00794\r\n"
               "Charakter tlenku: amfoteryczny\r\n"
               "Elektroujemno\x9C\xE6: 2.1\r\n"
               "G\xEAsto\x9C\xE6: [g/cm sze\x9C"
               "cienny]0.0899\r\n"
               "Temperatura topnienia: -259.34 C\r\n"
               "Temperatura wrzenia: -252.88 C\r\n"
               "Liczba izotop\xF3w sta\xB3ych: 3\r\n"
               "Rok odkrycia: 1766\r\n"
               "Promie\xF1 atomu: 30\r\n"
               "Liczba elektron\xF3w w pow\xB3okach: K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0\r\n");

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

const QString NothingSelected = QStringLiteral("Nie wybrano pierwiastka!");

// Opens the other end of a named pipe if the GUI thread has not finished
// within two seconds, which releases an open that would block for ever.
class PipeWatchdog {
public:
    explicit PipeWatchdog(const QString& fifo)
        : thread([this, path = QFile::encodeName(fifo)] {
              std::unique_lock lock(mutex);
              if (done.wait_for(lock, std::chrono::seconds(2), [this] { return finished; }))
                  return;
              fired = true;
              // Read-write on a pipe does not block; it counts as both ends.
              fd = ::open(path.constData(), O_RDWR);
          })
    {}
    ~PipeWatchdog() { Finish(); }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    // Ends the watch; true when the pipe had to be released.
    bool Finish()
    {
        {
            std::lock_guard lock(mutex);
            finished = true;
        }
        done.notify_one();
        if (thread.joinable())
            thread.join();
        if (fd >= 0)
            ::close(fd);
        fd = -1;
        return fired;
    }

private:
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool fired = false;
    int fd = -1;
    std::thread thread;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT

    FakeMessages messages;
    FakeFileDialogs dialogs;
    std::unique_ptr<TForm1> form;
    QTemporaryDir dir;

    QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

    // A toolbar click returns at once; what it does runs from the event loop.
    static void ClickToolbar(QWidget* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    void ExpectOnlyError(const QString& text)
    {
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].text, text);
        QCOMPARE(messages.boxes[0].caption, QStringLiteral("Błąd!"));
        QCOMPARE(messages.boxes[0].flags, 16);
        QVERIFY(!messages.boxes[0].applicationModal);
    }

    QString Path(const QString& name) { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        form = std::make_unique<TForm1>();
        form->SetLatin(false);
        Form3 = new TForm3(form.get());
    }

    void cleanupTestCase()
    {
        delete Form3;
        Form3 = nullptr;
        form.reset();
    }

    void init()
    {
        messages.boxes.clear();
        messages.answers.clear();
        dialogs.calls = 0;
        dialogs.answer.clear();
        ElementButtons[0]->Click(); // hydrogen
    }

    void cleanup() { form->SetLatin(false); }

    void copyPutsTheClipboardBlock()
    {
        Clipboard()->setText(QStringLiteral("before"));
        ClickToolbar(form->OriginalToolbarButton971);
        QCOMPARE(Clipboard()->text(), HydrogenClipboard);
        QCOMPARE(Clipboard()->text().count(QStringLiteral("\r\n")), 13);
        QCOMPARE(messages.boxes.size(), 0);
        QCOMPARE(BuildElementText(ElementTable[0], TextVariant::Clipboard), HydrogenClipboard);
    }

    void latinNamesInBlockAndProposedFileName()
    {
        form->SetLatin(true);
        form->CopyElementData();
        QCOMPARE(Clipboard()->text().split(QStringLiteral("\r\n")).at(1),
                 QStringLiteral("Pierwiastek: H - Hydrogenium"));

        dialogs.answer.clear(); // cancelled
        form->SaveElementData();
        QCOMPARE(dialogs.calls, 1);
        QCOMPARE(dialogs.lastFileName, QStringLiteral("Hydrogenium.txt"));
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Wybierz plik w którym zapisać dane pierwiastka: H - Hydrogenium"));
    }

    void saveWritesWindows1250WithFinalLineBreak()
    {
        const QString path = Path(QStringLiteral("wodor.txt"));
        dialogs.answer = path;
        ClickToolbar(form->OriginalToolbarButton972);
        QCOMPARE(messages.boxes.size(), 0);
        QCOMPARE(ReadAll(path), HydrogenFile);

        QCOMPARE(dialogs.lastTitle, QStringLiteral("Wybierz plik w którym zapisać dane pierwiastka: H - Wodór"));
        QCOMPARE(dialogs.lastFileName, QStringLiteral("Wodór.txt"));
        QCOMPARE(dialogs.lastFilter, QStringLiteral("Pliki tekstowe|*.txt"));
        QCOMPARE(dialogs.lastSuffix, QStringLiteral("txt"));
    }

    void fieldsWithoutDataAreWrittenAsStored()
    {
        ElementButtons[84]->Click(); // astatine
        const QString path = Path(QStringLiteral("astat.txt"));
        dialogs.answer = path;
        form->SaveElementData();
        const QByteArray bytes = ReadAll(path);
        for (const char* line : {"G\xEAsto\x9C\xE6: [g/cm sze\x9C"
                                 "cienny]b.d.\r\n",
                                 "Temperatura topnienia: b.d.\r\n", "Temperatura wrzenia: b.d.\r\n",
                                 "Promie\xF1 atomu: b.d.\r\n", "Masa atomowa: (209.987)\r\n",
                                 "Liczba elektron\xF3w w pow\xB3okach: K: 2 L: 8 M: 18 N: 32 O: 18 P: 7 Q: 0\r\n"})
            QVERIFY2(bytes.contains(line), line);
        QCOMPARE(bytes.count("\r\n"), 14);
        QVERIFY(bytes.endsWith("Q: 0\r\n"));
    }

    void cancelledDialogDoesNothing()
    {
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QStringList cwdBefore = QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        dialogs.answer.clear();
        form->SaveElementData();
        QCOMPARE(dialogs.calls, 1);
        QCOMPARE(messages.boxes.size(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), cwdBefore);
    }

    void existingFileAsksFirst()
    {
        const QString path = Path(QStringLiteral("istnieje.txt"));
        const QByteArray old(5000, 'x'); // longer than the block: nothing of it may remain
        WriteAll(path, old);
        dialogs.answer = path;

        messages.answers = {7};
        form->SaveElementData();
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(messages.boxes[0].text,
                 QStringLiteral("Plik o podanej nazwie: ") + path
                     + QStringLiteral(" istnieje!\r\nCzy jestes pewien że chcesz wymazać jego dotychczasową "
                                      "zawartość i zapisać w nim dane pierwiastka H - Wodór ??"));
        QCOMPARE(messages.boxes[0].caption, QStringLiteral("Pytanie"));
        QVERIFY(messages.boxes[0].applicationModal);
        QCOMPARE(ReadAll(path), old);

        messages.boxes.clear();
        messages.answers = {6};
        form->SaveElementData();
        QCOMPARE(messages.boxes.size(), 1);
        QCOMPARE(ReadAll(path), HydrogenFile);
    }

    void fileThatCannotBeCreatedIsReported()
    {
        const QString path = Path(QStringLiteral("brak/folderu/wodor.txt"));
        dialogs.answer = path;
        form->SaveElementData();
        ExpectOnlyError(QStringLiteral("Nie można utwożyć pliku o podanej nazwie: ") + path);
        QVERIFY(!QFile::exists(path));
    }

    void writeFailingAfterCreationIsReported()
    {
        // An existing file that opens for writing, while a file-size limit
        // below the block's length makes the write fail.
        const QString path = Path(QStringLiteral("limit.txt"));
        WriteAll(path, "old");
        dialogs.answer = path;
        messages.answers = {6};
        {
            FileSizeLimit limit(100);
            form->SaveElementData();
        }
        QCOMPARE(messages.boxes.size(), 2);
        QVERIFY(messages.boxes[0].applicationModal); // the question about an existing file
        const RecordedBox& error = messages.boxes[1];
        QCOMPARE(error.caption, QStringLiteral("Błąd!"));
        QCOMPARE(error.flags, 16);
        QVERIFY2(error.text.contains(path), qPrintable(error.text));
        QVERIFY(!error.text.startsWith(QStringLiteral("Nie można utwożyć")));
    }

    void onlyRegularFilesAreOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("device") << "/dev/null";
        QTest::newRow("link to a named pipe") << "link";
    }
    void onlyRegularFilesAreOpened()
    {
        QFETCH(QString, kind);
        QString path = kind;
        const QString fifo = Path(QStringLiteral("pipe.txt"));
        if (!QFile::exists(fifo))
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (kind == QLatin1String("fifo")) {
            path = fifo;
        } else if (kind == QLatin1String("link")) {
            path = Path(QStringLiteral("link.txt"));
            QVERIFY(QFile::exists(path) || QFile::link(fifo, path));
        } else if (kind == QLatin1String("folder")) {
            path = Path(QStringLiteral("folder.txt"));
            QVERIFY(QDir().mkpath(path));
        }
        dialogs.answer = path;
        messages.answers = {6, 6};
        {
            // Opening a pipe blocks until someone opens its other end; the
            // watchdog does that after a while, so a regression fails here
            // instead of hanging the test.
            PipeWatchdog watchdog(fifo);
            form->SaveElementData();
            QVERIFY2(!watchdog.Finish(), "the save opened the named pipe");
        }
        ExpectOnlyError(QStringLiteral("Nie można utwożyć pliku o podanej nazwie: ") + path);
    }

    void commandsNeedASelection()
    {
        form->ClearSelection();
        Clipboard()->setText(QStringLiteral("before"));

        ClickToolbar(form->OriginalToolbarButton971);
        ExpectOnlyError(NothingSelected);
        QCOMPARE(Clipboard()->text(), QStringLiteral("before"));

        messages.boxes.clear();
        dialogs.answer = Path(QStringLiteral("nic.txt"));
        ClickToolbar(form->OriginalToolbarButton972);
        ExpectOnlyError(NothingSelected);
        QCOMPARE(dialogs.calls, 0);
        QVERIFY(!QFile::exists(dialogs.answer));

        messages.boxes.clear();
        ClickToolbar(form->OriginalToolbarButton973);
        ExpectOnlyError(NothingSelected);
        QVERIFY(!Form3->isVisible());
    }

    void printDataOpensReportWithoutBlocking()
    {
        ElementButtons[25]->Click();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        ClickToolbar(form->OriginalToolbarButton973);
        QCOMPARE(messages.boxes.size(), 0);
        QVERIFY(Form3->isVisible());
        QVERIFY(!Form3->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(form->isEnabled());
        // The main window keeps working while the report dialog is open.
        QTest::mouseClick(ElementButtons[10], Qt::LeftButton);
        QCOMPARE(SelectedElement, 11);
        Form3->hide();
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
