// Draws the program's icon at the sizes of the hicolor theme, at build time,
// with the program's own drawing (the about box and the help use it too).
// Use: tarvia-iconos CARPETA  ->  CARPETA/NxN/apps/es.tarvia.Tarvia.png
#include "help/icono_tarvia.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("uso: tarvia-iconos CARPETA\n", stderr);
        return 64;
    }
    const QDir raiz(QString::fromLocal8Bit(argv[1]));
    for (int lado : {16, 32, 48, 64, 128, 256}) {
        const QString carpeta = raiz.filePath(QStringLiteral("%1x%1/apps").arg(lado));
        if (!QDir().mkpath(carpeta) ||
            !tarvia::DibujoIconoTarvia(lado).save(QDir(carpeta).filePath(QStringLiteral("es.tarvia.Tarvia.png"))))
            return 1;
    }
    return 0;
}
