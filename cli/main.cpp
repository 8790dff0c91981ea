// tarvia-calc: parses the command line, computes once (the file opened as the
// program does, the actions in order, every analysis on a copy) and writes
// the result in the format asked for.
#include "cli/acciones.h"
#include "cli/analisis.h"
#include "cli/argumentos.h"
#include "cli/calcular.h"
#include "cli/campos.h"
#include "cli/destinos.h"
#include "cli/informe.h"
#include "cli/salida_json.h"
#include "cli/salida_texto.h"
#include "core/csv.h"
#include "core/version.h"
#include "engine/abrir.h"
#include "engine/resultados.h"
#include "engine/servicio.h"
#include "presentacion/resumen.h"
#include "results/pintar_informe.h"

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

void Escribir(const QByteArray& b) { std::fwrite(b.constData(), 1, static_cast<size_t>(b.size()), stdout); }

// The index and diesel price tables lie with the reference data, beside the
// program or installed; the user's months in the user's data folder.
Tablas RutasDeTablas(const Argumentos& args)
{
    const QString junto = QCoreApplication::applicationDirPath();
    const QString datos = QFileInfo::exists(junto + QStringLiteral("/Baremario/indices_repercusion.tsv"))
                              ? junto
                              : QStringLiteral(TARVIA_DATOS_INSTALADOS);
    return {datos + QStringLiteral("/Baremario/indices_repercusion.tsv"), RutaPreciosOficiales(datos),
            args.preciosGasoleo.isEmpty() ? RutaPreciosDelUsuario() : args.preciosGasoleo};
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

// --pdf draws the sheets as windows, --informe and --resumen lay text out: a widget
// application on the offscreen platform, which needs no display. Otherwise
// Qt Core is enough.
std::unique_ptr<QCoreApplication> CrearAplicacion(int& argc, char* argv[])
{
    bool pdf = false;
    for (int k = 1; k < argc; ++k)
        pdf = pdf || std::strcmp(argv[k], "--pdf") == 0 || std::strcmp(argv[k], "--informe") == 0 ||
              std::strcmp(argv[k], "--resumen") == 0;
    if (!pdf)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

// Writes the report asked for with `opcion` (--informe, --resumen); false,
// and why on standard error, when it could not be written.
bool EscribirInforme(const QString& ruta, const Informe& informe, const char* opcion = "--informe")
{
    const FalloArchivo fallo = InformeAPdf(informe, ruta);
    if (fallo == FalloArchivo::Ninguno)
        return true;
    Linea(stderr, QStringLiteral("tarvia-calc: %1: ").arg(QLatin1String(opcion)) +
                      MensajeEscritura(fallo, ruta).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified());
    return false;
}

// The reports never replace a calculation.
std::optional<int> DestinoDeInformeProhibido(const Argumentos& args, const QStringList& calculos)
{
    for (const auto& [opcion, ruta] : {std::pair{"--informe", args.informe}, std::pair{"--resumen", args.resumen}}) {
        if (ruta.isEmpty())
            continue;
        const QString motivo = DestinoProhibido(QString::fromLatin1(opcion), ruta, calculos);
        if (motivo.isEmpty())
            continue;
        Linea(stderr, QStringLiteral("tarvia-calc: ") + motivo);
        return kNoPermitido;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(SoloErroresGraves);
    const QStringList lista = ArgumentosTecleados(argc, argv);
    const auto app = CrearAplicacion(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // after Qt, which sets the environment's

    // Parse.
    const auto leidos = LeerArgumentos(lista, LocaleDelEntorno());
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
    const Localizacion local = Localizacion::Desde(args.locale.value_or(LocaleDelEntorno()));
    if (args.campos) {
        Escribir(
            (args.formato == Formato::Json ? CamposEnJson(*args.campos) : ListaDeCampos(*args.campos, local)).toUtf8());
        return kBien;
    }
    if (args.ayuda) {
        Linea(stdout, QString::fromUtf8(kAyuda));
        return kBien;
    }
    const Formato formato = args.formato.value_or(isatty(STDOUT_FILENO) ? Formato::Texto : Formato::Json);
    const QDate hoy = args.hoy.value_or(QDate::currentDate());
    if (args.comparar) {
        if (const auto codigo = DestinoDeInformeProhibido(args, args.archivos))
            return *codigo;
        // Thousands of files in one process: each opened as the program does.
        const std::vector<ResultadoArchivo> r = Comparar(args.archivos, local);
        // A CSV on standard output goes without the byte-order mark: scripts read it.
        Escribir(formato == Formato::Json ? QByteArray::fromStdString(ComparacionJson(r))
                                          : BytesCsv(ComparacionTexto(r, formato, local), false));
        bool todos = true;
        for (const ResultadoArchivo& a : r)
            todos = todos && a.error.isEmpty();
        const bool informe = args.informe.isEmpty() || EscribirInforme(args.informe, InformeDeComparar(r, hoy, local));
        return std::fflush(stdout) != 0 ? 1 : !todos ? kNoCargado : informe ? kBien : kSinSalida;
    }

    // Compute: the same whatever the format, and so is the exit code.
    // The reference data beside the program and installed: as in the program,
    // --guardar and --pdf never write there.
    ProtegerCarpeta(QCoreApplication::applicationDirPath() + QStringLiteral("/Baremario"));
    ProtegerCarpeta(QStringLiteral(TARVIA_DATOS_INSTALADOS "/Baremario"));
    Documento doc;
    const Corrida corrida = Calcular(args, local, RutasDeTablas(args), hoy, doc);
    if (!corrida.error.isEmpty()) {
        Linea(stderr, corrida.error);
        return corrida.codigo;
    }
    if (const auto codigo = DestinoDeInformeProhibido(args, {args.archivo, doc.calculo.RutaArchivo}))
        return *codigo;

    // Write.
    if (formato == Formato::Json) {
        Escribir(QByteArray::fromStdString(DocumentoJson(doc, corrida.avisos, args.pantalla,
                                                         [&](Json& j) { AnalisisJson(j, args, corrida.analisis); })));
    } else {
        if (formato == Formato::Csv && corrida.analisis.lista) {
            Escribir(BytesCsv(RevisionDeListaCsv(*corrida.analisis.lista), false));
            // No room for them in the table.
            const QStringList avisos = QStringList(corrida.analisis.avisosPrecios) << corrida.analisis.avisoIndices;
            for (const QString& a : avisos)
                if (!a.isEmpty())
                    Linea(stderr, a);
        } else if (formato == Formato::Csv) {
            Escribir(BytesCsv(SensibilidadCsv(*corrida.analisis.sensibilidad, *args.sensibilidad, local), false));
        } else {
            // What the results sheet and the service sheet show when opened,
            // on a copy: the calculation stays as the actions left it.
            Documento vista = doc;
            Actualizar(vista);
            Revisar(vista);
            Linea(stdout, ResumenTexto(vista) + AnalisisTexto(args, corrida.analisis, local));
        }
        for (const Mensaje& m : doc.mensajes)
            Linea(stderr, LineaMensaje(m));
        for (const Aviso& a : corrida.avisos)
            Linea(stderr, LineaAviso(a));
        if (corrida.analisis.lista)
            for (const ErrorDeFila& e : corrida.analisis.lista->errores)
                Linea(stderr, LineaDeError(e));
    }
    const bool informe =
        args.informe.isEmpty() || EscribirInforme(args.informe, InformeDeLaCorrida(args, doc, corrida.analisis, hoy));
    const bool resumen =
        args.resumen.isEmpty() || EscribirInforme(args.resumen, ResumenDeCostes(doc, hoy, args.archivo), "--resumen");
    if (std::fflush(stdout) != 0)
        return 1;
    const int codigo = CodigoFinal(args, corrida);
    return codigo == kBien && !(informe && resumen) ? kSinSalida : codigo;
}
