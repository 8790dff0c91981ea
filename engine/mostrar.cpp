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
    if (doc.pendientes.activo) {
        doc.pendientes(h, c, i) =
            mostrarCeros ? DocumentoMotor::CajasPendientes::MostrarConCeros : DocumentoMotor::CajasPendientes::Mostrar;
        return;
    }
    const Valor& v = doc.calculo.Columna(c)[h](i);
    doc.vista().caja(h, c, i).texto = Mostrar(v, Decimales(h, i), mostrarCeros, doc.calculo.Local);
}

void VaciarCaja(DocumentoMotor& doc, Hoja h, Columna c, int i)
{
    if (doc.pendientes.activo)
        doc.pendientes(h, c, i) = DocumentoMotor::CajasPendientes::Ninguna;
    doc.vista().caja(h, c, i).texto.clear();
}

void MostrarPendientes(DocumentoMotor& doc)
{
    DocumentoMotor::CajasPendientes& p = doc.pendientes;
    p.activo = false;
    for (Hoja h : TodasLasHojas)
        for (Columna c : {Columna::S, Columna::O})
            for (int i = 1; i <= NumeroDeCampos(h); ++i) {
                auto& marca = p(h, c, i);
                if (marca != DocumentoMotor::CajasPendientes::Ninguna)
                    MostrarCampo(doc, h, c, i, marca == DocumentoMotor::CajasPendientes::MostrarConCeros);
                marca = DocumentoMotor::CajasPendientes::Ninguna;
            }
}

} // namespace tarvia
