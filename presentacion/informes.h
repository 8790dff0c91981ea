#pragma once
// The reports of the analyses, built from their results alone: the window
// and tarvia-calc hand the same results in and get the same report out.
#include "presentacion/analisis.h"
#include "presentacion/informe.h"
#include "presentacion/revision_lista.h"

#include <optional>

namespace tarvia {

// The results side by side, the first file against each of the others, and
// a stacked bar of each file's cost structure.
Informe InformeComparacion(const std::vector<ResultadoArchivo>& calculos, QDate hoy, const Localizacion& loc);

struct PedidoSensibilidad {
    QString descripcion, archivo; // the calculation
    CampoDeHoja campo;            // the input that moves
    double valorActual = 0;       // its value in the calculation, marked on the chart
    std::optional<double> precioKm;
    std::optional<int> kmEquilibrio; // with precioKm: none when C1 never gets down to it
};
// C1, C2 and the total for every value, a chart of C1 and C2, then every
// result for every value.
Informe InformeSensibilidad(const PedidoSensibilidad& pedido, const std::vector<PuntoSensibilidad>& puntos, QDate hoy,
                            const Localizacion& loc);

// The yearly kilometres from which C1 does not pass a price per km, in a sentence.
QString FraseDeEquilibrio(double precioKm, std::optional<int> km, const Localizacion& loc);
Informe InformeEquilibrio(const QString& descripcion, const QString& archivo, double precioKm, std::optional<int> km,
                          QDate hoy, const Localizacion& loc);

struct PedidoRevisionInforme {
    QString descripcion, archivo;
    double precio = 0, gasoleoContrato = 0, gasoleoServicio = 0, umbralPct = kUmbralLegalPct;
    QDate fechaContrato;
    double mma = 0;
    bool obra = false;
    QString avisoIndices;
    // By dates: the months looked up, whose prices replace the two above,
    // and the service's date.
    std::optional<PreciosPorFechas> porFechas;
    QDate fechaServicio;
};
Informe InformeRevision(const PedidoRevisionInforme& pedido, const Revision& r, QDate hoy, const Localizacion& loc);

// "1,2568": a diesel price with the decimals it was published with, at least 3.
QString PrecioGasoleoInforme(const PrecioGasoleo& p, const Localizacion& loc);
// "marzo de 2026 (tabla oficial)" or "… (sus precios)".
QString MesConOrigen(Mes m, const PrecioGasoleo& p);

// A list of services revised at once: a row per service and a total, the
// diesel prices used, then the lines that could not be revised.
struct PedidoListaInforme {
    QString descripcion, archivo; // the calculation giving the default mass and fuel share
    QString avisoIndices;
};
Informe InformeRevisionLista(const PedidoListaInforme& pedido, const RevisionDeLista& r, QDate hoy,
                             const Localizacion& loc);

// What the client reads on a quotation besides the price.
struct DatosPresupuesto {
    QStringList empresa; // the company's lines that have something in them
    QString cliente, recorrido, vehiculo;
    int validezDias = 30;
    std::optional<double> gasoleoClausula; // the fuel clause, with the diesel price it refers to
    QDate fechaGasoleo;
};
// The quotation the client receives: the price, its VAT and total, and the
// fuel clause. The cost and the margin stay out: they are the haulier's.
Informe InformePresupuesto(const DatosPresupuesto& datos, const std::optional<Presupuesto>& p, QDate hoy,
                           const Localizacion& loc);

// The results in the order the reports list them: the yearly costs, their
// share of the total, then activity and unit costs.
std::vector<CampoDeHoja> ResultadosEnOrdenDeInforme();

} // namespace tarvia
