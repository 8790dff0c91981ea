#include "engine/revision.h"

#include "core/campos.h"
#include "core/lectura.h"
#include "core/redondear.h"

#include <QRegularExpression>
#include <cmath>

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
    int numero = 0;
    for (const QByteArray& bruta : lectura.bytes.split('\n')) {
        ++numero;
        const QString linea = QString::fromUtf8(bruta).section(u'#', 0, 0).trimmed();
        if (linea.isEmpty())
            continue;
        const QStringList c = linea.split(QRegularExpression(QStringLiteral("\\s+")));
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

Revision RevisarPrecio(double precio, double gasoleoContrato, double gasoleoServicio, double umbralPct, double indice,
                       double cuotaCombustiblePct)
{
    Revision r;
    r.variacionPct =
        gasoleoContrato > 0 ? Redondear((gasoleoServicio - gasoleoContrato) / gasoleoContrato * 100, 2) : 0;
    r.indice = indice;
    r.aplica = gasoleoContrato > 0 && std::abs(r.variacionPct) >= umbralPct;
    r.incremento = r.aplica ? Centimos(r.variacionPct * precio * indice / 100) : 0;
    r.precioRevisado = Centimos(precio + r.incremento);
    r.cuotaCombustiblePct = cuotaCombustiblePct;
    r.incrementoCuotaPropia = Centimos(r.variacionPct * precio * cuotaCombustiblePct / 100 / 100);
    return r;
}

std::optional<Presupuesto> PresupuestarServicio(const ValoresColumna& personal, int servicio, BaseCoste base,
                                                double margenPct, double ivaPct)
{
    if (servicio < 1 || servicio > 5)
        return std::nullopt;
    // Service k's three prices: by km, by hours, by both, from S(6k − 1).
    const int campo = 6 * servicio - 1 + static_cast<int>(base);
    Presupuesto p;
    p.servicio = servicio;
    p.base = base;
    p.coste = personal.S(campo).numeroOCero();
    if (!(p.coste > 0))
        return std::nullopt;
    p.margenPct = margenPct;
    p.precio = Centimos(p.coste * (1 + margenPct / 100));
    p.ivaPct = ivaPct;
    p.iva = Centimos(p.precio * ivaPct / 100);
    p.total = Centimos(p.precio + p.iva);
    return p;
}

double MargenDePrecio(double coste, double precioObjetivo)
{
    return coste > 0 ? Redondear((precioObjetivo / coste - 1) * 100, 2) : 0;
}

} // namespace tarvia
