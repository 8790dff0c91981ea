#include "engine/mostrar.h"

#include "core/catalogo.h"
#include "core/formato.h"

namespace tarvia {

void MostrarCampo(DocumentoMotor& doc, Hoja h, Columna c, int i)
{
    MostrarCampo(doc, h, c, i, doc.calculo.MostrarCeros);
}

void MostrarCampo(DocumentoMotor& doc, Hoja h, Columna c, int i, bool mostrarCeros)
{
    const Valor& v = doc.calculo.Columna(c)[h](i);
    doc.vista().caja(h, c, i).texto = Mostrar(v, Decimales(h, i), mostrarCeros, doc.calculo.Local);
}

void VaciarCaja(DocumentoMotor& doc, Hoja h, Columna c, int i) { doc.vista().caja(h, c, i).texto.clear(); }

} // namespace tarvia
