// The floor of the start-up bench: a bare frameless window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(787, 414);
    window.show();
    return QApplication::exec();
}
