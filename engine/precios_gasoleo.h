#pragma once
// The official monthly average price of diesel that the fuel revision
// compares: the table shipped with the reference data and the user's own
// months, which take precedence month by month. The revision by dates takes
// the average of the contract's month and of the service's month.
#include "core/rutas.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <compare>
#include <map>
#include <optional>
#include <vector>

namespace tarvia {

// A calendar month.
struct Mes {
    int anio = 0;
    int mes = 0; // 1..12
    auto operator<=>(const Mes&) const = default;
    static Mes De(QDate fecha) { return {fecha.year(), fecha.month()}; }
};

// The months a table may hold: the revision is compulsory only since 2022,
// but older contracts and published figures go back further.
inline constexpr int kPrimerAnioPrecios = 2000;
inline constexpr int kUltimoAnioPrecios = 2099;
bool MesValido(Mes m);

// "marzo de 2026"
QString NombreMes(Mes m);
// "2026-03", as the data files write it.
QString ClaveMes(Mes m);
// "2026-03", "03/2026", "3/2026", "marzo 2026", "marzo de 2026", "mar-2026"
// (any case, with or without accents); none when it is not a month.
std::optional<Mes> LeerMes(const QString& texto);

// A date as the user writes it: dd/mm/aaaa (also d/m/aaaa) or aaaa-mm-dd.
std::optional<QDate> LeerFechaEscrita(const QString& texto);

struct PrecioGasoleo {
    double euros = 0;  // €/l, taxes included, as published
    int decimales = 3; // the decimals published, kept when saved
    enum class Origen { Oficial, Usuario } origen = Origen::Oficial;
};
using SeriePrecios = std::map<Mes, PrecioGasoleo>;

// The €/l limits of a price, those of the revision window's boxes.
inline constexpr double kGasoleoMaximo = 10;
inline constexpr int kDecimalesMaximosGasoleo = 6;
// "1,0592" or "1.0592": the price and its decimals; otherwise a Spanish
// sentence on what is wrong with it.
struct LecturaPrecio {
    std::optional<PrecioGasoleo> precio;
    QString motivo;
};
LecturaPrecio LeerPrecioGasoleo(const QString& texto);
// "1,0592": with its published decimals and a decimal comma.
QString TextoPrecio(const PrecioGasoleo& p);

// A table file: "AAAA-MM<tab>precio" a line, "#" comments. No file is an
// empty series and no warning (the user has not added any month yet); a file
// that cannot be read or holds a bad line is an empty series, `danado` and a
// Spanish warning naming the line.
struct LecturaPrecios {
    SeriePrecios precios;
    bool danado = false;
    QString aviso;
};
LecturaPrecios LeerPreciosGasoleo(const QString& ruta, PrecioGasoleo::Origen origen);

// The shipped table and the user's months.
struct TablaGasoleo {
    SeriePrecios oficiales;
    SeriePrecios usuario;
    QString rutaUsuario; // where the user's months are saved
    QStringList avisos;  // a damaged file, for the window's message or tarvia-calc's JSON
    // The user's month if there is one, else the shipped one.
    std::optional<PrecioGasoleo> Precio(Mes m) const;
    // Every month known, the user's over the shipped ones.
    SeriePrecios Todos() const;
};
TablaGasoleo CargarPreciosGasoleo(const QString& rutaOficial, const QString& rutaUsuario);

// The shipped table beside the index table (`datos` holds Baremario/), and the
// user's months in the user's data folder, never in the installed one.
QString RutaPreciosOficiales(const QString& datos);
QString RutaPreciosDelUsuario();

// Adds or corrects one of the user's months in memory: empty when done,
// otherwise why not (a Spanish sentence).
QString FijarPrecio(TablaGasoleo& tabla, Mes m, const QString& texto);
// Takes the user's month away: the shipped one, if any, is used again.
void QuitarPrecio(TablaGasoleo& tabla, Mes m);

// Saves the user's months at tabla.rutaUsuario (its folder created when
// missing), replacing the file only once the new one is whole on the disk.
// A file there that does not read as a table is first copied to
// "NOMBRE.danado-AAAAMMDD-hhmmss" (`ahora`), and nothing is written if the
// copy fails.
struct GuardadoPrecios {
    FalloArchivo fallo = FalloArchivo::Ninguno;
    QString copiaDelDanado; // the copy made, if any
    QString mensaje;        // Spanish, when fallo is not Ninguno
};
GuardadoPrecios GuardarPreciosDelUsuario(const TablaGasoleo& tabla, const QDateTime& ahora);

// A CSV of monthly prices: one month a line, "MES;PRECIO" (";" or a tab
// between them; with "," only if the price has a decimal point). A first line
// that is not a month is a header. Blank lines and "#" lines are skipped.
struct ErrorDeLinea {
    int linea = 0;
    QString campo; // "mes", "precio" or "línea"
    QString mensaje;
};
struct ImportacionPrecios {
    SeriePrecios precios; // the lines read well, as the user's
    std::vector<ErrorDeLinea> errores;
};
ImportacionPrecios ImportarPreciosCsv(const QByteArray& bytes);
// Reads the file bounded (a pipe or a huge file is refused with its message
// as a line-0 error).
ImportacionPrecios ImportarPreciosCsvDe(const QString& ruta);
// The months imported become the user's; returns how many.
int AplicarImportacion(TablaGasoleo& tabla, const ImportacionPrecios& importacion);

// The two prices of a revision by dates: the average of the contract's month
// and of the service's month. When one is missing, `faltan` names it and
// `mensaje` asks for it.
struct PreciosPorFechas {
    Mes mesContrato, mesServicio;
    std::optional<PrecioGasoleo> contrato, servicio;
    std::vector<Mes> faltan;
    QString mensaje;
    bool completos() const { return contrato && servicio; }
};
PreciosPorFechas BuscarPrecios(const TablaGasoleo& tabla, QDate contrato, QDate servicio);

} // namespace tarvia
