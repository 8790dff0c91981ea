// TARVIA: start-up. The locale decides the number and date characters; the
// splash shows until its timer or a click; then the main window and the
// start dialog.
#include "presentacion/documento.h"
#include "shell/frm_main.h"
#include "shell/frm_splash.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <clocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Files always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("TARVIA"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Qt's own dialogs and context menus in Spanish.
    QTranslator traductor;
    if (traductor.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductor);

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

    tarvia::FrmMain ventana(doc, QCoreApplication::applicationDirPath());
    ventana.show();
    ventana.activateWindow();
    ventana.MostrarNueva();
    return app.exec();
}
