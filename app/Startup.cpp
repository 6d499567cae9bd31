#include "app/Startup.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "app/TZfk_SplashForm.h"
#include "app/Toolbar.h"
#include "widgets/CaretRest.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <dlfcn.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <thread>

namespace {

// Reading the system's font configuration is the longest single step before
// the splash can show a letter, and it needs nothing of the toolkit; the
// toolkit's own connection to the display needs no fonts. So the two run
// side by side. The font library is the toolkit's, already loaded; its
// initialisation is safe from any thread and done once, so the toolkit's
// later call finds it done. Where there is no such library this does nothing.
std::thread StartReadingFontConfiguration()
{
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init)
        return {};
    return std::thread(init);
}

} // namespace

std::unique_ptr<QApplication> CreateApplication(int argc, char** argv)
{
#ifdef __GLIBC__
    // Large blocks (a decoded picture, a file read whole) are given back to
    // the system when freed. Left to itself the C library raises this limit
    // after the first such block is freed, and later ones then stay in the
    // process for good: a megabyte or more at every start.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // The program reads no arguments, so the toolkit gets none either: its
    // own options (-reverse, -platform, -style...) would change the fixed
    // layout. Its environment variables still act. The toolkit keeps these
    // for the application's lifetime, hence static.
    static char fallbackName[] = "pertab";
    static char* programName[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    static int count = 1;
    // Over shared memory the X11 toolkit asks the server for a round trip
    // before each paint that overlaps the last, so that the server is not
    // reading what is being drawn: for the clock's label that is two more
    // wake-ups every second. The window is small; sending its pictures over
    // the connection costs less. A user's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    std::thread fonts = StartReadingFontConfiguration();
    auto app = std::make_unique<QApplication>(count, programName);
    // Joined before the first font is wanted, so the configuration is never
    // read twice at once.
    if (fonts.joinable())
        fonts.join();
    return app;
}

void InstallPolishTranslations()
{
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void StartZefirak()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Morvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Zefirak"));
    // The installed desktop entry's name, so that a desktop matches the
    // window to the entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.morvane.Zefirak"));
    InstallPolishTranslations();
    new CaretRest(10000, qApp);

    Zfk_SplashForm = new TZfk_SplashForm;
    Zfk_SplashForm->show();

    Zfk_SplashForm->SetStatus(QStringLiteral("Inicjalizacja programu...tworzenie formy TForm1"));
    Form1 = new TForm1;

    // The settings dialog and the print dialogs are built when first opened
    // (Forms.h); their settings wait for them in StoredPrintSettings. The
    // status texts still tell the steps, as users know them.
    Form1->Image1->setPixmap(Zfk_SplashForm->Banner());

    Zfk_SplashForm->SetStatus(QStringLiteral("Inicjalizacja programu...tworzenie formy TForm2"));
    Zfk_SplashForm->SetStatus(QStringLiteral("Inicjalizacja programu...tworzenie formy TForm3"));

    Zfk_SplashForm->SetStatus(QStringLiteral("Inicjalizacja programu...ustawianie parametrów programu"));
    Form1->ReadReg();

    Zfk_SplashForm->SetStatus(QStringLiteral("Inicjalizacja programu...OK"));

    delete Zfk_SplashForm;
    Zfk_SplashForm = nullptr;
}

int RunEventLoop()
{
    Form1->show();
    return QApplication::exec();
}
