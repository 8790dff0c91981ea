#include "presentacion/revision_lista.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "core/csv.h"
#include "core/redondear.h"

#include <QRegularExpression>

namespace tarvia {

namespace {

const QString kReferencia = QStringLiteral("referencia");
const QString kContrato = QStringLiteral("fecha de contrato");
const QString kServicio = QStringLiteral("fecha de servicio");
const QString kPrecio = QStringLiteral("precio pactado");
const QString kMasa = QStringLiteral("MMA");
const QString kObra = QStringLiteral("obra");

constexpr double kPrecioMaximo = 1e7; // as tarvia-calc's --revision

// "1234,56", "1234.56" or "1.234,56": a plain or grouped figure.
std::optional<double> Importe(const QString& texto)
{
    QString t = texto.trimmed();
    static const QRegularExpression agrupada(QStringLiteral("^\\d{1,3}(\\.\\d{3})+(,\\d+)?$"));
    static const QRegularExpression simple(QStringLiteral("^\\d+([.,]\\d+)?$"));
    if (t.contains(agrupada))
        t.remove(u'.');
    else if (!t.contains(simple))
        return std::nullopt;
    return t.replace(u',', u'.').toDouble();
}

std::optional<bool> Obra(const QString& texto)
{
    const QString t = texto.trimmed().toLower();
    if (t == u"sí" || t == u"si" || t == u"s" || t == u"1" || t == u"x" || t == u"obra")
        return true;
    if (t == u"no" || t == u"n" || t == u"0")
        return false;
    return std::nullopt;
}

QString Cifra(double x, int decimales) { return QString::number(x, 'f', decimales).replace(u'.', u','); }

// One line of the list, or the first thing wrong with it.
std::optional<ServicioARevisar> LeerServicio(const QStringList& c, int linea, std::vector<ErrorDeFila>& errores)
{
    const auto error = [&](const QString& campo, const QString& mensaje) {
        errores.push_back({linea, campo, mensaje});
        return std::nullopt;
    };
    if (c.size() < 4)
        return error(QStringLiteral("línea"),
                     QStringLiteral("faltan columnas: se esperan referencia, fecha de contrato, fecha de servicio y "
                                    "precio pactado"));
    if (c.size() > 6)
        return error(QStringLiteral("línea"), QStringLiteral("sobran columnas (%1; como mucho 6)").arg(c.size()));
    ServicioARevisar s;
    s.linea = linea;
    s.referencia = c[0];
    const auto contrato = LeerFechaEscrita(c[1]);
    if (!contrato)
        return error(kContrato, QStringLiteral("«%1» no es una fecha (dd/mm/aaaa)").arg(c[1]));
    const auto servicio = LeerFechaEscrita(c[2]);
    if (!servicio)
        return error(kServicio, QStringLiteral("«%1» no es una fecha (dd/mm/aaaa)").arg(c[2]));
    s.contrato = *contrato;
    s.servicio = *servicio;
    const auto precio = Importe(c[3]);
    if (!precio || *precio > kPrecioMaximo)
        return error(kPrecio, QStringLiteral("«%1» no es un precio en euros (por ejemplo 1250,00)").arg(c[3]));
    s.precio = *precio;
    if (c.size() > 4 && !c[4].isEmpty()) {
        const Campo& masa = CampoDe(campos::C::MasaMaximaAutorizada);
        const auto mma = Importe(c[4]);
        if (!mma || *mma < masa.minimo.numero || *mma > masa.maximo.numero)
            return error(kMasa, QStringLiteral("«%1» no es una masa de %2 a %3 kg")
                                    .arg(c[4])
                                    .arg(masa.minimo.numero, 0, 'f', 0)
                                    .arg(masa.maximo.numero, 0, 'f', 0));
        s.mma = mma;
    }
    if (c.size() > 5 && !c[5].isEmpty()) {
        s.obra = Obra(c[5]);
        if (!s.obra)
            return error(kObra, QStringLiteral("«%1» no es sí ni no").arg(c[5]));
    }
    return s;
}

} // namespace

RevisionDeLista RevisarLista(const QByteArray& csv, const CondicionesDeLista& condiciones, const TablaIndices& indices,
                             const TablaGasoleo& precios)
{
    RevisionDeLista r;
    bool primera = true;
    for (const auto& [numero, linea] : LineasCsv(csv)) {
        const QStringList c = LeerFilaCsv(linea, linea.contains(u';') ? u';' : u'\t');
        const bool cabecera = primera && !LeerFechaEscrita(c.value(1));
        primera = false;
        if (cabecera)
            continue;
        const auto s = LeerServicio(c, numero, r.errores);
        if (!s)
            continue;
        FilaRevisada f;
        f.servicio = *s;
        f.mma = s->mma.value_or(condiciones.calculo.mma);
        f.obra = s->obra.value_or(condiciones.obra);
        const RevisionPorFechas rf =
            RevisarPorFechas(indices, precios, s->precio, s->contrato, s->servicio, condiciones.umbralPct, f.mma,
                             f.obra, condiciones.calculo.cuotaCombustiblePct);
        if (!rf.revision) {
            // The month asked for is the field to fill in; dates the wrong way round are the service's.
            const bool faltaContrato =
                !rf.precios.faltan.empty() && rf.precios.faltan.front() == rf.precios.mesContrato;
            r.errores.push_back({numero, faltaContrato ? kContrato : kServicio, rf.error});
            continue;
        }
        f.precios = rf.precios;
        f.revision = *rf.revision;
        r.totalPactado += s->precio;
        r.totalIncremento += f.revision.incremento;
        r.totalRevisado += f.revision.precioRevisado;
        r.filas.push_back(f);
    }
    // Sums of figures already in cents: rounded only to drop the binary noise.
    r.totalPactado = Redondear(r.totalPactado, 2);
    r.totalIncremento = Redondear(r.totalIncremento, 2);
    r.totalRevisado = Redondear(r.totalRevisado, 2);
    return r;
}

QString RevisionDeListaCsv(const RevisionDeLista& r)
{
    QString t = FilaCsv({kReferencia, kContrato, kServicio, kPrecio, kMasa, kObra, QStringLiteral("mes de contrato"),
                         QStringLiteral("gasóleo de contrato (€/l)"), QStringLiteral("mes de servicio"),
                         QStringLiteral("gasóleo de servicio (€/l)"), QStringLiteral("G (%)"), QStringLiteral("IR"),
                         QStringLiteral("ΔP"), QStringLiteral("precio revisado")});
    for (const FilaRevisada& f : r.filas) {
        const ServicioARevisar& s = f.servicio;
        t += FilaCsv({s.referencia, s.contrato.toString(QStringLiteral("dd/MM/yyyy")),
                      s.servicio.toString(QStringLiteral("dd/MM/yyyy")), Cifra(s.precio, 2), Cifra(f.mma, 0),
                      f.obra ? QStringLiteral("sí") : QStringLiteral("no"), ClaveMes(f.precios.mesContrato),
                      TextoPrecio(*f.precios.contrato), ClaveMes(f.precios.mesServicio),
                      TextoPrecio(*f.precios.servicio), Cifra(f.revision.variacionPct, 2), Cifra(f.revision.indice, 2),
                      Cifra(f.revision.incremento, 2), Cifra(f.revision.precioRevisado, 2)});
    }
    t += FilaCsv({QStringLiteral("Total"),
                  {},
                  {},
                  Cifra(r.totalPactado, 2),
                  {},
                  {},
                  {},
                  {},
                  {},
                  {},
                  {},
                  {},
                  Cifra(r.totalIncremento, 2),
                  Cifra(r.totalRevisado, 2)});
    return t;
}

QString LineaDeError(const ErrorDeFila& e)
{
    return QStringLiteral("línea %1, %2: %3").arg(e.linea).arg(e.campo, e.mensaje);
}

} // namespace tarvia
