// Showing a loaded calculation: captions, options, values and every chain.
#include "engine/repartir.h"

#include "core/formato.h"
#include "core/grupos.h"
#include "engine/mostrar.h"
#include "engine/opciones.h"
#include "engine/recalcular.h"
#include "engine/resultados.h"
#include "engine/servicio.h"

#include <array>
#include <vector>

namespace tarvia {

using namespace campos;

namespace {

QString ConFecha(QDate fecha, const Localizacion& loc)
{
    return QStringLiteral(" (") + FormatearFecha(fecha, loc) + u')';
}

void Rotulos(DocumentoMotor& doc)
{
    const Calculo& c = doc.calculo;
    const QString descripcion = c.Personal[C::Descripcion].comoTexto();
    for (Hoja h : TodasLasHojas) {
        Vista& p = doc.vista();
        p.titulo(h) = QString::fromUtf8(TituloHoja(h)) + QStringLiteral("     (") + descripcion + u')';
        p.marcoPersonal(h) += ConFecha(c.Personal.Fecha, c.Local);
        if (h != Hoja::S)
            p.marcoReferencia(h) += ConFecha(c.Referencia.Fecha, c.Local);
    }
}

// A box shown empty after loading while the field that governs it is 0.
struct Vaciado {
    CampoDeHoja campo;
    double valor; // the governing value that empties the boxes
    std::vector<CampoDeHoja> cajas;
};

const std::array<Vaciado, 16> kVaciados = {{
    // NOLINT: built once
    {C::HorasAnuales, 0, {C::PorcentajeHorasEnCarga, C::DiasAnuales}},
    {F1::PorcentajeFinanciado, 0, {F1::PeriodoFinanciacion, F1::Interes}},
    {F1::CarrozadoPrecioTarifa,
     0,
     {F1::CarrozadoDescuento, F1::CarrozadoVidaUtil, F1::CarrozadoPorcentajeResidual, F1::CarrozadoPorcentajeFinanciado,
      F1::CarrozadoPeriodoFinanciacion, F1::CarrozadoInteres}},
    {F1::CarrozadoPorcentajeFinanciado, 0, {F1::CarrozadoPeriodoFinanciacion, F1::CarrozadoInteres}},
    {F2::PrecioTarifa,
     0,
     {F2::Descuento, F2::VidaUtil, F2::PorcentajeResidual, F2::PorcentajeFinanciado, F2::PeriodoFinanciacion,
      F2::Interes, F2::PorcentajeNeumaticos}},
    {F2::PorcentajeFinanciado, 0, {F2::PeriodoFinanciacion, F2::Interes}},
    {F2::EquiposPrecioTarifa,
     0,
     {F2::EquiposDescuento, F2::EquiposVidaUtil, F2::EquiposPorcentajeResidual, F2::EquiposPorcentajeFinanciado,
      F2::EquiposPeriodoFinanciacion, F2::EquiposInteres}},
    {F2::EquiposPorcentajeFinanciado, 0, {F2::EquiposPeriodoFinanciacion, F2::EquiposInteres}},
    {F3::DietaDiaria, 0, {F3::DiasConDieta}},
    {V::PorcentajeEspana,
     0,
     {kCarburanteEspana.precio, kCarburanteEspana.descuento, kCarburanteEspana.iva, V::DevolucionProfesional}},
    {V::PorcentajeEspana,
     100,
     {kCarburanteExtranjero.precio, kCarburanteExtranjero.descuento, kCarburanteExtranjero.iva}},
    {kCarburanteEquipos.precio,
     0,
     {kCarburanteEquipos.descuento, kCarburanteEquipos.iva, V::ConsumoEquipos, V::HorasEquipos}},
    {V::NumeroDireccionales, 0, {V::PrecioDireccionales, V::DuracionDireccionales}},
    {V::NumeroMotrices, 0, {V::PrecioMotrices, V::DuracionMotrices}},
    {V::NumeroArrastre, 0, {V::PrecioArrastre, V::DuracionArrastre}},
    {kNeumaticosSemirremolque.numero, 0, {kNeumaticosSemirremolque.precio, kNeumaticosSemirremolque.duracion}},
}};

bool SeVacia(const ValoresColumna& v, Hoja h, int k)
{
    for (const Vaciado& r : kVaciados) {
        if (r.campo.hoja != h)
            continue;
        if (v[r.campo].comoNumero() != r.valor) // an empty value counts as 0
            continue;
        for (CampoDeHoja c : r.cajas)
            if (c.i == k)
                return true;
    }
    return false;
}

// Every option pair of the sheet, personal pairs first, each as its column holds it.
void FijarOpciones(DocumentoMotor& doc, Hoja h)
{
    for (Columna col : {Columna::S, Columna::O})
        for (int campo : doc.calculo.Entradas(h)) {
            if (!EsOpcion(h, campo))
                continue;
            const auto elegido = doc.calculo.Columna(col)[h](campo).comoLogico();
            if (elegido)
                PulsarOpcion(doc, h, col, campo, *elegido ? 1 : 2);
        }
}

void Repartir(DocumentoMotor& doc, Hoja h, bool conVaciado)
{
    for (int k : doc.calculo.Entradas(h)) {
        // An option field sets every pair of the sheet, both columns, once.
        if (EsOpcion(h, k)) {
            FijarOpciones(doc, h);
            continue;
        }
        for (Columna col : {Columna::S, Columna::O}) {
            if (conVaciado && SeVacia(doc.calculo.Columna(col), h, k)) {
                VaciarCaja(doc, h, col, k);
                continue;
            }
            MostrarCampo(doc, h, col, k);
            Recalcular(doc, h, col, k);
        }
    }
}

} // namespace

void RepartirValores(DocumentoMotor& doc)
{
    // A loaded calculation is shown on freshly created sheets.
    doc.vista().Restablecer();
    Normalizar(doc.calculo);
    struct Normalizado {
        DocumentoMotor& doc;
        ~Normalizado()
        {
            doc.normalizado = false;
            doc.pendientes = {};
        }
    } mientras{doc};
    doc.normalizado = true;
    doc.pendientes.activo = true;
    Rotulos(doc);
    for (Hoja h : {Hoja::C, Hoja::F1, Hoja::F2, Hoja::F3, Hoja::V})
        Repartir(doc, h, true);
    for (Columna col : {Columna::S, Columna::O})
        if (doc.calculo.Columna(col)[F2::PrecioTarifa].comoNumero() == 0.0)
            for (CampoDeHoja c :
                 {kNeumaticosSemirremolque.numero, kNeumaticosSemirremolque.precio, kNeumaticosSemirremolque.duracion})
                VaciarCaja(doc, c.hoja, col, c.i);
    Repartir(doc, Hoja::I, false);
    Actualizar(doc);
    // The service entries change no result: the results just computed serve
    // every service, as the driver would recompute them to the same figures.
    for (int k : doc.calculo.Entradas(Hoja::S)) {
        MostrarCampo(doc, Hoja::S, Columna::S, k);
        RecalcularServicio(doc, k, Resultados::AlDia);
    }
    Revisar(doc, Resultados::AlDia);
    MostrarPendientes(doc);
}

} // namespace tarvia
