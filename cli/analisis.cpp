#include "cli/analisis.h"

#include "cli/avisos.h"
#include "core/catalogo.h"
#include "core/csv.h"
#include "core/formato.h"

#include <algorithm>

namespace tarvia::calc {

namespace {

void Resultados(Json& j, const Arreglo& R)
{
    j.clave("R").abrirObjeto();
    for (int i = 1; i <= R.size(); ++i) {
        j.clave(std::to_string(i));
        const auto x = R(i).comoNumero();
        x ? j.numero(*x) : j.nulo();
    }
    j.cerrarObjeto();
}

// A result as a CSV field: a plain number a spreadsheet reads as one.
QString NumeroResultado(const Arreglo& R, int i, const Localizacion& loc)
{
    const auto x = R(i).comoNumero();
    return x ? NumeroCsv(*x, Decimales(Hoja::R, i), loc) : QString();
}

} // namespace

QString RotuloResultado(int i) { return RotuloDeResultado({Hoja::R, i}); }

QString CifraResultado(const Arreglo& R, int i, const Localizacion& loc)
{
    const auto x = R(i).comoNumero();
    return x ? FormatearNumero(*x, Decimales(Hoja::R, i), loc) : QString();
}

QString SensibilidadCsv(const std::vector<PuntoSensibilidad>& puntos, const Argumentos::Serie& serie,
                        const Localizacion& loc)
{
    const int filas = NumeroDeCampos(Hoja::R);
    QStringList cabecera = {NombreCampo(serie.hoja, serie.campo), QStringLiteral("mensaje")};
    for (int i = 1; i <= filas; ++i)
        cabecera << RotuloResultado(i);
    QString t = FilaCsv(cabecera);
    const int decimales = std::max(0, Decimales(serie.hoja, serie.campo));
    for (const PuntoSensibilidad& p : puntos) {
        QString mensaje = p.mensaje;
        mensaje.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        QStringList fila = {NumeroCsv(p.valor, decimales, loc), mensaje.simplified()};
        for (int i = 1; i <= filas; ++i)
            fila << (p.rechazado ? QString() : NumeroResultado(p.R, i, loc));
        t += FilaCsv(fila);
    }
    return t;
}

std::string ComparacionJson(const std::vector<ResultadoArchivo>& r)
{
    Json j;
    j.abrirObjeto().clave("comparacion").abrirLista();
    for (const ResultadoArchivo& a : r) {
        j.abrirObjeto().clave("archivo").texto(a.archivo);
        if (!a.error.isEmpty()) {
            j.clave("error").texto(a.error);
        } else {
            j.clave("descripcion").texto(a.descripcion);
            Resultados(j, a.R);
        }
        j.cerrarObjeto();
    }
    j.cerrarLista().cerrarObjeto();
    return j.resultado() + '\n';
}

QString ComparacionTexto(const std::vector<ResultadoArchivo>& r, Formato formato, const Localizacion& loc)
{
    const int filas = NumeroDeCampos(Hoja::R);
    QString t;
    if (formato == Formato::Csv) {
        // One row per file, plain numbers with the locale's decimal character.
        QStringList cabecera = {QStringLiteral("archivo"), QStringLiteral("descripcion")};
        for (int i = 1; i <= filas; ++i)
            cabecera << RotuloResultado(i);
        t = FilaCsv(cabecera);
        for (const ResultadoArchivo& a : r) {
            QStringList fila = {a.archivo, a.error.isEmpty() ? a.descripcion : a.error};
            for (int i = 1; i <= filas; ++i)
                fila << (a.error.isEmpty() ? NumeroResultado(a.R, i, loc) : QString());
            t += FilaCsv(fila);
        }
        return t;
    }
    // A table with one column per file.
    constexpr int kRotulo = 48, kColumna = 16;
    t = QString().leftJustified(kRotulo);
    for (size_t k = 0; k < r.size(); ++k)
        t += QStringLiteral("[%1]").arg(k + 1).rightJustified(kColumna);
    t += u'\n';
    for (int i = 1; i <= filas; ++i) {
        QString linea = RotuloResultado(i).left(kRotulo - 1).leftJustified(kRotulo);
        for (const ResultadoArchivo& a : r)
            linea += (a.error.isEmpty() ? CifraResultado(a.R, i, loc) : QStringLiteral("-")).rightJustified(kColumna);
        t += linea + u'\n';
    }
    t += u'\n';
    for (size_t k = 0; k < r.size(); ++k)
        t += QStringLiteral("[%1] %2%3\n")
                 .arg(k + 1)
                 .arg(r[k].archivo, r[k].error.isEmpty() ? QStringLiteral(": ") + r[k].descripcion
                                                         : QStringLiteral(": ") + r[k].error);
    return t;
}

void SensibilidadJson(Json& j, const Argumentos::Serie& serie, const std::vector<PuntoSensibilidad>& puntos)
{
    j.clave("sensibilidad").abrirObjeto();
    j.clave("campo").texto(NombreCampo(serie.hoja, serie.campo));
    j.clave("puntos").abrirLista();
    for (const PuntoSensibilidad& p : puntos) {
        j.abrirObjeto().clave("valor").numero(p.valor);
        if (p.rechazado) {
            j.clave("rechazado").logico(true);
            j.clave("mensaje").texto(p.mensaje);
        } else {
            Resultados(j, p.R);
        }
        j.cerrarObjeto();
    }
    j.cerrarLista().cerrarObjeto();
}

void EquilibrioJson(Json& j, double precio, std::optional<int> km)
{
    j.clave("equilibrio").abrirObjeto();
    j.clave("precio_km").numero(precio);
    j.clave("km_anuales");
    km ? j.numero(*km) : j.nulo();
    j.cerrarObjeto();
}

namespace {

QString Origen(const PrecioGasoleo& p)
{
    return p.origen == PrecioGasoleo::Origen::Usuario ? QStringLiteral("usuario") : QStringLiteral("oficial");
}

void AvisosPrecios(Json& j, const QStringList& avisos)
{
    if (avisos.isEmpty())
        return;
    j.clave("avisos_precios").abrirLista();
    for (const QString& a : avisos)
        j.texto(a);
    j.cerrarLista();
}

} // namespace

void RevisionJson(Json& j, double precio, const Revision& r, const QString& avisoIndices,
                  const PreciosPorFechas* porFechas, const QStringList& avisosPrecios)
{
    j.clave("revision").abrirObjeto();
    j.clave("precio").numero(precio);
    if (porFechas) {
        j.clave("mes_contrato").texto(ClaveMes(porFechas->mesContrato));
        j.clave("gasoleo_contrato").numero(porFechas->contrato->euros);
        j.clave("origen_contrato").texto(Origen(*porFechas->contrato));
        j.clave("mes_servicio").texto(ClaveMes(porFechas->mesServicio));
        j.clave("gasoleo_servicio").numero(porFechas->servicio->euros);
        j.clave("origen_servicio").texto(Origen(*porFechas->servicio));
        AvisosPrecios(j, avisosPrecios);
    }
    j.clave("variacion_gasoleo_pct").numero(r.variacionPct);
    j.clave("indice_repercusion").numero(r.indice);
    j.clave("aplica").logico(r.aplica);
    j.clave("incremento").numero(r.incremento);
    j.clave("precio_revisado").numero(r.precioRevisado);
    j.clave("cuota_combustible_pct").numero(r.cuotaCombustiblePct);
    j.clave("incremento_cuota_propia").numero(r.incrementoCuotaPropia);
    if (!avisoIndices.isEmpty())
        j.clave("aviso_indices").texto(avisoIndices);
    j.cerrarObjeto();
}

void RevisionListaJson(Json& j, const RevisionDeLista& r, const QString& avisoIndices, const QStringList& avisosPrecios)
{
    j.clave("revision_lista").abrirObjeto();
    j.clave("filas").abrirLista();
    for (const FilaRevisada& f : r.filas) {
        j.abrirObjeto();
        j.clave("linea").numero(f.servicio.linea);
        j.clave("referencia").texto(f.servicio.referencia);
        j.clave("fecha_contrato").texto(f.servicio.contrato.toString(Qt::ISODate));
        j.clave("fecha_servicio").texto(f.servicio.servicio.toString(Qt::ISODate));
        j.clave("precio").numero(f.servicio.precio);
        j.clave("mma").numero(f.mma);
        j.clave("obra").logico(f.obra);
        j.clave("mes_contrato").texto(ClaveMes(f.precios.mesContrato));
        j.clave("gasoleo_contrato").numero(f.precios.contrato->euros);
        j.clave("mes_servicio").texto(ClaveMes(f.precios.mesServicio));
        j.clave("gasoleo_servicio").numero(f.precios.servicio->euros);
        j.clave("variacion_gasoleo_pct").numero(f.revision.variacionPct);
        j.clave("indice_repercusion").numero(f.revision.indice);
        j.clave("aplica").logico(f.revision.aplica);
        j.clave("incremento").numero(f.revision.incremento);
        j.clave("precio_revisado").numero(f.revision.precioRevisado);
        j.cerrarObjeto();
    }
    j.cerrarLista();
    j.clave("errores").abrirLista();
    for (const ErrorDeFila& e : r.errores) {
        j.abrirObjeto();
        j.clave("linea").numero(e.linea);
        j.clave("campo").texto(e.campo);
        j.clave("mensaje").texto(e.mensaje);
        j.cerrarObjeto();
    }
    j.cerrarLista();
    j.clave("total_precio").numero(r.totalPactado);
    j.clave("total_incremento").numero(r.totalIncremento);
    j.clave("total_precio_revisado").numero(r.totalRevisado);
    if (!avisoIndices.isEmpty())
        j.clave("aviso_indices").texto(avisoIndices);
    AvisosPrecios(j, avisosPrecios);
    j.cerrarObjeto();
}

void PresupuestoJson(Json& j, const Presupuesto& p)
{
    static const char* const kBases[] = {"km", "horas", "ambos"};
    j.clave("presupuesto").abrirObjeto();
    j.clave("servicio").numero(p.servicio);
    j.clave("base").texto(QString::fromLatin1(kBases[static_cast<int>(p.base)]));
    j.clave("coste").numero(p.coste);
    j.clave("margen_pct").numero(p.margenPct);
    j.clave("precio").numero(p.precio);
    j.clave("iva_pct").numero(p.ivaPct);
    j.clave("iva").numero(p.iva);
    j.clave("total").numero(p.total);
    j.cerrarObjeto();
}

void AnalisisJson(Json& j, const Argumentos& args, const Analisis& a)
{
    if (a.sensibilidad)
        SensibilidadJson(j, *args.sensibilidad, *a.sensibilidad);
    if (a.equilibrio)
        EquilibrioJson(j, *args.equilibrio, *a.equilibrio);
    if (a.revision)
        RevisionJson(j, args.revision->precio, *a.revision, a.avisoIndices,
                     a.preciosPorFechas ? &*a.preciosPorFechas : nullptr, a.avisosPrecios);
    if (a.lista)
        RevisionListaJson(j, *a.lista, a.avisoIndices, a.avisosPrecios);
    if (a.presupuesto)
        PresupuestoJson(j, *a.presupuesto);
}

} // namespace tarvia::calc
