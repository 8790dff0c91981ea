#pragma once
// tarvia-calc's one calculation, whatever the output: the file opened, the
// actions run in order and every analysis asked for, each on a copy, so that
// the document left is exactly what the actions made of it.
#include "cli/acciones.h"
#include "cli/argumentos.h"
#include "cli/avisos.h"
#include "engine/revision.h"
#include "presentacion/analisis.h"

#include <optional>
#include <vector>

namespace tarvia::calc {

struct Analisis {
    std::optional<std::vector<PuntoSensibilidad>> sensibilidad;
    std::optional<std::optional<int>> equilibrio; // the km, or none within C.7's limits
    std::optional<Revision> revision;
    QString avisoIndices; // why the built-in index table is in use
    std::optional<Presupuesto> presupuesto;
};

struct Corrida {
    int codigo = kBien;
    // When not empty: one line for standard error, and no other output.
    QString error;
    std::vector<Aviso> avisos;
    Analisis analisis;
    bool dudosa = false; // an entry refused, misread or cut (--estricto)
};

// Opens `args.archivo` into `doc`, runs the actions and the analyses.
// `indices` is the impact-index table's path; `hoy` the date of saves and,
// without --fecha-contrato, of the revision.
Corrida Calcular(const Argumentos& args, const Localizacion& local, const QString& indices, QDate hoy, Documento& doc);

// The exit code once the output has been written.
int CodigoFinal(const Argumentos& args, const Corrida& c);

} // namespace tarvia::calc
