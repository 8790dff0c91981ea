// The checks of an entry, with their exact messages.
#include "presentacion/validacion.h"

#include "core/calculo.h"

#include <gtest/gtest.h>

using namespace tarvia;

namespace {

const QString kSS = QStringLiteral("\r\n\r\n");
const QString kNeumaticos =
    QStringLiteral("En la compra el precio de los neumáticos no puede ser mayor que el precio del vehículo.");

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

TEST(Validar, LimitesConLosDecimalesDelCampo)
{
    struct {
        Hoja h;
        int i;
        double valor;
        bool rechazado;
        const char* minimo;
        const char* maximo;
    } casos[] = {
        {Hoja::C, 3, 1000, true, "1.500", "44.000"},
        {Hoja::C, 3, 1500, false, "", ""},
        {Hoja::C, 7, 0, true, "5.000", "400.000"},
        {Hoja::C, 8, 0, false, "", ""}, // 0 allowed below the minimum
        {Hoja::C, 12, 0, false, "", ""},
        {Hoja::C, 13, 10, true, "20,0", "100,0"},
        {Hoja::F1, 3, 60.01, true, "0,0", "60,0"},
        {Hoja::V, 28, 1.1, true, "0,000000", "1,000000"},
        {Hoja::I, 5, 95000, true, "0,00", "90.000,00"},
        {Hoja::F3, 18, 100000, false, "", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(Codigo(c.h)) + "(" + std::to_string(c.i) + ")");
        Calculo calc = Nuevo();
        calc.Personal[c.h](c.i) = c.valor;
        const Veredicto v = Validar(calc, c.h, c.i);
        EXPECT_EQ(v.rechazado, c.rechazado);
        if (c.rechazado) {
            EXPECT_EQ(v.mensaje, Limites(c.minimo, c.maximo));
        }
    }
}

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

TEST(Validar, DescuentoDelCarburante)
{
    Calculo c = Nuevo();
    c.Personal.V(1) = 1.5;
    c.Personal.V(3) = 1.0; // 66,7 %
    const Veredicto v = Validar(c, Hoja::V, 3);
    EXPECT_TRUE(v.rechazado);
    EXPECT_EQ(v.mensaje, Limites("0,0000", "5,0000") +
                             u"El porcentaje de descuento debe estar entre el 0,0% y el 60,0%."_qs + kSS);
    c.Personal.V(3) = 0.9; // exactly 60 %
    EXPECT_FALSE(Validar(c, Hoja::V, 3).rechazado);
}

TEST(Validar, FrasesPropiasDeCadaHoja)
{
    struct {
        Hoja h;
        int i;
        std::function<void(Calculo&)> preparar;
        const char* frase;
    } casos[] = {
        {Hoja::V, 41,
         [](Calculo& c) {
             c.Personal.V(1) = 0.5;
             c.Personal.V(41) = 0.6;
         },
         "La devolución por gasóleo profesional no puede ser mayor que el precio de adquisición del carburante."},
        {Hoja::S, 9, [](Calculo& c) { c.Personal.S(9) = 75001.0; },
         "El número de kilómetros en carga en este servicio no puede ser mayor que el total."},
        {Hoja::S, 22, [](Calculo& c) { c.Personal.S(22) = 1500.5; },
         "El número de horas en carga en este servicio no puede ser mayor que el total."},
        {Hoja::C, 12,
         [](Calculo& c) {
             c.Personal.C(12) = 6000.0;
             c.Personal.C(17) = 200.0;
         },
         "El número de horas trabajadas por jornada no puede resultar superior a 24 horas."},
    };
    for (const auto& caso : casos) {
        Calculo c = Nuevo();
        caso.preparar(c);
        const Veredicto v = Validar(c, caso.h, caso.i);
        EXPECT_TRUE(v.rechazado) << caso.frase;
        EXPECT_TRUE(v.mensaje.endsWith(QString::fromUtf8(caso.frase) + kSS)) << v.mensaje.toStdString();
    }
    Calculo c = Nuevo();
    c.Personal.S(9) = 75000.0;
    EXPECT_FALSE(Validar(c, Hoja::S, 9).rechazado);
}

TEST(Validar, LongitudMinimaDeLosTextos)
{
    Calculo c = Nuevo();
    c.Personal.C(1) = Valor("");
    const Veredicto v = Validar(c, Hoja::C, 1);
    EXPECT_TRUE(v.rechazado);
    EXPECT_EQ(v.mensaje, u"El mínimo de caracteres es de 1."_qs + kSS);
    c.Personal.C(6) = Valor("");
    EXPECT_FALSE(Validar(c, Hoja::C, 6).rechazado);
}

TEST(Validar, UnNumeroEnormeSeRechaza)
{
    Calculo c = Nuevo();
    c.Personal.C(7) = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(Validar(c, Hoja::C, 7).rechazado);
}
