#pragma once
// How values are turned into the text a box or label shows.
#include "core/valor.h"

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>

namespace tarvia {

// The locale's characters for numbers and its short date, as the program uses them.
struct Localizacion {
    QChar decimal = u',';
    QChar grupo = u'.'; // null: no grouping
    QString formatoFecha = QStringLiteral("dd/MM/yyyy");

    static Localizacion Desde(const QLocale& locale);
};

// The decimal separator rule: write 1.5 in the locale and take its first
// character that is not a digit; "," when there is none.
QChar SeparadorDecimalDe(const QLocale& locale);

// The locale's short date with the day and month on two digits and the year
// on four (dd/MM/yyyy in Spain, MM/dd/yyyy in the United States).
QString FormatoFechaCorta(const QLocale& locale);

// x with the picture "#,###,###,###,##0" plus n decimals, rounded half away
// from zero, with the locale's grouping and decimal characters.
QString FormatearNumero(double x, int decimales, const Localizacion& loc);

// The display operation: decimales -1 shows the value as text, unchanged;
// otherwise the number picture, and 0 as an empty text unless mostrarCeros.
QString Mostrar(const Valor& valor, int decimales, bool mostrarCeros, const Localizacion& loc);

// A number as typed for editing: locale decimal separator, no grouping,
// full precision; empty for 0.
QString TextoParaEditar(const Valor& valor, int decimales, const Localizacion& loc);

QString FormatearFecha(QDate fecha, const Localizacion& loc);

} // namespace tarvia
