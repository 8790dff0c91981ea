#include "cli/argumentos.h"

#include "core/catalogo.h"
#include "engine/revision.h"

#include <cmath>
#include <utility>

namespace tarvia::calc {

const char* const kUso =
    "uso: tarvia-calc [--version | --campos [HOJA]] | [--locale NOMBRE] [--hoy AAAA-MM-DD] [--pantalla] [--estricto] [--formato json|texto] "
    "ARCHIVO [--set HOJA.i=TEXTO | --opcion HOJA.i=K | --ver HOJA | --guardar RUTA | --pdf RUTA] ... "
    "[--sensibilidad HOJA.i=DESDE:HASTA:PASOS] [--equilibrio PRECIO] "
    "[--revision PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO[:UMBRAL] [--fecha-contrato AAAA-MM-DD] [--obra]] "
    "[--presupuesto K:MARGEN[:km|horas|ambos]] | [--formato json|csv|texto] --comparar ARCHIVO...";

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

// A figure with a decimal point. Qt also reads "nan" and "inf", which
// no argument can mean: only a finite number counts.
std::optional<double> Cifra(const QString& texto)
{
    bool ok = false;
    const double x = texto.toDouble(&ok);
    if (!ok || !std::isfinite(x))
        return std::nullopt;
    return x;
}

// The range an argument's figure must fall in, and how the message says it.
struct Rango {
    double minimo;
    bool conMinimo; // whether `minimo` itself is allowed
    double maximo;
    const char* texto;
};

// Empty when `texto` is a finite figure within `r`; otherwise why not, naming
// the option and the part of its value.
QString FueraDeRango(const QString& opcion, const char* parte, const QString& texto, Rango r)
{
    const std::optional<double> x = Cifra(texto);
    if (x && (r.conMinimo ? *x >= r.minimo : *x > r.minimo) && *x <= r.maximo)
        return {};
    return QStringLiteral("%1: %2 debe ser un número %3, con punto decimal: «%4»")
        .arg(opcion, QLatin1String(parte), QString::fromUtf8(r.texto), texto);
}

// The windows' own limits, so that a script cannot ask what the user could not.
// A transport price, or a price per km (€).
constexpr Rango kPrecio{0, true, 1e7, "de 0 a 10000000"};
// €/l: a free or negative diesel is no price.
constexpr Rango kGasoleo{0, false, 10, "mayor que 0 y hasta 10"};
// The threshold the law allows; a number outside it is refused with the reason.
constexpr Rango kUmbral{0, true, kUmbralLegalPct, "de 0 a 5"};
// %: at −100 % the service would be given away.
constexpr Rango kMargen{-100, false, 1000, "mayor que -100 y hasta 1000"};
// The 15 digits a figure of the calculation holds; the field's own limits come later.
constexpr Rango kValorSerie{-1e15, true, 1e15, "de -1e15 a 1e15"};
constexpr int kMaximoPasos = 1001;

std::optional<QLocale> LeerLocale(const QString& nombre)
{
    const QLocale loc(nombre);
    // An unknown name falls back to C; only "C" and "POSIX" ask for it.
    if (loc.language() == QLocale::C && nombre != u"C" && nombre != u"POSIX")
        return std::nullopt;
    return loc;
}

} // namespace

std::variant<Argumentos, QString> LeerArgumentos(const QStringList& args)
{
    Argumentos a;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        const bool conValor = arg == u"--locale" || arg == u"--hoy" || arg == u"--formato" || arg == u"--set" ||
                              arg == u"--sensibilidad" || arg == u"--equilibrio" || arg == u"--revision" ||
                              arg == u"--fecha-contrato" || arg == u"--presupuesto" || arg == u"--opcion" ||
                              arg == u"--ver" || arg == u"--guardar" || arg == u"--pdf";
        if (conValor && k + 1 >= args.size())
            return QStringLiteral("falta el valor de %1").arg(arg);
        const QString valor = conValor ? args[++k] : QString();

        if (arg == u"--ayuda" || arg == u"--help" || arg == u"-h") {
            a.ayuda = true;
        } else if (arg == u"--comparar") {
            a.comparar = true;
        } else if (arg == u"--sensibilidad") {
            auto campo = LeerCampo(valor, arg);
            if (auto* error = std::get_if<QString>(&campo))
                return *error;
            const Campo& c = std::get<Campo>(campo);
            const QStringList partes = c.valor.split(u':');
            const tarvia::Campo& cat = CampoDe(c.hoja, c.indice);
            if (cat.tipo != TipoCampo::Entrada || c.hoja == Hoja::R)
                return QStringLiteral("--sensibilidad necesita un campo numérico de entrada: «%1»").arg(valor);
            if (partes.size() != 3)
                return QStringLiteral("--sensibilidad espera HOJA.i=DESDE:HASTA:PASOS, con punto decimal: «%1»")
                    .arg(valor);
            // Each value is then typed into the field, whose own limits refuse it or not.
            for (const auto& [parte, texto] : {std::pair{"DESDE", partes[0]}, std::pair{"HASTA", partes[1]}})
                if (const QString error = FueraDeRango(arg, parte, texto, kValorSerie); !error.isEmpty())
                    return error;
            bool ok = false;
            const int pasos = partes[2].toInt(&ok);
            if (!ok || pasos < 2 || pasos > kMaximoPasos)
                return QStringLiteral("%1: PASOS debe ser un número entero de 2 a %2: «%3»")
                    .arg(arg)
                    .arg(kMaximoPasos)
                    .arg(partes[2]);
            a.sensibilidad = Argumentos::Serie{c.hoja, c.indice, *Cifra(partes[0]), *Cifra(partes[1]), pasos};
        } else if (arg == u"--revision") {
            const QStringList p = valor.split(u':');
            if (p.size() < 3 || p.size() > 4)
                return QStringLiteral("--revision espera PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO[:UMBRAL], con punto "
                                      "decimal: «%1»")
                    .arg(valor);
            const std::pair<const char*, Rango> partes[] = {{"PRECIO", kPrecio},
                                                            {"GASOLEO_CONTRATO", kGasoleo},
                                                            {"GASOLEO_SERVICIO", kGasoleo},
                                                            {"UMBRAL", kUmbral}};
            if (p.size() == 4 && Cifra(p[3]))
                if (const QString motivo = MotivoUmbralNoValido(*Cifra(p[3])); !motivo.isEmpty())
                    return QStringLiteral("%1: UMBRAL «%2»: %3").arg(arg, p[3], motivo);
            for (qsizetype n = 0; n < p.size(); ++n)
                if (const QString error = FueraDeRango(arg, partes[n].first, p[n], partes[n].second); !error.isEmpty())
                    return error;
            a.revision =
                Argumentos::PedidoRevision{*Cifra(p[0]), *Cifra(p[1]), *Cifra(p[2]), p.size() == 4 ? *Cifra(p[3]) : 5};
        } else if (arg == u"--fecha-contrato") {
            const QDate d = QDate::fromString(valor, Qt::ISODate);
            if (!d.isValid() || valor.size() != 10)
                return QStringLiteral("fecha no válida (AAAA-MM-DD): «%1»").arg(valor);
            a.fechaContrato = d;
        } else if (arg == u"--obra") {
            a.obra = true;
        } else if (arg == u"--presupuesto") {
            const QStringList p = valor.split(u':');
            bool ok = false;
            const int servicio = p.value(0).toInt(&ok);
            const QString base = p.value(2, QStringLiteral("ambos"));
            const int b = base == u"km" ? 0 : base == u"horas" ? 1 : base == u"ambos" ? 2 : -1;
            if (p.size() < 2 || p.size() > 3 || !ok || servicio < 1 || servicio > 5 || b < 0)
                return QStringLiteral("--presupuesto espera K:MARGEN[:km|horas|ambos], con K de 1 a 5: «%1»")
                    .arg(valor);
            if (const QString error = FueraDeRango(arg, "MARGEN", p[1], kMargen); !error.isEmpty())
                return error;
            a.presupuesto = Argumentos::PedidoPresupuesto{servicio, *Cifra(p[1]), b};
        } else if (arg == u"--equilibrio") {
            if (const QString error = FueraDeRango(arg, "PRECIO", valor, kPrecio); !error.isEmpty())
                return error;
            a.equilibrio = *Cifra(valor);
        } else if (arg == u"--version") {
            a.version = true;
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
        } else if (arg == u"--pantalla") {
            a.pantalla = true;
        } else if (arg == u"--estricto") {
            a.estricto = true;
        } else if (arg == u"--locale") {
            a.locale = LeerLocale(valor);
            if (!a.locale)
                return QStringLiteral("configuración regional desconocida: «%1»").arg(valor);
        } else if (arg == u"--hoy") {
            const QDate d = QDate::fromString(valor, Qt::ISODate);
            if (!d.isValid() || valor.size() != 10)
                return QStringLiteral("fecha no válida (AAAA-MM-DD): «%1»").arg(valor);
            a.hoy = d;
        } else if (arg == u"--formato") {
            if (valor == u"json")
                a.formato = Formato::Json;
            else if (valor == u"texto")
                a.formato = Formato::Texto;
            else if (valor == u"csv")
                a.formato = Formato::Csv;
            else
                return QStringLiteral("formato desconocido: «%1» (json o texto)").arg(valor);
        } else if (arg == u"--set" || arg == u"--opcion") {
            auto campo = LeerCampo(valor, arg);
            if (auto* error = std::get_if<QString>(&campo))
                return *error;
            const Campo& c = std::get<Campo>(campo);
            Accion acc{arg == u"--set" ? Accion::Tipo::Fijar : Accion::Tipo::Opcion, c.hoja, c.indice, 0, c.valor};
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
        } else if (arg == u"--ver") {
            const auto hoja = HojaPorCodigo(valor.toUpper().toStdString());
            if (!hoja)
                return QStringLiteral("hoja desconocida: «%1»").arg(valor);
            a.acciones.push_back({Accion::Tipo::Ver, *hoja, 0, 0, {}});
        } else if (arg == u"--guardar") {
            a.acciones.push_back({Accion::Tipo::Guardar, Hoja::C, 0, 0, valor});
        } else if (arg == u"--pdf") {
            a.acciones.push_back({Accion::Tipo::Pdf, Hoja::C, 0, 0, valor});
        } else if (arg.startsWith(u"--")) {
            return QStringLiteral("opción desconocida: %1").arg(arg);
        } else {
            a.archivos.push_back(arg);
        }
    }
    if (!a.archivos.isEmpty())
        a.archivo = a.archivos.front();
    if (!a.comparar && a.archivos.size() > 1)
        return QStringLiteral("sobra el argumento «%1»").arg(a.archivos[1]);
    if (a.archivo.isEmpty() && !a.ayuda && !a.version && !a.campos)
        return QStringLiteral("falta el ARCHIVO");
    return a;
}

} // namespace tarvia::calc
