#include "engine/indirectos.h"

#include "core/campos.h"
#include "core/formato.h"
#include "core/redondear.h"
#include "engine/resultados.h"

#include <cmath>

namespace tarvia {

void Comentario(DocumentoMotor& doc, Columna c)
{
    // Written only while the indirect costs are entered as one total.
    if (doc.calculo.Columna(c)[campos::I::Desglosados].comoLogico() != false)
        return;

    Actualizar(doc); // the direct costs must be current
    const ValoresColumna& col = doc.calculo.Columna(c);
    const auto indirectos = col[campos::I::Total].comoNumero();
    const double directos = col[campos::R::Directos].numeroOCero();
    if (!indirectos || directos == 0)
        return; // nothing to relate them to: the caption stays
    const double p = Redondear(*indirectos / directos * 100, 1);
    if (std::isnan(p))
        return;

    // The share is shown as any box shows a number: a share of 0 leaves it out.
    doc.vista().comentario(c) =
        QStringLiteral("Los  Costes  Indirectos  anuales  representan  el") + QStringLiteral("\r\n") +
        Mostrar(Valor(p), 1, doc.calculo.MostrarCeros, doc.calculo.Local) + QStringLiteral("  %") +
        QStringLiteral("\r\n") + QStringLiteral("de  los  Costes  Directos.");
}

} // namespace tarvia
