#pragma once
// A month of invoices revised at once: a list of services (reference,
// contract date, service date, agreed price, and optionally the vehicle's
// mass and whether it is a works vehicle), each revised by dates against the
// diesel price table; the rows that cannot be read or revised are named by
// line and field, the rest still computed.
#include "presentacion/analisis.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace tarvia {

struct ServicioARevisar {
    int linea = 0; // in the list, from 1
    QString referencia;
    QDate contrato, servicio;
    double precio = 0;
    std::optional<double> mma; // none: the calculation's
    std::optional<bool> obra;  // none: the default given
};

struct FilaRevisada {
    ServicioARevisar servicio;
    double mma = 0;
    bool obra = false;
    PreciosPorFechas precios;
    Revision revision;
};

struct ErrorDeFila {
    int linea = 0;
    QString campo; // the column's name as the list's header writes it
    QString mensaje;
};

struct RevisionDeLista {
    std::vector<FilaRevisada> filas;
    std::vector<ErrorDeFila> errores;
    double totalPactado = 0, totalIncremento = 0, totalRevisado = 0;
};

// What a revision of the list takes beyond the list itself.
struct CondicionesDeLista {
    DatosDeRevision calculo; // mass and fuel share by default
    bool obra = false;       // works flag by default
    double umbralPct = kUmbralLegalPct;
};

// The list as CSV: ";" (or a tab) between fields, decimal comma or point,
// dates dd/mm/aaaa or aaaa-mm-dd; a first line whose contract date is not a
// date is a header.
RevisionDeLista RevisarLista(const QByteArray& csv, const CondicionesDeLista& condiciones, const TablaIndices& indices,
                             const TablaGasoleo& precios);

// The result as CSV: ";" separators, decimal comma, plain figures without
// thousands points, one row per service revised and a last "Total" row.
QString RevisionDeListaCsv(const RevisionDeLista& r);

// "línea 12, fecha de servicio: …"
QString LineaDeError(const ErrorDeFila& e);

} // namespace tarvia
