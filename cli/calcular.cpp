#include "cli/calcular.h"

#include "cli/destinos.h"
#include "core/lectura.h"
#include "engine/abrir.h"

#include <QFileInfo>

namespace tarvia::calc {

namespace {

// A list of services is read whole, bounded: a pipe or a huge file is refused.
constexpr qint64 kTopeLista = 16 * 1024 * 1024;

// What the user could not have done at that moment stops the run, as an action does.
QString Analizar(const Argumentos& args, const Tablas& tablas, QDate hoy, const Documento& doc, Analisis& a)
{
    const QString& indices = tablas.indices;
    const auto precios = [&] {
        TablaGasoleo t = CargarPreciosGasoleo(tablas.preciosOficiales, tablas.preciosUsuario);
        a.avisosPrecios = t.avisos;
        return t;
    };
    if (args.sensibilidad) {
        const Argumentos::Serie& s = *args.sensibilidad;
        if (!SePuedeEditar(doc, s.hoja, s.campo))
            return NoSePuedeModificar(s.hoja, s.campo);
        a.sensibilidad = Sensibilidad(doc, s.hoja, s.campo, s.desde, s.hasta, s.pasos);
    }
    if (args.equilibrio)
        a.equilibrio = KilometrosDeEquilibrio(doc, *args.equilibrio);
    if (args.revision) {
        const TablaIndices tabla = LeerIndices(indices);
        a.avisoIndices = tabla.aviso;
        const Argumentos::PedidoRevision& p = *args.revision;
        if (p.porFechas) {
            const RevisionPorFechas r = RevisarPorFechasConElCalculo(
                doc, tabla, precios(), p.precio, *args.fechaContrato, *args.fechaServicio, p.umbral, args.obra);
            if (!r.revision)
                return r.error;
            a.revision = r.revision;
            a.preciosPorFechas = r.precios;
        } else {
            a.revision = RevisarConElCalculo(doc, tabla, p.precio, p.contrato, p.servicio, p.umbral, args.obra,
                                             args.fechaContrato.value_or(hoy));
        }
    }
    if (!args.revisarLista.isEmpty()) {
        const Lectura l = LeerFicheroAcotado(args.revisarLista, kTopeLista);
        a.listaNoLeida = l.fallo != FalloLectura::Ninguno;
        if (a.listaNoLeida)
            return MensajeLectura(l.fallo, QStringLiteral("la lista de servicios %1").arg(args.revisarLista),
                                  kTopeLista);
        const TablaIndices tabla = LeerIndices(indices);
        a.avisoIndices = tabla.aviso;
        CondicionesDeLista c;
        c.calculo = DatosDeRevisionDelCalculo(doc);
        c.obra = args.obra;
        a.lista = RevisarLista(l.bytes, c, tabla, precios());
    }
    if (args.presupuesto) {
        const Argumentos::PedidoPresupuesto& p = *args.presupuesto;
        a.presupuesto = PresupuestarConElCalculo(doc, p.servicio, static_cast<BaseCoste>(p.base), p.margen);
        if (!a.presupuesto)
            return QStringLiteral("el servicio %1 no tiene coste: escriba sus kilómetros u horas en carga en la "
                                  "hoja S")
                .arg(p.servicio);
    }
    return {};
}

} // namespace

Corrida Calcular(const Argumentos& args, const Localizacion& local, const Tablas& tablas, QDate hoy, Documento& doc)
{
    Corrida c;
    InicializarCalculo(doc.calculo);
    doc.calculo.Local = local;
    if (const FalloArchivo fallo = LeerArchivo(doc, args.archivo); fallo != FalloArchivo::Ninguno) {
        c.codigo = kNoCargado;
        c.error = MensajeArchivo(fallo);
        return c;
    }
    // Only a calculation file becomes the file the calculation is saved to.
    if (QFileInfo(args.archivo).suffix().compare(u"trv", Qt::CaseInsensitive) == 0)
        doc.calculo.RutaArchivo = QFileInfo(args.archivo).absoluteFilePath();

    c.avisos = AvisosDeCarga(doc);
    bool sinSalida = false;
    for (const Accion& accion : args.acciones) {
        // A report never replaces a calculation: the one read, or one saved on the way.
        if (accion.tipo == Accion::Tipo::Pdf) {
            const QString motivo =
                DestinoProhibido(QStringLiteral("--pdf"), accion.texto, {args.archivo, doc.calculo.RutaArchivo});
            if (!motivo.isEmpty()) {
                c.codigo = kNoPermitido;
                c.error = QStringLiteral("tarvia-calc: ") + motivo;
                return c;
            }
        }
        const Resultado r = Ejecutar(doc, accion, hoy);
        if (r.codigo != kBien) {
            c.codigo = r.codigo;
            c.error = QStringLiteral("tarvia-calc: ") + r.mensaje;
            return c;
        }
        sinSalida = sinSalida || r.sinSalida;
        c.dudosa = c.dudosa || r.rechazada || r.aviso;
        if (r.aviso)
            c.avisos.push_back(*r.aviso);
    }
    if (const QString motivo = Analizar(args, tablas, hoy, doc, c.analisis); !motivo.isEmpty()) {
        // A list that cannot be read is a file not loaded, as ARCHIVO.
        c.codigo = c.analisis.listaNoLeida ? kNoCargado : kNoPermitido;
        c.error = QStringLiteral("tarvia-calc: ") + motivo;
        return c;
    }
    if (sinSalida)
        c.codigo = kSinSalida;
    return c;
}

int CodigoFinal(const Argumentos& args, const Corrida& c)
{
    if (c.codigo != kBien)
        return c.codigo;
    if (c.analisis.lista && !c.analisis.lista->errores.empty())
        return kNoPermitido;
    return args.estricto && c.dudosa ? kNoPermitido : kBien;
}

} // namespace tarvia::calc
