#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Files always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("TARVIA"));
    ventana.setCentralWidget(new QLabel(QStringLiteral("TARVIA")));
    ventana.resize(800, 600);
    ventana.show();
    return app.exec();
}
