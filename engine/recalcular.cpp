#include "engine/recalcular.h"

#include "core/catalogo.h"
#include "engine/recalcular_c.h"
#include "engine/recalcular_f1f2.h"
#include "engine/recalcular_f3i.h"
#include "engine/recalcular_v.h"
#include "engine/servicio.h"

namespace tarvia {

namespace {

void NormalizarValor(Valor& v, TipoCampo tipo)
{
    switch (tipo) {
    case TipoCampo::Texto:
        if (!v.esTexto())
            v = v.comoTexto();
        return;
    case TipoCampo::Opcion:
        if (!v.esLogico())
            if (const auto b = v.comoLogico())
                v = *b;
        return;
    default:
        if (!v.esNumero())
            if (const auto n = v.comoNumero())
                v = *n;
        return;
    }
}

void NormalizarColumna(ValoresColumna& col)
{
    // The catalogue lists each sheet's fields in index order, as the array holds them.
    for (Hoja h : TodasLasHojas) {
        const std::span<Valor> valores = col[h].valores();
        const auto campos = CamposDe(h);
        for (size_t k = 0; k < campos.size(); ++k)
            NormalizarValor(valores[k], campos[k].tipo);
    }
}

} // namespace

void Normalizar(Calculo& calculo)
{
    NormalizarColumna(calculo.Personal);
    NormalizarColumna(calculo.Referencia);
}

void Recalcular(DocumentoMotor& doc, Hoja hoja, Columna columna, int indice)
{
    if (!doc.normalizado)
        Normalizar(doc.calculo);
    Contexto x(doc, columna);
    switch (hoja) {
    case Hoja::C: RecalcularC(x, indice); return;
    case Hoja::F1: RecalcularF1(x, indice); return;
    case Hoja::F2: RecalcularF2(x, indice); return;
    case Hoja::F3: RecalcularF3(x, indice); return;
    case Hoja::V: RecalcularV(x, indice); return;
    case Hoja::I: RecalcularI(x, indice); return;
    case Hoja::S: RecalcularServicio(doc, indice); return;
    case Hoja::R: return; // results are the results sheet's own
    }
}

} // namespace tarvia
