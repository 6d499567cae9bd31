// The text floor of the start-up bench: the bare window plus nothing but the
// text the start-up order must show. The splash with its three faces, shown
// and painted once exposed, then a main window with one label in each face
// the main window measures before it is shown. No data, skin, buttons or
// settings; the font configuration is read on a second thread while the
// toolkit connects, as the program does. What no program with this start-up
// can beat.
#include <QApplication>
#include <QLabel>
#include <QWindow>

#include <dlfcn.h>

#include <thread>

namespace {

QFont Face(const char* family, int pixels, bool bold = false, int stretch = 100)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStretch(stretch);
    return font;
}

QLabel* Label(QWidget* parent, const QString& text, const QFont& font, const QRect& place, bool wrap = false)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setWordWrap(wrap);
    label->setGeometry(place);
    if (!wrap)
        label->adjustSize();
    return label;
}

} // namespace

int main(int argc, char** argv)
{
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    std::thread configuration = init ? std::thread(init) : std::thread();
    QApplication app(argc, argv);
    if (configuration.joinable())
        configuration.join();

    QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash.setFixedSize(353, 162);
    splash.show();
    Label(&splash, QStringLiteral("Inicjalizacja programu..."), Face("Liberation Sans", 11), QRect(24, 80, 110, 13));
    Label(&splash,
          QStringLiteral("Zefirak jest programem darmowym (freeware). Wolno go używać i rozpowszechniać bez opłat, w "
                         "postaci niezmienionej."),
          Face("Liberation Serif", 7), QRect(24, 96, 296, 30), true);
    Label(&splash,
          QStringLiteral("Wspieraj ideę oprogramowania FREEWARE.\nDowiedz się więcej - przeczytaj informację o "
                         "programie."),
          Face("Liberation Serif", 9, true), QRect(24, 136, 275, 22), true);
    for (QWidget* child : splash.findChildren<QWidget*>())
        child->show();
    while (!splash.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    splash.repaint();

    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(787, 414);
    const QFont faces[] = {Face("Liberation Sans", 13, true), Face("Liberation Sans", 13),
                           Face("Liberation Sans", 15, false, 87), Face("Liberation Sans", 11)};
    int top = 8;
    for (const QFont& face : faces) {
        Label(&window, QStringLiteral("Legenda: Półmetale 26 Fe"), face, QRect(8, top, 200, 20));
        top += 24;
    }
    splash.hide();
    window.show();
    return QApplication::exec();
}
