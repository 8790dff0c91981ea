#include "engine/opciones.h"

#include "core/catalogo.h"
#include "core/grupos.h"
#include "engine/indirectos.h"
#include "engine/mostrar.h"
#include "engine/recalcular.h"

#include <initializer_list>
#include <vector>

namespace tarvia {

using namespace campos;

namespace {

Caja& CajaPersonal(DocumentoMotor& doc, CampoDeHoja c) { return doc.vista().caja(c.hoja, Columna::S, c.i); }

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
void ActivarNeumaticosSemi(DocumentoMotor& doc, Columna col, CampoDeHoja campo)
{
    Caja& caja = doc.vista().caja(campo.hoja, col, campo.i);
    if (col == Columna::S) {
        caja.habilitado = true;
        caja.fondo = CajaPersonal(doc, V::PrecioGasoleoEspanaConIva).fondo;
    }
    MostrarCampo(doc, campo.hoja, col, campo.i);
}

void Semirremolque(DocumentoMotor& doc, Columna col, bool compra)
{
    ValoresColumna& v = doc.calculo.Columna(col);
    v[F2::Compra] = compra;
    FormaDeAdquisicion(doc, col, compra, {Marco::F2SemiAmortizacion, Marco::F2SemiFinanciacion},
                       Marco::F2SemiCosteAnual);
    const GrupoNeumaticos& semi = kNeumaticosSemirremolque;
    const bool sinPrecio = !(v[F2::PrecioTarifa].numeroOCero() > 0);
    if (compra && sinPrecio) {
        for (CampoDeHoja c : {semi.numero, semi.precio, semi.duracion}) {
            Caja& caja = doc.vista().caja(c.hoja, col, c.i);
            if (col == Columna::S) {
                caja.habilitado = false;
                caja.fondo = CajaPersonal(doc, V::Mantenimiento).fondo;
            }
            VaciarCaja(doc, c.hoja, col, c.i);
        }
        return;
    }
    ActivarNeumaticosSemi(doc, col, semi.numero);
    if (v[semi.numero].numeroOCero() > 0) {
        ActivarNeumaticosSemi(doc, col, semi.precio);
        ActivarNeumaticosSemi(doc, col, semi.duracion);
    }
}

// The group an F3 option chooses the form of.
const GrupoDesglosable& GrupoDe(int opcion)
{
    return opcion == F3::DietasDesglosadas.i ? kDietas : opcion == F3::SegurosDesglosados.i ? kSeguros : kFiscales;
}

// The inputs of a group entered part by part, in the order they are recalculated.
std::span<const CampoDeHoja> EntradasDe(const GrupoDesglosable& g)
{
    return g.opcion == kDietas.opcion ? std::span<const CampoDeHoja>(kEntradasDietas) : g.partes;
}

void Editable(Caja& caja, bool si)
{
    caja.habilitado = si;
    caja.fondo = si ? Fondo::Editable : Fondo::SoloLectura;
}

void GrupoPersonalF3(DocumentoMotor& doc, const GrupoDesglosable& g, bool desglosado)
{
    doc.calculo.Personal[g.opcion] = desglosado;
    Caja& total = CajaPersonal(doc, g.total);
    if (!desglosado) {
        for (CampoDeHoja c : g.partes) {
            Editable(CajaPersonal(doc, c), false);
            VaciarCaja(doc, c.hoja, Columna::S, c.i);
        }
        Editable(total, true);
        return;
    }
    Editable(total, false); // keeps its text until the parts recompute it
    std::vector<CampoDeHoja> entradas;
    for (CampoDeHoja c : EntradasDe(g)) {
        // The days with diet are offered only when there is a daily diet.
        if (c == F3::DiasConDieta && doc.calculo.Personal[F3::DietaDiaria].numeroOCero() == 0)
            continue;
        entradas.push_back(c);
    }
    for (CampoDeHoja c : entradas) {
        Editable(CajaPersonal(doc, c), true);
        MostrarCampo(doc, c.hoja, Columna::S, c.i);
    }
    for (CampoDeHoja c : entradas)
        Recalcular(doc, c.hoja, Columna::S, c.i);
}

void GrupoReferenciaF3(DocumentoMotor& doc, const GrupoDesglosable& g, bool desglosado)
{
    if (desglosado)
        return;
    for (CampoDeHoja c : g.partes)
        VaciarCaja(doc, c.hoja, Columna::O, c.i);
}

void Indirectos(DocumentoMotor& doc, Columna col, bool desglosado)
{
    Vista& p = doc.vista();
    const GrupoDesglosable& g = kIndirectos;
    const auto caja = [&](CampoDeHoja c) -> Caja& { return p.caja(c.hoja, col, c.i); };
    if (col == Columna::S) {
        doc.calculo.Personal[g.opcion] = desglosado;
        if (desglosado) {
            p.comentario(col).clear();
            for (CampoDeHoja c : g.partes)
                caja(c).visible = true;
            Editable(caja(g.total), false);
            for (CampoDeHoja c : g.partes) {
                Editable(caja(c), true);
                MostrarCampo(doc, c.hoja, col, c.i);
            }
            for (CampoDeHoja c : g.partes)
                Recalcular(doc, c.hoja, col, c.i);
        } else {
            for (CampoDeHoja c : g.partes) {
                VaciarCaja(doc, c.hoja, col, c.i);
                Caja& parte = caja(c);
                parte.habilitado = false;
                parte.visible = false;
            }
            Editable(caja(g.total), true);
            p.comentarioFijado(col) = true;
        }
        Comentario(doc, col);
        return;
    }
    // The reference column only shows what was loaded.
    for (CampoDeHoja c : g.partes)
        caja(c).visible = desglosado;
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
        doc.calculo.Columna(col)[F1::Compra] = primero;
        FormaDeAdquisicion(doc, col, primero, {Marco::F1Amortizacion, Marco::F1Financiacion, Marco::F1Carrozado},
                           Marco::F1CosteAnual);
        return;
    case Hoja::F2:
        if (campo == F2::Compra.i) {
            Semirremolque(doc, col, primero);
        } else {
            doc.calculo.Columna(col)[F2::EquiposCompra] = primero;
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
