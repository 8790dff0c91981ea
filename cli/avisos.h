#pragma once
// What a script is told about values it should not trust: values of a loaded
// file that the sheets would refuse, and entries that were read as something
// other than what was typed. The program itself keeps such values as read.
#include "presentacion/documento.h"

#include <vector>

namespace tarvia::calc {

struct Aviso {
    Columna columna;
    Hoja hoja;
    int campo;
    Valor valor;     // as stored
    QString mensaje; // Spanish, one paragraph
};

// Every input of both columns that a user could reach on its sheet (options
// as that column has them) and that its checks refuse: outside the field's
// limits, text where a number belongs, or against a rule (an odd tyre count).
std::vector<Aviso> AvisosDeCarga(const Documento& doc);

// "F1.3"
QString NombreCampo(Hoja h, int i);

} // namespace tarvia::calc
