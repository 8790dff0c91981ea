#include "cli/campos.h"

#include "cli/avisos.h"
#include "core/catalogo.h"

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

} // namespace

QString ListaDeCampos(std::optional<Hoja> hoja, const Localizacion& loc)
{
    QString texto;
    for (const Campo& c : Catalogo())
        if (!hoja || c.hoja == *hoja)
            texto += Linea(c, loc) + u'\n';
    return texto;
}

} // namespace tarvia::calc
