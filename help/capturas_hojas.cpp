// Draws the pictures of the sheets and of the sheet strip for the help pages
// at build time, from the program's own windows showing the first reference
// vehicle, so the help always shows them as they are.
// Use: tarvia-capturas-hojas REFERENCIA.brm CARPETA
#include "engine/abrir.h"
#include "presentacion/documento.h"
#include "results/fabrica_hojas.h"
#include "sheets/colores.h"
#include "sheets/impresion.h"
#include "sheets/medidas.h"
#include "sheets/twips.h"
#include "sheets/ventana_hoja.h"
#include "shell/patillas.h"

#include <QApplication>
#include <QDir>
#include <QHash>

#include <algorithm>
#include <array>
#include <clocale>
#include <cstdio>
#include <memory>

using namespace tarvia;

namespace {

// The picture each help page names.
constexpr std::array<const char*, 8> kNombres = {
    "hoja_caracteristicas.png", "hoja_traccion.png",   "hoja_semirremolque.png", "hoja_personal.png",
    "hoja_variables.png",       "hoja_indirectos.png", "hoja_resultados.png",    "hoja_servicio.png"};

// The picture's own colours, most used first, leaving out those within a
// few steps of one already taken (the shades of antialiased edges), so the
// texts and the slices keep their exact colours. A fixed palette would move
// them to its nearest ones, some too pale to read on their background.
QList<QRgb> PaletaPropia(const QImage& img)
{
    QHash<QRgb, int> veces;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++veces[img.pixel(x, y)];
    QList<std::pair<int, QRgb>> orden;
    for (auto it = veces.cbegin(); it != veces.cend(); ++it)
        orden.push_back({-it.value(), it.key()});
    std::sort(orden.begin(), orden.end());
    const auto cerca = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 6 && std::abs(qGreen(a) - qGreen(b)) <= 6 &&
               std::abs(qBlue(a) - qBlue(b)) <= 6;
    };
    QList<QRgb> tabla;
    for (const auto& [menosVeces, color] : orden) {
        if (tabla.size() == 256)
            break;
        if (std::none_of(tabla.cbegin(), tabla.cend(), [&](QRgb t) { return cerca(t, color); }))
            tabla.push_back(color);
    }
    return tabla;
}

class DestinoPng final : public DestinoImpresion {
public:
    explicit DestinoPng(const QDir& carpeta) : carpeta_(carpeta) {}
    void Imprimir(Hoja h, const ImagenHoja& imagen) override
    {
        // Palette images keep the help file small; the sheets use few colours.
        const QImage color = imagen.Rasterizar();
        const QImage img = color.convertToFormat(QImage::Format_Indexed8, PaletaPropia(color), Qt::ThresholdDither);
        const QString ruta = carpeta_.filePath(QString::fromLatin1(kNombres[static_cast<size_t>(Indice(h))]));
        if (!img.save(ruta))
            fallos_ = true;
    }
    bool fallos_ = false;

private:
    QDir carpeta_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 3) {
        std::fputs("uso: tarvia-capturas-hojas REFERENCIA.brm CARPETA\n", stderr);
        return 64;
    }
    Documento doc;
    doc.calculo.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    InicializarCalculo(doc.calculo);
    if (const FalloArchivo f = LeerArchivo(doc, QString::fromLocal8Bit(argv[1])); f != FalloArchivo::Ninguno) {
        std::fprintf(stderr, "%s\n", qPrintable(MensajeArchivo(f)));
        return 2;
    }
    DestinoPng destino{QDir(QString::fromLocal8Bit(argv[2]))};
    std::array<std::unique_ptr<VentanaHoja>, 8> hojas;
    const auto cargar = [&](Hoja h) {
        auto& hoja = hojas[static_cast<size_t>(Indice(h))];
        if (!hoja)
            hoja.reset(CrearHoja(h, doc, nullptr));
        return hoja.get();
    };
    Impresion(doc, cargar, nullptr, destino).Todo();

    // The strip as an open calculation shows it, sheet C highlighted.
    Patillas patillas;
    patillas.resize(Px(QSize(11985, medidas::kAltoPatillas))); // the main window's designed width
    QPalette fondo = patillas.palette();
    fondo.setColor(QPalette::Window, QColor(colores::Patillas));
    patillas.setPalette(fondo);
    patillas.setAutoFillBackground(true);
    patillas.Boton(Hoja::C)->FijarCara(QColor(colores::BotonCaracteristicas));
    const bool franja =
        patillas.grab().toImage().save(QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("patillas.png")));
    return destino.fallos_ || !franja ? 1 : 0;
}
