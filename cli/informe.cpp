#include "cli/informe.h"

#include "core/campos.h"
#include "presentacion/informes.h"

namespace tarvia::calc {

namespace C = campos::C;

namespace {

QString Descripcion(const Documento& doc) { return doc.calculo.Personal[C::Descripcion].comoTexto(); }

// A second report goes on after the first, under its own title.
void Anadir(std::optional<Informe>& total, Informe parte)
{
    if (!total) {
        total = std::move(parte);
        return;
    }
    total->titulo = QStringLiteral("Análisis del cálculo");
    total->bloques.emplace_back(ParrafoInforme{parte.titulo, true});
    for (const QString& linea : parte.cabecera)
        if (!total->cabecera.contains(linea))
            total->bloques.emplace_back(ParrafoInforme{linea, false});
    for (BloqueInforme& b : parte.bloques)
        total->bloques.push_back(std::move(b));
}

} // namespace

Informe InformeDeLaCorrida(const Argumentos& args, const Documento& doc, const Analisis& a, QDate hoy)
{
    const Localizacion& loc = doc.calculo.Local;
    std::optional<Informe> total;
    if (a.sensibilidad) {
        const Argumentos::Serie& s = *args.sensibilidad;
        const CampoDeHoja campo{s.hoja, s.campo};
        PedidoSensibilidad pedido{Descripcion(doc),
                                  doc.calculo.RutaArchivo,
                                  campo,
                                  doc.calculo.Personal[campo].numeroOCero(),
                                  args.equilibrio,
                                  a.equilibrio ? *a.equilibrio : std::nullopt};
        Anadir(total, InformeSensibilidad(pedido, *a.sensibilidad, hoy, loc));
    } else if (a.equilibrio) {
        Anadir(total,
               InformeEquilibrio(Descripcion(doc), doc.calculo.RutaArchivo, *args.equilibrio, *a.equilibrio, hoy, loc));
    }
    if (a.revision) {
        const Argumentos::PedidoRevision& p = *args.revision;
        // By dates, the prices are those looked up in the table.
        const PreciosPorFechas* f = a.preciosPorFechas ? &*a.preciosPorFechas : nullptr;
        PedidoRevisionInforme pedido{Descripcion(doc),
                                     doc.calculo.RutaArchivo,
                                     p.precio,
                                     f ? f->contrato->euros : p.contrato,
                                     f ? f->servicio->euros : p.servicio,
                                     p.umbral,
                                     args.fechaContrato.value_or(hoy),
                                     doc.calculo.Personal[C::MasaMaximaAutorizada].numeroOCero(),
                                     args.obra,
                                     a.avisoIndices,
                                     {},
                                     {}};
        if (f) {
            pedido.porFechas = *f;
            pedido.fechaServicio = *args.fechaServicio;
        }
        Anadir(total, InformeRevision(pedido, *a.revision, hoy, loc));
    }
    if (a.lista)
        Anadir(total,
               InformeRevisionLista({Descripcion(doc), doc.calculo.RutaArchivo, a.avisoIndices}, *a.lista, hoy, loc));
    if (a.presupuesto) {
        // What the quotation window starts with: no company or client, the
        // fuel clause on the calculation's own diesel price.
        DatosPresupuesto datos;
        datos.vehiculo = Descripcion(doc);
        datos.gasoleoClausula = GasoleoDelCalculo(doc);
        datos.fechaGasoleo = hoy;
        Anadir(total, InformePresupuesto(datos, a.presupuesto, hoy, loc));
    }
    return total.value_or(Informe{});
}

Informe InformeDeComparar(const std::vector<ResultadoArchivo>& r, QDate hoy, const Localizacion& loc)
{
    return InformeComparacion(r, hoy, loc);
}

} // namespace tarvia::calc
