// The layout of sheet F2: two independent acquisition blocks laid out as the
// vehicle's on sheet F1. The equipment's options take the focus after the
// semitrailer's last box, where they stand.
#include "sheets/frm_costes_fijos2.h"

#include "sheets/bloque_compra.h"

namespace tarvia {

namespace {

TablasDiseno Tablas()
{
    TablasDiseno t;
    const int semi = t.Marco(0, QRect(), "Semirremolque o remolque", kExteriorS, kExteriorO);
    const int finSemi = AnadirBloqueCompra(t,
                                           {.hoja = Hoja::F2,
                                            .opcion = 1,
                                            .valor = {2, 3, 4, 25, 26, 5},
                                            .residual = {6, 7},
                                            .financiado = 8,
                                            .periodo = 10,
                                            .interes = 11,
                                            .costeAnual = 12,
                                            .amortizacion = Marco::F2SemiAmortizacion,
                                            .financiacion = Marco::F2SemiFinanciacion,
                                            .marcoCosteAnual = Marco::F2SemiCosteAnual},
                                           semi, 300);
    t.marcos[0].rect = QRect(120, 300, 5190, finSemi);

    const int yEquipos = 300 + finSemi + 120;
    const int equipos = t.Marco(0, QRect(), "Equipos auxiliares", kExteriorS, kExteriorO);
    const size_t marcoEquipos = t.marcos.size() - 1;
    const int finEquipos = AnadirBloqueCompra(t,
                                              {.hoja = Hoja::F2,
                                               .opcion = 13,
                                               .antesDeCaja = 14,
                                               .valor = {14, 15, 16, 17},
                                               .residual = {18, 19},
                                               .financiado = 20,
                                               .periodo = 22,
                                               .interes = 23,
                                               .costeAnual = 24,
                                               .amortizacion = Marco::F2EquipoAmortizacion,
                                               .financiacion = Marco::F2EquipoFinanciacion,
                                               .marcoCosteAnual = Marco::F2EquipoCosteAnual},
                                              equipos, 300);
    t.marcos[marcoEquipos].rect = QRect(120, yEquipos, 5190, finEquipos);
    return t;
}

} // namespace

const DisenoHoja& DisenoCostesFijos2()
{
    static const TablasDiseno tablas = Tablas();
    static const DisenoHoja diseno =
        DisenoDosColumnas(Hoja::F2, 16170, 15450, tablas.marcos, tablas.etiquetas, tablas.cajas, tablas.opciones);
    return diseno;
}

} // namespace tarvia
