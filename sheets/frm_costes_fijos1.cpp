// The layout of sheet F1: the vehicle's acquisition block and, below it, the
// bodywork's, which has no choice of its own but hides with the vehicle's
// "Otra forma (alquiler, ...)".
#include "sheets/frm_costes_fijos1.h"

#include "sheets/bloque_compra.h"

namespace tarvia {

namespace {

TablasDiseno Tablas()
{
    TablasDiseno t;
    const int vehiculo = t.Marco(0, QRect(), "Vehículo de tracción", kExteriorS, kExteriorO);
    const int finVehiculo = AnadirBloqueCompra(t,
                                               {.hoja = Hoja::F1,
                                                .opcion = 1,
                                                .valor = {2, 3, 4, 23, 24, 5},
                                                .residual = {6, 7},
                                                .financiado = 8,
                                                .periodo = 10,
                                                .interes = 11,
                                                .costeAnual = 12,
                                                .amortizacion = Marco::F1Amortizacion,
                                                .financiacion = Marco::F1Financiacion,
                                                .marcoCosteAnual = Marco::F1CosteAnual},
                                               vehiculo, 300);
    t.marcos[0].rect = QRect(120, 300, 5190, finVehiculo);

    const int yCarrozado = 300 + finVehiculo + 120;
    const int carrozado =
        t.Marco(0, QRect(), "Carrozado del vehículo de tracción", kExteriorS, kExteriorO, Marco::F1Carrozado);
    const size_t marcoCarrozado = t.marcos.size() - 1;
    const int finCarrozado = AnadirBloqueCompra(t,
                                                {.hoja = Hoja::F1,
                                                 .tituloValor = "Valor del carrozado:",
                                                 .valor = {13, 14, 15, 16},
                                                 .residual = {17, 18},
                                                 .financiado = 19,
                                                 .periodo = 21,
                                                 .interes = 22},
                                                carrozado, 300);
    t.marcos[marcoCarrozado].rect = QRect(120, yCarrozado, 5190, finCarrozado);
    return t;
}

} // namespace

const DisenoHoja& DisenoCostesFijos1()
{
    static const TablasDiseno tablas = Tablas();
    static const DisenoHoja diseno =
        DisenoDosColumnas(Hoja::F1, 15330, 14610, tablas.marcos, tablas.etiquetas, tablas.cajas, tablas.opciones);
    return diseno;
}

} // namespace tarvia
