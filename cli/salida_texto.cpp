#include "cli/salida_texto.h"

#include "cli/analisis.h"
#include "core/catalogo.h"
#include "core/formato.h"
#include "core/grupos.h"

#include <algorithm>
#include <array>

namespace tarvia::calc {

namespace {

// Rows of the cost structure top to bottom, as the results sheet lays them out.
struct Fila {
    int r;
    bool grupo;
};
constexpr std::array<Fila, campos::kFilasDeCostes.size()> kFilas = [] {
    std::array<Fila, campos::kFilasDeCostes.size()> filas{};
    for (size_t i = 0; i < filas.size(); ++i) {
        const CampoDeHoja r = campos::kFilasDeCostes[i];
        const bool grupo = campos::EsGrupoDeCostes(r);
        filas[i] = {r.i, grupo};
    }
    return filas;
}();

// The unit costs: what each one divides, and its two results (total and loaded).
struct Unitario {
    const char* nombre;
    const char* explicacion;
    int total;
    int enCarga; // 0: none
};
constexpr std::array<Unitario, 5> kUnitarios = {{
    {"C1", "costes totales por kilómetro", campos::R::C1.i, campos::R::C1EnCarga.i},
    {"C2", "costes totales por hora", campos::R::C2.i, campos::R::C2EnCarga.i},
    {"C3", "costes kilométricos por kilómetro", campos::R::C3.i, campos::R::C3EnCarga.i},
    {"C4", "costes temporales e indirectos por hora", campos::R::C4.i, campos::R::C4EnCarga.i},
    {"C5", "costes totales por tonelada-kilómetro", campos::R::C5.i, 0},
}};

constexpr int kAnchoRotulo = 54;

class Resumen {
public:
    Resumen(const Documento& doc, Columna c) : doc_(doc), c_(c) {}

    QString operator()() const
    {
        const Pantalla& p = doc_.pantalla;
        QString t = (c_ == Columna::S ? p.marcoPersonal(Hoja::R) : p.marcoReferencia(Hoja::R)) + u'\n';
        t += QStringLiteral("\nCostes Anuales").leftJustified(kAnchoRotulo) +
             QStringLiteral("Euros (€)").rightJustified(16) + QStringLiteral("%").rightJustified(8) + u'\n';
        for (const Fila& f : kFilas) {
            if (!Visible(f.r))
                continue;
            QString rotulo = QString::fromUtf8(CampoDe(Hoja::R, f.r).etiqueta);
            if (f.r == campos::R::Totales.i)
                rotulo += QStringLiteral(" (repercutidos a todos los servicios)");
            rotulo = (f.grupo ? QStringLiteral("  ") : QStringLiteral("      ")) + rotulo;
            t += rotulo.leftJustified(kAnchoRotulo) + Cifra(f.r).rightJustified(16) +
                 Cifra(campos::R::PorcentajeDe({Hoja::R, f.r}).i).rightJustified(8) + u'\n';
        }

        t += QStringLiteral("\nCostes unitarios\n");
        for (int r : {campos::R::Kilometros.i, campos::R::KilometrosEnCarga.i, campos::R::Horas.i,
                      campos::R::HorasEnCarga.i, campos::R::ToneladasKilometro.i})
            if (Visible(r))
                t += (QStringLiteral("  ") + QString::fromUtf8(CampoDe(Hoja::R, r).etiqueta))
                         .leftJustified(kAnchoRotulo) +
                     Cifra(r).rightJustified(16) + u'\n';
        for (const Unitario& u : kUnitarios) {
            if (!Visible(u.total))
                continue;
            QString linea = QStringLiteral("  %1 = ").arg(QString::fromUtf8(u.nombre)) + Unidad(u.total);
            if (u.enCarga)
                linea += Unidad(u.enCarga);
            t += linea.leftJustified(66) + QStringLiteral("(%1)\n").arg(QString::fromUtf8(u.explicacion));
        }
        return t;
    }

private:
    bool Visible(int r) const { return doc_.pantalla.caja(Hoja::R, c_, r).visible; }
    // "1,2345 €/km recorrido", padded for the next column.
    QString Unidad(int r) const
    {
        return Cifra(r).rightJustified(10) + u' ' + QString::fromUtf8(CampoDe(Hoja::R, r).unidad).leftJustified(18);
    }
    QString Cifra(int r) const
    {
        const auto x = doc_.calculo.Columna(c_).R(r).comoNumero();
        return x ? FormatearNumero(*x, Decimales(Hoja::R, r), doc_.calculo.Local) : QString();
    }

    const Documento& doc_;
    Columna c_;
};

constexpr int kServicios = 5;
constexpr int kAnchoServicio = 14;
constexpr int kAnchoServicios = 60; // the longest row caption and its bullet

// Service k's fields: its three entries and three prices, from 6k − 4.
int CampoServicio(int k, int fila) { return 6 * k - 4 + fila; }

bool TieneDatos(const Documento& doc, int k)
{
    for (int fila = 0; fila < 3; ++fila)
        if (doc.calculo.Personal.S(CampoServicio(k, fila)).numeroOCero() != 0)
            return true;
    return false;
}

// The service sheet, the columns with data only.
QString Servicios(const Documento& doc)
{
    std::vector<int> servicios;
    for (int k = 1; k <= kServicios; ++k)
        if (TieneDatos(doc, k))
            servicios.push_back(k);
    if (servicios.empty())
        return {};
    const Localizacion& loc = doc.calculo.Local;
    const auto cifra = [&](int i) {
        return FormatearNumero(doc.calculo.Personal.S(i).numeroOCero(), Decimales(Hoja::S, i), loc);
    };
    QString t = u'\n' + doc.pantalla.titulo(Hoja::S) + QStringLiteral("\n\n");
    t += (QStringLiteral("  ") + QString::fromUtf8(CampoDe(campos::S::C5).etiqueta)).leftJustified(kAnchoRotulo) +
         cifra(campos::S::C5.i).rightJustified(16) + u' ' + QString::fromUtf8(CampoDe(campos::S::C5).unidad) + u'\n';
    QString cabecera = QString().leftJustified(kAnchoServicios);
    for (int k : servicios)
        cabecera += QStringLiteral("Servicio %1").arg(k).rightJustified(kAnchoServicio);
    t += u'\n' + cabecera + u'\n';
    for (int fila = 0; fila < 6; ++fila) {
        const Campo& campo = CampoDe(Hoja::S, CampoServicio(1, fila));
        const QString rotulo = QString::fromUtf8(campo.etiqueta);
        QString linea = (fila < 3 ? QStringLiteral("  - ") + rotulo
                                  : QStringLiteral("  Coste por ") + rotulo.toLower() + QStringLiteral(" (€)"))
                            .leftJustified(kAnchoServicios);
        for (int k : servicios)
            linea += cifra(CampoServicio(k, fila)).rightJustified(kAnchoServicio);
        t += linea + u'\n';
    }
    return t;
}

} // namespace

QString ResumenTexto(const Documento& doc)
{
    return doc.pantalla.titulo(Hoja::R) + QStringLiteral("\n\n") + Resumen(doc, Columna::S)() + u'\n' +
           Resumen(doc, Columna::O)() + Servicios(doc);
}

namespace {

// "  Precio revisado   1.297,80 €": a caption, the figure right-aligned, its unit.
QString Linea(const QString& rotulo, const QString& cifra, const QString& unidad = {})
{
    return (QStringLiteral("  ") + rotulo).leftJustified(kAnchoRotulo) + cifra.rightJustified(16) +
           (unidad.isEmpty() ? QString() : u' ' + unidad) + u'\n';
}

QString EnUnaLinea(QString texto)
{
    texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return texto.simplified();
}

// The results a series is read by: the yearly total and the costs per km and per hour.
constexpr std::array<int, 3> kResultadosSerie = {campos::R::Totales.i, campos::R::C1.i, campos::R::C2.i};
constexpr int kAnchoSerie = 22;

QString SensibilidadTexto(const Argumentos::Serie& serie, const std::vector<PuntoSensibilidad>& puntos,
                          const Localizacion& loc)
{
    const Campo& campo = CampoDe(serie.hoja, serie.campo);
    QString rotulo = QString::fromUtf8(campo.etiqueta).trimmed();
    if (rotulo.endsWith(u'='))
        rotulo.chop(1);
    QString t =
        QStringLiteral("\nSensibilidad de %1 (%2)\n\n").arg(NombreCampo(serie.hoja, serie.campo), rotulo.trimmed());
    QString cabecera = (NombreCampo(serie.hoja, serie.campo) +
                        (*campo.unidad ? QStringLiteral(" (%1)").arg(QString::fromUtf8(campo.unidad)) : QString()))
                           .rightJustified(kAnchoSerie);
    for (int r : kResultadosSerie)
        cabecera += RotuloResultado(r).rightJustified(kAnchoSerie);
    t += cabecera + u'\n';
    const int decimales = std::max(0, campo.decimales);
    for (const PuntoSensibilidad& p : puntos) {
        QString linea = FormatearNumero(p.valor, decimales, loc).rightJustified(kAnchoSerie);
        if (p.rechazado) {
            linea += QStringLiteral("   rechazado: ") + EnUnaLinea(p.mensaje);
        } else {
            for (int r : kResultadosSerie)
                linea += CifraResultado(p.R, r, loc).rightJustified(kAnchoSerie);
        }
        t += linea + u'\n';
    }
    return t;
}

QString EquilibrioTexto(double precio, std::optional<int> km, const Localizacion& loc)
{
    QString t = QStringLiteral("\nPunto de equilibrio\n\n");
    t += Linea(QStringLiteral("Precio por kilómetro recorrido"), FormatearNumero(precio, 4, loc),
               QStringLiteral("€/km"));
    if (km)
        t += Linea(QStringLiteral("Kilómetros anuales a partir de los que C1 no lo supera"),
                   FormatearNumero(*km, 0, loc), QStringLiteral("km"));
    else
        t += QStringLiteral("  Ninguno: ni con los kilómetros anuales más altos que admite C.7 baja C1 hasta ese "
                            "precio.\n");
    return t;
}

QString MesUsado(const Mes& m, const PrecioGasoleo& p)
{
    return QStringLiteral("%1, %2").arg(NombreMes(m), p.origen == PrecioGasoleo::Origen::Usuario
                                                          ? QStringLiteral("sus precios")
                                                          : QStringLiteral("tabla oficial"));
}

QString RevisionTexto(const Argumentos::PedidoRevision& pedido, const Revision& r, const QString& aviso,
                      const PreciosPorFechas* porFechas, const QStringList& avisosPrecios, const Localizacion& loc)
{
    const QString euros = QStringLiteral("€"), pct = QStringLiteral("%");
    QString t = QStringLiteral("\nRevisión del precio por el gasóleo\n\n");
    t += Linea(QStringLiteral("Precio pactado"), FormatearNumero(pedido.precio, 2, loc), euros);
    if (porFechas) {
        // The figures as published, with all their decimals.
        t += Linea(QStringLiteral("Gasóleo del mes del contrato"),
                   FormatearNumero(porFechas->contrato->euros, porFechas->contrato->decimales, loc),
                   QStringLiteral("€/l (%1)").arg(MesUsado(porFechas->mesContrato, *porFechas->contrato)));
        t += Linea(QStringLiteral("Gasóleo del mes del transporte"),
                   FormatearNumero(porFechas->servicio->euros, porFechas->servicio->decimales, loc),
                   QStringLiteral("€/l (%1)").arg(MesUsado(porFechas->mesServicio, *porFechas->servicio)));
    } else {
        t += Linea(QStringLiteral("Gasóleo en la fecha del contrato"), FormatearNumero(pedido.contrato, 3, loc),
                   QStringLiteral("€/l"));
        t += Linea(QStringLiteral("Gasóleo en la fecha del transporte"), FormatearNumero(pedido.servicio, 3, loc),
                   QStringLiteral("€/l"));
    }
    t += Linea(QStringLiteral("Variación del gasóleo"), FormatearNumero(r.variacionPct, 2, loc), pct);
    t += Linea(QStringLiteral("Índice de repercusión"), FormatearNumero(r.indice, 2, loc));
    t += Linea(QStringLiteral("Se revisa (umbral del %1 %)").arg(FormatearNumero(pedido.umbral, 2, loc)),
               r.aplica ? QStringLiteral("sí") : QStringLiteral("no"));
    t += Linea(QStringLiteral("Incremento"), FormatearNumero(r.incremento, 2, loc), euros);
    t += Linea(QStringLiteral("Precio revisado"), FormatearNumero(r.precioRevisado, 2, loc), euros);
    t += Linea(QStringLiteral("Cuota del combustible en su cálculo"), FormatearNumero(r.cuotaCombustiblePct, 1, loc),
               pct);
    t += Linea(QStringLiteral("Incremento con esa cuota"), FormatearNumero(r.incrementoCuotaPropia, 2, loc), euros);
    if (!aviso.isEmpty())
        t += QStringLiteral("  ") + aviso + u'\n';
    if (porFechas)
        for (const QString& a : avisosPrecios)
            t += QStringLiteral("  ") + a + u'\n';
    return t;
}

QString ListaTexto(const RevisionDeLista& r, const QString& aviso, const QStringList& avisosPrecios,
                   const Localizacion& loc)
{
    QString t = QStringLiteral("\nRevisión de una lista de servicios por el gasóleo\n\n");
    t += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
             .arg(QStringLiteral("Referencia").leftJustified(16), QStringLiteral("Contrato").leftJustified(10),
                  QStringLiteral("Servicio").leftJustified(10), QStringLiteral("Precio").rightJustified(12),
                  QStringLiteral("G (%)").rightJustified(8), QStringLiteral("IR").rightJustified(5),
                  QStringLiteral("ΔP").rightJustified(10), QStringLiteral("Revisado").rightJustified(12));
    for (const FilaRevisada& f : r.filas)
        t += QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
                 .arg(f.servicio.referencia.left(16).leftJustified(16), FormatearFecha(f.servicio.contrato, loc),
                      FormatearFecha(f.servicio.servicio, loc),
                      FormatearNumero(f.servicio.precio, 2, loc).rightJustified(12),
                      FormatearNumero(f.revision.variacionPct, 2, loc).rightJustified(8),
                      FormatearNumero(f.revision.indice, 2, loc).rightJustified(5),
                      FormatearNumero(f.revision.incremento, 2, loc).rightJustified(10),
                      FormatearNumero(f.revision.precioRevisado, 2, loc).rightJustified(12));
    t += QStringLiteral("\n");
    t += Linea(QStringLiteral("Servicios revisados"), QString::number(r.filas.size()));
    t += Linea(QStringLiteral("Filas que no se pudieron revisar"), QString::number(r.errores.size()));
    t += Linea(QStringLiteral("Total pactado"), FormatearNumero(r.totalPactado, 2, loc), QStringLiteral("€"));
    t += Linea(QStringLiteral("Total de los incrementos"), FormatearNumero(r.totalIncremento, 2, loc),
               QStringLiteral("€"));
    t += Linea(QStringLiteral("Total revisado"), FormatearNumero(r.totalRevisado, 2, loc), QStringLiteral("€"));
    if (!aviso.isEmpty())
        t += QStringLiteral("  ") + aviso + u'\n';
    for (const QString& a : avisosPrecios)
        t += QStringLiteral("  ") + a + u'\n';
    return t;
}

QString PresupuestoTexto(const Presupuesto& p, const Localizacion& loc)
{
    static const char* const kBases[] = {"por kilómetros", "por horas", "por kilómetros y horas"};
    const QString euros = QStringLiteral("€");
    QString t = QStringLiteral("\nPresupuesto del servicio %1 (%2)\n\n")
                    .arg(p.servicio)
                    .arg(QString::fromUtf8(kBases[static_cast<int>(p.base)]));
    t += Linea(QStringLiteral("Coste"), FormatearNumero(p.coste, 2, loc), euros);
    t += Linea(QStringLiteral("Margen sobre el coste"), FormatearNumero(p.margenPct, 2, loc), QStringLiteral("%"));
    t += Linea(QStringLiteral("Precio sin IVA"), FormatearNumero(p.precio, 2, loc), euros);
    t += Linea(QStringLiteral("IVA (%1 %)").arg(FormatearNumero(p.ivaPct, 0, loc)), FormatearNumero(p.iva, 2, loc),
               euros);
    t += Linea(QStringLiteral("Total"), FormatearNumero(p.total, 2, loc), euros);
    return t;
}

} // namespace

QString AnalisisTexto(const Argumentos& args, const Analisis& a, const Localizacion& loc)
{
    QString t;
    if (a.sensibilidad)
        t += SensibilidadTexto(*args.sensibilidad, *a.sensibilidad, loc);
    if (a.equilibrio)
        t += EquilibrioTexto(*args.equilibrio, *a.equilibrio, loc);
    if (a.revision)
        t += RevisionTexto(*args.revision, *a.revision, a.avisoIndices,
                           a.preciosPorFechas ? &*a.preciosPorFechas : nullptr, a.avisosPrecios, loc);
    if (a.lista)
        t += ListaTexto(*a.lista, a.avisoIndices, a.avisosPrecios, loc);
    if (a.presupuesto)
        t += PresupuestoTexto(*a.presupuesto, loc);
    return t;
}

QString LineaMensaje(const Mensaje& m)
{
    QString texto = m.texto;
    texto.replace(QStringLiteral("\r\n\r\n"), QStringLiteral(" "));
    texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    const QString origen =
        m.campo.isEmpty() ? QString() : QStringLiteral(" (%1 = «%2»)").arg(m.campo, m.textoIntroducido);
    return QStringLiteral("%1%2: %3").arg(m.titulo, origen, texto.trimmed());
}

QString LineaAviso(const Aviso& a)
{
    return QStringLiteral("Aviso (%1): %2")
        .arg(a.columna == Columna::S ? QStringLiteral("personal") : QStringLiteral("referencia"), a.mensaje);
}

} // namespace tarvia::calc
