#include "cli/campos.h"

#include "cli/avisos.h"
#include "core/catalogo.h"
#include "core/grupos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvia::calc {

namespace {

QString Clase(const Campo& c)
{
    switch (c.tipo) {
    case TipoCampo::Entrada: return c.totalDeGrupo ? QStringLiteral("entrada (total)") : QStringLiteral("entrada");
    case TipoCampo::Texto: return QStringLiteral("texto");
    case TipoCampo::Opcion: return QStringLiteral("opción (--opcion 1 o 2)");
    case TipoCampo::Derivado: return QStringLiteral("calculado");
    case TipoCampo::Resultado: return QStringLiteral("resultado");
    }
    return {};
}

QString Linea(const Campo& c, const Localizacion& loc)
{
    QString rotulo = QString::fromUtf8(c.etiqueta);
    if (*c.unidad)
        rotulo += QStringLiteral(" [%1]").arg(QString::fromUtf8(c.unidad));
    QString detalle = Clase(c);
    if (c.esNumerico())
        detalle += c.decimales == 1 ? QStringLiteral(", 1 decimal") : QStringLiteral(", %1 decimales").arg(c.decimales);
    if (c.minimo.clase == Limite::Clase::Numerico && c.maximo.clase == Limite::Clase::Numerico)
        detalle += QStringLiteral(", de %1 a %2")
                       .arg(Mostrar(c.minimo.comoValor(), c.decimales, true, loc),
                            Mostrar(c.maximo.comoValor(), c.decimales, true, loc));
    if (c.ceroPermitido)
        detalle += QStringLiteral(" (o 0)");
    return QStringLiteral("%1\t%2\t%3").arg(NombreCampo(c.hoja, c.indice), rotulo, detalle);
}

// A field as a script reads it: [sheet, number].
QJsonArray Ref(CampoDeHoja c) { return {QString::fromUtf8(Codigo(c.hoja)), c.i}; }

template <class Lista>
QJsonArray Refs(const Lista& campos)
{
    QJsonArray a;
    for (CampoDeHoja c : campos)
        a.append(Ref(c));
    return a;
}

QJsonObject CampoEnJson(const Campo& c)
{
    QJsonObject o{{QStringLiteral("hoja"), QString::fromUtf8(Codigo(c.hoja))},
                  {QStringLiteral("indice"), c.indice},
                  {QStringLiteral("rotulo"), QString::fromUtf8(c.etiqueta)},
                  {QStringLiteral("unidad"), QString::fromUtf8(c.unidad)},
                  {QStringLiteral("clase"), Clase(c)},
                  {QStringLiteral("decimales"), c.decimales}};
    for (const campos::NombreDeCampo& n : campos::kNombresDeCampos)
        if (n.campo == CampoDeHoja{c.hoja, c.indice})
            o.insert(QStringLiteral("nombre"), QString::fromUtf8(n.nombre));
    return o;
}

QJsonArray Bienes()
{
    QJsonArray bienes;
    for (const campos::Bien& b : campos::kBienes) {
        QJsonObject o{{QStringLiteral("nombre"), b.nombre},        {QStringLiteral("opcion"), Ref(b.opcion)},
                      {QStringLiteral("tarifa"), Ref(b.tarifa)},   {QStringLiteral("vida"), Ref(b.vida)},
                      {QStringLiteral("precio"), Ref(b.precio)},   {QStringLiteral("residual"), Ref(b.residual)},
                      {QStringLiteral("capital"), Ref(b.capital)}, {QStringLiteral("periodo"), Ref(b.periodo)},
                      {QStringLiteral("interes"), Ref(b.interes)}};
        if (b.costeAnual)
            o.insert(QStringLiteral("costeAnual"), Ref(*b.costeAnual));
        bienes.append(o);
    }
    return bienes;
}

QJsonArray Servicios()
{
    QJsonArray servicios;
    for (const campos::S::Servicio& s : campos::S::kServicios)
        servicios.append(QJsonObject{{QStringLiteral("costes"), Ref(s.costes)},
                                     {QStringLiteral("kilometros"), Ref(s.kilometros)},
                                     {QStringLiteral("horas"), Ref(s.horas)},
                                     {QStringLiteral("precioKilometros"), Ref(s.precioKilometros)},
                                     {QStringLiteral("precioHoras"), Ref(s.precioHoras)},
                                     {QStringLiteral("precioAmbos"), Ref(s.precioAmbos)}});
    return servicios;
}

QJsonObject Grupos()
{
    using namespace campos;
    QJsonArray desglosables, neumaticos, carburantes;
    for (const GrupoDesglosable& g : kGruposDesglosables)
        desglosables.append(QJsonObject{{QStringLiteral("nombre"), g.nombre},
                                        {QStringLiteral("opcion"), Ref(g.opcion)},
                                        {QStringLiteral("total"), Ref(g.total)},
                                        {QStringLiteral("partes"), Refs(g.partes)}});
    std::vector<GrupoNeumaticos> ruedas(kNeumaticosTractor.begin(), kNeumaticosTractor.end());
    ruedas.push_back(kNeumaticosSemirremolque);
    for (const GrupoNeumaticos& g : ruedas)
        neumaticos.append(QJsonObject{{QStringLiteral("nombre"), g.nombre},
                                      {QStringLiteral("numero"), Ref(g.numero)},
                                      {QStringLiteral("precio"), Ref(g.precio)},
                                      {QStringLiteral("duracion"), Ref(g.duracion)}});
    for (const GrupoCarburante& g : {kCarburanteEspana, kCarburanteExtranjero, kCarburanteEquipos})
        carburantes.append(QJsonObject{{QStringLiteral("nombre"), g.nombre},
                                       {QStringLiteral("precio"), Ref(g.precio)},
                                       {QStringLiteral("porcentajeDescuento"), Ref(g.porcentajeDescuento)},
                                       {QStringLiteral("descuento"), Ref(g.descuento)},
                                       {QStringLiteral("iva"), Ref(g.iva)},
                                       {QStringLiteral("ivaPorLitro"), Ref(g.ivaPorLitro)},
                                       {QStringLiteral("precioSinIva"), Ref(g.precioSinIva)}});
    const QJsonObject resultados{{QStringLiteral("filas"), Refs(kFilasDeCostes)},
                                 {QStringLiteral("grupos"), Refs(kGruposDeCostes)},
                                 {QStringLiteral("detalleIndirectos"), Refs(kDetalleIndirectos)},
                                 {QStringLiteral("grafico"), Refs(kPorcionesDelGrafico)},
                                 {QStringLiteral("comparacion"), Refs(kFilasComparacion)},
                                 {QStringLiteral("cuotaCombustible"), Ref(R::CuotaCombustible)}};
    return {{QStringLiteral("desglosables"), desglosables}, {QStringLiteral("neumaticos"), neumaticos},
            {QStringLiteral("carburantes"), carburantes},   {QStringLiteral("bienes"), Bienes()},
            {QStringLiteral("servicios"), Servicios()},     {QStringLiteral("resultados"), resultados}};
}

} // namespace

QString CamposEnJson(std::optional<Hoja> hoja)
{
    QJsonArray lista;
    for (const Campo& c : Catalogo())
        if (!hoja || c.hoja == *hoja)
            lista.append(CampoEnJson(c));
    const QJsonObject todo{{QStringLiteral("campos"), lista}, {QStringLiteral("grupos"), Grupos()}};
    return QString::fromUtf8(QJsonDocument(todo).toJson(QJsonDocument::Indented));
}

QString ListaDeCampos(std::optional<Hoja> hoja, const Localizacion& loc)
{
    QString texto;
    for (const Campo& c : Catalogo())
        if (!hoja || c.hoja == *hoja)
            texto += Linea(c, loc) + u'\n';
    return texto;
}

} // namespace tarvia::calc
