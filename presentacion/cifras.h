#pragma once
// The one reading of a number typed or pasted into a box, in the window and
// in tarvia-calc: the locale's decimal separator, thousands grouped by threes
// with the other mark, and a lone "." taken as the decimal point where the
// locale writes a comma, since most keyboards put "." on the main block.
#include <QChar>
#include <QString>

namespace tarvia {

struct LecturaCifra {
    enum class Como {
        Leida,        // as the locale writes it
        PuntoDecimal, // a lone "." read as the decimal point ("1.52" → 1,52)
        Rechazada,    // would be read as another number: refused
    };
    Como como = Como::Leida;
    double valor = 0; // empty text gives 0; too many digits, infinity
};

// The mark that groups thousands where `separador` is the decimal one.
QChar Agrupador(QChar separador);

// `decimales` is the field's: a decimal part where it has none is refused.
LecturaCifra LeerCifra(const QString& texto, int decimales, QChar separador);

// The line that follows the limits when a text is refused.
QString ComoEscribirCifra(QChar separador, int decimales);

} // namespace tarvia
