#pragma once
// A document to hand over — the comparison, the sensitivity, the fuel
// revision, the quotation, the cost summary — as what it says, not how it
// is drawn: the same report goes to the printer, to a PDF from a window and
// to a PDF from tarvia-calc, so they cannot disagree.
#include "core/formato.h"

#include <QDate>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace tarvia {

struct ParrafoInforme {
    QString texto;
    bool destacado = false; // a heading inside the report, or a warning
};

// A table of figures: a caption column, then figure columns. Long tables
// continue on the next page with their headings; wide ones in column groups.
struct TablaInforme {
    QString titulo;
    QString esquina;      // heading of the caption column
    QStringList columnas; // headings of the figure columns
    struct Fila {
        QString rotulo;
        QStringList celdas; // as many as columns, already in the locale
        bool negrita = false;
    };
    std::vector<Fila> filas;
    // Captions and values of two columns, as key figures are listed.
    bool pares = false;
};

struct SerieInforme {
    QString nombre;
    std::vector<QPointF> puntos; // lines: (x, y); bars: (category, y)
    int porcion = -1;            // a cost heading's colour, or the palette's
    bool ejeDerecho = false;
    bool soloMarcas = false; // a point to mark, not a line
};

struct GraficoInforme {
    enum class Tipo { Lineas, BarrasApiladas, Tarta } tipo = Tipo::Lineas;
    QString titulo, ejeX, ejeY, ejeYDerecho;
    QStringList categorias; // bars: one per bar
    std::vector<SerieInforme> series;
    std::vector<double> porcentajes; // pie: one per cost heading, rounded as shown
};

using BloqueInforme = std::variant<ParrafoInforme, TablaInforme, GraficoInforme>;

struct Informe {
    QString titulo;
    QStringList cabecera; // under the title: the calculations and the date
    std::vector<BloqueInforme> bloques;
    QString pie; // the program and its version, on every page
    Localizacion loc;
    // The summary must fit one page: the renderer shrinks it rather than
    // start a second.
    bool unaPagina = false;
};

// "TARVIA 1.2.3", the footer of every report.
QString PieDeInforme();
// "Fecha: 07/12/2026", as the reports date themselves.
QString LineaDeFecha(QDate hoy, const Localizacion& loc);
// A calculation as a report names it: its description and its file's name.
QString NombreDeCalculo(const QString& descripcion, const QString& archivo);

} // namespace tarvia
