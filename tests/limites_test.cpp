// Every input of every sheet at its limits, driven as the user drives a box:
// key by key, Enter, the message. The limits come from the catalogue.
#include "core/catalogo.h"
#include "core/formato.h"
#include "engine/repartir.h"
#include "presentacion/edicion.h"
#include "presentacion/marcos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tarvia;

namespace {

const QString kSS = QStringLiteral("\r\n\r\n");

std::string Nombre(Hoja h, int i) { return std::string(Codigo(h)) + "(" + std::to_string(i) + ")"; }

// A new calculation shown with every number a hundredth into its range
// (rounded up to a shown unit, so that nothing is switched off), with the
// option groups as given. The fields that bound others are as large as
// they go: the fuel prices (discounts, refund), the working days (hours
// per day) and, for the service sheet, the year's loaded kilometres and
// hours (its legs).
Documento Base(Hoja h, bool compraYDesglose)
{
    Documento doc;
    Calculo& c = doc.calculo;
    InicializarCalculo(c);
    c.Local = Localizacion::Desde(QLocale(QLocale::Spanish, QLocale::Spain));
    for (const Campo& campo : Catalogo()) {
        if (campo.tipo == TipoCampo::Opcion)
            c.Personal[campo.hoja](campo.indice) = compraYDesglose;
        if (campo.tipo != TipoCampo::Entrada)
            continue;
        const double mn = c.Minimos[campo.hoja](campo.indice).numero();
        const double mx = c.Maximos[campo.hoja](campo.indice).numero();
        const double escala = std::pow(10.0, campo.decimales);
        c.Personal[campo.hoja](campo.indice) = std::ceil((mn + (mx - mn) / 100) * escala) / escala;
    }
    for (int i : {1, 8, 35})
        c.Personal.V(i) = c.Maximos.V(i);
    c.Personal.C(17) = c.Maximos.C(17);
    if (h == Hoja::S)
        for (int i : {7, 8, 12, 13})
            c.Personal.C(i) = c.Maximos.C(i);
    RepartirValores(doc);
    c.Grabado = c.Personal;
    return doc;
}

// The base in which the user can reach the field.
Documento BaseEditable(const Campo& campo)
{
    Documento doc = Base(campo.hoja, true);
    if (!CampoEditable(doc.pantalla, campo.hoja, campo.indice))
        doc = Base(campo.hoja, false);
    EXPECT_TRUE(CampoEditable(doc.pantalla, campo.hoja, campo.indice));
    return doc;
}

QString Tecleado(double valor, int decimales) { return FormatearNumero(valor, decimales, Localizacion{u',', {}}); }

// Types `texto` key by key into the box and presses Enter: whether every key
// passed the filter.
bool Teclear(Documento& doc, Hoja h, int i, const QString& texto)
{
    EstadoEdicion e = MostrarParaEditar(doc, h, i);
    e.inicioSeleccion = 0;
    e.largoSeleccion = static_cast<int>(e.texto.size()); // the old value selected, as Tab leaves it
    bool todas = true;
    for (QChar c : texto) {
        const ResultadoTecla r = PulsarTecla(doc, h, i, e, c.unicode());
        todas = todas && r.aceptada;
        e = r.estado;
    }
    PulsarTecla(doc, h, i, e, kTeclaIntro);
    return todas;
}

std::string Lista(const std::vector<Mensaje>& mensajes)
{
    std::string s;
    for (const Mensaje& m : mensajes)
        s += m.texto.toStdString();
    return s;
}

// Focuses the box, pastes `texto` over it and leaves: whether it was kept.
bool Pegar(Documento& doc, Hoja h, int i, const QString& texto)
{
    MostrarParaEditar(doc, h, i);
    return ConfirmarCampo(doc, h, i, texto, kTeclaSalida);
}

// The part of a refusal that names the limits; what follows are the rules'
// own sentences.
QString MensajeDeLimites(const Calculo& c, const Campo& campo)
{
    return QStringLiteral("Valor mínimo = ") +
           Mostrar(c.Minimos[campo.hoja](campo.indice), campo.decimales, true, c.Local) + kSS +
           QStringLiteral("Valor máximo = ") +
           Mostrar(c.Maximos[campo.hoja](campo.indice), campo.decimales, true, c.Local) + kSS;
}

} // namespace

// Each limit typed in full, with every decimal the box shows, is accepted,
// the service legs equal to the year's totals included; one displayed unit
// beyond it is refused with the limits, the value and its box stay as they
// were. Below a minimum only the fields that allow it take 0.
TEST(Limites, CadaEntradaNumericaEnSusLimitesYUnaUnidadMasAlla)
{
    for (const Campo& campo : Catalogo()) {
        if (campo.tipo != TipoCampo::Entrada)
            continue;
        const Hoja h = campo.hoja;
        const int i = campo.indice;
        SCOPED_TRACE(Nombre(h, i));
        const Documento base = BaseEditable(campo);
        const double mn = base.calculo.Minimos[h](i).numero();
        const double mx = base.calculo.Maximos[h](i).numero();
        const double unidad = std::pow(10.0, -campo.decimales);
        ASSERT_LT(mn, mx);
        for (double limite : {mn, mx}) {
            Documento doc = base;
            EXPECT_TRUE(Teclear(doc, h, i, Tecleado(limite, campo.decimales))) << limite;
            // The largest discount in euros is above 60 % of the highest price.
            if (h == Hoja::V && (i == 3 || i == 10 || i == 37) && limite == mx) {
                ASSERT_EQ(doc.mensajes.size(), 1u);
                EXPECT_TRUE(doc.mensajes[0].texto.contains(QStringLiteral("porcentaje de descuento")));
                continue;
            }
            EXPECT_EQ(Lista(doc.mensajes), "") << limite;
            EXPECT_EQ(doc.calculo.Personal[h](i).comoTexto(), Valor(limite).comoTexto());
        }
        if (mn > 0) { // an emptied box is 0
            Documento doc = base;
            EXPECT_EQ(Pegar(doc, h, i, QString()), campo.ceroPermitido);
        }
        for (double fuera : {mn - unidad, mx + unidad}) {
            if (fuera < 0 || (campo.ceroPermitido && fuera == 0))
                continue; // nothing negative can be typed
            Documento doc = base;
            const Caja antes = doc.pantalla.caja(h, Columna::S, i);
            EXPECT_FALSE(Pegar(doc, h, i, Tecleado(fuera, campo.decimales))) << fuera;
            ASSERT_EQ(doc.mensajes.size(), 1u) << fuera;
            // The field named, its limits, and the value that stays.
            const QString& texto = doc.mensajes[0].texto;
            EXPECT_TRUE(texto.startsWith(NombreVisible(h, i) + u':' + kSS + MensajeDeLimites(doc.calculo, campo)))
                << texto.toStdString();
            EXPECT_TRUE(texto.endsWith(
                QStringLiteral("Se mantiene el valor anterior: %1.")
                    .arg(Mostrar(base.calculo.Personal[h](i), campo.decimales, true, base.calculo.Local))))
                << texto.toStdString();
            EXPECT_EQ(doc.calculo.Personal[h](i).comoTexto(), base.calculo.Personal[h](i).comoTexto());
            EXPECT_EQ(doc.pantalla.caja(h, Columna::S, i).texto, antes.texto);
            EXPECT_FALSE(HayCambios(doc.calculo));
        }
    }
}

// A text box takes as many characters as its length and no more; the
// description cannot be left empty, the other text can.
TEST(Limites, TextosHastaSuLongitud)
{
    for (const Campo& campo : Catalogo()) {
        if (campo.tipo != TipoCampo::Texto)
            continue;
        SCOPED_TRACE(Nombre(campo.hoja, campo.indice));
        Documento doc = BaseEditable(campo);
        const QString lleno(campo.maxLength, u'x');
        EXPECT_FALSE(Teclear(doc, campo.hoja, campo.indice, lleno + u'x'));
        EXPECT_EQ(doc.calculo.Personal[campo.hoja](campo.indice), Valor(lleno));
        EXPECT_TRUE(doc.mensajes.empty());
        const bool vacioAdmitido = doc.calculo.Minimos[campo.hoja](campo.indice).comoTexto().isEmpty();
        EXPECT_EQ(Pegar(doc, campo.hoja, campo.indice, QString()), vacioAdmitido);
    }
}

// A change of one displayed unit is a change to save; less than half a unit
// is not, since the box shows the same figure. Only the personal inputs
// count: not the derived fields, the results, the reference column or the
// dates; a text counts with its case, a text where a number belongs as
// written.
TEST(Limites, HayCambiosDesdeUnaUnidadMostrada)
{
    Calculo c;
    InicializarCalculo(c);
    for (const Campo& campo : Catalogo()) {
        Calculo d = c;
        Valor& v = d.Personal[campo.hoja](campo.indice);
        const std::string n = Nombre(campo.hoja, campo.indice);
        d.Referencia[campo.hoja](campo.indice) = Valor(12345.0);
        d.Personal.Fecha = QDate(2026, 1, 1);
        if (!campo.esEntrada())
            v = Valor(12345.0);
        EXPECT_FALSE(HayCambios(d)) << n;
        if (!campo.esEntrada() || !campo.esNumerico())
            continue;
        const double unidad = std::pow(10.0, -campo.decimales);
        v = v.numero() + 0.4 * unidad;
        EXPECT_FALSE(HayCambios(d)) << n;
        v = v.numero() + 0.6 * unidad;
        EXPECT_TRUE(HayCambios(d)) << n;
        v = Valor("doscientos");
        EXPECT_TRUE(HayCambios(d)) << n;
        d.Grabado[campo.hoja](campo.indice) = v;
        EXPECT_FALSE(HayCambios(d)) << n;
    }
    c.Personal.C(1) = Valor("a");
    EXPECT_TRUE(HayCambios(c));
    c.Personal.C(1) = Valor("A");
    c.Personal.F1(1) = Valor(false);
    EXPECT_TRUE(HayCambios(c));
}
