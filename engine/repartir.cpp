// Showing a loaded calculation: captions, options, values and every chain.
#include "engine/repartir.h"

#include "core/formato.h"
#include "engine/mostrar.h"
#include "engine/opciones.h"
#include "engine/recalcular.h"
#include "engine/resultados.h"
#include "engine/servicio.h"

#include <array>
#include <vector>

namespace tarvia {

namespace {

QString ConFecha(QDate fecha, const Localizacion& loc)
{
    return QStringLiteral(" (") + FormatearFecha(fecha, loc) + u')';
}

void Rotulos(DocumentoMotor& doc)
{
    const Calculo& c = doc.calculo;
    const QString descripcion = c.Personal.C(1).comoTexto();
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
    Hoja hoja;
    int campo;
    double valor; // the governing value that empties the boxes
    std::vector<int> cajas;
};

const std::array<Vaciado, 16> kVaciados = {{
    // NOLINT: built once
    {Hoja::C, 12, 0, {13, 17}},
    {Hoja::F1, 8, 0, {10, 11}},
    {Hoja::F1, 13, 0, {14, 16, 17, 19, 21, 22}},
    {Hoja::F1, 19, 0, {21, 22}},
    {Hoja::F2, 2, 0, {3, 5, 6, 8, 10, 11, 25}},
    {Hoja::F2, 8, 0, {10, 11}},
    {Hoja::F2, 14, 0, {15, 17, 18, 20, 22, 23}},
    {Hoja::F2, 20, 0, {22, 23}},
    {Hoja::F3, 3, 0, {4}},
    {Hoja::V, 33, 0, {1, 3, 4, 41}},
    {Hoja::V, 33, 100, {35, 37, 38}},
    {Hoja::V, 8, 0, {10, 11, 14, 15}},
    {Hoja::V, 16, 0, {17, 18}},
    {Hoja::V, 19, 0, {20, 21}},
    {Hoja::V, 22, 0, {23, 24}},
    {Hoja::V, 25, 0, {26, 27}},
}};

bool SeVacia(const ValoresColumna& v, Hoja h, int k)
{
    for (const Vaciado& r : kVaciados) {
        if (r.hoja != h)
            continue;
        if (v[h](r.campo).comoNumero() != r.valor) // an empty value counts as 0
            continue;
        for (int i : r.cajas)
            if (i == k)
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
        if (doc.calculo.Columna(col).F2(2).comoNumero() == 0.0)
            for (int i : {25, 26, 27})
                VaciarCaja(doc, Hoja::V, col, i);
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
