#pragma once
// Running the actions of the command line on the open document.
#include "cli/argumentos.h"
#include "engine/documento.h"

namespace tarvia::calc {

enum Salida : int {
    kBien = 0,
    kNoCargado = 2,   // the file could not be loaded
    kUsoIncorrecto = 64,
    kNoPermitido = 65, // something the user could not have done on the sheets
};

struct Resultado {
    int codigo = kBien;
    QString mensaje; // one line for stderr when codigo is not kBien
};

// Whether the user could type into personal field i of sheet h right now:
// an input (not an option) whose box is enabled and shown, inside no hidden frame.
bool SePuedeEditar(const Documento& doc, Hoja h, int i);

// Runs one action; `hoy` is the date a save writes.
Resultado Ejecutar(Documento& doc, const Accion& accion, QDate hoy);

} // namespace tarvia::calc
