#pragma once
// What a recalculation or an option click changes on screen: the text,
// enabled state, visibility and colour of a box, the frames an option hides,
// the option selected, the captions and the indirect-costs comment. The
// engine writes through this interface; the display model (Pantalla) keeps
// the state, the windows mirror it and tarvia-calc prints it.
#include "core/hojas.h"

#include <QString>
#include <cstdint>

namespace tarvia {

// Background of a box: the colour of an editable box or of a read-only one.
// "Takes the colour of box X" copies X's Fondo.
enum class Fondo : std::uint8_t { Editable, SoloLectura };

struct Caja {
    QString texto;
    bool habilitado = false;
    bool visible = true;
    Fondo fondo = Fondo::SoloLectura;
};

// Frames whose visibility the option groups switch, per column.
enum class Marco : std::uint8_t {
    F1Amortizacion,
    F1Financiacion,
    F1CosteAnual,
    F1Carrozado,
    F2SemiAmortizacion,
    F2SemiFinanciacion,
    F2SemiCosteAnual,
    F2EquipoAmortizacion,
    F2EquipoFinanciacion,
    F2EquipoCosteAnual,
    Cuantos
};

class Vista {
public:
    virtual ~Vista() = default;

    // Design-time state, as freshly created sheets show it.
    virtual void Restablecer() = 0;

    virtual Caja& caja(Hoja h, Columna c, int i) = 0;
    virtual const Caja& caja(Hoja h, Columna c, int i) const = 0;
    virtual bool& marcoVisible(Marco m, Columna c) = 0;
    virtual bool marcoVisible(Marco m, Columna c) const = 0;
    // Option button selected in a pair: 0 none, 1 the first, 2 the second.
    virtual int& opcion(Hoja h, Columna c, int i) = 0;
    virtual int opcion(Hoja h, Columna c, int i) const = 0;
    // Captions: the title frame, the personal frame, the reference frame.
    virtual QString& titulo(Hoja h) = 0;
    virtual QString& marcoPersonal(Hoja h) = 0;
    virtual QString& marcoReferencia(Hoja h) = 0;
    // The indirect-costs comment of a column, and whether it has been given
    // its total-mode size and place.
    virtual QString& comentario(Columna c) = 0;
    virtual bool& comentarioFijado(Columna c) = 0;
};

} // namespace tarvia
