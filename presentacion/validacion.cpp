#include "presentacion/validacion.h"

#include "core/archivo_bytes.h"
#include "core/catalogo.h"
#include "core/formato.h"

#include <QStringList>
#include <cmath>
#include <functional>
#include <vector>

namespace tarvia {

namespace {

const QString kSaltos = QStringLiteral("\r\n\r\n");
const char* const kNeumaticosCaros =
    "En la compra el precio de los neumáticos no puede ser mayor que el precio del vehículo.";

// Values of the personal column as the checks read them: empty counts as 0.
struct Lector {
    const Calculo& c;
    double operator()(Hoja h, int i) const { return c.Personal[h](i).numeroOCero(); }
};

bool TractorConNeumaticosMasCaros(const Lector& x)
{
    using H = Hoja;
    return (100 - x(H::F1, 3)) * x(H::F1, 2) / 100 -
               (x(H::V, 16) * x(H::V, 17) + x(H::V, 19) * x(H::V, 20) + x(H::V, 22) * x(H::V, 23)) * x(H::F1, 23) /
                   100 <
           0;
}

bool SemirremolqueConNeumaticosMasCaros(const Lector& x)
{
    using H = Hoja;
    return (100 - x(H::F2, 3)) * x(H::F2, 2) / 100 - x(H::V, 25) * x(H::V, 26) * x(H::F2, 25) / 100 < 0;
}

bool Entre(int i, const std::vector<int>& lista)
{
    for (int k : lista)
        if (k == i)
            return true;
    return false;
}

// One consistency rule: its name, the sheet, the fields it guards, when it
// rejects, and its sentence.
struct Regla {
    const char* nombre;
    Hoja hoja;
    std::vector<int> campos;
    std::function<bool(const Lector&, int i, double valor)> rechaza;
    std::function<QString(const Calculo&, int i)> frase;
};

QString Fija(const char* texto) { return QString::fromUtf8(texto); }

const std::vector<Regla>& Reglas()
{
    using H = Hoja;
    static const std::vector<Regla> reglas = {
        {"NeumaticosDelTractorNoMasCarosQueElTractor",
         H::F1,
         {2, 3, 23},
         [](const Lector& x, int, double) { return TractorConNeumaticosMasCaros(x); },
         [](const Calculo&, int) { return Fija(kNeumaticosCaros); }},
        {"NeumaticosDelSemirremolqueNoMasCarosQueElSemirremolque",
         H::F2,
         {2, 3, 25},
         [](const Lector& x, int, double) { return x(H::F2, 2) > 0 && SemirremolqueConNeumaticosMasCaros(x); },
         [](const Calculo&, int) { return Fija(kNeumaticosCaros); }},
        // halves to even, as the count is rounded before the parity test
        {"NumeroDeNeumaticosPar",
         H::V,
         {16, 19, 22, 25},
         [](const Lector&, int, double v) { return std::fmod(std::nearbyint(v), 2.0) != 0; },
         [](const Calculo&, int) { return Fija("El número de neumáticos debe ser par."); }},
        {"NeumaticosDelTractorNoMasCarosQueElTractorDesdeLaHojaV",
         H::V,
         {16, 17, 19, 20, 22, 23},
         [](const Lector& x, int, double) { return TractorConNeumaticosMasCaros(x); },
         [](const Calculo&, int) { return Fija(kNeumaticosCaros); }},
        // no test of a semitrailer price here
        {"NeumaticosDelSemirremolqueNoMasCarosDesdeLaHojaV",
         H::V,
         {25, 26},
         [](const Lector& x, int, double) { return SemirremolqueConNeumaticosMasCaros(x); },
         [](const Calculo&, int) { return Fija(kNeumaticosCaros); }},
        // a discount in euros per litre against the bounds of its percentage
        {"DescuentoEnEurosDentroDeLosLimitesDelPorcentaje",
         H::V,
         {3, 10, 37},
         [](const Lector& x, int i, double v) {
             const double precio = x(H::V, i - 2);
             const Calculo& c = x.c;
             const double mn = c.Minimos.V(i - 1).numeroOCero();
             const double mx = c.Maximos.V(i - 1).numeroOCero();
             return precio > 0 && (v < precio * mn / 100 || v > precio * mx / 100);
         },
         [](const Calculo& c, int i) {
             const auto limite = [&](const Valor& v) { return Mostrar(v, 1, true, c.Local); };
             return QStringLiteral("El porcentaje de descuento debe estar entre el ") + limite(c.Minimos.V(i - 1)) +
                    u'%' + QStringLiteral(" y el ") + limite(c.Maximos.V(i - 1)) + QStringLiteral("%.");
         }},
        {"DevolucionNoMayorQueElPrecioDelCarburante",
         H::V,
         {41},
         [](const Lector& x, int, double) { return x(H::V, 41) > x(H::V, 1); },
         [](const Calculo&, int) {
             return Fija("La devolución por gasóleo profesional no puede ser mayor que el precio de "
                         "adquisición del carburante.");
         }},
        {"KilometrosDelServicioNoMasQueLosDelAno",
         H::S,
         {3, 9, 15, 21, 27},
         [](const Lector& x, int, double v) { return v > x(H::C, 9); },
         [](const Calculo&, int) {
             return Fija("El número de kilómetros en carga en este servicio no puede ser mayor que el total.");
         }},
        {"HorasDelServicioNoMasQueLasDelAno",
         H::S,
         {4, 10, 16, 22, 28},
         [](const Lector& x, int, double v) { return v > x(H::C, 14); },
         [](const Calculo&, int) {
             return Fija("El número de horas en carga en este servicio no puede ser mayor que el total.");
         }},
        {"JornadaDeComoMucho24Horas",
         H::C,
         {12, 17},
         [](const Lector& x, int, double) { return x(H::C, 17) > 0 && x(H::C, 12) / x(H::C, 17) > 24; },
         [](const Calculo&, int) {
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
            if (regla.hoja != h || !Entre(i, regla.campos) || !regla.rechaza(lector, i, v))
                continue;
            r.rechazado = true;
            frases += regla.frase(calculo, i) + kSaltos;
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
