#include "engine/opciones.h"

#include "core/catalogo.h"
#include "engine/indirectos.h"
#include "engine/mostrar.h"
#include "engine/recalcular.h"

#include <initializer_list>
#include <vector>

namespace tarvia {

namespace {

void Marcos(DocumentoMotor& doc, Columna col, std::initializer_list<Marco> marcos, bool visible)
{
    for (Marco m : marcos)
        doc.vista().marcoVisible(m, col) = visible;
}

// Purchase shows the amortisation and financing frames, any other form the
// yearly cost frame; hidden fields keep their values.
void FormaDeAdquisicion(DocumentoMotor& doc, Columna col, bool compra, std::initializer_list<Marco> deCompra,
                        Marco costeAnual)
{
    Marcos(doc, col, deCompra, compra);
    doc.vista().marcoVisible(costeAnual, col) = !compra;
}

// The semitrailer's tyres on sheet V follow its acquisition.
void ActivarNeumaticosSemi(DocumentoMotor& doc, Columna col, int campo)
{
    Caja& caja = doc.vista().caja(Hoja::V, col, campo);
    if (col == Columna::S) {
        caja.habilitado = true;
        caja.fondo = doc.vista().caja(Hoja::V, Columna::S, 1).fondo;
    }
    MostrarCampo(doc, Hoja::V, col, campo);
}

void Semirremolque(DocumentoMotor& doc, Columna col, bool compra)
{
    ValoresColumna& v = doc.calculo.Columna(col);
    v.F2(1) = compra;
    FormaDeAdquisicion(doc, col, compra, {Marco::F2SemiAmortizacion, Marco::F2SemiFinanciacion},
                       Marco::F2SemiCosteAnual);
    const bool sinPrecio = !(v.F2(2).numeroOCero() > 0);
    if (compra && sinPrecio) {
        for (int i : {25, 26, 27}) {
            Caja& caja = doc.vista().caja(Hoja::V, col, i);
            if (col == Columna::S) {
                caja.habilitado = false;
                caja.fondo = doc.vista().caja(Hoja::V, Columna::S, 29).fondo;
            }
            VaciarCaja(doc, Hoja::V, col, i);
        }
        return;
    }
    ActivarNeumaticosSemi(doc, col, 25);
    if (v.V(25).numeroOCero() > 0) {
        ActivarNeumaticosSemi(doc, col, 26);
        ActivarNeumaticosSemi(doc, col, 27);
    }
}

// An F3 group entered broken down or as a total.
struct GrupoF3 {
    int opcion;
    int total;
    std::vector<int> entradas; // breakdown inputs, in the order they are recalculated
    std::vector<int> partes;   // every part, inputs and derived
};

const GrupoF3& GrupoDe(int opcion)
{
    static const GrupoF3 dietas{2, 8, {3, 4, 6}, {3, 4, 6, 5, 7}};
    static const GrupoF3 seguros{
        9, 18, {10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31}, {10, 11, 12, 13, 14, 15, 16, 17, 29, 30, 31}};
    static const GrupoF3 fiscales{19, 28, {20, 21, 22, 23, 24, 25, 26, 27}, {20, 21, 22, 23, 24, 25, 26, 27}};
    return opcion == 2 ? dietas : opcion == 9 ? seguros : fiscales;
}

void Editable(Caja& caja, bool si)
{
    caja.habilitado = si;
    caja.fondo = si ? Fondo::Editable : Fondo::SoloLectura;
}

void GrupoPersonalF3(DocumentoMotor& doc, const GrupoF3& g, bool desglosado)
{
    doc.calculo.Personal.F3(g.opcion) = desglosado;
    Caja& total = doc.vista().caja(Hoja::F3, Columna::S, g.total);
    if (!desglosado) {
        for (int i : g.partes) {
            Editable(doc.vista().caja(Hoja::F3, Columna::S, i), false);
            VaciarCaja(doc, Hoja::F3, Columna::S, i);
        }
        Editable(total, true);
        return;
    }
    Editable(total, false); // keeps its text until the parts recompute it
    std::vector<int> entradas;
    for (int i : g.entradas) {
        // The days with diet are offered only when there is a daily diet.
        if (g.opcion == 2 && i == 4 && doc.calculo.Personal.F3(3).numeroOCero() == 0)
            continue;
        entradas.push_back(i);
    }
    for (int i : entradas) {
        Editable(doc.vista().caja(Hoja::F3, Columna::S, i), true);
        MostrarCampo(doc, Hoja::F3, Columna::S, i);
    }
    for (int i : entradas)
        Recalcular(doc, Hoja::F3, Columna::S, i);
}

void GrupoReferenciaF3(DocumentoMotor& doc, const GrupoF3& g, bool desglosado)
{
    if (desglosado)
        return;
    for (int i : g.partes)
        VaciarCaja(doc, Hoja::F3, Columna::O, i);
}

void Indirectos(DocumentoMotor& doc, Columna col, bool desglosado)
{
    Vista& p = doc.vista();
    if (col == Columna::S) {
        doc.calculo.Personal.I(1) = desglosado;
        if (desglosado) {
            p.comentario(col).clear();
            for (int i : {2, 3, 4})
                p.caja(Hoja::I, col, i).visible = true;
            Editable(p.caja(Hoja::I, col, 5), false);
            for (int i : {2, 3, 4}) {
                Editable(p.caja(Hoja::I, col, i), true);
                MostrarCampo(doc, Hoja::I, col, i);
            }
            for (int i : {2, 3, 4})
                Recalcular(doc, Hoja::I, col, i);
        } else {
            for (int i : {2, 3, 4}) {
                VaciarCaja(doc, Hoja::I, col, i);
                Caja& caja = p.caja(Hoja::I, col, i);
                caja.habilitado = false;
                caja.visible = false;
            }
            Editable(p.caja(Hoja::I, col, 5), true);
            p.comentarioFijado(col) = true;
        }
        Comentario(doc, col);
        return;
    }
    // The reference column only shows what was loaded.
    for (int i : {2, 3, 4})
        p.caja(Hoja::I, col, i).visible = desglosado;
    if (desglosado) {
        p.comentario(col).clear();
        return;
    }
    p.comentarioFijado(col) = true;
    Comentario(doc, col);
}

} // namespace

bool EsOpcion(Hoja hoja, int campo)
{
    return hoja != Hoja::R && campo >= 1 && campo <= NumeroDeCampos(hoja) && EsCampoOpcion(hoja, campo);
}

void PulsarOpcion(DocumentoMotor& doc, Hoja hoja, Columna col, int campo, int boton)
{
    if (!EsOpcion(hoja, campo) || (boton != 1 && boton != 2))
        return;
    doc.vista().opcion(hoja, col, campo) = boton;
    const bool primero = boton == 1;
    switch (hoja) {
    case Hoja::F1:
        doc.calculo.Columna(col).F1(1) = primero;
        FormaDeAdquisicion(doc, col, primero, {Marco::F1Amortizacion, Marco::F1Financiacion, Marco::F1Carrozado},
                           Marco::F1CosteAnual);
        return;
    case Hoja::F2:
        if (campo == 1) {
            Semirremolque(doc, col, primero);
        } else {
            doc.calculo.Columna(col).F2(13) = primero;
            FormaDeAdquisicion(doc, col, primero, {Marco::F2EquipoAmortizacion, Marco::F2EquipoFinanciacion},
                               Marco::F2EquipoCosteAnual);
        }
        return;
    case Hoja::F3:
        if (col == Columna::S)
            GrupoPersonalF3(doc, GrupoDe(campo), primero);
        else
            GrupoReferenciaF3(doc, GrupoDe(campo), primero);
        return;
    case Hoja::I: Indirectos(doc, col, primero); return;
    default: return;
    }
}

} // namespace tarvia
