// tarvia-calc: opens a calculation as the program does, runs the actions of
// the command line in order and prints the document.
#include "cli/acciones.h"
#include "cli/analisis.h"
#include "cli/argumentos.h"
#include "cli/campos.h"
#include "cli/destinos.h"
#include "cli/salida_json.h"
#include "cli/salida_texto.h"
#include "core/version.h"
#include "engine/abrir.h"
#include "engine/resultados.h"
#include "engine/servicio.h"

#include <QApplication>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

using namespace tarvia;
using namespace tarvia::calc;

namespace {

void Linea(std::FILE* f, const QString& s)
{
    const QByteArray b = (s + u'\n').toUtf8();
    std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), f);
}

int ErrorDeUso(const QString& motivo)
{
    Linea(stderr, QStringLiteral("tarvia-calc: ") + motivo);
    Linea(stderr, QString::fromUtf8(kUso));
    return kUsoIncorrecto;
}

// Qt's own notices (a missing runtime directory, fonts) are not the
// calculator's output: only what would stop it reaches standard error.
void SoloErroresGraves(QtMsgType tipo, const QMessageLogContext&, const QString& texto)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        Linea(stderr, texto);
}

// The arguments as typed: a file name keeps its bytes even when they are not
// UTF-8 (QCoreApplication::arguments() would replace them).
QStringList ArgumentosTecleados(int argc, char* argv[])
{
    QStringList lista;
    for (int k = 1; k < argc; ++k)
        lista.push_back(RutaDesdeNativa(QByteArray(argv[k])));
    return lista;
}

// Without a configured locale (C, POSIX) the figures are Spain's, as in the program.
QLocale LocaleDelEntorno()
{
    const QLocale sistema = QLocale::system();
    return sistema.language() == QLocale::C ? QLocale(QLocale::Spanish, QLocale::Spain) : sistema;
}

// --pdf draws the sheets as windows: a widget application on the offscreen
// platform, which needs no display. Otherwise Qt Core is enough.
std::unique_ptr<QCoreApplication> CrearAplicacion(int& argc, char* argv[])
{
    bool pdf = false;
    for (int k = 1; k < argc; ++k)
        pdf = pdf || std::strcmp(argv[k], "--pdf") == 0;
    if (!pdf)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(SoloErroresGraves);
    const QStringList lista = ArgumentosTecleados(argc, argv);
    const auto app = CrearAplicacion(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // after Qt, which sets the environment's

    const auto leidos = LeerArgumentos(lista);
    if (const auto* error = std::get_if<QString>(&leidos))
        return ErrorDeUso(*error);
    const Argumentos& args = std::get<Argumentos>(leidos);
    if (args.version) {
        Linea(stdout, QStringLiteral("tarvia-calc (TARVIA) %1.%2.%3")
                          .arg(TARVIA_VERSION_MAJOR)
                          .arg(TARVIA_VERSION_MINOR)
                          .arg(TARVIA_VERSION_PATCH));
        return kBien;
    }
    if (args.campos) {
        const QString campos =
            ListaDeCampos(*args.campos, Localizacion::Desde(args.locale.value_or(LocaleDelEntorno())));
        const QByteArray b = campos.toUtf8();
        std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout);
        return kBien;
    }
    if (args.ayuda) {
        Linea(stdout, QString::fromUtf8(kUso));
        return kBien;
    }

    const Localizacion local = Localizacion::Desde(args.locale.value_or(LocaleDelEntorno()));
    if (args.comparar) {
        // Thousands of files in one process: each opened as the program does.
        const std::vector<ResultadoArchivo> r = Comparar(args.archivos, local);
        const Formato formato = args.formato.value_or(isatty(STDOUT_FILENO) ? Formato::Texto : Formato::Json);
        const QByteArray salida = formato == Formato::Json ? QByteArray::fromStdString(ComparacionJson(r))
                                                           : ComparacionTexto(r, formato, local).toUtf8();
        std::fwrite(salida.constData(), 1, static_cast<size_t>(salida.size()), stdout);
        bool todos = true;
        for (const ResultadoArchivo& a : r)
            todos = todos && a.error.isEmpty();
        return std::fflush(stdout) != 0 ? 1 : todos ? kBien : kNoCargado;
    }

    // The reference data beside the program and installed: as in the program,
    // --guardar and --pdf never write there.
    ProtegerCarpeta(QCoreApplication::applicationDirPath() + QStringLiteral("/Baremario"));
    ProtegerCarpeta(QStringLiteral(TARVIA_DATOS_INSTALADOS "/Baremario"));

    Documento doc;
    InicializarCalculo(doc.calculo);
    doc.calculo.Local = local;

    const FalloArchivo fallo = LeerArchivo(doc, args.archivo);
    if (fallo != FalloArchivo::Ninguno) {
        Linea(stderr, MensajeArchivo(fallo));
        return kNoCargado;
    }
    // Only a calculation file becomes the file the calculation is saved to.
    if (QFileInfo(args.archivo).suffix().compare(u"trv", Qt::CaseInsensitive) == 0)
        doc.calculo.RutaArchivo = QFileInfo(args.archivo).absoluteFilePath();

    std::vector<Aviso> avisos = AvisosDeCarga(doc);
    const QDate hoy = args.hoy.value_or(QDate::currentDate());
    bool sinSalida = false, dudosa = false;
    for (const Accion& accion : args.acciones) {
        // A report never replaces a calculation: the one read, or one saved on the way.
        if (accion.tipo == Accion::Tipo::Pdf) {
            const QString motivo =
                DestinoProhibido(QStringLiteral("--pdf"), accion.texto, {args.archivo, doc.calculo.RutaArchivo});
            if (!motivo.isEmpty()) {
                Linea(stderr, QStringLiteral("tarvia-calc: ") + motivo);
                return kNoPermitido;
            }
        }
        const Resultado r = Ejecutar(doc, accion, hoy);
        if (r.codigo != kBien) {
            Linea(stderr, QStringLiteral("tarvia-calc: ") + r.mensaje);
            return r.codigo;
        }
        sinSalida = sinSalida || r.sinSalida;
        dudosa = dudosa || r.rechazada || r.aviso;
        if (r.aviso)
            avisos.push_back(*r.aviso);
    }

    const Formato formato = args.formato.value_or(isatty(STDOUT_FILENO) ? Formato::Texto : Formato::Json);
    if (formato == Formato::Json) {
        // The quotation prices the service with today's unit costs.
        std::optional<Presupuesto> presupuesto;
        if (args.presupuesto) {
            Revisar(doc);
            presupuesto =
                PresupuestarServicio(doc.calculo.Personal, args.presupuesto->servicio,
                                     static_cast<BaseCoste>(args.presupuesto->base), args.presupuesto->margen);
            if (!presupuesto) {
                Linea(stderr,
                      QStringLiteral("tarvia-calc: el servicio %1 no tiene coste: escriba sus kilómetros u horas "
                                     "en carga en la hoja S")
                          .arg(args.presupuesto->servicio));
                return kNoPermitido;
            }
        }
        std::optional<Revision> revision;
        QString avisoIndices;
        if (args.revision) {
            // The index table lies with the reference data, beside the program or installed.
            QString ruta =
                QCoreApplication::applicationDirPath() + QStringLiteral("/Baremario/indices_repercusion.tsv");
            if (!QFileInfo::exists(ruta))
                ruta = QStringLiteral(TARVIA_DATOS_INSTALADOS "/Baremario/indices_repercusion.tsv");
            const TablaIndices tabla = LeerIndices(ruta);
            avisoIndices = tabla.aviso;
            Actualizar(doc);
            const double indice = IndiceRepercusion(tabla, doc.calculo.Personal.C(3).numeroOCero(), args.obra,
                                                    args.fechaContrato.value_or(hoy));
            const Argumentos::PedidoRevision& p = *args.revision;
            revision = RevisarPrecio(p.precio, p.contrato, p.servicio, p.umbral, indice,
                                     doc.calculo.Personal.R(27).numeroOCero());
        }
        const std::string json = DocumentoJson(doc, avisos, args.pantalla, [&](Json& j) {
            if (args.sensibilidad) {
                const Argumentos::Serie& s = *args.sensibilidad;
                SensibilidadJson(j, s, Sensibilidad(doc, s.hoja, s.campo, s.desde, s.hasta, s.pasos));
            }
            if (args.equilibrio)
                EquilibrioJson(j, *args.equilibrio, KilometrosDeEquilibrio(doc, *args.equilibrio));
            if (revision)
                RevisionJson(j, args.revision->precio, *revision, avisoIndices);
            if (presupuesto)
                PresupuestoJson(j, *presupuesto);
        });
        std::fwrite(json.data(), 1, json.size(), stdout);
    } else {
        // What the results sheet and the service sheet show when opened.
        Actualizar(doc);
        Revisar(doc);
        Linea(stdout, ResumenTexto(doc));
        for (const Mensaje& m : doc.mensajes)
            Linea(stderr, LineaMensaje(m));
        for (const Aviso& a : avisos)
            Linea(stderr, LineaAviso(a));
    }
    if (std::fflush(stdout) != 0)
        return 1;
    if (sinSalida)
        return kSinSalida;
    return args.estricto && dudosa ? kNoPermitido : kBien;
}
