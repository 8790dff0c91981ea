#include "cli/argumentos.h"

#include "core/catalogo.h"
#include "core/formato.h"
#include "engine/precios_gasoleo.h"
#include "engine/revision.h"
#include "presentacion/cifras.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvia::calc {

const char* const kUso =
    "uso: tarvia-calc [--locale NOMBRE] [--hoy AAAA-MM-DD] [--pantalla] [--estricto] [--formato json|texto|csv]\n"
    "                 ARCHIVO [ACCIÓN ...] [ANÁLISIS ...]\n"
    "     tarvia-calc [--formato json|texto|csv] --comparar ARCHIVO...\n"
    "     tarvia-calc --campos [HOJA] | --version | --help\n"
    "«tarvia-calc --help» describe cada opción.";

const char* const kAyuda =
    "tarvia-calc: abre un cálculo (.trv) o unos datos de referencia (.brm) como TARVIA, hace las\n"
    "acciones en orden, como el usuario en las hojas, y escribe el resultado y sus análisis.\n"
    "\n"
    "uso: tarvia-calc [--locale NOMBRE] [--hoy AAAA-MM-DD] [--pantalla] [--estricto] [--formato json|texto|csv]\n"
    "                 ARCHIVO [ACCIÓN ...] [ANÁLISIS ...]\n"
    "     tarvia-calc [--formato json|texto|csv] --comparar ARCHIVO...\n"
    "     tarvia-calc --campos [HOJA] | --version | --help\n"
    "\n"
    "Entrada:\n"
    "  ARCHIVO                 un cálculo .trv o unos datos de referencia .brm\n"
    "  --locale NOMBRE         separador decimal, miles y fecha (es_ES, en_US, C); por omisión, los del\n"
    "                          entorno, y los de España si el entorno no tiene ninguno\n"
    "  --hoy AAAA-MM-DD        la fecha con que se graba y se revisa (por omisión, la de hoy)\n"
    "  --campos [HOJA]         lista los campos de una hoja (C, F1, F2, F3, V, I, R, S) o de todas\n"
    "  --help, --ayuda, -h     esta ayuda;  --version: la versión\n"
    "\n"
    "Acciones (en el orden dado):\n"
    "  --set HOJA.i=TEXTO      escribe TEXTO en la casilla personal, como si lo pegara, y sale de ella;\n"
    "                          las cifras, como en la hoja: 98.000 son miles y 1.52 es 1,52\n"
    "  --opcion HOJA.i=K       pulsa el botón K de un grupo de opciones: en F1.1, F2.1 y F2.13, 1 «Compra»\n"
    "                          y 2 «Otra forma»; en F3.2, F3.9, F3.19 e I.1, 1 «Desglosado» y 2 «Total»\n"
    "  --ver HOJA              muestra la hoja: R recalcula los resultados, S revisa los servicios\n"
    "  --guardar RUTA          graba el cálculo (.trv); nunca sobre unos datos de referencia\n"
    "  --pdf RUTA              imprime las ocho hojas en un PDF\n"
    "\n"
    "Análisis (sobre una copia: el cálculo queda como lo dejan las acciones):\n"
    "  --sensibilidad HOJA.i=DESDE:HASTA:PASOS\n"
    "                          los resultados con PASOS valores (2 a 1001) de la casilla, cada uno\n"
    "                          redondeado a sus decimales y escrito como con --set\n"
    "  --equilibrio PRECIO     el menor número entero de kilómetros anuales con el que C1, con los cuatro\n"
    "                          decimales de la hoja, no pasa de PRECIO (€/km)\n"
    "  --revision PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO[:UMBRAL] [--fecha-contrato FECHA] [--obra]\n"
    "                          revisión del precio por el gasóleo (UMBRAL de 0 a 5 %; 5 % por omisión)\n"
    "  --revision PRECIO[:UMBRAL] --fecha-contrato FECHA --fecha-servicio FECHA [--obra]\n"
    "                          la misma revisión con los dos precios del gasóleo buscados en la tabla:\n"
    "                          la media del mes del contrato y la del mes del servicio; el índice de\n"
    "                          repercusión, el vigente en la fecha del contrato. FECHA: dd/mm/aaaa o\n"
    "                          aaaa-mm-dd\n"
    "  --revisar-lista SERVICIOS.csv [--obra]\n"
    "                          revisa por fechas una lista de servicios: referencia; fecha de contrato;\n"
    "                          fecha de servicio; precio pactado[; MMA en kg[; obra sí/no]] (la MMA y la\n"
    "                          cuota del combustible, por omisión las del cálculo; obra, --obra)\n"
    "  --precios-gasoleo RUTA  sus meses del gasóleo desde RUTA en lugar de su carpeta de datos\n"
    "                          (~/.local/share/TARVIA/precios_gasoleo.tsv); mandan sobre la tabla oficial\n"
    "  --presupuesto K:MARGEN[:km|horas|ambos]\n"
    "                          presupuesto del servicio K (1 a 5) de la hoja S con MARGEN %\n"
    "  --comparar ARCHIVO...   los resultados de varios cálculos, uno al lado del otro\n"
    "  Las cifras se escriben como en --set, con la configuración regional (1,40 o 1.40 en España).\n"
    "\n"
    "Salida:\n"
    "  --formato json          todo el documento y cada análisis (lo normal si la salida no es un terminal)\n"
    "  --formato texto         resumen de resultados y servicios y un bloque por análisis; mensajes y\n"
    "                          avisos, a la salida de errores\n"
    "  --formato csv           sólo la tabla de --comparar, la serie de --sensibilidad o la lista de\n"
    "                          --revisar-lista, con «;», una fila de títulos y las cifras sin\n"
    "                          separador de miles (1234,5); en UTF-8 sin marca de orden de bytes\n"
    "  --informe RUTA          además, el informe en PDF (A4) de los análisis pedidos, el mismo que\n"
    "                          «Guardar como PDF…» en sus ventanas; nunca sobre un cálculo ni en un .trv\n"
    "  --resumen RUTA          además, el resumen de costes en un PDF de una página, con el cálculo como\n"
    "                          lo dejan las acciones; nunca sobre un cálculo ni en un .trv\n"
    "  --pantalla              añade al JSON lo que muestra cada casilla\n"
    "  --estricto              termina con 65 si una entrada se rechazó, se leyó como otra cifra o se cortó\n"
    "\n"
    "Códigos de salida (los mismos en cualquier formato):\n"
    "  0  bien    2  el archivo (o la lista de --revisar-lista) no se pudo abrir    64  uso incorrecto\n"
    "  65 algo que el usuario no podría hacer en ese momento (una casilla calculada o desactivada,\n"
    "     un servicio sin coste, una revisión por fechas sin el precio de un mes, que se nombra) o,\n"
    "     con --estricto, una entrada dudosa; con --revisar-lista, alguna fila no se pudo revisar\n"
    "     (las demás se escriben); una acción imposible detiene la corrida: no se hacen las siguientes\n"
    "     (tampoco un --guardar) ni se escribe la salida\n"
    "  73 --guardar, --pdf, --informe o --resumen no pudieron escribir su fichero\n"
    "\n"
    "Ejemplos:\n"
    "  tarvia-calc --formato texto \"Baremario/Articulado Carga General.brm\" --set C.7=150.000 --ver R\n"
    "  tarvia-calc Mi.trv --set S.3=250 --presupuesto 1:10 --revision 1260:1,40:1,54 > resultado.json\n"
    "  tarvia-calc Mi.trv --revision 1260 --fecha-contrato 15/01/2026 --fecha-servicio 20/03/2026\n"
    "  tarvia-calc --formato csv Mi.trv --revisar-lista marzo.csv > marzo_revisado.csv";

namespace {

struct Campo {
    Hoja hoja;
    int indice;
    QString valor; // what follows "="
};

// "HOJA.i=VALOR" with a known sheet and an index of that sheet.
std::variant<Campo, QString> LeerCampo(const QString& arg, const QString& opcion)
{
    const qsizetype igual = arg.indexOf(u'=');
    const qsizetype punto = arg.indexOf(u'.');
    if (igual < 0 || punto < 0 || punto > igual)
        return QStringLiteral("%1 espera HOJA.i=VALOR: «%2»").arg(opcion, arg);
    const auto hoja = HojaPorCodigo(arg.left(punto).toUpper().toStdString());
    if (!hoja)
        return QStringLiteral("hoja desconocida: «%1»").arg(arg.left(punto));
    bool ok = false;
    const int i = arg.mid(punto + 1, igual - punto - 1).toInt(&ok);
    if (!ok || i < 1 || i > NumeroDeCampos(*hoja))
        return QStringLiteral("la hoja %1 no tiene el campo «%2»")
            .arg(QString::fromUtf8(Codigo(*hoja)), arg.mid(punto + 1, igual - punto - 1));
    return Campo{*hoja, i, arg.mid(igual + 1)};
}

// A figure of an analysis, read as --set reads one (the locale's separators,
// a lone point as the decimal one where that is unambiguous) with a sign in
// front. Qt would also read "nan", "inf" and "1e9", which no box takes.
std::optional<double> Cifra(const QString& texto, int decimales, const Localizacion& loc)
{
    QString t = texto.trimmed();
    const bool negativa = t.startsWith(u'-');
    if (negativa)
        t.remove(0, 1);
    if (t.isEmpty())
        return std::nullopt;
    const LecturaCifra l = LeerCifra(t, decimales, loc.decimal);
    if (l.como == LecturaCifra::Como::Rechazada || !std::isfinite(l.valor))
        return std::nullopt;
    return negativa ? -l.valor : l.valor;
}

// The range an argument's figure must fall in.
struct Rango {
    double minimo;
    bool conMinimo; // whether `minimo` itself is allowed
    double maximo;
};

// The windows' own limits, so that a script cannot ask what the user could not.
// A transport price, or a price per km (€).
constexpr Rango kPrecio{0, true, 1e7};
// €/l: a free or negative diesel is no price.
constexpr Rango kGasoleo{0, false, 10};
// The threshold the law allows; a number outside it is refused with the reason.
constexpr Rango kUmbral{0, true, kUmbralLegalPct};
// %: at −100 % the service would be given away.
constexpr Rango kMargen{-100, false, 1000};
// The 15 digits a figure of the calculation holds; the field's own limits come later.
constexpr Rango kValorSerie{-1e15, true, 1e15};
constexpr int kMaximoPasos = 1001;
constexpr int kDecimalesLibres = 15; // a figure of an analysis may carry decimals

// Part `parte` of option `opcion` read as a figure within `r`, or why not.
std::variant<double, QString> LeerParte(const QString& opcion, const char* parte, const QString& texto, Rango r,
                                        int decimales, const Localizacion& loc)
{
    const std::optional<double> x = Cifra(texto, decimales, loc);
    if (x && (r.conMinimo ? *x >= r.minimo : *x > r.minimo) && *x <= r.maximo)
        return *x;
    const QString rango = (r.conMinimo ? QStringLiteral("de %1 a %2") : QStringLiteral("mayor que %1 y hasta %2"))
                              .arg(FormatearNumero(r.minimo, 0, loc), FormatearNumero(r.maximo, 0, loc));
    return QStringLiteral("%1: %2 debe ser una cifra %3: «%4». %5.")
        .arg(opcion, QLatin1String(parte), rango, texto, ComoEscribirCifra(loc.decimal, decimales));
}

std::optional<QLocale> LeerLocale(const QString& nombre)
{
    const QLocale loc(nombre);
    // An unknown name falls back to C; only "C" and "POSIX" ask for it.
    if (loc.language() == QLocale::C && nombre != u"C" && nombre != u"POSIX")
        return std::nullopt;
    return loc;
}

// What the first pass leaves for the second: the analyses' figures wait
// for the locale, which may come after them.
struct Pendientes {
    std::optional<Campo> serie;
    std::optional<QStringList> revision;
    std::optional<QString> margen, equilibrio;
};

// An option with a value: empty when it was read, else why not.
using Lector = QString (*)(Argumentos&, Pendientes&, const QString& opcion, const QString& valor);

QString LeerFecha(std::optional<QDate>& destino, const QString& valor)
{
    const QDate d = QDate::fromString(valor, Qt::ISODate);
    if (!d.isValid() || valor.size() != 10)
        return QStringLiteral("fecha no válida (AAAA-MM-DD): «%1»").arg(valor);
    destino = d;
    return {};
}

// The revision's dates, as the program writes them or as ISO.
QString LeerFechaDeRevision(std::optional<QDate>& destino, const QString& opcion, const QString& valor)
{
    const auto d = LeerFechaEscrita(valor);
    if (!d)
        return QStringLiteral("%1: fecha no válida (dd/mm/aaaa o aaaa-mm-dd): «%2»").arg(opcion, valor);
    destino = d;
    return {};
}

QString LeerSensibilidad(Argumentos&, Pendientes& p, const QString& opcion, const QString& valor)
{
    auto campo = LeerCampo(valor, opcion);
    if (auto* error = std::get_if<QString>(&campo))
        return *error;
    const Campo& c = std::get<Campo>(campo);
    // A box that holds no figure has no series; one that holds a figure
    // but is computed or closed is refused later, as --set refuses it.
    const TipoCampo tipo = CampoDe(c.hoja, c.indice).tipo;
    if (tipo == TipoCampo::Texto || tipo == TipoCampo::Opcion)
        return QStringLiteral("--sensibilidad necesita un campo que guarde una cifra; %1.%2 es %3: «%4»")
            .arg(QString::fromUtf8(Codigo(c.hoja)))
            .arg(c.indice)
            .arg(tipo == TipoCampo::Texto ? QStringLiteral("un texto") : QStringLiteral("una opción"), valor);
    if (c.valor.split(u':').size() != 3)
        return QStringLiteral("--sensibilidad espera HOJA.i=DESDE:HASTA:PASOS: «%1»").arg(valor);
    p.serie = c;
    return {};
}

QString LeerRevision(Argumentos&, Pendientes& p, const QString&, const QString& valor)
{
    const QStringList partes = valor.split(u':');
    if (partes.size() > 4)
        return QStringLiteral("--revision espera PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO[:UMBRAL] o, con "
                              "--fecha-servicio, PRECIO[:UMBRAL]: «%1»")
            .arg(valor);
    p.revision = partes;
    return {};
}

QString LeerPresupuesto(Argumentos& a, Pendientes& p, const QString&, const QString& valor)
{
    const QStringList partes = valor.split(u':');
    bool ok = false;
    const int servicio = partes.value(0).toInt(&ok);
    const QString base = partes.value(2, QStringLiteral("ambos"));
    const int b = base == u"km" ? 0 : base == u"horas" ? 1 : base == u"ambos" ? 2 : -1;
    if (partes.size() < 2 || partes.size() > 3 || !ok || servicio < 1 || servicio > 5 || b < 0)
        return QStringLiteral("--presupuesto espera K:MARGEN[:km|horas|ambos], con K de 1 a 5: «%1»").arg(valor);
    a.presupuesto = Argumentos::PedidoPresupuesto{servicio, 0, b};
    p.margen = partes[1];
    return {};
}

QString LeerFormato(Argumentos& a, Pendientes&, const QString&, const QString& valor)
{
    if (valor == u"json")
        a.formato = Formato::Json;
    else if (valor == u"texto")
        a.formato = Formato::Texto;
    else if (valor == u"csv")
        a.formato = Formato::Csv;
    else
        return QStringLiteral("formato desconocido: «%1» (json, texto o csv)").arg(valor);
    return {};
}

// --set and --opcion: an action on one field.
QString LeerAccionDeCampo(Argumentos& a, Pendientes&, const QString& opcion, const QString& valor)
{
    auto campo = LeerCampo(valor, opcion);
    if (auto* error = std::get_if<QString>(&campo))
        return *error;
    const Campo& c = std::get<Campo>(campo);
    Accion acc{opcion == u"--set" ? Accion::Tipo::Fijar : Accion::Tipo::Opcion, c.hoja, c.indice, 0, c.valor};
    if (acc.tipo == Accion::Tipo::Opcion) {
        if (!EsCampoOpcion(c.hoja, c.indice))
            return QStringLiteral("%1.%2 no es un campo de opción")
                .arg(QString::fromUtf8(Codigo(c.hoja)))
                .arg(c.indice);
        if (c.valor != u"1" && c.valor != u"2")
            return QStringLiteral("el botón de opción debe ser 1 o 2: «%1»").arg(c.valor);
        acc.boton = c.valor.toInt();
        acc.texto.clear();
    }
    a.acciones.push_back(acc);
    return {};
}

const std::pair<QStringView, Lector> kConValor[] = {
    {u"--locale",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.locale = LeerLocale(v);
         return a.locale ? QString() : QStringLiteral("configuración regional desconocida: «%1»").arg(v);
     }},
    {u"--hoy", [](Argumentos& a, Pendientes&, const QString&, const QString& v) { return LeerFecha(a.hoy, v); }},
    {u"--formato", LeerFormato},
    {u"--set", LeerAccionDeCampo},
    {u"--opcion", LeerAccionDeCampo},
    {u"--ver",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         const auto hoja = HojaPorCodigo(v.toUpper().toStdString());
         if (!hoja)
             return QStringLiteral("hoja desconocida: «%1»").arg(v);
         a.acciones.push_back({Accion::Tipo::Ver, *hoja, 0, 0, {}});
         return QString();
     }},
    {u"--guardar",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.acciones.push_back({Accion::Tipo::Guardar, Hoja::C, 0, 0, v});
         return QString();
     }},
    {u"--pdf",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.acciones.push_back({Accion::Tipo::Pdf, Hoja::C, 0, 0, v});
         return QString();
     }},
    {u"--sensibilidad", LeerSensibilidad},
    {u"--equilibrio",
     [](Argumentos&, Pendientes& p, const QString&, const QString& v) {
         p.equilibrio = v;
         return QString();
     }},
    {u"--revision", LeerRevision},
    {u"--fecha-contrato", [](Argumentos& a, Pendientes&, const QString& o,
                             const QString& v) { return LeerFechaDeRevision(a.fechaContrato, o, v); }},
    {u"--fecha-servicio", [](Argumentos& a, Pendientes&, const QString& o,
                             const QString& v) { return LeerFechaDeRevision(a.fechaServicio, o, v); }},
    {u"--revisar-lista",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.revisarLista = v;
         return QString();
     }},
    {u"--precios-gasoleo",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.preciosGasoleo = v;
         return QString();
     }},
    {u"--presupuesto", LeerPresupuesto},
    {u"--informe",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.informe = v;
         return QString();
     }},
    {u"--resumen",
     [](Argumentos& a, Pendientes&, const QString&, const QString& v) {
         a.resumen = v;
         return QString();
     }},
};

const std::pair<QStringView, bool Argumentos::*> kSinValor[] = {
    {u"--ayuda", &Argumentos::ayuda},
    {u"--help", &Argumentos::ayuda},
    {u"-h", &Argumentos::ayuda},
    {u"--comparar", &Argumentos::comparar},
    {u"--obra", &Argumentos::obra},
    {u"--version", &Argumentos::version},
    {u"--pantalla", &Argumentos::pantalla},
    {u"--estricto", &Argumentos::estricto},
};

// The first pass: each option in order; the analyses' figures are kept as typed.
QString LeerOpciones(const QStringList& args, Argumentos& a, Pendientes& p)
{
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        const auto conValor =
            std::find_if(std::begin(kConValor), std::end(kConValor), [&](const auto& o) { return o.first == arg; });
        const auto sinValor =
            std::find_if(std::begin(kSinValor), std::end(kSinValor), [&](const auto& o) { return o.first == arg; });
        if (conValor != std::end(kConValor)) {
            if (k + 1 >= args.size())
                return QStringLiteral("falta el valor de %1").arg(arg);
            if (const QString error = conValor->second(a, p, arg, args[++k]); !error.isEmpty())
                return error;
        } else if (sinValor != std::end(kSinValor)) {
            a.*(sinValor->second) = true;
        } else if (arg == u"--campos") {
            // It takes no ARCHIVO: a word after it that is not an option is the sheet.
            std::optional<Hoja> hoja;
            if (k + 1 < args.size() && !args[k + 1].startsWith(u'-')) {
                const QString codigo = args[++k];
                hoja = HojaPorCodigo(codigo.toUpper().toStdString());
                if (!hoja)
                    return QStringLiteral("hoja desconocida: «%1»").arg(codigo);
            }
            a.campos = hoja;
        } else if (arg.startsWith(u"--")) {
            return QStringLiteral("opción desconocida: %1").arg(arg);
        } else {
            a.archivos.push_back(arg);
        }
    }
    return {};
}

// The second pass: the analyses' figures, in the locale now known.
QString LeerCifrasDeAnalisis(Argumentos& a, const Pendientes& p, const Localizacion& loc)
{
    QString error;
    const auto leer = [&](const char* opcion, const char* parte, const QString& texto, Rango r, int decimales) {
        if (!error.isEmpty())
            return 0.0;
        auto x = LeerParte(QString::fromLatin1(opcion), parte, texto, r, decimales, loc);
        if (auto* e = std::get_if<QString>(&x))
            error = *e;
        return error.isEmpty() ? std::get<double>(x) : 0.0;
    };
    if (p.serie) {
        const QStringList partes = p.serie->valor.split(u':');
        // Each point is rounded to the field's decimals and typed into it,
        // whose own limits refuse it or not: the ends may fall between.
        const double desde = leer("--sensibilidad", "DESDE", partes[0], kValorSerie, kDecimalesLibres);
        const double hasta = leer("--sensibilidad", "HASTA", partes[1], kValorSerie, kDecimalesLibres);
        const double pasos = leer("--sensibilidad", "PASOS", partes[2], Rango{2, true, kMaximoPasos}, 0);
        a.sensibilidad = Argumentos::Serie{p.serie->hoja, p.serie->indice, desde, hasta, static_cast<int>(pasos)};
    }
    if (p.revision) {
        const QStringList& r = *p.revision;
        // PRECIO[:UMBRAL] by dates, or the figures written.
        const bool porFechas = r.size() <= 2;
        const qsizetype u = porFechas ? 1 : 3;
        const double precio = leer("--revision", "PRECIO", r[0], kPrecio, kDecimalesLibres);
        const double contrato =
            porFechas ? 0 : leer("--revision", "GASOLEO_CONTRATO", r[1], kGasoleo, kDecimalesLibres);
        const double servicio =
            porFechas ? 0 : leer("--revision", "GASOLEO_SERVICIO", r[2], kGasoleo, kDecimalesLibres);
        if (r.size() > u && error.isEmpty())
            if (const auto x = Cifra(r[u], kDecimalesLibres, loc))
                if (const QString motivo = MotivoUmbralNoValido(*x); !motivo.isEmpty())
                    error = QStringLiteral("--revision: UMBRAL «%1»: %2").arg(r[u], motivo);
        const double umbral =
            r.size() > u ? leer("--revision", "UMBRAL", r[u], kUmbral, kDecimalesLibres) : kUmbralLegalPct;
        a.revision = Argumentos::PedidoRevision{precio, contrato, servicio, umbral, porFechas};
    }
    if (p.margen)
        a.presupuesto->margen = leer("--presupuesto", "MARGEN", *p.margen, kMargen, kDecimalesLibres);
    if (p.equilibrio)
        a.equilibrio = leer("--equilibrio", "PRECIO", *p.equilibrio, kPrecio, kDecimalesLibres);
    return error;
}

// A table of its own: one row per file, per point of the series or per service.
QString ComprobarCsv(const Argumentos& a)
{
    if (a.formato != Formato::Csv || a.comparar || a.ayuda || a.version || a.campos)
        return {};
    if (!a.sensibilidad && a.revisarLista.isEmpty())
        return QStringLiteral("--formato csv sólo sirve para la tabla de --comparar, la serie de "
                              "--sensibilidad o la lista de --revisar-lista; use json o texto");
    if (a.sensibilidad && !a.revisarLista.isEmpty())
        return QStringLiteral("--formato csv escribe una sola tabla: pida --sensibilidad o --revisar-lista");
    if (a.equilibrio || a.revision || a.presupuesto)
        return QStringLiteral("--formato csv escribe sólo la serie de --sensibilidad o la lista de "
                              "--revisar-lista; pida --equilibrio, --revision o --presupuesto con json o texto");
    return {};
}

// The dates go with a revision by dates, and only with it.
QString ComprobarFechas(const Argumentos& a)
{
    const bool porFechas = a.revision && a.revision->porFechas;
    if (porFechas && (!a.fechaContrato || !a.fechaServicio))
        return QStringLiteral("--revision PRECIO busca los precios del gasóleo por fechas: indique "
                              "--fecha-contrato y --fecha-servicio (o escriba "
                              "PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO)");
    if (a.fechaServicio && !porFechas)
        return QStringLiteral("--fecha-servicio sólo sirve con --revision PRECIO[:UMBRAL], que busca los precios "
                              "en la tabla");
    return {};
}

} // namespace

std::variant<Argumentos, QString> LeerArgumentos(const QStringList& args, const QLocale& entorno)
{
    Argumentos a;
    Pendientes pendientes;
    if (const QString error = LeerOpciones(args, a, pendientes); !error.isEmpty())
        return error;
    if (!a.archivos.isEmpty())
        a.archivo = a.archivos.front();
    if (a.comparar && !a.resumen.isEmpty())
        return QStringLiteral("--resumen resume un cálculo; no sirve con --comparar");
    if (!a.comparar && a.archivos.size() > 1)
        return QStringLiteral("sobra el argumento «%1»").arg(a.archivos[1]);
    if (a.archivo.isEmpty() && !a.ayuda && !a.version && !a.campos)
        return QStringLiteral("falta el ARCHIVO");
    const Localizacion loc = Localizacion::Desde(a.locale.value_or(entorno));
    if (const QString error = LeerCifrasDeAnalisis(a, pendientes, loc); !error.isEmpty())
        return error;
    if (const QString error = ComprobarCsv(a); !error.isEmpty())
        return error;
    if (!a.informe.isEmpty() && !a.PideAnalisis())
        return QStringLiteral("--informe escribe el informe de un análisis: pida también --comparar, "
                              "--sensibilidad, --equilibrio, --revision, --revisar-lista o --presupuesto");
    if (const QString error = ComprobarFechas(a); !error.isEmpty())
        return error;
    return a;
}

} // namespace tarvia::calc
