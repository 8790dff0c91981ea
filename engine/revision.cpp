#include "engine/revision.h"

#include "core/campos.h"
#include "core/lectura.h"
#include "core/redondear.h"

#include <cmath>
#include <cstdint>

namespace tarvia {

namespace {

double Centimos(double x) { return Redondear(x, 2); }

std::optional<double> Indice(QString texto)
{
    bool ok = false;
    const double x = texto.replace(u',', u'.').toDouble(&ok);
    return ok && x >= 0 && x <= 1 ? std::optional<double>(x) : std::nullopt;
}

} // namespace

TablaIndices IndicesPorDefecto()
{
    TablaIndices t;
    t.periodos.push_back({QDate(1900, 1, 1), QDate(9999, 12, 31), 0.10, 0.20, 0.30});
    return t;
}

TablaIndices LeerIndices(const QString& ruta)
{
    const auto fallo = [&](const QString& motivo) {
        TablaIndices t = IndicesPorDefecto();
        t.aviso = QStringLiteral("%1 Se usan los índices de repercusión de la Orden FOM/1882/2012 (0,10, 0,20 y 0,30).")
                      .arg(motivo);
        return t;
    };
    // Read whole and bounded: a pipe or a huge file there must not stop the program.
    const Lectura lectura = LeerFicheroAcotado(ruta, kTopeIndices);
    if (lectura.fallo != FalloLectura::Ninguno)
        return fallo(
            MensajeLectura(lectura.fallo, QStringLiteral("el fichero de índices de repercusión"), kTopeIndices));
    TablaIndices t;
    for (const auto& [numero, c] : LineasDeDatos(lectura.bytes)) {
        const QDate desde = QDate::fromString(c.value(0), Qt::ISODate);
        const QDate hasta = QDate::fromString(c.value(1), Qt::ISODate);
        const auto ligero = Indice(c.value(2)), medio = Indice(c.value(3)), pesado = Indice(c.value(4));
        if (c.size() != 5 || !desde.isValid() || !hasta.isValid() || hasta < desde || !ligero || !medio || !pesado)
            return fallo(
                QStringLiteral("El fichero de índices de repercusión está en mal estado (línea %1).").arg(numero));
        t.periodos.push_back({desde, hasta, *ligero, *medio, *pesado});
    }
    if (t.periodos.empty())
        return fallo(QStringLiteral("El fichero de índices de repercusión no tiene ningún periodo."));
    return t;
}

double IndiceRepercusion(const TablaIndices& tabla, double mma, bool obra, QDate fecha)
{
    // The last period that covers the date: a temporary change overrides the general rule.
    static const TablaIndices porDefecto = IndicesPorDefecto();
    const PeriodoIndices* p = &porDefecto.periodos.front();
    for (const PeriodoIndices& x : tabla.periodos)
        if (fecha >= x.desde && fecha <= x.hasta)
            p = &x;
    if (mma <= 3500)
        return p->ligero;
    if (obra || mma < 20000)
        return p->medio;
    return p->pesado;
}

namespace {

// A price in millionths of a euro: the decimals as written, so that the
// variation is worked out on them and not on their binary approximation.
std::int64_t Millonesimas(double euros) { return std::llround(euros * 1e6); }

// (servicio − contrato) / contrato × 100 in hundredths of a percent, rounded
// half away from zero as the official tables publish it.
std::int64_t VariacionEnCentesimas(std::int64_t contrato, std::int64_t servicio)
{
    const std::int64_t num = (servicio - contrato) * 10000;
    const std::int64_t absoluto = (2 * (num < 0 ? -num : num) + contrato) / (2 * contrato);
    return num < 0 ? -absoluto : absoluto;
}

} // namespace

QString MotivoUmbralNoValido(double umbralPct)
{
    if (std::isnan(umbralPct))
        return QStringLiteral("El umbral debe ser un número de 0 a 5 %.");
    if (umbralPct < 0)
        return QStringLiteral("El umbral no puede ser negativo: es la variación del gasóleo a partir de la cual se "
                              "revisa el precio, de 0 a 5 %.");
    if (umbralPct > kUmbralLegalPct)
        return QStringLiteral("El umbral no puede pasar del 5 %: la ley obliga a revisar el precio cuando el gasóleo "
                              "varía un 5 % o más, y solo permite pactar un umbral menor.");
    return {};
}

Revision RevisarPrecio(double precio, double gasoleoContrato, double gasoleoServicio, double umbralPct, double indice,
                       double cuotaCombustiblePct)
{
    Revision r;
    const std::int64_t contrato = Millonesimas(gasoleoContrato);
    const std::int64_t centesimas = contrato > 0 ? VariacionEnCentesimas(contrato, Millonesimas(gasoleoServicio)) : 0;
    r.variacionPct = static_cast<double>(centesimas) / 100;
    r.indice = indice;
    // |G| and the threshold compared as decimals, in millionths of a percent.
    const std::int64_t umbral = Millonesimas(umbralPct);
    r.aplica = contrato > 0 && std::abs(centesimas) * 10000 >= umbral;
    r.incremento = r.aplica ? Centimos(r.variacionPct * precio * indice / 100) : 0;
    r.precioRevisado = Centimos(precio + r.incremento);
    r.cuotaCombustiblePct = cuotaCombustiblePct;
    r.incrementoCuotaPropia = Centimos(r.variacionPct * precio * cuotaCombustiblePct / 100 / 100);
    return r;
}

namespace {

// The quotation up to its cost: none when the service has no cost on that basis.
std::optional<Presupuesto> CosteDelServicio(const ValoresColumna& personal, int servicio, BaseCoste base, double ivaPct)
{
    if (servicio < 1 || servicio > campos::S::kNumeroDeServicios)
        return std::nullopt;
    const campos::S::Servicio& s = campos::S::kServicios[static_cast<size_t>(servicio - 1)];
    const CampoDeHoja campo = base == BaseCoste::Kilometros ? s.precioKilometros
                              : base == BaseCoste::Horas    ? s.precioHoras
                                                            : s.precioAmbos;
    Presupuesto p;
    p.servicio = servicio;
    p.base = base;
    p.coste = personal[campo].numeroOCero();
    if (!(p.coste > 0))
        return std::nullopt;
    p.ivaPct = ivaPct;
    return p;
}

void ConPrecio(Presupuesto& p, double precio)
{
    p.precio = Centimos(precio);
    p.iva = Centimos(p.precio * p.ivaPct / 100);
    p.total = Centimos(p.precio + p.iva);
}

} // namespace

std::optional<Presupuesto> PresupuestarServicio(const ValoresColumna& personal, int servicio, BaseCoste base,
                                                double margenPct, double ivaPct)
{
    auto p = CosteDelServicio(personal, servicio, base, ivaPct);
    if (!p)
        return std::nullopt;
    p->margenPct = margenPct;
    ConPrecio(*p, p->coste * (1 + margenPct / 100));
    return p;
}

std::optional<Presupuesto> PresupuestarAPrecio(const ValoresColumna& personal, int servicio, BaseCoste base,
                                               double precio, double ivaPct)
{
    auto p = CosteDelServicio(personal, servicio, base, ivaPct);
    if (!p)
        return std::nullopt;
    ConPrecio(*p, precio);
    // Derived from the price, not rounded: the margin back to a price would
    // miss the target by a cent.
    p->margenPct = (p->precio / p->coste - 1) * 100;
    return p;
}

double MargenDePrecio(double coste, double precioObjetivo)
{
    return coste > 0 ? Redondear((precioObjetivo / coste - 1) * 100, 2) : 0;
}

} // namespace tarvia
