#pragma once
// The command line of tarvia-calc, parsed before anything is loaded.
#include "core/hojas.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>
#include <vector>

namespace tarvia::calc {

enum class Formato { Json, Texto, Csv };

struct Accion {
    enum class Tipo { Fijar, Opcion, Ver, Guardar, Pdf } tipo;
    Hoja hoja = Hoja::C;
    int campo = 0;
    int boton = 0; // --opcion: 1 or 2
    QString texto; // --set: the typed text; --guardar, --pdf: the path
};

struct Argumentos {
    std::optional<QLocale> locale; // none: the environment's
    std::optional<QDate> hoy;      // none: the real date
    bool pantalla = false;
    bool estricto = false;          // exit 65 when an entry was refused or misread
    std::optional<Formato> formato; // none: by whether stdout is a terminal
    bool ayuda = false;
    bool version = false;
    std::optional<std::optional<Hoja>> campos; // --campos [HOJA]: the list of fields, of one sheet or all
    bool comparar = false;                     // --comparar: every ARCHIVO side by side
    QStringList archivos;                      // --comparar's files, in order

    // --sensibilidad HOJA.i=DESDE:HASTA:PASOS
    struct Serie {
        Hoja hoja;
        int campo;
        double desde, hasta;
        int pasos;
    };
    std::optional<Serie> sensibilidad;
    std::optional<double> equilibrio; // --equilibrio PRECIO (per km travelled)

    // --revision PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO[:UMBRAL], --fecha-contrato, --obra;
    // or --revision PRECIO[:UMBRAL] --fecha-contrato D1 --fecha-servicio D2, the
    // diesel prices looked up in the table by month.
    struct PedidoRevision {
        double precio, contrato, servicio, umbral = 5;
        bool porFechas = false; // contrato and servicio come from the table
    };
    std::optional<PedidoRevision> revision;
    std::optional<QDate> fechaContrato, fechaServicio;
    bool obra = false;
    // --revisar-lista SERVICIOS.csv: a list of services revised by dates.
    QString revisarLista;
    // --precios-gasoleo RUTA: the user's months from RUTA, not from the user's data folder.
    QString preciosGasoleo;
    // --presupuesto K:MARGEN[:BASE]
    struct PedidoPresupuesto {
        int servicio;
        double margen;
        int base; // 0 km, 1 horas, 2 ambos
    };
    std::optional<PedidoPresupuesto> presupuesto;
    QString archivo;
    std::vector<Accion> acciones;
    QString informe; // --informe: the analyses' report, a PDF
    QString resumen; // --resumen: the one-page cost summary, a PDF

    // Whether an analysis is asked for: what --informe reports.
    bool PideAnalisis() const
    {
        return comparar || sensibilidad || equilibrio || revision || presupuesto || !revisarLista.isEmpty();
    }

    // --pdf draws the sheets: the program then needs the windows' platform.
    bool ConPdf() const
    {
        for (const Accion& a : acciones)
            if (a.tipo == Accion::Tipo::Pdf)
                return true;
        return false;
    }
};

// The lines printed with every usage error, and the whole help.
extern const char* const kUso;
extern const char* const kAyuda;

// Parses the arguments after the program name: the arguments, or the
// one-line Spanish explanation of what is wrong. The analyses' figures are
// read in the locale of --locale, or `entorno` without it.
std::variant<Argumentos, QString> LeerArgumentos(const QStringList& args, const QLocale& entorno);

} // namespace tarvia::calc
