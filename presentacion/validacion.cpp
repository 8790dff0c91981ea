#include "presentacion/validacion.h"

#include "core/archivo_bytes.h"
#include "core/catalogo.h"
#include "core/formato.h"
#include "core/grupos.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace tarvia {

using namespace campos;

namespace {

const QString kSaltos = QStringLiteral("\r\n\r\n");
const char* const kNeumaticosCaros =
    "En la compra el precio de los neumáticos no puede ser mayor que el precio del vehículo.";

// Values of the personal column as the checks read them: empty counts as 0.
struct Lector {
    const Calculo& c;
    double operator()(CampoDeHoja campo) const { return c.Personal[campo].numeroOCero(); }
};

// Discounted list price less the tyres' value at purchase, below 0.
bool NeumaticosMasCaros(const Lector& x, CampoDeHoja tarifa, CampoDeHoja descuento, double neumaticos,
                        CampoDeHoja valorNeumaticos)
{
    return (100 - x(descuento)) * x(tarifa) / 100 - neumaticos * x(valorNeumaticos) / 100 < 0;
}

bool TractorConNeumaticosMasCaros(const Lector& x)
{
    double neumaticos = 0;
    for (const GrupoNeumaticos& g : kNeumaticosTractor)
        neumaticos += x(g.numero) * x(g.precio);
    return NeumaticosMasCaros(x, F1::PrecioTarifa, F1::Descuento, neumaticos, F1::PorcentajeNeumaticos);
}

bool SemirremolqueConNeumaticosMasCaros(const Lector& x)
{
    const GrupoNeumaticos& g = kNeumaticosSemirremolque;
    return NeumaticosMasCaros(x, F2::PrecioTarifa, F2::Descuento, x(g.numero) * x(g.precio), F2::PorcentajeNeumaticos);
}

// The fuel whose discount in euros per litre this is.
const GrupoCarburante& CarburanteDe(CampoDeHoja descuento)
{
    for (const GrupoCarburante* g : {&kCarburanteEspana, &kCarburanteEquipos, &kCarburanteExtranjero})
        if (g->descuento == descuento)
            return *g;
    return kCarburanteEspana;
}

template <class F>
std::vector<CampoDeHoja> DeLosServicios(F campo)
{
    std::vector<CampoDeHoja> v;
    for (const S::Servicio& s : S::kServicios)
        v.push_back(s.*campo);
    return v;
}

// One consistency rule: its name, the fields it guards, when it rejects,
// and its sentence.
struct Regla {
    const char* nombre;
    std::vector<CampoDeHoja> campos;
    std::function<bool(const Lector&, CampoDeHoja campo, double valor)> rechaza;
    std::function<QString(const Calculo&, CampoDeHoja campo)> frase;
};

QString Fija(const char* texto) { return QString::fromUtf8(texto); }

const std::vector<Regla>& Reglas()
{
    const auto [direccionales, motrices, arrastre] = kNeumaticosTractor;
    const GrupoNeumaticos& semi = kNeumaticosSemirremolque;
    static const std::vector<Regla> reglas = {
        {"NeumaticosDelTractorNoMasCarosQueElTractor",
         {F1::PrecioTarifa, F1::Descuento, F1::PorcentajeNeumaticos},
         [](const Lector& x, CampoDeHoja, double) { return TractorConNeumaticosMasCaros(x); },
         [](const Calculo&, CampoDeHoja) { return Fija(kNeumaticosCaros); }},
        {"NeumaticosDelSemirremolqueNoMasCarosQueElSemirremolque",
         {F2::PrecioTarifa, F2::Descuento, F2::PorcentajeNeumaticos},
         [](const Lector& x, CampoDeHoja, double) {
             return x(F2::PrecioTarifa) > 0 && SemirremolqueConNeumaticosMasCaros(x);
         },
         [](const Calculo&, CampoDeHoja) { return Fija(kNeumaticosCaros); }},
        // halves to even, as the count is rounded before the parity test
        {"NumeroDeNeumaticosPar",
         {direccionales.numero, motrices.numero, arrastre.numero, semi.numero},
         [](const Lector&, CampoDeHoja, double v) { return std::fmod(std::nearbyint(v), 2.0) != 0; },
         [](const Calculo&, CampoDeHoja) { return Fija("El número de neumáticos debe ser par."); }},
        {"NeumaticosDelTractorNoMasCarosQueElTractorDesdeLaHojaV",
         {direccionales.numero, direccionales.precio, motrices.numero, motrices.precio, arrastre.numero,
          arrastre.precio},
         [](const Lector& x, CampoDeHoja, double) { return TractorConNeumaticosMasCaros(x); },
         [](const Calculo&, CampoDeHoja) { return Fija(kNeumaticosCaros); }},
        // no test of a semitrailer price here
        {"NeumaticosDelSemirremolqueNoMasCarosDesdeLaHojaV",
         {semi.numero, semi.precio},
         [](const Lector& x, CampoDeHoja, double) { return SemirremolqueConNeumaticosMasCaros(x); },
         [](const Calculo&, CampoDeHoja) { return Fija(kNeumaticosCaros); }},
        // a discount in euros per litre against the bounds of its percentage
        {"DescuentoEnEurosDentroDeLosLimitesDelPorcentaje",
         {kCarburanteEspana.descuento, kCarburanteEquipos.descuento, kCarburanteExtranjero.descuento},
         [](const Lector& x, CampoDeHoja campo, double v) {
             const GrupoCarburante& g = CarburanteDe(campo);
             const double precio = x(g.precio);
             const Calculo& c = x.c;
             const double mn = c.Minimos[g.porcentajeDescuento].numeroOCero();
             const double mx = c.Maximos[g.porcentajeDescuento].numeroOCero();
             return precio > 0 && (v < precio * mn / 100 || v > precio * mx / 100);
         },
         [](const Calculo& c, CampoDeHoja campo) {
             const CampoDeHoja pct = CarburanteDe(campo).porcentajeDescuento;
             const auto limite = [&](const Valor& v) { return Mostrar(v, 1, true, c.Local); };
             return QStringLiteral("El porcentaje de descuento debe estar entre el ") + limite(c.Minimos[pct]) + u'%' +
                    QStringLiteral(" y el ") + limite(c.Maximos[pct]) + QStringLiteral("%.");
         }},
        {"DevolucionNoMayorQueElPrecioDelCarburante",
         {V::DevolucionProfesional},
         [](const Lector& x, CampoDeHoja, double) { return x(V::DevolucionProfesional) > x(kCarburanteEspana.precio); },
         [](const Calculo&, CampoDeHoja) {
             return Fija("La devolución por gasóleo profesional no puede ser mayor que el precio de "
                         "adquisición del carburante.");
         }},
        {"KilometrosDelServicioNoMasQueLosDelAno", DeLosServicios(&S::Servicio::kilometros),
         [](const Lector& x, CampoDeHoja, double v) { return v > x(C::KilometrosEnCarga); },
         [](const Calculo&, CampoDeHoja) {
             return Fija("El número de kilómetros en carga en este servicio no puede ser mayor que el total.");
         }},
        {"HorasDelServicioNoMasQueLasDelAno", DeLosServicios(&S::Servicio::horas),
         [](const Lector& x, CampoDeHoja, double v) { return v > x(C::HorasEnCarga); },
         [](const Calculo&, CampoDeHoja) {
             return Fija("El número de horas en carga en este servicio no puede ser mayor que el total.");
         }},
        {"JornadaDeComoMucho24Horas",
         {C::HorasAnuales, C::DiasAnuales},
         [](const Lector& x, CampoDeHoja, double) {
             return x(C::DiasAnuales) > 0 && x(C::HorasAnuales) / x(C::DiasAnuales) > 24;
         },
         [](const Calculo&, CampoDeHoja) {
             return Fija("El número de horas trabajadas por jornada no puede resultar superior a 24 horas.");
         }},
    };
    return reglas;
}

} // namespace

QString MensajeNoGuardables(const QString& texto)
{
    // Lone surrogate halves come out as U+FFFD, which the file cannot keep either.
    const std::vector<char32_t> malos = archivo::CaracteresNoGuardables(texto.toStdU32String());
    if (malos.empty()) {
        const auto leido = archivo::LeidoComoUtf8(texto.toStdString());
        if (!leido)
            return {};
        return QStringLiteral("El fichero del cálculo no puede guardar este texto tal cual: al abrirlo se leería "
                              "«%1» en lugar de «%2».")
            .arg(QString::fromStdString(*leido), texto);
    }
    QStringList nombres;
    for (char32_t cp : malos) {
        // A character that shows nothing is named by its code.
        const QChar::Category cat = QChar::category(cp);
        const bool invisible = cat == QChar::Other_Control || cat == QChar::Other_Format ||
                               cat == QChar::Other_Surrogate || cat == QChar::Other_NotAssigned ||
                               cat == QChar::Other_PrivateUse || cat == QChar::Separator_Space ||
                               cat == QChar::Separator_Line || cat == QChar::Separator_Paragraph;
        const QString nombre = invisible
                                   ? QStringLiteral("U+%1").arg(static_cast<uint>(cp), 4, 16, QChar(u'0')).toUpper()
                                   : QString::fromUcs4(&cp, 1);
        nombres << u'«' + nombre + u'»';
    }
    return QStringLiteral("El texto contiene caracteres que el fichero del cálculo no puede guardar: %1.")
        .arg(nombres.join(QStringLiteral(", ")));
}

QString MensajeLimites(const Calculo& calculo, Hoja h, int i)
{
    const int decimales = CampoDe(h, i).decimales;
    return QStringLiteral("Valor mínimo = ") + Mostrar(calculo.Minimos[h](i), decimales, true, calculo.Local) +
           kSaltos + QStringLiteral("Valor máximo = ") +
           Mostrar(calculo.Maximos[h](i), decimales, true, calculo.Local) + kSaltos;
}

Veredicto Validar(const Calculo& calculo, Hoja h, int i)
{
    const Campo& campo = CampoDe(h, i);
    const Valor& valor = calculo.Personal[h](i);
    const Valor& minimo = calculo.Minimos[h](i);
    const Valor& maximo = calculo.Maximos[h](i);
    Veredicto r;
    QString frases;

    if (campo.esNumerico()) {
        // Rule 1: the limits, with 0 accepted on the few fields that allow it.
        const double v =
            valor.esNumero() ? valor.numero() : valor.numeroOCero(); // infinity is kept: every limit refuses it
        const bool ceroAdmitido = campo.ceroPermitido && v == 0;
        if (!ceroAdmitido &&
            ((!minimo.esVacio() && v < minimo.numeroOCero()) || (!maximo.esVacio() && v > maximo.numeroOCero())))
            r.rechazado = true;
        const Lector lector{calculo};
        for (const Regla& regla : Reglas()) {
            const CampoDeHoja editado{h, i};
            if (std::find(regla.campos.begin(), regla.campos.end(), editado) == regla.campos.end() ||
                !regla.rechaza(lector, editado, v))
                continue;
            r.rechazado = true;
            frases += regla.frase(calculo, editado) + kSaltos;
        }
        if (r.rechazado)
            r.mensaje = MensajeLimites(calculo, h, i) + frases;
        return r;
    }

    // Rule 2: the file keeps the text as typed, and its minimum length.
    if (campo.tipo == TipoCampo::Texto) {
        r.mensaje = MensajeNoGuardables(valor.comoTexto());
        if (!r.mensaje.isEmpty()) {
            r.rechazado = true;
            r.mensaje += kSaltos;
            return r;
        }
        const auto minimoCaracteres = minimo.comoTexto().size();
        if (valor.comoTexto().size() < minimoCaracteres) {
            r.rechazado = true;
            r.mensaje =
                QStringLiteral("El mínimo de caracteres es de ") + QString::number(minimoCaracteres) + u'.' + kSaltos;
        }
    }
    return r;
}

} // namespace tarvia
