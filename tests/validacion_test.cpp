// The checks of an entry, with their exact messages.
#include "presentacion/validacion.h"

#include "core/calculo.h"
#include "core/catalogo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace tarvia;

namespace {

const QString kSS = QStringLiteral("\r\n\r\n");
const char* const kNeumaticosCaros =
    "En la compra el precio de los neumáticos no puede ser mayor que el precio del vehículo.";
const QString kNeumaticos = QString::fromUtf8(kNeumaticosCaros);

Calculo Nuevo()
{
    Calculo c;
    InicializarCalculo(c);
    c.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    // A plausible vehicle so that only the rule under test fails.
    c.Personal.F1(2) = 100000.0;
    c.Personal.F1(3) = 10.0;
    c.Personal.F1(23) = 100.0;
    for (int i : {16, 19, 22, 25})
        c.Personal.V(i) = 0.0;
    c.Personal.C(9) = 75000.0;
    c.Personal.C(14) = 1500.0;
    return c;
}

QString Limites(const char* minimo, const char* maximo)
{
    return u"Valor mínimo = "_qs + QString::fromUtf8(minimo) + kSS + u"Valor máximo = "_qs + QString::fromUtf8(maximo) +
           kSS;
}

} // namespace

TEST(Validar, NeumaticosImparesYMasCarosEnEseOrden)
{
    Calculo c = Nuevo();
    c.Personal.V(17) = 5000.0;
    c.Personal.V(16) = 3.0;
    c.Personal.V(19) = 14.0;
    c.Personal.V(20) = 5000.0;
    c.Personal.V(22) = 2.0;
    c.Personal.V(23) = 5000.0; // 3·5000 + 14·5000 + 2·5000 > 90000
    const Veredicto v = Validar(c, Hoja::V, 16);
    EXPECT_TRUE(v.rechazado);
    EXPECT_EQ(v.mensaje, Limites("0", "6") + u"El número de neumáticos debe ser par."_qs + kSS + kNeumaticos + kSS);
}

TEST(Validar, NeumaticosDelVehiculoDesdeCadaCampo)
{
    // 90000 of discounted price against 95000 of tyres.
    for (auto [h, i] : {std::pair{Hoja::F1, 2}, {Hoja::F1, 3}, {Hoja::F1, 23}, {Hoja::V, 19}, {Hoja::V, 20}}) {
        Calculo c = Nuevo();
        c.Personal.V(19) = 10.0;
        c.Personal.V(20) = 4750.0;
        c.Personal.V(16) = 2.0;
        c.Personal.V(17) = 23750.0; // 47500 + 47500; the limits are not what this test is about
        const Veredicto v = Validar(c, h, i);
        EXPECT_TRUE(v.rechazado) << Codigo(h) << i;
        EXPECT_TRUE(v.mensaje.contains(kNeumaticos));
    }
}

TEST(Validar, SemirremolqueSinPrecio)
{
    Calculo c = Nuevo();
    c.Personal.F2(2) = 0.0;
    c.Personal.F2(25) = 100.0;
    c.Personal.V(25) = 4.0;
    c.Personal.V(26) = 500.0;
    // On sheet V the rule holds even with no semitrailer price...
    EXPECT_TRUE(Validar(c, Hoja::V, 26).mensaje.contains(kNeumaticos));
    // ...on sheet F2 only when there is one.
    EXPECT_FALSE(Validar(c, Hoja::F2, 25).rechazado);
    c.Personal.F2(2) = 1000.0;
    EXPECT_TRUE(Validar(c, Hoja::F2, 25).rechazado);
}

// Each rule that bounds a field by others accepts equality and refuses one
// shown unit beyond it, its sentence after the limits.
TEST(Validar, CadaReglaAdmiteLaIgualdad)
{
    struct {
        Hoja h;
        int i;
        double igual;
        std::function<void(Calculo&)> preparar;
        const char* frase;
    } casos[] = {
        {Hoja::V, 41, 0.5, [](Calculo& c) { c.Personal.V(1) = 0.5; },
         "La devolución por gasóleo profesional no puede ser mayor que el precio de adquisición del carburante."},
        // 60 % of 1,50 euros per litre
        {Hoja::V, 3, 0.9, [](Calculo& c) { c.Personal.V(1) = 1.5; },
         "El porcentaje de descuento debe estar entre el 0,0% y el 60,0%."},
        {Hoja::S, 9, 75000, [](Calculo&) {},
         "El número de kilómetros en carga en este servicio no puede ser mayor que el total."},
        {Hoja::S, 22, 1500, [](Calculo&) {},
         "El número de horas en carga en este servicio no puede ser mayor que el total."},
        // 4800 hours in 200 days
        {Hoja::C, 12, 4800, [](Calculo& c) { c.Personal.C(17) = 200.0; },
         "El número de horas trabajadas por jornada no puede resultar superior a 24 horas."},
        // 90000 after the discount; (2 + 14 + 14) tyres at 5000 is 150000, 60 % of it 90000
        {Hoja::F1, 23, 60,
         [](Calculo& c) {
             for (int i : {16, 19, 22})
                 c.Personal.V(i + 1) = 5000.0;
             c.Personal.V(16) = 2.0;
             c.Personal.V(19) = c.Personal.V(22) = 14.0;
         },
         kNeumaticosCaros},
        // 3600 after 10 % off 4000; 6 tyres at 400 is 2400, 150 % of it 3600
        {Hoja::F2, 25, 150,
         [](Calculo& c) {
             c.Personal.F2(2) = 4000.0;
             c.Personal.F2(3) = 10.0;
             c.Personal.V(25) = 6.0;
             c.Personal.V(26) = 400.0;
         },
         kNeumaticosCaros},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(Codigo(caso.h)) + "(" + std::to_string(caso.i) + ")");
        Calculo c = Nuevo();
        caso.preparar(c);
        c.Personal[caso.h](caso.i) = caso.igual;
        EXPECT_FALSE(Validar(c, caso.h, caso.i).rechazado);
        c.Personal[caso.h](caso.i) = caso.igual + std::pow(10.0, -Decimales(caso.h, caso.i));
        const Veredicto v = Validar(c, caso.h, caso.i);
        EXPECT_TRUE(v.rechazado);
        EXPECT_TRUE(v.mensaje.endsWith(QString::fromUtf8(caso.frase) + kSS)) << v.mensaje.toStdString();
    }
}

TEST(Validar, UnNumeroEnormeSeRechaza)
{
    Calculo c = Nuevo();
    c.Personal.C(7) = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(Validar(c, Hoja::C, 7).rechazado);
}
