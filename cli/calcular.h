#pragma once
// tarvia-calc's one calculation, whatever the output: the file opened, the
// actions run in order and every analysis asked for, each on a copy, so that
// the document left is exactly what the actions made of it.
#include "cli/acciones.h"
#include "cli/argumentos.h"
#include "cli/avisos.h"
#include "engine/revision.h"
#include "presentacion/analisis.h"
#include "presentacion/revision_lista.h"

#include <optional>
#include <vector>

namespace tarvia::calc {

struct Analisis {
    std::optional<std::vector<PuntoSensibilidad>> sensibilidad;
    std::optional<std::optional<int>> equilibrio; // the km, or none within C.7's limits
    std::optional<Revision> revision;
    std::optional<PreciosPorFechas> preciosPorFechas; // --revision by dates: the months used
    std::optional<RevisionDeLista> lista;             // --revisar-lista
    bool listaNoLeida = false;                        // its file could not be read
    QString avisoIndices;                             // why the built-in index table is in use
    QStringList avisosPrecios;                        // a damaged diesel price table
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

// Where the reference tables are: the impact indices, the shipped diesel
// prices and the user's months.
struct Tablas {
    QString indices, preciosOficiales, preciosUsuario;
};

// Opens `args.archivo` into `doc`, runs the actions and the analyses.
// `hoy` is the date of saves and, without --fecha-contrato, of the revision.
Corrida Calcular(const Argumentos& args, const Localizacion& local, const Tablas& tablas, QDate hoy, Documento& doc);

// The exit code once the output has been written.
int CodigoFinal(const Argumentos& args, const Corrida& c);

} // namespace tarvia::calc
