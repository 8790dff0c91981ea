#include "cli/argumentos.h"

#include "core/catalogo.h"

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
            bool ok1 = false, ok2 = false, ok3 = false;
            const double desde = partes.value(0).toDouble(&ok1), hasta = partes.value(1).toDouble(&ok2);
            const int pasos = partes.value(2).toInt(&ok3);
            const tarvia::Campo& cat = CampoDe(c.hoja, c.indice);
            if (cat.tipo != TipoCampo::Entrada || c.hoja == Hoja::R)
                return QStringLiteral("--sensibilidad necesita un campo numérico de entrada: «%1»").arg(valor);
            if (partes.size() != 3 || !ok1 || !ok2 || !ok3 || pasos < 2)
                return QStringLiteral(
                           "--sensibilidad espera HOJA.i=DESDE:HASTA:PASOS, con PASOS ≥ 2 y punto decimal: «%1»")
                    .arg(valor);
            a.sensibilidad = Argumentos::Serie{c.hoja, c.indice, desde, hasta, pasos};
        } else if (arg == u"--revision") {
            const QStringList p = valor.split(u':');
            bool ok[4] = {false, false, false, true};
            Argumentos::PedidoRevision r{p.value(0).toDouble(&ok[0]), p.value(1).toDouble(&ok[1]),
                                         p.value(2).toDouble(&ok[2]), 5};
            if (p.size() == 4)
                r.umbral = p[3].toDouble(&ok[3]);
            if (p.size() < 3 || p.size() > 4 || !ok[0] || !ok[1] || !ok[2] || !ok[3] || r.contrato <= 0)
                return QStringLiteral("--revision espera PRECIO:GASOLEO_CONTRATO:GASOLEO_SERVICIO[:UMBRAL], con punto "
                                      "decimal: «%1»")
                    .arg(valor);
            a.revision = r;
        } else if (arg == u"--fecha-contrato") {
            const QDate d = QDate::fromString(valor, Qt::ISODate);
            if (!d.isValid() || valor.size() != 10)
                return QStringLiteral("fecha no válida (AAAA-MM-DD): «%1»").arg(valor);
            a.fechaContrato = d;
        } else if (arg == u"--obra") {
            a.obra = true;
        } else if (arg == u"--presupuesto") {
            const QStringList p = valor.split(u':');
            bool ok1 = false, ok2 = false;
            const int servicio = p.value(0).toInt(&ok1);
            const double margen = p.value(1).toDouble(&ok2);
            const QString base = p.value(2, QStringLiteral("ambos"));
            const int b = base == u"km" ? 0 : base == u"horas" ? 1 : base == u"ambos" ? 2 : -1;
            if (p.size() < 2 || p.size() > 3 || !ok1 || !ok2 || servicio < 1 || servicio > 5 || b < 0)
                return QStringLiteral("--presupuesto espera K:MARGEN[:km|horas|ambos], con K de 1 a 5: «%1»")
                    .arg(valor);
            a.presupuesto = Argumentos::PedidoPresupuesto{servicio, margen, b};
        } else if (arg == u"--equilibrio") {
            bool ok = false;
            const double precio = valor.toDouble(&ok);
            if (!ok || precio < 0)
                return QStringLiteral("--equilibrio espera un precio por km con punto decimal: «%1»").arg(valor);
            a.equilibrio = precio;
        } else if (arg == u"--version") {
            a.version = true;
        } else if (arg == u"--campos") {
            // An optional sheet code right after it.
            std::optional<Hoja> hoja;
            if (k + 1 < args.size())
                hoja = HojaPorCodigo(args[k + 1].toUpper().toStdString());
            if (hoja)
                ++k;
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
