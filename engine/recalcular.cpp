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
    for (Hoja h : TodasLasHojas) {
        Arreglo& a = col[h];
        const auto campos = CamposDe(h);
        for (const Campo& c : campos)
            NormalizarValor(a(c.indice), c.tipo);
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
