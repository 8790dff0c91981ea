// TARVIA: start-up. The locale decides the number and date characters; the
// splash shows until its timer or a click; then the main window and the
// start dialog.
#include "core/rutas.h"
#include "core/version.h"
#include "help/icono_tarvia.h"
#include "presentacion/documento.h"
#include "shell/frm_main.h"
#include "shell/frm_splash.h"
#include "shell/ubicaciones.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>

#include <clocale>
#include <cstdio>

namespace {

// The command line: an optional calculation file, --help and --version.
void Opciones(QCommandLineParser& opciones)
{
    QCoreApplication::setApplicationName(QStringLiteral("TARVIA"));
    // Qt's own dialogs, context menus and these options in Spanish.
    static QTranslator traductor;
    if (traductor.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traductor);
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(TARVIA_VERSION_MAJOR).arg(TARVIA_VERSION_MINOR).arg(TARVIA_VERSION_PATCH));
    opciones.setApplicationDescription(
        QStringLiteral("TARVIA: costes de un vehículo de transporte de mercancías por carretera y de sus servicios."));
    opciones.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Muestra esta ayuda y termina.")});
    opciones.addOption(
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Muestra la versión y termina.")});
    opciones.addPositionalArgument(
        QStringLiteral("FICHERO"),
        QStringLiteral("Un cálculo (.trv) que abrir al empezar, o unos datos de referencia (.brm) "
                       "de los que partir en un cálculo nuevo."),
        QStringLiteral("[FICHERO]"));
}

// Help and version need no display: answered before any window exists.
bool SoloTexto(int argc, char* argv[])
{
    for (int k = 1; k < argc; ++k) {
        const QByteArray a(argv[k]);
        if (a == "-h" || a == "--help" || a == "-v" || a == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (SoloTexto(argc, argv)) {
        QCoreApplication nucleo(argc, argv);
        QCommandLineParser opciones;
        Opciones(opciones);
        opciones.process(nucleo);
        const QByteArray texto = (opciones.isSet(QStringLiteral("help"))
                                      ? opciones.helpText()
                                      : QStringLiteral("TARVIA %1\n").arg(QCoreApplication::applicationVersion()))
                                     .toUtf8();
        std::fwrite(texto.constData(), 1, static_cast<size_t>(texto.size()), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    // Files always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("TARVIA"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The menu entry's name, so that the desktop matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("es.tarvia.Tarvia"));
    QCoreApplication::setOrganizationName(QStringLiteral("TARVIA")); // where the user's settings live
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(tarvia::DibujoIconoTarvia(64))));

    QCommandLineParser opciones;
    Opciones(opciones);
    opciones.process(app);
    // By its bytes: the parser would turn a name that is not UTF-8 into another.
    const QString fichero = tarvia::PrimerNombreDeLaLinea(argc, argv);

    tarvia::Documento doc;
    doc.calculo.RutaArchivo.clear();
    // A machine with no locale configured gets the program's own, Spain's.
    const QLocale sistema = QLocale::system();
    doc.calculo.Local = tarvia::Localizacion::Desde(
        sistema.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : sistema);
    doc.calculo.MostrarCeros = false;

    {
        tarvia::FrmSplash splash;
        splash.show();
        splash.activateWindow();
        splash.exec();
    }

    const tarvia::Ubicaciones ubicaciones = tarvia::UbicacionesDelPrograma();
    tarvia::FrmMain ventana(doc, ubicaciones.datos, nullptr, ubicaciones.calculos);
    ventana.show();
    ventana.activateWindow();
    // A file given (a double click on a .trv) opens as a saved calculation
    // would, a .brm as a new one; if it cannot, its message, and then the
    // usual start.
    if (fichero.isEmpty() || !ventana.AbrirCalculo(fichero))
        ventana.MostrarNueva();
    return app.exec();
}
