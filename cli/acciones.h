#pragma once
// Running the actions of the command line on the open document.
#include "cli/argumentos.h"
#include "cli/avisos.h"
#include "presentacion/documento.h"

#include <optional>

namespace tarvia::calc {

enum Salida : int {
    kBien = 0,
    kNoCargado = 2, // the file could not be loaded
    kUsoIncorrecto = 64,
    kNoPermitido = 65, // something the user could not have done on the sheets
                       // (or, with --estricto, an entry refused or misread)
    kSinSalida = 73,   // --guardar or --pdf could not write its file
};

struct Resultado {
    int codigo = kBien;
    QString mensaje;            // one line for stderr when codigo is not kBien
    bool rechazada = false;     // --set: the sheet refused the entry
    bool sinSalida = false;     // --guardar, --pdf: nothing was written
    std::optional<Aviso> aviso; // --set: read as another number, or cut to the box
};

// Whether the user could type into personal field i of sheet h right now:
// an input (not an option) whose box is enabled and shown, inside no hidden frame.
bool SePuedeEditar(const Documento& doc, Hoja h, int i);
// Why a field that SePuedeEditar refuses cannot be typed into, naming it.
QString NoSePuedeModificar(Hoja h, int i);

// Runs one action; `hoy` is the date a save writes.
Resultado Ejecutar(Documento& doc, const Accion& accion, QDate hoy);

} // namespace tarvia::calc
